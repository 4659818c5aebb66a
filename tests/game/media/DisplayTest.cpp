#include <gtest/gtest.h>

#include <string>

#include "framework/ErrorLog.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "tests/game/media/DisplayFixture.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/TempDir.h"

TEST(WindowDisplay, SetsUpAt16BitOnTheClientRectangle) {
    cWindowDisplay display(320, 200);
    ASSERT_TRUE(display.IsReady());
    const cDisplayState& d = Display();
    EXPECT_EQ(16, d.nBpp);
    EXPECT_EQ(2, d.nBytesPerPixel);
    EXPECT_EQ(320, d.nWidth);
    EXPECT_EQ(200, d.nHeight);
    EXPECT_EQ(320, d.rcWindow.right - d.rcWindow.left);
    EXPECT_EQ(11, d.Format.nRedShift);
    EXPECT_EQ(5, d.Format.nGreenShift);
    EXPECT_EQ(0, d.Format.nBlueShift);
    EXPECT_EQ(31u, d.Format.dwRedMask);
    EXPECT_EQ(63u, d.Format.dwGreenMask);
    EXPECT_EQ(31u, d.Format.dwBlueMask);
    ASSERT_NE(nullptr, d.Back.lpSurface);
    ASSERT_NE(nullptr, d.Work.lpSurface);
    ASSERT_NE(nullptr, d.lpClipper);
    EXPECT_EQ(kMemorySystem, d.Work.nMemoryKind);
    EXPECT_EQ(320, d.Back.nWidth);
    EXPECT_TRUE(DDRestoreSurfaces());
}

namespace {

// A DirectDraw object that refuses every surface outside system memory (and any with one of the
// caps it does not know) and hands the others to the real one.
class cVideoRefusingDD : public IDirectDraw7 {
public:
    explicit cVideoRefusingDD(IDirectDraw7* real, bool refuseAll = false) : m_Real(real), m_RefuseAll(refuseAll) {}
    int m_Calls = 0;
    DWORD m_UnknownCaps = 0;

