#include "zelk/animation/Interpolation2DGroup.h"

#include "zelk/animation/FrameValues.h"
#include "zelk/animation/LineCalls.h"

#include <cstdio>

namespace zelk {
namespace animation {

bool Interpolation2DGroup::addKeyFrame(InterpolationGroup* target, KeyFrameValues v) {
    return static_cast<Interpolation2DGroup*>(target)->addNewInterpolationLine(v.second, v.x, v.y);
}

Interpolation2DGroup::Interpolation2DGroup() : tempY(0) {}

Interpolation2DGroup::Interpolation2DGroup(const Interpolation2DGroup& other)
    : Interpolation1DGroup(other), tempY(other.tempY) {}

Interpolation2DGroup::~Interpolation2DGroup() {}

Interpolation2DGroup Interpolation2DGroup::operator=(Interpolation2DGroup other) {
    other.cantDeleteGroup();
    rebuildFrom(&other, addKeyFrame);
    return other;
}

bool Interpolation2DGroup::readFromXML(XML* xml, unsigned int id) {
    return readAnimation<Frame2D>(xml, id, this);
}

InterpolationLine* Interpolation2DGroup::newLineInterpolation() {
    return new InterpolationLine2D();
}

Frame* Interpolation2DGroup::newFrame() {
    return new Frame2D();
}

void Interpolation2DGroup::printInterpolationLine(InterpolationLine* line) {
    InterpolationLine2D* typed = dynamic_cast<InterpolationLine2D*>(line);
    if (!typed) {
        return;
    }
    Frame2D start = typed->getStart2D();
    Frame2D end = typed->getEnd2D();
    printf("Start second %.2f X %.2f Y %.2f end second %.2f X %.2f Y %.2f", start.second, start.x,
           start.y, end.second, end.x, end.y);
}

bool Interpolation2DGroup::addNewInterpolationLine(float second, vec2f32 values) {
    return addNewInterpolationLine(Frame2D(second, values));
}

bool Interpolation2DGroup::addNewInterpolationLine(float second, float x, float y) {
    return addNewInterpolationLine(Frame2D(second, x, y));
}

bool Interpolation2DGroup::addNewInterpolationLine(Frame2D frame) {
    frame.cantDestruct();
    if (!InterpolationGroup::addNewInterpolationLine(frame.second)) {
        return false;
    }
    fillInsertedLine(&frame);
    return true;
}

bool Interpolation2DGroup::addFirstInterpolationLine(float second1, vec2f32 values1, float second2,
                                                     vec2f32 values2) {
    return addFirstInterpolationLine(Frame2D(second1, values1), Frame2D(second2, values2));
}

bool Interpolation2DGroup::addFirstInterpolationLine(float second1, float x1, float y1,
                                                     float second2, float x2, float y2) {
    return addFirstInterpolationLine(Frame2D(second1, x1, y1), Frame2D(second2, x2, y2));
}

bool Interpolation2DGroup::addFirstInterpolationLine(Frame2D first, Frame2D second) {
    first.cantDestruct();
    second.cantDestruct();
    if (!InterpolationGroup::addFirstInterpolationLine(first.second, second.second)) {
        return false;
    }
    fillFirstLine(&first, &second);
    return true;
}

void Interpolation2DGroup::fillInsertedLine(Frame2D* frame) {
    Interpolation1DGroup::fillInsertedLine(frame);
    fillInsertedValue(frame->second, frame->y, values::setY, &tempY);
}

void Interpolation2DGroup::fillFirstLine(Frame2D* first, Frame2D* second) {
    Interpolation1DGroup::fillFirstLine(first, second);
    fillFirstValues(first->second, first->y, second->y, values::setY);
}

bool Interpolation2DGroup::setFrameY(float second, float y) {
    return setFrameValue(second, y, values::setY, &tempY);
}

bool Interpolation2DGroup::setFrame2D(float second, float x, float y) {
    if (!selectFrame(second)) {
        return false;
    }
    Frame* frame = selectedFrameObject();
    values::setX(frame, x);
    values::setY(frame, y);
    return true;
}

InterpolationLine2D* Interpolation2DGroup::line2DAt(unsigned int position) {
    return dynamic_cast<InterpolationLine2D*>(lineAt(position));
}

bool Interpolation2DGroup::setInterpolationCurveY(unsigned int position) {
    return lines::turn(line2DAt(position), &InterpolationLine2D::isCurveY);
}

bool Interpolation2DGroup::setInterpolationNotCurveY(unsigned int position) {
    return lines::turn(line2DAt(position), &InterpolationLine2D::isNotCurveY);
}

bool Interpolation2DGroup::getInterpolationIsCurveY(unsigned int position) {
    return lines::ask(line2DAt(position), &InterpolationLine2D::getCurveY);
}

bool Interpolation2DGroup::setInterpolationP1Y(unsigned int position, float second, float y) {
    return lines::setPoint(line2DAt(position), &InterpolationLine2D::setP1Y, second, y);
}

bool Interpolation2DGroup::setInterpolationP2Y(unsigned int position, float second, float y) {
    return lines::setPoint(line2DAt(position), &InterpolationLine2D::setP2Y, second, y);
}

float Interpolation2DGroup::getClockY(bool* success) {
    return lines::valueAt(dynamic_cast<InterpolationLine2D*>(playingLine(success)),
                          &InterpolationLine2D::getPositionY, animationSecond);
}

float Interpolation2DGroup::getInterpolationStartY(float index) {
    return values::yOf(frameAtIndex(index, false));
}

float Interpolation2DGroup::getInterpolationEndY(float index) {
    return values::yOf(frameAtIndex(index, true));
}

} // namespace animation
} // namespace zelk
