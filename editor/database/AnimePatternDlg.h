#pragma once
// The anime pattern dialog: the frames of one anime, each a cell, a display time and whether
// the frame runs the character's commands. It edits a copy of the frames; OK puts them into the
// anime, Cancel leaves them as they were. An anime without frames gets one as the dialog opens.
#include "data/AnimeRecords.h"
#include "editor/database/DatabaseIds.h"
#include "editor/database/ItemDlg.h"
#include "framework/Buttons.h"
#include "framework/DataList.h"
#include "framework/EditVal.h"
#include "framework/PictureBox.h"

// A frame's row: "実行 " for a frame that runs commands, then its cell and display time.
void AnimeFrameRowText(std::string* text, int index, const cAnimeFrame* frame);

class cAnimePatternDlg : public cDbItemDlg<cRecordVector<cAnimeFrame>> {
public:
    using FrameList = cDataList<cAnimeFrame, cRecordVector<cAnimeFrame>>;

    cAnimePatternDlg(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group, cCtrl* anchor, int centre);

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    FrameList& Frames() { return m_FrameList[0].m_Ctrl; }

    // The anime the next dialog edits.
    static cAnime* s_lpEdited;
    // Whether the next dialog offers "コマンドを実行する": only animes of the anime table run
    // commands, never an anime set's slots.
    static bool s_RunCommandShown;

private:
    // The anime's frames, given one default frame when it has none.
    static cRecordVector<cAnimeFrame>* FramesOf(cAnime* anime);
    void AttachItem() override;
    void DrawPreview();

    cAnime* m_lpAnime;
    cAnimeFrame m_EditFrame;
    cBindings<cBound<FrameList, cDataListDesc<cAnimeFrame, cRecordVector<cAnimeFrame>>>> m_FrameList;
    cBindings<cBoundCheck> m_Check;
    cBindings<cBoundEditVal<int32_t>> m_Values;
    cBindings<cBoundPictureBox> m_Preview;
};
