#include "zelk/WindowEventsLoader.h"

#include "support/GLContext.h"
#include "support/XEvents.h"

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Window.hpp>
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using zelk::size2ui32;
using zelk::vec2i32;

namespace {

// The fixture's context keeps the display's OpenGL driver loaded beside the
// window's own context.
class RealWindow : public zelk::test::GLContextTest {};

} // namespace

// A real SFML window on the X display: its events pass through the loader
// with SFML itself answering for the window.
TEST_F(RealWindow, EventsReachTheRecordThroughTheLoader) {
    sf::Window window(sf::VideoMode(320, 240), "input", sf::Style::Titlebar | sf::Style::Close);
    ASSERT_TRUE(window.isOpen());
    zelk::SFMLWindowInput system(window);
    EXPECT_EQ(size2ui32(320u, 240u), system.getWindowSize());
    EXPECT_FALSE(system.isKeyDown(-1));
    EXPECT_FALSE(system.isKeyDown(sf::Keyboard::KeyCount));
    EXPECT_FALSE(system.isMouseButtonDown(sf::Mouse::ButtonCount));

    zelk::WindowEvents events;
    vec2i32 lastMousePos;
    bool hasFocus = true;
    bool mouseInside = false;
    size2ui32 windowSize(320u, 240u);
    zelk::WindowInputFields fields{events, lastMousePos, hasFocus, mouseInside, windowSize};

    ASSERT_TRUE(zelk::test::sendKey(window.getSystemHandle(), true, XK_Escape));
    ASSERT_TRUE(zelk::test::sendKey(window.getSystemHandle(), false, XK_Escape));
    // Frames until both events have come through; generous, never a measure
    // of speed.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    unsigned int pressed = 0;
    unsigned int released = 0;
    while ((pressed == 0 || released == 0) && std::chrono::steady_clock::now() < deadline) {
        events.clean();
        sf::Event event;
        while (window.pollEvent(event)) {
            zelk::WindowEventsLoader::loadEvent(event, fields, system);
        }
        zelk::WindowEventsLoader::endPoll(fields, system);
        for (unsigned int i = 0; i < events.keyPressed.size(); ++i) {
            pressed = events.keyPressed[i];
        }
        for (unsigned int i = 0; i < events.keyRelease.size(); ++i) {
            released = events.keyRelease[i];
        }
        EXPECT_EQ(lastMousePos, events.mousePos);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(256u, pressed);
    EXPECT_EQ(256u, released);
    EXPECT_EQ(size2ui32(320u, 240u), windowSize);
}
