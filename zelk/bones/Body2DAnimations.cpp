#include "zelk/bones/Body2D.h"

namespace zelk {
namespace bones {

void Body2D::updateAnimations() {
    root.updateAnimations();
}

void Body2D::stepAnimations(float seconds) {
    root.stepAnimations(seconds);
}

void Body2D::scaleAnimations(float factor) {
    root.scaleAnimations(factor);
}

void Body2D::scaleAnimationsPosition(float factor) {
    root.scaleAnimationsPosition(factor);
}

void Body2D::scaleAnimationsAngle(float factor) {
    root.scaleAnimationsAngle(factor);
}

void Body2D::setAnimationsSpeed(float speed) {
    root.setAnimationsSpeed(speed);
}

void Body2D::setAnimationsPositionSpeed(float speed) {
    root.setAnimationPositionSpeed(speed);
}

void Body2D::setAnimationsAngleSpeed(float speed) {
    root.setAnimationAngleSpeed(speed);
}

void Body2D::playForward() {
    root.playForward();
}

void Body2D::playForwardIn(float second) {
    root.playForwardIn(second);
}

void Body2D::playRewind() {
    root.playRewind();
}

void Body2D::playRewindIn(float second) {
    root.playRewindIn(second);
}

void Body2D::pause() {
    root.pause();
}

void Body2D::stop() {
    root.stop();
}

void Body2D::setLoop(bool loop) {
    root.setLoop(loop);
}

void Body2D::loopOn() {
    root.loopOn();
}

void Body2D::loopOff() {
    root.loopOff();
}

void Body2D::printFrames() {
    root.printFrames();
}

bool Body2D::addNewAnimationName(char* name, float start, float end) {
    return root.addNewAnimationName(name, start, end);
}

bool Body2D::addNewAnimationName(const char* name, float start, float end) {
    return addNewAnimationName(const_cast<char*>(name), start, end);
}

bool Body2D::selectAnimationName(char* name) {
    return root.selectAnimationName(name);
}

bool Body2D::selectAnimationName(const char* name) {
    return selectAnimationName(const_cast<char*>(name));
}

bool Body2D::haveAnimationName(char* name) {
    return root.haveAnimationName(name);
}

bool Body2D::haveAnimationName(const char* name) {
    return haveAnimationName(const_cast<char*>(name));
}

bool Body2D::playNameForward(char* name) {
    return root.playNameForward(name);
}

bool Body2D::playNameForward(const char* name) {
    return playNameForward(const_cast<char*>(name));
}

bool Body2D::playNameRewind(char* name) {
    return root.playNameRewind(name);
}

bool Body2D::playNameRewind(const char* name) {
    return playNameRewind(const_cast<char*>(name));
}

bool Body2D::removeAnimationName(char* name) {
    return root.removeAnimationName(name);
}

bool Body2D::removeAnimationName(const char* name) {
    return removeAnimationName(const_cast<char*>(name));
}

void Body2D::removeAllAnimationNames() {
    root.removeAllAnimationNames();
}

bool Body2D::isPlaying() {
    return root.isPlaying();
}

} // namespace bones
} // namespace zelk
