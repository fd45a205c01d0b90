#include "zelk/animation/InterpolationLine1D.h"

#include <cstdarg>

#include "zelk/animation/AnimationXML.h"
#include "zelk/animation/FrameValues.h"
#include "zelk/animation/LineAxis.h"

namespace zelk {
namespace animation {

namespace {

LineAxis axisX(Frame* start, Frame* end) {
    return LineAxis{values::secondOf(start), values::xOf(start), values::secondOf(end),
                    values::xOf(end)};
}

} // namespace

InterpolationLine1D::InterpolationLine1D() : p1X(), p2X(), curveX(false) {
    allocStart();
    allocEnd();
}

InterpolationLine1D::~InterpolationLine1D() {}

// The values arrive as doubles, as every float passed through "...".
Frame* InterpolationLine1D::useNewFrame(unsigned char count, float second, ...) {
    if (count < 1 || count > 2) {
        return new Frame1D();
    }
    float values[1] = {};
    va_list arguments;
    va_start(arguments, second);
    for (unsigned char i = 0; i + 1 < count; i++) {
        values[i] = static_cast<float>(va_arg(arguments, double));
    }
    va_end(arguments);
    return new Frame1D(second, values[0]);
}

bool InterpolationLine1D::setStart(Frame1D* frame) {
    return setStart(static_cast<Frame*>(frame));
}

bool InterpolationLine1D::setStart(float second, float x) {
    if (!setStart(second)) {
        return false;
    }
    values::setX(frameWithSecond(second, true), x);
    return true;
}

bool InterpolationLine1D::setStartValue(float x) {
    return values::setX(start, x);
}

bool InterpolationLine1D::setEnd(Frame1D* frame) {
    return setEnd(static_cast<Frame*>(frame));
}

bool InterpolationLine1D::setEnd(float second, float x) {
    if (!setEnd(second)) {
        return false;
    }
    values::setX(frameWithSecond(second, false), x);
    return true;
}

bool InterpolationLine1D::setEndValue(float x) {
    return values::setX(end, x);
}

float InterpolationLine1D::getPositionX(float second) {
    if (!start || !end) {
        return 0;
    }
    return axisX(start, end).valueAt(second, distance, curveX, p1X, p2X);
}

bool InterpolationLine1D::haveX(float x) {
    return start && end && values::xOf(start) <= x && x <= values::xOf(end);
}

bool InterpolationLine1D::haveSecond(float second) {
    return start && end && start->second <= second && second <= end->second;
}

// A flat line reaches its x at its start.
float InterpolationLine1D::getSecond(float x) {
    if (!haveX(x)) {
        return 0;
    }
    float startX = values::xOf(start);
    float endX = values::xOf(end);
    if (endX == startX) {
        return start->second;
    }
    return start->second + (end->second - start->second) * ((x - startX) / (endX - startX));
}

bool InterpolationLine1D::writeCurveToXML(XML* xml, unsigned int id) {
    if (!xml) {
        return false;
    }
    LineAxis::writeCurve(xml, "curveX_", id, curveX, p1X, p2X);
    return true;
}

bool InterpolationLine1D::readCurveFromXML(XML* xml, unsigned int id) {
    return xml && axisX(start, end).readCurve(xml, "curveX_", id, &curveX, &p1X, &p2X);
}

bool InterpolationLine1D::setP1X(float second, float x) {
    return axisX(start, end).setControlPoint(&p1X, second, x);
}

bool InterpolationLine1D::setP2X(float second, float x) {
    return axisX(start, end).setControlPoint(&p2X, second, x);
}

bool InterpolationLine1D::setCurveX(bool curve) {
    return axisX(start, end).setCurve(&curveX, curve, &p1X, &p2X);
}

bool InterpolationLine1D::isCurveX() {
    return setCurveX(true);
}

bool InterpolationLine1D::isNotCurveX() {
    return setCurveX(false);
}

bool InterpolationLine1D::getCurveX() {
    return curveX;
}

Frame1D InterpolationLine1D::getStart1D() {
    return values::copyAs<Frame1D>(start);
}

Frame1D InterpolationLine1D::getEnd1D() {
    return values::copyAs<Frame1D>(end);
}

} // namespace animation
} // namespace zelk
