#ifndef ZELK_ANIMATION_LINECALLS_H
#define ZELK_ANIMATION_LINECALLS_H

// Calls on one axis of a line that may be missing, shared by the 1D, 2D and
// 3D groups: false (or 0) without a line. Internal to zelk/animation.
namespace zelk {
namespace animation {
namespace lines {

// Runs the switch; true whenever there is a line.
template <typename Line> bool turn(Line* line, bool (Line::*operation)()) {
    if (!line) {
        return false;
    }
    (line->*operation)();
    return true;
}

template <typename Line> bool ask(Line* line, bool (Line::*operation)()) {
    return line && (line->*operation)();
}

template <typename Line>
bool setPoint(Line* line, bool (Line::*operation)(float, float), float second, float value) {
    return line && (line->*operation)(second, value);
}

template <typename Line> float valueAt(Line* line, float (Line::*position)(float), float second) {
    return line ? (line->*position)(second) : 0;
}

} // namespace lines
} // namespace animation
} // namespace zelk

#endif
