#include "zelk/animation/InterpolationGroup.h"

#include "zelk/ElementXML.h"
#include "zelk/String.h"
#include "zelk/XML.h"
#include "zelk/animation/AnimationXML.h"
#include "zelk/animation/FrameValues.h"
#include "zelk/animation/InterpolationLine1D.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace zelk {
namespace animation {

namespace {

float startSecondOf(InterpolationLine* line) {
    return line ? line->getStart().second : 0;
}

float endSecondOf(InterpolationLine* line) {
    return line ? line->getEnd().second : 0;
}

} // namespace

InterpolationGroup::InterpolationGroup()
    : tempFrame(nullptr), insertedLine(nullptr), frameSelected(nullptr),
      frameSelectedIsStart(false), insertedAtStart(false), firstLineFromTemp(false),
      selectedInterpolation(0), animationNameSelected(nullptr), speed(1.0f),
      animationStartSecond(0), animationEndSecond(0), animationStartInterpolation(0),
      animationEndInterpolation(0), animationSecond(0), playing(false), paused(false),
      rewind(false), looping(false), animationCallback(nullptr), canDeleteGroup(true) {}

InterpolationGroup::InterpolationGroup(const InterpolationGroup& other)
    : Object<InterpolationGroup>(other), tempFrame(other.tempFrame),
      insertedLine(other.insertedLine), frameSelected(other.frameSelected),
      frameSelectedIsStart(other.frameSelectedIsStart), insertedAtStart(other.insertedAtStart),
      firstLineFromTemp(other.firstLineFromTemp), interpolations(other.interpolations),
      selectedInterpolation(other.selectedInterpolation), animationNames(other.animationNames),
      animationNameSelected(other.animationNameSelected), speed(other.speed),
      animationStartSecond(other.animationStartSecond),
      animationEndSecond(other.animationEndSecond),
      animationStartInterpolation(other.animationStartInterpolation),
      animationEndInterpolation(other.animationEndInterpolation),
      animationSecond(other.animationSecond), playing(other.playing), paused(other.paused),
      rewind(other.rewind), looping(other.looping), clock(other.clock),
      animationCallback(other.animationCallback), canDeleteGroup(other.canDeleteGroup) {}

InterpolationGroup::~InterpolationGroup() {
    if (canDeleteGroup) {
        cleanAnimations();
    } else {
        interpolations.cantDestroy();
        animationNames.cantDeleteNames();
    }
    canDeleteGroup = true;
}

float InterpolationGroup::updateClockAnimation() {
    return stepClockAnimation(static_cast<float>(clock.getMicroseconds()) * watch::microsecond);
}

float InterpolationGroup::stepClockAnimation(float seconds) {
    if (!isPlaying()) {
        clock.start();
        return animationSecond;
    }
    float elapsed = seconds * speed;
    InterpolationLine* line = nullptr;
    if (rewind) {
        animationSecond -= elapsed;
        if (animationSecond >= animationStartSecond) {
            while ((line = lineAt(selectedInterpolation)) &&
                   startSecondOf(line) > animationSecond && selectedInterpolation > 0) {
                selectedInterpolation--;
            }
            clock.start();
            return animationSecond;
        }
    } else {
        animationSecond += elapsed;
        if (animationSecond <= animationEndSecond) {
            while ((line = lineAt(selectedInterpolation)) && animationSecond > endSecondOf(line)) {
                selectedInterpolation++;
            }
            clock.start();
            return animationSecond;
        }
    }
    wrapOrStop(animationEndSecond - animationStartSecond);
    if (animationCallback) {
        animationCallback->animationEnd(this);
    }
    clock.start();
    return animationSecond;
}

// Forward the range is taken off once. Backward the second lands where
// adding the range again and again would first bring it to the start or
// above, computed at once.
bool InterpolationGroup::wrapOrStop(float range) {
    if (!looping || !(range > 0)) {
        stop();
        return false;
    }
    if (rewind) {
        double below = static_cast<double>(animationStartSecond) - animationSecond;
        double rest = std::isfinite(below) ? std::fmod(below, static_cast<double>(range)) : 0;
        animationSecond = static_cast<float>(rest == 0 ? animationStartSecond
                                                       : animationStartSecond + (range - rest));
    } else {
        animationSecond -= range;
    }
    selectInterpolationBySecond(animationSecond);
    return true;
}

bool InterpolationGroup::writeToXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::open(xml, "anim_", id)) {
        return false;
    }
    xml::addLoop(xml, looping);
    unsigned int number = 0;
    if (tempFrame && xml::writeFrame(tempFrame, xml, number)) {
        number++;
    }
    unsigned int size = getInterpolationSize();
    if (InterpolationLine* first = lineAt(0)) {
        first->writeToXMLStart(xml, number++);
    }
    for (unsigned int position = 0; position < size; position++) {
        if (InterpolationLine* line = lineAt(position)) {
            line->writeToXMLEnd(xml, number++);
        }
    }
    for (unsigned int position = 0; position < size; position++) {
        if (InterpolationLine1D* line = dynamic_cast<InterpolationLine1D*>(lineAt(position))) {
            line->writeCurveToXML(xml, position);
        }
    }
    for (unsigned int position = 0; position < animationNames.size(); position++) {
        static_cast<AnimationName*>(animationNames.getElementInPosition(position))
            ->writeToXML(xml, position);
    }
    ElementXML::close(xml);
    return true;
}

