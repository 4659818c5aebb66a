// The checked BMP reader that the editor's and the game's pictures and palettes go through:
// every depth and row order, run-length data, and files whose headers promise more than they hold.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "framework/BmpFile.h"
#include "framework/Dib.h"
#include "tests/framework/BmpWriter.h"
#include "tests/framework/TestMedia.h"
#include "tests/support/TempDir.h"

namespace {

uint32_t Pattern(int x, int y) { return static_cast<uint32_t>((x * 5 + y * 3) % 7 == 0 ? 9 : (x / 3 + y) % 4); }

// The picture's pixels as text, one character per index ('a' + index), rows joined by '/'.
std::string Indexes(const cBmpImage& image) {
    std::string out;
    for (int y = 0; y < image.info.height; ++y) {
        if (y) out += '/';
        for (int x = 0; x < image.info.width; ++x) out += static_cast<char>('a' + image.Row(y)[x]);
    }
    return out;
}

// Puts the project palette back as it was when the test started.
class cProjectPaletteKeeper {
public:
    explicit cProjectPaletteKeeper(const cTempDir& dir) {
        cBmpShape shape;
        shape.colours.assign(GetProjectPalette(), GetProjectPalette() + 256);
        dir.Write("kept.bmp", MakeBmp(shape));
    }
    ~cProjectPaletteKeeper() { LoadPalette("kept.bmp"); }
};

bool Read(const cTempDir& dir, const cBmpShape& shape, cBmpImage* image) {
    dir.Write("p.bmp", MakeBmp(shape));
    return ReadBmpImage("p.bmp", image);
}

}  // namespace

TEST(BmpFile, EveryDepthRowOrderAndCompressionGivesTheSamePicture) {
    cTempDir dir;
    struct cCase {
        const char* name;
        int bitCount;
        bool topDown;
        uint32_t compression;
        int colours;
    };
    const cCase cases[] = {
        {"1 bit", 1, false, BI_RGB, 2},           {"4 bits", 4, false, BI_RGB, 16},
        {"4 bits top-down", 4, true, BI_RGB, 16}, {"8 bits", 8, false, BI_RGB, 256},
        {"8 bits top-down", 8, true, BI_RGB, 256}, {"8 bits run-length", 8, false, BI_RLE8, 256},
        {"24 bits", 24, false, BI_RGB, 0},        {"24 bits top-down", 24, true, BI_RGB, 0},
    };
    for (int width : {1, 3, 9, 17, 300}) {
        for (const cCase& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << ", width " << width);
            int most = c.bitCount == 1 ? 1 : 15;
            cBmpShape shape;
            shape.bitCount = c.bitCount;
            shape.width = width;
            shape.height = 5;
            shape.topDown = c.topDown;
            shape.compression = c.compression;
            shape.colours.assign(c.colours, RGBQUAD{1, 2, 3, 0});
            shape.pixel = [&](int x, int y) {
                uint32_t v = std::min<uint32_t>(Pattern(x, y), most);
                return c.bitCount == 24 ? v * 0x10203u : v;
            };
            cBmpImage image;
            ASSERT_TRUE(Read(dir, shape, &image));
            ASSERT_EQ(width, image.info.width);
            ASSERT_EQ(5, image.info.height);
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < width; ++x) {
                    uint32_t expected = shape.pixel(x, y);
                    const uint8_t* p = image.Row(y) + x * BmpPixelBytes(image.info);
                    uint32_t got = c.bitCount == 24 ? p[0] | p[1] << 8 | p[2] << 16 : p[0];
                    ASSERT_EQ(expected, got) << x << "," << y;
                }
        }
    }
}

