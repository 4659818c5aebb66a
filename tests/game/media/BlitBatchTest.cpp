// The batch draws by its own pixel loops; every case is drawn once through DirectDraw and once
// through the batch, onto destinations that start alike, and must come out pixel for pixel the
// same.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "game/media/Blit.h"
#include "game/media/BlitBatch.h"
#include "tests/game/media/DisplayFixture.h"

namespace {

const int kDestWidth = 45;
const int kDestHeight = 29;
const int kKey = 0x3A;  // at both depths, a value the fillers hit often

// An off-screen system-memory surface of the depth (8: palette indexes), keyed or not.
bool MakeSurface(cSurface& record, int depth, int width, int height, bool keyed) {
    DDSURFACEDESC2 desc = {};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PIXELFORMAT;
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    desc.dwWidth = width;
    desc.dwHeight = height;
    DDPIXELFORMAT& f = desc.ddpfPixelFormat;
    f.dwSize = sizeof f;
    if (depth == 8) {
        f.dwFlags = DDPF_RGB | DDPF_PALETTEINDEXED8;
        f.dwRGBBitCount = 8;
    } else {
        f.dwFlags = DDPF_RGB;
        f.dwRGBBitCount = 16;
        f.dwRBitMask = 0xF800;
        f.dwGBitMask = 0x07E0;
        f.dwBBitMask = 0x001F;
    }
    if (FAILED(Display().lpDD->CreateSurface(&desc, &record.lpSurface, nullptr))) return false;
    record.nWidth = width;
    record.nHeight = height;
    if (!keyed) return true;
    DDCOLORKEY key = {kKey, kKey};
    return SUCCEEDED(record.lpSurface->SetColorKey(DDCKEY_SRCBLT, &key));
}

// Every pixel from (x, y) and the seed; about one in three of the source's is the key.
void Fill(cSurface& record, unsigned seed, bool withKeys) {
    cLockedView locked(record);
    ASSERT_TRUE(locked.IsLocked());
    const cPixelView& v = locked.View();
    for (int y = 0; y < record.nHeight; ++y)
        for (int x = 0; x < record.nWidth; ++x) {
            unsigned h = (x * 73856093u) ^ (y * 19349663u) ^ (seed * 83492791u);
            h ^= h >> 13;
            v.Set(x, y, withKeys && h % 3 == 0 ? kKey : (h >> 4) & 0xFFFF);
        }
}

std::vector<uint32_t> Pixels(cSurface& record) {
    std::vector<uint32_t> all;
    cLockedView locked(record);
    EXPECT_TRUE(locked.IsLocked());
    if (!locked.IsLocked()) return all;
    for (int y = 0; y < record.nHeight; ++y)
        for (int x = 0; x < record.nWidth; ++x) all.push_back(locked.View().Get(x, y));
    return all;
}

struct cSources {
    cSurface& picture;  // 13 x 7, keyed, a third of its pixels the key
    cSurface& plain;    // 13 x 7, without a key
};

struct cBatchCase {
    const char* name;
    std::function<void(cSurface& dest, const cSources& s)> direct;
    std::function<void(cBlitBatch& batch, cSurface& dest, const cSources& s)> batched;
};

class BlitBatches : public testing::TestWithParam<int> {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_Display.IsReady());
        const int depth = GetParam();
        ASSERT_TRUE(MakeSurface(m_Picture, depth, 13, 7, true));
        ASSERT_TRUE(MakeSurface(m_Plain, depth, 13, 7, false));
        ASSERT_TRUE(MakeSurface(m_Direct, depth, kDestWidth, kDestHeight, false));
        ASSERT_TRUE(MakeSurface(m_Batched, depth, kDestWidth, kDestHeight, false));
        Fill(m_Picture, 1, true);
        Fill(m_Plain, 2, true);
    }
    void TearDown() override {
        for (cSurface* s : {&m_Picture, &m_Plain, &m_Direct, &m_Batched}) DDReleaseSurface(*s);
    }
    void Run(const std::vector<cBatchCase>& cases) {
        const cSources sources{m_Picture, m_Plain};
        for (const cBatchCase& c : cases) {
            Fill(m_Direct, 3, false);
            Fill(m_Batched, 3, false);
            const std::vector<uint32_t> before = Pixels(m_Direct);
            c.direct(m_Direct, sources);
            {
                cBlitBatch batch(m_Batched);
                c.batched(batch, m_Batched, sources);
            }
            const std::vector<uint32_t> direct = Pixels(m_Direct), batched = Pixels(m_Batched);
            EXPECT_NE(before, direct) << c.name << ": the case draws nothing";
            ASSERT_EQ(direct.size(), batched.size());
            for (size_t i = 0; i < direct.size(); ++i)
                if (direct[i] != batched[i]) {
                    ADD_FAILURE() << c.name << " at " << i % kDestWidth << "," << i / kDestWidth << ": "
                                  << direct[i] << " drawn directly, " << batched[i] << " by the batch";
                    break;
                }
        }
    }

    cWindowDisplay m_Display;
    cSurface m_Picture, m_Plain, m_Direct, m_Batched;
};

