#pragma once
// Filling the project objects from the project folder (the current directory) at start-up.

// Loads every project file from data\, else from default\, else from the built-in defaults, and
// writes to data\ each file that did not come from there (a damaged one is first moved aside
// and reported, see data/UnreadableFile.h); copies the factory default stage when
// data\ has none; then loads the palettes, the system bitmaps and the database's character
// bitmaps. False, after telling the user which, when a palette or a required bitmap cannot be
// loaded. Afterwards no stage is open.
bool LoadProject();

// Reopens the stage that was open when the editor last closed (an empty path: none). A stage
// that cannot be read leaves a cleared stage of 32 x 32 cells and none open. The undo history
// is then set up for the stage. True when the stage was loaded.
bool OpenLastStage(const char* path);
