#pragma once
// Storage for the largest vectors of the record layer: the cells of a stage's layers and the
// bytes of a file being read or saved. They take tens of megabytes, and every open of a stage
// reads the file and its cells into new storage while the stage before is still held (a failed
// read must leave it as it was), as every save writes the file into new storage. Memory fresh
// from the system costs a page fault and a zeroed page per 4 KB, as long as reading the cells,
// and handing it back costs as much again: so each use keeps the large block it freed last for
// its next large request that the block fits (the cells of the stage closed by an open become
// the storage of the next; a read and a save share the store of file bytes).
#include <cstddef>
#include <new>

enum eKeptBlock { eKeptCells, eKeptFileBytes, eKeptBlockUses };

// Blocks of a megabyte up to 64 MB are kept: the largest freed of each use, handed out for a
// request of at least half its size. Any thread may take and give.
void* TakeKeptBlock(eKeptBlock use, size_t bytes);
void GiveKeptBlock(eKeptBlock use, void* block, size_t bytes);
// The size of the block kept for the use; 0 when none is.
size_t KeptBlockBytes(eKeptBlock use);
// Test seam: frees the kept blocks, so that the tests and the benchmark see a first open.
void ReleaseKeptBlocks();

// The allocator of such vectors. Elements made without a value are left as they come (a vector
// of bytes grown by resize is not zeroed first, as what is written next overwrites it). The
// vectors call allocate, deallocate and construct through std::allocator_traits.
template <class T, eKeptBlock Use>
class cKeptAllocator {
public:
    typedef T value_type;
    template <class U>
    struct rebind {
        typedef cKeptAllocator<U, Use> other;
    };
    cKeptAllocator() = default;
    template <class U>
    cKeptAllocator(const cKeptAllocator<U, Use>&) {}
    T* allocate(size_t n) {
        if (n > static_cast<size_t>(-1) / sizeof(T)) throw std::bad_alloc();
        return static_cast<T*>(TakeKeptBlock(Use, n * sizeof(T)));
    }
    void deallocate(T* p, size_t n) { GiveKeptBlock(Use, p, n * sizeof(T)); }
    template <class U>
    void construct(U* p) {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(static_cast<Args&&>(args)...);
    }
    template <class U>
    bool operator==(const cKeptAllocator<U, Use>&) const { return true; }
    template <class U>
    bool operator!=(const cKeptAllocator<U, Use>&) const { return false; }
};
