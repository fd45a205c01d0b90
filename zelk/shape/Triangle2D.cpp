#include "zelk/shape/Triangle2D.h"

#include <cstdio>

namespace zelk {
namespace shape {

namespace {
// OpenGL's GL_TRIANGLES.
const unsigned int primitive = 4;
} // namespace

Triangle2D::Triangle2D() : Polygon2D() {
    Polygon2D::createPolygon(3);
}

Triangle2D::~Triangle2D() {}

bool Triangle2D::createPolygon(unsigned int n) {
    return n != 0;
}

void Triangle2D::deletePolygon() {}

void Triangle2D::print() {
    printf("\nTriangle");
    Polygon2D::print();
}

void Triangle2D::draw() {
    drawPrimitive(primitive);
}

} // namespace shape
} // namespace zelk
