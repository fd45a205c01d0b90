#ifndef ZELK_TESTS_SQUARES_H
#define ZELK_TESTS_SQUARES_H

#include "zelk/TypeColor.h"
#include "zelk/shape/Polygon2D.h"

namespace zelk {
namespace test {

// Makes the polygon the unit square (0, 0), (1, 0), (1, 1), (0, 1),
// counter-clockwise, in one colour.
void makeUnitSquare(shape::Polygon2D* polygon, color4f32 colour);

} // namespace test
} // namespace zelk

#endif
