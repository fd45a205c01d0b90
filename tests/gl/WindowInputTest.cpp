// The real keyboard and pointer, driven through XTest, reaching a window's
// input record and its views. XTest input goes to the whole X server, so this
// program runs on a private server of its own (one per test under CTest).
#include <GL/glew.h>

#include "support/GLContext.h"
#include "support/ViewRecorder.h"
#include "support/XEvents.h"
#include "zelk/Window.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

using zelk::rectf32;
using zelk::vec2i32;
using zelk::View;
using zelk::Window;
using zelk::test::Journal;
using zelk::test::Recorded;
using zelk::test::XTestInput;

namespace {

bool holds(zelk::vector::Stack<unsigned int>& list, unsigned int code) {
    for (unsigned int i = 0; i < list.size(); i++) {
        if (list.get(i) == code) {
            return true;
        }
    }
    return false;
}

// A 200 by 150 window at (100, 80) on a private server, with a recorded view
// v at (20, 20), 100 by 60, and the pointer inside v at window pixel
// (50, 40).
class WindowInput : public zelk::test::GLContextTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(zelk::test::usePrivateXServer()) << "Xvfb did not start";
        GLContextTest::SetUp();
        input = std::make_unique<XTestInput>();
        ASSERT_TRUE(input->ready()) << "no XTest on " << std::getenv("DISPLAY");
        window = std::make_unique<Window>();
        ASSERT_TRUE(window->createWindow(200, 150, "input", 5));
        ASSERT_TRUE(window->setWindowPosition(100, 80));
        view = std::make_unique<Recorded<View>>("v", journal, rectf32(20, 20, 100, 60));
        window->addSubview(view.get());
        // One frame first, so the root view covers the window.
        frame();
        ASSERT_TRUE(pointTo(50, 40));
        ASSERT_TRUE(framesUntil([&] { return window->getMousePos() == vec2i32(50, 40); }));
    }

    void TearDown() override {
        view.reset();
        window.reset();
        GLContextTest::TearDown();
    }

    void frame() {
        window->loadEvents();
        window->updateViews();
        if (window->eventMouseMoved()) {
            moved = true;
        }
    }

    // Runs frames until done() holds, for as long as input may take to come
    // through; generous, never a measure of speed.
    bool framesUntil(const std::function<bool()>& done) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (std::chrono::steady_clock::now() < deadline) {
            frame();
            if (done()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    // The pointer to a pixel of the window.
    bool pointTo(int x, int y) {
        sf::Vector2i origin = window->renderWindow->getPosition();
        return input->moveTo(origin.x + x, origin.y + y);
    }

    // The journal's lines other than updates, in order.
    Journal contacts() {
        Journal lines;
        std::copy_if(journal.begin(), journal.end(), std::back_inserter(lines),
                     [](const std::string& line) { return line != "v update"; });
        return lines;
    }

    std::unique_ptr<XTestInput> input;
    std::unique_ptr<Window> window;
    Journal journal;
    std::unique_ptr<Recorded<View>> view;
    bool moved = false;
};

} // namespace

TEST_F(WindowInput, ThePointerMovedIntoTheWindowWhichHasTheFocus) {
    EXPECT_TRUE(moved);
    EXPECT_TRUE(window->haveFocus());
}

TEST_F(WindowInput, AKeyIsPressedHeldAndReleased) {
    zelk::WindowEvents& events = window->events;
    ASSERT_TRUE(input->key(XK_a, true));
    bool pressed = false;
    EXPECT_TRUE(framesUntil([&] {
        pressed = pressed || holds(events.keyPressed, 'a');
        return pressed && holds(events.keyHolded, 'a');
    }));
    frame();
    EXPECT_TRUE(holds(events.keyHolded, 'a'));
    EXPECT_FALSE(holds(events.keyRelease, 'a'));

    ASSERT_TRUE(input->key(XK_a, false));
    EXPECT_TRUE(framesUntil([&] { return holds(events.keyRelease, 'a'); }));
    EXPECT_FALSE(holds(events.keyHolded, 'a'));
}

