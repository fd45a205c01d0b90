#ifndef ZELK_SHAPE_TRIANGLE2D_H
#define ZELK_SHAPE_TRIANGLE2D_H

#include "zelk/shape/FixedPolygon2D.h"

namespace zelk {
namespace shape {

// A polygon of 3 plain vertices drawn as GL_TRIANGLES (4); its vertex count stays 3.
class Triangle2D : public FixedPolygon2D<3, 4> {
public:
    Triangle2D();
    ~Triangle2D() override;

    using FixedPolygon2D<3, 4>::operator=;
    void print() override;
};

} // namespace shape
} // namespace zelk

#endif
