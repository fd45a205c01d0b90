#include "zelk/animation/Path3DGroup.h"

#include "zelk/Math.h"
#include "zelk/animation/FrameValues.h"

namespace zelk {
namespace animation {

Path3DGroup::Path3DGroup() : z(0) {}

Path3DGroup::Path3DGroup(const Path3DGroup& other) : Path2DGroup(other), z(other.z) {}

Path3DGroup::~Path3DGroup() {}

float Path3DGroup::updateClockAnimation() {
    return advanceValues(&x, &y, &z);
}

bool Path3DGroup::readFromXML(XML* xml, unsigned int id) {
    return readPath<Frame3D>(xml, id);
}

Frame* Path3DGroup::newFrame() {
    return new Frame3D();
}

bool Path3DGroup::reachFrame(Frame* frame) {
    if (!frame) {
        frameChanged = false;
        return false;
    }
    return reachedByDistance(
        Math::pythagoras3f(x - values::xOf(frame), y - values::yOf(frame), z - values::zOf(frame)),
        nearTarget(x, values::xOf(frame)) && nearTarget(y, values::yOf(frame)) &&
            nearTarget(z, values::zOf(frame)));
}

bool Path3DGroup::addNewFrame(float second, float x, float y, float z) {
    return addValueFrame(false, 0, second, x, y, z);
}

bool Path3DGroup::addNewFrameToPosition(unsigned int position, float second, float x, float y,
                                        float z) {
    return addValueFrame(true, position, second, x, y, z);
}

void Path3DGroup::setZ(float value) {
    z = value;
}

float Path3DGroup::getZ() {
    return z;
}

} // namespace animation
} // namespace zelk
