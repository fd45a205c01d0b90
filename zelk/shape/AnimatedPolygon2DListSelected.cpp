#include "zelk/shape/AnimatedPolygon2DList.h"

#include "zelk/animation/Interpolation1DGroup.h"

namespace zelk {
namespace shape {

// The operations on the selected animation; without a selection they answer
// false or 0.

using animation::Interpolation1DGroup;

bool AnimatedPolygon2DList::selectedAnimationSetAnimationCallback(
    animation::AnimationCallback* callback) {
    return selectedAnimation && selectedAnimation->setAnimationCallback(callback);
}

bool AnimatedPolygon2DList::selectedAnimationAddInterpolationLine(float32 second, float32 frame) {
    return selectedAnimation && selectedAnimation->addNewInterpolationLine(second, frame);
}

unsigned int AnimatedPolygon2DList::selectedAnimationGetInterpolationSize() {
    return selectedAnimation ? selectedAnimation->getInterpolationSize() : 0;
}

bool AnimatedPolygon2DList::selectedAnimationCleanFrames() {
    return withSelectedAnimation([](Interpolation1DGroup* group) { group->cleanAnimations(); });
}

bool AnimatedPolygon2DList::selectedAnimationPlayForward() {
    return withSelectedAnimation([](Interpolation1DGroup* group) { group->playForward(); });
}

bool AnimatedPolygon2DList::selectedAnimationPlayForwardIn(float32 second) {
    return withSelectedAnimation(
        [second](Interpolation1DGroup* group) { group->playForwardIn(second); });
}

bool AnimatedPolygon2DList::selectedAnimationPlayRewind() {
    return withSelectedAnimation([](Interpolation1DGroup* group) { group->playRewind(); });
}

bool AnimatedPolygon2DList::selectedAnimationPlayRewindIn(float32 second) {
    return withSelectedAnimation(
        [second](Interpolation1DGroup* group) { group->playRewindIn(second); });
}

bool AnimatedPolygon2DList::selectedAnimationPause() {
    return withSelectedAnimation([](Interpolation1DGroup* group) { group->pause(); });
}

bool AnimatedPolygon2DList::selectedAnimationStop() {
    return withSelectedAnimation([](Interpolation1DGroup* group) { group->stop(); });
}

bool AnimatedPolygon2DList::selectedAnimationSetLoop(bool loop) {
    return withSelectedAnimation([loop](Interpolation1DGroup* group) { group->setLoop(loop); });
}

bool AnimatedPolygon2DList::selectedAnimationLoopOn() {
    return withSelectedAnimation([](Interpolation1DGroup* group) { group->loopOn(); });
}

bool AnimatedPolygon2DList::selectedAnimationLoopOff() {
    return withSelectedAnimation([](Interpolation1DGroup* group) { group->loopOff(); });
}

float32 AnimatedPolygon2DList::selectedAnimationGetSecond() {
    return selectedAnimation ? selectedAnimation->getAnimationSecond() : 0.f;
}

bool AnimatedPolygon2DList::selectedAnimationIsPlaying() {
    return selectedAnimation && selectedAnimation->isPlaying();
}

bool AnimatedPolygon2DList::selectedAnimationAddAnimationName(char* name, float32 start,
                                                              float32 end) {
    return withSelectedAnimation([name, start, end](Interpolation1DGroup* group) {
        group->addNewAnimationName(name, start, end);
    });
}

bool AnimatedPolygon2DList::selectedAnimationAddAnimationName(const char* name, float32 start,
                                                              float32 end) {
    return selectedAnimationAddAnimationName(const_cast<char*>(name), start, end);
}

bool AnimatedPolygon2DList::selectedAnimationHaveAnimationName(char* name) {
    return selectedAnimation && selectedAnimation->haveAnimationName(name);
}

bool AnimatedPolygon2DList::selectedAnimationHaveAnimationName(const char* name) {
    return selectedAnimationHaveAnimationName(const_cast<char*>(name));
}

bool AnimatedPolygon2DList::selectedAnimationPlayNameForward(char* name) {
    return withSelectedAnimation(
        [name](Interpolation1DGroup* group) { group->playNameForward(name); });
}

bool AnimatedPolygon2DList::selectedAnimationPlayNameForward(const char* name) {
    return selectedAnimationPlayNameForward(const_cast<char*>(name));
}

bool AnimatedPolygon2DList::selectedAnimationPlayNameRewind(char* name) {
    return withSelectedAnimation(
        [name](Interpolation1DGroup* group) { group->playNameRewind(name); });
}

bool AnimatedPolygon2DList::selectedAnimationPlayNameRewind(const char* name) {
    return selectedAnimationPlayNameRewind(const_cast<char*>(name));
}

bool AnimatedPolygon2DList::selectedAnimationRemoveAnimationName(char* name) {
    return withSelectedAnimation(
        [name](Interpolation1DGroup* group) { group->removeAnimationName(name); });
}

bool AnimatedPolygon2DList::selectedAnimationRemoveAnimationName(const char* name) {
    return selectedAnimationRemoveAnimationName(const_cast<char*>(name));
}

bool AnimatedPolygon2DList::selectedAnimationSetCurveX(unsigned int line) {
    return withSelectedAnimation(
        [line](Interpolation1DGroup* group) { group->setInterpolationCurveX(line); });
}

bool AnimatedPolygon2DList::selectedAnimationSetNotCurveX(unsigned int line) {
    return withSelectedAnimation(
        [line](Interpolation1DGroup* group) { group->setInterpolationNotCurveX(line); });
}

bool AnimatedPolygon2DList::selectedAnimationGetIsCurveX(unsigned int line) {
    return selectedAnimation && selectedAnimation->getInterpolationIsCurveX(line);
}

bool AnimatedPolygon2DList::selectedAnimationSetCurveP1X(unsigned int line, float32 second,
                                                         float32 x) {
    return selectedAnimation && selectedAnimation->setInterpolationP1X(line, second, x);
}

bool AnimatedPolygon2DList::selectedAnimationSetCurveP2X(unsigned int line, float32 second,
                                                         float32 x) {
    return selectedAnimation && selectedAnimation->setInterpolationP2X(line, second, x);
}

} // namespace shape
} // namespace zelk
