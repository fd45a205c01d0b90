#ifndef ZELK_SHAPE_TRIANGLE2D_H
#define ZELK_SHAPE_TRIANGLE2D_H

#include "zelk/shape/Polygon2D.h"

namespace zelk {
namespace shape {

// A polygon of 3 plain vertices drawn as GL_TRIANGLES. Its vertex count stays 3:
// the virtual createPolygon(n) changes nothing and deletePolygon() keeps the
// vertices, which the destructor frees.
class Triangle2D : public Polygon2D {
public:
    Triangle2D();
    ~Triangle2D() override;

    using Polygon2D::operator=;
    using Polygon2D::createPolygon;
    // True when n is not 0; changes nothing.
    bool createPolygon(unsigned int n) override;
    bool createPolygon() { return true; }
    void deletePolygon() override;
    void print() override;
    void draw() override;
};

} // namespace shape
} // namespace zelk

#endif
