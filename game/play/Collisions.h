#pragma once
// What meets what after everything has moved: the boxes characters, shots and items are tested
// with. A character's boxes against characters, shots and items are centred on its drawing box
// with the stage's sizes, times its scale; the stage's sizes are read here so that every test
// agrees on them.
#include <cstdint>

class cActor;
class cItemObj;
class cShotObj;

// A box in stage dots; right and bottom belong to it, so boxes whose edges touch overlap.
struct cHitBox {
    double left = 0.0;
    double top = 0.0;
    double right = -1.0;
    double bottom = -1.0;

    bool Empty() const { return right < left || bottom < top; }
    bool Overlaps(const cHitBox& other) const {
        return !Empty() && !other.Empty() && left <= other.right && other.left <= right && top <= other.bottom &&
               other.top <= bottom;
    }
};

// The box a character meets other characters with; empty for a block character.
cHitBox CharaHitBox(const cActor& actor);
// The box a character is hit by shots with (a block character's fills its drawing box).
cHitBox ShotHitBox(const cActor& actor);
// The box the player takes items with.
cHitBox PickUpBox(const cActor& actor);
// A shot's box against characters (its own box) and against other shots (the stage's size for
// its side, centred on it).
cHitBox ShotBox(const cShotObj& shot);
cHitBox ClashBox(const cShotObj& shot);
cHitBox ItemBox(const cItemObj& item);

// Flow triggers the collisions raise.
enum eHitTrigger { eTriggerTouchChara = 4, eTriggerTouchShot = 5, eTriggerTouchItem = 6 };
// System sounds of a hit, of the player's death and of a character's defeat.
enum eHitSound { eSoundHit = 7, eSoundPlayerDies = 8, eSoundCharaDies = 9 };
