#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "framework/ErrorLog.h"
#include "game/core/Input.h"
#include "game/core/SceneManager.h"
#include "tests/support/CloseCounter.h"
#include "tests/support/TempDir.h"

namespace {

std::vector<std::string> g_events;
const char* g_initThrows = nullptr;

void Note(const std::string& what, int id) { g_events.push_back(what + " " + std::to_string(id)); }

// A menu scene: fades in over FadeFrames frames, on decide leaves for the scene in its
// Next table and fades out over as many frames.
class cTestScene : public cScene {
public:
    static const int kFadeFrames = 3;
    static int s_next[kSceneTypes];

    explicit cTestScene(int id) : m_nId(id) {
        SetHandlers<cTestScene>({&cTestScene::Main});
        Note("new", id);
    }
    ~cTestScene() override { Note("delete", m_nId); }

    int Frame() override { return MenuFrame(kMenuButtons2); }
    void Init() override {
        Note("init", m_nId);
        if (g_initThrows) throw g_initThrows;
    }
    int FadeIn() override {
        Note("fade-in", m_nId);
        if (++m_nSubState >= kFadeFrames) {
            m_nSubState = 0;
            m_nState = 1;
        }
        return 10;
    }
    int Main() {
        const cInput& in = GetPlayerInput(0);
        Note(in.m_wButtons & kButtonDecide ? "decide" : "main", m_nId);
        if (in.m_wButtons & kButtonDecide) LeaveTo(s_next[m_nId]);
        return 11;
    }
    int FadeOut() override {
        Note("fade-out", m_nId);
        if (++m_nSubState >= kFadeFrames) {
            m_nSubState = 0;
            FinishFadeOut(m_nId);
        }
        return 12;
    }

private:
    int m_nId;
};
int cTestScene::s_next[kSceneTypes] = {};

template <int Id>
cScene* Make() {
    return new cTestScene(Id);
}
const SceneCreator kMakers[kSceneTypes] = {Make<0>, Make<1>, Make<2>, Make<3>, Make<4>, Make<5>};

cScene* OutOfMemory() { throw std::bad_alloc(); }

void SetAllMakers(cSceneManager& m) {
    for (int id = 0; id < kSceneTypes; ++id) m.SetCreator(id, kMakers[id]);
}

std::vector<int> Existing(const cSceneManager& m) {
    std::vector<int> ids;
    for (int id = 0; id < kSceneTypes; ++id)
        if (m.Scene(id)) ids.push_back(id);
    return ids;
}

class SceneTest : public testing::Test {
protected:
    void SetUp() override {
        g_events.clear();
        g_initThrows = nullptr;
        for (int& next : cTestScene::s_next) next = 0;
    }
    // The global manager, the player's input and the log go back to how the program starts.
    void TearDown() override {
        cSceneManager& m = SceneManager();
        m.DeleteScenes();
        for (int id = 0; id < kSceneTypes; ++id) m.SetCreator(id, nullptr);
        m.m_nScene = m.m_nNextScene = m.m_nPrevScene = m.m_bKeepScenes = 0;
        GetPlayerInput(0) = cInput();
        SetMainWindow(nullptr);
        SetErrorLog(0, "");
    }

    // One frame as the frame driver runs it, with the decide button held or not.
    int RunFrame(int buttons) {
        cSceneManager& m = SceneManager();
        GetPlayerInput(0).m_wButtons = static_cast<int16_t>(buttons);
        m.Switch(m.m_nScene);
        return m.RunScene();
    }
};

}  // namespace

TEST_F(SceneTest, SwitchMakesTheSceneAndDeletesTheOthers) {
    struct {
        const char* name;
        int keep;
        std::vector<int> before;
        int id;
        std::vector<std::string> events;
        std::vector<int> after;
    } cases[] = {
        {"the first frame makes the mode menu", 0, {}, 0, {"new 0"}, {0}},
        {"the option scene goes in the frame the mode menu comes", 0, {5}, 0, {"delete 5", "new 0"}, {0}},
        {"every other scene, in the deletion order", 0, {0, 1, 2, 3, 4, 5}, 3,
         {"delete 0", "delete 2", "delete 1", "delete 4", "delete 5"}, {3}},
        {"the running scene stays", 0, {4}, 4, {}, {4}},
        {"the keep flag deletes nothing", 1, {0, 1, 5}, 2, {"new 2"}, {0, 1, 2, 5}},
        {"the keep flag with the scene there", 1, {0, 3}, 3, {}, {0, 3}},
        {"id 6 makes nothing", 0, {0, 1}, 6, {"delete 0", "delete 1"}, {}},
        {"a negative id makes nothing", 0, {2}, -1, {"delete 2"}, {}},
    };
    for (const auto& c : cases) {
        cSceneManager m;
        SetAllMakers(m);
        for (int id : c.before) m.Switch(id), m.m_bKeepScenes = 1;
        m.m_bKeepScenes = c.keep;
        g_events.clear();
        m.Switch(c.id);
        EXPECT_EQ(c.events, g_events) << c.name;
        EXPECT_EQ(c.after, Existing(m)) << c.name;
        m.DeleteScenes();
    }
}

