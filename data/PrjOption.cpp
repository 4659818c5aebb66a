#include "data/PrjOption.h"

const char* const OldStageFileNames[] = {"旧バージョンのステージファイルを「old_ver」フォルダへ移動(推奨)",
                                         "旧バージョンのステージファイルをそのまま残す",
                                         "旧バージョンのステージファイルを削除", ""};

namespace {

const int kGroups[eElementKinds] = {cEdBlock::kGroups, cEdChara::kGroups, cEdItem::kGroups};

// Tool-window placements that older files kept here.
const int kOldWindows = 11;

// A group that entered an element kind at some version: the list is brought to size, the flags
// from the group's place move up one place (the last drops out), and the new group is inherited.
void InsertGroup(cInheritFlags& flags, int group, int size) {
    flags.resize(size, 0);
    flags.insert(flags.begin() + group, 1);
    flags.pop_back();
}

// The groups that later versions added, on the three lists of one situation read from a file.
void UpgradeFlags(cInheritFlags (&flags)[eElementKinds], uint32_t version) {
    if (version < 81) flags[eKindChara].resize(cEdChara::kGroups, 0);
    if (version < 88) {
        InsertGroup(flags[eKindBlock], 5, cEdBlock::kGroups);
        InsertGroup(flags[eKindChara], 14, cEdChara::kGroups);
        InsertGroup(flags[eKindItem], 7, cEdItem::kGroups);
    }
    if (version < 92) flags[eKindBlock].resize(cEdBlock::kGroups, 0);
    if (version < 105) InsertGroup(flags[eKindChara], 3, cEdChara::kGroups);
}

}  // namespace

cPrjOption::cPrjOption() {
    RegisterFields(kDataVersion);
    Init();
}

void cPrjOption::Init() {
    Reset();
    m_DefBlock.m_Graphic = 1;
    m_DefChara.m_Graphic = 1;
    m_DefItem.m_Graphic = 1;
    m_AutoGamePath = 1;
    for (int kind = 0; kind < eElementKinds; ++kind) {
        m_InheritSrc[eSituationStage][kind] = 0;
        m_InheritSrc[eSituationCommonPlace][kind] = 1;
        m_InheritSrc[eSituationStagePlace][kind] = 2;
        m_InheritFlags[eSituationStage][kind].assign(kGroups[kind], 0);
        m_InheritFlags[eSituationCommonPlace][kind].assign(kGroups[kind], 1);
    }
    // Groups a placement keeps of its own.
    cInheritFlags(&placed)[eElementKinds] = m_InheritFlags[eSituationCommonPlace];
    placed[eKindBlock][1] = 0;
    for (int group : {4, 5, 30, 32}) placed[eKindChara][group] = 0;
    placed[eKindItem][1] = 0;
    for (int kind = 0; kind < eElementKinds; ++kind) m_InheritFlags[eSituationStagePlace][kind] = placed[kind];
}

void cPrjOption::RegisterFields(uint32_t version) {
    ClearFields();
    if (version < 130) AddField32(&m_ScratchValue);
    for (int situation : {eSituationStage, eSituationCommonPlace, eSituationStagePlace}) {
        const uint32_t introduced = situation == eSituationCommonPlace ? 70 : 51;
        if (version >= introduced)
            for (int kind = 0; kind < eElementKinds; ++kind) AddField32(&m_InheritSrc[situation][kind]);
    }
    AddField32(&m_AutoGamePath);
    if (version >= 142) AddField32(&m_OldStageFiles);

    if (version < 130)
        for (std::string& text : m_ScratchText) AddStringField(&text);
    AddStringField(&m_GamePath);
}

bool cPrjOption::Load(cDataReader& in) {
    if (!cRecord::Load(in)) return false;
    const uint32_t version = in.Version();
    if (version >= 120 && (!m_DefBlock.Load(in) || !m_DefChara.Load(in) || !m_DefItem.Load(in))) return false;
    if (version >= 71 && version < 130)
        for (int i = 0; i < kOldWindows; ++i) {
            cWndPos dropped;
            if (!dropped.Load(in)) return false;
        }
    for (int situation : {eSituationStage, eSituationCommonPlace, eSituationStagePlace}) {
        if (version < (situation == eSituationCommonPlace ? 70u : 50u)) continue;
        for (cInheritFlags& flags : m_InheritFlags[situation])
            if (!ReadByteVector(flags, in)) return false;
        UpgradeFlags(m_InheritFlags[situation], version);
    }
    // Every list ends with one flag per group, whatever the file held.
    for (auto& flags : m_InheritFlags)
        for (int kind = 0; kind < eElementKinds; ++kind) flags[kind].resize(kGroups[kind], 0);
    return true;
}

void cPrjOption::Save(cDataWriter& out) {
    cRecord::Save(out);
    m_DefBlock.Save(out);
    m_DefChara.Save(out);
    m_DefItem.Save(out);
    for (auto& flags : m_InheritFlags)
        for (cInheritFlags& list : flags) WriteByteVector(list, out);
}
