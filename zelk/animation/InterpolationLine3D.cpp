#include "zelk/animation/InterpolationLine3D.h"

#include <cstdarg>

#include "zelk/animation/AnimationXML.h"
#include "zelk/animation/FrameValues.h"
#include "zelk/animation/LineAxis.h"

namespace zelk {
namespace animation {

namespace {

LineAxis axisZ(Frame* start, Frame* end) {
    return LineAxis{values::secondOf(start), values::zOf(start), values::secondOf(end),
                    values::zOf(end)};
}

} // namespace

InterpolationLine3D::InterpolationLine3D() : p1Z(), p2Z(), curveZ(false) {
    allocStart();
    allocEnd();
}

InterpolationLine3D::~InterpolationLine3D() {}

// The values arrive as doubles, as every float passed through "...".
Frame* InterpolationLine3D::useNewFrame(unsigned char count, float second, ...) {
    if (count < 1 || count > 4) {
        return new Frame3D();
    }
    float values[3] = {};
    va_list arguments;
    va_start(arguments, second);
    for (unsigned char i = 0; i + 1 < count; i++) {
        values[i] = static_cast<float>(va_arg(arguments, double));
    }
    va_end(arguments);
    return new Frame3D(second, values[0], values[1], values[2]);
}

bool InterpolationLine3D::setStart(Frame3D* frame) {
    return setStart(static_cast<Frame*>(frame));
}

bool InterpolationLine3D::setStart(float second, vec3f32 values) {
    return setStart(second, values.x, values.y, values.z);
}

bool InterpolationLine3D::setStart(float second, float x, float y, float z) {
    if (!InterpolationLine2D::setStart(second, x, y)) {
        return false;
    }
    values::setZ(frameWithSecond(second, true), z);
    return true;
}

bool InterpolationLine3D::setStartValue(float x, float y, float z) {
    return InterpolationLine2D::setStartValue(x, y) && values::setZ(start, z);
}

bool InterpolationLine3D::setEnd(Frame3D* frame) {
    return setEnd(static_cast<Frame*>(frame));
}

bool InterpolationLine3D::setEnd(float second, vec3f32 values) {
    return setEnd(second, values.x, values.y, values.z);
}

bool InterpolationLine3D::setEnd(float second, float x, float y, float z) {
    if (!InterpolationLine2D::setEnd(second, x, y)) {
        return false;
    }
    values::setZ(frameWithSecond(second, false), z);
    return true;
}

bool InterpolationLine3D::setEndValue(float x, float y, float z) {
    return InterpolationLine2D::setEndValue(x, y) && values::setZ(end, z);
}

float InterpolationLine3D::getPositionZ(float second) {
    if (!start || !end) {
        return 0;
    }
    return axisZ(start, end).valueAt(second, distance, curveZ, p1Z, p2Z);
}

bool InterpolationLine3D::writeCurveToXML(XML* xml, unsigned int id) {
    if (!InterpolationLine2D::writeCurveToXML(xml, id)) {
        return false;
    }
    LineAxis::writeCurve(xml, "curveZ_", id, curveZ, p1Z, p2Z);
    return true;
}

bool InterpolationLine3D::readCurveFromXML(XML* xml, unsigned int id) {
    bool read = InterpolationLine2D::readCurveFromXML(xml, id);
    return (xml && axisZ(start, end).readCurve(xml, "curveZ_", id, &curveZ, &p1Z, &p2Z)) || read;
}

bool InterpolationLine3D::setP1Z(float second, float z) {
    return axisZ(start, end).setControlPoint(&p1Z, second, z);
}

bool InterpolationLine3D::setP2Z(float second, float z) {
    return axisZ(start, end).setControlPoint(&p2Z, second, z);
}

bool InterpolationLine3D::setCurveZ(bool curve) {
    return axisZ(start, end).setCurve(&curveZ, curve, &p1Z, &p2Z);
}

bool InterpolationLine3D::isCurveZ() {
    return setCurveZ(true);
}

bool InterpolationLine3D::isNotCurveZ() {
    return setCurveZ(false);
}

bool InterpolationLine3D::getCurveZ() {
    return curveZ;
}

Frame3D InterpolationLine3D::getStart3D() {
    return values::copyAs<Frame3D>(start);
}

Frame3D InterpolationLine3D::getEnd3D() {
    return values::copyAs<Frame3D>(end);
}

} // namespace animation
} // namespace zelk
