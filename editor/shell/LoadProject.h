#pragma once
// Filling the project objects from the project folder (the current directory) at start-up.

// Loads every project file from data\, else from default\, else from the built-in defaults, and
// writes to data\ each file that did not come from there; copies the factory default stage when
// data\ has none; then loads the palettes, the system bitmaps and the database's character
// bitmaps. False, after telling the user which, when a palette or a required bitmap cannot be
// loaded. Afterwards no stage is open.
bool LoadProject();
