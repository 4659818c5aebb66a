#include "framework/StrEdit.h"

#include <algorithm>
#include <vector>

#include "framework/Format.h"

namespace {

int CountLines(const std::string& text) {
    return text.empty() ? 0 : 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

size_t CharLength(const std::string& text, size_t pos) {
    return IsCp932LeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// Moves a selection position as the text changes at pos: by delta bytes when it lies at or
// after pos (removed bytes pull the positions inside them back to pos).
void Shift(int* sel, size_t pos, int delta) {
    if (*sel < static_cast<int>(pos)) return;
    *sel = std::max(static_cast<int>(pos), *sel + delta);
}

// The edit control counts positions in characters (a double-byte character is one); the
// text is worked on in bytes.
int CharToByte(const std::string& text, int chars) {
    size_t pos = 0;
    for (int i = 0; i < chars && pos < text.size(); ++i) pos += CharLength(text, pos);
    return static_cast<int>(pos);
}

int ByteToChar(const std::string& text, int bytes) {
    int chars = 0;
    for (size_t pos = 0; pos < text.size() && static_cast<int>(pos) < bytes; pos += CharLength(text, pos)) ++chars;
    return chars;
}

}  // namespace

int CountChars(const std::string& text) {
    int count = 0;
    for (size_t i = 0; i < text.size(); i += CharLength(text, i))
        if (text[i] != '\n') ++count;
    return count;
}

void cStrEdit::Attach(cPage* page, const cStrEditDesc& desc) {
    cCtrl::Attach(page, static_cast<uint16_t>(desc.id));
    m_lpText = desc.lpText;
    m_Capacity = desc.capacity > 0 ? desc.capacity : 4096;
    m_Width = desc.width > 0 ? desc.width : 1024;
    m_Lines = desc.lines > 0 ? desc.lines : 32;
    m_Dbcs = desc.dbcs;
}

void cStrEdit::DataToCtrl() {
    if (!m_lpText) return;
    m_Last = *m_lpText;
    SetDlgItemTextA(m_hPageWnd, m_Id, m_lpText->c_str());
}

std::string cStrEdit::ReadText() const {
    int length = GetWindowTextLengthA(m_hWnd);
    std::vector<char> all(static_cast<size_t>(length) + 1);
    GetWindowTextA(m_hWnd, all.data(), length + 1);
    // Cut to the capacity without splitting a double-byte character.
    size_t count = static_cast<size_t>(m_Dbcs ? 2 * m_Capacity - 1 : m_Capacity);
    std::vector<char> kept(count);
    CopyText(kept.data(), count, all.data());
    return kept.data();
}

void cStrEdit::CtrlToData() {
    if (m_lpText && m_hWnd) *m_lpText = ReadText();
}

// Backspace that removed a line break joins two lines: refused when the line before it is
// already full.
bool cStrEdit::RefusesJoin(const std::string& work) const {
    if (!(GetAsyncKeyState(VK_BACK) & 0x8000) || m_SelStart != m_SelEnd) return false;
    if (work.size() + 2 != m_Last.size() || CountLines(work) >= CountLines(m_Last)) return false;
    std::string before = m_Last.substr(0, std::min(static_cast<size_t>(m_SelEnd), m_Last.size()));
    size_t cr = before.rfind('\r');
    std::string line = cr == std::string::npos ? before : before.substr(std::min(cr + 2, before.size()));
    return Length(line) >= m_Width;
}

void cStrEdit::BreakLines(std::string& work) {
    size_t pos = 0;
    for (int pass = 0; pass < m_Lines; ++pass) {
        size_t end = work.find('\r', pos);
        if (end == std::string::npos) end = work.size();
        if (Length(work.substr(pos, end - pos)) > m_Width) {
            // Keep the whole characters that fit; at least one, so that every pass moves on.
            size_t keep = pos;
            int length = 0;
            while (keep < end) {
                size_t n = CharLength(work, keep);
                int add = m_Dbcs ? 1 : static_cast<int>(n);
                if (length + add > m_Width && keep > pos) break;
                length += add;
                keep += n;
            }
            work.insert(keep, "\r\n");
            Shift(&m_SelStart, keep, 2);
            Shift(&m_SelEnd, keep, 2);
            end += 2;
            // The overflow joins the line that followed.
            if (work.compare(end, 2, "\r\n") == 0) {
                work.erase(end, 2);
                Shift(&m_SelStart, end, -2);
                Shift(&m_SelEnd, end, -2);
            }
            pos = keep + 2;
            continue;
        }
        if (end >= work.size()) break;
        pos = end + 1;
        if (pos < work.size() && work[pos] == '\n') ++pos;
    }
}

void cStrEdit::Reformat() {
    if (m_Busy) return;
    m_Busy = 1;
    std::string work = ReadText();
    DWORD start = 0, end = 0;
    SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    m_SelStart = CharToByte(work, static_cast<int>(start));
    m_SelEnd = CharToByte(work, static_cast<int>(end));

    if (RefusesJoin(work)) {
        // The caret stays at the start of the line it was on.
        work = m_Last;
        m_SelStart = m_SelEnd = m_SelEnd + 2;
    } else {
        // A refused change puts the caret back where it was before the typed bytes.
        int grown = static_cast<int>(work.size()) - static_cast<int>(m_Last.size());
        int selStart = std::max(0, m_SelStart - std::max(0, grown));
        int selEnd = std::max(0, m_SelEnd - std::max(0, grown));
        BreakLines(work);
        if (CountLines(work) > m_Lines) {
            MessageBeep(0);
            work = m_Last;
            m_SelStart = selStart;
            m_SelEnd = selEnd;
        }
        // The caret never stands between CR and LF.
        for (int* sel : {&m_SelStart, &m_SelEnd})
            if (*sel < static_cast<int>(work.size()) && work[static_cast<size_t>(*sel)] == '\n') ++*sel;
    }
    m_SelStart = std::min(m_SelStart, static_cast<int>(work.size()));
    m_SelEnd = std::min(m_SelEnd, static_cast<int>(work.size()));

    SetDlgItemTextA(m_hPageWnd, m_Id, work.c_str());
    SendMessageA(m_hWnd, EM_SETSEL, static_cast<WPARAM>(ByteToChar(work, m_SelStart)), ByteToChar(work, m_SelEnd));
    m_Last = work;
    m_Busy = 0;
}
