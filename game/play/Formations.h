#pragma once
// Where the objects of a shot command start and how they fly: the direction codes, the aim at the
// shooter's target and the six formations, each laying out one volley of placements.
#include <functional>

#include "game/play/Directions.h"
#include "game/play/ShotObj.h"

class cPlayRandom;

typedef std::function<void(const cPlacement&)> cPlacementSink;

// The angle from (x, y) to the centre of the shooter's target (stage dots); without a target
// straight ahead of the shooter.
int AimAngle(const cActor& shooter, double x, double y);

// One placement laid out by the record's formation; an unknown formation lays out nothing.
void LayOutFormation(const cActor& shooter, const cEdShot& shot, const cPlacement& p, const cPlacementSink& sink);
// Every volley of the shot command, one per clone (分身数 + 1), the random spread taken from the
// generator.
void FireVolleys(const cActor& shooter, const cEdShot& shot, int flowDir, cPlayRandom& random,
                 const cPlacementSink& sink);
// The shot command: every placement becomes a shot of the scene.
void FireShots(cPlayScene& scene, cActor& shooter, int cmdType, const cEdShot& shot, int flowDir);

// The summon commands: one placement (clone 0, speed 1, the summoned element's size) laid out by
// the record's formation, each position getting the element of the common (palette choice 0) or
// stage palette (1). A block changes the map cell there (mode 2 toggles each cell once per
// command), a character is summoned only when the computer controls it, facing as the summoner
// (or reversed) in the force the record chooses; an element number the palette lacks summons
// nothing.
void SummonBlocks(cPlayScene& scene, cActor& shooter, const cEdShot& shot, int flowDir);
void SummonCharas(cPlayScene& scene, cActor& shooter, const cEdShot& shot, int flowDir);
void SummonItems(cPlayScene& scene, cActor& shooter, const cEdShot& shot, int flowDir);
