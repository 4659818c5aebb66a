#pragma once
// Converting a 256-colour bitmap onto the project's colours: every pixel moves to the nearest of
// colours 0 and 16 to 207 of the second palette, the input's transparent colour may become 0 and
// a line colour one of the line colours (10 to 15), and the written file carries the second
// palette with the project palette's line and fixed colours (10-15, 208-239).
#include <windows.h>

#include <cstdint>
#include <string>

// The conversion tool's settings: one set for the editor's whole run (they are not saved).
struct cBmpConvertSettings {
    int32_t useTransparent = 0;  // "透過色を使用している"
    int32_t transparent = 0;     // the input's transparent colour number
    int32_t replaceLine = 0;     // "線色を置換する"
    int32_t lineIn = 0;          // the input's line colour number
    int32_t lineOut = 0;         // the output's line colour number (one byte)
    int32_t overwrite = 0;       // "入力と同じ（※上書きする）"
    std::string outFolder;       // "出力先のパス"
};
cBmpConvertSettings& BmpConvertSettings();

// Converts one file with the settings and the two palettes (256 colour-table entries each).
// Only an uncompressed 8-bit bitmap with a 40-byte header, a width above 0, a height other than
// 0, 256 colours straight after the headers and every row of pixels present is converted (a
// top-down one as it is stored); anything else is refused with its message before anything is
// written. The output goes through the safe save: a failure leaves the file it would replace
// as it was. False, after the message, when nothing was written.
bool ConvertBitmap(const char* outPath, const char* inPath, const cBmpConvertSettings& settings,
                   const RGBQUAD* secondPalette, const RGBQUAD* projectPalette);
// The same with the tool's settings and the project's palettes.
bool ConvertBitmap(const char* outPath, const char* inPath);

// The colour a pixel whose nearest entry of the second palette is n becomes: colours 1 to 15
// and 208 to 254 are kept for the system, 0 is the transparent colour and 255 white.
uint8_t MapNearestColour(int n);