// One rectangle copy, the same arguments both ways.
cBatchCase Copy(const char* name, int x, int y, int w, int h, int sx, int sy, DWORD flags, bool plain = false) {
    return {name,
            [=](cSurface& d, const cSources& s) { DDBlt(d, x, y, w, h, plain ? s.plain : s.picture, sx, sy, flags); },
            [=](cBlitBatch& b, cSurface&, const cSources& s) { b.Blt(x, y, w, h, plain ? s.plain : s.picture, sx, sy, flags); }};
}

void TileOneByOne(cSurface& d, int areaWidth, int areaHeight, cSurface& picture, int firstX, int firstY, DWORD flags) {
    for (int y = -firstY; y < areaHeight; y += picture.nHeight)
        for (int x = -firstX; x < areaWidth; x += picture.nWidth)
            DDBlt(d, x, y, picture.nWidth, picture.nHeight, picture, 0, 0, flags);
}

// The picture tiled from (firstX, firstY) over an area, against the copies one by one.
cBatchCase Tiles(const char* name, int areaWidth, int areaHeight, int firstX, int firstY, DWORD flags) {
    return {name,
            [=](cSurface& d, const cSources& s) { TileOneByOne(d, areaWidth, areaHeight, s.picture, firstX, firstY, flags); },
            [=](cBlitBatch& b, cSurface&, const cSources& s) { b.Tile(areaWidth, areaHeight, s.picture, firstX, firstY, flags); }};
}

const DWORD kKeyed = DDBLTFAST_SRCCOLORKEY;

}  // namespace

TEST_P(BlitBatches, CopiesDrawWhatDirectDrawDraws) {
    Run({
        Copy("keyed, inside", 5, 4, 13, 7, 0, 0, kKeyed),
        Copy("opaque, inside", 5, 4, 13, 7, 0, 0, 0),
        Copy("keyed part of the source", 20, 3, 6, 4, 5, 2, kKeyed),
        Copy("clipped at the left and top", -4, -3, 13, 7, 0, 0, kKeyed),
        Copy("clipped at the right and bottom", 40, 25, 13, 7, 0, 0, kKeyed),
        Copy("opaque, clipped at every edge", -2, 26, 13, 7, 1, 0, 0),
        Copy("the source rectangle past the source", 10, 10, 20, 20, 8, 3, kKeyed),
        Copy("a negative source corner", 10, 10, 13, 7, -3, -2, kKeyed),
        Copy("a negative source corner, clipped", -5, -1, 13, 7, -3, -2, kKeyed),
        Copy("a source without a key, keyed", 3, 3, 13, 7, 0, 0, kKeyed, true),
        Copy("a source without a key, opaque", 3, 3, 13, 7, 0, 0, 0, true),
        {"many copies, two sources, a fill among them",
         [](cSurface& d, const cSources& s) {
             for (int i = 0; i < 12; ++i) DDBlt(d, i * 4 - 3, i * 3 - 2, 13, 7, i % 3 ? s.picture : s.plain, i, 0, kKeyed);
             DDFillRect(d, 30, -2, 20, 8, 5);
             DDBlt(d, 28, 0, 13, 7, s.picture, 0, 0, kKeyed);
         },
         [](cBlitBatch& b, cSurface&, const cSources& s) {
             for (int i = 0; i < 12; ++i) b.Blt(i * 4 - 3, i * 3 - 2, 13, 7, i % 3 ? s.picture : s.plain, i, 0, kKeyed);
             b.Fill(30, -2, 20, 8, 5);
             b.Blt(28, 0, 13, 7, s.picture, 0, 0, kKeyed);
         }},
        {"drawn partly through DirectDraw between copies",
         [](cSurface& d, const cSources& s) {
             DDBlt(d, 0, 0, 13, 7, s.picture, 0, 0, kKeyed);
             DDBlt(d, 6, 2, 13, 7, s.plain, 0, 0, 0);
             DDBlt(d, 9, 4, 13, 7, s.picture, 0, 0, kKeyed);
         },
         [](cBlitBatch& b, cSurface& d, const cSources& s) {
             b.Blt(0, 0, 13, 7, s.picture, 0, 0, kKeyed);
             b.Unlock();
             DDBlt(d, 6, 2, 13, 7, s.plain, 0, 0, 0);
             b.Blt(9, 4, 13, 7, s.picture, 0, 0, kKeyed);
         }},
    });
}

