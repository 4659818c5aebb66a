#pragma once
// Animations of the database: the Anime table's patterns and the AnimeSet table's sets of a
// character's basic animations.
#include <string>

#include "data/Record.h"

// One step of an animation.
class cAnimeFrame : public cRecord {
public:
    cAnimeFrame();
    void Init();
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cAnimeFrame)

    int32_t m_Cell;
    int32_t m_Time;        // 1/10 s
    int32_t m_RunCommand;  // "コマンドを実行する"
};

class cAnime : public cRecord {
public:
    cAnime();
    void Init();
    void RegisterFields(uint32_t version) override;
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cAnime)

    std::string m_Name;
    // The picture the editor previews the animation on.
    int16_t m_SampleNo;
    int8_t m_SampleKind;  // 0 block, 1 character, 2 item, 3 shot, 4 dedicated bitmap
    int16_t m_SampleCell;
    cRecordVector<cAnimeFrame> m_Frames;
};

class cAnimeSet : public cRecord {
public:
    // Slots: 0 standing, 1 moving on the ground, 2 flying, 3 moving in flight.
    static constexpr int kSlots = 4;

    cAnimeSet();
    void Init();
    void RegisterFields(uint32_t version) override;
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cAnimeSet)

    std::string m_Name;
    // Cell offsets of the animations while invincible, blocking and flying.
    int32_t m_InvincibleOffset;
    int32_t m_BlockOffset;
    int32_t m_FlyOffset;
    cRecordVector<cAnime> m_Slots;
};
