#include "zelk/Window.h"

#include "zelk/GU.h"
#include "zelk/WindowEventsLoader.h"
#include "zelk/WindowSystemInput.h"
#include "zelk/platform/DisplayHold.h"
#include "zelk/platform/GLDriver.h"
#include "zelk/platform/InputDevices.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Mouse.hpp>
#include <locale>

namespace zelk {

namespace {

// OpenGL's numbers for blending and the model-view matrix.
const unsigned int blend = 0x0BE2;
const unsigned int sourceAlpha = 0x0302;
const unsigned int oneMinusSourceAlpha = 0x0303;
const unsigned int modelViewMatrix = 0x1700;

// The largest side an X window can have: its coordinates are signed 16-bit.
const unsigned int largestSide = 32767;

bool sideFits(unsigned int side) {
    return side > 0 && side <= largestSide;
}

// The engine's style bits as SFML's: 1 title bar, 2 resizing and 4 close
// button are the same bits; 16 is full screen.
sf::Uint32 windowStyle(unsigned int style) {
    sf::Uint32 result = style & (sf::Style::Titlebar | sf::Style::Resize | sf::Style::Close);
    if (style & 16) {
        result |= sf::Style::Fullscreen;
    }
    return result;
}

// A colour component as a byte; out of range values give 0 or 255.
sf::Uint8 colorByte(float component) {
    float value = component * 255.f;
    if (!(value > 0.f)) {
        return 0;
    }
    return value >= 255.f ? 255 : static_cast<sf::Uint8>(value);
}

} // namespace

Window::Window()
    : lastMousePos(0, 0), hasFocus(true), mouseInside(false), mouseShown(true), windowShown(true),
      drawing(false) {
    events.clean();
}

Window::~Window() {
    events.clean();
}

bool Window::createWindow(unsigned int width, unsigned int height, char* title, unsigned int style,
                          unsigned int depth, unsigned int stencil, unsigned int antialiasing) {
    if (isOpened()) {
        closeWindow();
    }
    if (!title || !sideFits(width) || !sideFits(height)) {
        return false;
    }
    platform::DisplayHold display;
    if (!display.opened()) {
        return false;
    }
    if (!renderWindow) {
        renderWindow = std::make_unique<sf::RenderWindow>();
    }
    sf::ContextSettings settings(depth, stencil, antialiasing, 2, 0);
    renderWindow->create(sf::VideoMode(width, height, getDesktopBitsPerPixel()),
                         sf::String(title, std::locale()), windowStyle(style), settings);
    if (!renderWindow->isOpen()) {
        return false;
    }
    // The driver stays for the leak check at exit, after the window closed.
    platform::keepGLDriverLoaded();
    if (!inputDevices) {
        inputDevices = std::make_unique<platform::InputDevices>();
    }
    // A new context starts with the model-view matrix selected; this brings
    // the matrix GU remembers in line with it.
    GU::guUseMatrix(modelViewMatrix);
    setWindowSize(width, height);
    renderWindow->setVisible(windowShown);
    renderWindow->setMouseCursorVisible(mouseShown);
    renderWindow->setKeyRepeatEnabled(true);
    setWindowSize(width, height);
    GU::guEnable(blend);
    GU::guBlendFunc(sourceAlpha, oneMinusSourceAlpha);
    return true;
}

bool Window::createWindow(unsigned int width, unsigned int height, const char* title,
                          unsigned int style, unsigned int depth, unsigned int stencil,
                          unsigned int antialiasing) {
    return createWindow(width, height, const_cast<char*>(title), style, depth, stencil,
                        antialiasing);
}

bool Window::createWindow(unsigned int width, unsigned int height, char* title,
                          unsigned int style) {
    return createWindow(width, height, title, style, 24, 8, 0);
}

bool Window::createWindow(unsigned int width, unsigned int height, const char* title,
                          unsigned int style) {
    return createWindow(width, height, const_cast<char*>(title), style);
}

bool Window::isOpened() {
    return renderWindow && renderWindow->isOpen();
}

void Window::closeWindow() {
    GU::guDisable(blend);
    if (isOpened()) {
        renderWindow->close();
    }
}

void Window::clean() {
    if (!isOpened()) {
        return;
    }
    renderWindow->clear(sf::Color(colorByte(backgroundColor.r), colorByte(backgroundColor.g),
                                  colorByte(backgroundColor.b), 255));
    // SFML's clearing resets the texture matrix and selects the model-view
    // matrix behind GU's back.
    GU::guUseMatrix(modelViewMatrix);
}

bool Window::isShowing() {
    return windowShown;
}

bool Window::haveFocus() {
    return hasFocus;
}

uint32 Window::getViewCount() {
    return rootView.getCount();
}

bool Window::addSubview(View* view) {
    return rootView.addSubview(view);
}

View* Window::getSubview(unsigned long long position) {
    return rootView.getSubview(position);
}

uint32 Window::getSubviewId(View* view) {
    return rootView.getSubviewId(view);
}

bool Window::removeSubview(View* view) {
    return rootView.removeSubview(view);
}

void Window::windowRender(bool show) {
    if (isOpened()) {
        renderWindow->setVisible(show);
    }
    windowShown = show;
}

void Window::showWindow() {
    windowRender(true);
}

void Window::hideWindow() {
    windowRender(false);
}

void Window::mouseRender(bool show) {
    if (isOpened()) {
        renderWindow->setMouseCursorVisible(show);
    }
    mouseShown = show;
}

void Window::showMouse() {
    mouseRender(true);
}

void Window::hideMouse() {
    mouseRender(false);
}

bool Window::setMousePosition(vec2i32 position) {
    if (!isOpened()) {
        return false;
    }
    sf::Mouse::setPosition(sf::Vector2i(position.x, position.y), *renderWindow);
    lastMousePos = position;
    return true;
}

bool Window::setMousePosition(int x, int y) {
    return setMousePosition(vec2i32(x, y));
}

bool Window::setWindowPosition(vec2i32 position) {
    if (!isOpened()) {
        return false;
    }
    renderWindow->setPosition(sf::Vector2i(position.x, position.y));
    return true;
}

bool Window::setWindowPosition(int x, int y) {
    return setWindowPosition(vec2i32(x, y));
}

bool Window::setWindowSize(size2ui32 size) {
    if (!isOpened() || !sideFits(size.width) || !sideFits(size.height)) {
        return false;
    }
    windowSize = size;
    renderWindow->setSize(sf::Vector2u(size.width, size.height));
    updateViewSize();
    return true;
}

bool Window::setWindowSize(unsigned int width, unsigned int height) {
    return setWindowSize(size2ui32(width, height));
}

void Window::updateViewSize() {
    size2ui32 size = getScreenSize();
    rootView.frame = rectf32(0u, 0u, size.width, size.height);
}

size2ui32 Window::getSize() {
    return isOpened() ? windowSize : size2ui32(0u, 0u);
}

size2ui32 Window::getScreenSize() {
    if (!isOpened()) {
        return size2ui32(0u, 0u);
    }
    sf::Vector2u size = renderWindow->getSize();
    return size2ui32(size.x, size.y);
}

uint32 Window::getWidth() {
    return getScreenSize().width;
}

uint32 Window::getHeight() {
    return getScreenSize().height;
}

size2ui32 Window::getDesktopSize() {
    platform::DisplayHold display;
    if (!display.opened()) {
        return size2ui32(0u, 0u);
    }
    sf::VideoMode mode = sf::VideoMode::getDesktopMode();
    return size2ui32(mode.width, mode.height);
}

uint32 Window::getDesktopBitsPerPixel() {
    platform::DisplayHold display;
    return display.opened() ? sf::VideoMode::getDesktopMode().bitsPerPixel : 0;
}

void Window::cleanEvents() {
    events.clean();
}

void Window::loadEvents() {
    cleanEvents();
    if (!isOpened()) {
        return;
    }
    WindowInputFields fields{events, lastMousePos, hasFocus, mouseInside, windowSize};
    SFMLWindowInput system(*renderWindow, inputDevices.get());
    sf::Event event;
    while (renderWindow->pollEvent(event)) {
        if (WindowEventsLoader::loadEvent(event, fields, system)) {
            updateViewSize();
        }
    }
    WindowEventsLoader::endPoll(fields, system);
}

void Window::updateViews() {
    vec2f32 point(events.mousePos.x, events.mousePos.y);
    if (events.mousePressed.size() > 0) {
        rootView.contact(point, 0, &events.mousePressed);
    }
    if (events.mouseMoved) {
        rootView.contact(point, 2, &events.mouseMovedButtons);
    }
    if (events.mouseRelease.size() > 0) {
        rootView.contact(point, 1, &events.mouseRelease);
    }
    updateView(&rootView);
}

void Window::updateView(View* view) {
    if (!view) {
        return;
    }
    view->update(&events);
    view->updateAnimations();
    ViewController* controller = view->isLeaf() ? nullptr : dynamic_cast<ViewController*>(view);
    if (!controller) {
        return;
    }
    for (uint32 i = 0; i < controller->getCount(); i++) {
        updateView(controller->getSubview(i));
    }
}

bool Window::drawStart() {
    if (drawing || !isOpened()) {
        return false;
    }
    renderWindow->setActive(true);
    drawing = true;
    return true;
}

bool Window::drawEnd() {
    if (!drawing || !isOpened()) {
        return false;
    }
    drawing = false;
    return true;
}

void Window::drawView() {
    if (!isOpened()) {
        return;
    }
    drawStart();
    GU::guLoadIdentity();
    rootView.backgroundColor =
        color4f32(backgroundColor.r, backgroundColor.g, backgroundColor.b, 1.f);
    rootView.draw(rootView.frame);
    drawEnd();
}

bool Window::flip() {
    if (!isOpened() || drawing) {
        return false;
    }
    renderWindow->display();
    return true;
}

bool Window::render() {
    return flip();
}

void Window::mousePressView(ViewController*, vec2i32, vector::Stack<unsigned int> buttons) {
    buttons.cantDestroy();
}

void Window::mouseReleaseView(ViewController*, vec2i32, vector::Stack<unsigned int> buttons) {
    buttons.cantDestroy();
}

} // namespace zelk
