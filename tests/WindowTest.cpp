// The window without opening it: what a closed window answers, the frame's
// contact and update walk over a record filled by hand, and the readers of
// the record. Nothing here needs an X display.
#include "zelk/Window.h"

#include "support/ViewRecorder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using zelk::rectf32;
using zelk::size2i32;
using zelk::size2ui32;
using zelk::vec2i32;
using zelk::View;
using zelk::ViewController;
using zelk::Window;
using zelk::WindowEvents;
using zelk::test::Journal;
using zelk::test::Recorded;

// SFML ends the process when it finds no display; the window answers false
// instead. The check runs in a child whose DISPLAY is unset, so it holds
// whether or not the tests themselves run on a display.
TEST(WindowHeadless, CreatingWithoutADisplayAnswersFalse) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        unsetenv("DISPLAY");
        int faults = 0;
        {
            Window window;
            faults += window.createWindow(800, 600, "Jorvell", 5);
            faults += window.isOpened();
            faults += Window::getDesktopSize().width != 0;
            faults += Window::getDesktopBitsPerPixel() != 0;
            window.loadEvents();
            window.updateViews();
            window.drawView();
            faults += window.flip();
            window.closeWindow();
        }
        _exit(faults);
    }
    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    ASSERT_TRUE(WIFEXITED(status)) << "the child ended by signal " << WTERMSIG(status);
    EXPECT_EQ(0, WEXITSTATUS(status));
}

TEST(ClosedWindow, AnswersFalseAndZeroAndRemembersVisibility) {
    Window window;
    EXPECT_FALSE(window.isOpened());
    EXPECT_FALSE(window.createWindow(800, 600, static_cast<const char*>(nullptr), 5));
    EXPECT_FALSE(window.createWindow(0, 600, "zero", 5));
    EXPECT_FALSE(window.createWindow(800, 0, "zero", 5));
    EXPECT_FALSE(window.createWindow(40000, 600, "too wide", 5));
    EXPECT_EQ(size2ui32(0u, 0u), window.getSize());
    EXPECT_EQ(size2ui32(0u, 0u), window.getScreenSize());
    EXPECT_EQ(0u, window.getWidth());
    EXPECT_EQ(0u, window.getHeight());
    EXPECT_FALSE(window.setWindowSize(100, 100));
    EXPECT_FALSE(window.setMousePosition(1, 1));
    EXPECT_FALSE(window.setWindowPosition(1, 1));
    EXPECT_FALSE(window.drawStart());
    EXPECT_FALSE(window.drawEnd());
    EXPECT_FALSE(window.flip());
    EXPECT_FALSE(window.render());
    EXPECT_TRUE(window.haveFocus());
    EXPECT_TRUE(window.isShowing());
    window.hideWindow();
    window.hideMouse();
    EXPECT_FALSE(window.isShowing());
    EXPECT_FALSE(window.mouseShown);
    window.showWindow();
    window.showMouse();
    EXPECT_TRUE(window.isShowing());
    EXPECT_TRUE(window.mouseShown);
    window.clean();
    window.closeWindow();
}

TEST(ClosedWindow, DrawsNothing) {
    Journal journal;
    Recorded<View> view("v", journal, rectf32(0, 0, 10, 10));
    Window window;
    window.addSubview(&view);
    window.drawView();
    EXPECT_EQ((Journal{"v load"}), journal);
}

namespace {

// A window's tree: the root sized 400 by 300 (its animated frame caught up),
// holding view v at (100, 50), 200 by 100.
class WindowFrame : public ::testing::Test {
protected:
    WindowFrame() : view("v", journal, rectf32(100, 50, 200, 100)) {
        window.rootView.frame = rectf32(0, 0, 400, 300);
        window.rootView.updateAnimations();
        EXPECT_TRUE(window.addSubview(&view));
        journal.clear();
    }

    Journal journal;
    Recorded<View> view;
    Window window;
};

// A controller that, in its update, swaps child out for child in.
class Swapping : public ViewController {
public:
    Swapping(View* out, View* in) : out(out), in(in) {}
    void update(WindowEvents*) override {
        removeSubview(out);
        addSubview(in);
    }
    View* out;
    View* in;
};

} // namespace

TEST_F(WindowFrame, ContactsReachTheTreeAsPressMoveReleaseThenTheViewsUpdate) {
    window.events.mousePos = vec2i32(130, 70);
    window.events.mousePressed.pushBack(1);
    window.events.mouseMoved = true;
    window.events.mouseRelease.pushBack(1);
    window.updateViews();
    EXPECT_EQ((Journal{"v enter 30,20", "v press 30,20 1", "v move 30,20 0", "v release 30,20 1",
                       "v update"}),
              journal);
}

