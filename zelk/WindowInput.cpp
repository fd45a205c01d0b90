#include "zelk/Window.h"

// The readers of this frame's input record.

namespace zelk {

namespace {

// The code at a position of a list; 0 when the position is not below its
// size.
uint32 codeAt(vector::Stack<unsigned int>& list, unsigned int position) {
    return position < list.size() ? list.get(position) : 0;
}

} // namespace

bool Window::eventButtonClose() {
    bool close = events.windowClose;
    events.windowClose = false;
    return close;
}

bool Window::eventLostFocus() {
    return events.windowLostFocus;
}

bool Window::eventGainedFocus() {
    return events.windowGainedFocus;
}

bool Window::eventResizeWindow() {
    return events.windowResize;
}

size2i32 Window::getResize() {
    return events.resizeDelta;
}

bool Window::eventKeyPressed() {
    return events.keyPressed.size() > 0;
}

bool Window::eventKeyRelease() {
    return events.keyRelease.size() > 0;
}

bool Window::eventKeyHolded() {
    return events.keyHolded.size() > 0;
}

uint32 Window::eventGetKeyPressedSize() {
    return events.keyPressed.size();
}

uint32 Window::eventGetKeyReleaseSize() {
    return events.keyRelease.size();
}

uint32 Window::eventGetKeyHoldedSize() {
    return events.keyHolded.size();
}

uint32 Window::eventGetKeyPressed(unsigned int position) {
    return codeAt(events.keyPressed, position);
}

uint32 Window::eventGetKeyRelease(unsigned int position) {
    return codeAt(events.keyRelease, position);
}

uint32 Window::eventGetKeyHolded(unsigned int position) {
    return codeAt(events.keyHolded, position);
}

bool Window::eventMousePressed() {
    return events.mousePressed.size() > 0;
}

bool Window::eventMouseRelease() {
    return events.mouseRelease.size() > 0;
}

bool Window::eventMouseHolded() {
    return events.mouseHolded.size() > 0;
}

uint32 Window::eventGetMousePressedSize() {
    return events.mousePressed.size();
}

uint32 Window::eventGetMouseReleaseSize() {
    return events.mouseRelease.size();
}

uint32 Window::eventGetMouseHoldedSize() {
    return events.mouseHolded.size();
}

uint32 Window::eventGetMousePressed(unsigned int position) {
    return codeAt(events.mousePressed, position);
}

uint32 Window::eventGetMouseRelease(unsigned int position) {
    return codeAt(events.mouseRelease, position);
}

uint32 Window::eventGetMouseHolded(unsigned int position) {
    return codeAt(events.mouseHolded, position);
}

bool Window::eventMouseMoved() {
    return events.mouseMoved;
}

vec2i32 Window::eventGetMouseMoved() {
    return events.mouseMove;
}

vec2i32 Window::getMousePos() {
    return events.mousePos;
}

bool Window::eventMouseEnter() {
    return events.mouseEnter;
}

bool Window::eventMouseExit() {
    return events.mouseExit;
}

int32 Window::getMouseScrollWheel() {
    return events.mouseScrollWheel;
}

} // namespace zelk
