#include "zelk/shape/Line2D.h"

#include <cstdio>

namespace zelk {
namespace shape {

Line2D::Line2D() : lineStart(), lineEnd() {}

Line2D::Line2D(vec2f32 start, vec2f32 end) : Line2D() {
    lineStart.position = start;
    lineEnd.position = end;
}

Line2D::~Line2D() {}

void Line2D::draw() {
    lineStart.Vertex2D::draw();
    lineEnd.Vertex2D::draw();
}

void Line2D::print() {
    printf("\nLine");
}

} // namespace shape
} // namespace zelk
