#ifndef ZELK_SHAPE_LINE2D_H
#define ZELK_SHAPE_LINE2D_H

#include "zelk/shape/Vertex2D.h"

namespace zelk {
namespace shape {

// A segment between two vertices, for the line contact tests; not a polygon.
class Line2D {
public:
    Line2D();
    Line2D(vec2f32 start, vec2f32 end);
    virtual ~Line2D();

    // Both vertices, inside a primitive the caller begins and ends.
    void draw();
    void print();

    Vertex2D lineStart;
    Vertex2D lineEnd;
};

} // namespace shape
} // namespace zelk

#endif
