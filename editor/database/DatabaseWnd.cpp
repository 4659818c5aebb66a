#include "editor/database/DatabaseWnd.h"

#include <new>
#include <string>

#include "data/ProjectDatabase.h"
#include "editor/database/AnimePages.h"
#include "editor/database/EffectPage.h"
#include "editor/database/EffectTypePages.h"
#include "editor/database/FilePages.h"
#include "editor/database/SwordPage.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/SystemBitmaps.h"
#include "framework/MessageBox.h"

cDatabaseWnd::cDatabaseWnd(cChildWnd* parent, cWndGroup* group, cPropSheet** ownerSlot)
    : cPropSheet(1, parent, group, ownerSlot), m_lpOwner(parent) {}

cDatabaseWnd::~cDatabaseWnd() {
    // The sheet's windows go while the pages still answer them.
    Close();
    for (cDbPage*& page : m_lpPages) SafeDelete(page);
}

bool cDatabaseWnd::CreatePages() {
    cDatabase& db = ProjectDatabase();
    cWndGroup* group = m_lpGroup;
    cChildWnd* owner = m_lpOwner;
    m_lpPages[0] = new (std::nothrow) cDbAnimeSetPage(owner, group, &db.m_AnimeSets);
    m_lpPages[1] = new (std::nothrow) cDbAnimePage(owner, group, &db.m_Animes);
    m_lpPages[2] = new (std::nothrow) cDbCharaBmpPage(owner, group, &db.m_BmpCharaExcs);
    m_lpPages[3] = new (std::nothrow) cDbSwordPage(owner, group, &db.m_SwordTypes);
    m_lpPages[4] = new (std::nothrow) cDbEffectPage(owner, group, &db.m_Effects);
    m_lpPages[5] = new (std::nothrow) cDbCharaEffectPage(owner, group, &db.m_CharaEffects);
    m_lpPages[6] = new (std::nothrow) cDbScrEffectPage(owner, group, &db.m_ScrEffects);
    m_lpPages[7] = new (std::nothrow) cDbPicturePage(owner, group, &db.m_Pictures);
    m_lpPages[8] = new (std::nothrow) cDbSoundPage(owner, group, &db.m_Sounds);
    m_lpPages[9] = new (std::nothrow) cDbBgmPage(owner, group, &db.m_Bgms);
    for (cDbPage* page : m_lpPages) {
        if (!page) {
            OutOfMemory();
            return false;
        }
    }
    m_lpPages[0]->SetSheetFirst(this);
    for (cDbPage* page : m_lpPages) m_Pages.push_back(page);
    if (!Open()) return false;
    SetWindowTextA(m_hWnd, "データベース");
    return true;
}

bool cDatabaseWnd::ApplyAll() {
    for (cDbPage* page : m_lpPages)
        if (page) page->ApplyTable();
    cDatabase& db = ProjectDatabase();
    std::string failed;
    if (!db.Save(&failed)) {
        ErrorBox("%s の保存に失敗しました！", failed.c_str());
        return false;
    }
    // Numbers that lost their dedicated bitmap draw nothing from now on.
    LoadDatabaseBitmaps(DatabaseBitmaps(), db.m_BmpCharaExcs);
    return true;
}

void OpenDatabaseWnd(cEditWnd* main) {
    cWndGroup& group = EditorGroup();
    group.ShowAll(0);
    group.EnableAll(0);
    SafeDelete(main->m_lpDatabaseWnd);
    cDatabaseWnd* wnd = new (std::nothrow) cDatabaseWnd(main, &group, &main->m_lpDatabaseWnd);
    if (!wnd) {
        OutOfMemory();
        return;
    }
    main->m_lpDatabaseWnd = wnd;
    wnd->CreatePages();
}
