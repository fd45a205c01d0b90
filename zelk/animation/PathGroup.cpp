#include "zelk/animation/PathGroup.h"

#include "zelk/ElementXML.h"
#include "zelk/String.h"
#include "zelk/XML.h"
#include "zelk/animation/AnimationXML.h"
#include "zelk/animation/FrameValues.h"

#include <cstdio>

namespace zelk {
namespace animation {

namespace {

// A clip's position kept as a float, as a frame position: negative and
// unreadable values give 0, values past the 32-bit range the largest.
unsigned int positionOf(float value) {
    if (!(value > 0)) {
        return 0;
    }
    if (value >= 4294967295.0f) {
        return 4294967295u;
    }
    return static_cast<unsigned int>(value);
}

} // namespace

PathGroup::AnimationPathNames::AnimationPathNames() : start(0), end(0) {}

PathGroup::AnimationPathNames::AnimationPathNames(char* name) : Name(name), start(0), end(0) {}

PathGroup::AnimationPathNames::AnimationPathNames(const char* name)
    : Name(name), start(0), end(0) {}

PathGroup::AnimationPathNames::~AnimationPathNames() {}

bool PathGroup::AnimationPathNames::writeToXML(XML* xml, unsigned int id) {
    return xml::writeNamedRange(xml, "animationPathName_", id, getName(), start, end);
}

bool PathGroup::AnimationPathNames::readFromXML(XML* xml, unsigned int id) {
    return xml::readNamedRange(xml, "animationPathName_", id, this, &start, &end);
}

PathGroup::PathGroup()
    : startPosition(0), endPosition(0), framePosition(0), lastDistance(0), frameChanged(false),
      closerDistance(0.5f), percent(0), canDelete(true), playing(false), rewind(false), loop(false),
      selectedName(nullptr), segmentSeconds(0), givenSeconds(0), haveGivenSeconds(false) {}

PathGroup::PathGroup(const PathGroup& other)
    : frames(other.frames), startPosition(other.startPosition), endPosition(other.endPosition),
      framePosition(other.framePosition), lastDistance(other.lastDistance),
      frameChanged(other.frameChanged), closerDistance(other.closerDistance),
      percent(other.percent), canDelete(other.canDelete), playing(other.playing),
      rewind(other.rewind), loop(other.loop), clock(other.clock),
      animationNames(other.animationNames), selectedName(other.selectedName),
      segmentSeconds(other.segmentSeconds), givenSeconds(other.givenSeconds),
      haveGivenSeconds(other.haveGivenSeconds) {}

PathGroup::~PathGroup() {
    if (canDelete) {
        deleteFrames();
    } else {
        frames.cantDestroy();
        animationNames.cantDeleteNames();
    }
    canDelete = true;
}

Frame* PathGroup::targetFrame() {
    return frames.get(framePosition);
}

float PathGroup::takeElapsedSeconds() {
    float seconds =
        haveGivenSeconds ? givenSeconds : static_cast<float>(clock.getMicroseconds()) / 1000000.0f;
    haveGivenSeconds = false;
    clock.start();
    return seconds;
}

void PathGroup::restartSegment() {
    segmentSeconds = 0;
    clock.start();
}

float PathGroup::stepClockAnimation(float seconds) {
    givenSeconds = seconds;
    haveGivenSeconds = true;
    float result = updateClockAnimation();
    haveGivenSeconds = false;
    return result;
}

float PathGroup::updateClockAnimation() {
    if (!playing) {
        return 0;
    }
    segmentSeconds += takeElapsedSeconds();
    Frame* target = targetFrame();
    if (!target) {
        stop();
        return 0;
    }
    bool reached = reachFrame(target);
    if (!(target->second > 0)) {
        reached = true;
    }
    if (!reached) {
        return segmentSeconds;
    }
    unsigned int count = frames.size();
    if (!rewind && framePosition < endPosition && framePosition + 1 < count) {
        framePosition++;
    } else if (rewind && framePosition > startPosition && framePosition != 0) {
        framePosition--;
    } else if (loop) {
        framePosition = rewind ? endPosition : startPosition;
    } else {
        stop();
        return 0;
    }
    frameChanged = true;
    restartSegment();
    return segmentSeconds;
}

float PathGroup::advancePath(Frame** from, Frame** target) {
    *from = nullptr;
    *target = nullptr;
    bool wasPlaying = playing;
    Frame* before = targetFrame();
    float seconds = PathGroup::updateClockAnimation();
    if (playing) {
        *target = targetFrame();
        *from = getLastFrame();
        if (*target) {
            percent = (*target)->second > 0 ? seconds / (*target)->second : 1.0f;
        }
    } else if (wasPlaying && before && !(before->second > 0)) {
        *from = before;
        *target = before;
    }
    return seconds;
}

float PathGroup::advanceValues(float* x, float* y, float* z) {
    Frame* from = nullptr;
    Frame* target = nullptr;
    float seconds = advancePath(&from, &target);
    if (from && target) {
        float* moved[] = {x, y, z};
        float (*valueOf[])(Frame*) = {values::xOf, values::yOf, values::zOf};
        for (int axis = 0; axis < 3; axis++) {
            if (moved[axis]) {
                *moved[axis] = values::between(valueOf[axis](from), valueOf[axis](target), percent);
            }
        }
    }
    return seconds;
}

bool PathGroup::addValueFrame(bool insert, unsigned int position, float second, float x, float y,
                              float z) {
    Frame* frame = newFrame();
    frame->second = second;
    values::setX(frame, x);
    values::setY(frame, y);
    values::setZ(frame, z);
    return insert ? adoptFrameAt(position, frame) : adoptFrame(frame);
}

bool PathGroup::reachedByDistance(float d, bool insideBox) {
    bool timeOver = percent > 1.0f;
    bool reached = timeOver && d < closerDistance;
    if (frameChanged) {
        reached = reached || (timeOver && insideBox);
    } else {
        reached = reached || (timeOver && d > lastDistance);
    }
    lastDistance = d;
    frameChanged = false;
    return reached;
}

bool PathGroup::nearTarget(float value, float target) {
    return target - closerDistance <= value && value <= target + closerDistance;
}

bool PathGroup::writeToXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::open(xml, "pathAnim_", id)) {
        return false;
    }
    xml::addLoop(xml, loop);
    for (unsigned int position = 0; position < frames.size(); position++) {
        xml::writeFrame(frames.get(position), xml, position);
    }
    unsigned int written = 0;
    for (unsigned int position = 0; position < animationNames.size(); position++) {
        AnimationPathNames* clip =
            static_cast<AnimationPathNames*>(animationNames.getElementInPosition(position));
        if (clip->writeToXML(xml, written)) {
            written++;
        }
    }
    ElementXML::close(xml);
    return true;
}

