#include "zelk/animation/Interpolation3DGroup.h"

#include "zelk/animation/FrameValues.h"
#include "zelk/animation/LineCalls.h"

#include <cstdio>

namespace zelk {
namespace animation {

Interpolation3DGroup::Interpolation3DGroup() : tempZ(0) {}

Interpolation3DGroup::Interpolation3DGroup(const Interpolation3DGroup& other)
    : Interpolation2DGroup(other), tempZ(other.tempZ) {}

Interpolation3DGroup::~Interpolation3DGroup() {}

bool Interpolation3DGroup::readFromXML(XML* xml, unsigned int id) {
    return readAnimation<Frame3D>(xml, id, this);
}

InterpolationLine* Interpolation3DGroup::newLineInterpolation() {
    return new InterpolationLine3D();
}

Frame* Interpolation3DGroup::newFrame() {
    return new Frame3D();
}

void Interpolation3DGroup::printInterpolationLine(InterpolationLine* line) {
    InterpolationLine3D* typed = dynamic_cast<InterpolationLine3D*>(line);
    if (!typed) {
        return;
    }
    Frame3D start = typed->getStart3D();
    Frame3D end = typed->getEnd3D();
    printf("Start second %.2f X %.2f Y %.2f Z %.2f end second %.2f X %.2f Y %.2f Z %.2f",
           start.second, start.x, start.y, start.z, end.second, end.x, end.y, end.z);
}

bool Interpolation3DGroup::addNewInterpolationLine(float second, vec3f32 values) {
    return addNewInterpolationLine(Frame3D(second, values));
}

bool Interpolation3DGroup::addNewInterpolationLine(float second, float x, float y, float z) {
    return addNewInterpolationLine(Frame3D(second, x, y, z));
}

bool Interpolation3DGroup::addNewInterpolationLine(Frame3D frame) {
    frame.cantDestruct();
    if (!InterpolationGroup::addNewInterpolationLine(frame.second)) {
        return false;
    }
    fillInsertedLine(&frame);
    return true;
}

bool Interpolation3DGroup::addFirstInterpolationLine(float second1, vec3f32 values1, float second2,
                                                     vec3f32 values2) {
    return addFirstInterpolationLine(Frame3D(second1, values1), Frame3D(second2, values2));
}

bool Interpolation3DGroup::addFirstInterpolationLine(float second1, float x1, float y1, float z1,
                                                     float second2, float x2, float y2, float z2) {
    return addFirstInterpolationLine(Frame3D(second1, x1, y1, z1), Frame3D(second2, x2, y2, z2));
}

bool Interpolation3DGroup::addFirstInterpolationLine(Frame3D first, Frame3D second) {
    first.cantDestruct();
    second.cantDestruct();
    if (!InterpolationGroup::addFirstInterpolationLine(first.second, second.second)) {
        return false;
    }
    fillFirstLine(&first, &second);
    return true;
}

void Interpolation3DGroup::fillInsertedLine(Frame3D* frame) {
    Interpolation2DGroup::fillInsertedLine(frame);
    fillInsertedValue(frame->second, frame->z, values::setZ, &tempZ);
}

void Interpolation3DGroup::fillFirstLine(Frame3D* first, Frame3D* second) {
    Interpolation2DGroup::fillFirstLine(first, second);
    fillFirstValues(first->second, first->z, second->z, values::setZ);
}

bool Interpolation3DGroup::setFrameZ(float second, float z) {
    return setFrameValue(second, z, values::setZ, &tempZ);
}

bool Interpolation3DGroup::setFrame3D(float second, float x, float y, float z) {
    if (!selectFrame(second)) {
        return false;
    }
    Frame* frame = selectedFrameObject();
    values::setX(frame, x);
    values::setY(frame, y);
    values::setZ(frame, z);
    return true;
}

InterpolationLine3D* Interpolation3DGroup::line3DAt(unsigned int position) {
    return dynamic_cast<InterpolationLine3D*>(lineAt(position));
}

bool Interpolation3DGroup::setInterpolationCurveZ(unsigned int position) {
    return lines::turn(line3DAt(position), &InterpolationLine3D::isCurveZ);
}

bool Interpolation3DGroup::setInterpolationNotCurveZ(unsigned int position) {
    return lines::turn(line3DAt(position), &InterpolationLine3D::isNotCurveZ);
}

bool Interpolation3DGroup::getInterpolationIsCurveZ(unsigned int position) {
    return lines::ask(line3DAt(position), &InterpolationLine3D::getCurveZ);
}

bool Interpolation3DGroup::setInterpolationP1Z(unsigned int position, float second, float z) {
    return lines::setPoint(line3DAt(position), &InterpolationLine3D::setP1Z, second, z);
}

bool Interpolation3DGroup::setInterpolationP2Z(unsigned int position, float second, float z) {
    return lines::setPoint(line3DAt(position), &InterpolationLine3D::setP2Z, second, z);
}

float Interpolation3DGroup::getClockZ(bool* success) {
    return lines::valueAt(dynamic_cast<InterpolationLine3D*>(playingLine(success)),
                          &InterpolationLine3D::getPositionZ, animationSecond);
}

float Interpolation3DGroup::getInterpolationStartZ(float index) {
    return values::zOf(frameAtIndex(index, false));
}

float Interpolation3DGroup::getInterpolationEndZ(float index) {
    return values::zOf(frameAtIndex(index, true));
}

} // namespace animation
} // namespace zelk
