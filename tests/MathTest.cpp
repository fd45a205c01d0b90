#include "zelk/Math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <type_traits>

using namespace zelk;

namespace {

const float32 nan32 = std::numeric_limits<float32>::quiet_NaN();

void expectVec(vec2f32 expected, vec2f32 actual) {
    EXPECT_EQ(expected.x, actual.x);
    EXPECT_EQ(expected.y, actual.y);
}

void expectVec(vec3f32 expected, vec3f32 actual) {
    EXPECT_EQ(expected.x, actual.x);
    EXPECT_EQ(expected.y, actual.y);
    EXPECT_EQ(expected.z, actual.z);
}

void expectVec(vec4f32 expected, vec4f32 actual) {
    EXPECT_EQ(expected.x, actual.x);
    EXPECT_EQ(expected.y, actual.y);
    EXPECT_EQ(expected.z, actual.z);
    EXPECT_EQ(expected.w, actual.w);
}

} // namespace

TEST(Math, IsAPolymorphicBase) {
    static_assert(std::has_virtual_destructor_v<Math>, "derived classes are deleted through it");
    struct Derived : Math {
        explicit Derived(bool* destroyed) : destroyed(destroyed) {}
        ~Derived() override { *destroyed = true; }
        bool* destroyed;
    };
    bool destroyed = false;
    std::unique_ptr<Math> base(new Derived(&destroyed));
    base.reset();
    EXPECT_TRUE(destroyed);
}

TEST(Math, SineAndCosineAreExactOnlyAtTheirQuarterTurns) {
    EXPECT_EQ(0.0f, Math::getSinFloat(180));
    EXPECT_EQ(1.0f, Math::getSinFloat(90));
    EXPECT_EQ(0.0f, Math::getSinFloat(0));
    EXPECT_EQ(1.7484555e-7f, Math::getSinFloat(360));
    EXPECT_EQ(8.742278e-8f, Math::getSinFloat(-180));

    EXPECT_EQ(0.0f, Math::getCosinFloat(90));
    EXPECT_EQ(0.0f, Math::getCosinFloat(270));
    EXPECT_EQ(1.0f, Math::getCosinFloat(0));
    EXPECT_EQ(-1.0f, Math::getCosinFloat(180));
    EXPECT_EQ(-4.371139e-8f, Math::getCosinFloat(-90));
}

TEST(Math, IntegerAnglesTestOnlyTheQuarterTurnsTheirTypeHolds) {
    EXPECT_EQ(0.0f, Math::getCosinInt8(90));
    EXPECT_EQ(0.0f, Math::getCosinUint8(90));
    EXPECT_EQ(0.0f, Math::getSinUint8(180));
    EXPECT_EQ(0.0f, Math::getSinInt32(180));
    EXPECT_EQ(0.0f, Math::getSinInt16(180));
    EXPECT_EQ(0.0f, Math::getSinInt64(180));
    EXPECT_EQ(0.0f, Math::getSinUint16(180));
    EXPECT_EQ(0.0f, Math::getSinUint32(180));
    EXPECT_EQ(0.0f, Math::getSinUint64(180));
    EXPECT_EQ(0.0f, Math::getCosinInt16(270));
    EXPECT_EQ(0.0f, Math::getCosinInt32(270));
    EXPECT_EQ(0.0f, Math::getCosinInt64(90));
    EXPECT_EQ(0.0f, Math::getCosinUint16(90));
    EXPECT_EQ(0.0f, Math::getCosinUint32(270));
    EXPECT_EQ(0.0f, Math::getCosinUint64(270));

    // Every other angle is the float computation of the converted angle.
    EXPECT_EQ(0.0f, Math::getSinInt8(0));
    EXPECT_EQ(Math::getSinFloat(127), Math::getSinInt8(127));
    EXPECT_EQ(Math::getCosinFloat(-90), Math::getCosinInt8(-90));
    EXPECT_EQ(Math::getSinFloat(360), Math::getSinInt32(360));
    EXPECT_EQ(Math::getCosinFloat(255), Math::getCosinUint8(255));
    EXPECT_EQ(Math::getSinFloat(65535.0f), Math::getSinUint16(65535));
    // Unsigned angles convert by their unsigned value.
    EXPECT_EQ(Math::getSinFloat(4294967295.0f), Math::getSinUint32(4294967295u));
    EXPECT_EQ(Math::getCosinFloat(1.8446744e19f), Math::getCosinUint64(~0ull));
    EXPECT_NE(Math::getSinUint32(4294967295u), Math::getSinInt32(-1));
}

