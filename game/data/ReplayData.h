#pragma once
// A replay: the random seed of one attempt at a stage and run-length logs of player 0's
// direction and button words, one entry per play frame. A replay file holds the stage itself
// followed by the replay, so it plays without the project's stage file.
#include <cstdint>
#include <string>

#include "data/Record.h"
#include "data/Stage.h"

class cReplayData : public cRecord {
public:
    cReplayData();
    cReplayData(const cReplayData& other) = default;
    // Copies the logs and the seed; the playback place stays this replay's own.
    cReplayData& operator=(const cReplayData& other);
    void RegisterFields(uint32_t version) override;
    // Refuses logs whose values and runs differ in number or hold a run below 1.
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cReplayData)

    // Empties the logs, clears the seed and rewinds.
    void Clear();
    // Playback starts again from the first frame.
    void Rewind();
    // Appends one frame of the two words.
    void RecordFrame(int16_t direction, int16_t buttons);
    // Gives the next frame's words: 0 while the replay lasts, 1 once it has ended (the words
    // are then left as they were).
    int NextFrame(int16_t& direction, int16_t& buttons);
    bool Empty() const { return m_DirValues.empty(); }

    // The stage as the game holds it (cEdStage::SaveAsPlaced), then this replay. False when the file cannot be written (an old file of the
    // name is kept).
    bool SaveReplayFile(const char* path, cEdStage& stage);
    // The stage and the replay change only when the whole file was read and is sound.
    bool LoadReplayFile(const char* path, cEdStage& stage);

    int32_t m_Seed;
    cCheckedVector<int16_t, eCloseProgram> m_DirValues;
    cCheckedVector<int16_t, eCloseProgram> m_ButtonValues;
    cCheckedVector<int32_t, eCloseProgram> m_DirRuns;
    cCheckedVector<int32_t, eCloseProgram> m_ButtonRuns;
    // Playback: the value being given out of each log and the frames given of its run.
    int32_t m_DirPos = 0;
    int32_t m_ButtonPos = 0;
    int32_t m_DirCount = 0;
    int32_t m_ButtonCount = 0;
};

// "rpl4_147", the extension of replay files whatever the data version.
std::string ReplayExt();
// The first free name among name_00 ... name_88 of the stage name (its extension replaced by
// the replay's) in user_data\rpl4\, as a file name; when all are taken, name_88, which the
// save dialog then asks before replacing. An empty stage name proposes nothing.
std::string ProposeReplayName(const std::string& stageName);

// The replay of the attempt being played and that of the one before it.
cReplayData& CurrentReplay();
cReplayData& PreviousReplay();
