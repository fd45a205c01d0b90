#ifndef ZELK_PHYSICS2D_MYCONTACTLISTENER_H
#define ZELK_PHYSICS2D_MYCONTACTLISTENER_H

#include "zelk/physics2D/Box2DAdapter.h"

namespace zelk {
namespace physics2D {

class Contact2D;
class World2D;

// Turns Box2D's contact events into the world's contact records and
// dispatches. It decides here, not in Box2D's filter, which pairs may touch:
// two objects that share a notCollision group never do, unless they also
// share a collision group; two objects whose collision sets are both
// non-empty touch only when the sets share a group. Sensors never push, and
// report only the objects of their activation set (any object when it is
// empty). A line whose collision ID is 15 holds what lands on it from above
// and lets through what comes from below; 240 does the reverse.
class MyContactListener : public b2ContactListener {
public:
    explicit MyContactListener(World2D* world) : world(world) {}

    void BeginContact(b2Contact* contact) override;
    void EndContact(b2Contact* contact) override;
    void PreSolve(b2Contact* contact, const b2Manifold* oldManifold) override;
    void PostSolve(b2Contact* contact, const b2ContactImpulse* impulse) override;

private:
    // Takes the record out of the world and deletes it; null is let be.
    void drop(Contact2D* record);
    // The objects' velocities and speeds, and the contact points; with
    // speedsOnly, the speeds without the moving objects' velocities.
    void refresh(Contact2D* record, b2Contact* contact, bool speedsOnly = false);
    // The sensor event, when the sensor's activation set lets the other
    // object set it off.
    void sensorEvent(Contact2D* record, void (World2D::*event)(Contact2D*));
    // The begin event of a touch allowed by the groups.
    void dispatchBegin(Contact2D* record);

    World2D* world;
};

} // namespace physics2D
} // namespace zelk

#endif
