#pragma once
// The editor's own working state, apart from the project (e_data\EditConfig.dat): the stage open
// last, the tool windows' placements and the last choices of a few dialogs and tools.
#include <string>

#include "data/Record.h"

// One tool window's saved placement, in screen pixels.
class cWndPos : public cRecord {
public:
    cWndPos();
    void Init();
    void RegisterFields(uint32_t version) override;
    // Moves the placement inside the primary screen as it is now, so no window opens off screen.
    bool Load(cDataReader& in) override;
    RECORD_COPY(cWndPos)
    // The window's place and outer size, now valid; whether it is shown stays as it was.
    void Set(int32_t x, int32_t y, int32_t width, int32_t height);

    int32_t m_Valid;  // 1 once the window stored its placement
    int32_t m_X;
    int32_t m_Y;
    int32_t m_Width;
    int32_t m_Height;
    int32_t m_Shown;
};

// Fits a placement inside a screen of the given size: the size is cut to the screen, then the
// window is moved so that all of it lies on the screen.
void FitInsideScreen(cWndPos& pos, int32_t screenWidth, int32_t screenHeight);

class cEditConfig : public cRecord {
public:
    static constexpr int kWindows = 11;

    cEditConfig();
    void Init();
    void RegisterFields(uint32_t version) override;
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cEditConfig)

    std::string m_LastStage;
    cWndPos m_Windows[kWindows];
    // New-stage dialog.
    std::string m_TemplateStage;
    int32_t m_StagePaletteChoice;
    std::string m_StagePaletteFile;
    // The page last shown in the block, character and item data dialogs.
    int32_t m_BlockPage;
    int32_t m_CharaPage;
    int32_t m_ItemPage;
    // World map event palette.
    int32_t m_EditPlacedEvent;     // "配置済みなら編集"
    int32_t m_EditBeforePlacing;   // "配置直前に編集"
    int32_t m_AutoWorldNumbers;    // "ワールド番号を自動で振り分け"
    // Bitmap conversion tool.
    int32_t m_UseTransparent;      // "透過色を使用している"
    int32_t m_TransparentColor;    // 0..255
    int32_t m_ReplaceLineColor;    // "線色を置換する"
    int32_t m_LineColorIn;         // 0..255
    int32_t m_LineColorOut;        // 0..255
    int32_t m_OutputInPlace;       // "入力と同じ（※上書きする）"
    std::string m_OutputPath;

private:
    // Values of older files that are read and dropped.
    std::string m_Scratch;
};