    STDMETHOD(CreateSurface)(LPDDSURFACEDESC2 desc, LPDIRECTDRAWSURFACE7* out, IUnknown* outer) override {
        ++m_Calls;
        if (desc->ddsCaps.dwCaps & m_UnknownCaps) return DDERR_INVALIDCAPS;
        if (m_RefuseAll || !(desc->ddsCaps.dwCaps & DDSCAPS_SYSTEMMEMORY)) return DDERR_OUTOFVIDEOMEMORY;
        return m_Real->CreateSurface(desc, out, outer);
    }
    STDMETHOD_(HRESULT, QueryInterface)(REFIID, void**) override { return E_NOINTERFACE; }
    STDMETHOD_(ULONG, AddRef)() override { return 1; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(Compact)() override { return E_NOTIMPL; }
    STDMETHOD(CreateClipper)(DWORD, LPDIRECTDRAWCLIPPER*, IUnknown*) override { return E_NOTIMPL; }
    STDMETHOD(CreatePalette)(DWORD, LPPALETTEENTRY, LPDIRECTDRAWPALETTE*, IUnknown*) override { return E_NOTIMPL; }
    STDMETHOD(DuplicateSurface)(LPDIRECTDRAWSURFACE7, LPDIRECTDRAWSURFACE7*) override { return E_NOTIMPL; }
    STDMETHOD(EnumDisplayModes)(DWORD, LPDDSURFACEDESC2, LPVOID, LPDDENUMMODESCALLBACK2) override { return E_NOTIMPL; }
    STDMETHOD(EnumSurfaces)(DWORD, LPDDSURFACEDESC2, LPVOID, LPDDENUMSURFACESCALLBACK7) override { return E_NOTIMPL; }
    STDMETHOD(FlipToGDISurface)() override { return E_NOTIMPL; }
    STDMETHOD(GetCaps)(LPDDCAPS, LPDDCAPS) override { return E_NOTIMPL; }
    STDMETHOD(GetDisplayMode)(LPDDSURFACEDESC2) override { return E_NOTIMPL; }
    STDMETHOD(GetFourCCCodes)(LPDWORD, LPDWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetGDISurface)(LPDIRECTDRAWSURFACE7*) override { return E_NOTIMPL; }
    STDMETHOD(GetMonitorFrequency)(LPDWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetScanLine)(LPDWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetVerticalBlankStatus)(WINBOOL*) override { return E_NOTIMPL; }
    STDMETHOD(Initialize)(GUID*) override { return E_NOTIMPL; }
    STDMETHOD(RestoreDisplayMode)() override { return E_NOTIMPL; }
    STDMETHOD(SetCooperativeLevel)(HWND, DWORD) override { return E_NOTIMPL; }
    STDMETHOD(SetDisplayMode)(DWORD, DWORD, DWORD, DWORD, DWORD) override { return E_NOTIMPL; }
    STDMETHOD(WaitForVerticalBlank)(DWORD, HANDLE) override { return E_NOTIMPL; }
    STDMETHOD(GetAvailableVidMem)(LPDDSCAPS2, LPDWORD, LPDWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetSurfaceFromDC)(HDC, LPDIRECTDRAWSURFACE7*) override { return E_NOTIMPL; }
    STDMETHOD(RestoreAllSurfaces)() override { return E_NOTIMPL; }
    STDMETHOD(TestCooperativeLevel)() override { return E_NOTIMPL; }
    STDMETHOD(GetDeviceIdentifier)(LPDDDEVICEIDENTIFIER2, DWORD) override { return E_NOTIMPL; }
    STDMETHOD(StartModeTest)(LPSIZE, DWORD, DWORD) override { return E_NOTIMPL; }
    STDMETHOD(EvaluateMode)(DWORD, DWORD*) override { return E_NOTIMPL; }

private:
    IDirectDraw7* m_Real;
    bool m_RefuseAll;
};

// Puts a stand-in DirectDraw object in the display state while it lives.
class cSwappedDD {
public:
    explicit cSwappedDD(IDirectDraw7* standIn) : m_Real(Display().lpDD) { Display().lpDD = standIn; }
    ~cSwappedDD() { Display().lpDD = m_Real; }

private:
    IDirectDraw7* m_Real;
};

}  // namespace

TEST(WindowDisplay, SurfaceFallsBackToSystemMemoryWhenVideoMemoryIsRefused) {
    cWindowDisplay display;
    ASSERT_TRUE(display.IsReady());
    cVideoRefusingDD refusing(Display().lpDD);
    cSurface record;
    {
        cSwappedDD swap(&refusing);
        ASSERT_TRUE(DDCreateSurface(record, 8, 4, 0, kMemoryAny));
    }
    EXPECT_EQ(2, refusing.m_Calls);
    EXPECT_EQ(kMemorySystem, record.nMemoryKind);
    EXPECT_EQ(8, record.nWidth);
    EXPECT_EQ(4, record.nHeight);
    EXPECT_EQ(0u, PixelAt(record, 7, 3)) << "a new surface holds palette colour 0";
    DDReleaseSurface(record);
}

TEST(WindowDisplay, SurfaceCreationFailsWhenSystemMemoryIsRefusedToo) {
    cTempDir dir;
    cTestLog testLog;
    cWindowDisplay display;
    ASSERT_TRUE(display.IsReady());
    cVideoRefusingDD refusing(Display().lpDD, true);
    cSurfaceVector records;
    cPictureVector rows;
    {
        cSwappedDD swap(&refusing);
        EXPECT_FALSE(DDAddSurface(records, rows, 8, 8, 1, kMemoryAny));
    }
    EXPECT_EQ(2, refusing.m_Calls);
    EXPECT_EQ(nullptr, records.At(0).lpSurface);
    EXPECT_EQ(1, rows.At(0).nColorKey);
    EXPECT_NE(std::string::npos, dir.Read("log.txt").find("CREATESURFACE_ERR"));
}

// Text is written through a surface's device context: a surface keeps its own, unless the driver
// does not know the caps, and then it is made without.
TEST(WindowDisplay, SurfacesKeepTheirOwnDeviceContextWhereTheDriverKnowsIt) {
    cWindowDisplay display;
    ASSERT_TRUE(display.IsReady());
    for (bool known : {true, false}) {
        SCOPED_TRACE(known ? "known" : "not known");
        cVideoRefusingDD driver(Display().lpDD);
        if (!known) driver.m_UnknownCaps = DDSCAPS_OWNDC;
        cSurface record;
        {
            cSwappedDD swap(&driver);
            ASSERT_TRUE(DDCreateSurface(record, 8, 4, 0, kMemorySystem));
        }
        EXPECT_EQ(known ? 1 : 2, driver.m_Calls);
        DDSURFACEDESC2 desc = {};
        desc.dwSize = sizeof desc;
        ASSERT_EQ(DD_OK, record.lpSurface->GetSurfaceDesc(&desc));
        EXPECT_EQ(known, (desc.ddsCaps.dwCaps & DDSCAPS_OWNDC) != 0);
        HDC dc = nullptr;
        ASSERT_EQ(DD_OK, record.lpSurface->GetDC(&dc));
        EXPECT_TRUE(SetPixel(dc, 7, 3, RGB(255, 255, 255)) != static_cast<COLORREF>(-1));
        record.lpSurface->ReleaseDC(dc);
        EXPECT_EQ(0xffffu, PixelAt(record, 7, 3)) << "drawn through the device context";
        DDReleaseSurface(record);
    }
}

TEST(WindowDisplay, AddedSurfacesAreRemovedWithTheirPictureRows) {
    cWindowDisplay display;
    ASSERT_TRUE(display.IsReady());
    cSurfaceList records;
    cPictureList rows;
    ASSERT_TRUE(DDAddSurfaceToList(records, rows, 4, 4, 0, kMemorySystem));
    ASSERT_TRUE(DDAddSurfaceToList(records, rows, 6, 6, 1, kMemoryAny));
    cSurface second;
    second.lpSurface = records.At(1).lpSurface;
    EXPECT_EQ(1, DDRemoveSurface(records, rows, second));
    ASSERT_EQ(1u, records.size());
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ(4, records.At(0).nWidth);
    EXPECT_EQ(kMemorySystem, rows.At(0).nMemoryKind);
    EXPECT_EQ(0, DDRemoveSurface(records, rows, second));
    DDReleaseSurface(records.At(0));
}

namespace {

const int kSide = 16;
const uint32_t kUntouched = 0;

struct cBlitProbe {
    int x, y;      // destination pixel
    int sx, sy;    // the source pixel expected there; sx < 0: left untouched
};

struct cBlitCase {
    const char* name;
    int x, y, w, h, sx, sy;
    cBlitProbe probes[4];
};

class SurfaceBlits : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_Display.IsReady());
        ASSERT_TRUE(DDCreateSurface(m_Dest, kSide, kSide, 0, kMemorySystem));
        ASSERT_TRUE(DDCreateSurface(m_Source, kSide, kSide, 0, kMemorySystem));
        FillWithMarkers(m_Source);
    }
    void TearDown() override {
        DDReleaseSurface(m_Dest);
        DDReleaseSurface(m_Source);
    }
    void ExpectProbes(const char* name, const cBlitProbe* probes, int count) {
        for (int i = 0; i < count; ++i) {
            const cBlitProbe& p = probes[i];
            uint32_t expected = p.sx < 0 ? kUntouched : Marker(p.sx, p.sy);
            EXPECT_EQ(expected, PixelAt(m_Dest, p.x, p.y)) << name << " at " << p.x << "," << p.y;
        }
    }

    cWindowDisplay m_Display;
    cSurface m_Dest;
    cSurface m_Source;
};

}  // namespace

