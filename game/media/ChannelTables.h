#pragma once
// The channel conversions of PixelToRgb and RgbToPixel as tables, built once per pixel format,
// so that per-pixel effects take a pixel apart and put it together with lookups alone.
#include <cstdint>
#include <memory>
#include <vector>

#include "game/media/Display.h"

struct cChannel {
    int nShift = 0;
    uint32_t dwMask = 0;
    // The channel's value (0 ... mask, at most 16 bits as a pixel holds) on the 0-255 scale.
    std::vector<uint8_t> ToByte;
    // 0-255 back to the channel's value, already in its place in the pixel.
    uint32_t FromByte[256] = {};

    uint32_t Value(uint32_t pixel) const { return (pixel >> nShift) & dwMask; }
    int Byte(uint32_t pixel) const { return ToByte[Value(pixel)]; }
    // A table over the channel's values: what each becomes through f (a 0-255 component to a
    // 0-255 component), in place in the pixel.
    template <class F>
    std::vector<uint16_t> Map(F f) const {
        std::vector<uint16_t> map(ToByte.size());
        for (size_t v = 0; v < map.size(); ++v) map[v] = static_cast<uint16_t>(FromByte[f(ToByte[v])]);
        return map;
    }
};

struct cChannelTables {
    cChannel Red;
    cChannel Green;
    cChannel Blue;

    // Components on the 0-255 scale.
    uint32_t Pixel(int r, int g, int b) const { return Red.FromByte[r] | Green.FromByte[g] | Blue.FromByte[b]; }
};

// Takes pixels apart into channel values. The usual formats get their shifts as constants: a
// shift by a constant is one instruction, one by a count held in a register several, and the
// per-pixel loops do nine of them per pixel.
template <int R, int G, int B>
struct cFixedSplit {
    uint32_t rm, gm, bm;
    uint32_t Red(uint32_t p) const { return (p >> R) & rm; }
    uint32_t Green(uint32_t p) const { return (p >> G) & gm; }
    uint32_t Blue(uint32_t p) const { return (p >> B) & bm; }
};
struct cAnySplit {
    uint32_t rm, gm, bm;
    int rs, gs, bs;
    uint32_t Red(uint32_t p) const { return (p >> rs) & rm; }
    uint32_t Green(uint32_t p) const { return (p >> gs) & gm; }
    uint32_t Blue(uint32_t p) const { return (p >> bs) & bm; }
};

// The tables of the format; those last built are kept while the format stays the same.
std::shared_ptr<const cChannelTables> ChannelTables(const cPixelFormat& format);

// Runs the routine with the splitter of the tables' format: RGB 5-6-5 and 5-5-5 with constant
// shifts, any other format with shifts read at run time.
template <class Routine>
void WithSplit(const cChannelTables& t, Routine&& routine) {
    uint32_t rm = t.Red.dwMask, gm = t.Green.dwMask, bm = t.Blue.dwMask;
    int rs = t.Red.nShift, gs = t.Green.nShift, bs = t.Blue.nShift;
    if (rs == 11 && gs == 5 && bs == 0)
        routine(cFixedSplit<11, 5, 0>{rm, gm, bm});
    else if (rs == 10 && gs == 5 && bs == 0)
        routine(cFixedSplit<10, 5, 0>{rm, gm, bm});
    else
        routine(cAnySplit{rm, gm, bm, rs, gs, bs});
}
