#ifndef ZELK_ANIMATION_FRAME_H
#define ZELK_ANIMATION_FRAME_H

#include "zelk/Object.h"

namespace zelk {
class XML;
namespace animation {

// A key frame: a moment in seconds (in a path, the travel time of the segment
// that ends at it). Frame1D, Frame2D and Frame3D add one, two and three
// values. Frames are shared counted objects: neighbouring interpolation lines
// hold the same frame, and the release of its last holder deletes it.
//
// A copy shares its source's holder set; whoever makes a copy by value (the
// frame accessors of the lines, the by-value parameters) marks it with
// cantDestruct() so that its destruction leaves the source's holders alone.
class Frame : public Object<Frame> {
public:
    Frame();
    explicit Frame(float second);
    Frame(const Frame& other);
    ~Frame() override;

    // Orders by second; the by-value argument is marked before use.
    bool operator<(Frame other);

    // The element "frame_" followed by the id, with the attribute "second",
    // appended to the selected node; the cursor stays on that node. False for
    // a null cursor or when the element cannot be added.
    bool writeToXML(XML* xml, unsigned int id);
    // Reads "second" from the element "frame_" followed by the id; a missing
    // attribute leaves the field as it was. False for a null cursor or a
    // missing element.
    bool readFromXML(XML* xml, unsigned int id);

    float second;
};

} // namespace animation
} // namespace zelk

#endif
