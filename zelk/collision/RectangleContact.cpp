#include "zelk/collision/RectangleContact.h"

#include "zelk/collision/MathCollision.h"

namespace zelk {
namespace collision {

RectangleContact::~RectangleContact() {}

bool RectangleContact::contactPoint(vec2f32 p, shape::Rectangle2D rectangle) {
    rectangle.cantDeletePolygon();
    return MathCollision::boundingContact2D(p, rectangle.getVertexPosition(0),
                                            rectangle.getVertexPosition(1));
}

} // namespace collision
} // namespace zelk
