#include "zelk/animation/InterpolationLine2D.h"

#include <cstdarg>

#include "zelk/animation/AnimationXML.h"
#include "zelk/animation/FrameValues.h"
#include "zelk/animation/LineAxis.h"

namespace zelk {
namespace animation {

namespace {

LineAxis axisY(Frame* start, Frame* end) {
    return LineAxis{values::secondOf(start), values::yOf(start), values::secondOf(end),
                    values::yOf(end)};
}

} // namespace

InterpolationLine2D::InterpolationLine2D() : p1Y(), p2Y(), curveY(false) {
    allocStart();
    allocEnd();
}

InterpolationLine2D::~InterpolationLine2D() {}

// The values arrive as doubles, as every float passed through "...".
Frame* InterpolationLine2D::useNewFrame(unsigned char count, float second, ...) {
    if (count < 1 || count > 3) {
        return new Frame2D();
    }
    float values[2] = {};
    va_list arguments;
    va_start(arguments, second);
    for (unsigned char i = 0; i + 1 < count; i++) {
        values[i] = static_cast<float>(va_arg(arguments, double));
    }
    va_end(arguments);
    return new Frame2D(second, values[0], values[1]);
}

bool InterpolationLine2D::setStart(Frame2D* frame) {
    return setStart(static_cast<Frame*>(frame));
}

bool InterpolationLine2D::setStart(float second, vec2f32 values) {
    return setStart(second, values.x, values.y);
}

bool InterpolationLine2D::setStart(float second, float x, float y) {
    if (!InterpolationLine1D::setStart(second, x)) {
        return false;
    }
    values::setY(frameWithSecond(second, true), y);
    return true;
}

bool InterpolationLine2D::setStartValue(float x, float y) {
    return InterpolationLine1D::setStartValue(x) && values::setY(start, y);
}

bool InterpolationLine2D::setEnd(Frame2D* frame) {
    return setEnd(static_cast<Frame*>(frame));
}

bool InterpolationLine2D::setEnd(float second, vec2f32 values) {
    return setEnd(second, values.x, values.y);
}

bool InterpolationLine2D::setEnd(float second, float x, float y) {
    if (!InterpolationLine1D::setEnd(second, x)) {
        return false;
    }
    values::setY(frameWithSecond(second, false), y);
    return true;
}

bool InterpolationLine2D::setEndValue(float x, float y) {
    return InterpolationLine1D::setEndValue(x) && values::setY(end, y);
}

float InterpolationLine2D::getPositionY(float second) {
    if (!start || !end) {
        return 0;
    }
    return axisY(start, end).valueAt(second, distance, curveY, p1Y, p2Y);
}

bool InterpolationLine2D::writeCurveToXML(XML* xml, unsigned int id) {
    if (!InterpolationLine1D::writeCurveToXML(xml, id)) {
        return false;
    }
    LineAxis::writeCurve(xml, "curveY_", id, curveY, p1Y, p2Y);
    return true;
}

bool InterpolationLine2D::readCurveFromXML(XML* xml, unsigned int id) {
    bool read = InterpolationLine1D::readCurveFromXML(xml, id);
    return (xml && axisY(start, end).readCurve(xml, "curveY_", id, &curveY, &p1Y, &p2Y)) || read;
}

bool InterpolationLine2D::setP1Y(float second, float y) {
    return axisY(start, end).setControlPoint(&p1Y, second, y);
}

bool InterpolationLine2D::setP2Y(float second, float y) {
    return axisY(start, end).setControlPoint(&p2Y, second, y);
}

bool InterpolationLine2D::setCurveY(bool curve) {
    return axisY(start, end).setCurve(&curveY, curve, &p1Y, &p2Y);
}

bool InterpolationLine2D::isCurveY() {
    return setCurveY(true);
}

bool InterpolationLine2D::isNotCurveY() {
    return setCurveY(false);
}

bool InterpolationLine2D::getCurveY() {
    return curveY;
}

Frame2D InterpolationLine2D::getStart2D() {
    return values::copyAs<Frame2D>(start);
}

Frame2D InterpolationLine2D::getEnd2D() {
    return values::copyAs<Frame2D>(end);
}

} // namespace animation
} // namespace zelk