bool InterpolationGroup::readFromXML(XML* xml, unsigned int id) {
    return readAnimation<Frame>(xml, id, this);
}

bool InterpolationGroup::openAnimationElement(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::select(xml, "anim_", id)) {
        return false;
    }
    cleanAnimations();
    xml::readLoop(xml, &looping);
    return true;
}

void InterpolationGroup::closeAnimationElement(XML* xml) {
    for (unsigned int position = 0; position < getInterpolationSize(); position++) {
        if (InterpolationLine1D* line = dynamic_cast<InterpolationLine1D*>(lineAt(position))) {
            line->readCurveFromXML(xml, position);
        }
    }
    for (unsigned int number = 0;; number++) {
        AnimationName clip;
        if (!clip.readFromXML(xml, number)) {
            break;
        }
        addNewAnimationName(clip.getName(), clip.start, clip.end);
    }
    ElementXML::close(xml);
}

InterpolationLine* InterpolationGroup::newLineInterpolation() {
    return new InterpolationLine();
}

Frame* InterpolationGroup::newFrame() {
    return new Frame();
}

void InterpolationGroup::printInterpolationLine(InterpolationLine* line) {
    if (line) {
        printf("Start second %.2f end second %.2f", startSecondOf(line), endSecondOf(line));
    }
}

InterpolationLine* InterpolationGroup::lineAt(unsigned int position) {
    return interpolations.get(position);
}

InterpolationLine* InterpolationGroup::lastLine() {
    unsigned int size = getInterpolationSize();
    return size ? lineAt(size - 1) : nullptr;
}

bool InterpolationGroup::placeLine(InterpolationLine* line, unsigned int position) {
    unsigned int at = interpolations.pushBack(line);
    return at == position || interpolations.bringPositionTo(at, position);
}

void InterpolationGroup::removeLine(InterpolationLine* line) {
    unsigned int size = getInterpolationSize();
    for (unsigned int position = 0; position < size; position++) {
        if (lineAt(position) == line) {
            interpolations.bringPositionTo(position, size - 1);
            interpolations.popBack();
            return;
        }
    }
}

bool InterpolationGroup::addNewInterpolationLine(float second) {
    firstLineFromTemp = false;
    stop();
    insertedLine = nullptr;
    bool placed = false;
    if (getInterpolationSize() > 0) {
        delete tempFrame;
        tempFrame = nullptr;
        unsigned int position = searchBackInterpoaltion(second);
        InterpolationLine* first = lineAt(0);
        InterpolationLine* before = position > 0 ? lineAt(position - 1) : nullptr;
        InterpolationLine* after = lineAt(position);
        InterpolationLine* line = newLineInterpolation();
        if (line && before) {
            // After the line that ends before the second; the line that held
            // the second starts at the new frame.
            placed = placeLine(line, position) && line->setEndNoFilter(second) &&
                     before->useEndInStart(line) && (!after || line->useEndInStart(after));
            insertedAtStart = false;
        } else if (line && second > startSecondOf(first)) {
            // Inside the first line, which now ends at the new frame.
            placed = placeLine(line, 1) && line->setStartNoFilter(second) &&
                     first->useEndInEnd(line) && line->useStartInEnd(first);
            insertedAtStart = true;
        } else if (line) {
            placed =
                placeLine(line, 0) && line->setStartNoFilter(second) && first->useStartInEnd(line);
            insertedAtStart = true;
        }
        if (placed) {
            insertedLine = line;
        } else if (line) {
            removeLine(line);
            delete line;
        }
    } else if (tempFrame) {
        placed = addFirstInterpolationLine(tempFrame->second, second);
        firstLineFromTemp = placed;
    } else {
        tempFrame = newFrame();
        if (tempFrame) {
            tempFrame->second = second;
            placed = true;
        }
    }
    setAnimationEndInterpolation(getInterpolationSize() - 1);
    return placed;
}

