#pragma once
// The option tables of the palette elements' attributes, shown in the palette data dialogs'
// combo boxes. A stored value is the row index unless a table says otherwise; every table ends
// with an empty string.

extern const char* const OffOnNames[3];
extern const char* const StageCommonNames[3];
// Inheritance sources, with the reduced forms offered where only some sources make sense.
extern const char* const InheritSrcNames[4];
extern const char* const InheritCommonNames[3];
extern const char* const InheritStageNames[3];
extern const char* const InheritNoneNames[2];
extern const char* const GraphicSrcNames[6];
extern const char* const MarkModeNames[4];
extern const char* const BlockTypeNames[4];
// Stored as row - 1, so row 0 "なし" is 255.
extern const char* const ForceNames[10];
extern const char* const BlockActionNames[7];
// The item a block releases; the reduced form while the common palette is edited.
extern const char* const ItemSrcNames[4];
extern const char* const ItemSrcCommonNames[3];
extern const char* const TakeModeNames[4];
// A chara's or an item's enlargement, stored as row + 1.
extern const char* const ScaleNames[11];
