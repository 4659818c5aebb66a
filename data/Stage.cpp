#include "data/Stage.h"

#include <algorithm>

#include "data/PaletteSource.h"
#include "data/Paths.h"
#include "data/ProjectDatabase.h"
#include "framework/Format.h"
#include "framework/MessageBox.h"

namespace {

const int32_t kCellDots = 32;
// The scroll limits keep one screen (20 x 15 cells) inside the stage.
const int32_t kScreenCells[eLimitCount] = {20, 1, 15, 1};

// Inheritance again for the cells that refer to the source (any source for eSourceNone); a cell
// that is left without a graphic is emptied, so every kept cell holds an element.
template <class T>
void InheritCells(cStageLayer<T>& layer, int source) {
    layer.VisitAndRemove([source](T& cell) {
        if (source == eSourceNone || cell.m_InheritSrc == source) ApplyInheritance(cell);
        return cell.m_Graphic == 0;
    });
}

template <class T>
void InheritAll(cPalette& palette, cRecordVector<T>& list, cStageLayer<T>& layer) {
    cPaletteSourceScope scope(eSourceStage, &palette);
    InheritReferring(list, eSourceCommon);
    InheritCells(layer, eSourceCommon);
    InheritCells(layer, eSourceStage);
}

template <class T>
void InheritStage(cPalette& palette, cStageLayer<T>& layer) {
    cPaletteSourceScope scope(eSourceStage, &palette);
    InheritCells(layer, eSourceStage);
}

// The cells of a layer: a count, then each cell's index and element. Writers of this format
// leave one of the two places unset: the game program writes 0 for the index, others leave the
// element's column and row at 0. So the column and row name the cell unless both are 0, the
// index names it unless it is 0, and a file where both are set and disagree is refused, as is a
// cell off the stage or given twice.
template <class T>
bool LoadCells(cStageLayer<T>& layer, cDataReader& in) {
    uint32_t count;
    if (!in.ReadCount(count, 4 + kMinRecordBytes)) return false;
    // Each cell of the grid once at most.
    if (count > (static_cast<uint32_t>(layer.Height()) << layer.Shift())) return in.Fail();
    // Read into the cells of a stage replaced before, as far as they go.
    typename cStageLayer<T>::cCells cells = cStageLayer<T>::TakeSpare();
    if (cells.capacity() < count) {
        cells.clear();
        cells.reserve(count);
    }
    const T fresh;
    bool rising = true;
    size_t used = 0;
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t index;
        if (!in.ReadU32(index)) return false;
        if (used < cells.size())
            cells[used].second = fresh;
        else
            cells.emplace_back(index, fresh);
        T& element = cells[used].second;
        if (!element.Load(in)) return false;
        if (element.m_Graphic == 0) continue;
        uint32_t cell = index;
        if (element.m_Extra1 != 0 || element.m_Extra2 != 0) {
            if (!layer.IsCell(element.m_Extra1, element.m_Extra2)) return in.Fail();
            cell = layer.Index(element.m_Extra1, element.m_Extra2);
            if (index != cell && index != 0) return in.Fail();
        } else if (!layer.IsCell(index)) {
            return in.Fail();
        }
        element.m_Extra1 = static_cast<int16_t>(layer.Column(cell));
        element.m_Extra2 = static_cast<int16_t>(layer.Row(cell));
        cells[used].first = cell;
        if (used > 0 && cells[used - 1].first >= cell) rising = false;
        ++used;
    }
    cells.erase(cells.begin() + used, cells.end());
    return layer.Fill(cells, rising) || in.Fail();
}

// Before writes what the element carries for the file (the chara's item link).
template <class T, class Before>
void SaveCells(cStageLayer<T>& layer, cDataWriter& out, Before before) {
    out.WriteU32(static_cast<uint32_t>(layer.size()));
    for (auto& cell : layer) {
        cell.second.m_Extra1 = static_cast<int16_t>(layer.Column(cell.first));
        cell.second.m_Extra2 = static_cast<int16_t>(layer.Row(cell.first));
        before(cell.first, cell.second);
        out.WriteU32(cell.first);
        cell.second.Save(out);
    }
}

// The game's form of the cells: each element as it is held, after a 0 in place of its index
// (its column and row name its cell).
template <class T>
void SavePlacedCells(cStageLayer<T>& layer, cDataWriter& out) {
    out.WriteU32(static_cast<uint32_t>(layer.size()));
    for (auto& cell : layer) {
        out.WriteU32(0);
        cell.second.Save(out);
    }
}

