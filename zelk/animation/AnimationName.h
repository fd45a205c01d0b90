#ifndef ZELK_ANIMATION_ANIMATIONNAME_H
#define ZELK_ANIMATION_ANIMATIONNAME_H

#include "zelk/vector/Name.h"

namespace zelk {
class XML;
namespace animation {

// A named clip of a key-frame animation: the part of its time from start to
// end, in seconds.
class AnimationName : public vector::Name {
public:
    AnimationName();
    explicit AnimationName(char* name);
    explicit AnimationName(const char* name);
    ~AnimationName() override;

    // The element "animationName_" followed by the id, the name as its text,
    // "start" and "end" as attributes; false for a null cursor or a clip
    // without a name.
    bool writeToXML(XML* xml, unsigned int id);
    // Reads the element back: the text without tabs and newlines becomes the
    // name when it is not empty; missing seconds read 0. False for a null
    // cursor or a missing element.
    bool readFromXML(XML* xml, unsigned int id);

    float start;
    float end;
};

} // namespace animation
} // namespace zelk

#endif
