#pragma once
// The ranking list of one kind, drawn beside the menus and after a registration, and the
// result table shown at the end of a stage. The layouts are worked out apart from the drawing.
#include <string>
#include <vector>

#include "game/data/Ranking.h"
#include "game/media/Surface.h"

// One text and where its top-left corner goes.
struct cTextAt {
    int x;
    int y;
    std::string text;
};

// Decimal digits of a value (0 has one).
int CountDigits(int value);

// The title and the number, name and value of every used row; numbers of the score and
// remaining-time kinds are right-aligned on the width of row 0's value.
std::vector<cTextAt> RankingTexts(const cRankData& data, int x, int y, int kind, const std::string& caption);
// The box of the result table and its lines for the switched-on kinds (captions per kind).
struct cResultLayout {
    int width = 0;   // 0: nothing is drawn
    int height = 0;
    std::vector<cTextAt> texts;
};
cResultLayout ResultTableLayout(int x, int y, const int switches[kRankKinds], const std::string captions[kRankKinds],
                                int totalScore, int remainingTime, int clearTime);

// Draws kind of the table with DrawRanking.
int DrawRankingOfKind(cRankTable& table, cSurface& surface, int x, int y, int kind, int markRow);
// The frame, the texts, the blinking hint while more than one kind can be viewed, and the
// marker on markRow: the marker's blit result, or -1 without one.
int DrawRanking(cRankData& data, cSurface& surface, int x, int y, int kind, int markRow);
// The end-of-stage result lines of the stage's switched-on kinds and a marker per ranked kind
// (positions: a row per kind, -1 not ranked).
void DrawResultTable(cSurface& surface, int x, int y, const int positions[kRankKinds]);