TEST_F(SurfaceBlits, BltClipsToBothSurfaces) {
    const cBlitCase cases[] = {
        {"inside", 2, 3, 4, 4, 5, 6, {{2, 3, 5, 6}, {5, 6, 8, 9}, {6, 3, -1, 0}, {1, 3, -1, 0}}},
        {"off left and top", -2, -1, 5, 4, 3, 3, {{0, 0, 5, 4}, {2, 2, 7, 6}, {3, 0, -1, 0}, {0, 3, -1, 0}}},
        {"off right and bottom", 14, 15, 4, 4, 0, 0, {{14, 15, 0, 0}, {15, 15, 1, 0}, {13, 15, -1, 0}, {15, 14, -1, 0}}},
        {"source wider than its surface", 0, 0, 8, 2, 12, 0, {{0, 0, 12, 0}, {3, 1, 15, 1}, {4, 0, -1, 0}, {0, 2, -1, 0}}},
        {"negative source corner", 4, 4, 4, 4, -2, -2, {{4, 4, 0, 0}, {5, 5, 1, 1}, {6, 4, -1, 0}, {4, 6, -1, 0}}},
        {"fully off right", 16, 0, 4, 4, 0, 0, {{15, 0, -1, 0}, {0, 0, -1, 0}, {15, 3, -1, 0}, {0, 3, -1, 0}}},
        {"fully off left", -10, 0, 4, 4, 0, 0, {{0, 0, -1, 0}, {3, 3, -1, 0}, {5, 0, -1, 0}, {0, 1, -1, 0}}},
    };
    for (const cBlitCase& c : cases) {
        DDFillRect(m_Dest, 0, 0, kSide, kSide, 0);
        EXPECT_EQ(DD_OK, DDBlt(m_Dest, c.x, c.y, c.w, c.h, m_Source, c.sx, c.sy, 0)) << c.name;
        ExpectProbes(c.name, c.probes, 4);
    }
}

