#ifndef ZELK_ANIMATION_PATH2DGROUP_H
#define ZELK_ANIMATION_PATH2DGROUP_H

#include "zelk/animation/Frame2D.h"
#include "zelk/animation/Path1DGroup.h"

namespace zelk {
namespace animation {

// A path of two values, x and y; the reach test measures the Euclidean
// distance to the target.
class Path2DGroup : public Path1DGroup {
public:
    Path2DGroup();
    Path2DGroup(const Path2DGroup& other);
    ~Path2DGroup() override;

    using Path1DGroup::addNewFrame;
    using Path1DGroup::addNewFrameToPosition;

    float updateClockAnimation() override;
    bool readFromXML(XML* xml, unsigned int id) override;
    Frame* newFrame() override;
    bool reachFrame(Frame* frame) override;

    bool addNewFrame(float second, float x, float y);
    bool addNewFrameToPosition(unsigned int position, float second, float x, float y);
    void setY(float y);
    float getY();

protected:
    float y;
};

} // namespace animation
} // namespace zelk

#endif
