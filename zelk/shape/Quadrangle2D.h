#ifndef ZELK_SHAPE_QUADRANGLE2D_H
#define ZELK_SHAPE_QUADRANGLE2D_H

#include "zelk/shape/Polygon2D.h"

namespace zelk {
namespace shape {

// A polygon of 4 plain vertices drawn as GL_QUADS. Its vertex count stays 4:
// the virtual createPolygon(n) changes nothing and deletePolygon() keeps the
// vertices, which the destructor frees.
class Quadrangle2D : public Polygon2D {
public:
    Quadrangle2D();
    ~Quadrangle2D() override;

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