TEST_P(BlitBatches, TilesDrawWhatTheCopiesOneByOneDraw) {
    Run({
        Tiles("keyed, from the corner", kDestWidth, kDestHeight, 0, 0, kKeyed),
        Tiles("opaque, from the corner", kDestWidth, kDestHeight, 0, 0, 0),
        Tiles("keyed, wrapped at every edge", kDestWidth, kDestHeight, 11, 5, kKeyed),
        Tiles("opaque, wrapped at every edge", kDestWidth, kDestHeight, 12, 6, 0),
        Tiles("an area past the destination", 70, 50, 3, 1, kKeyed),
        Tiles("an area short of the destination", 30, 15, 4, 2, kKeyed),
        Tiles("an area one tile wide", 1, 1, 7, 3, 0),
        // Drawn together a row at a time, each layer still lies over the ones before it.
        {"fills and layers stacked",
         [](cSurface& d, const cSources& s) {
             DDFillRect(d, 0, 0, 40, 20, 3);
             TileOneByOne(d, 40, 20, s.plain, 5, 0, 0);
             TileOneByOne(d, kDestWidth, kDestHeight, s.picture, 2, 6, kKeyed);
             DDFillRect(d, 10, -4, 12, 9, 4);
             TileOneByOne(d, 30, 25, s.picture, 9, 1, kKeyed);
             TileOneByOne(d, kDestWidth, 12, s.plain, 0, 3, 0);
         },
         [](cBlitBatch& b, cSurface&, const cSources& s) {
             b.Fill(0, 0, 40, 20, 3);
             b.Tile(40, 20, s.plain, 5, 0, 0);
             b.Tile(kDestWidth, kDestHeight, s.picture, 2, 6, kKeyed);
             b.Fill(10, -4, 12, 9, 4);
             b.Tile(30, 25, s.picture, 9, 1, kKeyed);
             b.Tile(kDestWidth, 12, s.plain, 0, 3, 0);
         }},
        {"layers, then a copy over them, then a layer keyed from a source without a key",
         [](cSurface& d, const cSources& s) {
             TileOneByOne(d, kDestWidth, kDestHeight, s.picture, 3, 3, 0);
             DDBlt(d, 4, 4, 13, 7, s.picture, 0, 0, kKeyed);
             TileOneByOne(d, kDestWidth, kDestHeight, s.plain, 1, 2, kKeyed);
         },
         [](cBlitBatch& b, cSurface&, const cSources& s) {
             b.Tile(kDestWidth, kDestHeight, s.picture, 3, 3, 0);
             b.Blt(4, 4, 13, 7, s.picture, 0, 0, kKeyed);
             b.Tile(kDestWidth, kDestHeight, s.plain, 1, 2, kKeyed);
         }},
    });
}

INSTANTIATE_TEST_SUITE_P(Depths, BlitBatches, testing::Values(8, 16),
                         [](const testing::TestParamInfo<int>& info) { return info.param == 8 ? "Eight" : "Sixteen"; });
