#pragma once
// The windows that libraries above the shell (palette, database, world map, settings) open from
// the main window's commands and canvas. WinMain sets each before the loop starts, the tests set
// the ones they drive; the main window runs them, and a command without one does nothing.
#include <cstdint>

class cEditWnd;

// Opens a window into the main window's slot for it.
typedef void (*cWndOpener)(cEditWnd* main);
void SetDatabaseOpener(cWndOpener opener);
void SetWorldMapOpener(cWndOpener opener);
// The same for the settings windows, by their command: system settings, project options, stage
// options (with a stage open) and the bitmap conversion tool.
void SetCommandOpener(int command, cWndOpener opener);
// Runs the new-stage dialog; 1 when it made a stage.
typedef int (*cNewStageRunner)(cEditWnd* main);
void SetNewStageRunner(cNewStageRunner runner);
// Opens the data window of the occupied cell (stage index) of a layer that the canvas edits.
typedef void (*cCellEditor)(cEditWnd* main, int32_t layer, uint32_t index);
void SetCellEditor(cCellEditor editor);
// Shows the palette windows of a layer (-1: none, no stage is open).
typedef void (*cPaletteShower)(cEditWnd* main, int layer);
void SetPaletteShower(cPaletteShower shower);
// Repaints the current page of every data window the palette windows hold.
typedef void (*cDataWndPainter)(cEditWnd* main);
void SetDataWndPainter(cDataWndPainter painter);

// What the main window runs: nothing (0 for the new-stage dialog) where none was set.
void OpenDatabase(cEditWnd* main);
void OpenWorldMap(cEditWnd* main);
void RunCommandOpener(int command, cEditWnd* main);
int RunNewStage(cEditWnd* main);
void EditStageCellOf(cEditWnd* main, int32_t layer, uint32_t index);
void ShowPalettesOf(cEditWnd* main, int layer);
void RepaintDataWindowsOf(cEditWnd* main);