TEST(BmpFile, RunLengthDataDecodesRunsEscapesAndMoves) {
    cTempDir dir;
    // Pictures of 4 x 3; rows of the data go from the bottom up.
    struct cCase {
        const char* name;
        uint32_t compression;
        std::vector<uint8_t> data;
        const char* pixels;  // nullptr: refused
    };
    const cCase cases[] = {
        {"runs and ends of line", BI_RLE8, {4, 1, 0, 0, 2, 2, 2, 3, 0, 0, 1, 4, 3, 5, 0, 1}, "efff/ccdd/bbbb"},
        {"pixels as they are, padded", BI_RLE8, {0, 3, 1, 2, 3, 0, 1, 4, 0, 1}, "aaaa/aaaa/bcde"},
        {"move right and up", BI_RLE8, {0, 2, 1, 1, 2, 7, 0, 1}, "aaaa/ahha/aaaa"},
        {"end mark after the last row's end of line", BI_RLE8, {0, 0, 0, 0, 0, 0, 0, 1}, "aaaa/aaaa/aaaa"},
        {"4-bit runs take nibbles in turn", BI_RLE4, {4, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 1}, "aaaa/defa/bcbc"},
        // Rows coded out to the stored width: what lies past the right edge is dropped.
        {"run past the row", BI_RLE8, {5, 1, 0, 1}, "aaaa/aaaa/bbbb"},
        {"pixels as they are past the row", BI_RLE8, {2, 1, 0, 3, 1, 2, 3, 0, 0, 1}, "aaaa/aaaa/bbbc"},
        {"run wholly past the row", BI_RLE8, {4, 1, 8, 2, 0, 0, 1, 3, 0, 1}, "aaaa/daaa/bbbb"},
        {"move past the row's end", BI_RLE8, {0, 2, 6, 0, 1, 5, 0, 0, 1, 4, 0, 1}, "aaaa/eaaa/aaaa"},
        {"4-bit run past the row", BI_RLE4, {6, 0x12, 0, 1}, "aaaa/aaaa/bcbc"},
        {"pixels as they are past the data", BI_RLE8, {0, 4, 1, 2}, nullptr},
        {"move past the last row", BI_RLE8, {0, 2, 0, 3, 1, 1, 0, 1}, nullptr},
        {"moves far past the last row", BI_RLE8, {0, 2, 0, 255, 0, 2, 0, 255, 1, 1, 0, 1}, nullptr},
        {"move cut off", BI_RLE8, {0, 2, 1}, nullptr},
        {"row past the last", BI_RLE8, {0, 0, 0, 0, 0, 0, 1, 1, 0, 1}, nullptr},
        {"no end mark", BI_RLE8, {4, 1, 0, 0}, nullptr},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cBmpShape shape;
        shape.bitCount = c.compression == BI_RLE4 ? 4 : 8;
        shape.colours.assign(shape.bitCount == 4 ? 16 : 256, RGBQUAD{});
        shape.width = 4;
        shape.height = 3;
        shape.compression = c.compression;
        shape.stored = c.data;
        cBmpImage image;
        bool read = Read(dir, shape, &image);
        ASSERT_EQ(c.pixels != nullptr, read);
        if (read) {
            EXPECT_EQ(c.pixels, Indexes(image));
        }
    }
}

// Pictures whose rows an encoder coded out to the stored width (rle/make-padded-rle.py: runs and
// pixels as they are crossing the right edge), each compared pixel for pixel with what another
// decoder read from it (rle/padded-W.ppm, committed beside it).
TEST(BmpFile, RunLengthRowsCodedToTheStoredWidthReadAsAnotherDecoderReadsThem) {
    for (int width : {21, 91, 426}) {
        const std::string name = "padded-" + std::to_string(width);
        SCOPED_TRACE(name);
        cBmpImage image;
        ASSERT_TRUE(ReadBmpImage(TestMediaPath((name + ".bmp").c_str()).c_str(), &image));
        std::istringstream expected(TestMediaBytes((name + ".ppm").c_str()));
        std::string magic;
        int ppmWidth = 0, ppmHeight = 0, most = 0;
        expected >> magic >> ppmWidth >> ppmHeight >> most;
        ASSERT_EQ("P3", magic);
        ASSERT_EQ(255, most);
        ASSERT_EQ(width, ppmWidth);
        ASSERT_EQ(ppmWidth, image.info.width);
        ASSERT_EQ(ppmHeight, image.info.height);
        for (int y = 0; y < ppmHeight; ++y)
            for (int x = 0; x < ppmWidth; ++x) {
                int r = -1, g = -1, b = -1;
                expected >> r >> g >> b;
                const RGBQUAD& c = image.colours[image.Row(y)[x]];
                ASSERT_EQ(r, c.rgbRed) << x << "," << y;
                ASSERT_EQ(g, c.rgbGreen) << x << "," << y;
                ASSERT_EQ(b, c.rgbBlue) << x << "," << y;
            }
        ASSERT_TRUE(expected) << "the expected pixels end early";
    }
}

