#pragma once
// The effect types of the character-effect and screen-effect tables: their names and what each
// of their five parameters means. Row t of a parameter table belongs to type t; type 0 is the
// type without effect, has no name and uses no parameter, so name t - 1 names type t. Name
// tables end with an empty string.
#include "data/ParamDesc.h"

const int kEffectParams = 5;
const int kCharaEffectTypes = 17;  // types 0 to 16
const int kScrEffectTypes = 14;    // types 0 to 13

extern const char* const CharaEffectTypeNames[kCharaEffectTypes];
extern const cParamDesc CharaEffectParamTable[kCharaEffectTypes][kEffectParams];
extern const char* const ScrEffectTypeNames[kScrEffectTypes];
extern const cParamDesc ScrEffectParamTable[kScrEffectTypes][kEffectParams];

// The attack directions of a sword position, by stored value; ends with an empty string.
extern const char* const SwordDirectionNames[5];