bool PathGroup::readFromXML(XML* xml, unsigned int id) {
    return readPath<Frame>(xml, id);
}

bool PathGroup::openPathElement(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::select(xml, "pathAnim_", id)) {
        return false;
    }
    deleteFrames();
    xml::readLoop(xml, &loop);
    return true;
}

void PathGroup::closePathElement(XML* xml) {
    for (unsigned int number = 0;; number++) {
        AnimationPathNames clip;
        if (!clip.readFromXML(xml, number)) {
            break;
        }
        addNewAnimationName(clip.getName(), positionOf(clip.start), positionOf(clip.end));
    }
    ElementXML::close(xml);
}

Frame* PathGroup::newFrame() {
    return new Frame();
}

bool PathGroup::reachFrame(Frame*) {
    frameChanged = false;
    return false;
}

bool PathGroup::addNewFrame(Frame* frame) {
    if (!frame) {
        return false;
    }
    for (unsigned int position = 0; position < frames.size(); position++) {
        if (frames.get(position) == frame) {
            return false;
        }
    }
    unsigned int position = frames.pushBack(frame);
    if (frames.get(position) != frame) {
        return false;
    }
    endPosition = position;
    startPosition = 0;
    return true;
}

bool PathGroup::addNewFrameToPosition(unsigned int position, Frame* frame) {
    if (!frame || position > frames.size() || !addNewFrame(frame)) {
        return false;
    }
    unsigned int last = frames.size() - 1;
    return last == position || frames.bringPositionTo(last, position);
}

