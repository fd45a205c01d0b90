#include "zelk/collision/LineContact2D.h"

#include "zelk/collision/MathCollision.h"

namespace zelk {
namespace collision {

LineContact2D::~LineContact2D() {}

bool LineContact2D::contactPoint(vec2f32 p, shape::Line2D line) {
    return MathCollision::pointStraigh2D(p, line.lineStart.position, line.lineEnd.position);
}

Vecs2f32 LineContact2D::contactLine(shape::Line2D first, shape::Line2D second) {
    return MathCollision::straightStraight2D(first.lineStart.position, first.lineEnd.position,
                                             second.lineStart.position, second.lineEnd.position);
}

Vecs2f32 LineContact2D::contactCircle(shape::Circle2D circle, shape::Line2D line) {
    circle.cantDeletePolygon();
    return MathCollision::straightCircle2D(line.lineStart.position, line.lineEnd.position,
                                           circle.getTranslate(), circle.getCircleRadius());
}

Vecs2f32 LineContact2D::contactPolygon(shape::Polygon2D polygon, shape::Line2D line) {
    polygon.cantDeletePolygon();
    vec2f32 start = line.lineStart.position, end = line.lineEnd.position;
    Vecs2f32 points(1);
    if (MathCollision::polygonPoint(polygon, start) && MathCollision::polygonPoint(polygon, end)) {
        points.pushBack(start);
        points.pushBack(end);
        return points;
    }
    unsigned int count = polygon.getVertexCount();
    for (unsigned int i = 0; i < count; i++) {
        points += MathCollision::straightStraight2D(start, end, polygon.getVertexPosition(i),
                                                    polygon.getVertexPosition((i + 1) % count));
    }
    return points;
}

} // namespace collision
} // namespace zelk
