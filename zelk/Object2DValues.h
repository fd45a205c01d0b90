#ifndef ZELK_OBJECT2DVALUES_H
#define ZELK_OBJECT2DVALUES_H

#include "zelk/TypeSize.h"
#include "zelk/TypeVars.h"
#include "zelk/TypeVec2.h"

namespace zelk {

// Where a thing is placed: the position its pivot lands on, its angle in
// degrees about z and the scale of its own space. Placed objects and
// skeleton bodies share it.
class Object2DValues {
public:
    Object2DValues() : position(), angle(0.f), size(), fixedRotation(false) {}

    // Position (0, 0), angle 0, size (1, 1); fixedRotation stays.
    void loadIdentityValues() {
        position = vec2f32();
        angle = 0.f;
        size = size2f32();
    }

    vec2f32 position;
    float32 angle;
    size2f32 size;
    // Read by the physics objects and the skeleton, not by the placement.
    bool fixedRotation;
};

} // namespace zelk

#endif
