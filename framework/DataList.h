#pragma once
// The editable list of rows that shows a vector of records in a list box: one row per record
// (optionally numbered), an optional append row after the last record, an edit record that
// holds a copy of the selected record for the page's other controls, a clipboard of its own
// and the list commands cut, copy, paste, append, insert, clear and delete, reachable from
// accelerator keys, a popup menu and the keyboard.
//
// The list edits a working vector that the page owns: DataToCtrl fills it from the bound
// vector, CtrlToData writes it back. Row r shows record firstIndex + r; the leading records are
// never shown nor touched. A refused command beeps (MessageBeep(0)), changes nothing and
// returns 0. The list box must be made without LBS_SORT, with LBS_EXTENDEDSEL for multiple
// selection.
#include <new>
#include <string>
#include <vector>

#include "framework/Binding.h"
#include "framework/ErrorLog.h"
#include "framework/Geometry.h"
#include "framework/MessageBox.h"
#include "framework/NumText.h"
#include "framework/Page.h"

// The list commands in the order of the id sets.
enum eListCmd { eCmdCut, eCmdCopy, eCmdPaste, eCmdAppend, eCmdInsert, eCmdClear, eCmdDelete, eCmdItemDlg };
const int kListCmds = 7;  // the commands that have keys and menu items

// The command ids of a menu kind (0: rows are cleared, 1: rows are inserted and deleted) and
// an id set (1 to 4), for accelerators or for popup menus; false for an unknown kind or set.
bool GetListAccelIds(int kind, int set, uint16_t ids[kListCmds]);
bool GetListMenuIds(int kind, int set, uint16_t ids[kListCmds]);

// The row text of the append row.
extern const char kAppendRowText[];

template <class T, class V = cCheckedVector<T>>
struct cDataListDesc {
    typedef void (*RowTextFn)(std::string* text, int index, const T* record);

    uint32_t id = 0;
    int multi = 0;
    V* lpBound = nullptr;  // null: the list edits the working vector only
    V* lpWork = nullptr;
    T* lpEdit = nullptr;  // may be null
    int numbering = 0;
    int minRows = 0;
    int maxRows = 0;
    uint32_t firstIndex = 0;
    int appendRow = 0;
    int noForced = 0;
    RowTextFn rowText = nullptr;

    void Set(uint16_t ctrlId, V* bound, V* work, T* edit, int multiSel, RowTextFn text, int number, int minimum,
             int maximum, uint32_t first, int append, int noForcedSel) {
        id = ctrlId;
        lpBound = bound;
        lpWork = work;
        lpEdit = edit;
        multi = multiSel;
        rowText = text;
        numbering = number;
        minRows = minimum;
        maxRows = maximum;
        firstIndex = first;
        appendRow = append;
        noForced = noForcedSel;
    }
};

template <class T, class V = cCheckedVector<T>>
class cDataList : public cCtrl {
public:
    using Desc = cDataListDesc<T, V>;

    cDataList() : cCtrl(eCtrlDataList) {
        static const uint16_t kAccel[kListCmds] = {40009, 40001, 40007, 40002, 40033, 40008, 40032};
        static const uint16_t kMenu[kListCmds] = {40038, 40039, 40040, 0, 40042, 40041, 40043};
        SetAccelIds(kAccel);
        SetMenuIds(kMenu);
    }
    // Bindings are copied before they are attached; the loaded menu stays with its list.
    cDataList(const cDataList& other) : cCtrl(other) {
        CopySettings(other);
        m_hMenu = nullptr;
        m_hMenuRes = nullptr;
    }
    cDataList& operator=(const cDataList&) = delete;
    ~cDataList() override {
        if (m_hMenuRes) DestroyMenu(m_hMenuRes);
    }