bool InterpolationGroup::addNewInterpolationLine(Frame frame) {
    frame.cantDestruct();
    return addNewInterpolationLine(frame.second);
}

bool InterpolationGroup::addFirstInterpolationLine(float second1, float second2) {
    cleanAnimations();
    InterpolationLine* line = newLineInterpolation();
    if (!line) {
        return false;
    }
    interpolations.pushBack(line);
    line->setEndNoFilter(second2);
    line->setStartNoFilter(second1);
    line->keepOrder();
    insertedLine = line;
    setAnimationStartInterpolation(0);
    setAnimationEndInterpolation(0);
    return true;
}

bool InterpolationGroup::addFirstInterpolationLine(Frame first, Frame second) {
    first.cantDestruct();
    second.cantDestruct();
    return addFirstInterpolationLine(first.second, second.second);
}

void InterpolationGroup::deleteLines() {
    for (unsigned int position = 0; position < getInterpolationSize(); position++) {
        delete lineAt(position);
    }
    interpolations.clean();
}

void InterpolationGroup::cleanAnimations() {
    stop();
    cleanAnimationNames();
    insertedLine = nullptr;
    frameSelected = nullptr;
    deleteLines();
    animationSecond = 0;
    delete tempFrame;
    tempFrame = nullptr;
}

// Frames shared by neighbouring lines are scaled once: the first line's start
// and every line's end.
bool InterpolationGroup::scaleFrames(float factor) {
    unsigned int size = getInterpolationSize();
    if (!(factor > 0) || size == 0) {
        return false;
    }
    InterpolationLine* first = lineAt(0);
    if (first && first->start) {
        first->start->second *= factor;
    }
    for (unsigned int position = 0; position < size; position++) {
        InterpolationLine* line = lineAt(position);
        if (line && line->end) {
            line->end->second *= factor;
        }
    }
    for (unsigned int position = 0; position < size; position++) {
        if (InterpolationLine* line = lineAt(position)) {
            line->updateDistance();
        }
    }
    for (unsigned int position = 0; position < animationNames.size(); position++) {
        AnimationName* clip =
            static_cast<AnimationName*>(animationNames.getElementInPosition(position));
        clip->start *= factor;
        clip->end *= factor;
    }
    animationStartSecond *= factor;
    animationEndSecond *= factor;
    animationSecond *= factor;
    return true;
}

unsigned int InterpolationGroup::getInterpolationSize() {
    return interpolations.size();
}

InterpolationLine* InterpolationGroup::getSelectedInterpolation() {
    return lineAt(selectedInterpolation);
}

bool InterpolationGroup::selectFrame(float second) {
    InterpolationLine* line = lineAt(searchBackInterpoaltion(second));
    if (line && endSecondOf(line) == second) {
        frameSelected = line;
        frameSelectedIsStart = false;
        return true;
    }
    if (line && startSecondOf(line) == second) {
        frameSelected = line;
        frameSelectedIsStart = true;
        return true;
    }
    frameSelected = nullptr;
    return false;
}

void InterpolationGroup::cleanFrameSelected() {
    frameSelected = nullptr;
}

bool InterpolationGroup::haveTempFrame() {
    return tempFrame != nullptr;
}

bool InterpolationGroup::selectTempFrame(float second) {
    return tempFrame && tempFrame->second == second;
}

float InterpolationGroup::getInterpolationStartSecond(float index) {
    return startSecondOf(lineAtIndex(index));
}

float InterpolationGroup::getInterpolationEndSecond(float index) {
    return endSecondOf(lineAtIndex(index));
}

InterpolationLine* InterpolationGroup::lineAtIndex(float index) {
    if (!(index >= 0) || !(index < static_cast<float>(getInterpolationSize()))) {
        return nullptr;
    }
    return lineAt(static_cast<unsigned int>(index));
}

Frame* InterpolationGroup::frameOfInserted(float second, bool other) {
    if (!insertedLine) {
        return other ? nullptr : tempFrame;
    }
    Frame* frame = insertedLine->frameWithSecond(second, true);
    if (!other) {
        return frame;
    }
    return frame == insertedLine->start ? insertedLine->end : insertedLine->start;
}

