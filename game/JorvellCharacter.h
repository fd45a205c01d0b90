#ifndef JORVELL_CHARACTER_H
#define JORVELL_CHARACTER_H

#include "zelk/WindowEvents.h"
#include "zelk/bones/Body2D.h"
#include "zelk/physics2D/DynamicObject2D.h"
#include "zelk/shape/Mesh2D.h"

// What every character of the game is made of: a skeleton that carries its
// drawn parts, one dynamic physics object and the same physics polygons as a
// coloured mesh to show on request.
//
// The physics object is 2.5 wide and 5 high once loaded; its four polygons, in
// the order contacts report them, are 0 the left half, 1 the right half, 2 the
// foot (a V under the body, friction 1) and 3 a strip along the head. The
// object keeps its rotation and never sleeps.
class JorvellCharacter {
public:
    JorvellCharacter();
    JorvellCharacter(const JorvellCharacter&) = delete;
    JorvellCharacter& operator=(const JorvellCharacter&) = delete;

    virtual void load() = 0;
    virtual void unload() = 0;
    // Once a frame, after the physics step; true when the character set a new
    // velocity on its physics object, for the world to take.
    virtual bool update(zelk::WindowEvents* events) = 0;
    virtual void draw() = 0;

    zelk::physics2D::PhysicObject2D* getObjectPointer() { return &physicObject; }

    zelk::bones::Body2D body;
    zelk::physics2D::DynamicObject2D physicObject;
    zelk::shape::Mesh2D debugMesh;

protected:
    // Characters are not deleted through this class.
    ~JorvellCharacter();
};

#endif
