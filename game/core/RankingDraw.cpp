#include "game/core/RankingDraw.h"

#include <ddraw.h>

#include <algorithm>

#include "data/ProjectData.h"
#include "framework/Format.h"
#include "game/core/GameGlobals.h"
#include "game/core/SceneManager.h"
#include "game/core/SystemTexts.h"
#include "game/data/StorySave.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/Font.h"

namespace {

const int kCell = 16;
// The accessory picture's 16 x 16 marker.
const int kAccessoryPicture = 47;
const int kMarkerX = 16, kMarkerY = 48;
// System texts: the kind captions from line 5, the hint that more kinds can be viewed.
const int kKindCaptionText = 5;
const int kMoreKindsText = 17;
// The hint shows for 60 frames of every 120.
const int kHintShown = 60;
const int kHintPeriod = 120;

const std::string& SystemText(int line) { return ProjectSystemData().m_Terms.At(line); }

int DrawMarker(cSurface& surface, int x, int y) {
    return static_cast<int>(DDBlt(surface, x, y, kCell, kCell, SystemSurfaces()[kAccessoryPicture], kMarkerX, kMarkerY,
                                  DDBLTFAST_SRCCOLORKEY));
}

}  // namespace

int CountDigits(int value) {
    int digits = 1;
    while (value /= 10) ++digits;
    return digits;
}

std::vector<cTextAt> RankingTexts(const cRankData& data, int x, int y, int kind, const std::string& caption) {
    std::vector<cTextAt> texts;
    texts.push_back({x, y, Format("ランキング    %s", caption.c_str())});
    int width = kind == eRankClearTime ? 0 : CountDigits(data.m_Rows.At(0).m_Value);
    for (size_t i = 0; i < data.m_Rows.size(); ++i) {
        const cRankEntry& row = data.m_Rows[i];
        if (!row.m_Used) continue;
        int line = y + kCell * (static_cast<int>(i) + 1);
        texts.push_back({x + kCell, line, Format("%d", static_cast<int>(i) + 1)});
        texts.push_back({x + 4 * kCell, line, row.m_Name});
        if (kind == eRankClearTime)
            texts.push_back({x + 9 * kCell, line, FormatClearTime(row.m_Value)});
        else
            texts.push_back({x + kCell * (width - CountDigits(row.m_Value) + 9), line, Format("%d", row.m_Value)});
    }
    return texts;
}

cResultLayout ResultTableLayout(int x, int y, const int switches[kRankKinds], const std::string captions[kRankKinds],
                                int totalScore, int remainingTime, int clearTime) {
    cResultLayout layout;
    int lines = 0, captionWidth = 1;
    for (int k = 0; k < kRankKinds; ++k) {
        if (switches[k] != 1) continue;
        ++lines;
        captionWidth = std::max(captionWidth, CountChars(captions[k].c_str()));
    }
    if (lines == 0) return layout;
    int valueWidth = switches[eRankScore] == 1 ? CountDigits(totalScore) : 1;
    if (switches[eRankRemainingTime] == 1) valueWidth = std::max(valueWidth, CountDigits(remainingTime));
    if (switches[eRankClearTime] == 1) valueWidth = std::max(valueWidth, 8);
    layout.width = (valueWidth + captionWidth + 3) * kCell;
    layout.height = lines * kCell;
    int line = y;
    for (int k = 0; k < kRankKinds; ++k) {
        if (switches[k] != 1) continue;
        layout.texts.push_back({x + kCell, line, captions[k]});
        std::string value = k == eRankScore         ? Format("%d", totalScore)
                            : k == eRankRemainingTime ? Format("%d", remainingTime)
                                                      : FormatClearTime(clearTime);
        layout.texts.push_back({x + kCell * captionWidth + 2 * kCell, line, value});
        line += kCell;
    }
    return layout;
}

int DrawRankingOfKind(cRankTable& table, cSurface& surface, int x, int y, int kind, int markRow) {
    return DrawRanking(table.m_Kinds.At(kind), surface, x, y, kind, markRow);
}

int DrawRanking(cRankData& data, cSurface& surface, int x, int y, int kind, int markRow) {
    cFont& font = GameFonts()[kSystemFont];
    font.DrawFrame(surface, x + 1, y + 1, 270, 350);
    for (const cTextAt& t : RankingTexts(data, x, y, kind, SystemText(kKindCaptionText + kind)))
        font.Printf(surface, t.x, t.y, "%s", t.text.c_str());
    if (CountShownEntries(ProjectSystemData(), SceneManager().m_nPlayKind) > 1) {
        static int blink = 0;
        if (++blink <= kHintShown) {
            const std::string& hint = SystemText(kMoreKindsText);
            int rows = static_cast<int>(data.m_Rows.size());
            font.DrawText(Display().Back, x + 136 - 8 * CountChars(hint.c_str()), y + kCell * rows + kCell,
                          hint.c_str(), 0);
        }
        if (blink >= kHintPeriod) blink = 0;
    }
    if (markRow == -1) return -1;
    return DrawMarker(surface, x, y + kCell * markRow + kCell);
}

void DrawResultTable(cSurface& surface, int x, int y, const int positions[kRankKinds]) {
    const cEdStage& stage = ProjectStage();
    int switches[kRankKinds];
    std::string captions[kRankKinds];
    for (int k = 0; k < kRankKinds; ++k) {
        switches[k] = k < static_cast<int>(stage.m_RankItems.size()) ? stage.m_RankItems[k] : 0;
        captions[k] = SystemText(kKindCaptionText + k);
    }
    const cStorySave& story = StoryState();
    cResultLayout layout = ResultTableLayout(x, y, switches, captions, story.m_TotalScore, story.m_RemainingTime,
                                             story.m_ClearTime);
    if (!layout.width) return;
    cFont& font = GameFonts()[kSystemFont];
    font.DrawFrame(surface, x, y, layout.width, layout.height);
    for (const cTextAt& t : layout.texts) font.Printf(surface, t.x, t.y, "%s", t.text.c_str());
    int markerY = y;
    for (int k = 0; k < kRankKinds; ++k) {
        if (positions[k] == -1) continue;
        DrawMarker(surface, x, markerY);
        markerY += kCell;
    }
}
