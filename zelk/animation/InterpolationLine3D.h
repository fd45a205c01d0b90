#ifndef ZELK_ANIMATION_INTERPOLATIONLINE3D_H
#define ZELK_ANIMATION_INTERPOLATIONLINE3D_H

#include "zelk/TypeVec3.h"
#include "zelk/animation/Frame3D.h"
#include "zelk/animation/InterpolationLine2D.h"

namespace zelk {
namespace animation {

// A line of three values, x, y and z, each straight or curved on its own.
class InterpolationLine3D : public InterpolationLine2D {
public:
    InterpolationLine3D();
    ~InterpolationLine3D() override;

    using InterpolationLine2D::setEnd;
    using InterpolationLine2D::setEndValue;
    using InterpolationLine2D::setStart;
    using InterpolationLine2D::setStartValue;

    Frame* useNewFrame(unsigned char count, float second, ...) override;
    bool writeCurveToXML(XML* xml, unsigned int id) override;
    bool readCurveFromXML(XML* xml, unsigned int id) override;

    virtual bool setStart(Frame3D* frame);
    virtual bool setStart(float second, vec3f32 values);
    virtual bool setStart(float second, float x, float y, float z);
    virtual bool setStartValue(float x, float y, float z);
    virtual bool setEnd(Frame3D* frame);
    virtual bool setEnd(float second, vec3f32 values);
    virtual bool setEnd(float second, float x, float y, float z);
    virtual bool setEndValue(float x, float y, float z);
    virtual float getPositionZ(float second);

    bool setP1Z(float second, float z);
    bool setP2Z(float second, float z);
    bool setCurveZ(bool curve);
    bool isCurveZ();
    bool isNotCurveZ();
    bool getCurveZ();

    Frame3D getStart3D();
    Frame3D getEnd3D();

protected:
    size2f32 p1Z;
    size2f32 p2Z;
    bool curveZ;
};

} // namespace animation
} // namespace zelk

#endif
