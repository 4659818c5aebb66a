#pragma once
// What the play scene asks of the program around it: sounds and music, the keys that are not
// part of a player's recorded input, the picture, the blocking wait and the game's end. The game
// answers through its windows and threads; a headless host answers at once, so that a stage can
// be played frame by frame by tests, replays and the benchmark without a window.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class cPlayScene;

class cPlayHost {
public:
    virtual ~cPlayHost() = default;

    virtual void PlaySystemSound(int number) = 0;
    // A sound of the database's Sound table.
    virtual void PlaySound(int) {}
    // Opens the music of the Bgm table's row and plays it looping.
    virtual void PlayMusic(int bgm) = 0;
    virtual void StopMusic() {}
    // Whether the Bgm table's row is the song that plays (0: whether no music plays).
    virtual bool IsMusicPlaying(int bgm) = 0;
    // Keys that act on the scene but are not recorded: Space (pause) and F3 (ranking entry).
    virtual bool KeyHeld(int virtualKey) = 0;
    // The replay-save keys F1 and F2; true when one was handled this frame.
    virtual bool ReplaySaveKey() = 0;
    // Draws the scene's picture with the flags of its Draw and shows it.
    virtual void Paint(cPlayScene& scene, int flag1, int flag2, int flag3, int flag4) = 0;
    // The scene starts: the pictures of its stage (background layers) are loaded.
    virtual void LoadPictures(cPlayScene&) {}
    // The scene goes: the pictures only it draws are released.
    virtual void ReleasePictures() {}
    // Runs the scene's blocking wait until it is done.
    virtual void RunWait(cPlayScene& scene) = 0;
    // The random seed of a new attempt.
    virtual uint32_t NewSeed() = 0;
    // Opens the start file again; false when it cannot be read.
    virtual bool ReopenStartFile() = 0;
    // Reads the stage file again; false when it cannot be read.
    virtual bool ReloadStage() = 0;
    // Asks the game to end (the main window's WM_CLOSE).
    virtual void CloseGame() = 0;
    // The game was started with a stage or replay file; started by the editor for test play.
    virtual bool StartedWithFile() = 0;
    virtual bool TestPlay() = 0;
    // The ranking name from the name window, starting from the name given; false when the
    // window was not shown (the game is closing) and the name is kept.
    virtual bool EnterName(std::string&) { return false; }
    // Runs the scene's ranking view until the player leaves it.
    virtual void ShowRanking(cPlayScene& scene) = 0;
    // A failure the player is told of; play goes on.
    virtual void ReportFailure(const char* text);
    // Reads the stage file of a series; false when it cannot be read.
    virtual bool LoadStage(const std::string& path) = 0;
};

// The host of tests, replays and the benchmark: sounds and music are only noted, keys are what
// the caller holds down, the wait runs inline and painting is whatever the caller installs.
class cHeadlessHost : public cPlayHost {
public:
    void PlaySystemSound(int number) override { sounds.push_back(number); }
    void PlaySound(int id) override { tableSounds.push_back(id); }
    void PlayMusic(int bgm) override {
        music.push_back(bgm);
        playing = bgm;
    }
    void StopMusic() override {
        ++musicStops;
        playing = 0;
    }
    bool IsMusicPlaying(int bgm) override { return playing == bgm; }
    bool KeyHeld(int virtualKey) override;
    bool ReplaySaveKey() override { return false; }
    void Paint(cPlayScene& scene, int flag1, int flag2, int flag3, int flag4) override;
    void RunWait(cPlayScene& scene) override;
    uint32_t NewSeed() override { return seed; }
    bool ReopenStartFile() override {
        ++reopens;
        return reopenResult;
    }
    bool ReloadStage() override { return reloadResult; }
    void CloseGame() override { ++closeRequests; }
    bool StartedWithFile() override { return startedWithFile; }
    bool TestPlay() override { return testPlay; }
    bool EnterName(std::string& name) override {
        name = enteredName;
        return true;
    }
    void ShowRanking(cPlayScene& scene) override;
    void ReportFailure(const char* text) override;
    bool LoadStage(const std::string& path) override {
        loadedStages.push_back(path);
        return loadResult;
    }

    std::vector<int> sounds;
    std::vector<int> tableSounds;
    std::vector<int> music;
    int musicStops = 0;
    int playing = 0;  // the Bgm row that plays; 0 none, -1 a song of the menus
    std::vector<int> keysHeld;  // virtual-key codes
    // Player 0's buttons in the passes of a wait, one entry per pass; none held after them. A
    // wait that never ends stops after kMaxWaitPasses.
    std::vector<int16_t> waitButtons;
    static constexpr size_t kMaxWaitPasses = 1000000;
    std::function<void(cPlayScene&, int, int, int, int)> painter;
    int paints = 0;
    uint32_t seed = 12345;
    bool reopenResult = true;
    int reopens = 0;
    bool reloadResult = true;
    int closeRequests = 0;
    bool startedWithFile = false;
    bool testPlay = false;
    std::string enteredName = "abc";
    int rankingViews = 0;
    // Player 0's buttons in the passes of a ranking view; after them button 1 is pressed.
    std::vector<int16_t> rankingButtons;
    std::vector<int> rankingKinds;  // the kind each pass of a view showed
    std::vector<std::string> failures;
    std::vector<std::string> loadedStages;
    bool loadResult = true;
};
