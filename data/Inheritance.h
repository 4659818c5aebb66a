#pragma once
// The inheritance and reference checks that blocks, charas and items share. Each element class
// has m_InheritSrc, m_InheritIndex, m_bbInherit (one flag per group) and CopyGroup(group, base).
#include <utility>

#include "data/Palette.h"
#include "data/PaletteSource.h"
#include "data/ProjectDatabase.h"

// The list of kind T that a reference's source leads to; null when that palette is not there.
template <class T>
const cRecordVector<T>* SourceList(int source) {
    const cPalette* palette = GetPaletteSource(source);
    return palette ? &ListOf<T>(*palette) : nullptr;
}

// Copies each flagged group, one call per group with its number known when compiled: the
// choice of the group's members is made then, not for each of a stage's cells.
template <class T, size_t... Group>
void CopyFlaggedGroups(T& element, const T& base, std::index_sequence<Group...>) {
    ((element.m_bbInherit[Group] ? element.CopyGroup(Group, base) : void()), ...);
}

// Inheritance runs only for a reference with a source and a non-zero index; an index past
// the end of the list drops the source (the index is kept) and copies nothing.
template <class T>
void InheritGroups(T& element) {
    if (element.m_InheritIndex == 0 || element.m_InheritSrc == 0) return;
    const cRecordVector<T>* list = SourceList<T>(element.m_InheritSrc);
    if (!list) return;
    if (!IsRow(*list, element.m_InheritIndex)) {
        element.m_InheritSrc = 0;
        return;
    }
    CopyFlaggedGroups(element, (*list)[element.m_InheritIndex], std::make_index_sequence<T::kGroups>());
}

// A reference (source 1 or 2) to an entry of kind T that its palette does not have is reset to
// source 0, index 0.
template <class T, class Source, class Index>
void CheckReference(Source& source, Index& index) {
    if (source != eSourceCommon && source != eSourceStage) return;
    const cRecordVector<T>* list = SourceList<T>(source);
    if (list && !IsRow(*list, index)) {
        source = 0;
        index = 0;
    }
}

// Groups that blocks, charas and items place alike.
template <class T>
void CopyConditionGroup(T& element, const T& base) {
    element.m_CondJudge = base.m_CondJudge;
    element.m_OnceTrue = base.m_OnceTrue;
    element.m_Conditions = base.m_Conditions;
}

template <class T>
void CopyMarkGroup(T& element, const T& base) {
    element.m_MarkMode = base.m_MarkMode;
    element.m_Mark = base.m_Mark;
}

// Blocks and items: the graphic, its bitmap and its frames.
template <class T>
void CopyAnimatedGraphicGroup(T& element, const T& base) {
    element.m_GraphicSrc = base.m_GraphicSrc;
    element.m_Graphic = base.m_Graphic;
    element.m_Frames = base.m_Frames;
}

// The inheritance flags, normalised to the element's group count (a file may store any count).
template <class T>
bool LoadInheritFlags(T& element, cDataReader& in) {
    uint32_t count;
    if (!in.ReadCount(count, 1)) return false;
    const char* flags = in.Take(count);
    if (!flags) return false;
    element.m_bbInherit.CopyFrom(reinterpret_cast<const uint8_t*>(flags), count);
    return true;
}

// The raw values that lead an element's extra data.
template <class V>
bool ReadRaw(V& value, cDataReader& in) {
    return in.Read(&value, sizeof value);
}

template <class V>
void WriteRaw(const V& value, cDataWriter& out) {
    out.Write(&value, sizeof value);
}
