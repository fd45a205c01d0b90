#include "zelk/shape/Circle2D.h"

#include "zelk/Math.h"

#include <cstdio>

namespace zelk {
namespace shape {

Circle2D::Circle2D() : Circle2D(4, 1.f) {}

Circle2D::Circle2D(unsigned int n, float32 radius) : Polygon2D() {
    circleFlag = true;
    createPolygon(n, radius);
}

Circle2D::~Circle2D() {}

bool Circle2D::createPolygon(unsigned int n, float32 newRadius) {
    deletePolygon();
    radius = newRadius > 0.f ? newRadius : 1.f;
    if (!Polygon2D::createPolygon(n)) {
        return false;
    }
    float32 step = 360.f / static_cast<float32>(n);
    for (unsigned int i = 0; i < n; i++) {
        vec2f32 point = Math::rotate2f(vec2f32(0.5f, 0.f), static_cast<float32>(i) * step);
        setVertexPosition(i, (point * radius) * 2.f);
        setVertexUV(i, point + vec2f32(0.5f, 0.5f));
    }
    return true;
}

void Circle2D::print() {
    printf("\nCircle");
    Polygon2D::print();
}

} // namespace shape
} // namespace zelk
