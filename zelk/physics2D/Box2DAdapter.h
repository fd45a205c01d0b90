#ifndef ZELK_PHYSICS2D_BOX2DADAPTER_H
#define ZELK_PHYSICS2D_BOX2DADAPTER_H

#include "zelk/TypeSize.h"
#include "zelk/TypeVars.h"
#include "zelk/TypeVec2.h"

#include <box2d/box2d.h>

#include <vector>

namespace zelk {
namespace physics2D {

class Joint2D;
class PhysicObject2D;

// The engine's one way into Box2D 2.4; no other file includes Box2D. The
// world is written to Box2D 2.3's meaning, and this layer keeps that
// meaning on 2.4:
// - a body's user data is its object and a fixture's the index of the
//   physics polygon it was made from, both in 2.4's integer slots;
// - edges are two-sided, and a line of several points is made of separate
//   edges, since a 2.4 chain holds bodies from one side only;
// - a dynamic body whose fixtures give it no mass gets mass 1;
// - a joint's user data is its record, and the joints 2.4 changed keep
//   their 2.3 meaning: a distance joint of frequency 0 or below is rigid,
//   above 0 a spring of that frequency; a rope joint is a distance joint
//   that only keeps the anchors from parting beyond its length; wheel
//   springs are given by frequency and damping ratio.
//
// It also keeps every assertion of Debian's Box2D (built with them on, so
// one ends the whole process) out of reach: shapes are checked before Box2D
// sees them (finite values, points Box2D would not merge, a clearly
// positive area, edges longer than Box2D's least length, positive radii),
// as are material values and poses; nothing is created or destroyed while
// the world steps; and a body whose turning inertia float rounding could
// bring to zero or below is given none instead, so it does not turn.
//
// Callers keep true: a body made here is never handed to
// b2Body::ResetMassData, SetType or DestroyFixture, which would recompute
// its mass without these checks.
class Box2DAdapter {
public:
    // A fixture ready for Box2D: one of the three shapes and the values it
    // takes from its polygon.
    struct Fixture {
        Fixture();
        const b2Shape* shape() const;

        b2Shape::Type kind;
        b2CircleShape circle;
        b2EdgeShape edge;
        b2PolygonShape polygon;
        uint32 index;
        float density;
        float friction;
        float restitution;
    };

    // Angles cross to Box2D in radians.
    static float toRadians(float degrees) { return degrees / degreesPerRadian; }
    static float toDegrees(float radians) { return radians * degreesPerRadian; }
    static b2Vec2 toBox2D(vec2f32 vector) { return b2Vec2(vector.x, vector.y); }
    static vec2f32 fromBox2D(const b2Vec2& vector) { return vec2f32(vector.x, vector.y); }

    // Finite values.
    static bool usable(float value);
    static bool usable(vec2f32 vector);
    static bool usable(size2f32 size);
    // Finite and small enough that Box2D's products of coordinates stay
    // finite.
    static bool placeable(vec2f32 point);

    // Each adds the fixture a shape becomes to the list, and answers false,
    // adding nothing, when Box2D could not take it. The polygon values are
    // the template's; its kind and shape are replaced.
    static bool addCircle(vec2f32 centre, float radius, Fixture value, std::vector<Fixture>* list);
    // Two-sided edges between the points, each far enough from the one kept
    // before it; false when no edge is left.
    static bool addLine(const std::vector<vec2f32>& points, Fixture value,
                        std::vector<Fixture>* list);
    // The convex hull of at most 8 points.
    static bool addPolygon(const std::vector<vec2f32>& points, Fixture value,
                           std::vector<Fixture>* list);
    // A box of those half-extents (their signs do not matter) centred on the
    // body.
    static bool addBox(float halfWidth, float halfHeight, Fixture value,
                       std::vector<Fixture>* list);

    // A body of that type (0 static, 1 kinematic, 2 dynamic) and pose with
    // the fixtures; null, with nothing made, while the world steps, for
    // another type, no fixture, or a pose that is not usable.
    static b2Body* createBody(b2World* world, uint8 type, bool fixedRotation, vec2f32 position,
                              float degrees, PhysicObject2D* object,
                              const std::vector<Fixture>& fixtures);
    // False while the world steps.
    static bool destroyBody(b2World* world, b2Body* body);
    static PhysicObject2D* objectOf(b2Body* body);
    static uint32 polygonOf(b2Fixture* fixture);

    // The joint a record describes (its type and values; 2.3's meaning, as
    // above) between two bodies. Null, with nothing made, while the world
    // steps, for one body twice, another type, or values Box2D cannot take:
    // any that is not finite, a zero axis, a length below 0 or beyond where
    // a point may lie, a negative damping ratio, motor torque or force.
    // Revolute limits are ordered; prismatic limits apply only when the
    // lower is below the upper.
    static b2Joint* createJoint(b2World* world, b2Body* bodyA, b2Body* bodyB, Joint2D* record);
    // False while the world steps.
    static bool destroyJoint(b2World* world, b2Joint* joint);
    static Joint2D* recordOf(b2Joint* joint);
    // The joint when it is a revolute one, else null.
    static b2RevoluteJoint* revoluteOf(b2Joint* joint);

    static constexpr float degreesPerRadian = 57.295776f;

private:
    static bool usableMaterial(const Fixture& value);
    // Mass data from the fixtures, or, when float rounding could make the
    // centred inertia non-positive, the same mass with no inertia.
    static void settleMass(b2Body* body);
};

} // namespace physics2D
} // namespace zelk

#endif
