#include "JorvellKeys.h"

namespace jorvell {

bool haveCode(zelk::vector::Stack<unsigned int>& codes, unsigned int code) {
    for (unsigned int i = 0; i < codes.size(); i++) {
        if (codes.get(i) == code) {
            return true;
        }
    }
    return false;
}

bool skipRequested(zelk::WindowEvents* events) {
    return events &&
           (haveCode(events->keyPressed, keyEscape) || haveCode(events->keyPressed, keyReturn) ||
            haveCode(events->mouseRelease, mouseLeft));
}

} // namespace jorvell
