#pragma once
// The text edit bound to a byte string (cp932). While the user types it keeps the text within
// a total length, a line width and a number of lines: a line that grows past the width is
// broken and its overflow flows into the next line, a change that would leave too many lines
// is refused with a beep, and Backspace does not join a line onto a full one. Lines are
// separated by CR LF. Widths count characters in double-byte mode, bytes otherwise.
#include <string>

#include "framework/Binding.h"

struct cStrEditDesc {
    uint32_t id = 0;
    std::string* lpText = nullptr;
    int capacity = 0;  // the most bytes read, the terminating zero included; 0: 4096
    int width = 0;     // the most characters (bytes) per line; 0: 1024
    int lines = 0;     // the most lines; 0: 32
    int dbcs = 0;

    cStrEditDesc() = default;
    // A single line of at most `limit` characters (double-byte mode) or bytes.
    cStrEditDesc(uint16_t ctrlId, std::string* text, int limit, int dbcsFlag)
        : id(ctrlId), lpText(text), capacity(limit + 1), width(dbcsFlag ? limit : 0), lines(1), dbcs(dbcsFlag) {}
};

// The multi-line form: lines of `width` characters (bytes), at most `lines` of them.
struct BindRec : cStrEditDesc {
    BindRec(uint16_t ctrlId, std::string* text, int lineWidth, int lineCount, int dbcsFlag) {
        id = ctrlId;
        lpText = text;
        width = lineWidth;
        lines = lineCount;
        dbcs = dbcsFlag;
    }
};

// Characters of a cp932 text: a double-byte character counts once, LF not at all.
int CountChars(const std::string& text);

class cStrEdit : public cCtrl {
public:
    cStrEdit() : cCtrl(eCtrlStrEdit) {}

    void Attach(cPage* page, const cStrEditDesc& desc);
    void DataToCtrl() override;
    void CtrlToData() override;
    // Runs on every EN_UPDATE of the edit.
    void Reformat() override;

    // The control's text as CtrlToData reads it.
    std::string ReadText() const;

private:
    int Length(const std::string& text) const { return m_Dbcs ? CountChars(text) : static_cast<int>(text.size()); }
    bool RefusesJoin(const std::string& work) const;
    void BreakLines(std::string& work);

    std::string* m_lpText = nullptr;
    int m_Capacity = 4096;
    int m_Dbcs = 0;
    int m_Width = 1024;
    int m_Lines = 32;
    std::string m_Last;  // the text as Reformat last left it
    int m_SelStart = 0;  // byte positions of the selection read at the start of an update
    int m_SelEnd = 0;
};

using cBoundStrEdit = cBound<cStrEdit, cStrEditDesc>;
