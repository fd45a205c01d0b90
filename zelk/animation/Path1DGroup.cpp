#include "zelk/animation/Path1DGroup.h"

#include "zelk/Math.h"
#include "zelk/animation/FrameValues.h"

namespace zelk {
namespace animation {

Path1DGroup::Path1DGroup() : x(0) {}

Path1DGroup::Path1DGroup(const Path1DGroup& other) : PathGroup(other), x(other.x) {}

Path1DGroup::~Path1DGroup() {}

float Path1DGroup::updateClockAnimation() {
    return advanceValues(&x, nullptr, nullptr);
}

bool Path1DGroup::readFromXML(XML* xml, unsigned int id) {
    return readPath<Frame1D>(xml, id);
}

Frame* Path1DGroup::newFrame() {
    return new Frame1D();
}

bool Path1DGroup::reachFrame(Frame* frame) {
    if (!frame) {
        frameChanged = false;
        return false;
    }
    return reachedByDistance(Math::moduleFloat(x - values::xOf(frame)),
                             nearTarget(x, values::xOf(frame)));
}

bool Path1DGroup::addNewFrame(float second, float x) {
    return addValueFrame(false, 0, second, x, 0, 0);
}

bool Path1DGroup::addNewFrameToPosition(unsigned int position, float second, float x) {
    return addValueFrame(true, position, second, x, 0, 0);
}

void Path1DGroup::setX(float value) {
    x = value;
}

float Path1DGroup::getX() {
    return x;
}

} // namespace animation
} // namespace zelk
