#pragma once
// The project's system data and world map as both programs hold them for the whole run, beside
// the database (data/ProjectDatabase.h) and the common palette (data/CommonPalette.h). Each is
// built with its factory values on first use; loads refill it, never replace it.
#include "data/SystemData.h"
#include "data/WorldMap.h"

// Checks its menu music against the project database's Bgm table.
cSystemData& ProjectSystemData();
cWorldMap& ProjectWorldMap();
