#include "data/Palette.h"

#include <vector>

#include "data/PaletteSource.h"
#include "data/ProjectDatabase.h"

bool LoadPaletteLists(cPalette& palette, cDataReader& in, int source) {
    cPalette loaded;
    {
        cPaletteSourceScope masked(source, nullptr);
        if (!LoadRecordVector(loaded.m_Blocks, in) || !LoadRecordVector(loaded.m_Charas, in) ||
            !LoadRecordVector(loaded.m_Items, in))
            return false;
    }
    cPaletteSourceScope scope(source, &loaded);
    InheritPalette(loaded, source);
    ValidatePalette(loaded);
    palette.swap(loaded);
    return true;
}

void SavePaletteLists(cPalette& palette, cDataWriter& out, int source) {
    cPaletteSourceScope scope(source, &palette);
    SaveRecordVector(palette.m_Blocks, out);
    SaveRecordVector(palette.m_Charas, out);
    SaveRecordVector(palette.m_Items, out);
}

namespace {

// An element whose base is in its own list inherits after its base has, so a chain (1 from 2,
// 2 from 3) resolves whole whatever the list order, and a reload of what was saved gives the
// same values. Each chain is walked down to an element that is resolved or whose base lies
// elsewhere, then resolved back up; a cycle is cut where it closes.
template <class T>
void InheritList(cRecordVector<T>& list, int source) {
    enum eState : uint8_t { ePending, eOnPath, eDone };
    std::vector<uint8_t> state(list.size(), ePending);
    std::vector<size_t> path;
    for (size_t start = 0; start < list.size(); ++start) {
        size_t i = start;
        while (state[i] == ePending) {
            state[i] = eOnPath;
            path.push_back(i);
            const T& element = list[i];
            if (element.m_InheritSrc != source || element.m_InheritIndex == 0 || !IsRow(list, element.m_InheritIndex))
                break;
            i = element.m_InheritIndex;
        }
        for (; !path.empty(); path.pop_back()) {
            ApplyInheritance(list[path.back()]);
            state[path.back()] = eDone;
        }
    }
}

}  // namespace

void InheritPalette(cPalette& palette, int source) {
    InheritList(palette.m_Blocks, source);
    InheritList(palette.m_Charas, source);
    InheritList(palette.m_Items, source);
}

void ValidatePalette(cPalette& palette) {
    for (cEdBlock& block : palette.m_Blocks) block.Validate();
    for (cEdChara& chara : palette.m_Charas) chara.Validate();
    for (cEdItem& item : palette.m_Items) item.CheckRef();
}

bool LoadStagePaletteFile(cPalette& palette, const char* path, bool strip) {
    cDataReader in;
    if (!OpenDataFileRead(in, path) || !LoadPaletteLists(palette, in, eSourceStage)) return false;
    if (strip) {
        for (cEdBlock& block : palette.m_Blocks) block.StripCR();
        for (cEdChara& chara : palette.m_Charas) chara.StripCR();
        for (cEdItem& item : palette.m_Items) item.StripCR();
    }
    return true;
}

bool SaveStagePaletteFile(cPalette& palette, const char* path) {
    cDataWriter out;
    if (!OpenDataFileWrite(out, path)) return false;
    SavePaletteLists(palette, out, eSourceStage);
    return CloseDataFile(out);
}
