// The list line of every command type: the time prefix in each of its forms, the name block,
// the pieces with their looked-up names, and values outside their tables.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "data/CommonPalette.h"
#include "data/Flow.h"
#include "data/FlowTables.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "editor/flow/CmdRowText.h"
#include "editor/shell/EditorProject.h"
#include "tests/support/RestoreOnExit.h"

namespace {

class CmdRowTextTest : public testing::Test {
protected:
    void SetUp() override {
        cDatabase& db = ProjectDatabase();
        Name(db.m_SwordTypes, 1, "長剣");
        Name(db.m_AnimeSets, 1, "勇者");
        Name(db.m_Animes, 1, "歩く");
        db.m_Animes[1].m_Frames.assign(2, cAnimeFrame());
        db.m_Animes[1].m_Frames[0].m_Time = 5000;
        db.m_Animes[1].m_Frames[1].m_Time = 6000;
        Name(db.m_Effects, 2, "大爆発");
        db.m_Effects[2].m_Frames.assign(2, cEffectFrame());
        db.m_Effects[2].m_Frames[0].m_Time = 6000;
        db.m_Effects[2].m_Frames[1].m_Time = 6000;
        Name(db.m_CharaEffects, 1, "点滅");
        db.m_CharaEffects[0].m_Params[0] = 0;
        db.m_CharaEffects[1].m_Params[0] = 25;
        Name(db.m_ScrEffects, 1, "揺れ");
        db.m_ScrEffects[1].m_Params[0] = 12;
        Name(db.m_Pictures, 1, "看板");
        Name(db.m_Sounds, 1, "爆音");
        Name(db.m_Bgms, 1, "戦闘");
        Name(ProjectCommonPalette().m_Blocks, 7, "岩");
        Name(ProjectCommonPalette().m_Charas, 3, "スライム");
        Name(ProjectCommonPalette().m_Items, 2, "薬");
        Name(ProjectStage().m_Palette.m_Blocks, 1, "木");
        Name(ProjectStage().m_Palette.m_Items, 1, "鍵");
        Name(ProjectStage().m_VarNames, 4, "扉");
        Name(CommonVarNames(), 5, "金");
    }

    // Row `row` of the table gets the name, the table growing to hold it.
    template <class Table>
    static void Name(Table& table, size_t row, const char* name) {
        if (table.size() <= row) table.resize(row + 1);
        table[row].m_Name = name;
    }

