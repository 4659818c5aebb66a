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

// The tables of the format; those last built are kept while the format stays the same.
std::shared_ptr<const cChannelTables> ChannelTables(const cPixelFormat& format);
