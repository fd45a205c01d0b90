#include "zelk/shape/BSplines2D.h"
#include "zelk/shape/BSplines3D.h"
#include "zelk/shape/Bezier2D.h"
#include "zelk/shape/Bezier3D.h"
#include "zelk/shape/Catmull2D.h"
#include "zelk/shape/Catmull3D.h"
#include "zelk/shape/Hermite2D.h"
#include "zelk/shape/Hermite3D.h"

#include <gtest/gtest.h>

using namespace zelk;
using namespace zelk::shape;

namespace {

void expectPoint(vec2f32 expected, vec2f32 actual) {
    EXPECT_FLOAT_EQ(expected.x, actual.x);
    EXPECT_FLOAT_EQ(expected.y, actual.y);
}

void expectPoint(vec3f32 expected, vec3f32 actual) {
    EXPECT_FLOAT_EQ(expected.x, actual.x);
    EXPECT_FLOAT_EQ(expected.y, actual.y);
    EXPECT_FLOAT_EQ(expected.z, actual.z);
}

} // namespace

TEST(Curves, PlainCurvesHaveNoShape) {
    Curve2D flat(vec2f32(1, 2), vec2f32(3, 4), vec2f32(5, 6), vec2f32(7, 8));
    Curve3D space(vec3f32(1, 2, 3), vec3f32(4, 5, 6), vec3f32(7, 8, 9), vec3f32(1, 1, 1));
    for (float t : {0.f, 0.5f, 1.f, -3.f}) {
        EXPECT_EQ(vec2f32(), flat.getPoint(t));
        EXPECT_EQ(vec3f32(), space.getPoint(t));
    }
    EXPECT_EQ(vec2f32(), Curve2D::getPoint(vec2f32(1, 1), vec2f32(), vec2f32(), vec2f32(), 0.5f));
}

TEST(Curves, BezierRunsFromTheFirstPointToTheLastPulledByTheInnerOnes) {
    Bezier2D curve(vec2f32(0, 0), vec2f32(1, 2), vec2f32(3, 2), vec2f32(4, 0));
    EXPECT_EQ(vec2f32(0, 0), curve.getPoint(0));
    EXPECT_EQ(vec2f32(4, 0), curve.getPoint(1));
    // Weights 1/8, 3/8, 3/8, 1/8 at the middle.
    EXPECT_EQ(vec2f32(2, 1.5f), curve.getPoint(0.5f));
    // The time-fraction case of a key-frame curve: exactly 14.53125.
    vec2f32 key = Bezier2D::getPoint(vec2f32(1, 10), vec2f32(1.5f, 15), vec2f32(2.5f, 25),
                                     vec2f32(3, 30), 0.25f);
    EXPECT_EQ(14.53125f, key.y);
    // Outside 0..1 the cubic goes on: at t = 2 the weights are -1, 6, -12, 8.
    expectPoint(vec2f32(6 - 36 + 32, 12 - 24), curve.getPoint(2));

    Bezier3D space(vec3f32(), vec3f32(1, 2, 3), vec3f32(3, 2, 1), vec3f32(0, 0, 1));
    EXPECT_EQ(vec3f32(0, 0, 1), space.getPoint(1)) << "z keeps its own component";
    expectPoint(vec3f32(1.5f, 1.5f, 1.625f), space.getPoint(0.5f));
}

TEST(Curves, BSplinesScaleTheirSumsByConstantsShortOfASixth) {
    BSplines2D curve(vec2f32(1, 0), vec2f32(2, 6), vec2f32(3, 0), vec2f32(9, 9));
    vec2f32 first = curve.getPoint(0);
    EXPECT_EQ(static_cast<float>(12.0 * 0.1666), first.x);
    EXPECT_EQ(static_cast<float>(24.0 * 0.1666), first.y);
    EXPECT_NE(2.f, first.x) << "not (p0 + 4 p1 + p2) / 6";
    EXPECT_EQ(static_cast<float>(23.0 * 0.1666), curve.getPoint(1).x);
    // At the middle the weights are 1/8, 23/8, 23/8, 1/8.
    EXPECT_EQ(static_cast<float>(15.625 * 0.1666), curve.getPoint(0.5f).x);

    BSplines3D space(vec3f32(1, 0, 6), vec3f32(2, 6, 0), vec3f32(3, 0, 0), vec3f32(9, 9, 0));
    vec3f32 start = space.getPoint(0);
    EXPECT_EQ(static_cast<float>(12.0 * 0.166666), start.x);
    EXPECT_EQ(static_cast<float>(24.0 * 0.166666), start.y);
    EXPECT_EQ(static_cast<float>(6.0 * 0.166666), start.z);
}

TEST(CurvesCatmull, RunsBetweenTheInnerPoints) {
    Catmull2D curve(vec2f32(0, 0), vec2f32(1, 1), vec2f32(2, 3), vec2f32(3, 3));
    EXPECT_EQ(vec2f32(1, 1), curve.getPoint(0));
    EXPECT_EQ(vec2f32(2, 3), curve.getPoint(1));
    // 0.5 (2 + 1.5 + 1 - 0.375) for y.
    EXPECT_EQ(vec2f32(1.5f, 2.0625f), curve.getPoint(0.5f));

    Catmull3D space(vec3f32(0, 0, 0), vec3f32(1, 1, 1), vec3f32(2, 3, 5), vec3f32(3, 3, 5));
    EXPECT_EQ(vec3f32(1, 1, 1), space.getPoint(0));
    EXPECT_EQ(vec3f32(2, 3, 5), space.getPoint(1));
    // z: 0.5 (2 + 2.5 + (-5 + 20 - 5) 0.25 + (3 - 15 + 5) 0.125).
    EXPECT_FLOAT_EQ(0.5f * (2 + 2.5f + 2.5f - 0.875f), space.getPoint(0.5f).z);
}

TEST(CurvesHermite, RunsFromP0ToP3WithP2AsTheStartTangent) {
    Hermite2D curve(vec2f32(0, 0), vec2f32(0, 0), vec2f32(1, 0), vec2f32(0, 0));
    EXPECT_EQ(1.f, curve.tangentScale);
    EXPECT_EQ(vec2f32(0.125f, 0), curve.getPoint(0.5f));
    EXPECT_EQ(vec2f32(0.25f, 0),
              Hermite2D::getPoint(vec2f32(), vec2f32(), vec2f32(1, 0), vec2f32(), 0.5f, 2));

    Hermite2D ends(vec2f32(1, 2), vec2f32(5, 5), vec2f32(7, 7), vec2f32(3, 4));
    EXPECT_EQ(vec2f32(1, 2), ends.getPoint(0));
    EXPECT_EQ(vec2f32(3, 4), ends.getPoint(1));

    // p1 is the end tangent: weight t^3 - t^2 = -1/8 at the middle.
    Hermite3D space(vec3f32(), vec3f32(0, 0, 1), vec3f32(), vec3f32());
    expectPoint(vec3f32(0, 0, -0.125f), space.getPoint(0.5f));
    Hermite3D defaults;
    EXPECT_EQ(1.f, defaults.tangentScale);
    EXPECT_EQ(vec3f32(), defaults.getPoint(0.3f));
}
