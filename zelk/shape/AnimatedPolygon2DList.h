#ifndef ZELK_SHAPE_ANIMATEDPOLYGON2DLIST_H
#define ZELK_SHAPE_ANIMATEDPOLYGON2DLIST_H

#include "zelk/shape/Polygon2DList.h"

namespace zelk {
namespace animation {
class AnimationCallback;
} // namespace animation

namespace shape {

// A polygon list that runs the frame animations of its polygons: each
// update advances every animation once (through the polygon that created
// it) and shows on each polygon the frame whose number its animation gives.
// One animation can be selected for the operations whose names begin with
// "selectedAnimation"; without one they answer false or 0. When the list
// lets go of the selected animation (removing it from a polygon, replacing
// it, removing or cleaning polygons) the selection is cleared.
class AnimatedPolygon2DList : public Polygon2DList {
public:
    AnimatedPolygon2DList();
    AnimatedPolygon2DList(const AnimatedPolygon2DList& other);
    ~AnimatedPolygon2DList() override;

    using Polygon2DList::operator=;

    // A new animation for the polygon at a live position.
    bool newAnimationFramesToPolygon(unsigned int position);
    // Polygon `to` shares polygon `from`'s animation; false when either is
    // not live or `from` has none.
    bool copyAnimationFramesToPolygon(unsigned int from, unsigned int to);
    bool removeAnimationFramesFromPolygon(unsigned int position);
    bool selectAnimationFramesFromPolygon(unsigned int position);
    void freeSelectedAnimation() { selectedAnimation = nullptr; }
    // Once a frame.
    void updateFramesAnimations();

    bool selectedAnimationSetAnimationCallback(animation::AnimationCallback* callback);
    bool selectedAnimationAddInterpolationLine(float32 second, float32 frame);
    unsigned int selectedAnimationGetInterpolationSize();
    bool selectedAnimationCleanFrames();
    bool selectedAnimationPlayForward();
    bool selectedAnimationPlayForwardIn(float32 second);
    bool selectedAnimationPlayRewind();
    bool selectedAnimationPlayRewindIn(float32 second);
    bool selectedAnimationPause();
    bool selectedAnimationStop();
    bool selectedAnimationSetLoop(bool loop);
    bool selectedAnimationLoopOn();
    bool selectedAnimationLoopOff();
    float32 selectedAnimationGetSecond();
    bool selectedAnimationIsPlaying();
    bool selectedAnimationAddAnimationName(char* name, float32 start, float32 end);
    bool selectedAnimationAddAnimationName(const char* name, float32 start, float32 end);
    bool selectedAnimationHaveAnimationName(char* name);
    bool selectedAnimationHaveAnimationName(const char* name);
    // These answer true whether or not the name exists.
    bool selectedAnimationPlayNameForward(char* name);
    bool selectedAnimationPlayNameForward(const char* name);
    bool selectedAnimationPlayNameRewind(char* name);
    bool selectedAnimationPlayNameRewind(const char* name);
    bool selectedAnimationRemoveAnimationName(char* name);
    bool selectedAnimationRemoveAnimationName(const char* name);
    bool selectedAnimationSetCurveX(unsigned int line);
    bool selectedAnimationSetNotCurveX(unsigned int line);
    bool selectedAnimationGetIsCurveX(unsigned int line);
    bool selectedAnimationSetCurveP1X(unsigned int line, float32 second, float32 x);
    bool selectedAnimationSetCurveP2X(unsigned int line, float32 second, float32 x);

    // The animation the selected-animation operations work on; null for none.
    animation::Interpolation1DGroup* selectedAnimation;

protected:
    void releasePolygon(Polygon2D* polygon) override;
    // Clears the selection when the polygon holds the selected animation.
    void forgetAnimationOf(Polygon2D* polygon);
    // Runs act on the selected animation; false without one.
    template <typename Act> bool withSelectedAnimation(Act act) {
        if (!selectedAnimation) {
            return false;
        }
        act(selectedAnimation);
        return true;
    }
};

} // namespace shape
} // namespace zelk

#endif
