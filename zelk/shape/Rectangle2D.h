#ifndef ZELK_SHAPE_RECTANGLE2D_H
#define ZELK_SHAPE_RECTANGLE2D_H

#include "zelk/shape/Polygon2D.h"

namespace zelk {
namespace shape {

// Two opposite textured corners, vertex 0 at (0, 0) with texture coordinate
// (0, 0) and vertex 1 at (1, 1) with (1, 1), drawn as a textured quad whose
// texture runs upright: the corner at the larger y gets the smaller t, so
// the first row of an image is drawn at the top. Its vertex count stays 2:
// the virtual createPolygon(n) changes nothing, and deletePolygon() only
// turns the corners plain.
class Rectangle2D : public Polygon2D {
public:
    Rectangle2D();
    ~Rectangle2D() override;

    using Polygon2D::operator=;
    using Polygon2D::createPolygon;
    // True when n is not 0; changes nothing.
    bool createPolygon(unsigned int n) override;
    // Rebuilds the two default corners.
    bool createPolygon();
    // The corners become plain vertices; they stay.
    void deletePolygon() override;
    void print() override;
    // A quad (GL_QUADS) with the corners' texture coordinates, or with the
    // whole texture when a corner is plain.
    void draw() override;
    void drawWire() override;

    // Centres the rectangle on its own origin, keeping its size.
    void setPivoToCenter();

private:
    // The four corners as one primitive, vertex 1's colour before the third;
    // textured sends each corner's texture coordinate. Nothing without both
    // corners.
    void drawCorners(unsigned int mode, bool textured);
};

} // namespace shape
} // namespace zelk

#endif
