#pragma once
// The game's view of the project database: the strict load at start-up and the four tables the
// play engine copies from whenever an animation, an effect display, a character effect or a
// screen effect starts. Pattern i and state i belong to entry i of their database table.
#include "data/Database.h"
#include "framework/AnimePlayer.h"
#include "framework/CheckedVector.h"
#include "game/data/EffectState.h"

typedef cCheckedVector<cEffectState> cEffectStates;

// Empty until built; built once at start-up and only read afterwards.
cAnimePatterns& AnimePatternTable();
cAnimePatterns& EffectPatternTable();
cEffectStates& CharaEffectProtoTable();
cEffectStates& ScrEffectProtoTable();

// One pattern per Anime (Effect) entry: each frame shows its cell for its time in frames. Entry
// 0 plays one frame per tick in a loop that cannot be interrupted; the other entries end with
// the end code (-4), uninterruptible from their first marked frame on (effects have no marks).
// An entry without frames is the end code alone, so it can never loop without end.
void BuildAnimePatterns(cAnimePatterns& table, const cDatabase& database);
void BuildEffectPatterns(cAnimePatterns& table, const cDatabase& database);
void BuildCharaEffectProtos(cEffectStates& table, const cDatabase& database);
void BuildScrEffectProtos(cEffectStates& table, const cDatabase& database);

// Loads the project database strictly (a missing table file is reported and fails the load),
// then builds the four tables from it. False when start-up must stop.
bool LoadGameDatabase();
