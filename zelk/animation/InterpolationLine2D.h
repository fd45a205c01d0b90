#ifndef ZELK_ANIMATION_INTERPOLATIONLINE2D_H
#define ZELK_ANIMATION_INTERPOLATIONLINE2D_H

#include "zelk/TypeVec2.h"
#include "zelk/animation/Frame2D.h"
#include "zelk/animation/InterpolationLine1D.h"

namespace zelk {
namespace animation {

// A line of two values, x and y, each straight or curved on its own.
class InterpolationLine2D : public InterpolationLine1D {
public:
    InterpolationLine2D();
    ~InterpolationLine2D() override;

    using InterpolationLine1D::setEnd;
    using InterpolationLine1D::setEndValue;
    using InterpolationLine1D::setStart;
    using InterpolationLine1D::setStartValue;

    Frame* useNewFrame(unsigned char count, float second, ...) override;
    bool writeCurveToXML(XML* xml, unsigned int id) override;
    bool readCurveFromXML(XML* xml, unsigned int id) override;

    virtual bool setStart(Frame2D* frame);
    virtual bool setStart(float second, vec2f32 values);
    virtual bool setStart(float second, float x, float y);
    virtual bool setStartValue(float x, float y);
    virtual bool setEnd(Frame2D* frame);
    virtual bool setEnd(float second, vec2f32 values);
    virtual bool setEnd(float second, float x, float y);
    virtual bool setEndValue(float x, float y);
    virtual float getPositionY(float second);

    bool setP1Y(float second, float y);
    bool setP2Y(float second, float y);
    bool setCurveY(bool curve);
    bool isCurveY();
    bool isNotCurveY();
    bool getCurveY();

    Frame2D getStart2D();
    Frame2D getEnd2D();

protected:
    size2f32 p1Y;
    size2f32 p2Y;
    bool curveY;
};

} // namespace animation
} // namespace zelk

#endif
