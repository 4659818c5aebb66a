#pragma once
// What a page of the database window asks of the window that holds it. Only the sheet's first
// page calls it, when the person presses OK or Apply; the database window answers it.
class cDbSheet {
public:
    // Commits every opened page and saves the tables; false (reported) when a table file could
    // not be written: every table file then keeps its old contents.
    virtual bool ApplyAll() = 0;

protected:
    ~cDbSheet() = default;
};