TEST_F(WindowFrame, AFrameWithoutMouseEventsOnlyUpdates) {
    window.events.mousePos = vec2i32(130, 70);
    window.updateViews();
    EXPECT_EQ((Journal{"v update"}), journal);
    EXPECT_FALSE(view.mouseInside);
}

TEST_F(WindowFrame, EachViewIsUpdatedBeforeTheChildrenItHasThen) {
    Recorded<View> in("in", journal);
    Recorded<Swapping> swapping("s", journal, &view, &in);
    window.removeSubview(&view);
    window.addSubview(&swapping);
    swapping.addSubview(&view);
    Recorded<View> last("last", journal);
    window.addSubview(&last);
    EXPECT_EQ(2u, window.getViewCount());
    EXPECT_EQ(&last, window.getSubview(1));
    EXPECT_EQ(1u, window.getSubviewId(&last));
    journal.clear();
    window.updateViews();
    EXPECT_EQ((Journal{"s update", "v unload", "in load", "in update", "last update"}), journal);
    window.updateView(nullptr);
}

TEST(WindowRecord, ReadersAnswerThisFramesInput) {
    Window window;
    WindowEvents& events = window.events;
    events.windowClose = true;
    events.windowLostFocus = true;
    events.windowResize = true;
    events.resizeDelta = size2i32(3, -4);
    events.keyPressed.pushBack(256);
    events.keyRelease.pushBack(97);
    events.keyRelease.pushBack(256);
    events.mousePressed.pushBack(1);
    events.mouseHolded.pushBack(3);
    events.mouseMoved = true;
    events.mouseMove = vec2i32(-2, 5);
    events.mousePos = vec2i32(7, 8);
    events.mouseEnter = true;
    events.mouseScrollWheel = -1;

    EXPECT_TRUE(window.eventButtonClose());
    EXPECT_FALSE(window.eventButtonClose());
    EXPECT_TRUE(window.eventLostFocus());
    EXPECT_FALSE(window.eventGainedFocus());
    EXPECT_TRUE(window.eventResizeWindow());
    EXPECT_EQ(size2i32(3, -4), window.getResize());
    EXPECT_TRUE(window.eventKeyPressed());
    EXPECT_TRUE(window.eventKeyRelease());
    EXPECT_FALSE(window.eventKeyHolded());
    EXPECT_EQ(1u, window.eventGetKeyPressedSize());
    EXPECT_EQ(2u, window.eventGetKeyReleaseSize());
    EXPECT_EQ(0u, window.eventGetKeyHoldedSize());
    EXPECT_EQ(256u, window.eventGetKeyPressed(0));
    EXPECT_EQ(0u, window.eventGetKeyPressed(1));
    EXPECT_EQ(256u, window.eventGetKeyRelease(1));
    EXPECT_EQ(0u, window.eventGetKeyHolded(0));
    EXPECT_TRUE(window.eventMousePressed());
    EXPECT_FALSE(window.eventMouseRelease());
    EXPECT_TRUE(window.eventMouseHolded());
    EXPECT_EQ(1u, window.eventGetMousePressedSize());
    EXPECT_EQ(0u, window.eventGetMouseReleaseSize());
    EXPECT_EQ(1u, window.eventGetMouseHoldedSize());
    EXPECT_EQ(1u, window.eventGetMousePressed(0));
    EXPECT_EQ(0u, window.eventGetMouseRelease(0));
    EXPECT_EQ(3u, window.eventGetMouseHolded(0));
    EXPECT_EQ(0u, window.eventGetMouseHolded(1));
    EXPECT_TRUE(window.eventMouseMoved());
    EXPECT_EQ(vec2i32(-2, 5), window.eventGetMouseMoved());
    EXPECT_EQ(vec2i32(7, 8), window.getMousePos());
    EXPECT_TRUE(window.eventMouseEnter());
    EXPECT_FALSE(window.eventMouseExit());
    EXPECT_EQ(-1, window.getMouseScrollWheel());

    // A closed window has no queue: a new frame only cleans the record.
    window.loadEvents();
    EXPECT_FALSE(window.eventKeyPressed());
    EXPECT_EQ(vec2i32(0, 0), window.getMousePos());
    EXPECT_TRUE(events.windowFocus);
}

// The hooks take their list by value: the copy shares the list's blocks and
// must leave them to it.
TEST(WindowRecord, TheMouseHooksLeaveTheListTheyWereGivenIntact) {
    Window window;
    window.events.mousePressed.pushBack(2);
    window.mousePressView(&window.rootView, vec2i32(1, 1), window.events.mousePressed);
    window.mouseReleaseView(&window.rootView, vec2i32(1, 1), window.events.mousePressed);
    EXPECT_EQ(1u, window.eventGetMousePressedSize());
    EXPECT_EQ(2u, window.eventGetMousePressed(0));
}
