#include "support/TestSupport.h"
#include "zelk/shape/Circle2D.h"
#include "zelk/shape/Line2D.h"
#include "zelk/shape/Lines2D.h"
#include "zelk/shape/Quadrangle2D.h"
#include "zelk/shape/Rectangle2D.h"
#include "zelk/shape/Triangle2D.h"

#include <gtest/gtest.h>

using zelk::vec2f32;
using zelk::shape::Circle2D;
using zelk::shape::Line2D;
using zelk::shape::Lines2D;
using zelk::shape::Polygon2D;
using zelk::shape::Quadrangle2D;
using zelk::shape::Rectangle2D;
using zelk::shape::Triangle2D;
using zelk::test::captureStdout;

namespace {

void expectNear(vec2f32 actual, float x, float y) {
    EXPECT_NEAR(actual.x, x, 1e-6f);
    EXPECT_NEAR(actual.y, y, 1e-6f);
}

// Four vertices at (i, 10 i).
void placeFourVertices(Polygon2D* polygon) {
    polygon->createPolygon(4);
    for (unsigned int i = 0; i < 4; i++) {
        polygon->setVertexPosition(i, static_cast<float>(i), static_cast<float>(10 * i));
    }
}

} // namespace

TEST(PolygonKinds, RectangleHasTwoTexturedCornersThatStay) {
    Rectangle2D rectangle;
    ASSERT_EQ(rectangle.getVertexCount(), 2u);
    EXPECT_EQ(rectangle.getVertexType(0), 2);
    EXPECT_EQ(rectangle.getVertexPosition(1), vec2f32(1.f, 1.f));
    EXPECT_EQ(rectangle.getVertexUV(1), vec2f32(1.f, 1.f));
    EXPECT_EQ(rectangle.getVertexUV(0), vec2f32(0.f, 0.f));
    EXPECT_FALSE(rectangle.isRect());

    EXPECT_TRUE(rectangle.createPolygon(7));
    EXPECT_FALSE(rectangle.createPolygon(0));
    EXPECT_EQ(rectangle.getVertexCount(), 2u);
    rectangle.setVertexPosition(1, 3.f, 2.f);
    rectangle.deletePolygon();
    EXPECT_EQ(rectangle.getVertexCount(), 2u);
    EXPECT_EQ(rectangle.getVertexType(1), 1);
    EXPECT_EQ(rectangle.getVertexPosition(1), vec2f32(3.f, 2.f));
    ASSERT_TRUE(rectangle.createPolygon());
    EXPECT_EQ(rectangle.getVertexType(1), 2);
    EXPECT_EQ(rectangle.getVertexPosition(1), vec2f32(1.f, 1.f));
}

TEST(PolygonKinds, RectangleCentresItselfKeepingItsSize) {
    Rectangle2D rectangle;
    rectangle.setPivoToCenter();
    EXPECT_EQ(rectangle.getVertexPosition(0), vec2f32(-0.5f, -0.5f));
    EXPECT_EQ(rectangle.getVertexPosition(1), vec2f32(0.5f, 0.5f));
    rectangle.setVertexPosition(0, 2.f, 1.f);
    rectangle.setVertexPosition(1, 6.f, 2.f);
    rectangle.setPivoToCenter();
    EXPECT_EQ(rectangle.getVertexPosition(0), vec2f32(-2.f, -0.5f));
    EXPECT_EQ(rectangle.getVertexPosition(1), vec2f32(2.f, 0.5f));
}

TEST(PolygonKinds, QuadrangleAndTriangleKeepTheirVertexCounts) {
    Quadrangle2D quadrangle;
    Triangle2D triangle;
    EXPECT_EQ(quadrangle.getVertexCount(), 4u);
    EXPECT_EQ(triangle.getVertexCount(), 3u);
    EXPECT_EQ(quadrangle.getVertexType(3), 1);
    EXPECT_TRUE(quadrangle.createPolygon(10));
    EXPECT_FALSE(quadrangle.createPolygon(0));
    EXPECT_TRUE(quadrangle.createPolygon());
    EXPECT_TRUE(triangle.createPolygon(1));
    quadrangle.deletePolygon();
    triangle.deletePolygon();
    EXPECT_EQ(quadrangle.getVertexCount(), 4u);
    EXPECT_EQ(triangle.getVertexCount(), 3u);
}

