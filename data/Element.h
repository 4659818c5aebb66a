#pragma once
// What the three palette element records (block, chara, item) share.
#include <cstdint>

#include "data/Record.h"

// One flag per attribute group: 1 takes the group from the base element.
typedef cCheckedVector<uint8_t, eCloseProgram> cInheritFlags;
