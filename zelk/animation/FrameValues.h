#ifndef ZELK_ANIMATION_FRAMEVALUES_H
#define ZELK_ANIMATION_FRAMEVALUES_H

#include "zelk/animation/Frame3D.h"

// Reading and writing the values of a frame of any kind: a line or path may
// hold a frame of a smaller kind than its own (a plain frame given to a 1D
// line), whose missing values read 0 and ignore writes. Internal to
// zelk/animation.
namespace zelk {
namespace animation {
namespace values {

inline float secondOf(Frame* frame) {
    return frame ? frame->second : 0;
}
inline float xOf(Frame* frame) {
    Frame1D* typed = dynamic_cast<Frame1D*>(frame);
    return typed ? typed->x : 0;
}
inline float yOf(Frame* frame) {
    Frame2D* typed = dynamic_cast<Frame2D*>(frame);
    return typed ? typed->y : 0;
}
inline float zOf(Frame* frame) {
    Frame3D* typed = dynamic_cast<Frame3D*>(frame);
    return typed ? typed->z : 0;
}
inline bool setX(Frame* frame, float x) {
    Frame1D* typed = dynamic_cast<Frame1D*>(frame);
    if (typed) {
        typed->x = x;
    }
    return typed != nullptr;
}
inline bool setY(Frame* frame, float y) {
    Frame2D* typed = dynamic_cast<Frame2D*>(frame);
    if (typed) {
        typed->y = y;
    }
    return typed != nullptr;
}
inline bool setZ(Frame* frame, float z) {
    Frame3D* typed = dynamic_cast<Frame3D*>(frame);
    if (typed) {
        typed->z = z;
    }
    return typed != nullptr;
}

// The value a part of the way from one value to another (not clamped).
inline float between(float from, float to, float part) {
    return from + (to - from) * part;
}

// A by-value copy of the held frame as kind F that leaves the held frame's
// holders alone when destroyed; a frame of a smaller kind gives its second
// with zero values, a missing one an all-zero frame.
template <typename F> F copyAs(Frame* frame) {
    if (F* typed = dynamic_cast<F*>(frame)) {
        F copy(*typed);
        copy.cantDestruct();
        return copy;
    }
    F fresh;
    fresh.second = secondOf(frame);
    return fresh;
}

} // namespace values
} // namespace animation
} // namespace zelk

#endif
