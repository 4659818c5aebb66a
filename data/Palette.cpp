#include "data/Palette.h"

#include "data/PaletteSource.h"

bool LoadPaletteLists(cPalette& palette, cDataReader& in, int source) {
    cPalette loaded;
    {
        cPaletteSourceScope masked(source, nullptr);
        if (!LoadRecordVector(loaded.m_Blocks, in) || !LoadRecordVector(loaded.m_Charas, in) ||
            !LoadRecordVector(loaded.m_Items, in))
            return false;
    }
    cPaletteSourceScope scope(source, &loaded);
    InheritPalette(loaded);
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

void InheritPalette(cPalette& palette) {
    for (cEdBlock& block : palette.m_Blocks) ApplyInheritance(block);
    for (cEdChara& chara : palette.m_Charas) ApplyInheritance(chara);
    for (cEdItem& item : palette.m_Items) ApplyInheritance(item);
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
