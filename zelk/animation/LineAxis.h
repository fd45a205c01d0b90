#ifndef ZELK_ANIMATION_LINEAXIS_H
#define ZELK_ANIMATION_LINEAXIS_H

#include "zelk/TypeSize.h"

// One axis of an interpolation line: the segment from (startSecond,
// startValue) to (endSecond, endValue), straight or a Bezier curve through
// the control points p1 and p2 (second as width, value as height). The 1D, 2D
// and 3D lines keep one such axis per value. Internal to zelk/animation.
namespace zelk {
class XML;
namespace animation {

struct LineAxis {
    float startSecond;
    float startValue;
    float endSecond;
    float endValue;

    // The value at the second over the line's length (distance): the end
    // value for a length of 0, else straight or along the curve with the time
    // fraction as the curve parameter; nothing clamps the fraction.
    float valueAt(float second, float distance, bool curve, size2f32 p1, size2f32 p2) const;
    // Stores (second, value) with the second clamped into the line; false
    // when it had to be clamped.
    bool setControlPoint(size2f32* point, float second, float value) const;
    // Switches the axis; false when it already is so. On: the points at a
    // quarter and three quarters of the straight segment; off: on the frames.
    bool setCurve(bool* flag, bool curve, size2f32* p1, size2f32* p2) const;
    // "<prefix><id>" with "p1W", "p1H", "p2W", "p2H" while the axis is a curve.
    static bool writeCurve(XML* xml, const char* prefix, unsigned int id, bool curve, size2f32 p1,
                           size2f32 p2);
    // A present element makes the axis a curve through the points it holds
    // (missing numbers 0); false without the element.
    bool readCurve(XML* xml, const char* prefix, unsigned int id, bool* flag, size2f32* p1,
                   size2f32* p2) const;
};

} // namespace animation
} // namespace zelk

#endif
