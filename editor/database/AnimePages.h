#pragma once
// The anime set page (the sheet's first page) and the anime page: names, the anime set's
// frame offsets and the anime's preview sample, whose ranges follow its bitmap kind.
#include "data/AnimeRecords.h"
#include "editor/database/DatabaseIds.h"
#include "editor/database/DbTablePage.h"
#include "framework/AnimePlayer.h"
#include "framework/Combo.h"
#include "framework/EditVal.h"
#include "framework/PictureBox.h"

// The sample edits' ranges for a bitmap kind: the number's highest value and whether the start
// frame is used, with its highest value. A dedicated bitmap table of n records offers 1 to
// n - 1, and never less than 1 to 1.
struct cSampleRanges {
    int16_t maxNo;
    bool cellUsed;
    int16_t maxCell;
};
cSampleRanges SampleRanges(int kind, size_t dedicatedRecords);

// The preview player both anime pages share.
cAnimePlayer& DatabasePreviewPlayer();
// An anime's preview: each frame shows its cell for its display time in ticks of 1/60 s (a
// time of 0 lasts one tick), then the pattern loops; an anime without frames shows cell 0.
cAnimePattern PreviewPattern(const cAnime& anime);

class cDbAnimeSetPage : public cDbTablePage<cAnimeSet> {
public:
    cDbAnimeSetPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cAnimeSet>* table);

protected:
    void AttachPage() override { AttachCtrls(m_Values); }

private:
    cBindings<cBoundEditVal<int32_t>> m_Values;
};

class cDbAnimePage : public cDbTablePage<cAnime> {
public:
    cDbAnimePage(cChildWnd* parent, cWndGroup* group, cRecordVector<cAnime>* table);

    // One tick of the preview: the sample with the player's cell drawn into the box.
    void OnIdle() override;

protected:
    void AttachPage() override;
    void EnableStep() override;
    void AfterCommand() override;

private:
    cBindings<cBound<cPictureBox, cPictureBoxDesc>> m_Preview;
    cBindings<cBound<cCombo<int8_t>, cComboDesc<int8_t>>> m_Kind;
    cBindings<cBoundEditVal<int16_t>> m_Sample;
};
