#ifndef ZELK_ANIMATION_INTERPOLATION2DGROUP_H
#define ZELK_ANIMATION_INTERPOLATION2DGROUP_H

#include "zelk/TypeVec2.h"
#include "zelk/animation/Frame2D.h"
#include "zelk/animation/Interpolation1DGroup.h"
#include "zelk/animation/InterpolationLine2D.h"

namespace zelk {
namespace animation {

// A key-frame animation of two values, x and y.
class Interpolation2DGroup : public Interpolation1DGroup {
public:
    Interpolation2DGroup();
    Interpolation2DGroup(const Interpolation2DGroup& other);
    ~Interpolation2DGroup() override;
    // As the 1D assignment, with both values.
    Interpolation2DGroup operator=(Interpolation2DGroup other);

    using Interpolation1DGroup::addFirstInterpolationLine;
    using Interpolation1DGroup::addNewInterpolationLine;

    bool readFromXML(XML* xml, unsigned int id) override;
    InterpolationLine* newLineInterpolation() override;
    Frame* newFrame() override;
    // "Start second %.2f X %.2f Y %.2f end second %.2f X %.2f Y %.2f".
    void printInterpolationLine(InterpolationLine* line) override;

    bool addNewInterpolationLine(float second, float x, float y);
    bool addNewInterpolationLine(float second, vec2f32 values);
    bool addNewInterpolationLine(Frame2D frame);
    bool addFirstInterpolationLine(float second1, float x1, float y1, float second2, float x2,
                                   float y2);
    bool addFirstInterpolationLine(float second1, vec2f32 values1, float second2, vec2f32 values2);
    bool addFirstInterpolationLine(Frame2D first, Frame2D second);

    // As setFrameX, for y.
    bool setFrameY(float second, float y);
    // Both values of the frame exactly at that second; a waiting first frame
    // is not touched.
    bool setFrame2D(float second, float x, float y);

    bool setInterpolationCurveY(unsigned int position);
    bool setInterpolationNotCurveY(unsigned int position);
    bool getInterpolationIsCurveY(unsigned int position);
    // The control point only: the axis is not switched to a curve.
    bool setInterpolationP1Y(unsigned int position, float second, float y);
    bool setInterpolationP2Y(unsigned int position, float second, float y);

    float getClockY(bool* success);
    float getInterpolationStartY(float index);
    float getInterpolationEndY(float index);

protected:
    InterpolationLine2D* line2DAt(unsigned int position);
    void fillInsertedLine(Frame2D* frame);
    // Adds a frame to the target, a group of this kind, in rebuildFrom.
    static bool addKeyFrame(InterpolationGroup* target, KeyFrameValues values);
    void fillFirstLine(Frame2D* first, Frame2D* second);

    float tempY;
};

} // namespace animation
} // namespace zelk

#endif