bool PathGroup::adoptFrame(Frame* frame) {
    if (!addNewFrame(frame)) {
        delete frame;
        return false;
    }
    return true;
}

bool PathGroup::adoptFrameAt(unsigned int position, Frame* frame) {
    if (!addNewFrameToPosition(position, frame)) {
        delete frame;
        return false;
    }
    return true;
}

bool PathGroup::addNewFrame(float second) {
    return addValueFrame(false, 0, second, 0, 0, 0);
}

bool PathGroup::addNewFrameToPosition(unsigned int position, float second) {
    return addValueFrame(true, position, second, 0, 0, 0);
}

bool PathGroup::deleteFrame(unsigned int position) {
    unsigned int count = frames.size();
    if (position >= count) {
        return false;
    }
    for (; position + 1 < count; position++) {
        frames.swap(position, position + 1);
    }
    delete frames.popBack();
    return true;
}

void PathGroup::deleteFrames() {
    for (unsigned int position = 0; position < frames.size(); position++) {
        delete frames.get(position);
    }
    frames.clean();
}

void PathGroup::setCloserDistance(float distance) {
    closerDistance = distance;
}

float PathGroup::getCloserDistance() {
    return closerDistance;
}

bool PathGroup::havePosition(unsigned int position) {
    return position < frames.size();
}

bool PathGroup::swapFrames(unsigned int first, unsigned int second) {
    return frames.swap(first, second);
}

bool PathGroup::setAnimationStartPosition(unsigned int position) {
    if (!havePosition(position) || position >= endPosition) {
        return false;
    }
    startPosition = position;
    framePosition = position;
    return true;
}

bool PathGroup::setAnimationEndPosition(unsigned int position) {
    if (!havePosition(position) || position <= startPosition) {
        return false;
    }
    endPosition = position;
    return true;
}

bool PathGroup::playForward() {
    return playForwardIn(framePosition);
}

bool PathGroup::playForwardIn(unsigned int position) {
    lastDistance = 0;
    if (!havePosition(position) || position < startPosition || position > endPosition) {
        return false;
    }
    rewind = false;
    framePosition = position;
    percent = 0;
    playing = true;
    restartSegment();
    return true;
}

bool PathGroup::playRewind() {
    return playRewindIn(framePosition);
}

bool PathGroup::playRewindIn(unsigned int position) {
    lastDistance = 0;
    if (!havePosition(position) || position < startPosition || position < endPosition) {
        return false;
    }
    rewind = true;
    framePosition = position;
    percent = 0;
    playing = true;
    restartSegment();
    return true;
}

bool PathGroup::pause() {
    lastDistance = 0;
    playing = !playing;
    restartSegment();
    return playing;
}

bool PathGroup::stop() {
    lastDistance = 0;
    percent = 0;
    playing = false;
    framePosition = startPosition;
    return true;
}

void PathGroup::setLoop(bool value) {
    loop = value;
}

void PathGroup::loopOn() {
    loop = true;
}

void PathGroup::loopOff() {
    loop = false;
}

bool PathGroup::isLopping() {
    return loop;
}

bool PathGroup::isPlaying() {
    return playing;
}

bool PathGroup::isRewind() {
    return rewind;
}

PathGroup::AnimationPathNames* PathGroup::findAnimationName(const char* name) {
    return name ? static_cast<AnimationPathNames*>(animationNames.getElementByName(name)) : nullptr;
}

