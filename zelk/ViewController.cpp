#include "zelk/ViewController.h"

namespace zelk {

ViewController::ViewController() {}

ViewController::ViewController(rectf32 frame) : View(frame) {}

ViewController::~ViewController() {
    frame = rectf32();
}

void ViewController::draw(rectf32 outside) {
    View::draw(outside);
    if (hide) {
        return;
    }
    for (unsigned int i = 0; i < subviews.size(); i++) {
        View* view = subviews.get(i);
        if (view) {
            view->draw(viewport);
        }
    }
}

bool ViewController::contact(vec2f32 point, unsigned char state,
                             vector::Stack<unsigned int>* buttons) {
    bool taken = false;
    if (pointInside(point)) {
        vec2f32 inside = point - animatedFrame.origin;
        for (unsigned int i = subviews.size(); i-- > 0;) {
            View* view = subviews.get(i);
            if (!view) {
                continue;
            }
            if (!taken) {
                taken = view->contact(inside, state, buttons);
            } else if (view->isButton()) {
                view->contact(inside, state, buttons);
            }
        }
    }
    if (!taken) {
        taken = View::contact(point, state, buttons);
    }
    return taken;
}

bool ViewController::isLeaf() {
    return false;
}

bool ViewController::addSubview(View* view) {
    if (!view) {
        return false;
    }
    subviews.pushBack(view);
    view->load();
    return true;
}

bool ViewController::removeSubview(View* view) {
    uint32 id = getSubviewId(view);
    if (id >= getCount()) {
        return false;
    }
    subviews.remove(id);
    view->unload();
    return true;
}

uint32 ViewController::getCount() {
    return subviews.size();
}

View* ViewController::getSubview(unsigned long long position) {
    if (position >= getCount()) {
        return nullptr;
    }
    return subviews.get(static_cast<unsigned int>(position));
}

uint32 ViewController::getSubviewId(View* view) {
    uint32 count = getCount();
    if (view) {
        for (uint32 i = 0; i < count; i++) {
            if (subviews.get(i) == view) {
                return i;
            }
        }
    }
    return count + 1;
}

bool ViewController::haveSubview(View* view) {
    return getSubviewId(view) < getCount();
}

bool ViewController::bringSubviewIDUp(unsigned int id) {
    return subviews.bringPositionPlusOne(id);
}

bool ViewController::bringSubviewIDDown(unsigned int id) {
    return subviews.bringPositionMinusOne(id);
}

bool ViewController::bringSubviewUp(View* view) {
    return bringSubviewIDUp(getSubviewId(view));
}

bool ViewController::bringSubviewDown(View* view) {
    return bringSubviewIDDown(getSubviewId(view));
}

bool ViewController::bringSubviewIDToIDFront(unsigned int id, unsigned int target) {
    return subviews.bringPositionTo(id, target);
}

bool ViewController::bringSubviewToIDFront(View* view, unsigned int target) {
    return bringSubviewIDToIDFront(getSubviewId(view), target);
}

bool ViewController::bringSubviewToSubviewFront(View* view, View* other) {
    return bringSubviewIDToIDFront(getSubviewId(view), getSubviewId(other));
}

bool ViewController::bringSubviewIDToFront(unsigned int id) {
    uint32 count = getCount();
    return count > 0 && bringSubviewIDToIDFront(id, count - 1);
}

bool ViewController::bringSubviewToFront(View* view) {
    return bringSubviewIDToFront(getSubviewId(view));
}

bool ViewController::bringSubviewIDUp(unsigned int id, unsigned int times) {
    unsigned int target = id + times;
    return target >= id && bringSubviewIDToIDFront(id, target);
}

bool ViewController::bringSubviewUp(View* view, unsigned int times) {
    return bringSubviewIDUp(getSubviewId(view), times);
}

bool ViewController::bringSubviewIDDown(unsigned int id, unsigned int times) {
    return times <= id && bringSubviewIDToIDFront(id, id - times);
}

bool ViewController::bringSubviewDown(View* view, unsigned int times) {
    return bringSubviewIDDown(getSubviewId(view), times);
}

} // namespace zelk
