#include "game/play/GraphicSource.h"

#include "game/play/Obj.h"
#include "game/play/PlayBitmaps.h"
#include "game/play/PlaySurfaces.h"

namespace {

const int kCharaSheets = 8;
const int kMirrorFrames = 20;

const int kSystemCopyRows = kSurfaceScaledCharaSheets - kSurfaceCharaSheets;
// Each frame stays for 8 drawn frames.
const int32_t kFrame0[] = {0, 8, 0, 1, 8, 0, kAnimeLoop, 0, 0};
const int32_t* const kSheetFrames[] = {kFrame0, nullptr};

bool FacesRight(int use, const cObj* object) { return use != kUseObject || !object || object->m_Facing == 1; }

}  // namespace

const int32_t* const* SheetFrameAnime() { return kSheetFrames; }

int ShotGraphicIndex(int row, bool scaled) {
    const cSurface* own = PlaySurface(row);
    const bool fits = own && (!scaled || own->nMemoryKind == kMemorySystem);
    return fits ? row : row + kSystemCopyRows;
}

bool ResolveGraphic(cGraphicSource& out, int use, int kind, int32_t n, int32_t p, const cObj* object, int32_t q) {
    const bool live = use == kUseObject;
    switch (kind) {
        case eGraphicBlock:
            out = cGraphicSource();
            out.normal = out.mirrored = PlaySurface(kSurfaceBlocks);
            out.second = out.mirroredSecond = PlaySurface(kSurfaceBlocks + 1);
            out.sx = (n / 15) * 32;
            out.sy = (n % 15) * 32;
            return true;
        case eGraphicChara: {
            out = cGraphicSource();
            const int sheet = n / 15;
            int frame = live ? q + p : p;
            bool right = FacesRight(use, object);
            if (!live && p >= kMirrorFrames) {
                frame = p - kMirrorFrames;
                right = false;
            }
            out.sx = frame * 32;
            out.sy = (n % 15) * 32;
            if (n < 0 || sheet >= kCharaSheets) return true;
            const int first = kSurfaceCharaSheets + 2 * sheet, firstScaled = kSurfaceScaledCharaSheets + 2 * sheet;
            out.normal = PlaySurface(right ? first : first + 1);
            out.mirrored = PlaySurface(right ? first + 1 : first);
            out.second = PlaySurface(right ? firstScaled : firstScaled + 1);
            out.mirroredSecond = PlaySurface(right ? firstScaled + 1 : firstScaled);
            return true;
        }
        case eGraphicItem:
            out = cGraphicSource();
            out.normal = out.mirrored = PlaySurface(kSurfaceItems);
            out.second = out.mirroredSecond = PlaySurface(kSurfaceItemsScaled);
            out.sx = (n / 15) * 64 + (use == 2 ? q * 32 : 0);
            out.sy = (n % 15) * 32;
            return true;
        case eGraphicShot: {
            out = cGraphicSource();
            const int row = kSurfaceShots + (FacesRight(use, object) ? 0 : 1);
            const int mirror = kSurfaceShots + kSurfaceShots + 1 - row;
            out.normal = PlaySurface(ShotGraphicIndex(row, false));
            out.second = PlaySurface(ShotGraphicIndex(row, true));
            out.mirrored = PlaySurface(ShotGraphicIndex(mirror, false));
            out.mirroredSecond = PlaySurface(ShotGraphicIndex(mirror, true));
            out.sx = (n / 30) * 32;
            out.sy = (n % 30) * 16;
            return true;
        }
        case eGraphicCharaBitmap: {
            out = cGraphicSource();
            const int32_t frame = live ? p + q : p;
            out.sx = (frame & ~15) * 2;
            out.sy = (frame % 16) * 32;
            // Entry n's four slots start at 4n - 4; there is no entry 0.
            if (n < 1) return true;
            const int flip = FacesRight(use, object) ? 0 : 1;
            out.normal = CharaBitmap(4 * n - 4 + flip);
            out.mirrored = CharaBitmap(4 * n - 4 + (1 - flip));
            out.second = CharaBitmap(4 * n - 2 + flip);
            out.mirroredSecond = CharaBitmap(4 * n - 2 + (1 - flip));
            return true;
        }
        default:
            return false;
    }
}
