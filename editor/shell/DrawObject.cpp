#include "editor/shell/DrawObject.h"

#include "data/ProjectDatabase.h"
#include "editor/shell/SystemBitmaps.h"

namespace {

const int kCell = 32;
const int kHalf = 16;
const int kRows = 15;          // graphics per sheet column
const int kGraphics = 120;     // graphic and overlay numbers below this
const int kShotRows = 30;
const int kDedicatedColumns = 16;

// A source rectangle of one sheet.
struct cSource {
    const cDib* sheet;
    int x, y, w, h;
};

bool Inside(const cSource& s) {
    return s.sheet && s.sheet->Width() > 0 && s.x >= 0 && s.y >= 0 && s.x + s.w <= s.sheet->Width() &&
           s.y + s.h <= s.sheet->Height();
}

// The column offsets of a chara's animation set for the states its record is placed in; false
// when the record names a set the database does not have.
bool CharaColumn(const cEdChara& chara, int* column) {
    const auto& sets = ProjectDatabase().m_AnimeSets;
    if (chara.m_AnimeSet >= sets.size()) return false;
    const cAnimeSet& set = sets[chara.m_AnimeSet];
    if (chara.m_Invincible) *column += set.m_InvincibleOffset;
    if (chara.m_BlockHit) *column += set.m_BlockOffset;
    if (chara.m_Flight) *column += set.m_FlyOffset;
    return true;
}

// Full size: the whole source over the cell at (x, y) (a 16 x 16 source centred). Small: half
// size in the right half, except the small item sheet, whose cells are small already.
void Draw(cDib& target, int x, int y, const cSource& s, bool small, bool presized) {
    if (!Inside(s)) return;
    if (!small) {
        int inset = (kCell - s.w) / 2;
        target.Blt(x + inset, y + inset, s.w, s.h, *s.sheet, s.x, s.y, 0);
    } else if (presized) {
        target.Blt(x + kHalf, y, s.w, s.h, *s.sheet, s.x, s.y, 0);
    } else {
        int inset = (kCell - s.w) / 4;
        SetStretchBltMode(target.GetDC(), COLORONCOLOR);
        target.StretchBlt(x + kHalf + inset, y + inset, s.w / 2, s.h / 2, *s.sheet, s.x, s.y, s.w, s.h, 0);
    }
}

void DrawGraphic(cDib& target, int x, int y, const cObjectLook& look, bool small) {
    const int n = look.number;
    if (n >= kGraphics && look.type != eGraphicShot) return;
    int v = look.column;
    const cEdChara* chara = look.kind == eKindChara ? look.chara : nullptr;
    switch (look.type) {
    case eGraphicBlock:
        Draw(target, x, y, {&SystemBitmap(eBmpBlock), kCell * (n / kRows), kCell * (n % kRows), kCell, kCell}, small,
             false);
        break;
    case eGraphicChara: {
        int slot = eBmpChara1 + 2 * (n / kRows);
        if (look.kind == eKindChara) {
            if (!chara || !CharaColumn(*chara, &v)) return;
            slot += chara->m_FaceRight ? 1 : 0;
        } else if (v >= 20) {
            v -= 20;
            slot += 1;
        }
        if (v < 0) return;
        Draw(target, x, y, {&SystemBitmap(slot), kCell * v, kCell * (n % kRows), kCell, kCell}, small, false);
        break;
    }
    case eGraphicItem:
        if (small)
            Draw(target, x, y, {&SystemBitmap(eBmpItemMini), kCell * (n / kRows), kHalf * (n % kRows), kHalf, kHalf},
                 true, true);
        else
            Draw(target, x, y, {&SystemBitmap(eBmpItem), 2 * kCell * (n / kRows), kCell * (n % kRows), kCell, kCell},
                 false, false);
        break;
    case eGraphicShot:
        Draw(target, x, y, {&SystemBitmap(eBmpShot), kCell * (n / kShotRows), kHalf * (n % kShotRows), kHalf, kHalf},
             small, false);
        break;
    case eGraphicDedicated: {
        if (n >= static_cast<int>(ProjectDatabase().m_BmpCharaExcs.size())) return;
        int image = 2 * n;
        if (chara) {
            if (!CharaColumn(*chara, &v)) return;
            image += chara->m_FaceRight ? 1 : 0;
        }
        cDibList& images = DatabaseBitmaps();
        if (v < 0 || image >= static_cast<int>(images.size())) return;
        const cDib& sheet = images.At(image);
        Draw(target, x, y, {&sheet, kCell * (v % kDedicatedColumns), kCell * (v / kDedicatedColumns), kCell, kCell},
             small, false);
        break;
    }
    }
}

// The display fields the three element records share.
template <class E>
cObjectLook LookOf(const E& element, int kind, int column) {
    cObjectLook look;
    look.kind = kind;
    look.type = element.m_GraphicSrc;
    look.number = element.m_Graphic;
    look.column = column;
    look.overlay = element.m_MarkMode;
    look.overlayNumber = element.m_Mark;
    return look;
}

}  // namespace

void DrawObject(cDib& target, int x, int y, const cObjectLook& look, bool small) {
    if (look.number <= 0) return;
    DrawGraphic(target, x, y, look, small);
    if (!look.overlay || look.overlayNumber < 0 || look.overlayNumber >= kGraphics) return;
    int o = look.overlayNumber;
    Draw(target, x, y, {&SystemBitmap(eBmpMark), kCell * (o / kRows), kCell * (o % kRows), kCell, kCell}, small,
         false);
}

void DrawBlockObject(cDib& target, int x, int y, const cEdBlock& block, bool small) {
    DrawObject(target, x, y, LookOf(block, eKindBlock, block.m_Frames), small);
}

void DrawCharaObject(cDib& target, int x, int y, const cEdChara& chara, bool small) {
    cObjectLook look = LookOf(chara, eKindChara, chara.m_GraphicShift);
    look.chara = &chara;
    DrawObject(target, x, y, look, small);
}

void DrawItemObject(cDib& target, int x, int y, const cEdItem& item, bool small) {
    DrawObject(target, x, y, LookOf(item, eKindItem, item.m_Frames), small);
}