TEST(Math, ArcSineAndCosineInDegrees) {
    EXPECT_EQ(90.0f, Math::arcSinFloat(1.0f));
    EXPECT_EQ(0.0f, Math::arcCosinFloat(1.0f));
    EXPECT_EQ(180.0f, Math::arcCosinFloat(-1.0f));
    EXPECT_EQ(30.0f, Math::arcSinFloat(2.0f, 1.0f));
    EXPECT_EQ(60.0f, Math::arcCosinFloat(2.0f, 1.0f));
    EXPECT_TRUE(std::isnan(Math::arcSinFloat(1.5f)));
    EXPECT_TRUE(std::isnan(Math::arcCosinFloat(-1.0001f)));
    // A zero divisor becomes 0.000001: the quotient leaves [-1, 1] unless the
    // dividend is tiny.
    EXPECT_TRUE(std::isnan(Math::arcSinFloat(0.0f, 0.5f)));
    EXPECT_EQ(90.0f, Math::arcCosinFloat(0.0f, 0.0f));
    EXPECT_EQ(Math::arcSinFloat(0.25e-6f / 0.000001f), Math::arcSinFloat(0.0f, 0.25e-6f));
}

TEST(Math, DirectionOfAVectorInEveryQuadrant) {
    EXPECT_EQ(0.0f, Math::getAngle2f(vec2f32(0, 0)));
    EXPECT_EQ(0.0f, Math::getAngle2f(vec2f32(1, 0)));
    EXPECT_EQ(90.0f, Math::getAngle2f(vec2f32(0, 1)));
    EXPECT_EQ(180.0f, Math::getAngle2f(vec2f32(-1, 0)));
    EXPECT_EQ(270.0f, Math::getAngle2f(vec2f32(0, -1)));
    EXPECT_EQ(135.0f, Math::getAngle2f(vec2f32(-1, 1)));
    EXPECT_EQ(225.0f, Math::getAngle2f(vec2f32(-1, -1)));
    EXPECT_EQ(44.999996f, Math::getAngle2f(vec2f32(1, 1)));
    EXPECT_EQ(44.999996f, Math::getAngle2f(1.0f, 1.0f));
    // The length plays no part.
    EXPECT_EQ(Math::getAngle2f(vec2f32(0, -1)), Math::getAngle2f(vec2f32(0, -7)));
    // The turn added in double rounds to a full 360 for a tiny negative y.
    EXPECT_EQ(360.0f, Math::getAngle2f(1.0f, -1e-9f));

    EXPECT_EQ(0.0f, Math::getAngle2f(nan32, 1.0f));
    EXPECT_EQ(0.0f, Math::getAngle2f(-1.0f, nan32));
    EXPECT_EQ(0.0f, Math::getAngle2f(-std::numeric_limits<float32>::infinity(), 0.0f));
}

TEST(Math, SignedDifferenceOfDirectionsKeepsBothEnds) {
    EXPECT_EQ(180.0f, Math::getAngleDistance(vec2f32(1, 0), vec2f32(-1, 0)));
    EXPECT_EQ(-180.0f, Math::getAngleDistance(vec2f32(-1, 0), vec2f32(1, 0)));
    EXPECT_EQ(-90.0f, Math::getAngleDistance(vec2f32(0, 1), vec2f32(1, 0)));
    EXPECT_EQ(90.0f, Math::getAngleDistance(vec2f32(0, -1), vec2f32(1, 0)));
    EXPECT_EQ(-90.0f, Math::getAngleDistance(vec2f32(1, 0), vec2f32(0, -1)));
    EXPECT_EQ(0.0f, Math::getAngleDistance(vec2f32(2, 2), vec2f32(2, 2)));
}

