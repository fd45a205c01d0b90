#include "zelk/Math.h"

#include <cmath>

namespace zelk {
namespace {

constexpr float32 pi = 3.1415927f;
// The same pi widened to double, for the arc functions.
constexpr float64 piDouble = static_cast<float64>(pi);
// Stands in for a zero divisor in the two-argument arc functions.
constexpr float32 smallestDivisor = 0.000001f;
// Degrees per radian in the quaternion conversions.
constexpr float32 degreesPerRadian = 57.295776f;

// The arc functions work in double from the float value on.
float64 arcSinDegrees(float32 value) {
    return std::asin(static_cast<float64>(value)) * 180.0 / piDouble;
}

template <typename V> V normalised(V vector, float32 length) {
    if (length == 0.0f) {
        return V();
    }
    vector /= length;
    return vector;
}

template <typename V> float32 angleBetween(V a, V b, float32 (*length)(V), float32 (*dot)(V, V)) {
    if (a == b) {
        return 0.0f;
    }
    return Math::arcCosinFloat(length(a) * length(b), dot(a, b));
}

// Per component, the point's value where it is strictly lower (higher) than
// the kept one.
vec3f32 lowerOf(vec3f32 kept, vec3f32 point) {
    return vec3f32(point.x < kept.x ? point.x : kept.x, point.y < kept.y ? point.y : kept.y,
                   point.z < kept.z ? point.z : kept.z);
}

vec3f32 higherOf(vec3f32 kept, vec3f32 point) {
    return vec3f32(point.x > kept.x ? point.x : kept.x, point.y > kept.y ? point.y : kept.y,
                   point.z > kept.z ? point.z : kept.z);
}

} // namespace

Math::~Math() {}

float32 Math::arcSinFloat(float32 value) {
    return static_cast<float32>(arcSinDegrees(value));
}

float32 Math::arcCosinFloat(float32 value) {
    return static_cast<float32>(std::acos(static_cast<float64>(value)) * 180.0 / piDouble);
}

float32 Math::arcSinFloat(float32 divisor, float32 dividend) {
    if (divisor == 0.0f) {
        divisor = smallestDivisor;
    }
    return arcSinFloat(dividend / divisor);
}

float32 Math::arcCosinFloat(float32 divisor, float32 dividend) {
    if (divisor == 0.0f) {
        divisor = smallestDivisor;
    }
    return arcCosinFloat(dividend / divisor);
}

vec2f32 Math::normalise2f(vec2f32 vector) {
    return normalised(vector, pythagoras2f(vector));
}
vec2f32 Math::normalise2f(float32 x, float32 y) {
    return normalise2f(vec2f32(x, y));
}
vec3f32 Math::normalise3f(vec3f32 vector) {
    return normalised(vector, pythagoras3f(vector));
}
vec3f32 Math::normalise3f(float32 x, float32 y, float32 z) {
    return normalise3f(vec3f32(x, y, z));
}
vec4f32 Math::normalise4f(vec4f32 vector) {
    return normalised(vector, pythagoras4f(vector));
}
vec4f32 Math::normalise4f(float32 x, float32 y, float32 z, float32 w) {
    return normalise4f(vec4f32(x, y, z, w));
}

float32 Math::scalar2f(vec2f32 a, vec2f32 b) {
    return a.x * b.x + a.y * b.y;
}
float32 Math::scalar3f(vec3f32 a, vec3f32 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
float32 Math::scalar4f(vec4f32 a, vec4f32 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
}

float32 Math::getAngle2f(vec2f32 vector) {
    vec2f32 unit = normalise2f(vector);
    if (std::isnan(unit.x) || std::isnan(unit.y)) {
        return 0.0f;
    }
    // The quadrant corrections are made in double and rounded once.
    float64 angle = arcSinDegrees(unit.y);
    if (unit.x < 0.0f) {
        return static_cast<float32>(180.0 - angle);
    }
    return static_cast<float32>(unit.y < 0.0f ? angle + 360.0 : angle);
}

float32 Math::getAngle2f(float32 x, float32 y) {
    return getAngle2f(vec2f32(x, y));
}

float32 Math::getAngleDist2f(vec2f32 a, vec2f32 b) {
    return angleBetween(a, b, pythagoras2f, scalar2f);
}
float32 Math::getAngleDist3f(vec3f32 a, vec3f32 b) {
    return angleBetween(a, b, pythagoras3f, scalar3f);
}
float32 Math::getAngleDist4f(vec4f32 a, vec4f32 b) {
    return angleBetween(a, b, pythagoras4f, scalar4f);
}

float32 Math::getAngleDistance(vec2f32 from, vec2f32 to) {
    float32 difference = getAngle2f(to) - getAngle2f(from);
    if (difference > 180.0f) {
        difference -= 360.0f;
    }
    if (difference < -180.0f) {
        difference += 360.0f;
    }
    return difference;
}

float32 Math::rotateXFloat(float32 length, float32 angle) {
    return getCosinFloat(angle) * length;
}
float32 Math::rotateYFloat(float32 length, float32 angle) {
    return getSinFloat(angle) * length;
}

vec2f32 Math::rotate2f(vec2f32 vector, float32 angle) {
    float32 length = pythagoras2f(vector);
    return vec2f32(rotateXFloat(length, angle), rotateYFloat(length, angle));
}

vec2f32 Math::rotatePlus2f(vec2f32 vector, float32 angle) {
    float32 sum = angle + getAngle2f(vector);
    if (sum > 360.0f) {
        sum -= 360.0f;
    }
    if (sum < 0.0f) {
        sum += 360.0f;
    }
    return rotate2f(vector, sum);
}

vec3f32 Math::normal3f(vec3f32 a, vec3f32 b, vec3f32 c) {
    vec3f32 low = lowerOf(lowerOf(a, b), c);
    vec3f32 high = higherOf(higherOf(a, b), c);
    vec3f32 centre = low + (high - low) * 0.5f;

    vec3f32 u = b - a;
    vec3f32 v = c - a;
    vec3f32 normal(u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x);
    normal /= squareRootFloat(normal.x * normal.x + normal.y * normal.y + normal.z * normal.z);
    return normal + centre;
}

vec4f32 Math::angleToQuaternion(vec3f32 angles) {
    float32 halfX = angles.x / degreesPerRadian * 0.5f;
    float32 halfY = angles.y / degreesPerRadian * 0.5f;
    float32 halfZ = angles.z / degreesPerRadian * 0.5f;
    // Single-precision sine and cosine.
    float32 c1 = std::cos(halfZ), s1 = std::sin(halfZ);
    float32 c2 = std::cos(halfY), s2 = std::sin(halfY);
    float32 c3 = std::cos(halfX), s3 = std::sin(halfX);
    return vec4f32(c1 * c2 * s3 - s1 * s2 * c3, c1 * s2 * c3 + s1 * c2 * s3,
                   s1 * c2 * c3 - c1 * s2 * s3, c1 * c2 * c3 + s1 * s2 * s3);
}

vec4f32 Math::angleToQuaternion(float32 x, float32 y, float32 z) {
    return angleToQuaternion(vec3f32(x, y, z));
}

vec3f32 Math::quaternionToAngle(vec4f32 q) {
    float32 xx = q.x * q.x, yy = q.y * q.y, zz = q.z * q.z, ww = q.w * q.w;
    // Single-precision arc functions.
    float32 zAngle = std::atan2(2.0f * (q.z * q.w + q.x * q.y), xx - yy - zz + ww);
    float32 pitch = -2.0f * (q.x * q.z - q.y * q.w);
    if (pitch > 1.0f || pitch < -1.0f) {
        return vec3f32();
    }
    float32 yAngle = std::asin(pitch);
    float32 xAngle = std::atan2(2.0f * (q.x * q.w + q.y * q.z), -xx - yy + zz + ww);
    return vec3f32(xAngle * degreesPerRadian, yAngle * degreesPerRadian, zAngle * degreesPerRadian);
}

vec3f32 Math::quaternionToAngle(float32 x, float32 y, float32 z, float32 w) {
    return quaternionToAngle(vec4f32(x, y, z, w));
}

float32 Math::angleToRadFloat(float32 angle) {
    return angle * pi / 180.0f;
}
float32 Math::radToAngleFloat(float32 radians) {
    return radians * 180.0f / pi;
}

} // namespace zelk
