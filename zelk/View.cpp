#include "zelk/View.h"

#include "zelk/GU.h"
#include "zelk/ViewDrawing.h"
#include "zelk/collision/RectangleContact.h"
#include "zelk/shape/Rectangle2D.h"

namespace zelk {

using namespace viewDrawing;

View::View() : hide(false), mouseInside(false) {
    animatedFrame = frame;
}

View::View(rectf32 frame) : frame(frame), animatedFrame(frame), hide(false), mouseInside(false) {}

View::~View() {}

void View::draw(rectf32 outside) {
    if (hide) {
        return;
    }
    drawViewport(outside);
    drawCamera();
    GU::guUseMatrix(modelViewMatrix);
    GU::guPushMatrix();
    drawPolygon(outside);
    GU::guPopMatrix();
}

void View::load() {}

void View::unload() {}

void View::update(WindowEvents*) {}

bool View::contact(vec2f32 point, unsigned char state, vector::Stack<unsigned int>* buttons) {
    if (!pointInside(point)) {
        if (mouseInside) {
            eventMouseLeftView(relativeMousePos);
        }
        mouseInside = false;
        return false;
    }
    relativeMousePos = point - animatedFrame.origin;
    if (!mouseInside) {
        eventMouseEntryInsideView(relativeMousePos);
    }
    mouseInside = true;
    if (!buttons) {
        return true;
    }
    unsigned int count = buttons->size();
    if (state == 2 && count == 0) {
        eventMouseMoved(relativeMousePos, 0);
    }
    for (unsigned int i = 0; i < count; i++) {
        unsigned int button = buttons->get(i);
        switch (state) {
        case 0:
            eventMousePressed(relativeMousePos, button);
            break;
        case 1:
            eventMouseReleased(relativeMousePos, button);
            break;
        case 2:
            eventMouseMoved(relativeMousePos, button);
            break;
        default:
            break;
        }
    }
    return true;
}

void View::eventMousePressed(vec2f32, unsigned int) {}

void View::eventMouseMoved(vec2f32, unsigned int) {}

void View::eventMouseReleased(vec2f32, unsigned int) {}

void View::eventMouseEntryInsideView(vec2f32) {}

void View::eventMouseLeftView(vec2f32) {}

bool View::isLeaf() {
    return true;
}

bool View::isGU() {
    return false;
}

bool View::isButton() {
    return false;
}

void View::drawViewport(rectf32 outside) {
    GU::guUseMatrix(modelViewMatrix);
    viewport = viewportIn(outside, animatedFrame);
    GU::guSetViewport(static_cast<unsigned int>(toPixel(viewport.origin.x)),
                      static_cast<unsigned int>(toPixel(viewport.origin.y)),
                      static_cast<unsigned int>(toPixel(viewport.size.width)),
                      static_cast<unsigned int>(toPixel(viewport.size.height)));
    GU::guColor4f32(backgroundColor);
}

void View::drawCamera() {
    GU::guUseMatrix(projectionMatrix);
    GU::guLoadIdentity();
    GU::guUseOrtho(0, 1, 0, 1, -1, 1);
}

void View::drawPolygon(rectf32) {
    unitQuad();
}

void View::updateAnimations() {
    if (animationPosition.isPaused()) {
        return;
    }
    animatedFrame = frame;
    if (!animationPosition.isPlaying()) {
        return;
    }
    animationPosition.updateClockAnimation();
    bool haveX = false;
    bool haveY = false;
    float x = animationPosition.getClockX(&haveX);
    float y = haveX ? animationPosition.getClockY(&haveY) : 0.f;
    if (haveX && haveY) {
        animatedFrame.origin.x += x;
        animatedFrame.origin.y += y;
    }
}

bool View::pointInside(vec2f32 point) {
    shape::Rectangle2D rectangle;
    rectangle.setVertexPosition(0, animatedFrame.origin);
    rectangle.setVertexPosition(1, animatedFrame.origin.x + animatedFrame.size.width,
                                animatedFrame.origin.y + animatedFrame.size.height);
    return collision::RectangleContact::contactPoint(point, rectangle);
}

} // namespace zelk
