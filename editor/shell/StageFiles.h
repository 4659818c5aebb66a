#pragma once
// The open stage's files, for the main window's commands and the test play: saving the stage
// (and putting an older version's file away), the save questions before a stage is replaced or
// the editor closes, opening a stage file, and the palettes' files. Each asks and reports in
// boxes owned by the window it is given and keeps the stage document's path and flags
// (StageDoc.h); the window shows the outcome itself (its title, its undo states).
#include <windows.h>

// Saves the open stage: with overwrite to its own file when that carries this version's
// extension, otherwise to a file the author chooses. False when cancelled or the write failed
// (which is reported; the modified flag stays).
bool SaveStage(HWND owner, bool overwrite);
// Before the editor closes: offers to save a modified stage and common palette; false when the
// author cancelled or a save did not happen.
bool AskSave(HWND owner);
// The same for the stage alone, before it is replaced or closed.
bool AskSaveStage(HWND owner);
// Opens a stage file the author chooses, after offering to save a modified stage, and empties
// the undo history. False when cancelled or the file could not be read (which is told; the
// stage and its history stay as they were).
bool OpenStage(HWND owner);
// The stage palette from or to a file the author chooses; false when cancelled or failed (told;
// a failed load leaves the palette as it was).
bool LoadStagePalette(HWND owner);
bool SaveStagePalette(HWND owner);
// The common palette to its file; false, after the message, when it could not be written.
bool SaveCommonPalette();
