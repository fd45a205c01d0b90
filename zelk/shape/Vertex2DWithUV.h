#ifndef ZELK_SHAPE_VERTEX2DWITHUV_H
#define ZELK_SHAPE_VERTEX2DWITHUV_H

#include "zelk/shape/Vertex2D.h"

namespace zelk {
namespace shape {

// A vertex with a texture coordinate, sent before the point (kind 2). The
// setters are not virtual: on an animated vertex they change only the shown
// coordinate `uv`, never the saved one.
class Vertex2DWithUV : public Vertex2D {
public:
    Vertex2DWithUV();
    ~Vertex2DWithUV() override;

    void draw() override;
    uint8 getType() override;

    vec2f32 getUV() const { return uv; }
    float32 getUVX() const { return uv.x; }
    float32 getUVY() const { return uv.y; }
    void setUV(vec2f32 coordinate) { uv = coordinate; }
    void setUV(float32 x, float32 y) { uv = vec2f32(x, y); }
    void setUVX(float32 x) { uv.x = x; }
    void setUVY(float32 y) { uv.y = y; }

protected:
    // "UV(u v)", on a line of its own after print(i).
    void printKind(bool indexed) override;
    // "uvX" and "uvY": the coordinate as shown.
    void writeAttributes(XML* xml) override;
    void readAttributes(XML* xml) override;

    vec2f32 uv;
};

} // namespace shape
} // namespace zelk

#endif
