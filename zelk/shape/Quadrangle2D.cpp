#include "zelk/shape/Quadrangle2D.h"

#include <cstdio>

namespace zelk {
namespace shape {

namespace {
// OpenGL's GL_QUADS.
const unsigned int primitive = 7;
} // namespace

Quadrangle2D::Quadrangle2D() : Polygon2D() {
    Polygon2D::createPolygon(4);
}

Quadrangle2D::~Quadrangle2D() {}

bool Quadrangle2D::createPolygon(unsigned int n) {
    return n != 0;
}

void Quadrangle2D::deletePolygon() {}

void Quadrangle2D::print() {
    printf("\nQuadrangle");
    Polygon2D::print();
}

void Quadrangle2D::draw() {
    drawPrimitive(primitive);
}

} // namespace shape
} // namespace zelk
