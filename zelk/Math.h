#ifndef ZELK_MATH_H
#define ZELK_MATH_H

#include "zelk/TypeVars.h"
#include "zelk/TypeVec2.h"
#include "zelk/TypeVec3.h"
#include "zelk/TypeVec4.h"

namespace zelk {

// Numeric helpers for 2D and 3D geometry, with angles in degrees. Every
// operation is a pure static function; the class itself only serves as a base.
//
// Integer operations work in their operand's own width and wrap. A result
// without a real value (the root of a negative number, the arc sine of a value
// beyond 1) comes back as NaN. Overloads that take separate components build
// the vector in order x, y, z, w and answer what the vector overload answers.
class Math {
public:
    Math() {}
    virtual ~Math();

    // Square roots: the value as a double (unsigned types by their unsigned
    // value), its double square root rounded to float.
    static float32 squareRootFloat(float32 value);
    static float32 squareRootInt8(int8 value);
    static float32 squareRootInt16(int16 value);
    static float32 squareRootInt32(int32 value);
    static float32 squareRootInt64(int64 value);
    static float32 squareRootUint8(uint8 value);
    static float32 squareRootUint16(uint16 value);
    static float32 squareRootUint32(uint32 value);
    static float32 squareRootUint64(uint64 value);

    // The value times itself in its own type (integers wrap); squareFloat64
    // multiplies in double and rounds the product to float.
    static float32 squareFloat32(float32 value);
    static float32 squareFloat64(float64 value);
    static int8 squareInt8(int8 value);
    static int16 squareInt16(int16 value);
    static int32 squareInt32(int32 value);
    static int64 squareInt64(int64 value);
    static uint8 squareUint8(uint8 value);
    static uint16 squareUint16(uint16 value);
    static uint32 squareUint32(uint32 value);
    static uint64 squareUint64(uint64 value);

    // Every component times itself, wrapping in the element width.
    static vec2f32 squarevec2f32(vec2f32 vector);
    static vec2f32 squarevec2f32(float32 x, float32 y);
    static vec3f32 squarevec3f32(vec3f32 vector);
    static vec3f32 squarevec3f32(float32 x, float32 y, float32 z);
    static vec4f32 squarevec4f32(vec4f32 vector);
    static vec4f32 squarevec4f32(float32 x, float32 y, float32 z, float32 w);
    static vec2i8 squareVec2i8(vec2i8 vector);
    static vec2i8 squareVec2i8(int8 x, int8 y);
    static vec3i8 squareVec3i8(vec3i8 vector);
    static vec3i8 squareVec3i8(int8 x, int8 y, int8 z);
    static vec4i8 squareVec4i8(vec4i8 vector);
    static vec4i8 squareVec4i8(int8 x, int8 y, int8 z, int8 w);
    static vec2i16 squareVec2i16(vec2i16 vector);
    static vec2i16 squareVec2i16(int16 x, int16 y);
    static vec3i16 squareVec3i16(vec3i16 vector);
    static vec3i16 squareVec3i16(int16 x, int16 y, int16 z);
    static vec4i16 squareVec4i16(vec4i16 vector);
    static vec4i16 squareVec4i16(int16 x, int16 y, int16 z, int16 w);
    static vec2i32 squareVec2i32(vec2i32 vector);
    static vec2i32 squareVec2i32(int32 x, int32 y);
    static vec3i32 squareVec3i32(vec3i32 vector);
    static vec3i32 squareVec3i32(int32 x, int32 y, int32 z);
    static vec4i32 squareVec4i32(vec4i32 vector);
    static vec4i32 squareVec4i32(int32 x, int32 y, int32 z, int32 w);
    static vec2i64 squareVec2i64(vec2i64 vector);
    static vec2i64 squareVec2i64(int64 x, int64 y);
    static vec3i64 squareVec3i64(vec3i64 vector);
    static vec3i64 squareVec3i64(int64 x, int64 y, int64 z);
    static vec4i64 squareVec4i64(vec4i64 vector);
    static vec4i64 squareVec4i64(int64 x, int64 y, int64 z, int64 w);
    static vec2ui8 squareVec2ui8(vec2ui8 vector);
    static vec2ui8 squareVec2ui8(uint8 x, uint8 y);
    static vec3ui8 squareVec3ui8(vec3ui8 vector);
    static vec3ui8 squareVec3ui8(uint8 x, uint8 y, uint8 z);
    static vec4ui8 squareVec4ui8(vec4ui8 vector);
    static vec4ui8 squareVec4ui8(uint8 x, uint8 y, uint8 z, uint8 w);
    static vec2ui16 squareVec2ui1(vec2ui16 vector);
    static vec2ui16 squareVec2ui1(uint16 x, uint16 y);
    static vec3ui16 squareVec3ui1(vec3ui16 vector);
    static vec3ui16 squareVec3ui1(uint16 x, uint16 y, uint16 z);
    static vec4ui16 squareVec4ui1(vec4ui16 vector);
    static vec4ui16 squareVec4ui1(uint16 x, uint16 y, uint16 z, uint16 w);
    static vec2ui32 squareVec2ui32(vec2ui32 vector);
    static vec2ui32 squareVec2ui32(uint32 x, uint32 y);
    static vec3ui32 squareVec3ui32(vec3ui32 vector);
    static vec3ui32 squareVec3ui32(uint32 x, uint32 y, uint32 z);
    static vec4ui32 squareVec4ui32(vec4ui32 vector);
    static vec4ui32 squareVec4ui32(uint32 x, uint32 y, uint32 z, uint32 w);
    static vec2ui64 squareVec2ui64(vec2ui64 vector);
    static vec2ui64 squareVec2ui64(uint64 x, uint64 y);
    static vec3ui64 squareVec3ui64(vec3ui64 vector);
    static vec3ui64 squareVec3ui64(uint64 x, uint64 y, uint64 z);
    static vec4ui64 squareVec4ui64(vec4ui64 vector);
    static vec4ui64 squareVec4ui64(uint64 x, uint64 y, uint64 z, uint64 w);