TEST_F(SurfaceBlits, StretchScalesAndMovesTheSourceWithTheClippedDestination) {
    const cBlitCase cases[] = {
        // Source 4 x 4 at (0, 0) doubled: each source pixel covers 2 x 2.
        {"inside", 0, 0, 8, 8, 0, 0, {{0, 0, 0, 0}, {7, 7, 3, 3}, {2, 5, 1, 2}, {8, 0, -1, 0}}},
        {"off left", -4, 0, 8, 8, 0, 0, {{0, 0, 2, 0}, {3, 0, 3, 0}, {4, 0, -1, 0}, {1, 7, 2, 3}}},
        {"off right", 12, 0, 8, 8, 0, 0, {{12, 0, 0, 0}, {15, 0, 1, 0}, {11, 0, -1, 0}, {13, 6, 0, 3}}},
        {"off bottom", 0, 12, 8, 8, 0, 0, {{0, 12, 0, 0}, {0, 15, 0, 1}, {0, 11, -1, 0}, {7, 13, 3, 0}}},
    };
    for (const cBlitCase& c : cases) {
        DDFillRect(m_Dest, 0, 0, kSide, kSide, 0);
        EXPECT_EQ(DD_OK, DDStretchBlt(m_Dest, c.x, c.y, c.w, c.h, m_Source, c.sx, c.sy, 4, 4, 0)) << c.name;
        ExpectProbes(c.name, c.probes, 4);
    }
    DDFillRect(m_Dest, 0, 0, kSide, kSide, 0);
    EXPECT_EQ(0, DDStretchBlt(m_Dest, 0, 0, 0, 8, m_Source, 0, 0, 4, 4, 0));
    EXPECT_EQ(-3, DDStretchBlt(m_Dest, 0, 0, 8, -3, m_Source, 0, 0, 4, 4, 0));
    EXPECT_EQ(kUntouched, PixelAt(m_Dest, 0, 0));
}