TEST(Math, AngleBetweenVectors) {
    EXPECT_EQ(0.0f, Math::getAngleDist2f(vec2f32(1, 1), vec2f32(1, 1)));
    EXPECT_EQ(90.0f, Math::getAngleDist2f(vec2f32(0, 0), vec2f32(1, 0)));
    EXPECT_EQ(180.0f, Math::getAngleDist2f(vec2f32(2, 0), vec2f32(-1, 0)));
    // The cosine is not clamped: here it comes out just above 1.
    EXPECT_TRUE(std::isnan(Math::getAngleDist2f(vec2f32(1, 1), vec2f32(3, 3))));

    EXPECT_EQ(0.0f, Math::getAngleDist3f(vec3f32(1, 2, 3), vec3f32(1, 2, 3)));
    EXPECT_EQ(90.0f, Math::getAngleDist3f(vec3f32(0, 0, 1), vec3f32(1, 0, 0)));
    EXPECT_EQ(90.0f, Math::getAngleDist3f(vec3f32(), vec3f32(0, 5, 0)));
    EXPECT_EQ(0.0f, Math::getAngleDist4f(vec4f32(1, 2, 3, 4), vec4f32(1, 2, 3, 4)));
    EXPECT_EQ(60.0f, Math::getAngleDist4f(vec4f32(0, 0, 0, 2), vec4f32(0, 0, 1.7320508f, 1)));
}

TEST(Math, Rotation) {
    EXPECT_EQ(0.0f, Math::rotateXFloat(5.0f, 90.0f));
    EXPECT_EQ(-3.0f, Math::rotateXFloat(3.0f, 180.0f));
    EXPECT_EQ(0.0f, Math::rotateYFloat(5.0f, 180.0f));
    EXPECT_EQ(4.0f, Math::rotateYFloat(4.0f, 90.0f));

    // The absolute direction: the input only lends its length.
    expectVec(vec2f32(0, 5), Math::rotate2f(vec2f32(3, 4), 90));
    expectVec(vec2f32(-2, 0), Math::rotate2f(vec2f32(0, -2), 180));
    expectVec(vec2f32(0, 0), Math::rotate2f(vec2f32(0, 0), 45));

    // Relative turns: 270 + 90 reaches 360, which stays unwrapped.
    expectVec(vec2f32(1, 1.7484555e-7f), Math::rotatePlus2f(vec2f32(0, -1), 90));
    expectVec(vec2f32(0, 2), Math::rotatePlus2f(vec2f32(2, 0), 90));
    expectVec(vec2f32(0, -1), Math::rotatePlus2f(vec2f32(-1, 0), 90));
    expectVec(vec2f32(-1, 0), Math::rotatePlus2f(vec2f32(0, 1), -270));
    expectVec(vec2f32(0, -1), Math::rotatePlus2f(vec2f32(1, 0), -90));
    // One correction each way only: 800 becomes 440, not 80.
    expectVec(Math::rotate2f(vec2f32(1, 0), 440), Math::rotatePlus2f(vec2f32(1, 0), 800));
}

TEST(Math, IntegerSquaresWrapInTheirWidth) {
    EXPECT_EQ(-112, Math::squareInt8(12));
    EXPECT_EQ(0, Math::squareUint8(16));
    EXPECT_EQ(225, Math::squareUint8(15));
    EXPECT_EQ(-25536, Math::squareInt16(200));
    EXPECT_EQ(0, Math::squareUint16(256));
    EXPECT_EQ(-2147479015, Math::squareInt32(46341));
    EXPECT_EQ(0u, Math::squareUint32(65536u));
    EXPECT_EQ(0, Math::squareInt64(4294967296ll));
    EXPECT_EQ(1u, Math::squareUint64(~0ull));
    EXPECT_EQ(1, Math::squareInt64(std::numeric_limits<int64>::max()));

    EXPECT_EQ(2.25f, Math::squareFloat32(-1.5f));
    // The double product rounds to the float nearest 0.01; the float product of
    // the float nearest 0.1 does not.
    EXPECT_EQ(0.01f, Math::squareFloat64(0.1));
    EXPECT_NE(0.01f, Math::squareFloat32(0.1f));
}