TEST_F(WindowInput, EscapePressedAndReleasedIsNeverHeld) {
    zelk::WindowEvents& events = window->events;
    ASSERT_TRUE(input->key(XK_Escape, true));
    ASSERT_TRUE(input->key(XK_Escape, false));
    bool pressed = false;
    EXPECT_TRUE(framesUntil([&] {
        pressed = pressed || holds(events.keyPressed, 256);
        return pressed && holds(events.keyRelease, 256);
    }));
    EXPECT_FALSE(holds(events.keyHolded, 256));

    ASSERT_TRUE(input->key(XK_Left, true));
    EXPECT_TRUE(framesUntil([&] { return holds(events.keyHolded, 291); }));
    ASSERT_TRUE(input->key(XK_Left, false));
    EXPECT_TRUE(framesUntil([&] { return holds(events.keyRelease, 291); }));
}

TEST_F(WindowInput, ButtonsReachTheRecordAndTheViewUnderThePointer) {
    zelk::WindowEvents& events = window->events;
    ASSERT_TRUE(input->button(1, true));
    bool pressed = false;
    EXPECT_TRUE(framesUntil([&] {
        pressed = pressed || holds(events.mousePressed, 1);
        return pressed && holds(events.mouseHolded, 1);
    }));
    ASSERT_TRUE(input->button(1, false));
    EXPECT_TRUE(framesUntil([&] { return holds(events.mouseRelease, 1); }));
    EXPECT_FALSE(holds(events.mouseHolded, 1));

    ASSERT_TRUE(input->button(3, true));
    EXPECT_TRUE(framesUntil([&] { return holds(events.mouseHolded, 2); }));
    ASSERT_TRUE(input->button(3, false));
    EXPECT_TRUE(framesUntil([&] { return holds(events.mouseRelease, 2); }));

    ASSERT_TRUE(pointTo(150, 100));
    EXPECT_TRUE(framesUntil([&] { return !view->mouseInside; }));
    EXPECT_EQ(
        (Journal{"v load", "v enter 30,20", "v move 30,20 0", "v press 30,20 1",
                 "v release 30,20 1", "v press 30,20 2", "v release 30,20 2", "v leave 30,20"}),
        contacts());
}

TEST_F(WindowInput, TheWheelAndThePointersMovesReachTheRecord) {
    zelk::WindowEvents& events = window->events;
    ASSERT_TRUE(input->button(5, true));
    ASSERT_TRUE(input->button(5, false));
    EXPECT_TRUE(framesUntil([&] { return events.mouseScrollWheel == -1; }));
    ASSERT_TRUE(input->button(4, true));
    ASSERT_TRUE(input->button(4, false));
    EXPECT_TRUE(framesUntil([&] { return events.mouseScrollWheel == 1; }));
    EXPECT_FALSE(holds(events.mousePressed, 4));

    ASSERT_TRUE(pointTo(60, 70));
    EXPECT_TRUE(framesUntil([&] { return window->getMousePos() == vec2i32(60, 70); }));
    EXPECT_EQ(vec2i32(60, 70), window->lastMousePos);
    sf::Vector2i origin = window->renderWindow->getPosition();
    EXPECT_EQ(vec2i32(origin.x + 60, origin.y + 70), events.mousePosDesktop);

    ASSERT_TRUE(pointTo(500, 500));
    EXPECT_TRUE(framesUntil([&] { return events.mouseExit; }));
    EXPECT_FALSE(window->mouseInside);
}

TEST_F(WindowInput, SettingThePointerMovesTheRealOne) {
    ASSERT_TRUE(window->setMousePosition(vec2i32(70, 30)));
    EXPECT_EQ(vec2i32(70, 30), window->lastMousePos);
    EXPECT_TRUE(framesUntil([&] { return window->getMousePos() == vec2i32(70, 30); }));
}
