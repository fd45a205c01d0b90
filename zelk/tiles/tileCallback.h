#ifndef ZELK_TILES_TILECALLBACK_H
#define ZELK_TILES_TILECALLBACK_H

#include "zelk/TypeVec2.h"

namespace zelk {

namespace physics2D {
class Contact2D;
} // namespace physics2D

namespace tiles {

// A contact as a tile map tells it: the tile IDs and cells of the contact's
// first and second object; 0 and (0, 0) for an object that is not one of the
// map's physics tiles.
class tileContact2D {
public:
    tileContact2D() : idA(0), idB(0), positionA(), positionB() {}

    unsigned int idA;
    unsigned int idB;
    vec2ui32 positionA;
    vec2ui32 positionB;
};

// A listener of the contacts that touch a tile map's physics tiles,
// registered with the map's addTileCallback. The operations follow those of
// physics2D::ContactCallback2D and are called inside the world's step, with
// the same limits: nothing is added to or removed from the world there.
class tileCallback {
public:
    virtual void contact2DTileBegin(tileContact2D, physics2D::Contact2D*) {}
    virtual void contact2DTileEnd(tileContact2D, physics2D::Contact2D*) {}
    virtual void contact2DTileKeepBegin(tileContact2D, physics2D::Contact2D*) {}
    virtual void contact2DTileKeepEnd(tileContact2D, physics2D::Contact2D*) {}
    virtual void sensor2DTileBegin(tileContact2D, physics2D::Contact2D*) {}
    virtual void sensor2DTileEnd(tileContact2D, physics2D::Contact2D*) {}
    virtual void sensor2DTileKeeping(tileContact2D, physics2D::Contact2D*) {}
};

} // namespace tiles
} // namespace zelk

#endif
