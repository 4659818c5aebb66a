#include "editor/flow/CmdRowText.h"

#include <algorithm>
#include <cstddef>

#include "data/CommonPalette.h"
#include "data/Flow.h"
#include "data/FlowTables.h"
#include "data/MoveShotTables.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "editor/flow/StatusSides.h"
#include "editor/shell/EditorProject.h"
#include "framework/Format.h"

namespace {

// The option name at v, or null when the table (ending with its empty row) has no such row.
template <size_t N>
const char* Opt(const char* const (&table)[N], long long v) {
    return v >= 0 && v < static_cast<long long>(N) - 1 ? table[v] : nullptr;
}

template <class Table>
const char* RowName(const Table& table, long long row) {
    return IsRow(table, row) ? table[static_cast<size_t>(row)].m_Name.c_str() : "";
}

int32_t Param(const cFlowCmd& cmd, size_t i) { return i < cmd.m_Params.size() ? cmd.m_Params[i] : 0; }

// Commands without their parameter records read as the defaults.
const cEdMove& Move(const cFlowCmd& cmd) {
    static const cEdMove kDefault;
    return cmd.m_Move ? *cmd.m_Move : kDefault;
}
const cEdShot& Shot(const cFlowCmd& cmd) {
    static const cEdShot kDefault;
    return cmd.m_Shot ? *cmd.m_Shot : kDefault;
}

std::string Plain(const cFlowCmd& cmd, long long value) {
    return Format(cmd.m_Parallel ? "P-%lld" : "%lld", value);
}
std::string Estimated(const cFlowCmd& cmd, const std::string& estimate) {
    return cmd.m_Parallel ? "P-" + estimate : estimate;
}
std::string Estimated(const cFlowCmd& cmd, int estimate) { return Estimated(cmd, Format("%d?", estimate)); }
const char kNoTimeEffect[] = "P-0 ◆";

// The common frame: the time prefix, the command's name between the marks.
void Frame(std::string* text, const cFlowCmd& cmd, const std::string& prefix) {
    const char* name = "";
    if (cmd.m_CmdSet == 0 && cmd.m_CmdType < kCharaCommandTypes) name = CharaCommandTypes[cmd.m_CmdType].m_Name;
    if (cmd.m_CmdSet != 0 && cmd.m_CmdType < kItemCommandTypes) name = ItemCommandTypes[cmd.m_CmdType].m_Name;
    *text = prefix + " ◆ " + name + " ◆";
}

// " 「007 name」": an element or variable by its number, every digit kept.
void AppendElement(std::string* text, long long number, const char* name) {
    AppendFormat(*text, " 「%03lld %s」", number, name);
}

const cPalette* PaletteOf(long long source) {
    if (source == 0) return &ProjectCommonPalette();
    if (source == 1) return &ProjectStage().m_Palette;
    return nullptr;
}
template <class T>
const char* ElementName(long long source, long long index) {
    const cPalette* palette = PaletteOf(source);
    return palette ? RowName(ListOf<T>(*palette), index) : "";
}

const char* VarName(long long scope, long long number) {
    if (scope == 0) return RowName(CommonVarNames(), number);
    if (scope == 1) return RowName(ProjectStage().m_VarNames, number);
    return "";
}

const cDatabase& Db() { return ProjectDatabase(); }

// The estimate of a move given by speed and distance: frames to cover the distance. A speed
// below a tenth of a unit gives 0, not a division by zero.
int MoveEstimate(const cEdMove& move) {
    int perTenth = move.m_Speed / 10;
    if (perTenth == 0) return 0;
    return static_cast<int>(move.m_Distance * 16.0 / perTenth + 0.5);
}

std::string MovePrefix(const cFlowCmd& cmd) {
    const cEdMove& move = Move(cmd);
    return move.m_SpeedMode == 2 ? Estimated(cmd, MoveEstimate(move)) : Plain(cmd, cmd.m_Time);
}

void AppendMoveValues(std::string* text, const cFlowCmd& cmd) {
    const cEdMove& move = Move(cmd);
    switch (move.m_SpeedMode) {
    case 0: AppendFormat(*text, " 時%d 速%d", cmd.m_Time, move.m_Speed); break;
    case 1: AppendFormat(*text, " 時%d 距%d", cmd.m_Time, move.m_Distance); break;
    case 2: AppendFormat(*text, " 速%d 距%d", move.m_Speed, move.m_Distance); break;
    }
}

// " 右" then the angle right after it when there is one.
void AppendDirection(std::string* text, uint8_t dir, int16_t angle) {
    if (const char* name = Opt(MoveDirNames, dir)) AppendFormat(*text, " %s", name);
    if (angle != 0) AppendFormat(*text, "%d", angle);
}

void Wait(std::string* text, const cFlowCmd& cmd) { Frame(text, cmd, Plain(cmd, cmd.m_Time)); }

void LineMove(std::string* text, const cFlowCmd& cmd) {
    const cEdMove& move = Move(cmd);
    Frame(text, cmd, MovePrefix(cmd));
    if (move.m_DirMode == 0) {
        AppendDirection(text, move.m_Dir, move.m_Angle);
    } else if (move.m_DirMode == 1) {
        if (move.m_UseTargetX && move.m_UseTargetY)
            AppendFormat(*text, " 目標(%d,%d)", move.m_TargetX, move.m_TargetY);
        else if (move.m_UseTargetX)
            AppendFormat(*text, " 目標(%d,-)", move.m_TargetX);
        else if (move.m_UseTargetY)
            AppendFormat(*text, " 目標(-,%d)", move.m_TargetY);
        else
            *text += " 目標(-,-)";
    }
    AppendMoveValues(text, cmd);
}

void OtherMove(std::string* text, const cFlowCmd& cmd) {
    Frame(text, cmd, MovePrefix(cmd));
    AppendMoveValues(text, cmd);
}

void CircleMove(std::string* text, const cFlowCmd& cmd) {
    const cEdMove& move = Move(cmd);
    if (move.m_SpeedMode == 1) {
        int estimate = move.m_Speed == 0 ? 0 : static_cast<int>((move.m_Distance - move.m_Angle) / double(move.m_Speed) + 0.5);
        Frame(text, cmd, Estimated(cmd, estimate));
    } else {
        Frame(text, cmd, Plain(cmd, cmd.m_Time));
    }
    if (move.m_SpeedMode == 0) AppendFormat(*text, " 時%d", cmd.m_Time);
    if (move.m_SpeedMode == 1) AppendFormat(*text, " 速%d", move.m_Speed);
    AppendFormat(*text, " 角%d～%d", move.m_Angle, move.m_Distance);
}

void AvoidMove(std::string* text, const cFlowCmd& cmd) {
    const cEdMove& move = Move(cmd);
    Frame(text, cmd, MovePrefix(cmd));
    if (move.m_DirMode == 0)
        AppendDirection(text, move.m_Dir, move.m_Angle);
    else if (move.m_DirMode == 1)
        AppendFormat(*text, " 目標(%d,%d)", move.m_TargetX, move.m_TargetY);
    AppendMoveValues(text, cmd);
}

void Direction(std::string* text, const cFlowCmd& cmd) {
    Frame(text, cmd, Plain(cmd, cmd.m_Time));
    if (const char* name = Opt(TurnNames, Param(cmd, 0))) AppendFormat(*text, " %s", name);
}

void Jump(std::string* text, const cFlowCmd& cmd) {
    Frame(text, cmd, Estimated(cmd, std::string("?")));
    switch (Param(cmd, 0)) {
    case 0:
    case 1: AppendFormat(*text, " 高さ%d", Param(cmd, 2)); break;
    case 2: AppendFormat(*text, " 高さ%d～%d", Param(cmd, 4), Param(cmd, 2)); break;
    }
}

void ShotLine(std::string* text, const cFlowCmd& cmd) {
    const cEdShot& shot = Shot(cmd);
    Frame(text, cmd, Plain(cmd, cmd.m_Time));
    if (const char* name = Opt(ShotFormationNames, shot.m_Formation))
        AppendFormat(*text, " %s 数%d(%d)", name, shot.m_Count, shot.m_Clones);
    AppendDirection(text, shot.m_Dir, shot.m_Angle);
    if (const char* name = Opt(ShotTrajectoryNames, shot.m_MoveType))
        AppendFormat(*text, " 速%d 威%d %s", shot.m_Speed, shot.m_Power, name);
}

void Sword(std::string* text, const cFlowCmd& cmd) {
    const cEdShot& shot = Shot(cmd);
    Frame(text, cmd, Plain(cmd, cmd.m_Time));
    AppendFormat(*text, " %s 威%d", RowName(Db().m_SwordTypes, shot.m_MoveType), shot.m_Power);
}

void BlockSummon(std::string* text, const cFlowCmd& cmd) {
    const cEdShot& shot = Shot(cmd);
    Frame(text, cmd, Plain(cmd, cmd.m_Time));
    if (shot.m_SummonType == 1)
        *text += " ブロックを消す";
    else if (shot.m_SummonType == 0 || shot.m_SummonType == 2)
        AppendElement(text, shot.m_SummonIndex, ElementName<cEdBlock>(shot.m_SummonPalette, shot.m_SummonIndex));
}

template <class T>
void ElementSummon(std::string* text, const cFlowCmd& cmd) {
    const cEdShot& shot = Shot(cmd);
    Frame(text, cmd, Plain(cmd, cmd.m_Time));
    AppendElement(text, shot.m_SummonIndex, ElementName<T>(shot.m_SummonPalette, shot.m_SummonIndex));
}

void FlowOp(std::string* text, const cFlowCmd& cmd) {
    Frame(text, cmd, Plain(cmd, 0));
    const char* target = Opt(FlowOpTargetNames, Param(cmd, 1));
    const char* op = Opt(FlowOpNames, Param(cmd, 0));
    if (target && op) AppendFormat(*text, " %s %s", target, op);
    if (Param(cmd, 1) == 2)
        if (const char* id = Opt(FlowIdNames, Param(cmd, 2))) AppendFormat(*text, "(%s)", id);
}

void NoValuesAtZero(std::string* text, const cFlowCmd& cmd) { Frame(text, cmd, Plain(cmd, 0)); }

void GameWait(std::string* text, const cFlowCmd& cmd) { Frame(text, cmd, Plain(cmd, Param(cmd, 0))); }

// The prefix of a command shown until a key, until the stage ends, or for a time.
std::string UntilPrefix(const cFlowCmd& cmd, int32_t mode, int32_t time) {
    switch (mode) {
    case 0: return "?";
    case 1: return "P-∞";
    case 2: return Plain(cmd, time);
    }
    return "";
}

void Message(std::string* text, const cFlowCmd& cmd) {
    Frame(text, cmd, UntilPrefix(cmd, Param(cmd, 6), Param(cmd, 7)));
    AppendFormat(*text, " %s", cmd.m_Text.c_str());
}

void Warp(std::string* text, const cFlowCmd& cmd) {
    const cEdMove& move = Move(cmd);
    Frame(text, cmd, Plain(cmd, 0));
    if (const char* mode = Opt(WarpModeNames, move.m_DirMode)) AppendFormat(*text, " %s", mode);
    if (move.m_DirMode == 0 || move.m_DirMode == 1) {
        if (const char* dir = Opt(MoveDirNames, move.m_Dir)) AppendFormat(*text, " %s 距%d", dir, move.m_Distance);
    } else if (move.m_DirMode == 2) {
        if (const char* coord = Opt(CoordNames, move.m_TargetMode))
            AppendFormat(*text, " %s (%d,%d)", coord, move.m_TargetX, move.m_TargetY);
    }
}

void Target(std::string* text, const cFlowCmd& cmd) {
    Frame(text, cmd, Plain(cmd, 0));
    if (const char* name = Opt(TargetNames, Param(cmd, 0))) AppendFormat(*text, " %s", name);
}

const char* CharaVarName(long long number) { return Opt(CharaVarNames, number - 1); }

// One side of a status operation read as a status: of whom, which status; the left side ends
// with "を" (after a chara variable's closing bracket without a space).
void AppendStatusSide(std::string* text, int32_t object, int32_t status, int32_t charaVar, bool left) {
    const char* tail = left ? " を" : "";
    const char* who = Opt(SelfTargetNames, object);
    if (who && status == 0) {
        if (const char* var = CharaVarName(charaVar)) AppendFormat(*text, " %s の 「%s」%s", who, var, left ? "を" : "");
    } else if (who) {
        if (const cStatusDesc* row = StatusRow(object, status))
            AppendFormat(*text, " %s の %s%s", who, row->m_Name, tail);
    } else if (object == kOwnerSystem) {
        if (const cStatusDesc* row = StatusRow(object, status)) AppendFormat(*text, " %s%s", row->m_Name, tail);
    }
}

void StatusOp(std::string* text, const cFlowCmd& cmd) {
    auto p = [&cmd](size_t i) { return Param(cmd, i); };
    Frame(text, cmd, Plain(cmd, 0));
    if (p(0) == 1) {
        AppendElement(text, p(2), VarName(p(1), p(2)));
        *text += "を";
    } else if (p(0) == 0) {
        AppendStatusSide(text, p(3), p(4), p(2), true);
    }
    if (const char* op = Opt(StatusOperatorNames, p(5))) AppendFormat(*text, " %s", op);
    switch (p(6)) {
    case 0: AppendFormat(*text, " %d", p(7)); break;
    case 1: AppendFormat(*text, " %d～%d", p(8), p(9)); break;
    case 2: AppendStatusSide(text, p(12), p(13), p(11), false); break;
    case 3: AppendElement(text, p(11), VarName(p(10), p(11))); break;
    }
    if (p(14)) *text += "%";
}

// The name of a flag's value; null outside the values it has.
const char* FlagValueName(const cFlagDesc& flag, long long value) {
    return value >= flag.m_Min && value <= flag.m_Max ? flag.m_Options[value - flag.m_Min] : nullptr;
}

void StatusOp2(std::string* text, const cFlowCmd& cmd) {
    int32_t object = Param(cmd, 0), index = Param(cmd, 1), value = Param(cmd, 2);
    Frame(text, cmd, Plain(cmd, 0));
    if (const char* who = Opt(SelfTargetNames, object)) {
        if (index < 0 || index >= kStatusFlagDescs) return;
        const cFlagDesc& flag = StatusFlagDescs[index];
        AppendFormat(*text, " %s の %s を", who, flag.m_Name);
        if (const char* name = FlagValueName(flag, value)) AppendFormat(*text, " %s にする", name);
    } else if (object == kOwnerSystem) {
        if (index < 0 || index >= kScrollFlagDescs) return;
        const cFlagDesc& flag = ScrollFlagDescs[index];
        if (const char* name = FlagValueName(flag, value)) AppendFormat(*text, " %s を %s にする", flag.m_Name, name);
    }
}

void ItemGet(std::string* text, const cFlowCmd& cmd) {
    Frame(text, cmd, Plain(cmd, cmd.m_Time));
    AppendElement(text, Param(cmd, 1), ElementName<cEdItem>(Param(cmd, 0), Param(cmd, 1)));
}

template <class Table>
void NamedRow(std::string* text, const cFlowCmd& cmd, const Table& table) {
    Frame(text, cmd, Plain(cmd, 0));
    AppendFormat(*text, " %s", RowName(table, Param(cmd, 0)));
}
void AnimeSet(std::string* text, const cFlowCmd& cmd) { NamedRow(text, cmd, Db().m_AnimeSets); }
void SoundLine(std::string* text, const cFlowCmd& cmd) { NamedRow(text, cmd, Db().m_Sounds); }
void Bgm(std::string* text, const cFlowCmd& cmd) { NamedRow(text, cmd, Db().m_Bgms); }

template <class Frames>
long long SumTimes(const Frames& frames, long long cap) {
    long long total = 0;
    for (const auto& frame : frames) total = cap ? std::min(total + frame.m_Time, cap) : total + frame.m_Time;
    return total;
}

void Anime(std::string* text, const cFlowCmd& cmd) {
    const auto& animes = Db().m_Animes;
    int32_t row = Param(cmd, 0);
    Frame(text, cmd, Plain(cmd, IsRow(animes, row) ? SumTimes(animes[row].m_Frames, 9999) : 0));
    AppendFormat(*text, " %s", RowName(animes, row));
}

void Effect(std::string* text, const cFlowCmd& cmd) {
    const auto& effects = Db().m_Effects;
    int32_t row = Param(cmd, 0);
    if (row == 0) {
        Frame(text, cmd, kNoTimeEffect);
        *text += " エフェクトの消去";
        return;
    }
    Frame(text, cmd, Plain(cmd, IsRow(effects, row) ? SumTimes(effects[row].m_Frames, 0) : 0));
    AppendFormat(*text, " %s", RowName(effects, row));
}

template <class Table>
void EffectType(std::string* text, const cFlowCmd& cmd, const Table& table) {
    int32_t row = Param(cmd, 0);
    Frame(text, cmd, Plain(cmd, IsRow(table, row) ? table[row].m_Params[0] : 0));
    if (row == 0)
        *text += " なし";
    else
        AppendFormat(*text, " %s", RowName(table, row));
    if (Param(cmd, 1)) *text += " ループ実行";
}
void CharaEffect(std::string* text, const cFlowCmd& cmd) { EffectType(text, cmd, Db().m_CharaEffects); }
void ScrEffect(std::string* text, const cFlowCmd& cmd) { EffectType(text, cmd, Db().m_ScrEffects); }

void Picture(std::string* text, const cFlowCmd& cmd) {
    int32_t row = Param(cmd, 0);
    if (row == 0) {
        Frame(text, cmd, kNoTimeEffect);
        *text += " ピクチャーの消去";
        return;
    }
    Frame(text, cmd, UntilPrefix(cmd, Param(cmd, 7), Param(cmd, 8)));
    AppendFormat(*text, " %s", RowName(Db().m_Pictures, row));
}

void ScreenColor(std::string* text, const cFlowCmd& cmd) {
    auto p = [&cmd](size_t i) { return Param(cmd, i); };
    Frame(text, cmd, Plain(cmd, p(6) ? static_cast<long long>(p(5)) * p(7) : p(5)));
    if (p(4)) {
        *text += " 元に戻す";
        return;
    }
    AppendFormat(*text, " R%d G%d B%d %d%%", p(0), p(1), p(2), p(3));
    if (p(6)) AppendFormat(*text, " 瞬間表示 × %d", p(7));
}

void Background(std::string* text, const cFlowCmd& cmd) {
    Frame(text, cmd, Plain(cmd, 0));
    if (const char* action = Opt(ShowHideNames, Param(cmd, 1))) AppendFormat(*text, " %d番 を %s", Param(cmd, 0), action);
}

void Code(std::string* text, const cFlowCmd& cmd) {
    Frame(text, cmd, Plain(cmd, 0));
    AppendFormat(*text, " %s", cmd.m_Text.c_str());
}

}  // namespace