bool ReadInts(cCheckedVector<int32_t, eCloseProgram>& values, cDataReader& in) {
    uint32_t count;
    if (!in.ReadCount(count, 4)) return false;
    cCheckedVector<int32_t, eCloseProgram> loaded(count);
    for (int32_t& value : loaded)
        if (!in.Read(&value, 4)) return false;
    values.swap(loaded);
    return true;
}

}  // namespace

bool IsHero(const cEdChara& chara) { return chara.m_Graphic != 0 && chara.m_Control == 0; }

cEdStage::cEdStage() {
    RegisterFields(kDataVersion);
    Clear();
}

void cEdStage::Clear() {
    Reset();
    m_Blocks.clear();
    m_Charas.clear();
    m_Items.clear();
    m_Palette.m_Blocks.assign(2, cEdBlock());
    m_Palette.m_Charas.assign(2, cEdChara());
    m_Palette.m_Items.assign(2, cEdItem());
    m_FrameRate = 60;
    m_TimeLimit = 200;
    m_WarningTime = 20;
    m_Gravity = 0.4;
    m_HitLevel = 10;
    m_UseZ = 1;
    m_ShowStageInfo = m_ShowStageClear = m_ShowGameOver = 1;
    m_NoDamageOffScreen = 1;
    m_HeroSameCharaGuard = 30;
    m_EnemySameCharaGuard = 30;
    m_SixLevel = 0;
    m_FilePath.clear();
    m_Newest = 0;
    m_BackLayers.assign(1, cBackLayer());
    m_BackLayers[0].m_UseColor = 1;
    m_RankItems.assign(3, 1);
    for (cAutoVanish& rule : m_AutoVanish) rule = cAutoVanish();
    for (int shot : {eVanishHeroShot, eVanishEnemyShot}) {
        cAutoVanish& rule = m_AutoVanish[shot];
        rule.m_Left = rule.m_Right = rule.m_Top = rule.m_Bottom = 1;
    }
    cAutoVanish& enemyShot = m_AutoVanish[eVanishEnemyShot];
    enemyShot.m_LeftMargin = enemyShot.m_RightMargin = enemyShot.m_TopMargin = enemyShot.m_BottomMargin = 10;
    const cHitArea areas[eHitAreaCount] = {{16, 16}, {2, 8}, {16, 16}, {12, 22}, {16, 30},
                                           {18, 24}, {16, 16}, {16, 16}, {16, 16}, {16, 16}};
    std::copy(areas, areas + eHitAreaCount, m_HitAreas);
    m_UndoCount = 1;
    SetSize(20, 15);
    m_VarNames.assign(kVarNames, cNameRec());
}

void cEdStage::RegisterFields(uint32_t) {
    ClearFields();
    AddStringField(&m_Name);
    AddField32(&m_Width);
    AddField32(&m_Stride);
    AddField32(&m_Shift);
    AddField32(&m_Height);
    for (int32_t& use : m_UseLimit) AddField32(&use);
    for (int32_t& limit : m_Limit) AddField32(&limit);
    AddField32(&m_FrameRate);
    AddField32(&m_UseTimeLimit);
    AddField32(&m_TimeLimit);
    AddField32(&m_WarningTime);
    for (int32_t& mode : m_ScrollMode) AddField32(&mode);
    for (int32_t& speed : m_AutoScrollSpeed) AddField32(&speed);
    AddField64(&m_Gravity);
    AddField32(&m_HitLevel);
    AddField32(&m_HitPrecision);
    AddField32(&m_Bgm);
    AddField32(&m_UseZ);
    AddField32(&m_StatusFromStock);
    AddField32(&m_StatusToStock);
    AddField32(&m_ShowStageInfo);
    AddField32(&m_ShowStageClear);
    AddField32(&m_ShowGameOver);
    for (int i = 0; i < eHitAreaCount; ++i) {
        if (i == eHitEnemyChara) {
            for (int32_t& display : m_HitDisplay) AddField32(&display);
            for (int32_t& color : m_HitColor) AddField32(&color);
        }
        AddField32(&m_HitAreas[i].width);
        AddField32(&m_HitAreas[i].height);
    }
    AddField32(&m_UndoCount);
    AddField32(&m_PixelWidth);
    AddField32(&m_PixelHeight);
    AddField32(&m_Level);
    AddField64(&m_LevelReal);
    AddField64(&m_LevelSquared);
    AddField64(&m_MaxSpeed);
    AddField64(&m_GravityPerLevel2);
    AddField64(&m_MaxSpeedPerLevel);
    AddField32(&m_EightLevel);
    AddField32(&m_NoDamageOffScreen);
    AddField32(&m_HeroSameCharaGuard);
    AddField32(&m_HeroGuard);
    AddField32(&m_EnemySameCharaGuard);
    AddField32(&m_EnemyGuard);
}

