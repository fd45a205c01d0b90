#include "zelk/animation/Frame1D.h"

#include "zelk/animation/AnimationXML.h"

namespace zelk {
namespace animation {

Frame1D::Frame1D() : x(0) {}

Frame1D::Frame1D(float second, float x) : Frame(second), x(x) {}

Frame1D::Frame1D(const Frame1D& other) : Frame(other), x(other.x) {}

Frame1D::~Frame1D() {}

bool Frame1D::writeToXML(XML* xml, unsigned int id) {
    return Frame::writeToXML(xml, id) && xml::addFloatToNewElement(xml, "frame_", id, "x", x);
}

bool Frame1D::readFromXML(XML* xml, unsigned int id) {
    return Frame::readFromXML(xml, id) && xml::readFloatOfElement(xml, "frame_", id, "x", &x);
}

} // namespace animation
} // namespace zelk
