#include "data/KeptBlocks.h"

#include <mutex>
#include <utility>

namespace {

// Smaller blocks come from the heap's own free lists, which the heap reuses.
const size_t kKeptBlockBytes = 1 << 20;
// Larger ones go back: a rare huge file is not held for the rest of the run.
const size_t kMostKeptBytes = 64 << 20;
// Before each large block: its size, so that a block handed out for a smaller request is kept
// again as what it is (16 bytes keep the alignment of the heap's blocks).
const size_t kHeader = 16;

std::mutex g_lock;
void* g_kept[eKeptBlockUses] = {};  // the headers of the kept blocks

size_t BlockBytes(void* header) { return *static_cast<size_t*>(header); }

}  // namespace

void* TakeKeptBlock(eKeptBlock use, size_t bytes) {
    if (bytes < kKeptBlockBytes) return ::operator new(bytes);
    {
        std::lock_guard<std::mutex> guard(g_lock);
        void*& kept = g_kept[use];
        if (kept && BlockBytes(kept) >= bytes && BlockBytes(kept) / 2 <= bytes) {
            char* header = static_cast<char*>(kept);
            kept = nullptr;
            return header + kHeader;
        }
    }
    if (bytes > static_cast<size_t>(-1) - kHeader) throw std::bad_alloc();
    char* header = static_cast<char*>(::operator new(bytes + kHeader));
    *reinterpret_cast<size_t*>(header) = bytes;
    return header + kHeader;
}

void GiveKeptBlock(eKeptBlock use, void* block, size_t bytes) {
    if (!block) return;
    if (bytes < kKeptBlockBytes) return ::operator delete(block);
    void* freed = static_cast<char*>(block) - kHeader;
    {
        std::lock_guard<std::mutex> guard(g_lock);
        // The larger is kept: a vector that grows frees smaller blocks on its way.
        void*& kept = g_kept[use];
        if (BlockBytes(freed) <= kMostKeptBytes && (!kept || BlockBytes(kept) < BlockBytes(freed))) std::swap(freed, kept);
    }
    if (freed) ::operator delete(freed);
}

size_t KeptBlockBytes(eKeptBlock use) {
    std::lock_guard<std::mutex> guard(g_lock);
    return g_kept[use] ? BlockBytes(g_kept[use]) : 0;
}

void ReleaseKeptBlocks() {
    for (int use = 0; use < eKeptBlockUses; ++use) {
        void* freed = nullptr;
        {
            std::lock_guard<std::mutex> guard(g_lock);
            std::swap(freed, g_kept[use]);
        }
        if (freed) ::operator delete(freed);
    }
}
