#include "game/media/ChannelTables.h"

#include <mutex>

#include "game/media/PixelView.h"

namespace {

void Build(cChannel& channel, int shift, uint32_t mask) {
    channel.nShift = shift;
    // A 16-bit pixel never holds more of a channel than its low 16 bits.
    channel.dwMask = mask & 0xFFFF;
    channel.ToByte.resize(channel.dwMask + 1);
    cPixelFormat alone;
    alone.dwRedMask = mask;
    for (uint32_t v = 0; v <= channel.dwMask; ++v) channel.ToByte[v] = static_cast<uint8_t>(PixelToRgb(v, alone).r);
    for (int c = 0; c < 256; ++c) {
        cRgb rgb;
        rgb.r = c;
        channel.FromByte[c] = RgbToPixel(rgb, alone) << shift;
    }
}

bool SameFormat(const cPixelFormat& a, const cPixelFormat& b) {
    return a.nRedShift == b.nRedShift && a.nGreenShift == b.nGreenShift && a.nBlueShift == b.nBlueShift &&
           a.dwRedMask == b.dwRedMask && a.dwGreenMask == b.dwGreenMask && a.dwBlueMask == b.dwBlueMask;
}

}  // namespace

std::shared_ptr<const cChannelTables> ChannelTables(const cPixelFormat& format) {
    static std::mutex lock;
    static cPixelFormat builtFor;
    static std::shared_ptr<const cChannelTables> built;
    std::lock_guard<std::mutex> guard(lock);
    if (built && SameFormat(builtFor, format)) return built;
    auto tables = std::make_shared<cChannelTables>();
    Build(tables->Red, format.nRedShift, format.dwRedMask);
    Build(tables->Green, format.nGreenShift, format.dwGreenMask);
    Build(tables->Blue, format.nBlueShift, format.dwBlueMask);
    builtFor = format;
    built = tables;
    return built;
}