TEST_F(SurfaceBlits, FillClipsAndUsesThePaletteColour) {
    Display().Palette[5] = {3, 7, 11, 0};
    const uint32_t colour = (3u << 11) | (7u << 5) | 11u;
    struct cFillCase {
        const char* name;
        int x, y, w, h;
        cBlitProbe probes[4];  // sx >= 0: filled
    } cases[] = {
        {"inside", 2, 2, 3, 3, {{2, 2, 0, 0}, {4, 4, 0, 0}, {5, 2, -1, 0}, {2, 5, -1, 0}}},
        {"negative x fills from column 0", -3, 2, 5, 2, {{0, 2, 0, 0}, {1, 3, 0, 0}, {2, 2, -1, 0}, {0, 4, -1, 0}}},
        {"off right and bottom", 14, 14, 5, 5, {{15, 15, 0, 0}, {14, 14, 0, 0}, {13, 14, -1, 0}, {14, 13, -1, 0}}},
        {"fully outside", 16, 16, 4, 4, {{15, 15, -1, 0}, {0, 0, -1, 0}, {0, 15, -1, 0}, {15, 0, -1, 0}}},
    };
    for (const cFillCase& c : cases) {
        DDFillRect(m_Dest, 0, 0, kSide, kSide, 0);
        DDFillRect(m_Dest, c.x, c.y, c.w, c.h, 5);
        for (const cBlitProbe& p : c.probes)
            EXPECT_EQ(p.sx < 0 ? kUntouched : colour, PixelAt(m_Dest, p.x, p.y)) << c.name << " " << p.x << "," << p.y;
    }
}

TEST(WindowDisplay, TearDownWithAReferenceLeftReportsTheLeak) {
    cTempDir dir;
    cTestLog testLog;
    cBoxAnswers boxes;
    IDirectDraw7* held = nullptr;
    {
        cWindowDisplay display;
        ASSERT_TRUE(display.IsReady());
        held = Display().lpDD;
        held->AddRef();
    }
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("解放漏れがあります", boxes.Shown()[0].text);
    EXPECT_EQ("DirectDraw", boxes.Shown()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), boxes.Shown()[0].type & MB_ICONMASK);
    EXPECT_NE(std::string::npos, dir.Read("log.txt").find("lpDD->Release() = 1"));
    EXPECT_EQ(nullptr, Display().lpDD);
    held->Release();
}

TEST(WindowDisplay, SecondSetUpReleasesTheFirstWithoutLeaks) {
    cWindowDisplay display;
    ASSERT_TRUE(display.IsReady());
    // Any leak would show a box, which fails the test.
    EXPECT_TRUE(DDInit(display.Window(), 640, 480, 16, 1, 1, 60, 0, nullptr, nullptr, 0));
    EXPECT_NE(nullptr, Display().Back.lpSurface);
}

TEST(WindowDisplay, ReportsVideoMemoryToTheReportFile) {
    cTempDir dir;
    ASSERT_EQ(1, OpenReport("report.txt"));
    cWindowDisplay display;
    ASSERT_TRUE(display.IsReady());
    EXPECT_EQ(1, DDReportVideoMemory());
    std::string report = dir.Read("report.txt");
    EXPECT_NE(std::string::npos, report.find("VRAM Total : ")) << report;
    EXPECT_NE(std::string::npos, report.find("VRAM Free : ")) << report;
    EXPECT_NE(std::string::npos, report.find("RR : ")) << report;
}

TEST(DisplayErrors, NamesTheFailedStepInTheLog) {
    cTempDir dir;
    cTestLog testLog;
    EXPECT_FALSE(DDCheckInitError(kDDSetDisplayMode));
    EXPECT_FALSE(DDCheckInitError(kDDSetClipper));
    EXPECT_TRUE(DDCheckInitError(kDDLoadImage));
    EXPECT_FALSE(DDCheckError(kDDLoadImage));
    EXPECT_TRUE(DDCheckError(kDDClipper));
    EXPECT_EQ("SETDISPLAYMODE_ERR\r\nSETCLIPPER_ERR\r\nLOADIMAGE_ERR\r\n", dir.Read("log.txt"));
}
