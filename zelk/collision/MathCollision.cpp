#include "zelk/collision/MathCollision.h"

#include <cmath>

namespace zelk {
namespace collision {

namespace {

// a + (b - a) * t, component by component.
vec2f32 along(vec2f32 a, vec2f32 b, float32 t) {
    return vec2f32(a.x + t * (b.x - a.x), a.y + t * (b.y - a.y));
}

bool hasNaN(vec2f32 p) {
    return std::isnan(p.x) || std::isnan(p.y);
}

} // namespace

MathCollision::~MathCollision() {}

bool MathCollision::boundingContact2D(vec2f32 p, vec2f32 a, vec2f32 b) {
    float32 maxX = a.x > b.x ? a.x : b.x, minX = a.x > b.x ? b.x : a.x;
    float32 maxY = a.y > b.y ? a.y : b.y, minY = a.y > b.y ? b.y : a.y;
    return maxX >= p.x && p.x >= minX && maxY >= p.y && p.y >= minY;
}

bool MathCollision::boundingContact3D(vec3f32 p, vec3f32 a, vec3f32 b) {
    float32 maxZ = a.z > b.z ? a.z : b.z, minZ = a.z > b.z ? b.z : a.z;
    return boundingContact2D(vec2f32(p.x, p.y), vec2f32(a.x, a.y), vec2f32(b.x, b.y)) &&
           maxZ >= p.z && p.z >= minZ;
}

bool MathCollision::pointStraigh2D(vec2f32 p, vec2f32 a, vec2f32 b) {
    float32 s = p.x * a.y + p.y * b.x + a.x * b.y - b.x * a.y - b.y * p.x - a.x * p.y;
    return s == 0.f;
}

Vecs2f32 MathCollision::straightStraight2D(vec2f32 a, vec2f32 b, vec2f32 c, vec2f32 d) {
    Vecs2f32 points(1);
    float32 den = (d.x - c.x) * (b.y - a.y) - (b.x - a.x) * (d.y - c.y);
    if (den == 0.f) {
        return points;
    }
    float32 ua = ((d.x - c.x) * (c.y - a.y) - (c.x - a.x) * (d.y - c.y)) / den;
    float32 ub = ((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / den;
    if (ua >= 0.f && ua <= 1.f && ub >= 0.f && ub <= 1.f) {
        points.pushBack(along(a, b, ua));
    }
    return points;
}

Vecs2f32 MathCollision::straightCircle2D(vec2f32 a, vec2f32 b, vec2f32 centre, float32 radius) {
    Vecs2f32 points(2);
    float32 qa = (b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y);
    if (qa == 0.f) {
        return points;
    }
    float32 qb = 2.f * ((a.y - centre.y) * (b.y - a.y) + (b.x - a.x) * (a.x - centre.x));
    float32 qc = centre.x * centre.x + centre.y * centre.y + a.x * a.x + a.y * a.y -
                 2.f * (centre.y * a.y + centre.x * a.x) - radius * radius;
    float32 disc = qb * qb - 4.f * qa * qc;
    if (disc == 0.f) {
        vec2f32 touch = along(a, b, -qb / (2.f * qa));
        if (boundingContact2D(touch, a, b)) {
            points.pushBack(touch);
        }
    } else if (disc > 0.f) {
        double root = std::sqrt(static_cast<double>(disc));
        double twice = 2.0 * static_cast<double>(qa);
        vec2f32 first = along(a, b, static_cast<float32>((-qb + root) / twice));
        vec2f32 second = along(a, b, static_cast<float32>((-qb - root) / twice));
        if (boundingContact2D(first, a, b)) {
            points.pushBack(first);
        }
        if (boundingContact2D(second, a, b)) {
            points.pushBack(second);
        }
    }
    return points;
}

bool MathCollision::polygonPoint(shape::Polygon2D polygon, vec2f32 p) {
    polygon.cantDeletePolygon();
    unsigned int count = polygon.getVertexCount();
    if (count < 3 || hasNaN(p)) {
        return false;
    }
    for (unsigned int i = 0; i < count; i++) {
        vec2f32 from = polygon.getVertexPosition(i);
        vec2f32 to = polygon.getVertexPosition((i + 1) % count);
        if (getAngleDistance(to - from, p - from) <= 0.f) {
            return false;
        }
    }
    return true;
}

} // namespace collision
} // namespace zelk