bool PathGroup::addNewAnimationName(char* name, unsigned int start, unsigned int end) {
    if (frames.size() == 0 || String::strSize(name) == 0 || start > end ||
        haveAnimationName(name)) {
        return false;
    }
    AnimationPathNames* clip = new AnimationPathNames(name);
    clip->start = static_cast<float>(start);
    clip->end = static_cast<float>(end);
    if (!animationNames.add(clip)) {
        delete clip;
        return false;
    }
    return true;
}

bool PathGroup::addNewAnimationName(const char* name, unsigned int start, unsigned int end) {
    return addNewAnimationName(const_cast<char*>(name), start, end);
}

bool PathGroup::selectAnimationName(char* name) {
    if (!name) {
        selectedName = nullptr;
        return false;
    }
    if (selectedName && String::strCompare(selectedName->getName(), name)) {
        return true;
    }
    selectedName = findAnimationName(name);
    return selectedName != nullptr;
}

bool PathGroup::selectAnimationName(const char* name) {
    return selectAnimationName(const_cast<char*>(name));
}

bool PathGroup::haveAnimationName(char* name) {
    return name && animationNames.haveName(name);
}

bool PathGroup::haveAnimationName(const char* name) {
    return haveAnimationName(const_cast<char*>(name));
}

bool PathGroup::playNameForward(char* name) {
    if (!selectAnimationName(name)) {
        return false;
    }
    setAnimationStartPosition(positionOf(selectedName->start));
    setAnimationEndPosition(positionOf(selectedName->end));
    playForwardIn(startPosition);
    return true;
}

bool PathGroup::playNameForward(const char* name) {
    return playNameForward(const_cast<char*>(name));
}

bool PathGroup::playNameRewind(char* name) {
    if (!selectAnimationName(name)) {
        return false;
    }
    setAnimationStartPosition(positionOf(selectedName->start));
    setAnimationEndPosition(positionOf(selectedName->end));
    playRewindIn(endPosition);
    return true;
}

bool PathGroup::playNameRewind(const char* name) {
    return playNameRewind(const_cast<char*>(name));
}

bool PathGroup::removeAnimationName(char* name) {
    if (!name) {
        return false;
    }
    if (selectedName && String::strCompare(selectedName->getName(), name)) {
        selectedName = nullptr;
    }
    AnimationPathNames* clip = findAnimationName(name);
    if (!clip) {
        return false;
    }
    animationNames.remove(clip);
    delete clip;
    return true;
}

bool PathGroup::removeAnimationName(const char* name) {
    return removeAnimationName(const_cast<char*>(name));
}

void PathGroup::cleanAnimationNameSelected() {
    selectedName = nullptr;
}

void PathGroup::cleanAnimationNames() {
    selectedName = nullptr;
    animationNames.deleteAllNames();
}

void PathGroup::printFrames() {
    for (unsigned int position = 0; position < frames.size(); position++) {
        if (Frame* frame = frames.get(position)) {
            printf("\nSpeed %.2f", frame->second);
        }
    }
}

unsigned int PathGroup::getFramesSize() {
    return frames.size();
}

unsigned int PathGroup::size() {
    return frames.size();
}

Frame* PathGroup::getLastFrame() {
    if (!playing) {
        return nullptr;
    }
    if (!rewind && framePosition > startPosition) {
        return frames.get(framePosition - 1);
    }
    if (!rewind && framePosition == startPosition && loop) {
        return frames.get(endPosition);
    }
    if (rewind && framePosition < endPosition) {
        return frames.get(framePosition + 1);
    }
    if (rewind && framePosition == endPosition && loop) {
        return frames.get(startPosition);
    }
    return targetFrame();
}

void PathGroup::cantDeleteGroup() {
    canDelete = false;
}

} // namespace animation
} // namespace zelk
