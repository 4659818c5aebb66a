#pragma once
// The music of play: the stage's own and what its flows ask for, always in one slot of the
// music player, apart from the menus' slots.

// The music player's slot of play.
const int kStageMusicSlot = 4;

// Sets the file of the Bgm table's row into the slot of play and plays it looping; the song
// that plays there already goes on, any other starts from its beginning. Nothing happens while
// the music is off.
void PlayStageMusic(int bgm);
// Whether the Bgm table's row is what plays in the slot of play (row 0, the stage's "none":
// whether no music plays). True while the music is off, as nothing is to be started then.
bool IsStageMusicPlaying(int bgm);
// Stops whatever music plays.
void StopMusic();
