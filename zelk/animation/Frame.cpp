#include "zelk/animation/Frame.h"

#include "zelk/ElementXML.h"

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
    if (!xml || !ElementXML::open(xml, "frame_", id)) {
        return false;
    }
    ElementXML::writeFloat(xml, "second", second);
    ElementXML::close(xml);
    return true;
}

bool Frame::readFromXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::select(xml, "frame_", id)) {
        return false;
    }
    ElementXML::readFiniteFloatIfPresent(xml, "second", &second);
    ElementXML::close(xml);
    return true;
}

} // namespace animation
} // namespace zelk
