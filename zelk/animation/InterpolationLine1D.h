#ifndef ZELK_ANIMATION_INTERPOLATIONLINE1D_H
#define ZELK_ANIMATION_INTERPOLATIONLINE1D_H

#include "zelk/TypeSize.h"
#include "zelk/animation/Frame1D.h"
#include "zelk/animation/InterpolationLine.h"

namespace zelk {
namespace animation {

// A line that interpolates one value, x, between its frames: straight, or
// along a cubic Bezier curve in the plane of (second, x) whose two inner
// control points p1X and p2X are (second, x) pairs kept as width and height.
// The curve parameter is the time fraction itself. Nothing clamps the
// fraction: seconds outside the line extrapolate.
//
// A value set together with a second goes to the frame that carries that
// second, also when the second puts the frames in the other order.
class InterpolationLine1D : public InterpolationLine {
public:
    InterpolationLine1D();
    ~InterpolationLine1D() override;

    using InterpolationLine::setEnd;
    using InterpolationLine::setStart;

    Frame* useNewFrame(unsigned char count, float second, ...) override;

    // Holds the frame itself (with its second and value) as the start.
    virtual bool setStart(Frame1D* frame);
    virtual bool setStart(float second, float x);
    virtual bool setStartValue(float x);
    virtual bool setEnd(Frame1D* frame);
    virtual bool setEnd(float second, float x);
    virtual bool setEndValue(float x);
    // The x value at that second. A line whose two frames share a second
    // answers its end value.
    virtual float getPositionX(float second);
    // start.x <= x <= end.x, so a falling line has no x.
    virtual bool haveX(float x);
    // start.second <= second <= end.second.
    virtual bool haveSecond(float second);
    // The second at which the straight line reaches x (curves are not taken
    // into account); 0 when haveX(x) is false.
    virtual float getSecond(float x);
    // "curveX_" followed by the id with the control points ("p1W", "p1H",
    // "p2W", "p2H"), written only while the axis is a curve; the 2D and 3D
    // lines add their own axes.
    virtual bool writeCurveToXML(XML* xml, unsigned int id);
    // Reads the elements back: a present element turns its axis into a
    // curve with those control points.
    virtual bool readCurveFromXML(XML* xml, unsigned int id);

    // Stores the control point with its second clamped into the line's
    // seconds; false when the second had to be clamped (the point is stored
    // anyway).
    bool setP1X(float second, float x);
    bool setP2X(float second, float x);
    // False and no change when the axis already is (or is not) a curve.
    // Turning it on puts the control points at a quarter and three quarters
    // of the straight segment; turning it off puts them on the frames.
    bool setCurveX(bool curve);
    bool isCurveX();
    bool isNotCurveX();
    bool getCurveX();

    Frame1D getStart1D();
    Frame1D getEnd1D();

protected:
    size2f32 p1X;
    size2f32 p2X;
    bool curveX;
};

} // namespace animation
} // namespace zelk

#endif
