#include "zelk/shape/AnimatedPolygon2DList.h"

#include "zelk/animation/Interpolation1DGroup.h"

namespace zelk {
namespace shape {

namespace {

// The value truncated toward zero and taken as an unsigned 32-bit number;
// 0 for NaN and for values outside the 32-bit signed range.
uint32 framePosition(float32 value) {
    if (!(value > -2147483648.f && value < 2147483648.f)) {
        return 0;
    }
    return static_cast<uint32>(static_cast<int32>(value));
}

} // namespace

AnimatedPolygon2DList::AnimatedPolygon2DList() : Polygon2DList(), selectedAnimation(nullptr) {}

AnimatedPolygon2DList::AnimatedPolygon2DList(const AnimatedPolygon2DList& other)
    : Polygon2DList(other), selectedAnimation(other.selectedAnimation) {}

AnimatedPolygon2DList::~AnimatedPolygon2DList() {
    selectedAnimation = nullptr;
}

void AnimatedPolygon2DList::forgetAnimationOf(Polygon2D* polygon) {
    if (polygon && selectedAnimation && polygon->framesGetAnimation() == selectedAnimation) {
        selectedAnimation = nullptr;
    }
}

void AnimatedPolygon2DList::releasePolygon(Polygon2D* polygon) {
    forgetAnimationOf(polygon);
    Polygon2DList::releasePolygon(polygon);
}

bool AnimatedPolygon2DList::newAnimationFramesToPolygon(unsigned int position) {
    Polygon2D* polygon = polygons.get(position);
    if (!polygon) {
        return false;
    }
    forgetAnimationOf(polygon);
    return polygon->framesCreateAnimation();
}

bool AnimatedPolygon2DList::copyAnimationFramesToPolygon(unsigned int from, unsigned int to) {
    Polygon2D* source = polygons.get(from);
    Polygon2D* target = polygons.get(to);
    if (!source || !target || !source->framesHaveAnimation()) {
        return false;
    }
    if (target->framesGetAnimation() != source->framesGetAnimation()) {
        forgetAnimationOf(target);
    }
    return target->framesSetAnimation(source->framesGetAnimation());
}

bool AnimatedPolygon2DList::removeAnimationFramesFromPolygon(unsigned int position) {
    Polygon2D* polygon = polygons.get(position);
    if (!polygon) {
        return false;
    }
    forgetAnimationOf(polygon);
    polygon->framesRemoveAnimation();
    return true;
}

bool AnimatedPolygon2DList::selectAnimationFramesFromPolygon(unsigned int position) {
    selectedAnimation = nullptr;
    Polygon2D* polygon = polygons.get(position);
    if (polygon) {
        selectedAnimation = polygon->framesGetAnimation();
    }
    return selectedAnimation != nullptr;
}

void AnimatedPolygon2DList::updateFramesAnimations() {
    for (unsigned int position = 0; position < polygons.size(); position++) {
        Polygon2D* polygon = polygons.get(position);
        if (polygon && polygon->framesIsAnimationCreator() && polygon->framesHaveAnimation()) {
            polygon->framesGetAnimation()->updateClockAnimation();
        }
    }
    for (unsigned int position = 0; position < polygons.size(); position++) {
        Polygon2D* polygon = polygons.get(position);
        if (!polygon || !polygon->framesHaveAnimation()) {
            continue;
        }
        bool playing = false;
        float32 frame = polygon->framesGetAnimation()->getClockX(&playing);
        if (playing) {
            polygon->usePolygonUVFramePosition(framePosition(frame));
        }
    }
}

} // namespace shape
} // namespace zelk
