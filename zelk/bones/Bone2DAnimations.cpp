#include "zelk/bones/Bone2D.h"

#include <cstdio>

namespace zelk {
namespace bones {

void Bone2D::removeAllAnimations() {
    animationAngle.cleanAnimations();
    animationPosition.cleanAnimations();
}

void Bone2D::applyClocks(bool measured, float seconds) {
    bool ok = false;
    if (animationPosition.isPlaying()) {
        if (measured) {
            animationPosition.updateClockAnimation();
        } else {
            animationPosition.stepClockAnimation(seconds);
        }
        float x = animationPosition.getClockX(&ok);
        float y = ok ? animationPosition.getClockY(&ok) : 0.f;
        if (ok) {
            position = vec2f32(x, y);
        }
    }
    if (animationAngle.isPlaying()) {
        if (measured) {
            animationAngle.updateClockAnimation();
        } else {
            animationAngle.stepClockAnimation(seconds);
        }
        float x = animationAngle.getClockX(&ok);
        if (ok) {
            angle = x;
        }
    }
}

void Bone2D::updateAnimations() {
    forEachBone([](Bone2D* bone) { bone->updateAnimationsThis(); });
}

void Bone2D::updateAnimationsThis() {
    applyClocks(true, 0.f);
}

void Bone2D::stepAnimations(float seconds) {
    forEachBone([seconds](Bone2D* bone) { bone->stepAnimationsThis(seconds); });
}

void Bone2D::stepAnimationsThis(float seconds) {
    applyClocks(false, seconds);
}

void Bone2D::scaleAnimations(float factor) {
    forEachBone([factor](Bone2D* bone) {
        bone->animationPosition.scaleFrames(factor);
        bone->animationAngle.scaleFrames(factor);
    });
}

void Bone2D::scaleAnimationsPosition(float factor) {
    forEachBone([factor](Bone2D* bone) { bone->animationPosition.scaleFrames(factor); });
}

void Bone2D::scaleAnimationsAngle(float factor) {
    forEachBone([factor](Bone2D* bone) { bone->animationAngle.scaleFrames(factor); });
}

void Bone2D::setAnimationsSpeed(float speed) {
    forEachBone([speed](Bone2D* bone) {
        bone->animationPosition.setSpeed(speed);
        bone->animationAngle.setSpeed(speed);
    });
}

void Bone2D::setAnimationPositionSpeed(float speed) {
    forEachBone([speed](Bone2D* bone) { bone->animationPosition.setSpeed(speed); });
}

void Bone2D::setAnimationAngleSpeed(float speed) {
    forEachBone([speed](Bone2D* bone) { bone->animationAngle.setSpeed(speed); });
}

// The operations without a result, in both forms, on both groups.
#define ZELK_BONE_BOTH_GROUPS(operation, Parameters, arguments)                                    \
    void Bone2D::operation##This Parameters {                                                      \
        animationPosition.operation arguments;                                                     \
        animationAngle.operation arguments;                                                        \
    }                                                                                              \
    void Bone2D::operation Parameters {                                                            \
        forEachBone([&](Bone2D* bone) { bone->operation##This arguments; });                       \
    }

ZELK_BONE_BOTH_GROUPS(playForward, (), ())
ZELK_BONE_BOTH_GROUPS(playForwardIn, (float second), (second))
ZELK_BONE_BOTH_GROUPS(playRewind, (), ())
ZELK_BONE_BOTH_GROUPS(playRewindIn, (float second), (second))
ZELK_BONE_BOTH_GROUPS(pause, (), ())
ZELK_BONE_BOTH_GROUPS(stop, (), ())
ZELK_BONE_BOTH_GROUPS(setLoop, (bool loop), (loop))
ZELK_BONE_BOTH_GROUPS(loopOn, (), ())
ZELK_BONE_BOTH_GROUPS(loopOff, (), ())

#undef ZELK_BONE_BOTH_GROUPS

void Bone2D::removeAllAnimationNamesThis() {
    animationPosition.cleanAnimationNames();
    animationAngle.cleanAnimationNames();
}

void Bone2D::removeAllAnimationNames() {
    forEachBone([](Bone2D* bone) { bone->removeAllAnimationNamesThis(); });
}

void Bone2D::printFramesThis() {
    printf("\nPosition");
    animationPosition.printFrames();
    printf("\nAngle");
    animationAngle.printFrames();
}

void Bone2D::printFrames() {
    forEachBone([](Bone2D* bone) { bone->printFramesThis(); });
}

bool Bone2D::isPlayingThis() {
    return animationPosition.isPlaying() || animationAngle.isPlaying();
}

bool Bone2D::isPlaying() {
    bool playing = false;
    forEachBone([&playing](Bone2D* bone) { playing = playing || bone->isPlayingThis(); });
    return playing;
}

bool Bone2D::addNewAnimationNameThis(char* name, float start, float end) {
    bool position = animationPosition.addNewAnimationName(name, start, end);
    bool angle = animationAngle.addNewAnimationName(name, start, end);
    return position && angle;
}

bool Bone2D::addNewAnimationNameThis(const char* name, float start, float end) {
    return addNewAnimationNameThis(const_cast<char*>(name), start, end);
}

bool Bone2D::addNewAnimationName(char* name, float start, float end) {
    bool own = addNewAnimationNameThis(name, start, end);
    for (unsigned int at = 0; at < nexts.size(); at++) {
        if (Bone2D* next = getNextInPosition(at)) {
            next->addNewAnimationName(name, start, end);
        }
    }
    return own;
}

bool Bone2D::addNewAnimationName(const char* name, float start, float end) {
    return addNewAnimationName(const_cast<char*>(name), start, end);
}

// The clip operations taking a name: both groups are always asked, and the
// plain form answers this bone's own result.
#define ZELK_BONE_CLIP(operation)                                                                  \
    bool Bone2D::operation##This(char* name) {                                                     \
        bool position = animationPosition.operation(name);                                         \
        bool angle = animationAngle.operation(name);                                               \
        return position && angle;                                                                  \
    }                                                                                              \
    bool Bone2D::operation##This(const char* name) {                                               \
        return operation##This(const_cast<char*>(name));                                           \
    }                                                                                              \
    bool Bone2D::operation(char* name) {                                                           \
        bool own = operation##This(name);                                                          \
        for (unsigned int at = 0; at < nexts.size(); at++) {                                       \
            if (Bone2D* next = getNextInPosition(at)) {                                            \
                next->operation(name);                                                             \
            }                                                                                      \
        }                                                                                          \
        return own;                                                                                \
    }                                                                                              \
    bool Bone2D::operation(const char* name) {                                                     \
        return operation(const_cast<char*>(name));                                                 \
    }

ZELK_BONE_CLIP(selectAnimationName)
ZELK_BONE_CLIP(haveAnimationName)
ZELK_BONE_CLIP(playNameForward)
ZELK_BONE_CLIP(playNameRewind)
ZELK_BONE_CLIP(removeAnimationName)

#undef ZELK_BONE_CLIP

} // namespace bones
} // namespace zelk