TEST(PolygonKinds, AssignedPolygonsKeepTheKindsVertexCount) {
    Rectangle2D rectangle;
    Quadrangle2D quadrangle;
    Triangle2D triangle;
    Polygon2D four;
    placeFourVertices(&four);
    rectangle = four;
    quadrangle = four;
    triangle = four;
    ASSERT_EQ(rectangle.getVertexCount(), 2u);
    EXPECT_EQ(rectangle.getVertexPosition(1), vec2f32(1.f, 10.f));
    ASSERT_EQ(quadrangle.getVertexCount(), 4u);
    EXPECT_EQ(quadrangle.getVertexPosition(3), vec2f32(3.f, 30.f));
    ASSERT_EQ(triangle.getVertexCount(), 3u);
    EXPECT_EQ(triangle.getVertexPosition(2), vec2f32(2.f, 20.f));
    // A rectangle assigned from another keeps its own two corners.
    Rectangle2D other;
    other.setVertexPosition(1, 5.f, 5.f);
    rectangle = other;
    EXPECT_EQ(rectangle.getVertexPosition(1), vec2f32(5.f, 5.f));
    EXPECT_EQ(other.getVertexPosition(1), vec2f32(5.f, 5.f));
}

TEST(PolygonKinds, CircleVerticesRunCounterClockwiseFromRadiusZero) {
    Circle2D circle(8, -2.f);
    EXPECT_TRUE(circle.isCircle());
    EXPECT_EQ(circle.getCircleRadius(), 1.f);
    ASSERT_EQ(circle.getVertexCount(), 8u);
    expectNear(circle.getVertexPosition(0), 1.f, 0.f);
    expectNear(circle.getVertexPosition(2), 0.f, 1.f);
    expectNear(circle.getVertexPosition(4), -1.f, 0.f);
    expectNear(circle.getVertexUV(2), 0.5f, 1.f);
    expectNear(circle.getVertexUV(4), 0.f, 0.5f);
    EXPECT_EQ(circle.getVertexType(5), 2);

    Circle2D big(12, 2.5f);
    expectNear(big.getVertexPosition(3), 0.f, 2.5f);
    Circle2D plain;
    EXPECT_EQ(plain.getVertexCount(), 4u);
    expectNear(plain.getVertexPosition(1), 0.f, 1.f);
}

TEST(PolygonKinds, CircleOfFewerThanTwoVerticesKeepsOnlyItsRadius) {
    Circle2D circle(1, 3.f);
    EXPECT_EQ(circle.getVertexCount(), 0u);
    EXPECT_EQ(circle.getCircleRadius(), 3.f);
    EXPECT_FALSE(circle.createPolygon(0, 2.f));
    EXPECT_EQ(circle.getCircleRadius(), 2.f);
    // The base forms are reachable on the circle itself.
    EXPECT_TRUE(circle.createPolygon(5));
    EXPECT_EQ(circle.getVertexType(0), 1);
}

TEST(PolygonKinds, LinesAreMarkedAndStartWithoutVertices) {
    Lines2D lines;
    EXPECT_TRUE(lines.isLine());
    EXPECT_EQ(lines.getVertexCount(), 0u);
    lines.setCollisionID(7);
    EXPECT_EQ(lines.getCollisionID(), 7);
    EXPECT_TRUE(lines.createPolygon(3));
    EXPECT_EQ(lines.getVertexCount(), 3u);

    Line2D segment(vec2f32(1.f, 2.f), vec2f32(3.f, 4.f));
    EXPECT_EQ(segment.lineStart.position, vec2f32(1.f, 2.f));
    EXPECT_EQ(segment.lineEnd.position, vec2f32(3.f, 4.f));
    Line2D origin;
    EXPECT_EQ(origin.lineEnd.position, vec2f32());
    EXPECT_EQ(origin.lineEnd.color.r, 1.f);
}

TEST(PolygonKinds, EachKindPrintsItsNameBeforeTheVertices) {
    Rectangle2D rectangle;
    Quadrangle2D quadrangle;
    Triangle2D triangle;
    Circle2D circle;
    Lines2D lines;
    Line2D line;
    EXPECT_EQ(captureStdout([&] { rectangle.print(); }).find("\nRectangle\nVector [0]"), 0u);
    EXPECT_EQ(captureStdout([&] { quadrangle.print(); }).find("\nQuadrangle\nVector [0]"), 0u);
    EXPECT_EQ(captureStdout([&] { triangle.print(); }).find("\nTriangle\nVector [0]"), 0u);
    EXPECT_EQ(captureStdout([&] { circle.print(); }).find("\nCircle\nVector [0]"), 0u);
    EXPECT_EQ(captureStdout([&] { lines.print(); }), "\nLINES:");
    EXPECT_EQ(captureStdout([&] { line.print(); }), "\nLine");
}
