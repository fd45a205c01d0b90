#ifndef ZELK_BONES_PLACEMENTMATRIX_H
#define ZELK_BONES_PLACEMENTMATRIX_H

#include "zelk/TypeSize.h"
#include "zelk/TypeVec2.h"

namespace zelk {
namespace bones {

// The 3x3 column matrix that places a frame at start, turned by angle degrees
// and scaled: T(start) * R(angle) * S(scale) when scaleFirst is set (the
// scale acts first on a point), else T(start) * S(scale) * R(angle).
void placementMatrix(vec2f32 start, float angle, size2f32 scale, bool scaleFirst,
                     float (*matrix)[3][3]);

} // namespace bones
} // namespace zelk

#endif
