#pragma once
// The database window: a modeless property sheet titled "データベース" with one page per table
// of the project's database, in a fixed order. Its pages edit working copies; OK and Apply put
// every opened page's copy into the project's tables and save the ten table files as one set.
// Closing it (its first page's window going) stops the music and gives the editor back.
#include "editor/database/DbSheet.h"
#include "framework/PropSheet.h"

class cDbPage;
class cEditWnd;

const int kDatabasePages = 10;

class cDatabaseWnd : public cPropSheet, public cDbSheet {
public:
    // ownerSlot: the pointer that holds this window, cleared when the group deletes it.
    cDatabaseWnd(cChildWnd* parent, cWndGroup* group, cPropSheet** ownerSlot);
    ~cDatabaseWnd() override;

    // Builds the ten pages and opens the sheet; false when it could not be opened.
    bool CreatePages();
    // Commits every opened page and saves the tables; false (reported) when a table file could
    // not be written: every table file then keeps its old contents.
    bool ApplyAll() override;

    cDbPage* Page(int index) const { return m_lpPages[index]; }

private:
    cChildWnd* m_lpOwner;
    cDbPage* m_lpPages[kDatabasePages] = {};
};

// The main window's database command: hides and disables the editor's windows and opens the
// database window into the main window's slot.
void OpenDatabaseWnd(cEditWnd* main);
