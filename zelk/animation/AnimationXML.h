#ifndef ZELK_ANIMATION_ANIMATIONXML_H
#define ZELK_ANIMATION_ANIMATIONXML_H

// What only the animation classes write in their XML elements, over
// ElementXML: values the derived frames add to their frame's element, the
// "loop" attribute, named ranges and frames of every kind. Values read here
// are finite: text that is no finite number reads 0, so no document can put
// one into a time. Internal to zelk/animation.
namespace zelk {
class XML;
namespace vector {
class Name;
}
namespace animation {
class Frame;
namespace xml {

// The attribute added to the element "<prefix><number>" that
// ElementXML::open appended last, and read from the first element of that
// name (missing: the value unchanged); the cursor comes back. The derived
// frames add their values this way.
bool addFloatToNewElement(XML* xml, const char* prefix, unsigned int number, const char* name,
                          float value);
bool readFloatOfElement(XML* xml, const char* prefix, unsigned int number, const char* name,
                        float* value);
// "loop": "on" or "off"; reading leaves the flag alone for anything else.
bool addLoop(XML* xml, bool loop);
void readLoop(XML* xml, bool* loop);

// A clip's element "<prefix><id>": the name as its text, "start" and "end"
// as attributes; false for a null cursor or name. Reading sets the name from
// the text without tabs and newlines when that is not empty and reads the
// two numbers (missing: 0); false for a null cursor or a missing element.
bool writeNamedRange(XML* xml, const char* prefix, unsigned int id, const char* name, float start,
                     float end);
bool readNamedRange(XML* xml, const char* prefix, unsigned int id, vector::Name* name, float* start,
                    float* end);

// Writes the frame as "frame_<id>" with the writer of its own kind.
bool writeFrame(Frame* frame, XML* xml, unsigned int id);

} // namespace xml
} // namespace animation
} // namespace zelk

#endif
