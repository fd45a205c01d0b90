#include "zelk/animation/Interpolation1DGroup.h"

#include "zelk/animation/FrameValues.h"
#include "zelk/animation/LineCalls.h"

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

void Interpolation1DGroup::fillInsertedLine(Frame1D* frame) {
    fillInsertedValue(frame->second, frame->x, values::setX, &tempX);
}

void Interpolation1DGroup::fillFirstLine(Frame1D* first, Frame1D* second) {
    fillFirstValues(first->second, first->x, second->x, values::setX);
}

bool Interpolation1DGroup::setFrameX(float second, float x) {
    return setFrameValue(second, x, values::setX, &tempX);
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
    return lines::turn(line1DAt(position), &InterpolationLine1D::isCurveX);
}

bool Interpolation1DGroup::setInterpolationNotCurveX(unsigned int position) {
    return lines::turn(line1DAt(position), &InterpolationLine1D::isNotCurveX);
}

bool Interpolation1DGroup::getInterpolationIsCurveX(unsigned int position) {
    return lines::ask(line1DAt(position), &InterpolationLine1D::getCurveX);
}

bool Interpolation1DGroup::setInterpolationP1X(unsigned int position, float second, float x) {
    InterpolationLine1D* line = line1DAt(position);
    if (line && !line->getCurveX()) {
        line->isCurveX();
    }
    return lines::setPoint(line, &InterpolationLine1D::setP1X, second, x);
}

bool Interpolation1DGroup::setInterpolationP2X(unsigned int position, float second, float x) {
    InterpolationLine1D* line = line1DAt(position);
    if (line && !line->getCurveX()) {
        line->isCurveX();
    }
    return lines::setPoint(line, &InterpolationLine1D::setP2X, second, x);
}

float Interpolation1DGroup::getClockX(bool* success) {
    return lines::valueAt(dynamic_cast<InterpolationLine1D*>(playingLine(success)),
                          &InterpolationLine1D::getPositionX, animationSecond);
}

float Interpolation1DGroup::getInterpolationStartX(float index) {
    return values::xOf(frameAtIndex(index, false));
}

float Interpolation1DGroup::getInterpolationEndX(float index) {
    return values::xOf(frameAtIndex(index, true));
}

} // namespace animation
} // namespace zelk
