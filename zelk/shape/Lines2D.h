#ifndef ZELK_SHAPE_LINES2D_H
#define ZELK_SHAPE_LINES2D_H

#include "zelk/shape/Polygon2D.h"

namespace zelk {
namespace shape {

// An open strip of lines (GL_LINE_STRIP) with the line marker set; the
// physics world makes an edge or a chain of it, numbered by its collision ID.
// It has no vertices until createPolygon makes them.
class Lines2D : public Polygon2D {
public:
    Lines2D();
    ~Lines2D() override;

    using Polygon2D::operator=;
    bool isLine() override;
    void print() override;
    void draw() override;
    void setCollisionID(uint8 id) { collisionID = id; }
};

} // namespace shape
} // namespace zelk

#endif
