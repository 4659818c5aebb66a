#pragma once
// Stages placed from the factory common palette as the editor places from it: the factory stage
// (default\stg4\Default.stg4_NNN), a short stage a player can cross, and the sample game's.

// A stage drawn as text, a row of text for each row of cells (FactoryStage.cpp lists the marks).
struct cStageRows {
    const char* const* rows;
    int height;
};

class cEdStage;

// Writes the stage as the file of the path with this version's stage extension; false when the
// rows do not make a playable stage or it could not be saved. The stage's settings can be
// changed before it is saved.
bool WriteRowStage(const cStageRows& rows, const char* name, const char* path, void (*settle)(cEdStage&) = nullptr);
bool WriteFactoryStage();