TEST_F(SceneTest, DeleteScenesDeletesAllSixInPointerOrder) {
    {
        cSceneManager m;
        SetAllMakers(m);
        m.m_bKeepScenes = 1;
        for (int id = 5; id >= 0; --id) m.Switch(id);
        g_events.clear();
        m.DeleteScenes();
        EXPECT_EQ((std::vector<std::string>{"delete 0", "delete 1", "delete 2", "delete 3", "delete 5", "delete 4"}),
                  g_events);
        EXPECT_TRUE(Existing(m).empty());
        m.Switch(1);
        g_events.clear();
    }
    // The manager's end deletes what is left.
    EXPECT_EQ(std::vector<std::string>{"delete 1"}, g_events);
}

TEST_F(SceneTest, TypesWithoutMakerOrMemoryStayAbsent) {
    cSceneManager m;
    m.Switch(0);
    EXPECT_EQ(nullptr, m.Scene(0));
    EXPECT_EQ(0, m.RunScene());

    m.SetCreator(2, OutOfMemory);
    m.Switch(2);
    EXPECT_EQ(nullptr, m.Scene(2));
    // The next frame tries again.
    m.SetCreator(2, kMakers[2]);
    m.Switch(2);
    EXPECT_NE(nullptr, m.Scene(2));
    EXPECT_EQ(nullptr, m.Scene(7));
    m.SetCreator(9, kMakers[2]);  // not a scene type: ignored
}

// Mode menu -> option scene: init, fade-in frames, the menu, decide, fade-out frames, and the
// switch in the frame after the fade-out ends.
TEST_F(SceneTest, MenuScenesFadeInRunAndFadeOutIntoTheNextScene) {
    cSceneManager& m = SceneManager();
    SetAllMakers(m);
    cTestScene::s_next[0] = 5;
    GetPlayerInput(0).SetRepeat(18, 6);
    const int held[] = {0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1};
    const int results[] = {10, 10, 10, 11, 11, 12, 12, 12, 10, 10, 10};
    for (size_t f = 0; f < sizeof held / sizeof held[0]; ++f) EXPECT_EQ(results[f], RunFrame(held[f])) << f;
    EXPECT_EQ((std::vector<std::string>{"new 0", "init 0", "fade-in 0", "fade-in 0", "fade-in 0", "main 0",
                                        "decide 0", "fade-out 0", "fade-out 0", "fade-out 0", "delete 0",
                                        "new 5", "init 5", "fade-in 5", "fade-in 5", "fade-in 5"}),
              g_events);
    EXPECT_EQ(5, m.m_nScene);
    EXPECT_EQ(0, m.m_nPrevScene);
    EXPECT_EQ(5, m.m_nNextScene);
    EXPECT_EQ(std::vector<int>{5}, Existing(m));

    // Decide still held from the mode menu does not act in the new scene until released.
    g_events.clear();
    for (int buttons : {1, 1, 0, 1}) RunFrame(buttons);
    EXPECT_EQ((std::vector<std::string>{"main 5", "main 5", "main 5", "decide 5"}), g_events);
}

TEST_F(SceneTest, KeptScenesResumeWithoutInit) {
    cSceneManager& m = SceneManager();
    SetAllMakers(m);
    m.m_bKeepScenes = 1;
    m.m_nScene = 1;
    cTestScene::s_next[1] = 3;
    cTestScene::s_next[3] = 1;
    // Into the world map's menu, then leave it for the challenge choice and back.
    for (int buttons : {0, 0, 0, 0, 1, 0, 0, 0}) RunFrame(buttons);
    ASSERT_EQ(3, m.m_nScene);
    for (int buttons : {0, 0, 0, 0, 1, 0, 0, 0}) RunFrame(buttons);
    ASSERT_EQ(1, m.m_nScene);
    EXPECT_EQ(3, m.m_nPrevScene);
    EXPECT_EQ((std::vector<int>{1, 3}), Existing(m));
    g_events.clear();
    RunFrame(0);
    // The map resumes in the state it left: its fade-out had ended, so it stays in fade-out.
    EXPECT_EQ(std::vector<std::string>{"fade-out 1"}, g_events);
    EXPECT_EQ(2, m.Scene(1)->State());
}

TEST_F(SceneTest, ATextThrownByInitIsLoggedAndClosesTheGame) {
    cTempDir dir;
    cCloseCounter main;
    SetMainWindow(main.Wnd());
    SetErrorLog(1, "log.txt");
    SceneManager().SetCreator(0, kMakers[0]);
    g_initThrows = "scene picture missing";
    EXPECT_EQ(10, RunFrame(0));
    EXPECT_EQ(1, main.Closes());
    EXPECT_NE(std::string::npos, dir.Read("log.txt").find("scene picture missing"));
    // The scene goes on to its fade-in, and Init does not run again.
    RunFrame(0);
    EXPECT_EQ((std::vector<std::string>{"new 0", "init 0", "fade-in 0", "fade-in 0"}), g_events);
    EXPECT_EQ(0, SceneManager().Scene(0)->State());
}

namespace {

// A scene whose maker forgot its handler table.
class cBareScene : public cScene {
public:
    int Frame() override { return MenuFrame(kMenuButtons2); }
};

}  // namespace

TEST_F(SceneTest, AStateOutsideTheHandlerTableIsReportedNotRun) {
    cTempDir dir;
    cCloseCounter main;
    SetMainWindow(main.Wnd());
    cBareScene bare;
    EXPECT_EQ(0, bare.Frame());
    EXPECT_EQ(0, bare.State());
    EXPECT_EQ(1, main.Closes());
}
