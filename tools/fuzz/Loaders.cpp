#include "tools/fuzz/Loaders.h"

#include <windows.h>

#include <cstring>

#include "data/AnimeRecords.h"
#include "data/CommonPalette.h"
#include "data/DataFile.h"
#include "data/EditConfig.h"
#include "data/EffectRecords.h"
#include "data/FileRecords.h"
#include "data/GValInfo.h"
#include "data/Palette.h"
#include "data/PaletteSource.h"
#include "data/PrjOption.h"
#include "data/Stage.h"
#include "data/SwordRecords.h"
#include "data/SystemData.h"
#include "data/WorldMap.h"
#include "framework/Dib.h"
#include "framework/MidiFile.h"
#include "framework/vox/VoxVoice.h"
#include "game/media/Bitmap.h"
#include "game/media/Display.h"
#include "game/media/Fade.h"
#include "game/media/Palette.h"
#include "game/media/WaveFile.h"

namespace {

template <class T>
std::string Bytes(const T* data, size_t count) {
    return std::string(reinterpret_cast<const char*>(data), count * sizeof(T));
}

// What a record or table holds: its bytes as it would write them.
template <class Write>
std::string Written(Write write) {
    cDataWriter out;
    OpenDataFileWrite(out, "state");
    write(out);
    return std::string(out.Bytes().begin(), out.Bytes().end());
}

// A record file (the system data, options, common palette, world map, stage, editor
// configuration): its LoadFile and SaveFile.
template <class T>
class cRecordTarget : public cFuzzTarget {
public:
    bool Load(const char* file) override { return m_Record.LoadFile(file); }
    std::string State() override {
        return Written([&](cDataWriter& out) { m_Record.Save(out); });
    }
    bool Save(const char* file) override { return m_Record.SaveFile(file); }

private:
    T m_Record;
};

// A database table file: a vector of records.
template <class T>
class cTableTarget : public cFuzzTarget {
public:
    bool Load(const char* file) override { return LoadVectorFile(m_Table, file); }
    std::string State() override {
        return Written([&](cDataWriter& out) { SaveRecordVector(m_Table, out); });
    }
    bool Save(const char* file) override { return SaveVectorFile(m_Table, file); }

private:
    cRecordVector<T> m_Table;
};

// A stage palette file (*.plt4). The factory project has none: the good file is a small palette
// of the target's own, whose elements take groups from the common palette and, in a chain, from
// each other, so that damaged references and flags reach the inheritance.
class cStagePaletteTarget : public cFuzzTarget {
public:
    cStagePaletteTarget() {
        m_Palette.m_Blocks.assign(4, cEdBlock());
        m_Palette.m_Charas.assign(3, cEdChara());
        m_Palette.m_Items.assign(2, cEdItem());
        cEdBlock* blocks = &m_Palette.m_Blocks[0];
        for (int i = 1; i < 4; ++i) blocks[i].m_Graphic = static_cast<uint16_t>(2 + i);
        blocks[1].m_Name = "床";
        Refer(blocks[1], eSourceStage, 2, 2);  // block 1 from 2, 2 from 3, 3 from the common palette
        Refer(blocks[2], eSourceStage, 3, 0);
        Refer(blocks[3], eSourceCommon, 1, 6);
        m_Palette.m_Charas[1].m_Graphic = 1;
        m_Palette.m_Charas[1].m_Control = 0;
        m_Palette.m_Charas[2].m_Graphic = 2;
        Refer(m_Palette.m_Charas[2], eSourceCommon, 2, 0);
        m_Palette.m_Items[1].m_Graphic = 4;
        Refer(m_Palette.m_Items[1], eSourceStage, 1, 1);
    }
    bool Load(const char* file) override { return LoadStagePaletteFile(m_Palette, file, false); }
    std::string State() override {
        return Written([&](cDataWriter& out) { SavePaletteLists(m_Palette, out, eSourceStage); });
    }
    bool Save(const char* file) override { return SaveStagePaletteFile(m_Palette, file); }

private:
    template <class T>
    static void Refer(T& element, int source, int index, int group) {
        element.m_InheritSrc = static_cast<uint8_t>(source);
        element.m_InheritIndex = static_cast<decltype(element.m_InheritIndex)>(index);
        element.m_bbInherit[group] = 1;
    }