    // Absolute values. Floats: -0 and NaN come back as they went in. Integers:
    // the most negative value of a width comes back unchanged.
    static float32 moduleFloat(float32 value);
    static int8 moduleInt8(int8 value);
    static int16 moduleInt16(int16 value);
    static int32 moduleInt32(int32 value);
    static int64 moduleInt64(int64 value);
    static vec2f32 modulevec2f32(vec2f32 vector);
    static vec2f32 modulevec2f32(float32 x, float32 y);
    static vec3f32 modulevec3f32(vec3f32 vector);
    static vec3f32 modulevec3f32(float32 x, float32 y, float32 z);
    static vec4f32 modulevec4f32(vec4f32 vector);
    static vec4f32 modulevec4f32(float32 x, float32 y, float32 z, float32 w);
    static vec2i8 moduleVec2i8(vec2i8 vector);
    static vec2i8 moduleVec2i8(int8 x, int8 y);
    static vec3i8 moduleVec3i8(vec3i8 vector);
    static vec3i8 moduleVec3i8(int8 x, int8 y, int8 z);
    static vec4i8 moduleVec4i8(vec4i8 vector);
    static vec4i8 moduleVec4i8(int8 x, int8 y, int8 z, int8 w);
    static vec2i16 moduleVec2i16(vec2i16 vector);
    static vec2i16 moduleVec2i16(int16 x, int16 y);
    static vec3i16 moduleVec3i16(vec3i16 vector);
    static vec3i16 moduleVec3i16(int16 x, int16 y, int16 z);
    static vec4i16 moduleVec4i16(vec4i16 vector);
    static vec4i16 moduleVec4i16(int16 x, int16 y, int16 z, int16 w);
    static vec2i32 moduleVec2i32(vec2i32 vector);
    static vec2i32 moduleVec2i32(int32 x, int32 y);
    static vec3i32 moduleVec3i32(vec3i32 vector);
    static vec3i32 moduleVec3i32(int32 x, int32 y, int32 z);
    static vec4i32 moduleVec4i32(vec4i32 vector);
    static vec4i32 moduleVec4i32(int32 x, int32 y, int32 z, int32 w);
    static vec2i64 moduleVec2i64(vec2i64 vector);
    static vec2i64 moduleVec2i64(int64 x, int64 y);
    static vec3i64 moduleVec3i64(vec3i64 vector);
    static vec3i64 moduleVec3i64(int64 x, int64 y, int64 z);
    static vec4i64 moduleVec4i64(vec4i64 vector);
    static vec4i64 moduleVec4i64(int64 x, int64 y, int64 z, int64 w);

