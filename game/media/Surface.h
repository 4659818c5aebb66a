#pragma once
// Surface records: one DirectDraw surface with the picture it was made from, and the picture
// rows that say how to make it.
#include <windows.h>

#include <ddraw.h>

#include <cstdint>
#include <memory>

#include "framework/CheckedVector.h"

// Where a surface lives: kind 0 lets the driver place it (video memory first), kind 1 asks for
// system memory.
const int32_t kMemoryAny = 0;
const int32_t kMemorySystem = 1;

struct cSurface {
    IDirectDrawSurface7* lpSurface = nullptr;  // one reference owned by the record
    int32_t nWidth = 0;
    int32_t nHeight = 0;
    char szFileName[MAX_PATH] = {};  // the bitmap it was loaded from, empty for blank surfaces
    int32_t nMemoryKind = 0;
    // One palette index per pixel, rows of the surface's pitch in pixels; built at depth 16 for
    // pictures that ask for it.
    std::unique_ptr<uint8_t[]> lpIndexMap;
    int32_t nMirrorWidth = 0;   // the bitmap was loaded mirrored within cells of this size
    int32_t nMirrorHeight = 0;
};

// One row of a picture table. The name "E" marks a blank surface of the given size.
struct cPictureRow {
    char szFileName[MAX_PATH];
    int32_t nColorKey;     // 1: the transparent colour is the surface's source colour key
    int32_t nMemoryKind;
    int32_t nKeepIndexMap;  // build the palette-index map at depth 16
    int32_t nOptional;      // a failure to load is not an error
    int32_t nMirrorWidth;
    int32_t nMirrorHeight;
    int32_t nBlankWidth;
    int32_t nBlankHeight;
};

typedef cCheckedVector<cSurface> cSurfaceVector;
typedef cCheckedVector<cPictureRow> cPictureVector;
typedef cCheckedList<cSurface> cSurfaceList;
typedef cCheckedList<cPictureRow> cPictureList;

// Creates an off-screen surface in the record; a refused placement is tried once more in system
// memory (the record then holds kind 1). The new surface is filled with palette colour 0.
bool DDCreateSurface(cSurface& record, int width, int height, int colorKey, int memoryKind);
// Toolkit API: a scene's own surfaces beside the picture table. Appends a record and its
// picture row and creates the surface; false (logged) on failure.
bool DDAddSurface(cSurfaceVector& records, cPictureVector& rows, int width, int height, int colorKey,
                  int memoryKind);
// Toolkit API: DDAddSurface on lists, whose surfaces can be taken out one by one.
bool DDAddSurfaceToList(cSurfaceList& records, cPictureList& rows, int width, int height, int colorKey,
                        int memoryKind);
// Toolkit API: takes one surface out of the lists DDAddSurfaceToList fills. Removes the node
// holding the record's surface and the picture row at the same position.
// Returns 1 when removed, 0 when not found.
int DDRemoveSurface(cSurfaceList& records, cPictureList& rows, const cSurface& record);

// Releases the record's surface and frees its index map.
void DDReleaseSurface(cSurface& record);
void DDReleaseSurfaces(cSurfaceVector& records);
int DDReleaseSurfaceArray(cSurface* records, int count);

// Locks the whole surface; out receives the memory, desc the pitch.
bool DDLock(cSurface& record, DDSURFACEDESC2& desc, void** out);
void DDUnlock(IDirectDrawSurface7* surface);

// Unlocks at scope exit the surface it was given, when one was locked.
class DDUnlockGuard {
public:
    DDUnlockGuard() = default;
    explicit DDUnlockGuard(IDirectDrawSurface7* surface) : m_lpSurface(surface) {}
    DDUnlockGuard(const DDUnlockGuard&) = delete;
    DDUnlockGuard& operator=(const DDUnlockGuard&) = delete;
    ~DDUnlockGuard() {
        if (m_lpSurface) DDUnlock(m_lpSurface);
    }
    void Set(IDirectDrawSurface7* surface) { m_lpSurface = surface; }

private:
    IDirectDrawSurface7* m_lpSurface = nullptr;
};
