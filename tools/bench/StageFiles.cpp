// Stage and palette files: loading and saving through the records, beside reading and writing
// the same bytes with nothing else done.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "data/CommonPalette.h"
#include "data/PaletteSource.h"
#include "data/PrjOption.h"
#include "data/Stage.h"
#include "framework/SafeFile.h"
#include "tools/bench/Bench.h"

namespace {

const int kRuns = 7;

// A placement as the editor makes it: a copy of a common palette entry that refers to it and
// inherits every group (the project options' default for new placements).
template <class T>
T Placed(const cRecordVector<T>& list, int number, eElementKind kind) {
    const cPrjOption option;
    T element = list[number];
    element.m_InheritSrc = static_cast<uint8_t>(eSourceCommon);
    element.m_InheritIndex = static_cast<decltype(element.m_InheritIndex)>(number);
    element.m_bbInherit.CopyFrom(option.m_InheritFlags[eSituationCommonPlace][kind]);
    return element;
}

// The largest stage with every block cell filled, and a hero.
void FillWithBlocks(cEdStage& stage) {
    const cCommonPalette& palette = ProjectCommonPalette();
    stage.SetSize(cEdStage::kMaxSize, cEdStage::kMaxSize);
    std::vector<cEdBlock> blocks;
    for (int number = 1; number <= 8; ++number) blocks.push_back(Placed(palette.m_Blocks, number, eKindBlock));
    for (int32_t row = 0; row < stage.m_Height; ++row)
        for (int32_t column = 0; column < stage.m_Width; ++column)
            stage.m_Blocks.Put(stage.CellIndex(column, row), blocks[(row + column) % blocks.size()]);
    stage.PutCharaAt(0, 0, Placed(palette.m_Charas, 1, eKindChara));
}

// A hero and 2000 enemies on a 256 x 64 stage.
void FillWithCharas(cEdStage& stage) {
    const cCommonPalette& palette = ProjectCommonPalette();
    stage.SetSize(256, 64);
    std::vector<cEdChara> enemies;
    for (int number = 2; number <= 9; ++number) enemies.push_back(Placed(palette.m_Charas, number, eKindChara));
    stage.PutCharaAt(0, 0, Placed(palette.m_Charas, 1, eKindChara));
    for (int i = 0; i < 2000; ++i) stage.PutCharaAt(1 + i % 255, i / 255, enemies[i % enemies.size()]);
}

std::string TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    std::string folder = std::string(base) + "kit-bench-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

std::vector<char> ReadAll(const std::string& path) {
    std::vector<char> bytes;
    ReadWholeFile(path.c_str(), bytes, kMaxDataFileSize);
    return bytes;
}

// The reference of a load: the file's bytes read into the store the read before left, as a load
// reads them into the store of the load before, so that neither pays the kernel's fresh pages.
void ReadInto(const std::string& path, std::vector<char>& store) {
    ReadWholeFileInto(path.c_str(), kMaxDataFileSize, [&store](size_t size) {
        if (store.size() < size) store.resize(size);
        return store.data();
    });
}

// The plain write: create, write, close (the safe save adds a temporary file, a flush and a
// rename: shown as its own row). With flush, the bytes are also flushed to the disk before the
// close: the least a save that must never leave a half-written file has to do.
void WriteAll(const std::string& path, const std::vector<char>& bytes, bool flush = false) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    if (flush) FlushFileBuffers(file);
    CloseHandle(file);
}

// Loads and saves one record file: each beside the plain read or write of the same bytes.
template <class T>
void BenchFile(const char* what, T& record, const std::string& path) {
    if (!record.SaveFile(path.c_str())) {
        printf("| %s | cannot be saved |\n", what);
        return;
    }
    const std::vector<char> bytes = ReadAll(path);
    T target;
    std::vector<char> store;
    bool ok = true;
    cTiming load, read, save, write, safe, flushed;
    TimeAlternating(kRuns, nullptr, [&] { ok = target.LoadFile(path.c_str()) && ok; }, load,
                    [&] { ReadInto(path, store); }, read);
    const std::string copy = path + ".copy";
    TimeAlternating(kRuns, nullptr, [&] { ok = target.SaveFile(path.c_str()) && ok; }, save,
                    [&] { WriteAll(copy, bytes); }, write);
    TimeAlternating(kRuns, nullptr, [&] { SaveFileSafely(copy.c_str(), bytes); }, safe,
                    [&] { WriteAll(copy, bytes, true); }, flushed);
    ok = ok && ReadAll(path) == bytes;
    char row[160];
    snprintf(row, sizeof row, "load %s (%zu KB)%s", what, bytes.size() / 1024, ok ? "" : " FAILED");
    PrintRow(row, load, "read the file", read);
    snprintf(row, sizeof row, "save %s", what);
    PrintRow(row, save, "write the file", write);
    PrintRow(row, save, "write and flush the file (as the safe save must)", flushed);
    snprintf(row, sizeof row, "safe save of the same bytes (%s)", what);
    PrintRow(row, safe, "write the file", write);
    PrintRow(row, safe, "write and flush the file (as the safe save must)", flushed);
    DeleteFileA(copy.c_str());
    DeleteFileA(path.c_str());
}

}  // namespace

void BenchStageFiles() {
    PrintHeader("Stage and palette files");
    const std::string folder = TempFolder();
    {
        cEdStage stage;
        FillWithBlocks(stage);
        BenchFile("512 x 512 stage, every block cell filled", stage, folder + "blocks.stg4_147");
    }
    {
        cEdStage stage;
        FillWithCharas(stage);
        BenchFile("stage of 2001 charas", stage, folder + "charas.stg4_147");
    }
    BenchFile("common palette", ProjectCommonPalette(), folder + "CommonPalette.cplt4");
    RemoveDirectoryA(folder.c_str());
}
