#pragma once
// Acts on a modal dialog from inside its own message loop: a timer looks among the thread's
// windows for the one the test means and, once it is open, hands it to the test's action.
#include <windows.h>

#include <functional>

void DriveDialog(std::function<bool(HWND)> isMine, std::function<void(HWND)> drive);

// Answers an open file dialog of another program as a person does: the name typed into its
// name box, then OK. False when the dialog did not close.
bool AnswerFileDialog(HWND dialog, const char* name);

// Runs open, which shows a popup menu (TrackPopupMenu runs a loop of its own): a timer inside that
// loop notes the menu and ends it. The menu shown; null when none was.
HMENU ShownPopupMenu(const std::function<void()>& open);
