#include "data/EditConfig.h"

#include <windows.h>

#include <algorithm>

#include "data/Paths.h"
#include "framework/Geometry.h"

cWndPos::cWndPos() {
    RegisterFields(kDataVersion);
    Init();
}

void cWndPos::Init() {
    Reset();
    m_Shown = 1;
}

void cWndPos::RegisterFields(uint32_t version) {
    ClearFields();
    if (version >= 72) AddField32(&m_Valid);
    AddField32(&m_X);
    AddField32(&m_Y);
    AddField32(&m_Width);
    AddField32(&m_Height);
    if (version >= 122) AddField32(&m_Shown);
}

bool cWndPos::Load(cDataReader& in) {
    if (!cRecord::Load(in)) return false;
    FitInsideScreen(*this, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return true;
}

void cWndPos::Set(int32_t x, int32_t y, int32_t width, int32_t height) {
    m_Valid = 1;
    m_X = x;
    m_Y = y;
    m_Width = width;
    m_Height = height;
}

void FitInsideScreen(cWndPos& pos, int32_t screenWidth, int32_t screenHeight) {
    Clamp(&pos.m_Width, 0, std::max(screenWidth, 0));
    Clamp(&pos.m_Height, 0, std::max(screenHeight, 0));
    Clamp(&pos.m_X, 0, std::max(screenWidth - pos.m_Width, 0));
    Clamp(&pos.m_Y, 0, std::max(screenHeight - pos.m_Height, 0));
}

cEditConfig::cEditConfig() {
    RegisterFields(kDataVersion);
    Init();
}

void cEditConfig::Init() {
    Reset();
    for (cWndPos& pos : m_Windows) pos.Init();
    m_TemplateStage = g_PathTable[ePathDefaultStage];
    m_StagePaletteChoice = 1;
    m_EditBeforePlacing = 1;
    m_AutoWorldNumbers = 1;
    m_UseTransparent = 1;
    m_LineColorIn = 1;
    m_LineColorOut = 15;
    m_OutputPath = "bmp\\convert";
}

void cEditConfig::RegisterFields(uint32_t version) {
    ClearFields();
    if (version >= 130) AddField32(&m_StagePaletteChoice);
    if (version >= 95) {
        AddField32(&m_BlockPage);
        AddField32(&m_CharaPage);
        AddField32(&m_ItemPage);
    }
    AddField32(&m_EditPlacedEvent);
    AddField32(&m_EditBeforePlacing);
    AddField32(&m_AutoWorldNumbers);
    AddField32(&m_UseTransparent);
    AddField32(&m_TransparentColor);
    if (version >= 87) {
        AddField32(&m_ReplaceLineColor);
        AddField32(&m_LineColorIn);
        AddField32(&m_LineColorOut);
    }
    AddField32(&m_OutputInPlace);

    if (version < 129) AddStringField(&m_Scratch);
    if (version >= 73) AddStringField(&m_LastStage);
    if (version >= 130) {
        AddStringField(&m_TemplateStage);
        AddStringField(&m_StagePaletteFile);
    }
    if (version == 130) AddStringField(&m_Scratch);
    AddStringField(&m_OutputPath);
}

bool cEditConfig::Load(cDataReader& in) {
    if (!cRecord::Load(in)) return false;
    // Older files kept the window placements in the project options.
    if (in.Version() >= 130)
        for (cWndPos& pos : m_Windows)
            if (!pos.Load(in)) return false;
    // The menu shows and hides each group of windows with one command.
    m_Windows[3].m_Shown = m_Windows[5].m_Shown = m_Windows[1].m_Shown;
    m_Windows[4].m_Shown = m_Windows[6].m_Shown = m_Windows[2].m_Shown;
    return true;
}

void cEditConfig::Save(cDataWriter& out) {
    cRecord::Save(out);
    for (cWndPos& pos : m_Windows) pos.Save(out);
}
