#include "game/play/PlayBitmaps.h"

#include <string>

#include "data/ProjectDatabase.h"
#include "framework/ErrorLog.h"
#include "game/media/Bitmap.h"
#include "game/media/Display.h"

namespace {

const int kCellSide = 32;

cSurfaceVector& CharaTable() {
    static cSurfaceVector table;
    return table;
}

cSurfaceVector& EffectTable() {
    static cSurfaceVector table;
    return table;
}

cSurfaceVector& SwordTable() {
    static cSurfaceVector table;
    return table;
}

cSurface* Slot(cSurfaceVector& table, int index) {
    if (index < 0 || static_cast<size_t>(index) >= table.size()) return nullptr;
    cSurface& surface = table[index];
    return surface.lpSurface ? &surface : nullptr;
}

// Loads one picture into a slot, its mirror within cells of the given size when asked.
bool Load(cSurface& slot, const std::string& file, int memoryKind, int mirrorWidth, int mirrorHeight) {
    return DDLoadBitmap(slot, file.c_str(), 1, Display().nBpp, memoryKind, 0, mirrorWidth, mirrorHeight) == 0;
}

}  // namespace

void LoadCharaBitmaps() {
    cSurfaceVector& table = CharaTable();
    DDReleaseSurfaces(table);
    const auto& entries = ProjectDatabase().m_BmpCharaExcs;
    table.clear();
    table.resize(entries.size() > 1 ? (entries.size() - 1) * 4 : 0);
    for (size_t n = 1; n < entries.size(); ++n) {
        const std::string& file = entries[n].m_File;
        cSurface* slots = &table[(n - 1) * 4];
        const bool ok = Load(slots[0], file, kMemoryAny, 0, 0) && Load(slots[1], file, kMemoryAny, kCellSide, 0) &&
                        Load(slots[2], file, kMemorySystem, 0, 0) && Load(slots[3], file, kMemorySystem, kCellSide, 0);
        if (!ok) Report("専用bmp %s 読み込み失敗！\n", file.c_str());
    }
}

void LoadEffectBitmaps() {
    cSurfaceVector& table = EffectTable();
    DDReleaseSurfaces(table);
    const auto& entries = ProjectDatabase().m_Effects;
    table.clear();
    table.resize(entries.size() > 1 ? (entries.size() - 1) * 2 : 0);
    for (size_t n = 1; n < entries.size(); ++n) {
        const cEffect& effect = entries[n];
        cSurface* slots = &table[(n - 1) * 2];
        const bool ok = Load(slots[0], effect.m_File, kMemoryAny, 0, 0) &&
                        Load(slots[1], effect.m_File, kMemoryAny, effect.m_CellWidth, 0);
        if (!ok) Report("エフェクト %s 読み込み失敗！\n", effect.m_File.c_str());
    }
}

void LoadSwordBitmaps() {
    cSurfaceVector& table = SwordTable();
    DDReleaseSurfaces(table);
    const auto& entries = ProjectDatabase().m_SwordTypes;
    table.clear();
    table.resize(entries.size() * 4);
    for (size_t n = 0; n < entries.size(); ++n) {
        // The author draws the left-facing picture himself: nothing is mirrored here.
        const std::string* files[2] = {&entries[n].m_LeftBmp, &entries[n].m_RightBmp};
        for (int facing = 0; facing < 2; ++facing) {
            const std::string& file = *files[facing];
            // A sword type without a picture for a facing draws nothing that way.
            if (file.empty()) continue;
            cSurface* slots = &table[n * 4 + facing * 2];
            if (!Load(slots[0], file, kMemoryAny, 0, 0) || !Load(slots[1], file, kMemorySystem, 0, 0))
                Report("ソード %s 読み込み失敗！\n", file.c_str());
        }
    }
}

void ReleasePlayBitmaps() {
    for (cSurfaceVector* table : {&CharaTable(), &EffectTable(), &SwordTable()}) {
        DDReleaseSurfaces(*table);
        table->clear();
    }
}

cSurface* CharaBitmap(int index) { return Slot(CharaTable(), index); }

cSurface* EffectBitmap(int entry, bool mirrored) {
    return entry >= 1 ? Slot(EffectTable(), (entry - 1) * 2 + (mirrored ? 1 : 0)) : nullptr;
}

cSurface* SwordBitmap(int entry, int facing, bool scaled) {
    return entry >= 0 ? Slot(SwordTable(), entry * 4 + (facing == 1 ? 2 : 0) + (scaled ? 1 : 0)) : nullptr;
}