    void Attach(cPage* page, const Desc& desc) {
        cCtrl::Attach(page, static_cast<uint16_t>(desc.id));
        m_lpBound = desc.lpBound;
        m_lpWork = desc.lpWork;
        if (m_lpBound && m_lpWork) *m_lpWork = *m_lpBound;
        m_Multi = desc.multi;
        int rows = Size() - static_cast<int>(desc.firstIndex) + desc.appendRow;
        if (m_Multi && rows > 0) m_Flags.assign(static_cast<size_t>(rows), 0);
        m_lpEdit = desc.lpEdit;
        RemoveStyle(LBS_SORT);
        m_RowText = desc.rowText;
        m_Numbering = desc.numbering;
        m_Min = desc.minRows;
        m_Max = desc.maxRows;
        m_First = static_cast<int>(desc.firstIndex);
        m_Append = desc.appendRow ? 1 : 0;
        m_NoForced = desc.noForced || (m_Min < 1 && !m_Append);
        m_Cur = m_LastCur = m_Anchor = -1;
        if (Size() > 0) Select(0, true);
        Refill();
        Refresh();
    }

    // Registers the accelerator table for the list window with the page and takes the ids of
    // the kind and set; then loads the popup menu. 1 when both succeed.
    int SetMenus(UINT accelId, UINT menuId, int kind, int set) {
        int accel = SetAccel(accelId, kind, set);
        int menu = SetPopupMenu(menuId, kind, set);
        return accel && menu;
    }
    int SetAccel(UINT accelId, int kind, int set) {
        uint16_t ids[kListCmds];
        if (!GetListAccelIds(kind, set, ids)) {
            DebugBox("アクセラレータのIDが用意されていません！");
            return 0;
        }
        if (m_lpPage) m_lpPage->AddAccelerator(m_hWnd, accelId);
        SetAccelIds(ids);
        return 1;
    }
    int SetPopupMenu(UINT menuId, int kind, int set) {
        uint16_t ids[kListCmds];
        if (!GetListMenuIds(kind, set, ids)) {
            DebugBox("ポップアップメニューのIDが用意されていません！");
            return 0;
        }
        if (m_hMenuRes) DestroyMenu(m_hMenuRes);
        HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_hPageWnd, GWLP_HINSTANCE));
        m_hMenuRes = LoadMenuA(module, MAKEINTRESOURCEA(menuId));
        m_hMenu = m_hMenuRes ? GetSubMenu(m_hMenuRes, 0) : nullptr;
        SetMenuIds(ids);
        return m_hMenu != nullptr;
    }
    void SetAccelIds(const uint16_t ids[kListCmds]) {
        for (int i = 0; i < kListCmds; ++i) m_AccelIds[i] = ids[i];
    }
    void SetMenuIds(const uint16_t ids[kListCmds]) {
        for (int i = 0; i < kListCmds; ++i) m_MenuIds[i] = ids[i];
    }
    HMENU GetPopupMenu() const { return m_hMenu; }

    // A command id of the accelerators (OnCmd) or of the popup menu (OnMenuCmd), acted on while
    // the list has the focus: 1 when it was one of the list's commands and it succeeded.
    int OnCmd(UINT id) override { return RunCmd(id, m_AccelIds); }
    int OnMenuCmd(UINT id) override { return RunCmd(id, m_MenuIds); }

    // Keys the page copies to its controls: Ctrl+X, C, V, I and Delete send the command of the
    // first command with an id that the key stands for; one key runs one command.
    void OnKey(WPARAM key, LPARAM, int ctrlHeld) override {
        static const WPARAM kKeys[kListCmds] = {'X', 'C', 'V', 'I', 'I', VK_DELETE, VK_DELETE};
        for (int cmd = 0; cmd < kListCmds; ++cmd) {
            if (!m_AccelIds[cmd] || kKeys[cmd] != key) continue;
            if (cmd < eCmdClear && !ctrlHeld) continue;
            SendMessageA(m_hPageWnd, WM_COMMAND, m_AccelIds[cmd], 0);
            return;
        }
    }

    int GetCount() const { return static_cast<int>(SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0)); }
    int GetCaretIndex() const { return static_cast<int>(SendMessageA(m_hWnd, LB_GETCARETINDEX, 0, 0)); }
    int GetAnchorIndex() const { return static_cast<int>(SendMessageA(m_hWnd, LB_GETANCHORINDEX, 0, 0)); }

    // The selected row: single selection the list box's, multiple selection the caret row
    // when it is flagged; -1 when none.
    int GetSel() const {
        if (GetCount() <= 0) return -1;
        if (!m_Multi) return static_cast<int>(SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0));
        int caret = GetCaretIndex();
        return IsFlagRow(caret) && m_Flags[caret] ? caret : -1;
    }
    bool IsAppendRow(int row) const { return m_Append && row == DataRows(); }
    bool IsDataRow(int row) const { return row >= 0 && row < DataRows(); }
    // The table index of the current row; -1 for none and for the append row.
    int GetCurIndex() const { return IsDataRow(m_Cur) ? m_Cur + m_First : -1; }
    int GetCur() const { return m_Cur; }
    // Test seam: the rows' flags, as the tests read them.
    const std::vector<uint32_t>& GetFlags() const { return m_Flags; }
    int GetLastCmd() const { return m_LastCmd; }
    const V& GetClipboard() const { return m_Clip; }
    // Rows copied elsewhere, which the next paste puts in.
    void SetClipboard(const V& rows) { m_Clip = rows; }
    // The vector the list edits.
    V* Work() const { return m_lpWork; }

    int Select(int row, bool show) {
        m_Cur = row;
        if (m_Cur < 0) m_Cur = m_NoForced ? -1 : 0;
        if (m_Cur >= DataRows() + m_Append) m_Cur = -1;
        if (show) ShowSelected();
        if (m_Multi) {
            if (m_Cur >= static_cast<int>(m_Flags.size()))
                m_Cur = static_cast<int>(m_Flags.size()) - 1;
            else if (m_Cur >= 0)
                m_Flags[m_Cur] = 1;
            SendMessageA(m_hWnd, LB_SETSEL, TRUE, m_Cur);
            SendMessageA(m_hWnd, LB_SETCARETINDEX, m_Cur, FALSE);
            m_Anchor = m_Cur;
            return static_cast<int>(SendMessageA(m_hWnd, LB_SETANCHORINDEX, m_Anchor, 0));
        }
        return static_cast<int>(SendMessageA(m_hWnd, LB_SETCURSEL, m_Cur, 0));
    }
    int SelectSingle(int row, bool show) {
        if (m_Multi) {
            m_Cur = m_Anchor = -1;
            SendMessageA(m_hWnd, LB_SETCARETINDEX, static_cast<WPARAM>(-1), FALSE);
            SendMessageA(m_hWnd, LB_SETANCHORINDEX, static_cast<WPARAM>(-1), 0);
            for (size_t r = 0; r < m_Flags.size(); ++r) {
                m_Flags[r] = 0;
                SendMessageA(m_hWnd, LB_SETSEL, FALSE, static_cast<LPARAM>(r));
            }
        }
        return Select(row, show);
    }
    // Selects the row under a screen point (pages call it on a right click before the popup
    // menu); 0 and nothing changed when no row is there.
    int SelectAt(POINT screen) {
        if (!HitTest(screen)) return 0;
        POINT client = screen;
        ScreenToClient(m_hWnd, &client);
        int top = static_cast<int>(SendMessageA(m_hWnd, LB_GETTOPINDEX, 0, 0));
        int height = static_cast<int>(SendMessageA(m_hWnd, LB_GETITEMHEIGHT, 0, 0));
        if (height <= 0 || client.y < 0) return 0;
        int row = top + client.y / height;
        if (row < 0 || row >= GetCount()) return 0;
        m_Top = top;
        if (m_Multi) {
            SendMessageA(m_hWnd, LB_SETANCHORINDEX, row, 0);
            SendMessageA(m_hWnd, LB_SETCARETINDEX, row, FALSE);
            if (IsFlagRow(row)) m_Flags[row] = 1;
            SendMessageA(m_hWnd, LB_SETSEL, TRUE, row);
            m_Anchor = row;
        } else {
            SendMessageA(m_hWnd, LB_SETCURSEL, row, 0);
        }
        m_Cur = row;
        SetFocus(m_hWnd);
        ShowSelected();
        return 1;
    }
    // A right click on the list (the point of WM_CONTEXTMENU; -1, -1 from the keyboard, then the
    // mouse's place): selects the row there and shows the list's popup menu, whose command goes
    // to the owner window.
    void PopupAt(LPARAM point, HWND owner) {
        POINT at = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
        if (at.x == -1 && at.y == -1) GetCursorPos(&at);
        SelectAt(at);
        CmdSelect();
        if (m_hMenu) TrackPopupMenu(m_hMenu, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, owner, nullptr);
    }
    void ShowSelected() {
        if (IsDataRow(m_Cur) && m_lpEdit) *m_lpEdit = m_lpWork->At(m_First + m_Cur);
    }

    // The rows go in with drawing off: drawn row by row, a long list cost a visible fraction
    // of a second on every command.
    void Refill() {
        int digits = DigitCount(static_cast<uint32_t>(DataRows() > 0 ? DataRows() : 0));
        SendMessageA(m_hWnd, WM_SETREDRAW, FALSE, 0);
        SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0);
        for (int i = m_First; i < Size(); ++i) {
            std::string text;
            if (m_RowText) m_RowText(&text, i, &m_lpWork->At(i));
            if (m_Numbering) text = NumToStr(i - m_First + 1, digits) + " " + text;
            SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        if (m_Append) SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m_AppendText.c_str()));
        SendMessageA(m_hWnd, LB_SETTOPINDEX, m_Top, 0);
        if (m_Multi) {
            ApplyFlags();
            SendMessageA(m_hWnd, LB_SETCARETINDEX, m_Cur, FALSE);
            SendMessageA(m_hWnd, LB_SETANCHORINDEX, m_Anchor, 0);
        } else {
            SendMessageA(m_hWnd, LB_SETCURSEL, m_Cur, 0);
        }
        SendMessageA(m_hWnd, WM_SETREDRAW, TRUE, 0);
    }

    // Re-applies the selection after a change (every command ends with it).
    void Refresh() override {
        int rows = GetCount();
        if (m_Multi) {
            if (!m_NoForced) {
                // The flags follow the rows: surplus ones go, new rows come unflagged.
                if (static_cast<int>(m_Flags.size()) != rows) {
                    bool shrunk = static_cast<int>(m_Flags.size()) > rows;
                    m_Flags.resize(static_cast<size_t>(rows), 0);
                    m_SavedFlags.resize(static_cast<size_t>(rows), 0);
                    if (shrunk && !AnyFlag() && !m_Flags.empty()) {
                        m_Flags[0] = 1;
                        m_Cur = 0;
                    }
                }
                if (!AnyFlag()) {
                    if (m_Flags.size() == m_SavedFlags.size() && !m_Flags.empty()) {
                        m_Flags = m_SavedFlags;
                        m_Cur = m_LastCur;
                        if (!AnyFlag()) m_Flags[0] = 1;
                    } else if (!m_Flags.empty()) {
                        m_Flags[0] = 1;
                        m_Cur = 0;
                    } else {
                        m_Flags.assign(1, 1);
                        m_Cur = 0;
                    }
                    m_Anchor = m_Cur;
                }
            }
            ApplyFlags();
            SendMessageA(m_hWnd, LB_SETANCHORINDEX, m_Anchor, 0);
            SendMessageA(m_hWnd, LB_SETCARETINDEX, m_Cur, FALSE);
            SendMessageA(m_hWnd, LB_SETTOPINDEX, m_Top, 0);
            m_SavedFlags = m_Flags;
        } else {
            if (!m_NoForced) {
                if (m_Cur < 0) m_Cur = m_LastCur >= 0 ? m_LastCur : 0;
                if (m_Cur >= rows) m_Cur = 0;
            }
            SendMessageA(m_hWnd, LB_SETCURSEL, m_Cur, 0);
            SendMessageA(m_hWnd, LB_SETTOPINDEX, m_Top, 0);
        }
        m_LastCur = m_Cur;
        SendMessageA(m_hWnd, WM_SETREDRAW, TRUE, 0);
    }

    void DataToCtrl() override {
        if (m_lpBound && m_lpWork) *m_lpWork = *m_lpBound;
        if (m_lpEdit) {
            if (GetCurIndex() < 0) {
                if (m_Multi)
                    SelectSingle(DataRows() - 1, true);
                else
                    Select(DataRows() - 1, true);
            }
            ShowSelected();
        }
        Refill();
    }
    void CtrlToData() override {
        if (m_lpBound && m_lpWork) *m_lpBound = *m_lpWork;
    }
    // The page's selection change.
    void Reformat() override { CmdSelect(); }
    void OnCtrlEvent() override { SendMessageA(m_hWnd, LB_SETCURSEL, m_Cur, 0); }

    // Takes the list box's selection: the edit record receives the selected record (the blank
    // one for none or the append row, result 0).
    int CmdSelect() {
        ErrorLogF("CmdSelect Start");
        m_Top = static_cast<int>(SendMessageA(m_hWnd, LB_GETTOPINDEX, 0, 0));
        if (!m_Multi) {
            m_Cur = GetSel();
        } else {
            int n = GetCount();
            m_Flags.resize(static_cast<size_t>(n > 0 ? n : 0), 0);
            m_SavedFlags.resize(m_Flags.size(), 0);
            for (int r = 0; r < n; ++r) m_Flags[r] = SendMessageA(m_hWnd, LB_GETSEL, r, 0) > 0;
            m_Cur = GetCaretIndex();
            m_Anchor = GetAnchorIndex();
            if (m_lpEdit && IsFlagRow(m_Cur) && !m_Flags[m_Cur]) {
                for (int r = 0; r < n; ++r) {
                    if (!m_Flags[r]) continue;
                    m_Cur = m_Anchor = r;
                    SendMessageA(m_hWnd, LB_SETCARETINDEX, r, FALSE);
                    SendMessageA(m_hWnd, LB_SETANCHORINDEX, r, 0);
                    break;
                }
            }
        }
        if (IsDataRow(m_Cur)) {
            if (m_lpEdit) *m_lpEdit = m_lpWork->At(m_First + m_Cur);
            Refill();
            ErrorLogF("CmdSelect End");
            return 1;
        }
        if (!m_lpEdit) return 0;
        *m_lpEdit = m_Blank;
        Refill();
        return 0;
    }
    // The page's controls changed the edit record: the current record takes it.
    int CmdRenew() {
        ErrorLogF("CmdRenew Start");
        if (!IsDataRow(m_Cur)) return 0;
        if (m_lpEdit) m_lpWork->At(m_First + m_Cur) = *m_lpEdit;
        Refill();
        Refresh();
        ErrorLogF("CmdRenew End");
        return 1;
    }
    int CmdCopy() {
        m_LastCmd = eCmdCopy;
        if (!m_Multi) {
            m_Cur = GetSel();
            if (!IsDataRow(m_Cur)) return Refuse();
            m_Clip.assign(1, m_lpWork->At(m_First + m_Cur));
            return 1;
        }
        V copied;
        for (int r = 0; r < DataRows() && r < static_cast<int>(m_Flags.size()); ++r)
            if (m_Flags[r]) copied.push_back(m_lpWork->At(m_First + r));
        // With no row flagged the clipboard keeps what it had.
        if (copied.empty()) return Refuse();
        m_Clip = copied;
        return 1;
    }
    int CmdCut() {
        if (!CmdCopy() || !CmdDelete(-1, false)) return 0;
        m_LastCmd = eCmdCut;
        return 1;
    }
    // Pastes the clipboard before the current row, as many records as the maximum leaves room
    // for (a paste that does not fit whole beeps).
    int CmdPaste() {
        m_LastCmd = eCmdPaste;
        m_Cur = GetSel();
        if (m_Cur < 0 || IsFull()) return Refuse();
        size_t pasted = 0;
        for (; pasted < m_Clip.size() && !IsFull(); ++pasted) {
            size_t at = static_cast<size_t>(m_First + m_Cur) + pasted;
            if (at > m_lpWork->size()) at = m_lpWork->size();
            m_lpWork->insert(m_lpWork->begin() + static_cast<long>(at), m_Clip[pasted]);
        }
        if (pasted < m_Clip.size()) MessageBeep(0);
        if (pasted > 0 && m_lpEdit) *m_lpEdit = m_lpWork->At(m_First + m_Cur);
        Refill();
        Refresh();
        return 1;
    }
    int CmdAppend() {
        m_LastCmd = eCmdAppend;
        if (IsFull()) return Refuse();
        m_lpWork->push_back(T());
        m_Cur = GetCount() - m_Append;
        if (m_lpEdit) *m_lpEdit = m_lpWork->back();
        Refill();
        Refresh();
        return 1;
    }
    int CmdInsert() {
        m_LastCmd = eCmdInsert;
        m_Cur = GetSel();
        if (m_Cur < 0) m_Cur = 0;
        if (IsFull()) return Refuse();
        size_t at = static_cast<size_t>(m_First + m_Cur);
        if (at > m_lpWork->size()) at = m_lpWork->size();
        m_lpWork->insert(m_lpWork->begin() + static_cast<long>(at), T());
        if (m_lpEdit) *m_lpEdit = m_lpWork->At(static_cast<int>(at));
        if (m_Multi) {
            m_Flags.push_back(0);
            m_SavedFlags.push_back(0);
        }
        Refill();
        Refresh();
        return 1;
    }
    // Resets the selected records to their defaults; nothing selected is refused.
    int CmdClear() {
        m_LastCmd = eCmdClear;
        if (!m_Multi) {
            m_Cur = GetSel();
            if (!IsDataRow(m_Cur)) return Refuse();
            ResetRecord(m_lpWork->At(m_First + m_Cur));
        } else {
            bool cleared = false;
            for (int r = 0; r < DataRows() && r < static_cast<int>(m_Flags.size()); ++r) {
                if (!m_Flags[r]) continue;
                ResetRecord(m_lpWork->At(m_First + r));
                cleared = true;
            }
            if (!cleared) return Refuse();
        }
        if (IsDataRow(m_Cur) && m_lpEdit) *m_lpEdit = m_lpWork->At(m_First + m_Cur);
        Refill();
        Refresh();
        return 1;
    }
    // Deletes the selected records (multiple selection: the flagged ones, or only the current
    // row) down to the minimum; nothing selected is refused.
    int CmdDelete(int row, bool currentOnly) {
        m_LastCmd = eCmdDelete;
        if (m_Multi) {
            if (AtMinimum()) return Refuse();
            bool erased = false;
            for (int r = 0; r < static_cast<int>(m_Flags.size()) && !AtMinimum();) {
                if ((currentOnly && r != m_Cur) || !m_Flags[r] || !IsDataRow(r)) {
                    ++r;
                    continue;
                }
                if (r < m_Cur) --m_Cur;
                m_lpWork->erase(m_lpWork->begin() + (m_First + r));
                m_Flags.erase(m_Flags.begin() + r);
                erased = true;
            }
            if (!erased) return Refuse();
            for (size_t r = 0; r < m_Flags.size(); ++r) m_Flags[r] = static_cast<int>(r) == m_Cur;
            if (m_lpEdit) {
                if (IsDataRow(m_Cur)) {
                    *m_lpEdit = m_lpWork->At(m_First + m_Cur);
                } else if (DataRows() <= 0) {
                    ResetRecord(*m_lpEdit);
                    m_Cur = -1;
                } else if (IsAppendRow(m_Cur)) {
                    ResetRecord(*m_lpEdit);
                } else {
                    m_Cur = DataRows() - 1;
                    if (IsFlagRow(m_Cur)) m_Flags[m_Cur] = 1;
                    *m_lpEdit = m_lpWork->At(m_First + m_Cur);
                }
            }
        } else {
            m_Cur = row == -1 ? GetSel() : row;
            if (!IsDataRow(m_Cur) || AtMinimum()) return Refuse();
            m_lpWork->erase(m_lpWork->begin() + (m_First + m_Cur));
            FollowShrink();
        }
        Refill();
        Refresh();
        return 1;
    }
    // Sets the number of records of a fixed-length table, within the minimum and maximum.
    int SetRowCount(int count) {
        if (count < m_Min || count > m_Max) return Refuse();
        m_lpWork->resize(static_cast<size_t>(m_First + count));
        FollowShrink();
        Refill();
        Refresh();
        return 1;
    }

    // Edits the current row in a modal dialog of class D, made with (template id, the owning
    // page, kind, group, this list or null, 1 or 0). groupMode 1 hides and 2 disables the
    // group's windows meanwhile. The slot holds the dialog while it runs and is null after.
    // The dialog's end code; 0 when there is no current row. A non-zero code refills the list.
    template <class D>
    int OpenItemDlg(D** slot, UINT templateId, cWndGroup* group, int groupMode, int passOwner) {
        cDataList* owner = passOwner ? this : nullptr;
        return OpenRowDlg(slot, group, groupMode, [&](cPage* page) {
            return new (std::nothrow) D(templateId, page, eKindDialog, group, owner, passOwner ? 1 : 0);
        });
    }
    // The same for a dialog of any constructor: make(owning page) creates it (null when out of
    // memory), so a row's own dialog class needs no constructor of the list's shape.
    template <class D, class Make>
    int OpenRowDlg(D** slot, cWndGroup* group, int groupMode, Make make) {
        m_LastCmd = eCmdItemDlg;
        if (m_Cur == -1) return 0;
        GroupMode(group, groupMode, 0);
        *slot = make(m_lpPage);
        if (!*slot) {
            OutOfMemory();
            GroupMode(group, groupMode, 1);
            return 0;
        }
        int code = static_cast<int>((*slot)->DoModal(0));
        SafeDelete(*slot);
        if (code) {
            Refill();
            Refresh();
        }
        GroupMode(group, groupMode, 1);
        return code;
    }

    // Inserts a row before the current one and runs its dialog (run() returns the dialog's end
    // code). OK selects the row after the new one; Cancel removes the new row alone and selects
    // again the rows selected before, the current one last so that it keeps the caret. The end
    // code; 0 when the list refused the row.
    template <class Run>
    int InsertWithDialog(Run run) {
        std::vector<uint32_t> flags = m_Flags;
        int current = m_Cur;
        if (!CmdInsert()) return 0;
        int inserted = m_Cur;
        int result = run();
        if (result) {
            SelectSingle(inserted + 1, false);
            return result;
        }
        SelectSingle(inserted, false);
        CmdDelete(-1, true);
        int rows = static_cast<int>(flags.size());
        int first = 0;
        while (first < rows && !flags[first]) ++first;
        if (first < rows) {
            SelectSingle(first, false);
            for (int row = first + 1; row < rows; ++row)
                if (flags[row]) Select(row, false);
            if (current >= 0 && current < rows && flags[current]) Select(current, false);
        }
        Refresh();
        return 0;
    }

