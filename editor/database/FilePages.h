#pragma once
// The pages whose records are a name and the project-relative path of a media file: the
// dedicated character bitmaps, the pictures, the sound effects and the background music.
// Each has a file chooser; the sound and music pages also play the edited record's file.
#include "data/FileRecords.h"
#include "editor/database/DatabaseIds.h"
#include "editor/database/DbTablePage.h"
#include "editor/shell/EditorSound.h"
#include "framework/PathEdit.h"

// What a file page chooses its files from and how it plays them.
struct cFilePageRow {
    UINT templateId;
    uint16_t listId;
    const char* folder;
    const char* title;
    const char* filter;  // description and pattern, zero-separated
    const char* ext;
    int play;  // 0: no "再生", 1: the music player, 2: the wave player
};

template <class T>
class cDbFilePage : public cDbTablePage<T> {
public:
    cDbFilePage(const cFilePageRow& row, cChildWnd* parent, cWndGroup* group, cRecordVector<T>* table)
        : cDbTablePage<T>(row.templateId, parent, group, table, row.listId, 1, NameRowText<T>, 999, 1), m_Row(row) {
        this->m_Texts.resize(2);
        this->m_Texts[0].m_Desc = cStrEditDesc(IDC_DB_NAME, &this->m_Edit.m_Name, kDbNameLimit, 0);
        this->m_Texts[1].m_Desc = cStrEditDesc(IDC_DB_PATH, &this->m_Edit.m_File, kDbPathLimit, 0);
        this->m_Buttons.resize(2);
        this->m_Buttons[0].m_Desc.Set(IDC_DB_COUNT);
        this->m_Buttons[1].m_Desc.Set(IDC_DB_BROWSE);
    }

protected:
    void PageCommand(int id, int code) override {
        if (code != BN_CLICKED) return;
        if (id == IDC_DB_BROWSE)
            ChooseFileInto(this->m_hWnd, this->m_Texts, IDC_DB_PATH, m_Row.folder, m_Row.title, m_Row.filter,
                           m_Row.ext);
        else if (id == IDC_DB_PLAY && m_Row.play)
            PlayPreview(m_Row.play == 1 ? ePreviewMusic : ePreviewWave, this->m_hWnd, this->m_Edit.m_File);
    }

private:
    cFilePageRow m_Row;
};

extern const cFilePageRow kCharaBmpPageRow;
extern const cFilePageRow kPicturePageRow;
extern const cFilePageRow kSoundPageRow;
extern const cFilePageRow kBgmPageRow;

class cDbCharaBmpPage : public cDbFilePage<cBmpCharaExc> {
public:
    cDbCharaBmpPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cBmpCharaExc>* table)
        : cDbFilePage(kCharaBmpPageRow, parent, group, table) {}
};
class cDbPicturePage : public cDbFilePage<cPicture> {
public:
    cDbPicturePage(cChildWnd* parent, cWndGroup* group, cRecordVector<cPicture>* table)
        : cDbFilePage(kPicturePageRow, parent, group, table) {}
};
class cDbSoundPage : public cDbFilePage<cSound> {
public:
    cDbSoundPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cSound>* table)
        : cDbFilePage(kSoundPageRow, parent, group, table) {}
};
class cDbBgmPage : public cDbFilePage<cBgm> {
public:
    cDbBgmPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cBgm>* table)
        : cDbFilePage(kBgmPageRow, parent, group, table) {}
};
