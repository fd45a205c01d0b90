#include "zelk/animation/Interpolation1DGroup.h"

#include "zelk/animation/FrameValues.h"

#include <cstdio>

namespace zelk {
namespace animation {

bool Interpolation1DGroup::addKeyFrame(InterpolationGroup* target, KeyFrameValues v) {
    return static_cast<Interpolation1DGroup*>(target)->addNewInterpolationLine(v.second, v.x);
}

Interpolation1DGroup::Interpolation1DGroup() : tempX(0) {}

Interpolation1DGroup::Interpolation1DGroup(const Interpolation1DGroup& other)
    : InterpolationGroup(other), tempX(other.tempX) {}

Interpolation1DGroup::~Interpolation1DGroup() {}

Interpolation1DGroup Interpolation1DGroup::operator=(Interpolation1DGroup other) {
    other.cantDeleteGroup();
    rebuildFrom(&other, addKeyFrame);
    return other;
}

bool Interpolation1DGroup::readFromXML(XML* xml, unsigned int id) {
    return readAnimation<Frame1D>(xml, id, this);
}

InterpolationLine* Interpolation1DGroup::newLineInterpolation() {
    return new InterpolationLine1D();
}

Frame* Interpolation1DGroup::newFrame() {
    return new Frame1D();
}

void Interpolation1DGroup::printInterpolationLine(InterpolationLine* line) {
    InterpolationLine1D* typed = dynamic_cast<InterpolationLine1D*>(line);
    if (!typed) {
        return;
    }
    Frame1D start = typed->getStart1D();
    Frame1D end = typed->getEnd1D();
    printf("Start second %.2f X %.2f end second %.2f X %.2f", start.second, start.x, end.second,
           end.x);
}

bool Interpolation1DGroup::addNewInterpolationLine(float second, float x) {
    return addNewInterpolationLine(Frame1D(second, x));
}

bool Interpolation1DGroup::addNewInterpolationLine(Frame1D frame) {
    frame.cantDestruct();
    if (!InterpolationGroup::addNewInterpolationLine(frame.second)) {
        return false;
    }
    fillInsertedLine(&frame);
    return true;
}

bool Interpolation1DGroup::addFirstInterpolationLine(float second1, float x1, float second2,
                                                     float x2) {
    return addFirstInterpolationLine(Frame1D(second1, x1), Frame1D(second2, x2));
}

bool Interpolation1DGroup::addFirstInterpolationLine(Frame1D first, Frame1D second) {
    first.cantDestruct();
    second.cantDestruct();
    if (!InterpolationGroup::addFirstInterpolationLine(first.second, second.second)) {
        return false;
    }
    fillFirstLine(&first, &second);
    return true;
}

// The new frame's value goes to the frame at its second; when the line was
// made from the waiting first frame, the other frame takes the value
// remembered for it; without a line the waiting frame keeps it.
void Interpolation1DGroup::fillInsertedLine(Frame1D* frame) {
    values::setX(frameOfInserted(frame->second, false), frame->x);
    if (firstLineFromTemp) {
        values::setX(frameOfInserted(frame->second, true), tempX);
    }
    if (!insertedLine) {
        tempX = frame->x;
    }
}

void Interpolation1DGroup::fillFirstLine(Frame1D* first, Frame1D* second) {
    values::setX(frameOfInserted(first->second, false), first->x);
    values::setX(frameOfInserted(first->second, true), second->x);
}

bool Interpolation1DGroup::setFrameX(float second, float x) {
    if (selectFrame(second)) {
        values::setX(selectedFrameObject(), x);
        return true;
    }
    if (selectTempFrame(second)) {
        values::setX(tempFrame, x);
        tempX = x;
    }
    return false;
}

// When the selected line does not answer, two walks around the playing
// range, each visiting every line of the range at most once: against the
// playing direction for a line that holds the second, then from that line
// along the playing direction for one whose values hold x.
bool Interpolation1DGroup::setSecondByX(float second, float x) {
    InterpolationLine1D* line = line1DAt(selectedInterpolation);
    if (!isPlaying() || !line || second < animationStartSecond || second > animationEndSecond) {
        return false;
    }
    if (line->haveSecond(second) && line->haveX(x)) {
        animationSecond = line->getSecond(x);
        return true;
    }
    unsigned int first = animationStartInterpolation;
    unsigned int last = animationEndInterpolation;
    if (last < first) {
        return false;
    }
    unsigned int count = last - first + 1;
    auto search = [&](unsigned int from, bool forward, auto accepts, unsigned int* found) {
        unsigned int offset = from < first ? 0 : (from > last ? count - 1 : from - first);
        for (unsigned int step = 0; step < count; step++) {
            unsigned int position =
                first + (forward ? (offset + step) % count : (offset + count - step) % count);
            InterpolationLine1D* candidate = line1DAt(position);
            if (candidate && accepts(candidate)) {
                *found = position;
                return true;
            }
        }
        return false;
    };
    bool forward = !rewind;
    unsigned int holding = selectedInterpolation;
    if (!line->haveSecond(second) &&
        !search(
            selectedInterpolation, !forward,
            [second](InterpolationLine1D* candidate) { return candidate->haveSecond(second); },
            &holding)) {
        return false;
    }
    unsigned int reaching = holding;
    if (!search(
            holding, forward, [x](InterpolationLine1D* candidate) { return candidate->haveX(x); },
            &reaching)) {
        return false;
    }
    selectedInterpolation = reaching;
    animationSecond = line1DAt(reaching)->getSecond(x);
    return true;
}

InterpolationLine1D* Interpolation1DGroup::line1DAt(unsigned int position) {
    return dynamic_cast<InterpolationLine1D*>(lineAt(position));
}

bool Interpolation1DGroup::setInterpolationCurveX(unsigned int position) {
    InterpolationLine1D* line = line1DAt(position);
    if (!line) {
        return false;
    }
    line->isCurveX();
    return true;
}

bool Interpolation1DGroup::setInterpolationNotCurveX(unsigned int position) {
    InterpolationLine1D* line = line1DAt(position);
    if (!line) {
        return false;
    }
    line->isNotCurveX();
    return true;
}

bool Interpolation1DGroup::getInterpolationIsCurveX(unsigned int position) {
    InterpolationLine1D* line = line1DAt(position);
    return line && line->getCurveX();
}

bool Interpolation1DGroup::setInterpolationP1X(unsigned int position, float second, float x) {
    InterpolationLine1D* line = line1DAt(position);
    if (!line) {
        return false;
    }
    if (!line->getCurveX()) {
        line->isCurveX();
    }
    return line->setP1X(second, x);
}

bool Interpolation1DGroup::setInterpolationP2X(unsigned int position, float second, float x) {
    InterpolationLine1D* line = line1DAt(position);
    if (!line) {
        return false;
    }
    if (!line->getCurveX()) {
        line->isCurveX();
    }
    return line->setP2X(second, x);
}

float Interpolation1DGroup::getClockX(bool* success) {
    bool playingNow = isPlaying();
    if (success) {
        *success = playingNow;
    }
    InterpolationLine1D* line = playingNow ? line1DAt(selectedInterpolation) : nullptr;
    return line ? line->getPositionX(animationSecond) : 0;
}

float Interpolation1DGroup::getInterpolationStartX(float index) {
    InterpolationLine1D* line = dynamic_cast<InterpolationLine1D*>(lineAtIndex(index));
    return line ? line->getStart1D().x : 0;
}

float Interpolation1DGroup::getInterpolationEndX(float index) {
    InterpolationLine1D* line = dynamic_cast<InterpolationLine1D*>(lineAtIndex(index));
    return line ? line->getEnd1D().x : 0;
}

} // namespace animation
} // namespace zelk
