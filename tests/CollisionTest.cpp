#include "zelk/collision/LineContact2D.h"
#include "zelk/collision/MathCollision.h"
#include "zelk/collision/RectangleContact.h"
#include "zelk/collision/Vecs2f32.h"
#include "zelk/shape/Circle2D.h"
#include "zelk/shape/Line2D.h"
#include "zelk/shape/Polygon2D.h"
#include "zelk/shape/Rectangle2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

using zelk::vec2f32;
using zelk::vec3f32;
using zelk::collision::LineContact2D;
using zelk::collision::MathCollision;
using zelk::collision::RectangleContact;
using zelk::collision::Vecs2f32;
using zelk::shape::Circle2D;
using zelk::shape::Line2D;
using zelk::shape::Polygon2D;
using zelk::shape::Rectangle2D;

namespace {

const float notANumber = std::nanf("");

std::vector<vec2f32> pointsOf(Vecs2f32 list) {
    std::vector<vec2f32> points;
    for (unsigned int i = 0; i < list.size(); i++) {
        points.push_back(list[i]);
    }
    return points;
}

void expectPoints(Vecs2f32 list, std::initializer_list<vec2f32> expected) {
    std::vector<vec2f32> points = pointsOf(list);
    ASSERT_EQ(points.size(), expected.size());
    size_t i = 0;
    for (vec2f32 point : expected) {
        EXPECT_NEAR(points[i].x, point.x, 1e-5f) << "point " << i;
        EXPECT_NEAR(points[i].y, point.y, 1e-5f) << "point " << i;
        i++;
    }
}

// The square (0, 0), (2, 0), (2, 2), (0, 2), counter-clockwise.
Polygon2D* square() {
    Polygon2D* polygon = new Polygon2D(4);
    polygon->setVertexPosition(0, 0.f, 0.f);
    polygon->setVertexPosition(1, 2.f, 0.f);
    polygon->setVertexPosition(2, 2.f, 2.f);
    polygon->setVertexPosition(3, 0.f, 2.f);
    return polygon;
}

} // namespace

TEST(Collision, BoxTestIncludesItsBordersWhicheverCornerComesFirst) {
    EXPECT_TRUE(MathCollision::boundingContact2D(vec2f32(1, 1), vec2f32(2, 0), vec2f32(0, 2)));
    EXPECT_TRUE(MathCollision::boundingContact2D(vec2f32(2, 1), vec2f32(0, 0), vec2f32(2, 2)));
    EXPECT_FALSE(MathCollision::boundingContact2D(vec2f32(2.01f, 1), vec2f32(0, 0), vec2f32(2, 2)));
    EXPECT_FALSE(
        MathCollision::boundingContact2D(vec2f32(1, -0.01f), vec2f32(0, 0), vec2f32(2, 2)));
    EXPECT_FALSE(
        MathCollision::boundingContact2D(vec2f32(notANumber, 1), vec2f32(0, 0), vec2f32(2, 2)));
    EXPECT_FALSE(
        MathCollision::boundingContact2D(vec2f32(1, 1), vec2f32(0, notANumber), vec2f32(2, 2)));
    EXPECT_TRUE(
        MathCollision::boundingContact3D(vec3f32(1, 1, 1), vec3f32(0, 0, 2), vec3f32(2, 2, 0)));
    EXPECT_FALSE(
        MathCollision::boundingContact3D(vec3f32(1, 1, 3), vec3f32(0, 0, 2), vec3f32(2, 2, 0)));
}

TEST(Collision, PointOnALineMeansExactlyOnIt) {
    EXPECT_TRUE(MathCollision::pointStraigh2D(vec2f32(1, 1), vec2f32(0, 0), vec2f32(2, 2)));
    // The infinite line: beyond the segment too.
    EXPECT_TRUE(MathCollision::pointStraigh2D(vec2f32(-3, -3), vec2f32(0, 0), vec2f32(2, 2)));
    EXPECT_FALSE(MathCollision::pointStraigh2D(vec2f32(1, 1.0001f), vec2f32(0, 0), vec2f32(2, 2)));
    EXPECT_FALSE(
        MathCollision::pointStraigh2D(vec2f32(notANumber, 1), vec2f32(0, 0), vec2f32(2, 2)));
}

