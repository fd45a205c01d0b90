#ifndef ZELK_SHAPE_FIXEDPOLYGON2D_H
#define ZELK_SHAPE_FIXEDPOLYGON2D_H

#include "zelk/shape/Polygon2D.h"

namespace zelk {
namespace shape {

// What Quadrangle2D and Triangle2D share: `count` plain vertices made once and
// kept (the virtual createPolygon(n) changes nothing and deletePolygon()
// keeps them, which the destructor frees), drawn with the OpenGL primitive
// code `primitive`.
template <unsigned int count, unsigned int primitive> class FixedPolygon2D : public Polygon2D {
public:
    using Polygon2D::operator=;
    using Polygon2D::createPolygon;
    // True when n is not 0; changes nothing.
    bool createPolygon(unsigned int n) override { return n != 0; }
    bool createPolygon() { return true; }
    void deletePolygon() override {}
    void draw() override { drawPrimitive(primitive); }

protected:
    FixedPolygon2D() : Polygon2D() { Polygon2D::createPolygon(count); }
};

} // namespace shape
} // namespace zelk

#endif