    cPalette m_Palette;
};

class cVarNamesTarget : public cFuzzTarget {
public:
    bool Load(const char* file) override { return LoadGValInfo(m_Names, file, false); }
    std::string State() override {
        return Written([&](cDataWriter& out) { SaveRecordVector(m_Names, out); });
    }
    bool Save(const char* file) override { return SaveVectorFile(m_Names, file); }

private:
    cVarNames m_Names;
};

// The editor's bitmaps: 8-bit with a mask and mirrored cells, as the palette windows load them.
class cDibTarget : public cFuzzTarget {
public:
    bool Load(const char* file) override { return m_Dib.LoadFile(file, 8, 1, 32, 32) != 0; }
    std::string State() override {
        int size[3] = {m_Dib.Width(), m_Dib.Height(), m_Dib.BitsPerPixel()};
        std::string state = Bytes(size, 3);
        if (m_Dib.Bits()) state += Bytes(m_Dib.Bits(), size_t(m_Dib.Stride()) * size_t(m_Dib.Height()));
        return state;
    }

private:
    cDib m_Dib;
};

class cEditorPaletteTarget : public cFuzzTarget {
public:
    bool Load(const char* file) override { return ReadPaletteFile(file, m_Colours) != 0; }
    std::string State() override { return Bytes(m_Colours, 256); }

private:
    RGBQUAD m_Colours[256] = {};
};

// The game's bitmaps need DirectDraw: a hidden window in window mode, made once per process.
bool GameDisplayReady() {
    static int ready = -1;
    if (ready >= 0) return ready != 0;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KitFuzzDisplay";
    RegisterClassA(&wc);
    HWND wnd = CreateWindowA(wc.lpszClassName, "fuzz", WS_OVERLAPPEDWINDOW, 0, 0, 660, 500, nullptr, nullptr,
                             wc.hInstance, nullptr);
    ready = wnd && DDInit(wnd, 640, 480, 16, 1, 1, 60, 0, nullptr, nullptr, 0) ? 1 : 0;
    return ready != 0;
}

class cGameBitmapTarget : public cFuzzTarget {
public:
    ~cGameBitmapTarget() override { DDReleaseSurface(m_Surface); }
    bool Load(const char* file) override {
        return GameDisplayReady() && DDLoadBitmap(m_Surface, file, 1, 16, 0, 1, 0, 0) == 0;
    }
    std::string State() override {
        int size[2] = {m_Surface.nWidth, m_Surface.nHeight};
        std::string state = Bytes(size, 2) + m_Surface.szFileName;
        if (!m_Surface.lpSurface) return state;
        DDSURFACEDESC2 desc = {};
        desc.dwSize = sizeof desc;
        if (FAILED(m_Surface.lpSurface->Lock(nullptr, &desc, DDLOCK_WAIT | DDLOCK_READONLY, nullptr))) return state;
        const char* bits = static_cast<const char*>(desc.lpSurface);
        size_t rowBytes = size_t(desc.dwWidth) * (desc.ddpfPixelFormat.dwRGBBitCount / 8);
        for (DWORD y = 0; y < desc.dwHeight; ++y) state.append(bits + size_t(y) * size_t(desc.lPitch), rowBytes);
        m_Surface.lpSurface->Unlock(nullptr);
        return state;
    }

private:
    cSurface m_Surface;
};

// At depth 16 the game's palette comes from the picture itself through DirectDraw.
class cGamePaletteTarget : public cFuzzTarget {
public:
    bool Load(const char* file) override { return GameDisplayReady() && DDLoadPaletteFromFile(m_Entries, file); }
    std::string State() override { return Bytes(m_Entries, 256); }

private:
    PALETTEENTRY m_Entries[256] = {};
};

class cWaveTarget : public cFuzzTarget {
public:
    bool Load(const char* file) override { return DSReadWave(file, m_Wave); }
    std::string State() override {
        return Bytes(&m_Wave.Format, 1) + Bytes(m_Wave.Samples.data(), m_Wave.Samples.size());
    }

private:
    cWaveData m_Wave;
};

// A MIDI file is read by its object's constructor: the target keeps the last good one.
class cMidiTarget : public cFuzzTarget {
public:
    bool Load(const char* file) override {
        std::unique_ptr<cMidiFile> midi(new cMidiFile(file));
        if (!midi->HasImage()) return false;
        m_Midi = std::move(midi);
        return true;
    }
    std::string State() override {
        if (!m_Midi) return std::string();
        double length = m_Midi->GetSongLength();
        uint16_t division = m_Midi->GetDivision();
        return Bytes(&length, 1) + Bytes(&division, 1) + Bytes(m_Midi->GetImage().data(), m_Midi->GetImage().size());
    }

private:
    std::unique_ptr<cMidiFile> m_Midi;
};

class cMixTableTarget : public cFuzzTarget {
public:
    cMixTableTarget() : m_Table(kMixTableSize) {}
    bool Load(const char* file) override { return DDLoadMixTable(m_Table.data(), file); }
    std::string State() override { return Bytes(m_Table.data(), m_Table.size()); }

private:
    std::vector<uint8_t> m_Table;
};

// The Ogg player as the programs use it: a voice of Vox.dll. The state is the song's format and
// its decoded start, so a load also decodes.
class cOggTarget : public cFuzzTarget {
public:
    cOggTarget() {
        static HMODULE library = LoadLibraryA("Vox.dll");
        CreateVoxProc create =
            library ? reinterpret_cast<CreateVoxProc>(reinterpret_cast<void*>(GetProcAddress(library, "CreateVox")))
                    : nullptr;
        m_Voice = create ? create() : nullptr;
    }
    ~cOggTarget() override {
        if (m_Voice) m_Voice->Release();
    }
    bool Load(const char* file) override { return m_Voice && m_Voice->Load(file); }
    std::string State() override {
        if (!m_Voice) return std::string();
        int format[3] = {0, 0, 0};
        format[0] = m_Voice->GetFormat(&format[1], &format[2]);
        std::string state = Bytes(format, 3);
        const int kFrames = 1 << 18;
        std::vector<short> pcm(size_t(kFrames) * 2);
        int frames = m_Voice->Peek(0, pcm.data(), kFrames);
        return state + Bytes(pcm.data(), size_t(frames > 0 ? frames : 0) * size_t(format[1]));
    }
    bool KeepsOnFailure() const override { return false; }

private:
    cVoxVoice* m_Voice = nullptr;
};

template <class T>
std::function<std::unique_ptr<cFuzzTarget>()> Make() {
    return [] { return std::unique_ptr<cFuzzTarget>(new T()); };
}

}  // namespace

