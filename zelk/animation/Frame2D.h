#ifndef ZELK_ANIMATION_FRAME2D_H
#define ZELK_ANIMATION_FRAME2D_H

#include "zelk/TypeVec2.h"
#include "zelk/animation/Frame1D.h"

namespace zelk {
namespace animation {

// A key frame with two values: x and y.
class Frame2D : public Frame1D {
public:
    Frame2D();
    Frame2D(float second, float x, float y);
    Frame2D(float second, vec2f32 values);
    Frame2D(const Frame2D& other);
    ~Frame2D() override;

    // The base's element, then the attribute "y" on it.
    bool writeToXML(XML* xml, unsigned int id);
    // The base's fields, then "y" when the element has it.
    bool readFromXML(XML* xml, unsigned int id);

    float y;
};

} // namespace animation
} // namespace zelk

#endif
