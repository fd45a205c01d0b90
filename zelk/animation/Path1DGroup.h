#ifndef ZELK_ANIMATION_PATH1DGROUP_H
#define ZELK_ANIMATION_PATH1DGROUP_H

#include "zelk/animation/Frame1D.h"
#include "zelk/animation/PathGroup.h"

namespace zelk {
namespace animation {

// A path of one value, x. Each update moves x from the previous frame towards
// the target by the part of the target's travel time that has passed (not
// clamped: past its time the value runs on until the target counts as
// reached). A target counts as reached once its time has run out and x is
// within the closer distance of it, or has started to move away from it.
// When the path has no frame to move from or to, x stays as it is.
class Path1DGroup : public PathGroup {
public:
    Path1DGroup();
    Path1DGroup(const Path1DGroup& other);
    ~Path1DGroup() override;

    using PathGroup::addNewFrame;
    using PathGroup::addNewFrameToPosition;

    float updateClockAnimation() override;
    bool readFromXML(XML* xml, unsigned int id) override;
    Frame* newFrame() override;
    bool reachFrame(Frame* frame) override;

    bool addNewFrame(float second, float x);
    bool addNewFrameToPosition(unsigned int position, float second, float x);
    void setX(float x);
    float getX();

protected:
    float x;
};

} // namespace animation
} // namespace zelk

#endif
