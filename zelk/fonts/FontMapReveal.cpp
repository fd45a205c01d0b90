#include "zelk/fonts/FontMap.h"

namespace zelk {
namespace fonts {

namespace {

const uint32 blank = 32;

} // namespace

void FontMap::animationEnd(animation::InterpolationGroup* group) {
    bool isOrigin = group == &animationOrigin;
    for (FontCallback* callback : listeners()) {
        callback->revealEnd(this, isOrigin);
    }
}

bool FontMap::addInterpolation(float second, unsigned int firstIndex, unsigned int lastIndex) {
    if (!haveID(firstIndex) || !haveID(lastIndex)) {
        return false;
    }
    bool first = addInterpolationOrigin(second, firstIndex);
    bool end = addInterpolationLast(second, lastIndex);
    return first && end;
}

bool FontMap::addInterpolation(float second, vec2ui32 first, vec2ui32 last) {
    return addInterpolation(second, getCharacterID(first), getCharacterID(last));
}

bool FontMap::addInterpolation(float second, unsigned int firstColumn, unsigned int firstLine,
                               unsigned int lastColumn, unsigned int lastLine) {
    return addInterpolation(second, vec2ui32(firstColumn, firstLine),
                            vec2ui32(lastColumn, lastLine));
}

bool FontMap::addInterpolationOrigin(float second, unsigned int index) {
    return animationOrigin.addNewInterpolationLine(second, static_cast<float>(index));
}

bool FontMap::addInterpolationOrigin(float second, vec2ui32 position) {
    return addInterpolationOrigin(second, getCharacterID(position));
}

bool FontMap::addInterpolationOrigin(float second, unsigned int column, unsigned int line) {
    return addInterpolationOrigin(second, vec2ui32(column, line));
}

bool FontMap::addInterpolationLast(float second, unsigned int index) {
    return animationLast.addNewInterpolationLine(second, static_cast<float>(index) + 1.f);
}

bool FontMap::addInterpolationLast(float second, vec2ui32 position) {
    return addInterpolationLast(second, getCharacterID(position));
}

bool FontMap::addInterpolationLast(float second, unsigned int column, unsigned int line) {
    return addInterpolationLast(second, vec2ui32(column, line));
}

void FontMap::setAnimationSpeedOrigin(float speed) {
    speedOrigin = speed;
}

void FontMap::setAtimationFasterSpeedOrigin(float speed) {
    fasterSpeedOrigin = speed;
}

void FontMap::setAnimationSpeedLast(float speed) {
    speedLast = speed;
}

void FontMap::setAtimationFasterSpeedLast(float speed) {
    fasterSpeedLast = speed;
}

void FontMap::forceSpeedInOrigin(float speed) {
    forcedSpeedOrigin = speed;
    forceOrigin = true;
}

void FontMap::forceSpeedInLast(float speed) {
    forcedSpeedLast = speed;
    forceLast = true;
}

bool FontMap::playForward() {
    return onBoth([](animation::Interpolation1DGroup& group) { return group.playForward(); });
}

bool FontMap::playForwardIn(float second) {
    return onBoth(
        [second](animation::Interpolation1DGroup& group) { return group.playForwardIn(second); });
}

bool FontMap::playRewind() {
    return onBoth([](animation::Interpolation1DGroup& group) { return group.playRewind(); });
}

bool FontMap::playRewindIn(float second) {
    return onBoth(
        [second](animation::Interpolation1DGroup& group) { return group.playRewindIn(second); });
}

bool FontMap::pause() {
    return onBoth([](animation::Interpolation1DGroup& group) { return group.pause(); });
}

bool FontMap::stop() {
    return onBoth([](animation::Interpolation1DGroup& group) { return group.stop(); });
}

void FontMap::setLoop(bool loop) {
    animationOrigin.setLoop(loop);
    animationLast.setLoop(loop);
}

void FontMap::loopOn() {
    setLoop(true);
}

void FontMap::loopOff() {
    setLoop(false);
}

std::vector<FontCallback*> FontMap::listeners() {
    std::vector<FontCallback*> all;
    for (unsigned int i = 0; i < callbacks.size(); i++) {
        all.push_back(callbacks.getElementInPosition(i));
    }
    return all;
}

bool FontMap::addCallback(FontCallback* callback) {
    return callback && callbacks.add(callback);
}

bool FontMap::removeCallback(FontCallback* callback) {
    return callback && callbacks.remove(callback);
}

void FontMap::cleanCallbacks() {
    callbacks.clean();
}

bool FontMap::updateAnimations() {
    return advanceBoth(-1.f);
}

bool FontMap::stepAnimations(float seconds) {
    return advanceBoth(seconds < 0.f ? 0.f : seconds);
}

bool FontMap::advanceBoth(float seconds) {
    bool originMoved = advance(originReveal(), seconds);
    bool lastMoved = advance(lastReveal(), seconds);
    return originMoved || lastMoved;
}

FontMap::Reveal FontMap::originReveal() {
    return Reveal{
        &animationOrigin,   &originIndex, &origin,           &forceOrigin,
        &forcedSpeedOrigin, speedOrigin,  fasterSpeedOrigin, &FontCallback::originReachedEmpty};
}

FontMap::Reveal FontMap::lastReveal() {
    return Reveal{&animationLast,   &lastIndex, &last,           &forceLast,
                  &forcedSpeedLast, speedLast,  fasterSpeedLast, &FontCallback::lastReachedEmpty};
}

bool FontMap::advance(Reveal reveal, float seconds) {
    animation::Interpolation1DGroup* group = reveal.animation;
    if (!group->isPlaying()) {
        return false;
    }
    if (*reveal.force) {
        *reveal.force = false;
        group->setSpeed(*reveal.forcedSpeed);
    }
    if (seconds < 0.f) {
        group->updateClockAnimation();
    } else {
        group->stepClockAnimation(seconds);
    }
    bool success = false;
    float value = group->getClockX(&success);
    if (!success) {
        return false;
    }
    *reveal.index = value > 0.f && value < 4294967296.f ? static_cast<uint32>(value) : 0u;
    *reveal.position = getCharacterPosition(*reveal.index);
    uint32 id = mapText.getTileID(*reveal.position);
    if (id == 0 || id == blank) {
        if (id == blank) {
            emptyReached = false;
        } else if (!emptyReached) {
            emptyReached = true;
            for (FontCallback* callback : listeners()) {
                (callback->*reveal.reachedEmpty)();
            }
        }
        group->setSpeed(reveal.fasterSpeed);
    } else {
        group->setSpeed(reveal.speed);
        emptyReached = false;
    }
    return true;
}

} // namespace fonts
} // namespace zelk
