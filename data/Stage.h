#pragma once
// A stage: one playable level. Its cells in three layers (blocks, charas, items), the stage
// palette they are filled from, the background layers, the names of the stage variables and
// the settings. One stage file holds all of it (data\stg4\name.stg4_147: the extension, an
// underscore and the data version); both programs read it with this class.
//
// - Cells: see data/StageLayer.h. The chara layer keeps exactly one hero (kind 0) when charas
//   are placed with PutChara; SetSize keeps the hero on the stage.
// - The stage palette is the palette of source 2 while the stage loads, saves or inherits
//   (data/PaletteSource.h); the project's open stage (ProjectStage) is source 2 for good.
// - Loads read into a fresh stage and replace this one only when the whole file was read and
//   is sound (size, cells): a failed load leaves the stage as it was.
#include <cstdint>
#include <string>

#include "data/Palette.h"
#include "data/NameRec.h"
#include "data/StageLayer.h"
#include "data/StageRecords.h"
#include "framework/Geometry.h"

struct cHitArea {
    int32_t width;
    int32_t height;
};

// The hit areas, centred on the object ("この範囲の中心＝キャラの中心です。").
enum eHitArea {
    eHitHeroEnemy,      // the hero against enemies
    eHitHeroItem,       // the hero against items
    eHitHeroShot,       // the hero against shots
    eHitEnemyChara,
    eHitEnemyShot,
    eHitItemChara,
    eHitHeroShotChara,  // the hero's shots against charas
    eHitHeroShotShot,
    eHitEnemyShotChara,
    eHitEnemyShotShot,
    eHitAreaCount
};

enum eLimit { eLimitLeft, eLimitRight, eLimitTop, eLimitBottom, eLimitCount };

// The hero: a drawn chara that the player controls (control 0). A stage keeps one.
bool IsHero(const cEdChara& chara);

class cEdStage : public cRecord {
public:
    static constexpr int32_t kMaxSize = 512;  // cells, both ways
    static constexpr int kVarNames = 255;

    cEdStage();
    // The defaults of a new stage: 20 x 15 cells and nothing placed.
    void Clear();
    void RegisterFields(uint32_t version) override;
    // The stage file body. Load resets the stage first; a width or height outside 1..kMaxSize,
    // a cell outside the stage or a cell given twice fails the load.
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    // The game's form, the one its replay files hold: the stage as it is held, with no cell
    // inheriting again and a 0 in place of each cell's index (the element's column and row
    // name the cell; Load reads both forms). Loaded again, it is the same stage.
    void SaveAsPlaced(cDataWriter& out);
    RECORD_COPY(cEdStage)

    // Reads a stage file; the stage changes only when the whole file was read.
    bool LoadFile(const char* path, bool strip = false);
    // How the calling thread treats its messages while a worker reads a stage file: the editor
    // drains its queue, the game dispatches (its windows never see the stage being read).
    enum ePump { ePumpDrain, ePumpDispatch };
    // Whether a stage without a hero is refused: play needs one, the editor opens it anyway.
    enum eHeroRule { eHeroNeeded, eHeroOptional };
    // The open command: reads the file (the newest numbered copy of the path's name when newest
    // is set) on a worker thread while this thread pumps its queue. Refuses, with a message, a
    // file that cannot be read and (by the rule) a stage without a hero; the stage changes only
    // when the load succeeds. A WM_QUIT taken meanwhile is posted again.
    bool LoadStageFile(const char* path, bool newest, ePump pump = ePumpDrain, eHeroRule hero = eHeroNeeded);

    // Resizes the grid (1..kMaxSize each way): cells inside both sizes stay where they are, the
    // others are dropped, except the hero, which moves to cell (0, 0). False, and nothing
    // changed, for any other size (0 also tells the error log's box).
    bool SetSize(int32_t width, int32_t height);
    // Brings the scroll limits inside the stage, recomputes the level values and drops a music
    // index that the database does not have.
    void ClampView();
    // Stores the hit-check level (1..19) and the values derived from it.
    void SetSpeedLevel(int32_t level);

    uint32_t CellIndex(int32_t column, int32_t row) const { return m_Blocks.Index(column, row); }
    // The hero's cell, or (-1, -1).
    cPoint FindHero() const;
    bool HasHero() const { return FindHero().x >= 0; }
    // Places a chara and keeps one hero: a chara placed on the hero moves the hero to the first
    // free cell; a hero placed elsewhere replaces the old hero by the stage palette's chara 0.
    void PutChara(uint32_t index, const cEdChara& chara);
    // Test seam: the tests place charas by column and row.
    void PutCharaAt(int32_t column, int32_t row, const cEdChara& chara) { PutChara(CellIndex(column, row), chara); }

