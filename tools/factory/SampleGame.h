#pragma once
// The sample game: the factory project with a world map of three stage squares on a road, two
// short stages for them and a challenge world of two stages, for a person or a test to walk
// through the game's menus and to play the first stage from start to goal.

// Writes its record files into default\ of the current folder, over the factory files it
// replaces (the system data, the world map, the common palette with the hero's and the blob's
// flows and the coin's and the goal's commands); the factory files must be written first.
bool WriteSampleGame();

class cEdChara;

// The sample hero's flows on the character: it walks under the arrow keys, jumps on Z (higher
// the longer Z is held) and shoots on X.
void GiveSampleHeroFlows(cEdChara& hero);
