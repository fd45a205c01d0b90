#ifndef ZELK_SHAPE_VERTEX2DANIMATEDUV_H
#define ZELK_SHAPE_VERTEX2DANIMATEDUV_H

#include "zelk/shape/Vertex2DWithUV.h"

namespace zelk {
namespace shape {

// A vertex whose texture coordinate follows a grid of frames in the texture,
// a sprite sheet (kind 3). `uvSaved` is its coordinate within frame (0, 0)
// before scaling, `uvMultiply` the size of one frame in texture units; the
// shown coordinate is uvSaved * uvMultiply + uvMultiply * frame, with no
// bound on the frame.
class Vertex2DAnimatedUV : public Vertex2DWithUV {
public:
    Vertex2DAnimatedUV();
    ~Vertex2DAnimatedUV() override;

    uint8 getType() override;

    // Sets the shown and the saved coordinate. The other forms of the base
    // change only the shown one.
    using Vertex2DWithUV::setUV;
    void setUV(vec2f32 coordinate);
    vec2f32 getSaved() const { return uvSaved; }

    // frames.x columns and frames.y rows, then frame (0, 0) shown; false and
    // nothing changed when either is 0.
    bool setUVFrames(vec2ui32 frames);
    void useUVFrame(vec2ui32 frame);
    void useUVFrameX(unsigned int column);
    void useUVFrameY(unsigned int row);
    // Shows the saved coordinate itself, unscaled.
    void cleanUVAnimation();

    // The size of one frame in texture units: 1/columns, 1/rows.
    vec2f32 uvMultiply;

protected:
    // " multiply(x y)" after the base's text.
    void printKind(bool indexed) override;
    // "uvMX", "uvMY", "uvSX", "uvSY" after the base's attributes.
    void writeAttributes(XML* xml) override;
    void readAttributes(XML* xml) override;

    vec2f32 uvSaved;
};

} // namespace shape
} // namespace zelk

#endif
