#ifndef ZELK_PHYSICS2D_JOINT2D_H
#define ZELK_PHYSICS2D_JOINT2D_H

#include "zelk/TypeColor.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVars.h"
#include "zelk/TypeVec2.h"

#include <initializer_list>

namespace zelk {
namespace physics2D {

class PhysicObject2D;

// The engine's description of one Box2D joint between two physics objects:
// the objects, the anchors, whether the joined bodies still collide with each
// other, and in the kinds below the settings of each joint (limits, motor,
// spring, lengths). A plain Joint2D is a weld.
//
// The world makes a record with its joint, holds every value the joint was
// made with (so that a document can write the joint out and make it again),
// refreshes the world anchors after each step and deletes the record with the
// joint; callers never delete one. A record never owns its objects.
//
// Type numbers: 0 weld, 1 revolute, 2 distance, 3 prismatic, 4 pulley,
// 5 wheel, 6 rope.
class Joint2D {
public:
    // The type is set last, by the most derived constructor.
    explicit Joint2D(bool collide);
    virtual ~Joint2D() {}
    // A few lines through GU in that colour at the world anchors, for
    // debugging; size is a kind's own drawing measure. A weld draws nothing.
    virtual void draw(size2f32 size, color3f32 color);

    uint8 getType() { return type; }
    bool getCollide() { return collide; }

    PhysicObject2D* objectA;
    PhysicObject2D* objectB;
    // The anchors in their objects' own frames, in the units of the
    // objects' positions.
    vec2f32 positionA;
    vec2f32 positionB;
    // Anchor A in world coordinates.
    vec2f32 worldPositionA;
    uint8 type;
    bool collide;

protected:
    // OpenGL's GL_LINES and GL_LINE_STRIP.
    static constexpr unsigned int lines = 1;
    static constexpr unsigned int lineStrip = 3;

    // The drawing every kind does: the colour, then the vertices as one
    // primitive inside a pushed matrix.
    static void drawPrimitive(unsigned int primitive, color3f32 color,
                              std::initializer_list<vec2f32> vertices);
};

} // namespace physics2D
} // namespace zelk

#endif