TEST(BmpFile, HeadersThatPromiseMoreThanTheFileHoldsAreRefused) {
    cTempDir dir;
    typedef std::function<void(BITMAPFILEHEADER&, BITMAPINFOHEADER&)> cSpoil;
    struct cCase {
        const char* name;
        uint32_t compression;
        cSpoil spoil;
        int cutBytes;
        bool headersRefused = true;  // else only the pixels are
    };
    const cCase cases[] = {
        {"rows far beyond the file", BI_RGB, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biHeight = 5000; }, 0},
        {"top-down height of -16777209", BI_RGB, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biHeight = -16777209; }, 0},
        {"width over the limit", BI_RGB, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biWidth = kMaxBmpSide + 1; }, 0},
        {"cut inside the pixels", BI_RGB, nullptr, 100},
        {"cut inside the headers", BI_RGB, nullptr, 4 * 256 + 4 * 64 + 20},
        {"bit fields", BI_RGB, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biCompression = BI_BITFIELDS; }, 0},
        {"run-length at 24 bits", BI_RLE8, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biBitCount = 24; }, 0},
        {"8-bit run-length at 4 bits", BI_RLE8, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biBitCount = 4; }, 0},
        {"top-down run-length", BI_RLE8, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biHeight = -i.biHeight; }, 0},
        {"run-length area over the bound", BI_RLE8,
         [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biWidth = i.biHeight = kMaxBmpSide; }, 0},
        {"run-length data size past the file", BI_RLE8,
         [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biSizeImage += 1; }, 0},
        {"run-length cut before the end mark", BI_RLE8,
         [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biSizeImage -= 2; }, 2, false},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cBmpShape shape;
        shape.width = 64;
        shape.height = 4;
        shape.compression = c.compression;
        shape.pixel = Pattern;
        shape.spoil = c.spoil;
        shape.cutBytes = c.cutBytes;
        cBmpImage image;
        image.pixels.assign(3, 7);
        EXPECT_FALSE(Read(dir, shape, &image));
        EXPECT_EQ(3u, image.pixels.size()) << "a refused file leaves the image as it was";
        cBmpInfo info;
        EXPECT_EQ(!c.headersRefused, ReadBmpFileInfo("p.bmp", &info));
    }
}

TEST(BmpFile, ColourTableIsReadWhateverThePixelsCompression) {
    cTempDir dir;
    cProjectPaletteKeeper keeper(dir);
    std::vector<RGBQUAD> colours(256);
    for (int i = 0; i < 256; ++i) colours[i] = RGBQUAD{static_cast<BYTE>(i), static_cast<BYTE>(i ^ 0x55), 7, 0};
    for (uint32_t compression : {BI_RGB, BI_RLE8}) {
        SCOPED_TRACE(compression);
        cBmpShape shape;
        shape.width = 16;
        shape.height = 24;
        shape.compression = compression;
        shape.colours = colours;
        shape.pixel = [](int x, int y) { return static_cast<uint32_t>(y * 16 + x); };
        dir.Write("Palette.bmp", MakeBmp(shape));
        RGBQUAD read[256] = {};
        ASSERT_EQ(1, ReadPaletteFile("Palette.bmp", read));
        EXPECT_EQ(0, memcmp(colours.data(), read, sizeof read));
        ASSERT_EQ(1, LoadPalette("Palette.bmp"));
        EXPECT_EQ(0x55 ^ 200, GetProjectPalette()[200].rgbGreen);
    }
    // A 4-bit run-length file has sixteen entries; the rest read as zero.
    cBmpShape four;
    four.bitCount = 4;
    four.compression = BI_RLE4;
    four.colours.assign(16, RGBQUAD{9, 9, 9, 0});
    four.stored = {0, 1};
    dir.Write("p4.bmp", MakeBmp(four));
    RGBQUAD read[256];
    memset(read, 0xff, sizeof read);
    ASSERT_EQ(1, ReadPaletteFile("p4.bmp", read));
    EXPECT_EQ(9, read[15].rgbRed);
    EXPECT_EQ(0, read[16].rgbRed);
}
