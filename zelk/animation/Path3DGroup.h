#ifndef ZELK_ANIMATION_PATH3DGROUP_H
#define ZELK_ANIMATION_PATH3DGROUP_H

#include "zelk/animation/Frame3D.h"
#include "zelk/animation/Path2DGroup.h"

namespace zelk {
namespace animation {

// A path of three values, x, y and z.
class Path3DGroup : public Path2DGroup {
public:
    Path3DGroup();
    Path3DGroup(const Path3DGroup& other);
    ~Path3DGroup() override;

    using Path2DGroup::addNewFrame;
    using Path2DGroup::addNewFrameToPosition;

    float updateClockAnimation() override;
    bool readFromXML(XML* xml, unsigned int id) override;
    Frame* newFrame() override;
    bool reachFrame(Frame* frame) override;

    bool addNewFrame(float second, float x, float y, float z);
    bool addNewFrameToPosition(unsigned int position, float second, float x, float y, float z);
    void setZ(float z);
    float getZ();

protected:
    float z;
};

} // namespace animation
} // namespace zelk

#endif
