#pragma once
// The game program run as a process on a copy of the factory project in a test folder, and the
// windows it shows.
#include <windows.h>

#include <string>
#include <vector>


// Copies the factory project into the current folder with default\ made data\ (or the given
// name) and its System.ini.
bool CopyGameProject(const char* dataFolder = "data");
// The same for the sample game (build\sample).
bool CopySampleGame();
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
    // A dialog of the process without a caption (the name entry), or null when none showed.
    HWND WaitForDialog(DWORD timeoutMs = 20000);
    bool WaitForExit(DWORD timeoutMs, DWORD* code);
    bool Running() const;

private:
    PROCESS_INFORMATION m_pi = {};
    bool m_started = false;
};

// A key pressed and let go on the desktop's keyboard, each long enough for a frame to see it.
void PressKey(WORD vk);
void PressKeys(const std::vector<WORD>& keys);

// The game's error log, in the folder it runs in.
const char kLog[] = "EC_Game.txt";
// The log holds the marks of a whole start-up once the game loop runs.
bool StartedUp(cGameProcess& game);

// The text of a file written in text mode, with its line ends made plain.
std::string WithoutCR(std::string text);
// Waits until the file holds the text (line ends made plain).
bool WaitForText(const char* file, const std::string& text, DWORD timeoutMs);
