#ifndef ZELK_ELEMENTXML_H
#define ZELK_ELEMENTXML_H

#include "zelk/TypeVars.h"

#include <functional>

namespace zelk {

class XML;

// What the XML forms of the engine's saveable objects share: elements named
// by a prefix and a number in decimal ("polygon_3"), attributes written as
// numbers, and the walk that finds which numbered elements a document really
// holds.
//
// Every operation takes a non-null cursor; the callers test it first.
class ElementXML {
public:
    // "<prefix><number>" as a new text the caller deletes; null when it
    // cannot be made.
    static char* numberedName(const char* prefix, int64 number);

    // Appends the element "<prefix><number>" to the selected node and selects
    // it, the new one even when an older element has the same name. False,
    // with the cursor where it was, when it cannot be added.
    static bool open(XML* xml, const char* prefix, int64 number);
    // Appends the element without selecting it.
    static bool add(XML* xml, const char* prefix, int64 number);
    // Selects again the element that open appended last to the selected
    // node; false, with the cursor where it was, when the last child has
    // another name.
    static bool reopen(XML* xml, const char* prefix, int64 number);
    // Selects the first child "<prefix><number>"; false when there is none.
    static bool select(XML* xml, const char* prefix, int64 number);
    // Appends the child of that name to the selected element and selects it.
    static bool openChild(XML* xml, const char* name);
    // Back to the parent of the selected element; a top-level element leaves
    // nothing selected, as before it was opened in an empty document.
    static void close(XML* xml);

    // Attributes of the selected element: floats as String::float32ToStr
    // writes them (1 is "1.0"), integers in decimal.
    static void writeFloat(XML* xml, const char* name, float32 value);
    static void writeInteger(XML* xml, const char* name, int64 value);
    // A missing attribute reads as 0.
    static float32 readFloat(XML* xml, const char* name);
    static int64 readInteger(XML* xml, const char* name);
    // Replaces the value only when the attribute is present.
    static void readFloatIfPresent(XML* xml, const char* name, float32* value);
    // The same, with text that is no finite number ("nan", "inf", "1e99")
    // read as 0, for values that must stay finite.
    static float32 readFiniteFloat(XML* xml, const char* name);
    static void readFiniteFloatIfPresent(XML* xml, const char* name, float32* value);

    // The selected element's text without tabs and line feeds; a new text
    // the caller deletes, null when nothing remains.
    static char* filteredText(XML* xml);

    // Visits the selected element's children in document order, one step
    // each, so that reading a list costs what the document holds and never
    // what a count says. visit runs with the cursor on the child and its name,
    // and must leave the cursor there; the cursor ends on the element. The
    // walk covers the children after the last text inside the element (the
    // kind keyword of a polygon comes before its children); children with
    // text on both sides are not seen.
    static void forEachChild(XML* xml, const std::function<void(char* name)>& visit);
    // The n of a name "<prefix><n>" written as int64ToStr writes it (no sign,
    // no leading zero), when n is below limit.
    static bool numberOf(const char* name, const char* prefix, uint32 limit, uint32* number);
};

} // namespace zelk

#endif