    // Lengths: the squares of the components summed in the element type (integer
    // sums wrap, and one that wraps below zero gives NaN), then the square root
    // of that type.
    static float32 pythagoras2f(vec2f32 vector);
    static float32 pythagoras2f(float32 x, float32 y);
    static float32 pythagoras3f(vec3f32 vector);
    static float32 pythagoras3f(float32 x, float32 y, float32 z);
    static float32 pythagoras4f(vec4f32 vector);
    static float32 pythagoras4f(float32 x, float32 y, float32 z, float32 w);
    static float32 pythagoras2i8(vec2i8 vector);
    static float32 pythagoras2i8(int8 x, int8 y);
    static float32 pythagoras3i8(vec3i8 vector);
    static float32 pythagoras3i8(int8 x, int8 y, int8 z);
    static float32 pythagoras4i8(vec4i8 vector);
    static float32 pythagoras4i8(int8 x, int8 y, int8 z, int8 w);
    static float32 pythagoras2i16(vec2i16 vector);
    static float32 pythagoras2i16(int16 x, int16 y);
    static float32 pythagoras3i16(vec3i16 vector);
    static float32 pythagoras3i16(int16 x, int16 y, int16 z);
    static float32 pythagoras4i16(vec4i16 vector);
    static float32 pythagoras4i16(int16 x, int16 y, int16 z, int16 w);
    static float32 pythagoras2i32(vec2i32 vector);
    static float32 pythagoras2i32(int32 x, int32 y);
    static float32 pythagoras3i32(vec3i32 vector);
    static float32 pythagoras3i32(int32 x, int32 y, int32 z);
    static float32 pythagoras4i32(vec4i32 vector);
    static float32 pythagoras4i32(int32 x, int32 y, int32 z, int32 w);
    static float32 pythagoras2i64(vec2i64 vector);
    static float32 pythagoras2i64(int64 x, int64 y);
    static float32 pythagoras3i64(vec3i64 vector);
    static float32 pythagoras3i64(int64 x, int64 y, int64 z);
    static float32 pythagoras4i64(vec4i64 vector);
    static float32 pythagoras4i64(int64 x, int64 y, int64 z, int64 w);
    static float32 pythagoras2ui8(vec2ui8 vector);
    static float32 pythagoras2ui8(uint8 x, uint8 y);
    static float32 pythagoras3ui8(vec3ui8 vector);
    static float32 pythagoras3ui8(uint8 x, uint8 y, uint8 z);
    static float32 pythagoras4ui8(vec4ui8 vector);
    static float32 pythagoras4ui8(uint8 x, uint8 y, uint8 z, uint8 w);
    static float32 pythagoras2ui16(vec2ui16 vector);
    static float32 pythagoras2ui16(uint16 x, uint16 y);
    static float32 pythagoras3ui16(vec3ui16 vector);
    static float32 pythagoras3ui16(uint16 x, uint16 y, uint16 z);
    static float32 pythagoras4ui16(vec4ui16 vector);
    static float32 pythagoras4ui16(uint16 x, uint16 y, uint16 z, uint16 w);
    static float32 pythagoras2ui32(vec2ui32 vector);
    static float32 pythagoras2ui32(uint32 x, uint32 y);
    static float32 pythagoras3ui32(vec3ui32 vector);
    static float32 pythagoras3ui32(uint32 x, uint32 y, uint32 z);
    static float32 pythagoras4ui32(vec4ui32 vector);
    static float32 pythagoras4ui32(uint32 x, uint32 y, uint32 z, uint32 w);
    static float32 pythagoras2ui64(vec2ui64 vector);
    static float32 pythagoras2ui64(uint64 x, uint64 y);
    static float32 pythagoras3ui64(vec3ui64 vector);
    static float32 pythagoras3ui64(uint64 x, uint64 y, uint64 z);
    static float32 pythagoras4ui64(vec4ui64 vector);
    static float32 pythagoras4ui64(uint64 x, uint64 y, uint64 z, uint64 w);

