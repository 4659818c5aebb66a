#include "framework/EditVal.h"

#include <cmath>

#include "framework/NumText.h"

int DecimalCount(double v) {
    std::string text = Format("%.10f", v);
    int skipped = 0;
    for (int i = 0; i < 10 && i < static_cast<int>(text.size()); ++i) {
        char c = text[text.size() - 1 - static_cast<size_t>(i)];
        if (c == '.') return 0;
        if (c != '0') break;
        ++skipped;
    }
    int decimals = static_cast<int>(text.size()) - skipped -
                   (DigitCount(static_cast<uint32_t>(std::fabs(v))) + 1) - (v < 0 ? 1 : 0);
    return decimals > 0 ? decimals : 0;
}

std::string FullWidthToAscii(const char* text) {
    std::string ascii;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (!IsCp932LeadByte(*p) || !p[1]) continue;
        unsigned char lead = *p++;
        unsigned char trail = *p;
        if (lead == 0x81 && trail == 0x44) ascii += '.';           // ．
        if (lead == 0x81 && trail == 0x7C) ascii += '-';           // －
        if (lead == 0x82 && trail >= 0x4F && trail <= 0x58) ascii += static_cast<char>('0' + trail - 0x4F);  // ０..９
    }
    return ascii;
}

std::string ReadImeResult(HWND wnd) {
    char text[1025] = "";
    HIMC context = ImmGetContext(wnd);
    if (!context) return std::string();
    LONG bytes = ImmGetCompositionStringA(context, GCS_RESULTSTR, text, sizeof text - 1);
    ImmReleaseContext(wnd, context);
    if (bytes <= 0) return std::string();
    text[bytes] = 0;
    return FullWidthToAscii(text);
}
