#pragma once
// Palettes: the lists of blocks, charas and items that stages are filled from. The project has
// one common palette (data\CommonPalette.cplt4, see data/CommonPalette.h) and every stage one
// stage palette, kept in its stage file and exchanged through stage palette files (*.plt4).
//
// How palette elements are held, copied and inherited:
// - Elements are held by value: palette lists and stage layers are vectors of cEdBlock, cEdChara
//   and cEdItem. An element whose graphic number is 0 is an empty entry; two empty elements
//   compare equal whatever else they hold.
// - Copying an element copies everything (raw values, inheritance flags, conditions, flows or
//   commands) and the copy's field registry names the copy's own members, so a copy never reads
//   or writes its source.
// - An element may name a base element (m_InheritSrc 1 common palette, 2 stage palette;
//   m_InheritIndex into that palette's list of the same kind) and take attribute groups from it,
//   one flag per group in m_bbInherit. Inherit (ApplyInherit for items) copies the flagged
//   groups; a reference past the end of its list is dropped (source 0), so shrinking a palette
//   never leaves dangling references. The palettes behind the sources are those of
//   data/PaletteSource.h.
// - Element loads inherit and validate on their own; a palette's lists are read with their own
//   source masked and then inherited and validated as a whole (LoadPaletteLists), so elements
//   resolve against the palette being read, bases later in the list included.
// - After edits, and after loading a palette its stage cells refer to, the owner runs the
//   passes again (InheritReferring over its palette lists and layers).
#include "data/Block.h"
#include "data/Chara.h"
#include "data/Item.h"
#include "data/Record.h"

struct cPalette {
    cRecordVector<cEdBlock> m_Blocks;
    cRecordVector<cEdChara> m_Charas;
    cRecordVector<cEdItem> m_Items;

    void swap(cPalette& other) {
        m_Blocks.swap(other.m_Blocks);
        m_Charas.swap(other.m_Charas);
        m_Items.swap(other.m_Items);
    }
};

// The palette's list of one element kind.
template <class T>
const cRecordVector<T>& ListOf(const cPalette& palette);
template <>
inline const cRecordVector<cEdBlock>& ListOf<cEdBlock>(const cPalette& palette) { return palette.m_Blocks; }
template <>
inline const cRecordVector<cEdChara>& ListOf<cEdChara>(const cPalette& palette) { return palette.m_Charas; }
template <>
inline const cRecordVector<cEdItem>& ListOf<cEdItem>(const cPalette& palette) { return palette.m_Items; }

// The three lists in file order (blocks, charas, items), each a count and its elements, as
// palette files and stage files hold them. The palette plays the given source meanwhile; it is
// replaced only when all three lists were read.
bool LoadPaletteLists(cPalette& palette, cDataReader& in, int source);
void SavePaletteLists(cPalette& palette, cDataWriter& out, int source);

// Inheritance of one element, whatever its kind.
inline void ApplyInheritance(cEdBlock& block) { block.Inherit(); }
inline void ApplyInheritance(cEdChara& chara) { chara.Inherit(); }
inline void ApplyInheritance(cEdItem& item) { item.ApplyInherit(); }

// Inheritance again for the elements in use (graphic not 0) that refer to the given source, in
// list order: the passes a stage runs over its palette and its layers after edits and loads.
template <class T>
void InheritReferring(cRecordVector<T>& elements, int source) {
    for (T& element : elements)
        if (element.m_Graphic != 0 && element.m_InheritSrc == source) ApplyInheritance(element);
}

// Every element inherits again, blocks, then charas, then items. An element whose base is in
// the same list (its reference names the source the palette plays) inherits after its base, so
// chains resolve whole; cycles are cut.
void InheritPalette(cPalette& palette, int source);
// Every element's reference check, blocks, then charas, then items.
void ValidatePalette(cPalette& palette);

// A stage palette file: the data version, then the three lists. A failed load leaves the
// palette as it was; strip removes the carriage returns from the elements' names.
bool LoadStagePaletteFile(cPalette& palette, const char* path, bool strip);
bool SaveStagePaletteFile(cPalette& palette, const char* path);
