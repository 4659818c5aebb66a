#pragma once
// The text of a condition as a row of the condition lists: the kind's name, then the kind's
// own words (variable, value, comparison; status sides; distance). A number, name or word that
// the record points past the end of its table shows as an empty text.
#include <string>

#include "data/Condition.h"

void CondRowText(std::string* text, int index, const cCondition* cond);
