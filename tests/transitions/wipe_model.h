// What each transition kind draws at a level 1..254, worked out pixel by
// pixel or row by row from the kind's rules, independently of the routines.
#pragma once

#include <string>

#include "coverage.h"

using WipeModel = CCoverage (*)(int width, int height, int level);

// Null for a kind without a model.
WipeModel FindWipeModel(const std::string& kind);