    cRestoreOnExit<cDatabase> m_Db{ProjectDatabase()};
    cRestoreOnExit<cCommonPalette> m_Common{ProjectCommonPalette()};
    cRestoreOnExit<cEdStage> m_Stage{ProjectStage()};
    cRestoreOnExit<cVarNames> m_Vars{CommonVarNames()};
};

struct cLineCase {
    int set, type, time, parallel;
    std::vector<int32_t> params;
    std::function<void(cFlowCmd&)> more;
    const char* expected;
};

cFlowCmd MakeCmd(const cLineCase& c) {
    cFlowCmd cmd;
    cmd.m_CmdSet = static_cast<uint8_t>(c.set);
    cmd.m_CmdType = static_cast<uint8_t>(c.type);
    cmd.m_Time = static_cast<uint16_t>(c.time);
    cmd.m_Parallel = static_cast<uint8_t>(c.parallel);
    cmd.m_Params = c.params;
    cmd.m_Move = cEdMove::Create();
    cmd.m_Shot = cEdShot::Create();
    if (c.more) c.more(cmd);
    return cmd;
}

// Movement settings: direction mode, direction, angle, setting type, speed, distance.
std::function<void(cFlowCmd&)> Mv(int dirMode, int dir, int angle, int setType, int speed, int distance) {
    return [=](cFlowCmd& cmd) {
        cEdMove& m = *cmd.m_Move;
        m.m_DirMode = static_cast<uint8_t>(dirMode);
        m.m_Dir = static_cast<uint8_t>(dir);
        m.m_Angle = static_cast<int16_t>(angle);
        m.m_SpeedMode = static_cast<uint8_t>(setType);
        m.m_Speed = static_cast<int16_t>(speed);
        m.m_Distance = static_cast<int16_t>(distance);
    };
}
// Target point of a line movement given by speed 40 and distance 3 (an estimate of 12).
std::function<void(cFlowCmd&)> Aim(int useX, int useY) {
    return [=](cFlowCmd& cmd) {
        Mv(1, 0, 0, 2, 40, 3)(cmd);
        cmd.m_Move->m_UseTargetX = static_cast<uint8_t>(useX);
        cmd.m_Move->m_UseTargetY = static_cast<uint8_t>(useY);
        cmd.m_Move->m_TargetX = 3;
        cmd.m_Move->m_TargetY = -2;
    };
}
std::function<void(cFlowCmd&)> Summon(int op, int source, int index) {
    return [=](cFlowCmd& cmd) {
        cmd.m_Shot->m_SummonType = static_cast<uint8_t>(op);
        cmd.m_Shot->m_SummonPalette = static_cast<uint8_t>(source);
        cmd.m_Shot->m_SummonIndex = static_cast<int16_t>(index);
    };
}
std::function<void(cFlowCmd&)> ShotOf(int formation, int moveType) {
    return [=](cFlowCmd& cmd) {
        cEdShot& s = *cmd.m_Shot;
        s.m_Formation = static_cast<uint8_t>(formation);
        s.m_Count = 3;
        s.m_Clones = 1;
        s.m_Dir = 1;
        s.m_Angle = -30;
        s.m_Speed = 8;
        s.m_Power = 10;
        s.m_MoveType = static_cast<uint8_t>(moveType);
    };
}
std::function<void(cFlowCmd&)> Text(const char* text) {
    return [=](cFlowCmd& cmd) { cmd.m_Text = text; };
}
std::function<void(cFlowCmd&)> Warp(int mode, int dir, int coord) {
    return [=](cFlowCmd& cmd) {
        Mv(mode, dir, 0, 0, 0, 5)(cmd);
        cmd.m_Move->m_TargetMode = static_cast<uint8_t>(coord);
        cmd.m_Move->m_TargetX = 4;
        cmd.m_Move->m_TargetY = 5;
    };
}

// Status operation parameters: left kind, scope, number, object, status; operator; right kind,
// constant, random bounds, scope, number, object, status; percent.
std::vector<int32_t> Op(std::vector<int32_t> first15) {
    first15.resize(18, 0);
    return first15;
}

TEST_F(CmdRowTextTest, EveryTypeBuildsItsLine) {
    const cLineCase cases[] = {
        {0, 0, 30, 0, {}, nullptr, ""},
        {0, 1, 30, 0, {}, nullptr, "30 ◆ ウエイト ◆"},
        {0, 1, 30, 1, {}, nullptr, "P-30 ◆ ウエイト ◆"},
        {0, 2, 10, 0, {}, Mv(0, 3, 0, 0, 20, 8), "10 ◆ 直線移動 ◆ 右 時10 速20"},
        {0, 2, 5, 0, {}, Mv(0, 0, 45, 1, 20, 8), "5 ◆ 直線移動 ◆ 前45 時5 距8"},
        {0, 2, 5, 0, {}, Mv(0, 12, -90, 1, 20, 8), "5 ◆ 直線移動 ◆ 入力方向-90 時5 距8"},
        {0, 2, 5, 1, {}, Aim(1, 0), "P-12? ◆ 直線移動 ◆ 目標(3,-) 速40 距3"},
        {0, 2, 5, 0, {}, Aim(0, 1), "12? ◆ 直線移動 ◆ 目標(-,-2) 速40 距3"},
        {0, 2, 5, 0, {}, Aim(1, 1), "12? ◆ 直線移動 ◆ 目標(3,-2) 速40 距3"},
        {0, 2, 5, 0, {}, Aim(0, 0), "12? ◆ 直線移動 ◆ 目標(-,-) 速40 距3"},
        // A speed under a tenth estimates 0 rather than dividing by zero.
        {0, 2, 5, 0, {}, Mv(0, 1, 0, 2, 9, 8), "0? ◆ 直線移動 ◆ 後 速9 距8"},
        {0, 2, 5, 0, {}, Mv(0, 1, 0, 2, -25, 4), "-31? ◆ 直線移動 ◆ 後 速-25 距4"},
        // A direction outside the table shows nothing for it; the angle stays.
        {0, 2, 5, 0, {}, Mv(0, 13, 10, 0, 7, 8), "5 ◆ 直線移動 ◆10 時5 速7"},
        {0, 3, 10, 0, {}, Mv(0, 0, 0, 0, 20, 8), "10 ◆ 地上折り返し移動 ◆ 時10 速20"},
        {0, 3, 10, 0, {}, Mv(0, 0, 0, 3, 20, 8), "10 ◆ 地上折り返し移動 ◆"},
        {0, 4, 7, 0, {}, Mv(0, 0, 0, 0, 20, 360), "7 ◆ 円移動 ◆ 時7 角0～360"},
        {0, 4, 7, 1, {}, Mv(0, 0, 90, 1, 20, 360), "P-14? ◆ 円移動 ◆ 速20 角90～360"},
        {0, 4, 7, 0, {}, Mv(0, 0, 0, 1, 0, 360), "0? ◆ 円移動 ◆ 速0 角0～360"},
        {0, 5, 6, 0, {}, Mv(0, 0, 0, 1, 20, 8), "6 ◆ 突撃移動 ◆ 時6 距8"},
        {0, 6, 6, 0, {}, Mv(0, 0, 0, 2, 80, 10), "20? ◆ 誘導移動 ◆ 速80 距10"},
        {0, 7, 6, 0, {}, Mv(0, 2, 0, 0, 20, 8), "6 ◆ 画面外回避移動 ◆ 左 時6 速20"},
        {0, 7, 6, 0, {}, [](cFlowCmd& c) { Warp(1, 0, 0)(c); c.m_Move->m_UseTargetX = 0; },
         "6 ◆ 画面外回避移動 ◆ 目標(4,5) 時6 速0"},
        {0, 8, 4, 1, {}, nullptr, "P-4 ◆ 移動の無効化 ◆"},
        {0, 9, 1, 0, {2}, nullptr, "1 ◆ 向き変更 ◆ ターゲットがいる方を向く"},
        {0, 9, 1, 0, {6}, nullptr, "1 ◆ 向き変更 ◆"},
        {0, 10, 1, 0, {0, 100, 7, 0, 4}, nullptr, "? ◆ ジャンプ ◆ 高さ7"},
        {0, 10, 1, 1, {2, 100, 7, 0, 4}, nullptr, "P-? ◆ ジャンプ ◆ 高さ4～7"},
        {0, 10, 1, 0, {3, 100, 7, 0, 4}, nullptr, "? ◆ ジャンプ ◆"},
        {0, 11, 20, 0, {}, ShotOf(2, 8), "20 ◆ ショット ◆ 拡散 数3(1) 後-30 速8 威10 ウェーブ"},
        {0, 11, 20, 0, {}, ShotOf(6, 10), "20 ◆ ショット ◆ 後-30"},
        {0, 12, 12, 0, {}, [](cFlowCmd& c) { c.m_Shot->m_MoveType = 1; c.m_Shot->m_Power = 5; },
         "12 ◆ ソード ◆ 長剣 威5"},
        {0, 12, 12, 0, {}, [](cFlowCmd& c) { c.m_Shot->m_MoveType = 200; c.m_Shot->m_Power = 5; },
         "12 ◆ ソード ◆  威5"},
        {0, 13, 1, 0, {}, Summon(1, 0, 7), "1 ◆ ブロック召喚 ◆ ブロックを消す"},
        {0, 13, 1, 0, {}, Summon(0, 0, 7), "1 ◆ ブロック召喚 ◆ 「007 岩」"},
        {0, 13, 1, 0, {}, Summon(2, 1, 1), "1 ◆ ブロック召喚 ◆ 「001 木」"},
        {0, 13, 1, 0, {}, Summon(3, 1, 1), "1 ◆ ブロック召喚 ◆"},
        // Past the palette's end: every digit, no name.
        {0, 13, 1, 0, {}, Summon(0, 0, 1234), "1 ◆ ブロック召喚 ◆ 「1234 」"},
        {0, 14, 1, 0, {}, Summon(0, 0, 3), "1 ◆ キャラ召喚 ◆ 「003 スライム」"},
        {0, 14, 1, 0, {}, Summon(0, 5, 3), "1 ◆ キャラ召喚 ◆ 「003 」"},
        {0, 15, 1, 0, {}, Summon(0, 1, 1), "1 ◆ アイテム召喚 ◆ 「001 鍵」"},
        {0, 16, 9, 0, {1, 2, 3}, nullptr, "0 ◆ フローの操作 ◆ IDで指定 終了(C)"},
        {0, 16, 9, 1, {0, 0, 3}, nullptr, "P-0 ◆ フローの操作 ◆ このフロー 開始"},
        {0, 17, 9, 1, {0, 0, 0, 0, 0}, nullptr, "P-0 ◆ ステージクリア ◆"},
        {0, 18, 9, 0, {25}, nullptr, "25 ◆ ゲームウエイト ◆"},
        {0, 19, 9, 1, {0, 0, 0, 0, 0, 0, 0, 30, 0}, Text("こんにちは"), "? ◆ メッセージ ◆ こんにちは"},
        {0, 19, 9, 1, {0, 0, 0, 0, 0, 0, 1, 30, 0}, Text("やあ"), "P-∞ ◆ メッセージ ◆ やあ"},
        {0, 19, 9, 0, {0, 0, 0, 0, 0, 0, 2, 30, 0}, Text("やあ"), "30 ◆ メッセージ ◆ やあ"},
        {0, 19, 9, 0, {0, 0, 0, 0, 0, 0, 5, 30, 0}, Text("やあ"), " ◆ メッセージ ◆ やあ"},
        {0, 20, 9, 0, {}, Warp(0, 2, 0), "0 ◆ ワープ ◆ 方向と距離で指定 左 距5"},
        {0, 20, 9, 0, {}, Warp(2, 0, 1), "0 ◆ ワープ ◆ 目標座標で指定 絶対座標 (4,5)"},
        {0, 21, 9, 0, {2}, nullptr, "0 ◆ ターゲットの設定 ◆ 最も近いキャラ"},
        {0, 22, 9, 0, Op({1, 0, 5, 0, 0, 1, 0, 10}), nullptr, "0 ◆ ステータスの操作 ◆ 「005 金」を ＋ 10"},
        {0, 22, 9, 0, Op({0, 0, 0, 0, 1, 0, 1, 0, 1, 6, 0, 0, 0, 0, 1}), nullptr,
         "0 ◆ ステータスの操作 ◆ 自分 の HP を ＝ 1～6%"},
        {0, 22, 9, 0, Op({0, 0, 2, 1, 0, 3, 2, 0, 0, 0, 0, 0, 2, 3}), nullptr,
         "0 ◆ ステータスの操作 ◆ ターゲット の 「2 キャラ変数-2」を × スコア"},
        {0, 22, 9, 0, Op({0, 0, 0, 2, 4, 2, 3, 0, 0, 0, 1, 4}), nullptr,
         "0 ◆ ステータスの操作 ◆ 残り人数 を － 「004 扉」"},
        {0, 22, 9, 0, Op({0, 0, 0, 2, 4, 2, 2, 0, 0, 0, 0, 8, 0, 0}), nullptr,
         "0 ◆ ステータスの操作 ◆ 残り人数 を － 自分 の 「8 キャラ変数-8」"},
        {0, 22, 9, 0, Op({0, 0, 0, 2, 4, 6, 2, 0, 0, 0, 0, 0, 1, 7}), nullptr,
         "0 ◆ ステータスの操作 ◆ 残り人数 を X ％ ターゲット の 視界範囲(hbl)"},
        // Out of the tables: an unknown variable has no name, the rest add nothing.
        {0, 22, 9, 0, Op({1, 0, 300, 0, 0, 9, 4}), nullptr, "0 ◆ ステータスの操作 ◆ 「300 」を"},
        {0, 22, 9, 0, Op({0, 0, 9, 0, 0, 0, 0, 1}), nullptr, "0 ◆ ステータスの操作 ◆ ＝ 1"},
        {0, 22, 9, 0, Op({0, 0, 0, 3, 13, 0, 0, 1}), nullptr, "0 ◆ ステータスの操作 ◆ ＝ 1"},
        {0, 23, 9, 0, {0, 5, 1}, nullptr, "0 ◆ ステータスの操作2 ◆ 自分 の 巨大化 を しない にする"},
        {0, 23, 9, 0, {0, 5, 10}, nullptr, "0 ◆ ステータスの操作2 ◆ 自分 の 巨大化 を ×100 にする"},
        {0, 23, 9, 0, {0, 5, 0}, nullptr, "0 ◆ ステータスの操作2 ◆ 自分 の 巨大化 を"},
        {0, 23, 9, 0, {1, 3, 2}, nullptr, "0 ◆ ステータスの操作2 ◆ ターゲット の 飛行 を ON (ブロックに当たる) にする"},
        {0, 23, 9, 0, {0, 0, 0}, nullptr, "0 ◆ ステータスの操作2 ◆ 自分 の 消滅 を ON にする"},
        {0, 23, 9, 0, {2, 1, 1}, nullptr, "0 ◆ ステータスの操作2 ◆ 縦スクロール を オートスクロール にする"},
        {0, 23, 9, 0, {2, 2, 1}, nullptr, "0 ◆ ステータスの操作2 ◆"},
        {0, 23, 9, 0, {0, 6, 1}, nullptr, "0 ◆ ステータスの操作2 ◆"},
        {0, 24, 3, 0, {0, 2}, nullptr, "3 ◆ アイテムの取得 ◆ 「002 薬」"},
        {0, 24, 3, 0, {1, 1}, nullptr, "3 ◆ アイテムの取得 ◆ 「001 鍵」"},
        {0, 25, 3, 0, {0, 0, 0}, nullptr, "0 ◆ グラフィックの変更 ◆"},
        {0, 26, 3, 0, {1}, nullptr, "0 ◆ 基本アニメセットの変更 ◆ 勇者"},
        {0, 26, 3, 0, {50}, nullptr, "0 ◆ 基本アニメセットの変更 ◆ "},
        {0, 27, 3, 0, {1}, nullptr, "9999 ◆ アニメの実行 ◆ 歩く"},
        {0, 27, 3, 0, {-1}, nullptr, "0 ◆ アニメの実行 ◆ "},
        {0, 28, 3, 0, {0}, nullptr, "P-0 ◆ ◆ エフェクトの実行 ◆ エフェクトの消去"},
        {0, 28, 3, 1, {2}, nullptr, "P-12000 ◆ エフェクトの実行 ◆ 大爆発"},
        {0, 29, 3, 0, {1, 1}, nullptr, "25 ◆ キャラエフェクトの実行 ◆ 点滅 ループ実行"},
        {0, 29, 3, 0, {0, 0}, nullptr, "0 ◆ キャラエフェクトの実行 ◆ なし"},
        {0, 30, 3, 0, {1, 0}, nullptr, "12 ◆ 画面エフェクトの実行 ◆ 揺れ"},
        {0, 31, 3, 1, {0, 0, 0, 0, 0, 0, 0, 2, 40, 0}, nullptr, "P-0 ◆ ◆ ピクチャーの表示 ◆ ピクチャーの消去"},
        {0, 31, 3, 1, {1, 0, 0, 0, 0, 0, 0, 2, 40, 0}, nullptr, "P-40 ◆ ピクチャーの表示 ◆ 看板"},
        {0, 31, 3, 1, {1, 0, 0, 0, 0, 0, 0, 0, 40, 0}, nullptr, "? ◆ ピクチャーの表示 ◆ 看板"},
        // The prefix is the whole product, past 16 bits.
        {0, 32, 3, 0, {10, 20, 30, 50, 0, 300, 1, 300}, nullptr,
         "90000 ◆ 画面の色を変更 ◆ R10 G20 B30 50% 瞬間表示 × 300"},
        {0, 32, 3, 0, {10, 20, 30, 50, 1, 5, 0, 300}, nullptr, "5 ◆ 画面の色を変更 ◆ 元に戻す"},
        {0, 33, 3, 0, {3, 2}, nullptr, "0 ◆ 背景の変更 ◆ 3番 を 反転(表示⇔非表示)"},
        {0, 33, 3, 0, {3, 3}, nullptr, "0 ◆ 背景の変更 ◆"},
        {0, 34, 3, 0, {1}, nullptr, "0 ◆ 効果音の再生 ◆ 爆音"},
        {0, 35, 3, 0, {1}, nullptr, "0 ◆ BGMの再生 ◆ 戦闘"},
        {0, 36, 3, 0, {}, Text("x = 1"), "0 ◆ コードの実行 ◆ x = 1"},
        // Item commands take their own names and the builders of the chara types they run as.
        {1, 1, 3, 0, {0, 0}, nullptr, "0 ◆ フローの変更 ◆"},
        {1, 3, 3, 0, {9}, nullptr, "9 ◆ ゲームウエイト ◆"},
        {1, 9, 3, 0, {0, 2}, nullptr, "3 ◆ アイテムの取得 ◆ 「002 薬」"},
        {1, 21, 3, 0, {}, Text("y"), "0 ◆ コードの実行 ◆ y"},
        {1, 22, 3, 0, {}, nullptr, ""},
        {0, 37, 3, 0, {}, nullptr, ""},
    };
    for (const cLineCase& c : cases) {
        std::string text = "old";
        CmdRowText(MakeCmd(c), &text);
        EXPECT_EQ(std::string(c.expected), text) << "set " << c.set << " type " << c.type;
    }
    // Each item command after the item's own first reads as the chara type it runs as, under its
    // own name: every one of the 20, with the values of each chara case of its type.
    std::vector<bool> seen(kItemCommandTypes, false);
    for (const cLineCase& c : cases) {
        if (c.set != 0 || c.type < 17 || c.type >= kCharaCommandTypes) continue;
        cLineCase item = c;
        item.set = 1;
        item.type = c.type - 15;
        seen[static_cast<size_t>(item.type)] = true;
        std::string chara, line;
        CmdRowText(MakeCmd(c), &chara);
        CmdRowText(MakeCmd(item), &line);
        const std::string charaName = CharaCommandTypes[c.type].m_Name;
        chara.replace(chara.find(charaName), charaName.size(), ItemCommandTypes[item.type].m_Name);
        EXPECT_EQ(chara, line) << "item command " << item.type;
    }
    for (int k = 2; k < kItemCommandTypes; ++k) EXPECT_TRUE(seen[static_cast<size_t>(k)]) << "item command " << k;
}

TEST_F(CmdRowTextTest, CommandsWithoutParameterRecordsReadAsDefaults) {
    cFlowCmd cmd;
    cmd.m_CmdType = 2;
    cmd.m_Time = 3;
    cmd.m_Move.reset();
    std::string text;
    CmdRowText(cmd, &text);
    EXPECT_EQ("3 ◆ 直線移動 ◆ 前 時3 速10", text);
    cmd.m_CmdType = 11;
    cmd.m_Shot.reset();
    CmdRowText(cmd, &text);
    EXPECT_EQ("3 ◆ ショット ◆ 直進A 数0(0) 前 速0 威0 直進", text);
}

}  // namespace
