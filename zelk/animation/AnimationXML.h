#ifndef ZELK_ANIMATION_ANIMATIONXML_H
#define ZELK_ANIMATION_ANIMATIONXML_H

// Helpers the animation classes share for their XML elements: numbered
// element names, float attributes in the engine's text form, the "loop"
// attribute and element texts. Internal to zelk/animation.
namespace zelk {
class XML;
namespace vector {
class Name;
}
namespace animation {
class Frame;
namespace xml {

// "<prefix><number>" as a new text the caller deletes; null when it cannot be
// made.
char* numberedName(const char* prefix, unsigned int number);
// Appends the element "<prefix><number>" to the selected node (or as the root
// of an empty document) and selects the new element; false, with the cursor
// unchanged, when it cannot.
bool openNewElement(XML* xml, const char* prefix, unsigned int number);
// Selects again the element that openNewElement appended last to the
// selected node; false, cursor unchanged, when the last child has another
// name.
bool reopenNewElement(XML* xml, const char* prefix, unsigned int number);
// Selects the first child "<prefix><number>"; false, cursor unchanged, when
// there is none.
bool openElement(XML* xml, const char* prefix, unsigned int number);
// Back to the parent of the selected element; nothing is selected when that
// is the document itself.
void closeElement(XML* xml);

// The value as String::float32ToStr writes it.
bool addFloat(XML* xml, const char* name, float value);
// Stores the attribute's value when the selected element has it; false (and
// the value unchanged) when it does not. Text that is no finite number
// ("nan", "inf", "1e99") reads 0, so no document can put them into a time.
bool readFloat(XML* xml, const char* name, float* value);
// The attribute's value, 0 when it is missing.
float floatOf(XML* xml, const char* name);
// The attribute added to the element that openNewElement appended last, and
// read from the first element of that name (missing: the value unchanged);
// the cursor comes back. The derived frames add their values this way.
bool addFloatToNewElement(XML* xml, const char* prefix, unsigned int number, const char* name,
                          float value);
bool readFloatOfElement(XML* xml, const char* prefix, unsigned int number, const char* name,
                        float* value);
// "loop": "on" or "off"; reading leaves the flag alone for anything else.
bool addLoop(XML* xml, bool loop);
void readLoop(XML* xml, bool* loop);
// The selected element's text without tabs and newlines, as a new text the
// caller deletes; null when nothing remains.
char* filteredText(XML* xml);

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
