#include "zelk/animation/AnimationName.h"

#include "zelk/XML.h"
#include "zelk/animation/AnimationXML.h"

namespace zelk {
namespace animation {

AnimationName::AnimationName() : start(0), end(0) {}

AnimationName::AnimationName(char* name) : Name(name), start(0), end(0) {}

AnimationName::AnimationName(const char* name) : Name(name), start(0), end(0) {}

AnimationName::~AnimationName() {}

bool AnimationName::writeToXML(XML* xml, unsigned int id) {
    return xml::writeNamedRange(xml, "animationName_", id, getName(), start, end);
}

bool AnimationName::readFromXML(XML* xml, unsigned int id) {
    return xml::readNamedRange(xml, "animationName_", id, this, &start, &end);
}

} // namespace animation
} // namespace zelk