    // The vector divided by its length; the zero vector stays zero.
    static vec2f32 normalise2f(vec2f32 vector);
    static vec2f32 normalise2f(float32 x, float32 y);
    static vec3f32 normalise3f(vec3f32 vector);
    static vec3f32 normalise3f(float32 x, float32 y, float32 z);
    static vec4f32 normalise4f(vec4f32 vector);
    static vec4f32 normalise4f(float32 x, float32 y, float32 z, float32 w);

    // Dot products, summed in component order.
    static float32 scalar2f(vec2f32 a, vec2f32 b);
    static float32 scalar3f(vec3f32 a, vec3f32 b);
    static float32 scalar4f(vec4f32 a, vec4f32 b);

    // Sine and cosine of an angle in degrees. The sine of exactly 180 is 0 and
    // the cosine of exactly 90 or 270 is 0, wherever the argument type can hold
    // that angle; every other angle goes through the library.
    static float32 getSinFloat(float32 angle);
    static float32 getCosinFloat(float32 angle);
    static float32 getSinInt8(int8 angle);
    static float32 getCosinInt8(int8 angle);
    static float32 getSinInt16(int16 angle);
    static float32 getCosinInt16(int16 angle);
    static float32 getSinInt32(int32 angle);
    static float32 getCosinInt32(int32 angle);
    static float32 getSinInt64(int64 angle);
    static float32 getCosinInt64(int64 angle);
    static float32 getSinUint8(uint8 angle);
    static float32 getCosinUint8(uint8 angle);
    static float32 getSinUint16(uint16 angle);
    static float32 getCosinUint16(uint16 angle);
    static float32 getSinUint32(uint32 angle);
    static float32 getCosinUint32(uint32 angle);
    static float32 getSinUint64(uint64 angle);
    static float32 getCosinUint64(uint64 angle);

    // Arc sine and arc cosine in degrees, of a value or of dividend / divisor
    // (a zero divisor counts as 0.000001). Beyond +-1 the answer is NaN.
    static float32 arcSinFloat(float32 value);
    static float32 arcSinFloat(float32 divisor, float32 dividend);
    static float32 arcCosinFloat(float32 value);
    static float32 arcCosinFloat(float32 divisor, float32 dividend);

    // The direction of a vector in degrees, from 0 to 360, counter-clockwise
    // from the x axis; the zero vector and NaN components give 0.
    static float32 getAngle2f(vec2f32 vector);
    static float32 getAngle2f(float32 x, float32 y);
    // The angle between two vectors, 0 to 180; equal vectors give 0.
    static float32 getAngleDist2f(vec2f32 a, vec2f32 b);
    static float32 getAngleDist3f(vec3f32 a, vec3f32 b);
    static float32 getAngleDist4f(vec4f32 a, vec4f32 b);
    // How far the direction of `to` lies counter-clockwise of that of `from`,
    // -180 to 180.
    static float32 getAngleDistance(vec2f32 from, vec2f32 to);

    // length * cosine and length * sine of the angle.
    static float32 rotateXFloat(float32 length, float32 angle);
    static float32 rotateYFloat(float32 length, float32 angle);
    // A vector of the input's length pointing in the absolute direction angle.
    static vec2f32 rotate2f(vec2f32 vector, float32 angle);
    // The vector turned by angle degrees, counter-clockwise for positive angles.
    static vec2f32 rotatePlus2f(vec2f32 vector, float32 angle);

    // The tip of the unit normal of triangle a, b, c drawn from the centre of
    // its bounding box, on the side from which a, b, c run counter-clockwise.
    static vec3f32 normal3f(vec3f32 a, vec3f32 b, vec3f32 c);

    // Euler angles in degrees (x roll, y pitch, z yaw, applied x first) to the
    // quaternion (x, y, z, w), and back; a quaternion whose pitch term lies
    // outside [-1, 1] gives (0, 0, 0).
    static vec4f32 angleToQuaternion(vec3f32 angles);
    static vec4f32 angleToQuaternion(float32 x, float32 y, float32 z);
    static vec3f32 quaternionToAngle(vec4f32 quaternion);
    static vec3f32 quaternionToAngle(float32 x, float32 y, float32 z, float32 w);

    static float32 angleToRadFloat(float32 angle);
    static float32 radToAngleFloat(float32 radians);
};

} // namespace zelk

#endif