TEST(Math, VectorSquaresArePerComponent) {
    vec2i8 bytes = Math::squareVec2i8(12, -3);
    EXPECT_EQ(vec2i8(-112, 9), bytes);
    EXPECT_EQ(vec3i16(-25536, 4, 0), Math::squareVec3i16(vec3i16(200, -2, 0)));
    EXPECT_EQ(vec4i32(0, 1, 4, 9), Math::squareVec4i32(65536, -1, 2, -3));
    EXPECT_EQ(vec2i64(0, 25), Math::squareVec2i64(4294967296ll, 5));
    EXPECT_EQ(vec3ui8(0, 225, 4), Math::squareVec3ui8(16, 15, 2));
    // The 16-bit unsigned names end in ui1.
    EXPECT_EQ(vec2ui16(0, 9), Math::squareVec2ui1(vec2ui16(256, 3)));
    EXPECT_EQ(vec3ui16(0, 9, 1), Math::squareVec3ui1(256, 3, 1));
    EXPECT_EQ(vec4ui16(4, 9, 0, 1), Math::squareVec4ui1(vec4ui16(2, 3, 256, 65535)));
    EXPECT_EQ(vec4ui32(0, 1, 0, 4), Math::squareVec4ui32(65536u, 1u, 0u, 2u));
    EXPECT_EQ(vec2ui64(1, 0), Math::squareVec2ui64(~0ull, 1ull << 32));
    EXPECT_EQ(vec4ui8(0, 1, 4, 9), Math::squareVec4ui8(vec4ui8(16, 1, 2, 3)));
    EXPECT_EQ(vec3i64(1, 1, 4), Math::squareVec3i64(-1, 1, -2));

    expectVec(vec2f32(0.25f, 4), Math::squarevec2f32(-0.5f, 2));
    expectVec(vec3f32(1, 4, 9), Math::squarevec3f32(vec3f32(1, -2, 3)));
    expectVec(vec4f32(0.25f, 0, 1, 16), Math::squarevec4f32(0.5f, 0, -1, 4));
}

TEST(Math, ComponentOverloadsBuildTheVectorInOrder) {
    EXPECT_EQ(vec2i16(-25536, 1), Math::squareVec2i16(200, -1));
    EXPECT_EQ(vec2i32(0, 4), Math::squareVec2i32(vec2i32(65536, 2)));
    EXPECT_EQ(vec2ui32(0, 9), Math::squareVec2ui32(65536u, 3u));
    EXPECT_EQ(vec2ui8(0, 9), Math::squareVec2ui8(vec2ui8(16, 3)));
    EXPECT_EQ(vec3i32(1, 0, 4), Math::squareVec3i32(-1, 65536, 2));
    EXPECT_EQ(vec3i8(-112, 1, 0), Math::squareVec3i8(vec3i8(12, -1, 0)));
    EXPECT_EQ(vec3ui32(4, 0, 1), Math::squareVec3ui32(2u, 65536u, 1u));
    EXPECT_EQ(vec3ui64(0, 1, 4), Math::squareVec3ui64(vec3ui64(1ull << 32, 1, 2)));
    EXPECT_EQ(vec4i16(1, 4, 9, -25536), Math::squareVec4i16(-1, 2, -3, 200));
    EXPECT_EQ(vec4i64(0, 1, 4, 9), Math::squareVec4i64(vec4i64(4294967296ll, 1, -2, 3)));
    EXPECT_EQ(vec4i8(1, 4, 9, -112), Math::squareVec4i8(1, -2, 3, 12));
    EXPECT_EQ(vec4ui64(1, 0, 4, 9), Math::squareVec4ui64(vec4ui64(~0ull, 0, 2, 3)));
}

