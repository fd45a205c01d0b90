#include "zelk/View.h"

// The position animation's operations, forwarded to the group.

namespace zelk {

bool View::animationAddFrame(float second, float x, float y) {
    return animationAddFrame(animation::Frame2D(second, x, y));
}

bool View::animationAddFrame(float second, vec2f32 position) {
    return animationAddFrame(animation::Frame2D(second, position));
}

bool View::animationAddFrame(animation::Frame2D frame) {
    return animationPosition.addNewInterpolationLine(frame);
}

void View::animationClean() {
    animationPosition.cleanAnimations();
}

bool View::animationIsPlaying() {
    return animationPosition.isPlaying();
}

bool View::animationSetInterpolationCurveX(unsigned int position) {
    return animationPosition.setInterpolationCurveX(position);
}

bool View::animationSetInterpolationNotCurveX(unsigned int position) {
    return animationPosition.setInterpolationNotCurveX(position);
}

bool View::animationGetInterpolationIsCurveX(unsigned int position) {
    return animationPosition.getInterpolationIsCurveX(position);
}

bool View::animationSetInterpolationP1X(unsigned int position, float second, float x) {
    return animationPosition.setInterpolationP1X(position, second, x);
}

bool View::animationSetInterpolationP2X(unsigned int position, float second, float x) {
    return animationPosition.setInterpolationP2X(position, second, x);
}

bool View::animationSetInterpolationCurveY(unsigned int position) {
    return animationPosition.setInterpolationCurveY(position);
}

bool View::animationSetInterpolationNotCurveY(unsigned int position) {
    return animationPosition.setInterpolationNotCurveY(position);
}

bool View::animationGetInterpolationIsCurveY(unsigned int position) {
    return animationPosition.getInterpolationIsCurveY(position);
}

bool View::animationSetInterpolationP1Y(unsigned int position, float second, float y) {
    return animationPosition.setInterpolationP1Y(position, second, y);
}

bool View::animationSetInterpolationP2Y(unsigned int position, float second, float y) {
    return animationPosition.setInterpolationP2Y(position, second, y);
}

bool View::animationPlayForward() {
    return animationPosition.playForward();
}

bool View::animationPlayForwardIn(float second) {
    return animationPosition.playForwardIn(second);
}

bool View::animationPlayRewind() {
    return animationPosition.playRewind();
}

bool View::animationPlayRewindIn(float second) {
    return animationPosition.playRewindIn(second);
}

bool View::animationPause() {
    return animationPosition.pause();
}

bool View::animationStop() {
    return animationPosition.stop();
}

void View::animationSetLoop(bool loop) {
    animationPosition.setLoop(loop);
}

void View::animationLoopOn() {
    animationPosition.loopOn();
}

void View::animationLoopOff() {
    animationPosition.loopOff();
}

bool View::animationAddAnimationName(char* name, float start, float end) {
    return animationPosition.addNewAnimationName(name, start, end);
}

bool View::animationAddAnimationName(const char* name, float start, float end) {
    return animationAddAnimationName(const_cast<char*>(name), start, end);
}

bool View::animationPlayNameForward(char* name) {
    return animationPosition.playNameForward(name);
}

bool View::animationPlayNameForward(const char* name) {
    return animationPlayNameForward(const_cast<char*>(name));
}

bool View::animationPlayNameRewind(char* name) {
    return animationPosition.playNameRewind(name);
}

bool View::animationPlayNameRewind(const char* name) {
    return animationPlayNameRewind(const_cast<char*>(name));
}

bool View::animationRemoveAnimationName(char* name) {
    return animationPosition.removeAnimationName(name);
}

bool View::animationRemoveAnimationName(const char* name) {
    return animationRemoveAnimationName(const_cast<char*>(name));
}

void View::animationCleanAnimationNames() {
    animationPosition.cleanAnimationNames();
}

void View::animationPrintAnimation() {
    animationPosition.printFrames();
}

bool View::animationSetCallback(animation::AnimationCallback* callback) {
    return animationPosition.setAnimationCallback(callback);
}

void View::animationRemoveCallback() {
    animationPosition.removeAnimationCallback();
}

bool View::isThisAnimationPosition(animation::InterpolationGroup* group) {
    return group == &animationPosition;
}

} // namespace zelk
