#include "zelk/animation/LineAxis.h"

#include "zelk/ElementXML.h"
#include "zelk/TypeVec2.h"
#include "zelk/shape/Bezier2D.h"

namespace zelk {
namespace animation {

float LineAxis::valueAt(float second, float distance, bool curve, size2f32 p1, size2f32 p2) const {
    if (distance == 0) {
        return endValue;
    }
    float fraction = (second - startSecond) / distance;
    if (!curve) {
        return startValue + (endValue - startValue) * fraction;
    }
    return shape::Bezier2D::getPoint(vec2f32(startSecond, startValue), vec2f32(p1.width, p1.height),
                                     vec2f32(p2.width, p2.height), vec2f32(endSecond, endValue),
                                     fraction)
        .y;
}

bool LineAxis::setControlPoint(size2f32* point, float second, float value) const {
    bool inside = true;
    if (second < startSecond) {
        second = startSecond;
        inside = false;
    } else if (second > endSecond) {
        second = endSecond;
        inside = false;
    }
    point->width = second;
    point->height = value;
    return inside;
}

bool LineAxis::setCurve(bool* flag, bool curve, size2f32* p1, size2f32* p2) const {
    if (*flag == curve) {
        return false;
    }
    *flag = curve;
    vec2f32 start(startSecond, startValue);
    vec2f32 end(endSecond, endValue);
    vec2f32 first = curve ? start + (end - start) * 0.25f : start;
    vec2f32 second = curve ? start + (end - start) * 0.75f : end;
    *p1 = size2f32(first.x, first.y);
    *p2 = size2f32(second.x, second.y);
    return true;
}

bool LineAxis::writeCurve(XML* xml, const char* prefix, unsigned int id, bool curve, size2f32 p1,
                          size2f32 p2) {
    if (!curve || !ElementXML::open(xml, prefix, id)) {
        return false;
    }
    ElementXML::writeFloat(xml, "p1W", p1.width);
    ElementXML::writeFloat(xml, "p1H", p1.height);
    ElementXML::writeFloat(xml, "p2W", p2.width);
    ElementXML::writeFloat(xml, "p2H", p2.height);
    ElementXML::close(xml);
    return true;
}

bool LineAxis::readCurve(XML* xml, const char* prefix, unsigned int id, bool* flag, size2f32* p1,
                         size2f32* p2) const {
    if (!ElementXML::select(xml, prefix, id)) {
        return false;
    }
    setCurve(flag, true, p1, p2);
    setControlPoint(p1, ElementXML::readFiniteFloat(xml, "p1W"),
                    ElementXML::readFiniteFloat(xml, "p1H"));
    setControlPoint(p2, ElementXML::readFiniteFloat(xml, "p2W"),
                    ElementXML::readFiniteFloat(xml, "p2H"));
    ElementXML::close(xml);
    return true;
}

} // namespace animation
} // namespace zelk