bool cEdStage::Load(cDataReader& in) {
    Clear();
    if (!cRecord::Load(in) || !ReadInts(m_RankItems, in)) return false;
    for (cAutoVanish& rule : m_AutoVanish)
        if (!rule.Load(in)) return false;
    if (!LoadPaletteLists(m_Palette, in, eSourceStage)) return false;
    const int32_t width = m_Width, height = m_Height;
    if (width < 1 || width > kMaxSize || height < 1 || height > kMaxSize) return in.Fail();
    SetSize(width, height);
    {
        cPaletteSourceScope scope(eSourceStage, &m_Palette);
        if (!LoadCells(m_Blocks, in) || !LoadCells(m_Charas, in) || !LoadCells(m_Items, in)) return false;
    }
    if (!LoadRecordVector(m_BackLayers, in) || !LoadRecordVector(m_VarNames, in)) return false;
    ClampView();
    return true;
}

void cEdStage::SaveHead(cDataWriter& out) {
    ClampView();
    cRecord::Save(out);
    out.WriteU32(static_cast<uint32_t>(m_RankItems.size()));
    for (int32_t value : m_RankItems) out.Write(&value, 4);
    for (cAutoVanish& rule : m_AutoVanish) rule.Save(out);
    SavePaletteLists(m_Palette, out, eSourceStage);
}

void cEdStage::SaveTail(cDataWriter& out) {
    SaveRecordVector(m_BackLayers, out);
    SaveRecordVector(m_VarNames, out);
}

void cEdStage::SaveAsPlaced(cDataWriter& out) {
    cPaletteSourceScope scope(eSourceStage, &m_Palette);
    SaveHead(out);
    SavePlacedCells(m_Blocks, out);
    SavePlacedCells(m_Charas, out);
    SavePlacedCells(m_Items, out);
    SaveTail(out);
}

void cEdStage::Save(cDataWriter& out) {
    cPaletteSourceScope scope(eSourceStage, &m_Palette);
    SaveHead(out);
    // Every cell inherits again first, so the counts and the charas' item places count only the
    // cells that still hold an element.
    InheritCells(m_Blocks, eSourceNone);
    InheritCells(m_Charas, eSourceNone);
    InheritCells(m_Items, eSourceNone);
    SaveCells(m_Blocks, out, [](uint32_t, cEdBlock&) {});
    auto item = m_Items.begin();
    int32_t place = 0;
    SaveCells(m_Charas, out, [&](uint32_t index, cEdChara& chara) {
        for (; item != m_Items.end() && item->first < index; ++item) ++place;
        const bool holds = chara.m_Control == 1 && chara.m_CarryItem && item != m_Items.end() && item->first == index;
        chara.m_Extra3 = holds ? place : -1;
    });
    SaveCells(m_Items, out, [](uint32_t, cEdItem&) {});
    SaveTail(out);
}

bool cEdStage::LoadFile(const char* path, bool strip) {
    cDataReader in;
    if (!OpenDataFileRead(in, path)) return false;
    cEdStage loaded;
    if (!loaded.Load(in) || in.Failed()) return false;
    if (strip) loaded.StripCR();
    Adopt(loaded);
    return true;
}

void cEdStage::Adopt(cEdStage& loaded) {
    CopyFields(loaded);
    m_SixLevel = loaded.m_SixLevel;
    m_RankItems.swap(loaded.m_RankItems);
    std::copy(loaded.m_AutoVanish, loaded.m_AutoVanish + eVanishCount, m_AutoVanish);
    m_Palette.swap(loaded.m_Palette);
    m_Blocks.swap(loaded.m_Blocks);
    m_Charas.swap(loaded.m_Charas);
    m_Items.swap(loaded.m_Items);
    m_BackLayers.swap(loaded.m_BackLayers);
    m_VarNames.swap(loaded.m_VarNames);
    // The replaced cells become the storage of the next open.
    loaded.m_Blocks.GiveSpare();
    loaded.m_Charas.GiveSpare();
    loaded.m_Items.GiveSpare();
}

bool cEdStage::SetSize(int32_t width, int32_t height) {
    if (width == 0 || height == 0) {
        DebugBox("SetSize()で 0 を指定しました！");
        return false;
    }
    if (width < 0 || width > kMaxSize || height < 0 || height > kMaxSize) return false;
    const cPoint hero = FindHero();
    if (hero.x >= width || hero.y >= height) {
        const cEdChara moved = m_Charas.At(CellIndex(hero.x, hero.y));
        m_Charas.Put(0, moved);
    }
    m_Width = width;
    m_Height = height;
    m_PixelWidth = width * kCellDots;
    m_PixelHeight = height * kCellDots;
    m_Shift = RowShift(width);
    m_Stride = 1 << m_Shift;
    m_Blocks.Resize(width, height);
    m_Charas.Resize(width, height);
    m_Items.Resize(width, height);
    ClampLimits();
    return true;
}

