#include "zelk/animation/Frame2D.h"

#include "zelk/animation/AnimationXML.h"

namespace zelk {
namespace animation {

Frame2D::Frame2D() : y(0) {}

Frame2D::Frame2D(float second, float x, float y) : Frame1D(second, x), y(y) {}

Frame2D::Frame2D(float second, vec2f32 values) : Frame2D(second, values.x, values.y) {}

Frame2D::Frame2D(const Frame2D& other) : Frame1D(other), y(other.y) {}

Frame2D::~Frame2D() {}

bool Frame2D::writeToXML(XML* xml, unsigned int id) {
    return Frame1D::writeToXML(xml, id) && xml::addFloatToNewElement(xml, "frame_", id, "y", y);
}

bool Frame2D::readFromXML(XML* xml, unsigned int id) {
    return Frame1D::readFromXML(xml, id) && xml::readFloatOfElement(xml, "frame_", id, "y", &y);
}

} // namespace animation
} // namespace zelk
