#pragma once
// The factory stage (default\stg4\Default.stg4_NNN): a short stage a player can cross, placed
// from the factory common palette as the editor places from it.

// Writes it; false when it could not be saved.
bool WriteFactoryStage();
