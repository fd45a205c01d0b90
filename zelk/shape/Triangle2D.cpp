#include "zelk/shape/Triangle2D.h"

#include <cstdio>

namespace zelk {
namespace shape {

Triangle2D::Triangle2D() : FixedPolygon2D<3, 4>() {}

Triangle2D::~Triangle2D() {}

void Triangle2D::print() {
    printf("\nTriangle");
    Polygon2D::print();
}

} // namespace shape
} // namespace zelk
