#ifndef ZELK_ANIMATION_FRAME3D_H
#define ZELK_ANIMATION_FRAME3D_H

#include "zelk/TypeVec3.h"
#include "zelk/animation/Frame2D.h"

namespace zelk {
namespace animation {

// A key frame with three values: x, y and z.
class Frame3D : public Frame2D {
public:
    Frame3D();
    Frame3D(float second, float x, float y, float z);
    Frame3D(float second, vec3f32 values);
    Frame3D(const Frame3D& other);
    ~Frame3D() override;

    // The base's element, then the attribute "z" on it.
    bool writeToXML(XML* xml, unsigned int id);
    // The base's fields, then "z" when the element has it.
    bool readFromXML(XML* xml, unsigned int id);

    float z;
};

} // namespace animation
} // namespace zelk

#endif
