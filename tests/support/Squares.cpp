#include "support/Squares.h"

namespace zelk {
namespace test {

void makeUnitSquare(shape::Polygon2D* polygon, color4f32 colour) {
    polygon->createPolygon(4);
    polygon->setVertexPosition(1, 1.0f, 0.0f);
    polygon->setVertexPosition(2, 1.0f, 1.0f);
    polygon->setVertexPosition(3, 0.0f, 1.0f);
    polygon->setPolygonColor(colour);
}

} // namespace test
} // namespace zelk