TEST(Math, AbsoluteValuesKeepTheMostNegativeValue) {
    EXPECT_EQ(-128, Math::moduleInt8(-128));
    EXPECT_EQ(127, Math::moduleInt8(-127));
    EXPECT_EQ(-32768, Math::moduleInt16(-32768));
    EXPECT_EQ(5, Math::moduleInt16(-5));
    EXPECT_EQ(std::numeric_limits<int32>::min(),
              Math::moduleInt32(std::numeric_limits<int32>::min()));
    EXPECT_EQ(7, Math::moduleInt32(7));
    EXPECT_EQ(std::numeric_limits<int64>::min(),
              Math::moduleInt64(std::numeric_limits<int64>::min()));
    EXPECT_EQ(9000000000ll, Math::moduleInt64(-9000000000ll));

    EXPECT_EQ(2.5f, Math::moduleFloat(-2.5f));
    EXPECT_TRUE(std::signbit(Math::moduleFloat(-0.0f)));
    EXPECT_TRUE(std::isnan(Math::moduleFloat(nan32)));

    expectVec(vec3f32(1, 2, 3), Math::modulevec3f32(vec3f32(-1, -2, -3)));
    expectVec(vec2f32(1, 0.5f), Math::modulevec2f32(-1, 0.5f));
    expectVec(vec4f32(1, 2, 3, 4), Math::modulevec4f32(1, -2, 3, -4));
    EXPECT_EQ(vec2i8(-128, 3), Math::moduleVec2i8(-128, -3));
    EXPECT_EQ(vec3i8(1, 0, 127), Math::moduleVec3i8(vec3i8(-1, 0, 127)));
    EXPECT_EQ(vec4i8(-128, 1, 2, 3), Math::moduleVec4i8(-128, -1, 2, -3));
    EXPECT_EQ(vec2i16(-32768, 1), Math::moduleVec2i16(vec2i16(-32768, -1)));
    EXPECT_EQ(vec3i16(1, 2, 3), Math::moduleVec3i16(-1, 2, -3));
    EXPECT_EQ(vec4i16(0, 1, 2, 3), Math::moduleVec4i16(vec4i16(0, -1, -2, -3)));
    EXPECT_EQ(vec2i32(std::numeric_limits<int32>::min(), 4),
              Math::moduleVec2i32(std::numeric_limits<int32>::min(), -4));
    EXPECT_EQ(vec3i32(1, 2, 3), Math::moduleVec3i32(vec3i32(-1, -2, -3)));
    EXPECT_EQ(vec4i32(1, 2, 3, 4), Math::moduleVec4i32(-1, 2, -3, 4));
    EXPECT_EQ(vec2i64(5, 6), Math::moduleVec2i64(vec2i64(-5, 6)));
    EXPECT_EQ(vec3i64(std::numeric_limits<int64>::min(), 1, 2),
              Math::moduleVec3i64(std::numeric_limits<int64>::min(), -1, -2));
    EXPECT_EQ(vec4i64(1, 2, 3, 4), Math::moduleVec4i64(vec4i64(1, -2, 3, -4)));
}

TEST(Math, SquareRootsGoThroughDouble) {
    EXPECT_EQ(1.4142135f, Math::squareRootFloat(2.0f));
    EXPECT_TRUE(std::isnan(Math::squareRootFloat(-1.0f)));
    EXPECT_TRUE(std::isnan(Math::squareRootInt8(-1)));
    EXPECT_EQ(11.269427f, Math::squareRootInt8(127));
    EXPECT_TRUE(std::isnan(Math::squareRootInt16(-4)));
    EXPECT_EQ(3.0f, Math::squareRootInt32(9));
    EXPECT_EQ(3037000448.0f, Math::squareRootInt64(std::numeric_limits<int64>::max()));
    EXPECT_EQ(15.9687195f, Math::squareRootUint8(255));
    EXPECT_EQ(255.99805f, Math::squareRootUint16(65535));
    // The double root 65535.99999... rounds up to float, unlike a float root.
    EXPECT_EQ(65536.0f, Math::squareRootUint32(4294967295u));
    EXPECT_EQ(4294967296.0f, Math::squareRootUint64(~0ull));
}

