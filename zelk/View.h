#ifndef ZELK_VIEW_H
#define ZELK_VIEW_H

#include "zelk/TypeColor.h"
#include "zelk/TypeRect.h"
#include "zelk/TypeVec2.h"
#include "zelk/WindowEvents.h"
#include "zelk/animation/AnimationCallback.h"
#include "zelk/animation/Frame2D.h"
#include "zelk/animation/Interpolation2DGroup.h"
#include "zelk/vector/Stack.h"

namespace zelk {

// A rectangle of the view tree that the window drives once a frame: mouse
// contacts, then update(), then updateAnimations(), then drawing, each view
// into its own OpenGL viewport under a unit projection (0 to 1 on both axes).
//
// frame is in the parent's pixels, origin at the parent's top-left corner, y
// downwards. The position animation's x and y are an offset to frame's
// origin; animatedFrame, the rectangle drawn and hit-tested, catches up with
// frame in updateAnimations(), so a frame set between frames counts from the
// next update on. A view is owned by whoever made it, never by its parent.
//
// Contact states: 0 pressed, 1 released, 2 moved. Mouse buttons are the
// record's codes (1 left, 2 right, 3 middle, 4 and 5 the extra buttons); a
// move carrying no button is reported with button 0.
class View {
public:
    View();
    explicit View(rectf32 frame);
    virtual ~View();
    // A view registers nothing by address but its animation, which is not
    // copied: views are not copied.
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // Draws the view inside the parent's viewport outside (the root gets its
    // own frame); a hidden view draws nothing.
    virtual void draw(rectf32 outside);
    // Called when the view is added to a controller, and when it is removed.
    virtual void load();
    virtual void unload();
    virtual void update(WindowEvents* events);
    // A mouse contact at point, in the parent's coordinates: enter and leave
    // tracking, then the state's hook for every listed button. True when the
    // point lies in the view. A hidden view still takes contacts.
    virtual bool contact(vec2f32 point, unsigned char state, vector::Stack<unsigned int>* buttons);
    // Hooks; points are relative to the origin of animatedFrame.
    virtual void eventMousePressed(vec2f32 point, unsigned int button);
    virtual void eventMouseMoved(vec2f32 point, unsigned int button);
    virtual void eventMouseReleased(vec2f32 point, unsigned int button);
    virtual void eventMouseEntryInsideView(vec2f32 point);
    // Gets the last point that lay inside.
    virtual void eventMouseLeftView(vec2f32 point);
    virtual bool isLeaf();
    virtual bool isGU();
    virtual bool isButton();
    // Sets the view's OpenGL viewport inside outside and stores it in
    // viewport, in signed pixels (a view may lie left of or below its parent);
    // then the colour.
    virtual void drawViewport(rectf32 outside);
    // The unit projection, ortho(0, 1, 0, 1, -1, 1).
    virtual void drawCamera();
    // A unit quad in the current colour.
    virtual void drawPolygon(rectf32 outside);

    // Advances the position animation and refreshes animatedFrame: frame
    // while stopped, frame plus the offset while playing, unchanged while
    // paused.
    void updateAnimations();
    // The point, in the parent's coordinates, lies in animatedFrame, edges
    // included.
    bool pointInside(vec2f32 point);

    // The position animation (see animation::Interpolation2DGroup); seconds
    // of the key frames, x and y the offset in pixels.
    bool animationAddFrame(float second, float x, float y);
    bool animationAddFrame(float second, vec2f32 position);
    bool animationAddFrame(animation::Frame2D frame);
    void animationClean();
    bool animationIsPlaying();
    bool animationSetInterpolationCurveX(unsigned int position);
    bool animationSetInterpolationNotCurveX(unsigned int position);
    bool animationGetInterpolationIsCurveX(unsigned int position);
    bool animationSetInterpolationP1X(unsigned int position, float second, float x);
    bool animationSetInterpolationP2X(unsigned int position, float second, float x);
    bool animationSetInterpolationCurveY(unsigned int position);
    bool animationSetInterpolationNotCurveY(unsigned int position);
    bool animationGetInterpolationIsCurveY(unsigned int position);
    bool animationSetInterpolationP1Y(unsigned int position, float second, float y);
    bool animationSetInterpolationP2Y(unsigned int position, float second, float y);
    bool animationPlayForward();
    bool animationPlayForwardIn(float second);
    bool animationPlayRewind();
    bool animationPlayRewindIn(float second);
    bool animationPause();
    bool animationStop();
    void animationSetLoop(bool loop);
    void animationLoopOn();
    void animationLoopOff();
    bool animationAddAnimationName(char* name, float start, float end);
    bool animationAddAnimationName(const char* name, float start, float end);
    bool animationPlayNameForward(char* name);
    bool animationPlayNameForward(const char* name);
    bool animationPlayNameRewind(char* name);
    bool animationPlayNameRewind(const char* name);
    bool animationRemoveAnimationName(char* name);
    bool animationRemoveAnimationName(const char* name);
    void animationCleanAnimationNames();
    void animationPrintAnimation();
    // The listener told when the position animation ends; not owned.
    bool animationSetCallback(animation::AnimationCallback* callback);
    void animationRemoveCallback();
    // The group is this view's position animation: a listener shared by
    // several views tells them apart with it.
    bool isThisAnimationPosition(animation::InterpolationGroup* group);

    rectf32 frame;
    rectf32 animatedFrame;
    color4f32 backgroundColor;
    bool hide;
    bool mouseInside;
    // The last contact point that lay inside, relative to animatedFrame.
    vec2f32 relativeMousePos;
    // Window pixels from the bottom-left corner, as the last drawViewport
    // set it; children draw inside it.
    rectf32 viewport;
    animation::Interpolation2DGroup animationPosition;
};

} // namespace zelk

#endif