Frame* InterpolationGroup::selectedFrameObject() {
    if (!frameSelected) {
        return nullptr;
    }
    return frameSelectedIsStart ? frameSelected->start : frameSelected->end;
}

Frame* InterpolationGroup::frameAtIndex(float index, bool end) {
    InterpolationLine* line = lineAtIndex(index);
    if (!line) {
        return nullptr;
    }
    return end ? line->end : line->start;
}

InterpolationLine* InterpolationGroup::playingLine(bool* success) {
    bool playingNow = isPlaying();
    if (success) {
        *success = playingNow;
    }
    return playingNow ? lineAt(selectedInterpolation) : nullptr;
}

bool InterpolationGroup::setFrameValue(float second, float value, bool (*set)(Frame*, float),
                                       float* remembered) {
    if (selectFrame(second)) {
        set(selectedFrameObject(), value);
        return true;
    }
    if (selectTempFrame(second)) {
        set(tempFrame, value);
        *remembered = value;
    }
    return false;
}

// The new key frame's value goes to the frame at its second; when the line was
// made from the waiting first frame, the other frame takes the value
// remembered for it; without a line the waiting frame keeps it.
void InterpolationGroup::fillInsertedValue(float second, float value, bool (*set)(Frame*, float),
                                           float* remembered) {
    set(frameOfInserted(second, false), value);
    if (firstLineFromTemp) {
        set(frameOfInserted(second, true), *remembered);
    }
    if (!insertedLine) {
        *remembered = value;
    }
}

void InterpolationGroup::fillFirstValues(float firstSecond, float first, float second,
                                         bool (*set)(Frame*, float)) {
    set(frameOfInserted(firstSecond, false), first);
    set(frameOfInserted(firstSecond, true), second);
}

void InterpolationGroup::rebuildFrom(InterpolationGroup* source,
                                     bool (*addFrame)(InterpolationGroup*, KeyFrameValues)) {
    std::vector<KeyFrameValues> frames;
    unsigned int size = source->getInterpolationSize();
    for (unsigned int position = 0; position < size; position++) {
        InterpolationLine* line = source->lineAt(position);
        if (!line) {
            continue;
        }
        if (frames.empty()) {
            Frame* start = line->start;
            frames.push_back({values::secondOf(start), values::xOf(start), values::yOf(start),
                              values::zOf(start)});
        }
        Frame* end = line->end;
        frames.push_back(
            {values::secondOf(end), values::xOf(end), values::yOf(end), values::zOf(end)});
    }
    std::vector<AnimationName*> clips;
    for (unsigned int position = 0; position < source->animationNames.size(); position++) {
        AnimationName* clip =
            static_cast<AnimationName*>(source->animationNames.getElementInPosition(position));
        AnimationName* copy = new AnimationName(clip->getName());
        copy->start = clip->start;
        copy->end = clip->end;
        clips.push_back(copy);
    }
    cleanAnimations();
    for (const KeyFrameValues& frame : frames) {
        addFrame(this, frame);
    }
    for (AnimationName* clip : clips) {
        addNewAnimationName(clip->getName(), clip->start, clip->end);
        delete clip;
    }
}

void InterpolationGroup::refreshRangeSeconds(bool startSecond, bool endSecond) {
    if (startSecond) {
        animationStartSecond = startSecondOf(lineAt(animationStartInterpolation));
    }
    if (endSecond) {
        animationEndSecond = endSecondOf(lineAt(animationEndInterpolation));
    }
}

bool InterpolationGroup::setAnimationStartInterpolation(unsigned int position) {
    if (position >= getInterpolationSize()) {
        animationStartInterpolation = 0;
        animationEndInterpolation = 0;
        return false;
    }
    animationStartInterpolation = position;
    bool endFollows = position > animationEndInterpolation;
    if (endFollows) {
        animationEndInterpolation = position;
    }
    refreshRangeSeconds(true, endFollows);
    return true;
}

bool InterpolationGroup::setAnimationEndInterpolation(unsigned int position) {
    if (position >= getInterpolationSize()) {
        animationStartInterpolation = 0;
        animationEndInterpolation = 0;
        return false;
    }
    animationEndInterpolation = position;
    bool startFollows = position < animationStartInterpolation;
    if (startFollows) {
        animationStartInterpolation = position;
    }
    refreshRangeSeconds(startFollows, true);
    return true;
}

bool InterpolationGroup::isSecondInsideAnimation(float second) {
    return getInterpolationSize() > 0 && startSecondOf(lineAt(0)) <= second &&
           second <= endSecondOf(lastLine());
}

