#ifndef JORVELLLEVEL_LEVELADDITIONS_H
#define JORVELLLEVEL_LEVELADDITIONS_H

#include "zelk/Cenario2D.h"

namespace jorvelllevel {

// Static steps on level 3 that make the level playable from the start to the
// end sensor: a zig-zag of 4 x 1 boxes left of the moving platform's path, each
// 4 above the last and 3 across from it, up to the height where the platform
// passes; it carries the player up to the platforms that lead to the sensor.
void addHelperSteps(zelk::Cenario2D& scene);

// Turns the end sensor (position 0 of level 1) into a curtain 1 wide and 30
// high standing 10 to the right of the start, which any walk or hop to the
// right passes through: the level ends a few seconds after the start.
bool makeTestCurtain(zelk::Cenario2D& scene);

} // namespace jorvelllevel

#endif