TEST(Collision, SegmentsCrossOnlyWithinBothOfThem) {
    expectPoints(MathCollision::straightStraight2D(vec2f32(0, 0), vec2f32(2, 2), vec2f32(0, 2),
                                                   vec2f32(2, 0)),
                 {vec2f32(1, 1)});
    // Parallel.
    expectPoints(MathCollision::straightStraight2D(vec2f32(0, 0), vec2f32(1, 1), vec2f32(2, 0),
                                                   vec2f32(3, 1)),
                 {});
    // The crossing lies beyond the first segment's end.
    expectPoints(MathCollision::straightStraight2D(vec2f32(0, 0), vec2f32(1, 0), vec2f32(2, -1),
                                                   vec2f32(2, 1)),
                 {});
    // Touching at an end counts.
    expectPoints(MathCollision::straightStraight2D(vec2f32(0, 0), vec2f32(1, 1), vec2f32(1, 1),
                                                   vec2f32(2, 0)),
                 {vec2f32(1, 1)});
    // A segment of length 0 is degenerate.
    expectPoints(MathCollision::straightStraight2D(vec2f32(1, 1), vec2f32(1, 1), vec2f32(0, 2),
                                                   vec2f32(2, 0)),
                 {});
}

TEST(Collision, SegmentMeetsACircleAtTheLargerRootFirst) {
    vec2f32 centre(0, 0);
    expectPoints(MathCollision::straightCircle2D(vec2f32(-2, 0), vec2f32(2, 0), centre, 1.f),
                 {vec2f32(1, 0), vec2f32(-1, 0)});
    expectPoints(MathCollision::straightCircle2D(vec2f32(0, 0), vec2f32(2, 0), centre, 1.f),
                 {vec2f32(1, 0)});
    // A tangent touches once.
    expectPoints(MathCollision::straightCircle2D(vec2f32(-2, 1), vec2f32(2, 1), centre, 1.f),
                 {vec2f32(0, 1)});
    expectPoints(MathCollision::straightCircle2D(vec2f32(-2, 3), vec2f32(2, 3), centre, 1.f), {});
    // Wholly inside the circle: no crossing on the segment.
    expectPoints(MathCollision::straightCircle2D(vec2f32(-0.5f, 0), vec2f32(0.5f, 0), centre, 1.f),
                 {});
    // A segment of length 0 meets nothing, even on the circle.
    expectPoints(MathCollision::straightCircle2D(vec2f32(1, 0), vec2f32(1, 0), centre, 1.f), {});
}

TEST(Collision, PointInPolygonIsOnTheInnerSideOfEveryEdgeTheClosingOneIncluded) {
    Polygon2D* polygon = square();
    EXPECT_TRUE(MathCollision::polygonPoint(*polygon, vec2f32(1, 1)));
    EXPECT_TRUE(MathCollision::polygonPoint(*polygon, vec2f32(0.1f, 1.9f)));
    EXPECT_FALSE(MathCollision::polygonPoint(*polygon, vec2f32(3, 1)));
    EXPECT_FALSE(MathCollision::polygonPoint(*polygon, vec2f32(1, 3)));
    // Outside only across the closing edge, from (0, 2) to (0, 0).
    EXPECT_FALSE(MathCollision::polygonPoint(*polygon, vec2f32(-1, 1)));
    EXPECT_FALSE(MathCollision::polygonPoint(*polygon, vec2f32(-0.001f, 0.5f)));
    // On an edge is not inside.
    EXPECT_FALSE(MathCollision::polygonPoint(*polygon, vec2f32(1, 0)));
    EXPECT_FALSE(MathCollision::polygonPoint(*polygon, vec2f32(notANumber, 1)));
    // The by-value copies left the polygon's vertices alone.
    EXPECT_EQ(polygon->getVertexPosition(2), vec2f32(2, 2));
    delete polygon;
}

TEST(Collision, PolygonsOfFewerThanThreeVerticesHaveNoInside) {
    Polygon2D empty;
    EXPECT_FALSE(MathCollision::polygonPoint(empty, vec2f32(0, 0)));
    Polygon2D segment(2);
    segment.setVertexPosition(1, 2.f, 0.f);
    EXPECT_FALSE(MathCollision::polygonPoint(segment, vec2f32(1, 1)));
    EXPECT_FALSE(MathCollision::polygonPoint(segment, vec2f32(1, -1)));
}

