#pragma once
// The game program's run-time services that live for the whole run: the game threads, the music
// player, the system pictures, the text styles and the sound slots.
#include "framework/BgmPlayer.h"
#include "framework/Thread.h"
#include "game/media/Font.h"
#include "game/media/PictureTable.h"
#include "game/media/Sound.h"
#include "game/media/Surface.h"
#include "game/media/TextStyle.h"

// The game loop, the play engine's blocking waits and the ranking view.
cThread& GameThread();
cThread& PauseThread();
cThread& RankViewThread();

cBgmPlayer& BgmPlayer();

// The system pictures, row for row of the picture table, and their row descriptions (start-up
// may rewrite names before loading).
cSurface* SystemSurfaces();
cPictureRow* SystemPictures();

// The four text styles and their digit strips.
cFont* GameFonts();
cSurface* FontSurfaces();
// The system font draws the frame-rate text and the system text boxes.
const int kSystemFont = 1;

// Sound slots 0-16 are the system sounds, slot 16 + k database sound k.
cSoundVector& SoundSlots();
cSoundTable& SoundSlotTable();
const int kSystemSounds = 17;