private:
    int Size() const { return m_lpWork ? static_cast<int>(m_lpWork->size()) : 0; }
    int DataRows() const { return Size() - m_First; }
    bool IsFull() const { return Size() >= m_First + m_Max; }
    bool AtMinimum() const { return Size() <= m_First + m_Min; }
    bool IsFlagRow(int row) const { return row >= 0 && row < static_cast<int>(m_Flags.size()); }
    bool AnyFlag() const {
        for (uint32_t flag : m_Flags)
            if (flag) return true;
        return false;
    }
    static void ResetRecord(T& record) { record = T(); }
    int Refuse() {
        MessageBeep(0);
        return 0;
    }
    void ApplyFlags() {
        for (size_t r = 0; r < m_Flags.size(); ++r) SendMessageA(m_hWnd, LB_SETSEL, m_Flags[r] ? TRUE : FALSE, static_cast<LPARAM>(r));
    }
    // After records went away at the end: the current row moves onto the last record, or to
    // none when no record is left; the edit record follows.
    void FollowShrink() {
        if (m_First + m_Cur >= Size()) {
            m_Cur = DataRows() - 1;
            SendMessageA(m_hWnd, LB_SETCURSEL, m_Cur, 0);
            if (DataRows() > 0) {
                ShowSelected();
            } else {
                if (m_lpEdit) ResetRecord(*m_lpEdit);
                m_Cur = -1;
            }
        } else {
            ShowSelected();
        }
    }
    static void GroupMode(cWndGroup* group, int mode, int on) {
        if (!group) return;
        if (mode == 1) group->ShowAll(on);
        if (mode == 2) group->EnableAll(on);
    }
    int RunCmd(UINT id, const uint16_t ids[kListCmds]) {
        if (!id || GetFocus() != m_hWnd) return 0;
        if (id == ids[eCmdCut]) return CmdCut();
        if (id == ids[eCmdCopy]) return CmdCopy();
        if (id == ids[eCmdPaste]) return CmdPaste();
        if (id == ids[eCmdAppend]) return CmdAppend();
        if (id == ids[eCmdInsert]) return CmdInsert();
        if (id == ids[eCmdClear]) return CmdClear();
        if (id == ids[eCmdDelete]) return CmdDelete(-1, false);
        return 0;
    }
    void CopySettings(const cDataList& other) {
        m_Multi = other.m_Multi;
        m_lpBound = other.m_lpBound;
        m_lpWork = other.m_lpWork;
        m_lpEdit = other.m_lpEdit;
        m_Numbering = other.m_Numbering;
        m_Min = other.m_Min;
        m_Max = other.m_Max;
        m_NoForced = other.m_NoForced;
        m_First = other.m_First;
        m_Append = other.m_Append;
        SetAccelIds(other.m_AccelIds);
        SetMenuIds(other.m_MenuIds);
        m_RowText = other.m_RowText;
    }

    int m_Cur = -1;
    int m_Anchor = -1;
    std::vector<uint32_t> m_Flags;
    int m_LastCur = -1;
    std::vector<uint32_t> m_SavedFlags;
    int m_Top = 0;
    int m_Multi = 0;
    V* m_lpBound = nullptr;
    V* m_lpWork = nullptr;
    T* m_lpEdit = nullptr;
    V m_Clip;
    T m_Blank;
    int m_Numbering = 0;
    int m_Min = 0;
    int m_Max = 0;
    int m_NoForced = 0;
    int m_First = 0;
    int m_Append = 0;
    uint16_t m_AccelIds[kListCmds] = {};
    uint16_t m_MenuIds[kListCmds] = {};
    int m_LastCmd = 0;
    typename Desc::RowTextFn m_RowText = nullptr;
    std::string m_AppendText = kAppendRowText;
    HMENU m_hMenuRes = nullptr;  // the loaded menu; m_hMenu is its first submenu
};

template <class T, class V = cCheckedVector<T>>
using cBoundDataList = cBound<cDataList<T, V>, cDataListDesc<T, V>>;