TEST(Math, LengthsSumSquaresInTheElementType) {
    EXPECT_EQ(5.0f, Math::pythagoras2f(vec2f32(3, 4)));
    EXPECT_EQ(5.0f, Math::pythagoras2f(-3, 4));
    EXPECT_EQ(3.0f, Math::pythagoras3f(vec3f32(1, 2, 2)));
    EXPECT_EQ(3.0f, Math::pythagoras3f(1, -2, 2));
    EXPECT_EQ(2.0f, Math::pythagoras4f(vec4f32(1, 1, 1, 1)));
    EXPECT_EQ(2.0f, Math::pythagoras4f(1, -1, 1, -1));

    // 144 wraps below zero in a signed byte; 200 fits an unsigned one.
    EXPECT_TRUE(std::isnan(Math::pythagoras2i8(12, 0)));
    EXPECT_EQ(0.0f, Math::pythagoras2ui8(16, 0));
    EXPECT_EQ(14.142136f, Math::pythagoras2ui8(10, 10));
    EXPECT_EQ(14.142136f, Math::pythagoras2ui8(vec2ui8(10, 10)));
    EXPECT_EQ(10.0f, Math::pythagoras2ui8(10, 16));
    EXPECT_EQ(5.0f, Math::pythagoras2i8(vec2i8(-3, 4)));
    EXPECT_EQ(3.0f, Math::pythagoras3i8(1, 2, -2));
    EXPECT_TRUE(std::isnan(Math::pythagoras4i8(vec4i8(8, 8, 0, 0))));
    EXPECT_EQ(5.0f, Math::pythagoras2i16(3, -4));
    EXPECT_TRUE(std::isnan(Math::pythagoras3i16(vec3i16(128, 128, 0))));
    EXPECT_EQ(2.0f, Math::pythagoras4i16(-1, 1, -1, 1));
    EXPECT_TRUE(std::isnan(Math::pythagoras2i32(vec2i32(46341, 0))));
    EXPECT_EQ(3.0f, Math::pythagoras3i32(2, 1, 2));
    EXPECT_EQ(2.0f, Math::pythagoras4i32(vec4i32(1, 1, 1, -1)));
    EXPECT_EQ(5.0f, Math::pythagoras2i64(vec2i64(3, 4)));
    EXPECT_TRUE(std::isnan(Math::pythagoras3i64(3037000500ll, 0, 0)));
    EXPECT_EQ(2.0f, Math::pythagoras4i64(1, 1, 1, 1));
    EXPECT_EQ(3.0f, Math::pythagoras3ui8(vec3ui8(2, 2, 1)));
    EXPECT_EQ(0.0f, Math::pythagoras4ui8(16, 0, 0, 0));
    EXPECT_EQ(0.0f, Math::pythagoras2ui16(256, 0));
    EXPECT_EQ(Math::squareRootUint16(8), Math::pythagoras3ui16(vec3ui16(256, 2, 2)));
    EXPECT_EQ(2.0f, Math::pythagoras4ui16(1, 1, 1, 1));
    EXPECT_EQ(0.0f, Math::pythagoras2ui32(vec2ui32(65536u, 0u)));
    EXPECT_EQ(3.0f, Math::pythagoras3ui32(2u, 2u, 1u));
    EXPECT_EQ(2.0f, Math::pythagoras4ui32(vec4ui32(1u, 1u, 1u, 1u)));
    EXPECT_EQ(1.0f, Math::pythagoras2ui64(~0ull, 0ull));
    EXPECT_EQ(3.0f, Math::pythagoras3ui64(vec3ui64(1, 2, 2)));
    EXPECT_EQ(0.0f, Math::pythagoras4ui64(1ull << 32, 0, 0, 0));
}

