#pragma once
// The game program's host of the play scene: sounds through the window thread, the keyboard,
// the back buffer, the blocking wait on its own thread, and the play scene's place among the
// scenes.

// Makes the scene manager create the play scene (scene 4) with the game's host.
void InstallPlayScene();
