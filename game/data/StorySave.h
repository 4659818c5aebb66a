#pragma once
// The player's progress through a game: the story state of the run, which is also the file of
// a story save slot (user_data\story\Story01.dat to Story99.dat) and of the challenge records
// (user_data\challenge\Challenge.dat).
#include <windows.h>

#include <cstdint>
#include <string>

#include "data/Chara.h"
#include "data/Record.h"
#include "data/Stage.h"

const int kStorySlots = 99;
const int kClearFlags = 1000;
const int kStoryVariables = 256;

// The properties of one player character carried from stage to stage.
class cPlayerStock : public cRecord {
public:
    cPlayerStock();
    void RegisterFields(uint32_t version) override;
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cPlayerStock)

    int32_t m_Hp;
    int32_t m_Sp;
    int32_t m_RemainingTime;
    int32_t m_Lives;
    int32_t m_Music;
    cEdChara m_Chara;
};

// The best total score reached on one story stage.
class cStageBest : public cRecord {
public:
    cStageBest();
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cStageBest)

    std::string m_Name;
    int32_t m_Value;
};

// One challenge stage's record.
class cTwoIntRecord : public cRecord {
public:
    cTwoIntRecord();
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cTwoIntRecord)

    int32_t m_Cleared;
    int32_t m_BestScore;
};

class cStorySave : public cRecord {
public:
    // The state of a new game.
    cStorySave();
    void RegisterFields(uint32_t version) override;
    // Both bring the record in line with the project's world map and challenge count.
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cStorySave)

    // A new game: members zero, one blank stock entry, 1000 clear flags with stage 0's set,
    // 256 story variables, no stage bests or challenge records, one challenge open, "aaa".
    void Reset();
    // A world position outside the world map becomes its start; one challenge record per
    // challenge stage of the project, and no more open than there are.
    void Normalize();
    // A new cycle of the story: every stage uncleared, back at the world map's start.
    void Restart();
    // The life about to be played is taken from the lives the game mode starts with.
    void TakeFirstLife();

    // Moves the shown ranking kind by n kinds that the play kind's ranking settings show
    // (forward for n > 0, back for n < 0; n = 0 moves only off a kind not shown). Nothing moves
    // when the settings show no kind.
    void StepCursorOverShown(int playKind, int n);

    void RecordStageBest(const std::string& name, int value);
    int GetStageBest(const std::string& name) const;

    // Stage numbers and variable indexes come from world map data and save files: those
    // outside the vectors read 0 and are not written.
    int ClearFlag(int stage) const;
    void SetClearFlag(int stage, int value);
    int Variable(int index) const;
    // Test seam: the program writes the variables through the flows' variable references.
    void SetVariable(int index, int value);

    // The properties that the system settings' stock targets name go into stock entry i, or
    // back into the character and the stage (the stage's time limit and music). Hit and skill
    // points come back through RestoreStockHpSp.
    void StoreStock(int i, const cEdChara& chara, int hp, int sp, int specialEffect, int remainingTime, int lives,
                    int music);
    void RestoreStock(int i, cEdChara& chara, cEdStage& stage);
    void RestoreStockHpSp(int i, int& hp, int& sp) const;

    // The stage name the rankings and replays are named by: the path up to and including the
    // dot of its extension; a first stage of a series ("c01-1.stg4") gives the series' name
    // ("c01.") and sets the series flag. A path whose file name has no extension gives "".
    void SetStageFile(const std::string& path);

    int32_t m_StockValid;
    int32_t m_WorldX;
    int32_t m_WorldY;
    int32_t m_WorldEntry;
    int32_t m_CycleCount;
    int32_t m_StageNumber;
    int32_t m_StageActive;
    int32_t m_StartCount;
    int32_t m_Lives;
    int32_t m_Score;
    int32_t m_TotalScore;
    int32_t m_ChallengeValue;
    int32_t m_RemainingTime;
    int32_t m_ClearTime;
    int32_t m_SeriesFlag;
    int32_t m_MusicIndex;
    int32_t m_ChallengeIndex;
    int32_t m_SlotSceneValue;
    int32_t m_MapSceneValue;
    int32_t m_ShownRankKind;
    std::string m_StageFile;
    std::string m_PlayerName;
    SYSTEMTIME m_SaveTime;
    cRecordVector<cPlayerStock> m_PlayerStock;
    cRecordVector<cStageBest> m_StageBest;
    cRecordVector<cTwoIntRecord> m_Challenges;
    cCheckedVector<int32_t, eCloseProgram> m_ClearFlags;
    cCheckedVector<int32_t, eCloseProgram> m_Variables;
};
static_assert(sizeof(SYSTEMTIME) == 16, "the save time is 16 bytes in a story file");

// One slot of the save list: whether its file holds a save, and when it was saved.
class cStorySlotHeader : public cRecord {
public:
    cStorySlotHeader();
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cStorySlotHeader)

    int32_t m_Used;
    SYSTEMTIME m_SaveTime;
};

// The ranking kind n kinds that the play kind's ranking settings show away from kind, as
// cStorySave::StepCursorOverShown moves its own; kind itself when the settings show none.
int StepShownRankKind(int playKind, int kind, int n);

// The project's challenge stage count, bounded so that a damaged System.dat never makes the
// records take all memory.
int ChallengeCount();

// user_data\story\StoryNN.dat with NN = slot + 1 in two digits.
std::string MakeStoryPath(int slot);
// False when the file could not be written (the old one is kept, the header left as it was);
// on success the slot's header is marked used with the record's save time.
bool WriteStory(cStorySave& record, int slot);
// False when the slot file is missing, short or damaged; the record is then left as it was.
bool ReadStory(cStorySave& record, int slot);
// Every header from its file: used with its save time when the file reads whole, else unused.
void ReadStorySlots(cRecordVector<cStorySlotHeader>& headers);

// The story state of the run and the headers of the 99 slots.
cStorySave& StoryState();
cRecordVector<cStorySlotHeader>& StorySlots();
