#pragma once
// The game program run as a process on a copy of the factory project in a test folder, and the
// windows it shows.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class cEdStage;
class cStorySave;


// Copies the factory project into the current folder with default\ made data\ (or the given
// name) and its System.ini.
bool CopyGameProject(const char* dataFolder = "data");
// The same for the sample game (build\sample).
bool CopySampleGame();
// The same for the fixture stages' project (build\fixtures).
bool CopyFixtureProject();
// Changes a stage of the project copy in the current folder and writes it back; false when it
// cannot be read or written, or the change says so. The copy's common palette and Bgm table, which
// a stage is read and checked against, are taken in for it and the game's put back after.
bool EditCopiedStage(const char* path, const std::function<bool(cEdStage&)>& change);
// A new story standing at the world map's column and row.
cStorySave NewStoryAt(int column, int row);
// Writes the story into the first save slot of the project copy in the current folder.
bool WriteFirstSlot(cStorySave& story);
// A file listing of a folder tree: "path size write-time" per file, sorted.
std::vector<std::string> ListTree(const std::string& folder);

class cGameProcess {
public:
    // Starts game.exe in the current folder with the show command and the command-line text;
    // the error log is on.
    explicit cGameProcess(int show = SW_SHOWNORMAL, const char* arguments = nullptr);
    ~cGameProcess();
    cGameProcess(const cGameProcess&) = delete;
    cGameProcess& operator=(const cGameProcess&) = delete;

    bool Started() const { return m_started; }
    // The visible main window, or null when none showed within the time.
    HWND WaitForMainWindow(DWORD timeoutMs = 20000);
    // A message box of the process: its text, and it is answered with OK. Empty when none came.
    std::string AnswerBox(const char* caption, DWORD timeoutMs = 20000);
    // A dialog of the process with the caption (none: the name entry), or null when none showed.
    HWND WaitForDialog(DWORD timeoutMs = 20000, const char* caption = "");
    // Answers the file dialog with the caption as a person does: the name typed into its name
    // box, then OK. False when the dialog did not show or did not close.
    bool AnswerFileDialog(const char* caption, const char* name);
    bool WaitForExit(DWORD timeoutMs, DWORD* code);
    bool Running() const;

private:
    PROCESS_INFORMATION m_pi = {};
    bool m_started = false;
};

// The game's error log, in the folder it runs in.
const char kLog[] = "EC_Game.txt";

// A frame of a scene as the game logged it (its "Scene" lines): scene, phase ("in", "on", "out"),
// state, sub-state and the keys that frame read.
struct cSceneLine {
    int scene = -1;
    char phase[8] = "";
    int state = -1;
    int subState = -1;
    int direction = 0;
    int buttons = 0;
    bool Ready() const { return std::string(phase) == "on" && direction == 0 && buttons == 0; }
};

// Keys sent to the running game's menus, each only once the game shows by its log that a menu
// takes keys and has seen the last one let go, and held until a frame has read it; the game's
// window is brought to the front first. No key depends on how fast the machine runs frames.
// Every wait is long (30 s); a wait that runs out fails the test with the log's end.
class cMenuKeys {
public:
    explicit cMenuKeys(HWND wnd) : m_Wnd(wnd) {}
    void Press(WORD vk);
    void Press(std::initializer_list<WORD> keys) {
        for (WORD vk : keys) Press(vk);
    }
    // A key the game reads apart from its keys (Space, which pauses play): held until the scene
    // is in the state.
    void PressUntil(WORD vk, int scene, int state);
    // Waits until the scene runs its own handlers (in the state, unless it is -1) with every key
    // up.
    bool WaitForScene(int scene, int state = -1);

private:
    // The scene lines logged so far.
    static std::vector<cSceneLine> Lines();
    bool ToFront();
    // Waits until a scene takes keys with every key up; the count of scene lines then.
    bool WaitForKeys(WORD vk, size_t& seen);

    HWND m_Wnd;
};
// game.exe started in the current folder with the command-line text (none: the title menu), its
// window found and its whole start-up logged; asked to close at the end.
class cGameSession {
public:
    explicit cGameSession(const char* arguments = nullptr);
    ~cGameSession();
    cGameSession(const cGameSession&) = delete;
    cGameSession& operator=(const cGameSession&) = delete;

    cGameProcess m_Game;
    HWND m_Wnd;
    cMenuKeys m_Keys;
};

// The log holds the marks of a whole start-up once the game loop runs (the loop's first menu
// frames may be logged among the last marks).
bool StartedUp(cGameProcess& game);

// The text of a file written in text mode, with its line ends made plain.
std::string WithoutCR(std::string text);
// Waits until the file holds the text (line ends made plain).
bool WaitForText(const char* file, const std::string& text, DWORD timeoutMs);

// How often the game's log says a song was opened: this machine's MIDI device refuses each.
size_t OpenedTimes(const std::string& log, const std::string& song);
// The lives each start of play logged ("Lives N"), in order.
std::vector<int> LoggedLives(const std::string& log);

// The colours the screen shows in a rectangle of the window's client area, row by row.
std::vector<COLORREF> ScreenPixels(HWND wnd, const RECT& area);
// The colours of a rectangle of a picture file, row by row; empty when it cannot be read.
std::vector<COLORREF> BitmapFilePixels(const char* path, const RECT& area);
// Whether two colours are the same give or take a little (a 16-bit screen drops low bits).
bool NearColour(COLORREF a, COLORREF b);
