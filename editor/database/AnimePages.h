#pragma once
// The anime set page (the sheet's first page) and the anime page: names, the anime set's frame
// offsets and its four slots, and the sample an anime is previewed on, whose ranges follow its
// bitmap kind. Both open the pattern dialog on an anime's frames.
#include "data/AnimeRecords.h"
#include "editor/database/AnimePatternDlg.h"
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
// The preview player plays the anime from its first frame.
void SetPreviewAnime(const cAnime& anime);

// The controls of an anime's sample: the bitmap kind combo, the number and start-frame edits
// and the preview box, bound to the anime's three sample fields.
class cAnimeSampleCtrls {
public:
    explicit cAnimeSampleCtrls(cAnime* anime);
    void Attach(cPage* page);
    // The edits take the ranges of the kind the combo shows; their shown values are clamped.
    void UpdateRanges();
    // The sample the controls show, at their start frame plus cell, drawn into the box.
    void Draw(int32_t cell);
    cPictureBox& Box() { return m_Preview[0].m_Ctrl; }

private:
    cBindings<cBoundPictureBox> m_Preview;
    cBindings<cBound<cCombo<int8_t>, cComboDesc<int8_t>>> m_Kind;
    cBindings<cBoundEditVal<int16_t>> m_Sample;
};

class cDbAnimeSetPage : public cDbTablePage<cAnimeSet> {
public:
    using SlotList = cDataList<cAnime, cRecordVector<cAnime>>;

    // A set read with another number of slots than four is given four in the working copy.
    cDbAnimeSetPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cAnimeSet>* table);
    SlotList& Slots() { return m_SlotList[0].m_Ctrl; }

    void OnIdle() override;

protected:
    void AttachPage() override;
    void EnableStep() override { m_SampleCtrls.UpdateRanges(); }
    void PageCommand(int id, int code) override;
    void AfterCommand() override;
    void BeforeShow() override;
    void AfterStore() override;

private:
    // Opens the pattern dialog on the selected slot, which takes the first slot's sample.
    void EditSlot();

    cBindings<cBoundEditVal<int32_t>> m_Values;
    cBindings<cBound<SlotList, cDataListDesc<cAnime, cRecordVector<cAnime>>>> m_SlotList;
    // The sample controls edit the first slot's sample through this copy: the slots' storage
    // moves with the edited set.
    cAnime m_FirstSample;
    cAnimeSampleCtrls m_SampleCtrls{&m_FirstSample};
    cAnimePatternDlg* m_lpPatternDlg = nullptr;
};

class cDbAnimePage : public cDbTablePage<cAnime> {
public:
    cDbAnimePage(cChildWnd* parent, cWndGroup* group, cRecordVector<cAnime>* table);

    // One tick of the preview: the sample with the player's cell drawn into the box.
    void OnIdle() override;
    // Test seam: the preview as the tests read it.
    cPictureBox& Preview() { return m_SampleCtrls.Box(); }

protected:
    void AttachPage() override { m_SampleCtrls.Attach(this); }
    void EnableStep() override { m_SampleCtrls.UpdateRanges(); }
    void PageCommand(int id, int code) override;
    void AfterCommand() override { SetPreviewAnime(m_Edit); }

private:
    cAnimeSampleCtrls m_SampleCtrls{&m_Edit};
};
