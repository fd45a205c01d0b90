#include "zelk/animation/Path2DGroup.h"

#include "zelk/Math.h"
#include "zelk/animation/FrameValues.h"

namespace zelk {
namespace animation {

Path2DGroup::Path2DGroup() : y(0) {}

Path2DGroup::Path2DGroup(const Path2DGroup& other) : Path1DGroup(other), y(other.y) {}

Path2DGroup::~Path2DGroup() {}

float Path2DGroup::updateClockAnimation() {
    return advanceValues(&x, &y, nullptr);
}

bool Path2DGroup::readFromXML(XML* xml, unsigned int id) {
    return readPath<Frame2D>(xml, id);
}

Frame* Path2DGroup::newFrame() {
    return new Frame2D();
}

bool Path2DGroup::reachFrame(Frame* frame) {
    if (!frame) {
        frameChanged = false;
        return false;
    }
    return reachedByDistance(Math::pythagoras2f(x - values::xOf(frame), y - values::yOf(frame)),
                             nearTarget(x, values::xOf(frame)) &&
                                 nearTarget(y, values::yOf(frame)));
}

bool Path2DGroup::addNewFrame(float second, float x, float y) {
    return addValueFrame(false, 0, second, x, y, 0);
}

bool Path2DGroup::addNewFrameToPosition(unsigned int position, float second, float x, float y) {
    return addValueFrame(true, position, second, x, y, 0);
}

void Path2DGroup::setY(float value) {
    y = value;
}

float Path2DGroup::getY() {
    return y;
}

} // namespace animation
} // namespace zelk
