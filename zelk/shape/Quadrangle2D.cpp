#include "zelk/shape/Quadrangle2D.h"

#include <cstdio>

namespace zelk {
namespace shape {

Quadrangle2D::Quadrangle2D() : FixedPolygon2D<4, 7>() {}

Quadrangle2D::~Quadrangle2D() {}

void Quadrangle2D::print() {
    printf("\nQuadrangle");
    Polygon2D::print();
}

} // namespace shape
} // namespace zelk
