#ifndef ZELK_PHYSICS2D_CONTACTCALLBACK2D_H
#define ZELK_PHYSICS2D_CONTACTCALLBACK2D_H

namespace zelk {
namespace physics2D {

class Contact2D;

// A listener of a physics world's contacts, registered with the world by
// pointer. Every operation is called inside the world's step: a listener
// adds or removes no object, joint or callback there; it notes what it wants
// and acts after the step.
class ContactCallback2D {
public:
    // Two objects start touching.
    virtual void contact2DBegin(Contact2D*) {}
    // They stop touching (also when one of them leaves the world).
    virtual void contact2DEnd(Contact2D*) {}
    // Before the solver, every step while they touch.
    virtual void contact2DKeepBegin(Contact2D*) {}
    // After the solver, for an enabled contact, with the impulses.
    virtual void contact2DKeepEnd(Contact2D*) {}
    // The same for a sensor and an object that may set it off.
    virtual void sensor2DBegin(Contact2D*) {}
    virtual void sensor2DEnd(Contact2D*) {}
    virtual void sensor2DKeeping(Contact2D*) {}
};

} // namespace physics2D
} // namespace zelk

#endif
