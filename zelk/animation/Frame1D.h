#ifndef ZELK_ANIMATION_FRAME1D_H
#define ZELK_ANIMATION_FRAME1D_H

#include "zelk/animation/Frame.h"

namespace zelk {
namespace animation {

// A key frame with one value, x.
class Frame1D : public Frame {
public:
    Frame1D();
    Frame1D(float second, float x);
    Frame1D(const Frame1D& other);
    ~Frame1D() override;

    // The base's element, then the attribute "x" on it.
    bool writeToXML(XML* xml, unsigned int id);
    // The base's fields, then "x" when the element has it.
    bool readFromXML(XML* xml, unsigned int id);

    float x;
};

} // namespace animation
} // namespace zelk

#endif
