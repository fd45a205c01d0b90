#include "zelk/physics2D/Joint2D.h"

#include "zelk/GU.h"

namespace zelk {
namespace physics2D {

Joint2D::Joint2D(bool collide)
    : objectA(nullptr), objectB(nullptr), positionA(), positionB(), worldPositionA(), type(0),
      collide(collide) {}

void Joint2D::draw(size2f32, color3f32) {}

void Joint2D::drawPrimitive(unsigned int primitive, color3f32 color,
                            std::initializer_list<vec2f32> vertices) {
    GU::guColor3f32(color);
    GU::guPushMatrix();
    GU::guBegin(primitive);
    for (vec2f32 vertex : vertices) {
        GU::guVertex2f32(vertex);
    }
    GU::guEnd();
    GU::guPopMatrix();
}

} // namespace physics2D
} // namespace zelk