const cCmdTextBuilder CmdTextBuilders[37] = {
    nullptr,     Wait,        LineMove,       OtherMove,    CircleMove,     OtherMove,   OtherMove,      AvoidMove,
    Wait,        Direction,   Jump,           ShotLine,     Sword,          BlockSummon, ElementSummon<cEdChara>,
    ElementSummon<cEdItem>,   FlowOp,         NoValuesAtZero, GameWait,     Message,     Warp,           Target,
    StatusOp,    StatusOp2,   ItemGet,        NoValuesAtZero, AnimeSet,     Anime,       Effect,         CharaEffect,
    ScrEffect,   Picture,     ScreenColor,    Background,   SoundLine,      Bgm,         Code,
};

const cCmdTextBuilder ItemCmdTextBuilders[22] = {
    nullptr,       NoValuesAtZero, NoValuesAtZero, GameWait,    Message,      Warp,      Target,     StatusOp,
    StatusOp2,     ItemGet,        NoValuesAtZero, AnimeSet,    Anime,        Effect,    CharaEffect, ScrEffect,
    Picture,       ScreenColor,    Background,     SoundLine,   Bgm,          Code,
};

void CmdRowText(const cFlowCmd& cmd, std::string* text) {
    text->clear();
    const cCmdTextBuilder* table = cmd.m_CmdSet == 0 ? CmdTextBuilders : ItemCmdTextBuilders;
    int size = cmd.m_CmdSet == 0 ? kCharaCommandTypes : kItemCommandTypes;
    if (cmd.m_CmdType < size && table[cmd.m_CmdType]) table[cmd.m_CmdType](text, cmd);
}
