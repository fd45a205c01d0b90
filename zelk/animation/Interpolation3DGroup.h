#ifndef ZELK_ANIMATION_INTERPOLATION3DGROUP_H
#define ZELK_ANIMATION_INTERPOLATION3DGROUP_H

#include "zelk/TypeVec3.h"
#include "zelk/animation/Frame3D.h"
#include "zelk/animation/Interpolation2DGroup.h"
#include "zelk/animation/InterpolationLine3D.h"

namespace zelk {
namespace animation {

// A key-frame animation of three values, x, y and z. It has no assignment.
class Interpolation3DGroup : public Interpolation2DGroup {
public:
    Interpolation3DGroup();
    Interpolation3DGroup(const Interpolation3DGroup& other);
    ~Interpolation3DGroup() override;
    Interpolation3DGroup& operator=(const Interpolation3DGroup&) = delete;

    using Interpolation2DGroup::addFirstInterpolationLine;
    using Interpolation2DGroup::addNewInterpolationLine;

    bool readFromXML(XML* xml, unsigned int id) override;
    InterpolationLine* newLineInterpolation() override;
    Frame* newFrame() override;
    // "Start second %.2f X %.2f Y %.2f Z %.2f end second %.2f X %.2f Y %.2f
    // Z %.2f".
    void printInterpolationLine(InterpolationLine* line) override;

    bool addNewInterpolationLine(float second, float x, float y, float z);
    bool addNewInterpolationLine(float second, vec3f32 values);
    bool addNewInterpolationLine(Frame3D frame);
    bool addFirstInterpolationLine(float second1, float x1, float y1, float z1, float second2,
                                   float x2, float y2, float z2);
    bool addFirstInterpolationLine(float second1, vec3f32 values1, float second2, vec3f32 values2);
    bool addFirstInterpolationLine(Frame3D first, Frame3D second);

    bool setFrameZ(float second, float z);
    bool setFrame3D(float second, float x, float y, float z);

    bool setInterpolationCurveZ(unsigned int position);
    bool setInterpolationNotCurveZ(unsigned int position);
    bool getInterpolationIsCurveZ(unsigned int position);
    bool setInterpolationP1Z(unsigned int position, float second, float z);
    bool setInterpolationP2Z(unsigned int position, float second, float z);

    float getClockZ(bool* success);
    float getInterpolationStartZ(float index);
    float getInterpolationEndZ(float index);

protected:
    InterpolationLine3D* line3DAt(unsigned int position);
    void fillInsertedLine(Frame3D* frame);
    void fillFirstLine(Frame3D* first, Frame3D* second);

    float tempZ;
};

} // namespace animation
} // namespace zelk

#endif
