#ifndef JORVELLDATA_SHAPES_H
#define JORVELLDATA_SHAPES_H

#include <algorithm>
#include <cmath>
#include <initializer_list>

// Signed distances to plane shapes: negative inside, positive outside, in the
// units the points are given in. Shapes combine with min (union) and max
// (intersection).
namespace jorvelldata {

struct Vec {
    float x, y;
};

inline Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec operator*(Vec a, float s) {
    return {a.x * s, a.y * s};
}
inline float dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y;
}
inline float length(Vec a) {
    return std::sqrt(dot(a, a));
}

inline float circle(Vec p, Vec centre, float radius) {
    return length(p - centre) - radius;
}

// An axis-aligned box of the given half size with corners rounded by radius.
inline float box(Vec p, Vec centre, Vec half, float radius) {
    Vec q = {std::fabs(p.x - centre.x) - half.x + radius,
             std::fabs(p.y - centre.y) - half.y + radius};
    Vec outside = {std::max(q.x, 0.0f), std::max(q.y, 0.0f)};
    return length(outside) + std::min(std::max(q.x, q.y), 0.0f) - radius;
}

// A stroke from a to b whose radius runs from ra at a to rb at b.
inline float capsule(Vec p, Vec a, Vec b, float ra, float rb) {
    Vec axis = b - a;
    float h = length(axis);
    if (h <= std::fabs(ra - rb)) {
        return std::min(circle(p, a, ra), circle(p, b, rb));
    }
    Vec along = axis * (1.0f / h);
    Vec rel = p - a;
    Vec q = {std::fabs(rel.x * along.y - rel.y * along.x), dot(rel, along)};
    float slope = (ra - rb) / h;
    float cosine = std::sqrt(1.0f - slope * slope);
    float k = q.x * -slope + q.y * cosine;
    if (k < 0.0f) {
        return length(q) - ra;
    }
    if (k > cosine * h) {
        return length(q - Vec{0.0f, h}) - rb;
    }
    return q.x * cosine + q.y * slope - ra;
}

// Close to the true distance near the outline, which is all edges need.
inline float ellipse(Vec p, Vec centre, Vec radii) {
    Vec q = {(p.x - centre.x) / radii.x, (p.y - centre.y) / radii.y};
    return (length(q) - 1.0f) * std::min(radii.x, radii.y);
}

// A convex polygon with its corners listed counter-clockwise (y up) or
// clockwise (y down).
inline float convex(Vec p, std::initializer_list<Vec> corners) {
    float distance = -1e30f;
    const Vec* points = corners.begin();
    std::size_t count = corners.size();
    for (std::size_t i = 0; i < count; ++i) {
        Vec a = points[i];
        Vec b = points[(i + 1) % count];
        Vec edge = b - a;
        Vec normal = Vec{edge.y, -edge.x} * (1.0f / length(edge));
        distance = std::max(distance, dot(p - a, normal));
    }
    return distance;
}

} // namespace jorvelldata

#endif
