#include "tools/factory/FactoryStage.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "data/CommonPalette.h"
#include "data/Paths.h"
#include "data/PrjOption.h"
#include "data/Stage.h"
#include "framework/Format.h"
#include "framework/Path.h"

namespace {

// The stage, a row of text for each row of cells. Blocks: # grass, = dirt, B brick, S stone,
// C crate, ? bonus. Charas: H the hero, b blob, v bat, r robot, e beetle. Items: o coin,
// h heart, * star, G goal. The numbers are the factory palette's (tools/factory/*.py draw them).
const char* const kRows[] = {
    "................................................",
    "................................................",
    "................................................",
    "................................................",
    "................................................",
    "........................*.......................",
    "...........ooo..................................",
    "................................................",
    "..........?BB?.........???...........v..........",
    "................................................",
    "..............................SS.......h........",
    ".............................SSS......SSS.......",
    "..H.......b.......oo.....r..SSSS..C.......e...G.",
    "##############..##############..################",
    "==============..==============..================",
};

const int kStageSong = 4;   // the Bgm table's "ステージ"
const int kSkyColour = 156;  // a light shade of the sky-blue ramp

struct cPiece {
    char mark;
    eElementKind kind;
    int number;  // in the common palette
};
const cPiece kPieces[] = {
    {'#', eKindBlock, 1}, {'=', eKindBlock, 2}, {'B', eKindBlock, 3}, {'S', eKindBlock, 4}, {'C', eKindBlock, 5},
    {'?', eKindBlock, 8}, {'H', eKindChara, 1}, {'b', eKindChara, 2}, {'v', eKindChara, 3}, {'r', eKindChara, 4},
    {'e', eKindChara, 6}, {'o', eKindItem, 1},  {'h', eKindItem, 2},  {'*', eKindItem, 3},  {'G', eKindItem, 12},
};

// The element with the project options' reference for the situation, to the index.
template <class T>
T Referring(T element, int index, const cPrjOption& option, eInheritSituation situation, eElementKind kind) {
    element.m_InheritSrc = static_cast<uint8_t>(option.m_InheritSrc[situation][kind]);
    element.m_InheritIndex = static_cast<decltype(element.m_InheritIndex)>(index);
    element.m_bbInherit.CopyFrom(option.m_InheritFlags[situation][kind]);
    return element;
}

// A placement from the common palette, inheriting as the project options make new ones.
template <class T>
T Placed(const cRecordVector<T>& list, int number, const cPrjOption& option, eElementKind kind) {
    return Referring(list[number], number, option, eSituationCommonPlace, kind);
}

void Place(cEdStage& stage, const cPiece& piece, int column, int row, const cPrjOption& option) {
    const cCommonPalette& palette = ProjectCommonPalette();
    const uint32_t cell = stage.CellIndex(column, row);
    if (piece.kind == eKindBlock)
        stage.m_Blocks.Put(cell, Placed(palette.m_Blocks, piece.number, option, piece.kind));
    else if (piece.kind == eKindChara)
        stage.PutChara(cell, Placed(palette.m_Charas, piece.number, option, piece.kind));
    else
        stage.m_Items.Put(cell, Placed(palette.m_Items, piece.number, option, piece.kind));
}

// After the empty element, the stage palette holds one element as the palette window makes a
// new one: the project's default element (graphic 1), with a stage palette entry's reference.
// A stage's own defaults would leave a blank element there, drawn as nothing.
template <class T>
void NewEntry(cRecordVector<T>& list, const T& element, const cPrjOption& option, eElementKind kind) {
    list.resize(1);
    list.push_back(Referring(element, 1, option, eSituationStage, kind));
}

void FillPalette(cPalette& palette) {
    const cPrjOption option;
    NewEntry(palette.m_Blocks, option.m_DefBlock, option, eKindBlock);
    NewEntry(palette.m_Charas, option.m_DefChara, option, eKindChara);
    NewEntry(palette.m_Items, option.m_DefItem, option, eKindItem);
}

// False for a row of the wrong length or a mark without a piece.
bool Fill(cEdStage& stage, const cStageRows& rows) {
    const cPrjOption option;
    const int width = static_cast<int>(std::strlen(rows.rows[0]));
    for (int row = 0; row < rows.height; ++row) {
        if (static_cast<int>(std::strlen(rows.rows[row])) != width) return false;
        for (int column = 0; column < width; ++column) {
            const char mark = rows.rows[row][column];
            if (mark == '.') continue;
            const cPiece* found = nullptr;
            for (const cPiece& piece : kPieces)
                if (piece.mark == mark) found = &piece;
            if (!found) return false;
            Place(stage, *found, column, row, option);
        }
    }
    return stage.HasHero();
}

}  // namespace

bool WriteRowStage(const cStageRows& rows, const char* name, const char* path, void (*settle)(cEdStage&)) {
    cEdStage stage;
    if (rows.height < 1 || !stage.SetSize(static_cast<int>(std::strlen(rows.rows[0])), rows.height) ||
        !Fill(stage, rows))
        return false;
    FillPalette(stage.m_Palette);
    stage.m_Name = name;
    stage.m_Bgm = kStageSong;
    stage.m_BackLayers[0].m_Color = kSkyColour;
    if (settle) settle(stage);
    char base[MAX_PATH];
    ChangeExt(base, path, StageFileExt().c_str());
    return stage.SaveFile(base);
}

bool WriteFactoryStage() {
    return WriteRowStage({kRows, sizeof kRows / sizeof kRows[0]}, "はじめのステージ",
                         g_PathTable[ePathDefaultStageDefault]);
}