bool InterpolationGroup::setAnimationStartSecond(float second) {
    if (!isSecondInsideAnimation(second)) {
        return false;
    }
    if (second >= animationEndSecond) {
        setAnimationEndSecond(second + 0.1f);
    }
    if (!(animationEndSecond > second)) {
        return false;
    }
    animationStartSecond = second;
    animationStartInterpolation = searchBackInterpoaltion(second);
    return true;
}

bool InterpolationGroup::setAnimationEndSecond(float second) {
    if (!isSecondInsideAnimation(second) || !(second > animationStartSecond)) {
        return false;
    }
    animationEndSecond = second;
    animationEndInterpolation = searchBackInterpoaltion(second);
    return true;
}

AnimationName* InterpolationGroup::findAnimationName(const char* name) {
    return name ? static_cast<AnimationName*>(animationNames.getElementByName(name)) : nullptr;
}

bool InterpolationGroup::addNewAnimationName(char* name, float start, float end) {
    if (getInterpolationSize() == 0 || String::strSize(name) == 0 || !(end > start) ||
        haveAnimationName(name) || start < startSecondOf(lineAt(0)) ||
        end > endSecondOf(lastLine())) {
        return false;
    }
    AnimationName* clip = new AnimationName(name);
    clip->start = start;
    clip->end = end;
    if (!animationNames.add(clip)) {
        delete clip;
        return false;
    }
    return true;
}

bool InterpolationGroup::addNewAnimationName(const char* name, float start, float end) {
    return addNewAnimationName(const_cast<char*>(name), start, end);
}

bool InterpolationGroup::selectAnimationName(char* name) {
    if (!name) {
        animationNameSelected = nullptr;
        return false;
    }
    if (animationNameSelected && String::strCompare(animationNameSelected->getName(), name)) {
        return true;
    }
    animationNameSelected = findAnimationName(name);
    return animationNameSelected != nullptr;
}

bool InterpolationGroup::selectAnimationName(const char* name) {
    return selectAnimationName(const_cast<char*>(name));
}

bool InterpolationGroup::haveAnimationName(char* name) {
    return name && animationNames.haveName(name);
}

bool InterpolationGroup::haveAnimationName(const char* name) {
    return haveAnimationName(const_cast<char*>(name));
}

bool InterpolationGroup::playNameForward(char* name) {
    if (!selectAnimationName(name)) {
        return false;
    }
    setAnimationStartSecond(animationNameSelected->start);
    setAnimationEndSecond(animationNameSelected->end);
    playForwardIn(animationStartSecond);
    return true;
}

bool InterpolationGroup::playNameForward(const char* name) {
    return playNameForward(const_cast<char*>(name));
}

bool InterpolationGroup::playNameRewind(char* name) {
    if (!selectAnimationName(name)) {
        return false;
    }
    setAnimationStartSecond(animationNameSelected->start);
    setAnimationEndSecond(animationNameSelected->end);
    playRewindIn(animationEndSecond);
    return true;
}

bool InterpolationGroup::playNameRewind(const char* name) {
    return playNameRewind(const_cast<char*>(name));
}

bool InterpolationGroup::removeAnimationName(char* name) {
    if (!name) {
        return false;
    }
    if (animationNameSelected && String::strCompare(animationNameSelected->getName(), name)) {
        animationNameSelected = nullptr;
    }
    AnimationName* clip = findAnimationName(name);
    if (!clip) {
        return false;
    }
    animationNames.remove(clip);
    delete clip;
    return true;
}

bool InterpolationGroup::removeAnimationName(const char* name) {
    return removeAnimationName(const_cast<char*>(name));
}

void InterpolationGroup::cleanAnimationNameSelected() {
    animationNameSelected = nullptr;
}

void InterpolationGroup::cleanAnimationNames() {
    animationNameSelected = nullptr;
    animationNames.deleteAllNames();
}

void InterpolationGroup::clampAnimationSecond() {
    if (animationSecond < animationStartSecond) {
        animationSecond = animationStartSecond;
    } else if (animationSecond > animationEndSecond) {
        animationSecond = animationEndSecond;
    }
}

bool InterpolationGroup::playForwardIn(float second) {
    stop();
    rewind = false;
    playing = false;
    paused = false;
    if (getInterpolationSize() == 0) {
        stop();
        return false;
    }
    animationSecond = second;
    clampAnimationSecond();
    selectInterpolationBySecond(animationSecond);
    clock.start();
    playing = true;
    return true;
}