TEST(Collision, RectangleTestUsesTheCornersAndIgnoresTheTranslation) {
    Rectangle2D rectangle;
    rectangle.setTranslate(5.f, 5.f);
    rectangle.setScale(3.f, 3.f);
    EXPECT_TRUE(RectangleContact::contactPoint(vec2f32(0.5f, 0.5f), rectangle));
    EXPECT_TRUE(RectangleContact::contactPoint(vec2f32(0, 0), rectangle));
    EXPECT_TRUE(RectangleContact::contactPoint(vec2f32(1, 1), rectangle));
    EXPECT_FALSE(RectangleContact::contactPoint(vec2f32(1.01f, 0.5f), rectangle));
    EXPECT_FALSE(RectangleContact::contactPoint(vec2f32(5.5f, 5.5f), rectangle));
    EXPECT_EQ(rectangle.getVertexPosition(1), vec2f32(1, 1));
}

TEST(Collision, LinesAreTestedBetweenTheirVertexPositions) {
    Line2D diagonal(vec2f32(0, 0), vec2f32(2, 2));
    EXPECT_TRUE(LineContact2D::contactPoint(vec2f32(1, 1), diagonal));
    EXPECT_FALSE(LineContact2D::contactPoint(vec2f32(1, 0), diagonal));
    expectPoints(LineContact2D::contactLine(diagonal, Line2D(vec2f32(0, 2), vec2f32(2, 0))),
                 {vec2f32(1, 1)});

    // The circle is centred on its translation, with its radius field.
    Circle2D circle(8, 1.f);
    circle.setTranslate(3.f, 0.f);
    expectPoints(LineContact2D::contactCircle(circle, Line2D(vec2f32(0, 0), vec2f32(5, 0))),
                 {vec2f32(4, 0), vec2f32(2, 0)});
    EXPECT_EQ(circle.getVertexCount(), 8u);
}

TEST(Collision, LineInsideAPolygonAnswersItsEndsOtherwiseTheEdgeCrossings) {
    Polygon2D* polygon = square();
    expectPoints(
        LineContact2D::contactPolygon(*polygon, Line2D(vec2f32(0.5f, 0.5f), vec2f32(1.5f, 1))),
        {vec2f32(0.5f, 0.5f), vec2f32(1.5f, 1)});
    // Across: the crossings in edge order, the closing edge last.
    expectPoints(LineContact2D::contactPolygon(*polygon, Line2D(vec2f32(-1, 1), vec2f32(3, 1))),
                 {vec2f32(2, 1), vec2f32(0, 1)});
    // Through two corners, each met by both of its edges.
    expectPoints(LineContact2D::contactPolygon(*polygon, Line2D(vec2f32(-1, -1), vec2f32(3, 3))),
                 {vec2f32(0, 0), vec2f32(2, 2), vec2f32(2, 2), vec2f32(0, 0)});
    expectPoints(LineContact2D::contactPolygon(*polygon, Line2D(vec2f32(5, 5), vec2f32(6, 5))), {});
    EXPECT_EQ(polygon->getVertexPosition(3), vec2f32(0, 2));
    delete polygon;
}

TEST(Collision, PointListsAnswerZeroBeyondTheirEndAndCopyIndependently) {
    Vecs2f32 list(2);
    EXPECT_EQ(list.get(0), vec2f32());
    EXPECT_EQ(list.pushBack(vec2f32(1, 2)), 0u);
    EXPECT_EQ(list.pushBack(vec2f32(3, 4)), 1u);
    EXPECT_EQ(list[1], vec2f32(3, 4));
    EXPECT_EQ(list[2], vec2f32());

    Vecs2f32 more(1);
    more.pushBack(vec2f32(5, 6));
    Vecs2f32 answered = (list += more);
    expectPoints(list, {vec2f32(1, 2), vec2f32(3, 4), vec2f32(5, 6)});
    expectPoints(answered, {vec2f32(5, 6)});

    Vecs2f32 copy = list;
    copy.pushBack(vec2f32(7, 8));
    Vecs2f32 assigned(1);
    assigned = copy;
    list.cantDeleteVector();
    EXPECT_EQ(list.size(), 3u);
    EXPECT_EQ(assigned.size(), 4u);
    EXPECT_EQ(assigned[3], vec2f32(7, 8));
    expectPoints(more, {vec2f32(5, 6)});
}
