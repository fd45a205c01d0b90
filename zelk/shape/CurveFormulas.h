#ifndef ZELK_SHAPE_CURVEFORMULAS_H
#define ZELK_SHAPE_CURVEFORMULAS_H

// The curve kinds' formulas on one component of four control points, shared
// by the 2D and 3D curves. Every step is 32-bit float arithmetic in the order
// written, except where a kind says otherwise.
namespace zelk {
namespace shape {
namespace curve {

inline float bezier(float p0, float p1, float p2, float p3, float t) {
    float t2 = t * t;
    float t3 = t2 * t;
    return p0 * (1 - 3 * t + 3 * t2 - t3) + p1 * (3 * t - 6 * t2 + 3 * t3) +
           p2 * (3 * t2 - 3 * t3) + p3 * t3;
}

// The float sum is scaled in double by the kind's constant (0.1666 in 2D,
// 0.166666 in 3D) and narrowed back.
inline float bSpline(float p0, float p1, float p2, float p3, float t, double scale) {
    float t2 = t * t;
    float t3 = t2 * t;
    float sum = p0 * (1 - 3 * t + 3 * t2 - t3) + p1 * (4 - 6 * t2 + 3 * t3) +
                p2 * (1 + 3 * t + 3 * t2 - 3 * t3) + p3 * t3;
    return static_cast<float>(static_cast<double>(sum) * scale);
}

inline float catmull(float p0, float p1, float p2, float p3, float t) {
    float t2 = t * t;
    float t3 = t2 * t;
    return 0.5f * (2 * p1 + (p2 - p0) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2 +
                   (-p0 + 3 * p1 - 3 * p2 + p3) * t3);
}

inline float hermite(float p0, float p1, float p2, float p3, float t, float scale) {
    float t2 = t * t;
    float t3 = t2 * t;
    return p0 * (1 - 3 * t2 + 2 * t3) + p1 * (scale * (t3 - t2)) +
           p2 * (scale * (t - 2 * t2 + t3)) + p3 * (3 * t2 - 2 * t3);
}

const double bSpline2DScale = 0.1666;
const double bSpline3DScale = 0.166666;

} // namespace curve
} // namespace shape
} // namespace zelk

#endif
