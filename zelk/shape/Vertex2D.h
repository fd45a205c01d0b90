#ifndef ZELK_SHAPE_VERTEX2D_H
#define ZELK_SHAPE_VERTEX2D_H

#include "zelk/TypeColor.h"
#include "zelk/TypeVars.h"
#include "zelk/TypeVec2.h"

namespace zelk {

class XML;

namespace shape {

// A coloured point of a polygon, the first of three vertex kinds; the kind is
// the number getType() answers (1 here, 2 with a texture coordinate, 3 with
// an animated one) and the one the XML form stores, so that a polygon can
// rebuild the right kind. A vertex owns nothing: the polygon that holds it
// creates and deletes it.
//
// The XML form is one element "Vertex_<id>" under the selected node. Unlike
// every other class the identifier comes first and the cursor second.
class Vertex2D {
public:
    Vertex2D();
    virtual ~Vertex2D();

    // Colour, normal (0, 0, 1) and the point, inside a primitive the caller
    // has begun.
    virtual void draw();
    virtual void print();
    virtual void print(unsigned int i);
    // Appends the element with "type", "x", "y", "r", "g", "b", "a" (and what
    // the kinds add); false, writing nothing, when it cannot be added.
    virtual bool writeToXML(unsigned int id, XML* xml);
    // Reads the attributes present into the fields, but only from an element
    // that has a "type"; its value is not compared with this kind. The
    // cursor ends on the parent.
    virtual bool readFromXML(unsigned int id, XML* xml);
    virtual uint8 getType();

    // The "type" of the element cut to 8 bits; 0 when there is no element or
    // no "type".
    static uint8 readTypeFromXML(unsigned int id, XML* xml);

    vec2f32 position;
    color4f32 color;

protected:
    // A polygon reads the vertex elements in place while it walks them.
    friend class Polygon2D;

    // What a kind prints after the position and colour; indexed for print(i).
    virtual void printKind(bool indexed);
    // The kind's attributes on the selected element, base class first.
    virtual void writeAttributes(XML* xml);
    virtual void readAttributes(XML* xml);
};

} // namespace shape
} // namespace zelk

#endif
