#ifndef ZELK_ANIMATION_INTERPOLATION1DGROUP_H
#define ZELK_ANIMATION_INTERPOLATION1DGROUP_H

#include "zelk/animation/Frame1D.h"
#include "zelk/animation/InterpolationGroup.h"
#include "zelk/animation/InterpolationLine1D.h"

namespace zelk {
namespace animation {

// A key-frame animation of one value, x. After updateClockAnimation() the
// owner reads getClockX, applying the value only when the success flag is
// true (the group plays).
class Interpolation1DGroup : public InterpolationGroup {
public:
    Interpolation1DGroup();
    // Shallow, as the base's.
    Interpolation1DGroup(const Interpolation1DGroup& other);
    ~Interpolation1DGroup() override;
    // Rebuilds this group from the other's frames and clips (not its loop,
    // speed, listener, range or curves); marks the by-value argument and
    // answers a shallow copy of it that owns nothing.
    Interpolation1DGroup operator=(Interpolation1DGroup other);

    using InterpolationGroup::addFirstInterpolationLine;
    using InterpolationGroup::addNewInterpolationLine;

    bool readFromXML(XML* xml, unsigned int id) override;
    InterpolationLine* newLineInterpolation() override;
    Frame* newFrame() override;
    // "Start second %.2f X %.2f end second %.2f X %.2f".
    void printInterpolationLine(InterpolationLine* line) override;

    // Inserts a key frame with its value (see the base's insertion).
    bool addNewInterpolationLine(float second, float x);
    bool addNewInterpolationLine(Frame1D frame);
    // Cleans the group and makes one line between the two key frames.
    bool addFirstInterpolationLine(float second1, float x1, float second2, float x2);
    bool addFirstInterpolationLine(Frame1D first, Frame1D second);

    // Sets the value of the frame exactly at that second (shared frames
    // change for both lines); true when found. A waiting first frame at that
    // second takes the value too, but the answer is then false.
    bool setFrameX(float second, float x);
    // Moves the current second to a moment near the given second at which the
    // straight value is x; the group must be playing, the second inside the
    // range and a line selected.
    bool setSecondByX(float second, float x);

    // The axis of the line at the position: curve, straight, or asked; false
    // when no line is there.
    bool setInterpolationCurveX(unsigned int position);
    bool setInterpolationNotCurveX(unsigned int position);
    bool getInterpolationIsCurveX(unsigned int position);
    // Makes the axis a curve when it is not one, then sets the control point
    // (false also when its second had to be clamped into the line).
    bool setInterpolationP1X(unsigned int position, float second, float x);
    bool setInterpolationP2X(unsigned int position, float second, float x);

    // The value at the current second while playing (success true), else 0
    // with success false. success may be null.
    float getClockX(bool* success);
    // The value of the start (end) frame of the line at the index truncated
    // toward zero; 0 out of range.
    float getInterpolationStartX(float index);
    float getInterpolationEndX(float index);

protected:
    InterpolationLine1D* line1DAt(unsigned int position);
    // Applies the key frame's values to the line the last insertion made.
    void fillInsertedLine(Frame1D* frame);
    // Adds a frame to the target, a group of this kind, in rebuildFrom.
    static bool addKeyFrame(InterpolationGroup* target, KeyFrameValues values);
    void fillFirstLine(Frame1D* first, Frame1D* second);

    float tempX;
};

} // namespace animation
} // namespace zelk

#endif