const std::vector<cFuzzLoader>& FuzzLoaders() {
    static const std::vector<cFuzzLoader> loaders = {
        {"AnimeSet", {"default\\database\\AnimeSet.dat"}, Make<cTableTarget<cAnimeSet>>()},
        {"Anime", {"default\\database\\Anime.dat"}, Make<cTableTarget<cAnime>>()},
        {"Bmp_CharaExc", {"default\\database\\Bmp_CharaExc.dat"}, Make<cTableTarget<cBmpCharaExc>>()},
        {"SwordType", {"default\\database\\SwordType.dat"}, Make<cTableTarget<cSwordType>>()},
        {"Effect", {"default\\database\\Effect.dat"}, Make<cTableTarget<cEffect>>()},
        {"CharaEffect", {"default\\database\\CharaEffect.dat"}, Make<cTableTarget<cCharaEffect>>()},
        {"ScrEffect", {"default\\database\\ScrEffect.dat"}, Make<cTableTarget<cScrEffect>>()},
        {"Picture", {"default\\database\\Picture.dat"}, Make<cTableTarget<cPicture>>()},
        {"Sound", {"default\\database\\Sound.dat"}, Make<cTableTarget<cSound>>()},
        {"Bgm", {"default\\database\\Bgm.dat"}, Make<cTableTarget<cBgm>>()},
        {"System", {"default\\System.dat"}, Make<cRecordTarget<cSystemData>>()},
        {"PrjOption", {"default\\PrjOption.dat"}, Make<cRecordTarget<cPrjOption>>()},
        {"CommonPalette", {"default\\CommonPalette.cplt4"}, Make<cRecordTarget<cCommonPalette>>()},
        {"WorldMap", {"default\\WorldMap.dat"}, Make<cRecordTarget<cWorldMap>>()},
        {"Stage", {"default\\stg4\\Default.stg4_147"}, Make<cRecordTarget<cEdStage>>()},
        {"GValInfo", {"default\\GValInfo.dat"}, Make<cVarNamesTarget>()},
        // No factory copy: the fuzz program writes the defaults as the good file.
        {"EditConfig", {"e_data\\EditConfig.dat"}, Make<cRecordTarget<cEditConfig>>()},
        {"StagePalette", {"default\\stg4\\Stage.plt4"}, Make<cStagePaletteTarget>()},
        {"EditorBmp", {"bmp\\Block.bmp", "bmp\\Character1.bmp", "bmp\\Item_Mini.bmp"}, Make<cDibTarget>()},
        {"EditorPalette", {"bmp\\plt\\Palette.bmp"}, Make<cEditorPaletteTarget>()},
        {"GameBitmap", {"bmp\\Block.bmp", "bmp\\Debug.bmp", "bmp\\effect\\Burst.bmp"}, Make<cGameBitmapTarget>()},
        {"GamePalette", {"bmp\\plt\\Palette.bmp"}, Make<cGamePaletteTarget>()},
        {"Wave", {"wave\\Jump.wav", "wave\\Explosion.wav"}, Make<cWaveTarget>()},
        {"Midi", {"bgm\\Stage.mid", "bgm\\Title.mid"}, Make<cMidiTarget>()},
        {"MixTable", {"bmp\\hbt\\hbt00.dat"}, Make<cMixTableTarget>()},
        {"Ogg", {"bgm\\Stage.ogg"}, Make<cOggTarget>()},
    };
    return loaders;
}