    // The game program's names: the player is the hero; its place in the list of placed charas.
    int FindPlayer() const;
    bool HasPlayer() const { return HasHero(); }

    // Stage palette files (*.plt4). After a load the cells that refer to the stage palette
    // inherit from the new one.
    bool LoadPalette(const char* path, bool strip);
    // Takes over a palette read elsewhere (which gets the old one) and inherits from it.
    void AdoptPalette(cPalette& palette);
    bool SavePalette(const char* path);
    void ValidatePalette();
    // Inheritance again: the palette entries and cells that refer to the common palette, then
    // the cells that refer to the stage palette. A cell left without a graphic is emptied.
    void InheritAllBlocks();
    void InheritAllCharas();
    void InheritAllItems();
    // Inheritance again for the cells that refer to the stage palette.
    void InheritBlocks();
    void InheritCharas();
    void InheritItems();

    std::string m_Name;  // "ステージ名"
    cStageLayer<cEdBlock> m_Blocks;
    cStageLayer<cEdChara> m_Charas;
    cStageLayer<cEdItem> m_Items;
    cPalette m_Palette;  // the stage palette
    cRecordVector<cBackLayer> m_BackLayers;
    cRecordVector<cNameRec> m_VarNames;  // "ステージ変数"
    int32_t m_Width;                     // cells
    int32_t m_Stride;                    // the row stride: the smallest power of two >= width
    int32_t m_Shift;                     // log2 of the stride
    int32_t m_Height;
    int32_t m_UseLimit[eLimitCount];     // "横スクロールの最小値（左端）を設定 →" and its siblings
    int32_t m_Limit[eLimitCount];        // scroll limits, in cells
    int32_t m_FrameRate;                 // "フレームレート"
    int32_t m_UseTimeLimit;              // "制限時間あり →"
    int32_t m_TimeLimit;                 // up to 999
    int32_t m_WarningTime;               // "警告音の開始時間", up to 999
    int32_t m_ScrollMode[2];             // across, down: rows of ScrollModeNames
    int32_t m_AutoScrollSpeed[2];        // "オートスクロール速度"
    double m_Gravity;                    // "重力"
    int32_t m_HitLevel;                  // 1..19: rows of HitLevelNames, plus one
    int32_t m_HitPrecision;              // chara against shot: a row of HitPrecisionNames
    int32_t m_Bgm;                       // a row of the database's Bgm table
    int32_t m_UseZ;                      // the Z coordinate of charas, items, shots, swords
    int32_t m_StatusFromStock;           // "ステージ開始前、ストックからステータスを継承"
    int32_t m_StatusToStock;             // "ステージクリア後、ストックへステータスを記憶"
    int32_t m_ShowStageInfo;             // "文字画像の表示": stage info, stage clear, game over
    int32_t m_ShowStageClear;
    int32_t m_ShowGameOver;
    cCheckedVector<int32_t, eCloseProgram> m_RankItems;  // "スコア", "残り時間", "クリア時間"
    cAutoVanish m_AutoVanish[eVanishCount];
    cHitArea m_HitAreas[eHitAreaCount];
    int32_t m_HitDisplay[3];             // the hero's three areas: rows of HitAreaDisplayNames
    int32_t m_HitColor[3];               // rows of HitAreaColorNames
    int32_t m_UndoCount;
    std::string m_FilePath;              // the stage file last opened (not saved)
    int32_t m_Newest;                    // the newest flag of that open (not saved)
    int32_t m_PixelWidth;                // width x 32
    int32_t m_PixelHeight;
    // Derived from the hit-check level (SetSpeedLevel).
    int32_t m_SixLevel;                  // not saved
    int32_t m_Level;
    double m_LevelReal;
    double m_LevelSquared;
    double m_MaxSpeed;
    double m_GravityPerLevel2;
    double m_MaxSpeedPerLevel;
    int32_t m_EightLevel;
    int32_t m_NoDamageOffScreen;         // "画面外ではダメージを受けない"
    int32_t m_HeroSameCharaGuard;        // times without repeated damage, in 1/60 s
    int32_t m_HeroGuard;
    int32_t m_EnemySameCharaGuard;
    int32_t m_EnemyGuard;

private:
    // What both forms write before the cells and after them.
    void SaveHead(cDataWriter& out);
    void SaveTail(cDataWriter& out);
    // Takes over a loaded stage's contents (the large parts are swapped, not copied); the cells
    // it replaces are kept for the next open to read into (cStageLayer::GiveSpare).
    void Adopt(cEdStage& loaded);
    void ClampLimits();
};

// The project's open stage, which both programs hold for the whole run: built on first use,
// and from then on the palette of source 2.
cEdStage& ProjectStage();

// "stg4_147": the extension of the stage files this program writes.
std::string StageFileExt();
