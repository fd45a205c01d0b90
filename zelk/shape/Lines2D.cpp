#include "zelk/shape/Lines2D.h"

#include <cstdio>

namespace zelk {
namespace shape {

namespace {
// OpenGL's GL_LINE_STRIP.
const unsigned int glLineStrip = 3;
} // namespace

Lines2D::Lines2D() : Polygon2D() {
    lineFlag = true;
}

Lines2D::~Lines2D() {}

bool Lines2D::isLine() {
    return true;
}

void Lines2D::print() {
    printf("\nLINES:");
    Polygon2D::print();
}

void Lines2D::draw() {
    drawPrimitive(glLineStrip);
}

} // namespace shape
} // namespace zelk
