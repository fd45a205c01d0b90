#ifndef ZELK_SHAPE_QUADRANGLE2D_H
#define ZELK_SHAPE_QUADRANGLE2D_H

#include "zelk/shape/FixedPolygon2D.h"

namespace zelk {
namespace shape {

// A polygon of 4 plain vertices drawn as GL_QUADS (7); its vertex count stays 4.
class Quadrangle2D : public FixedPolygon2D<4, 7> {
public:
    Quadrangle2D();
    ~Quadrangle2D() override;

    using FixedPolygon2D<4, 7>::operator=;
    void print() override;
};

} // namespace shape
} // namespace zelk

#endif
