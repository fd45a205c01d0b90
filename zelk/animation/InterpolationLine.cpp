#include "zelk/animation/InterpolationLine.h"

#include "zelk/animation/AnimationXML.h"
#include "zelk/animation/FrameValues.h"

namespace zelk {
namespace animation {

InterpolationLine::InterpolationLine()
    : start(nullptr), end(nullptr), createStart(false), createEnd(false), distance(0) {
    allocStart();
    allocEnd();
}

InterpolationLine::~InterpolationLine() {
    deleteFrames();
}

bool InterpolationLine::holdStart(Frame* frame) {
    if (start) {
        start->releaseObject(&start);
    }
    return frame && frame->retainObject(&start);
}

bool InterpolationLine::holdEnd(Frame* frame) {
    if (end) {
        end->releaseObject(&end);
    }
    return frame && frame->retainObject(&end);
}

void InterpolationLine::keepOrder() {
    if (start && end && end->second < start->second) {
        switchFrames();
    }
    updateDistance();
}

Frame* InterpolationLine::frameWithSecond(float second, bool fromStart) {
    Frame* own = fromStart ? start : end;
    Frame* other = fromStart ? end : start;
    if (own && own->second == second) {
        return own;
    }
    return other && other->second == second ? other : own;
}

bool InterpolationLine::setStart(Frame* frame) {
    if (!frame) {
        return false;
    }
    if (frame != start && !holdStart(frame)) {
        return false;
    }
    createStart = false;
    keepOrder();
    return true;
}

bool InterpolationLine::setStart(float second) {
    if (createStart && start) {
        start->second = second;
        keepOrder();
        return true;
    }
    return setStartNoFilter(second);
}

bool InterpolationLine::setStartNoFilter(float second) {
    if (createStart && start) {
        start->second = second;
        return true;
    }
    Frame* frame = useNewFrame(1, second);
    if (!setStart(frame)) {
        delete frame;
        return false;
    }
    return true;
}

bool InterpolationLine::setEnd(Frame* frame) {
    if (!frame) {
        return false;
    }
    if (frame != end && !holdEnd(frame)) {
        return false;
    }
    createEnd = false;
    keepOrder();
    return true;
}

bool InterpolationLine::setEnd(float second) {
    if (createEnd && end) {
        end->second = second;
        keepOrder();
        return true;
    }
    return setEndNoFilter(second);
}

bool InterpolationLine::setEndNoFilter(float second) {
    if (createEnd && end) {
        end->second = second;
        return true;
    }
    Frame* frame = useNewFrame(1, second);
    if (!setEnd(frame)) {
        delete frame;
        return false;
    }
    return true;
}

bool InterpolationLine::writeToXMLStart(XML* xml, unsigned int id) {
    return xml && xml::writeFrame(start, xml, id);
}

bool InterpolationLine::writeToXMLEnd(XML* xml, unsigned int id) {
    return xml && xml::writeFrame(end, xml, id);
}

Frame* InterpolationLine::useNewFrame(unsigned char, float second, ...) {
    return new Frame(second);
}

bool InterpolationLine::allocStart() {
    bool held = holdStart(useNewFrame(1, 0.f));
    createStart = held;
    return held;
}

bool InterpolationLine::allocEnd() {
    bool held = holdEnd(useNewFrame(1, 0.f));
    createEnd = held;
    return held;
}

bool InterpolationLine::deleteStart() {
    holdStart(nullptr);
    createStart = false;
    return true;
}

bool InterpolationLine::deleteEnd() {
    holdEnd(nullptr);
    createEnd = false;
    return true;
}

bool InterpolationLine::deleteFrames() {
    return deleteStart() && deleteEnd();
}

// The registrations move with the frames: each frame is held for a moment by
// a local variable so that neither release deletes it.
bool InterpolationLine::switchFrames() {
    Frame* first = nullptr;
    Frame* last = nullptr;
    if (start) {
        start->retainObject(&first);
    }
    if (end) {
        end->retainObject(&last);
    }
    holdStart(last);
    holdEnd(first);
    if (first) {
        first->releaseObject(&first);
    }
    if (last) {
        last->releaseObject(&last);
    }
    bool flag = createStart;
    createStart = createEnd;
    createEnd = flag;
    return true;
}

float InterpolationLine::updateDistance() {
    distance = start && end ? end->second - start->second : 0;
    return distance;
}

Frame InterpolationLine::getStart() {
    return values::copyAs<Frame>(start);
}

Frame InterpolationLine::getEnd() {
    return values::copyAs<Frame>(end);
}

bool InterpolationLine::getCreateStart() {
    return createStart;
}

bool InterpolationLine::getCreateEnd() {
    return createEnd;
}

float InterpolationLine::getDistance() {
    return distance;
}

bool InterpolationLine::useStartInStart(InterpolationLine* other) {
    return other && other->setStart(start);
}

bool InterpolationLine::useStartInEnd(InterpolationLine* other) {
    return other && other->setEnd(start);
}

bool InterpolationLine::useEndInEnd(InterpolationLine* other) {
    return other && other->setEnd(end);
}

bool InterpolationLine::useEndInStart(InterpolationLine* other) {
    return other && other->setStart(end);
}

} // namespace animation
} // namespace zelk