void cEdStage::ClampLimits() {
    const int32_t sizes[eLimitCount] = {m_Width, m_Width, m_Height, m_Height};
    for (int i = 0; i < eLimitCount; ++i) m_Limit[i] = std::min(m_Limit[i], sizes[i] - kScreenCells[i]);
}

void cEdStage::ClampView() {
    ClampLimits();
    SetSpeedLevel(m_HitLevel);
    if (!IsRow(ProjectDatabase().m_Bgms, m_Bgm)) m_Bgm = 0;
}

void cEdStage::SetSpeedLevel(int32_t level) {
    // Level 0 would divide by zero below.
    m_HitLevel = std::max(1, std::min(level, 19));
    const int32_t n = m_HitLevel > 10 ? m_HitLevel - 10 : m_HitLevel;
    m_Level = n;
    m_LevelReal = n;
    m_LevelSquared = n * n;
    m_SixLevel = 6 * n;
    m_MaxSpeed = m_HitLevel > 10 ? 60.0 : 6.0 * n;
    m_MaxSpeedPerLevel = m_MaxSpeed / m_LevelReal;
    m_GravityPerLevel2 = m_Gravity / m_LevelSquared;
    m_EightLevel = 8 * n;
}

cPoint cEdStage::FindHero() const {
    cPoint cell;
    cell.x = cell.y = -1;
    for (const auto& chara : m_Charas)
        if (IsHero(chara.second)) {
            cell.x = m_Charas.Column(chara.first);
            cell.y = m_Charas.Row(chara.first);
            break;
        }
    return cell;
}

int cEdStage::FindPlayer() const {
    int place = 0;
    for (const auto& chara : m_Charas) {
        if (IsHero(chara.second)) return place;
        ++place;
    }
    return -1;
}

void cEdStage::PutChara(uint32_t index, const cEdChara& chara) {
    cEdChara placed = chara;
    placed.m_bbInherit.At(1) = 0;
    if (!m_Charas.IsCell(index)) return m_Charas.Put(index, placed);  // reported there
    const bool heroHere = IsHero(m_Charas.At(index));
    if (heroHere && !IsHero(placed)) {
        // The hero moves to the first free cell; cell 0 when there is none.
        const cEdChara hero = m_Charas.At(index);
        uint32_t to = 0;
        for (int32_t row = 0, found = 0; row < m_Height && !found; ++row)
            for (int32_t column = 0; column < m_Width && !found; ++column) {
                const uint32_t cell = CellIndex(column, row);
                if (cell != index && m_Charas.IsEmpty(cell)) {
                    to = cell;
                    found = 1;
                }
            }
        m_Charas.Put(to, hero);
    } else if (!heroHere && IsHero(placed)) {
        const cPoint old = FindHero();
        if (old.x >= 0) m_Charas.Put(CellIndex(old.x, old.y), m_Palette.m_Charas.At(0));
    }
    m_Charas.Put(index, placed);
}

bool cEdStage::LoadPalette(const char* path, bool strip) {
    cPalette loaded;
    if (!LoadStagePaletteFile(loaded, path, strip)) return false;
    AdoptPalette(loaded);
    return true;
}

void cEdStage::AdoptPalette(cPalette& palette) {
    m_Palette.swap(palette);
    InheritBlocks();
    InheritCharas();
    InheritItems();
}

bool cEdStage::SavePalette(const char* path) { return SaveStagePaletteFile(m_Palette, path); }

void cEdStage::ValidatePalette() {
    cPaletteSourceScope scope(eSourceStage, &m_Palette);
    ::ValidatePalette(m_Palette);
}

void cEdStage::InheritAllBlocks() { InheritAll(m_Palette, m_Palette.m_Blocks, m_Blocks); }
void cEdStage::InheritAllCharas() { InheritAll(m_Palette, m_Palette.m_Charas, m_Charas); }
void cEdStage::InheritAllItems() { InheritAll(m_Palette, m_Palette.m_Items, m_Items); }
void cEdStage::InheritBlocks() { InheritStage(m_Palette, m_Blocks); }
void cEdStage::InheritCharas() { InheritStage(m_Palette, m_Charas); }
void cEdStage::InheritItems() { InheritStage(m_Palette, m_Items); }

cEdStage& ProjectStage() {
    static cEdStage stage;
    static const bool registered = (SetPaletteSource(eSourceStage, &stage.m_Palette), true);
    (void)registered;
    return stage;
}

std::string StageFileExt() { return Format("%s_%03u", g_ExtTable[eExtStage], static_cast<unsigned>(GetDataVersion())); }
