#pragma once
// Walks over cp932 text as the text styles lay it out.
#include <cstring>

#include "framework/Format.h"

inline bool IsCp932TrailByte(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// Bytes of the character at p: 2 for a lead byte followed by a valid trail byte, else 1.
inline int CharBytes(const char* p) {
    return IsCp932LeadByte(static_cast<unsigned char>(p[0])) && IsCp932TrailByte(static_cast<unsigned char>(p[1]))
               ? 2
               : 1;
}

inline bool IsGlyphLetter(const char* p, int bytes) { return bytes == 1 && *p >= 'a' && *p <= 'z'; }

// Calls visit(character, bytes, column, row) for every character of a fixed-pitch text: each
// takes one cell of pitch pixels, and a line break starts the next line lineHeight lower.
template <class Visit>
void WalkCells(const char* text, int pitch, int lineHeight, Visit visit) {
    int column = 0;
    int row = 0;
    for (const char* p = text; *p;) {
        if (*p == '\n') {
            row += lineHeight;
            column = 0;
            ++p;
            continue;
        }
        int bytes = CharBytes(p);
        visit(p, bytes, column, row);
        column += pitch;
        p += bytes;
    }
}

// Calls visit(start, length, lineNumber) for every line; n line breaks make n + 1 lines.
template <class Visit>
void WalkLines(const char* text, Visit visit) {
    for (int k = 0;; ++k) {
        const char* end = strchr(text, '\n');
        if (!end) {
            visit(text, static_cast<int>(strlen(text)), k);
            return;
        }
        visit(text, static_cast<int>(end - text), k);
        text = end + 1;
    }
}
