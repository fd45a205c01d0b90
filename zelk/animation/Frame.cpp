#include "zelk/animation/Frame.h"

#include "zelk/animation/AnimationXML.h"

namespace zelk {
namespace animation {

Frame::Frame() : second(0) {}

Frame::Frame(float second) : second(second) {}

Frame::Frame(const Frame& other) : Object<Frame>(other), second(other.second) {}

Frame::~Frame() {}

bool Frame::operator<(Frame other) {
    other.cantDestruct();
    return second < other.second;
}

bool Frame::writeToXML(XML* xml, unsigned int id) {
    if (!xml || !xml::openNewElement(xml, "frame_", id)) {
        return false;
    }
    xml::addFloat(xml, "second", second);
    xml::closeElement(xml);
    return true;
}

bool Frame::readFromXML(XML* xml, unsigned int id) {
    if (!xml || !xml::openElement(xml, "frame_", id)) {
        return false;
    }
    xml::readFloat(xml, "second", &second);
    xml::closeElement(xml);
    return true;
}

} // namespace animation
} // namespace zelk
