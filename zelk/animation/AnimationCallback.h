#ifndef ZELK_ANIMATION_ANIMATIONCALLBACK_H
#define ZELK_ANIMATION_ANIMATIONCALLBACK_H

namespace zelk {
namespace animation {

class InterpolationGroup;

// The listener told when a key-frame animation reaches the end of its range:
// at every wrap of a looping animation, and once when one that does not loop
// stops. The group passes itself, so one listener can serve several groups.
// The listener must neither delete nor clean the group inside the call.
// Listeners are registered by pointer and never deleted through this class.
class AnimationCallback {
public:
    virtual void animationEnd(InterpolationGroup* group) = 0;

protected:
    ~AnimationCallback() = default;
};

} // namespace animation
} // namespace zelk

#endif