bool InterpolationGroup::playRewindIn(float second) {
    bool started = playForwardIn(second);
    rewind = true;
    return started;
}

bool InterpolationGroup::playForward() {
    return playForwardIn(animationSecond);
}

bool InterpolationGroup::playRewind() {
    return playRewindIn(animationSecond);
}

bool InterpolationGroup::pause() {
    playing = !playing;
    if (playing) {
        paused = false;
        clock.start();
    } else {
        paused = true;
    }
    return playing;
}

bool InterpolationGroup::stop() {
    clock.start();
    playing = false;
    paused = false;
    animationSecond = startSecondOf(lineAt(0));
    return true;
}

void InterpolationGroup::setLoop(bool loop) {
    looping = loop;
}

void InterpolationGroup::loopOn() {
    looping = true;
}

void InterpolationGroup::loopOff() {
    looping = false;
}

bool InterpolationGroup::isLooping() {
    return looping;
}

void InterpolationGroup::setSpeed(float newSpeed) {
    speed = newSpeed;
}

float InterpolationGroup::getSpeed() {
    return speed;
}

bool InterpolationGroup::isPaused() {
    return paused;
}

bool InterpolationGroup::isRewind() {
    return rewind;
}

float InterpolationGroup::getAnimationSecond() {
    return animationSecond;
}

bool InterpolationGroup::isPlaying() {
    return playing && getInterpolationSize() > 0;
}

bool InterpolationGroup::setAnimationCallback(AnimationCallback* callback) {
    animationCallback = callback;
    return callback != nullptr;
}

void InterpolationGroup::removeAnimationCallback() {
    animationCallback = nullptr;
}

void InterpolationGroup::printSelectedFramesFrom(unsigned int from, unsigned int to) {
    for (unsigned int position = from; position <= to && position < getInterpolationSize();
         position++) {
        if (InterpolationLine* line = lineAt(position)) {
            printf("\nFrame %u ", position);
            printInterpolationLine(line);
        }
    }
}

void InterpolationGroup::printFrames() {
    if (getInterpolationSize() > 0) {
        printSelectedFramesFrom(0, getInterpolationSize() - 1);
    }
}

void InterpolationGroup::printSelectedFrames() {
    printSelectedFramesFrom(animationStartInterpolation, animationEndInterpolation);
}

void InterpolationGroup::cantDeleteGroup() {
    canDeleteGroup = false;
    cantDestruct();
}

unsigned int InterpolationGroup::searchBackInterpoaltion(float second) {
    // The group stores no null line and takes lines out only from the end,
    // so the row has a gap only when a position was removed from it; only
    // then is it compacted, and adding frames in order stays cheap.
    for (unsigned int position = getInterpolationSize();
         interpolations.haveFreePositions() && position > 0; position--) {
        unsigned int at = position - 1;
        if (!interpolations.havePos(at) || !lineAt(at)) {
            for (; at + 1 < getInterpolationSize(); at++) {
                interpolations.swap(at, at + 1);
            }
            interpolations.popBack();
        }
    }
    for (unsigned int position = getInterpolationSize(); position > 0; position--) {
        if (endSecondOf(lineAt(position - 1)) < second) {
            return position;
        }
    }
    return 0;
}

bool InterpolationGroup::selectInterpolationBySecond(float second) {
    unsigned int size = getInterpolationSize();
    for (unsigned int position = 0; position < size; position++) {
        InterpolationLine* line = lineAt(position);
        if (line && startSecondOf(line) <= second && second < endSecondOf(line)) {
            selectedInterpolation = position;
            filterSelectInterpolation();
            return true;
        }
    }
    if (size > 0 && lastLine() && second == endSecondOf(lastLine())) {
        selectedInterpolation = size - 1;
        filterSelectInterpolation();
        return true;
    }
    selectedInterpolation = 0;
    return false;
}

void InterpolationGroup::filterSelectInterpolation() {
    if (selectedInterpolation < animationStartInterpolation) {
        selectedInterpolation = animationStartInterpolation;
        float start = startSecondOf(lineAt(selectedInterpolation));
        if (animationSecond < start) {
            animationSecond = start;
        }
    } else if (selectedInterpolation > animationEndInterpolation) {
        selectedInterpolation = animationEndInterpolation;
        float end = endSecondOf(lineAt(selectedInterpolation));
        if (animationSecond > end) {
            animationSecond = end;
        }
    }
}

} // namespace animation
} // namespace zelk
