#include "zelk/ViewButton.h"

#include "zelk/embedded/BuiltInImages.h"

#include <vector>

namespace zelk {

namespace {

const unsigned int linearFilter = 0x2601;
const double defaultBorder = 20.0;
const double borderForZero = 50.0;

} // namespace

ViewButton::ViewButton() : ViewButton(rectf32()) {}

ViewButton::ViewButton(rectf32 frame)
    : ViewSprite(frame), insideButton(false), spritePressed(0), spriteUp(0), symbol(0),
      symbolPressed(0), symbolUp(0), symbolSize(0u, 0u), state(0), enabled(true),
      insideScale(1.f, 1.f), callback(nullptr), borderSize(defaultBorder) {
    loadSpriteFromMemory(ZELKButtonNormalTemplateName, ZELKButtonNormalTemplate,
                         ZELKButtonNormalTemplateSize, linearFilter);
    loadSpriteUpFromMemory(ZELKButtonUpTemplateName, ZELKButtonUpTemplate, ZELKButtonUpTemplateSize,
                           linearFilter);
    loadSpritePressedFromMemory(ZELKButtonPressedTemplateName, ZELKButtonPressedTemplate,
                                ZELKButtonPressedTemplateSize, linearFilter);
}

ViewButton::~ViewButton() {
    deleteAllSprites();
    deleteAllSymbols();
    deleteButtonText();
}

void ViewButton::update(WindowEvents* events) {
    View::update(events);
    if (!events) {
        return;
    }
    if (!insideButton && events->mouseRelease.size() > 0) {
        for (unsigned int i = 0; i < events->mouseRelease.size(); i++) {
            unsigned int button = events->mouseRelease.get(i);
            if (holdButtons.haveElement(button)) {
                eventMouseReleased(vec2f32(-1.f, -1.f), button);
            }
        }
        holdButtons.clean();
    }
    if (!insideButton) {
        return;
    }
    // Taken first: a listener may press or release on the button.
    std::vector<unsigned int> held;
    for (unsigned int i = 0; i < holdButtons.size(); i++) {
        held.push_back(holdButtons.getElementInPosition(i));
    }
    for (unsigned int button : held) {
        eventHoldButton(button);
        if (callback) {
            callback->holdButton(this, button);
        }
    }
}

void ViewButton::eventMousePressed(vec2f32, unsigned int button) {
    if (!enabled) {
        return;
    }
    state = 1;
    holdButtons.add(button);
    eventPressButton(button);
    if (callback) {
        callback->pressButton(this, button);
    }
}

void ViewButton::eventMouseMoved(vec2f32, unsigned int) {
    if (!enabled) {
        return;
    }
    state = holdButtons.size() == 0 ? 2 : 1;
}

void ViewButton::eventMouseReleased(vec2f32 point, unsigned int button) {
    if (!enabled) {
        return;
    }
    if (holdButtons.haveElement(button)) {
        reportRelease(button, point.x >= 0.f);
    }
    holdButtons.remove(button);
    if (holdButtons.size() == 0) {
        state = insideButton ? 2 : 0;
    }
}

void ViewButton::reportRelease(unsigned int button, bool inside) {
    eventReleaseButton(button, inside);
    if (callback) {
        callback->releaseButton(this, button, inside);
    }
}

void ViewButton::eventMouseEntryInsideView(vec2f32) {
    if (!enabled) {
        return;
    }
    insideButton = true;
    state = holdButtons.size() == 0 ? 2 : 1;
}

void ViewButton::eventMouseLeftView(vec2f32) {
    if (!enabled) {
        return;
    }
    insideButton = false;
    state = 0;
}

bool ViewButton::isButton() {
    return true;
}

void ViewButton::eventPressButton(unsigned int) {}

void ViewButton::eventReleaseButton(unsigned int, bool) {}

void ViewButton::eventHoldButton(unsigned int) {}

bool ViewButton::setBorderSize(unsigned int size) {
    borderSize = size != 0 ? size : borderForZero;
    return size != 0;
}

bool ViewButton::setCallback(ButtonCallback* callback) {
    if (!callback) {
        return false;
    }
    this->callback = callback;
    return true;
}

void ViewButton::removeCallback() {
    callback = nullptr;
}

void ViewButton::scaleInside(size2f32 scale) {
    insideScale = scale;
}

void ViewButton::scaleInside(float width, float height) {
    insideScale = size2f32(width, height);
}

void ViewButton::setState(unsigned char state) {
    this->state = state;
}

void ViewButton::on() {
    enabled = true;
}

void ViewButton::off() {
    enabled = false;
}

bool ViewButton::isOn() {
    return enabled;
}

bool ViewButton::addButtonText(char* label) {
    return text.createStringMap(label);
}

bool ViewButton::addButtonText(const char* label) {
    return text.createStringMap(label);
}

bool ViewButton::loadFontImage(char* name, unsigned int filter, color4f32 color) {
    return text.loadFontImage(name, filter, color);
}

bool ViewButton::loadFontImage(const char* name, unsigned int filter, color4f32 color) {
    return text.loadFontImage(name, filter, color);
}

bool ViewButton::loadFontImageFromMemory(char* name, unsigned char* data, unsigned int size,
                                         unsigned int filter, color4f32 color) {
    return text.loadFontImageFromMemory(name, data, size, filter, color);
}

bool ViewButton::loadFontImageFromMemory(const char* name, unsigned char* data, unsigned int size,
                                         unsigned int filter, color4f32 color) {
    return text.loadFontImageFromMemory(name, data, size, filter, color);
}

void ViewButton::deleteButtonText() {
    text.deleteMap();
}

} // namespace zelk
