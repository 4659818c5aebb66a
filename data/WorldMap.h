#pragma once
// The world map that joins a game's stages (data\WorldMap.dat): a grid of map chips on which
// events stand. A "ワールド" event leads to a world with its first stage; "道" and "壁" events
// shape the paths.
#include <cstdint>
#include <string>

#include "data/Record.h"
#include "framework/Geometry.h"

// One map chip.
class cWorldRec2 : public cRecord {
public:
    cWorldRec2() {
        RegisterFields(kDataVersion);
        Reset();
    }
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cWorldRec2)

    int32_t m_Extra;        // carried for the world map scene
    int32_t m_Block;        // 0 passable, 1 not passable
    int32_t m_Picture;      // tile n of the chip sheet: column n % 5, row n / 5
    std::string m_ExtraText;  // carried for the world map scene
    std::string m_Text;       // what the chip palette shows
};

enum eWorldEventType { eWorldEventWorld, eWorldEventRoad, eWorldEventWall };

// Texts of the event types and of the game-clear actions, each table closed by an empty string.
extern const char* const WorldEventTypeNames[];
extern const char* const GameClearNames[];

// One page of an event ("ページデータ").
class cWorldStageEntry : public cRecord {
public:
    cWorldStageEntry() {
        RegisterFields(kDataVersion);
        Reset();
    }
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cWorldStageEntry)

    int32_t m_Type;            // eWorldEventType
    int32_t m_Graphic;
    int32_t m_WorldNo;         // 0..999; 0 unnumbered (cleared from the start)
    int32_t m_PassUncleared;   // "クリアしなくても通行可能"
    int32_t m_PlayAfterClear;  // "クリア後でもプレイ可能"
    int32_t m_GameClear;       // a row of GameClearNames
    int32_t m_NeedWorld;       // appears once this world is cleared; 0 always
    int32_t m_CondVar;         // appears when this variable compares true
    int32_t m_CondValue;       // -999999..999999
    int32_t m_CondCompare;     // である, でない, 以上, 以下, より上, より下
    std::string m_WorldName;   // up to 20 characters
    std::string m_StartStage;  // path of the world's first stage
};

class cWorldEvent : public cRecord {
public:
    cWorldEvent();
    void Init();
    void RegisterFields(uint32_t version) override;
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cWorldEvent)

    int32_t m_X;
    int32_t m_Y;
    std::string m_Name;  // "イベント名", up to 20 characters
    cRecordVector<cWorldStageEntry> m_Pages;
};

class cWorldMap : public cRecord {
public:
    static constexpr int32_t kMaxWidth = 200;
    static constexpr int32_t kMaxHeight = 150;
    static constexpr int32_t kMaxWorldNo = 999;

    cWorldMap();
    void Init();
    void RegisterFields(uint32_t version) override;
    // Refuses a map whose size, row pitch or grid length do not agree; then validates.
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cWorldMap)

    // Resizes the map (within 1..kMaxWidth by 1..kMaxHeight): every chip and placed event keeps
    // its (x, y); placed events outside the new size are dropped, and so are cells beyond the new
    // row pitch or height; new cells hold chip 0.
    void SetSize(int32_t width, int32_t height);
    // Brings the start position inside the map and drops the placed events outside it.
    void Validate();

    bool HasEventAt(int32_t x, int32_t y) const { return FindEvent(x, y) != nullptr; }
    cWorldEvent* FindEvent(int32_t x, int32_t y);
    const cWorldEvent* FindEvent(int32_t x, int32_t y) const;
    cWorldEvent* FindEvent(cPoint pt) { return FindEvent(pt.x, pt.y); }
    // Places a copy of the event at (x, y), in place of whatever stood there.
    void PutEvent(const cWorldEvent& event, int32_t x, int32_t y);
    bool RemoveEventsAt(int32_t x, int32_t y);
    // Removes the placed event at that address.
    bool RemoveEvent(const cWorldEvent* event);
    // The smallest world number from 1 to 999 that no world page of the placed events (the one
    // left out aside) uses; 0 when all are taken.
    int32_t NextWorldNumber(const cWorldEvent* leaveOut) const;
    // Gives every world page of the event that number.
    void NumberEntries(cWorldEvent& event, const cWorldEvent* leaveOut) const;

    int32_t m_Width;       // "横幅" in chips
    int32_t m_Height;      // "縦幅"
    int32_t m_Pitch;       // row pitch of the grid: the smallest power of two above the width
    int32_t m_PitchBits;
    int32_t m_StartX;      // "初期位置"
    int32_t m_StartY;
    int32_t m_BackColor;   // palette index 16..207
    int32_t m_UseBackImage;
    std::string m_Name;
    std::string m_BackImage;
    cRecordVector<cWorldRec2> m_Chips;
    cCheckedVector<int32_t, eCloseProgram> m_Grid;  // chip numbers, cell (x, y) at y * pitch + x
    cRecordVector<cWorldEvent> m_Events;
    cRecordVector<cWorldEvent> m_EventPalette;  // templates; their positions mean nothing

private:
    void DropEventsOutside();
};