TEST(Math, NormalisationAndDotProducts) {
    expectVec(vec2f32(0, 0), Math::normalise2f(vec2f32(0, 0)));
    expectVec(vec3f32(0, 0, 0), Math::normalise3f(vec3f32(0, 0, 0)));
    expectVec(vec4f32(0, 0, 0, 0), Math::normalise4f(0, 0, 0, 0));
    expectVec(vec2f32(0.6f, -0.8f), Math::normalise2f(3, -4));
    expectVec(vec3f32(1.0f / 3, 2.0f / 3, -2.0f / 3), Math::normalise3f(vec3f32(1, 2, -2)));
    expectVec(vec4f32(0.5f, 0.5f, 0.5f, -0.5f), Math::normalise4f(vec4f32(2, 2, 2, -2)));
    vec3f32 unit = Math::normalise3f(nan32, 1, 0);
    EXPECT_TRUE(std::isnan(unit.y));

    EXPECT_EQ(11.0f, Math::scalar2f(vec2f32(1, 2), vec2f32(3, 4)));
    EXPECT_EQ(0.0f, Math::scalar2f(vec2f32(1, 1), vec2f32(-1, 1)));
    EXPECT_EQ(32.0f, Math::scalar3f(vec3f32(1, 2, 3), vec3f32(4, 5, 6)));
    EXPECT_EQ(70.0f, Math::scalar4f(vec4f32(1, 2, 3, 4), vec4f32(5, 6, 7, 8)));
    // Summed in order: the 1 is lost to the first term before -1e8 comes in.
    EXPECT_EQ(0.0f, Math::scalar3f(vec3f32(1e8f, 1, -1e8f), vec3f32(1, 1, 1)));
}

TEST(Math, TriangleNormalStandsOnTheBoxCentre) {
    expectVec(vec3f32(0.5f, 0.5f, 1),
              Math::normal3f(vec3f32(0, 0, 0), vec3f32(1, 0, 0), vec3f32(0, 1, 0)));
    // The other winding points the other way.
    expectVec(vec3f32(0.5f, 0.5f, -1),
              Math::normal3f(vec3f32(0, 0, 0), vec3f32(0, 1, 0), vec3f32(1, 0, 0)));
    expectVec(vec3f32(3, 2, 2),
              Math::normal3f(vec3f32(2, 0, 0), vec3f32(2, 4, 0), vec3f32(2, 0, 4)));
    vec3f32 collinear = Math::normal3f(vec3f32(0, 0, 0), vec3f32(1, 1, 1), vec3f32(2, 2, 2));
    EXPECT_TRUE(std::isnan(collinear.x));
    EXPECT_TRUE(std::isnan(collinear.y));
    EXPECT_TRUE(std::isnan(collinear.z));
}

TEST(Math, QuaternionConversions) {
    expectVec(vec4f32(0, 0, 0, 1), Math::angleToQuaternion(vec3f32(0, 0, 0)));
    expectVec(vec4f32(0, 0, 0.70710677f, 0.70710677f), Math::angleToQuaternion(0, 0, 90));
    expectVec(vec4f32(0.70710677f, 0, 0, 0.70710677f), Math::angleToQuaternion(90, 0, 0));
    expectVec(vec4f32(0, 0.70710677f, 0, 0.70710677f), Math::angleToQuaternion(vec3f32(0, 90, 0)));

    expectVec(vec3f32(0, 0, 0), Math::quaternionToAngle(vec4f32(0, 0, 0, 1)));
    // Its pitch term is 2: outside [-1, 1].
    expectVec(vec3f32(0, 0, 0), Math::quaternionToAngle(0, 1, 0, 1));
    expectVec(vec3f32(0, 0, 90), Math::quaternionToAngle(0, 0, 0.70710677f, 0.70710677f));
    expectVec(vec3f32(90, 0, 0), Math::quaternionToAngle(vec4f32(0.70710677f, 0, 0, 0.70710677f)));

    vec3f32 back = Math::quaternionToAngle(Math::angleToQuaternion(10, 20, 30));
    EXPECT_NEAR(10.0f, back.x, 1e-4f);
    EXPECT_NEAR(20.0f, back.y, 1e-4f);
    EXPECT_NEAR(30.0f, back.z, 1e-4f);
}

TEST(Math, DegreesAndRadians) {
    EXPECT_EQ(3.1415927f, Math::angleToRadFloat(180));
    EXPECT_EQ(180.0f, Math::radToAngleFloat(3.1415927f));
    EXPECT_EQ(0.0f, Math::angleToRadFloat(0));
    EXPECT_EQ(1.5707964f, Math::angleToRadFloat(90));
    EXPECT_EQ(-90.0f, Math::radToAngleFloat(-1.5707964f));
}
