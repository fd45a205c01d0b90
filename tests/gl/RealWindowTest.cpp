// A real window on the X display the tests share: drawing read back before
// the flip, closing, sizes, textures loaded during the frame, and events sent
// to this one window (never to the shared keyboard or pointer).
#include <GL/glew.h>

#include "support/GLContext.h"
#include "support/ImageSupport.h"
#include "support/Pixels.h"
#include "support/TestSupport.h"
#include "support/ViewRecorder.h"
#include "support/XEvents.h"
#include "zelk/GU.h"
#include "zelk/Texture2DList.h"
#include "zelk/Window.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using zelk::color3f32;
using zelk::color4f32;
using zelk::GU;
using zelk::rectf32;
using zelk::size2ui32;
using zelk::Texture2DList;
using zelk::View;
using zelk::Window;
using zelk::test::bluePixel;
using zelk::test::getInteger;
using zelk::test::greenPixel;
using zelk::test::Journal;
using zelk::test::readPixels;
using zelk::test::Recorded;
using zelk::test::redPixel;

namespace {

// The fixture's own context keeps the display's OpenGL driver loaded beside
// the window's.
class RealWindow : public zelk::test::GLContextTest {
protected:
    void TearDown() override {
        Texture2DList::deleteAllTextures();
        GLContextTest::TearDown();
    }

    // Runs frames (events, views) until done() holds, for as long as events
    // may take to come through; generous, never a measure of speed.
    bool framesUntil(Window& window, const std::function<bool()>& done) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (std::chrono::steady_clock::now() < deadline) {
            window.loadEvents();
            window.updateViews();
            if (done()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
};

// A view whose update loads a texture from a file, each frame another
// filter, and keeps the codes.
class LoadingView : public View {
public:
    explicit LoadingView(std::string path) : path(std::move(path)) {}
    void update(zelk::WindowEvents*) override {
        unsigned int filter = codes.size() % 2 ? GL_LINEAR : GL_NEAREST;
        unsigned int code = Texture2DList::loadTexture(path.c_str(), filter);
        codes.push_back(code);
        valid.push_back(code != 0 && glIsTexture(code) == GL_TRUE);
    }
    std::string path;
    std::vector<unsigned int> codes;
    std::vector<bool> valid;
};

} // namespace

TEST_F(RealWindow, ARedRootViewIsReadBackBeforeTheFlip) {
    Window window;
    window.backgroundColor = color3f32(1.f, 0.f, 0.f);
    ASSERT_TRUE(window.createWindow(64, 48, "zelk", 5));
    EXPECT_TRUE(window.isOpened());
    EXPECT_EQ(size2ui32(64u, 48u), window.getSize());
    EXPECT_EQ(size2ui32(64u, 48u), window.getScreenSize());
    EXPECT_EQ(64u, window.getWidth());
    EXPECT_EQ(48u, window.getHeight());
    EXPECT_EQ(48.f, window.rootView.frame.size.height);
    EXPECT_TRUE(getInteger(GL_BLEND));
    View left(rectf32(0, 0, 16, 48));
    left.backgroundColor = color4f32(0.f, 1.f, 0.f, 1.f);
    window.addSubview(&left);

    window.updateViews();
    window.drawView();
    EXPECT_EQ(redPixel, readPixels(40, 24, 1, 1));
    EXPECT_EQ(redPixel, readPixels(63, 47, 1, 1));
    EXPECT_EQ(greenPixel, readPixels(0, 0, 1, 1));
    EXPECT_EQ(greenPixel, readPixels(15, 47, 1, 1));
    EXPECT_TRUE(window.flip());
    EXPECT_TRUE(window.render());
}

TEST_F(RealWindow, FlipShowsNothingWhileDrawing) {
    Window window;
    ASSERT_TRUE(window.createWindow(32, 32, "zelk", 1));
    EXPECT_TRUE(window.drawStart());
    EXPECT_FALSE(window.drawStart());
    EXPECT_FALSE(window.flip());
    EXPECT_TRUE(window.drawEnd());
    EXPECT_FALSE(window.drawEnd());
    EXPECT_TRUE(window.flip());
}

// GU remembers the matrix it selected last; a new window's context, and
// SFML's clearing, select the model-view matrix behind its back.
TEST_F(RealWindow, TheRememberedMatrixFollowsTheWindowsContext) {
    GU::guUseMatrix(GL_PROJECTION);
    Window window;
    window.backgroundColor = color3f32(0.f, 0.f, 1.f);
    ASSERT_TRUE(window.createWindow(32, 32, "zelk", 5));
    EXPECT_EQ(GL_MODELVIEW, getInteger(GL_MATRIX_MODE));
    EXPECT_TRUE(GU::guUsingMatrix(GL_MODELVIEW));

    GU::guUseMatrix(GL_PROJECTION);
    window.clean();
    EXPECT_EQ(bluePixel, readPixels(16, 16, 1, 1));
    EXPECT_EQ(GL_MODELVIEW, getInteger(GL_MATRIX_MODE));
    EXPECT_TRUE(GU::guUsingMatrix(GL_MODELVIEW));
}

TEST_F(RealWindow, AClosedWindowRefusesAndDrawsNothing) {
    Journal journal;
    Recorded<View> view("v", journal, rectf32(0, 0, 8, 8));
    Window window;
    ASSERT_TRUE(window.createWindow(32, 32, "zelk", 5));
    window.addSubview(&view);
    window.drawView();
    window.closeWindow();
    window.closeWindow();
    EXPECT_FALSE(window.isOpened());
    EXPECT_FALSE(window.flip());
    EXPECT_EQ(size2ui32(0u, 0u), window.getSize());
    EXPECT_EQ(size2ui32(0u, 0u), window.getScreenSize());
    EXPECT_FALSE(window.setWindowSize(32, 32));
    window.loadEvents();
    window.updateViews();
    window.drawView();
    EXPECT_EQ((Journal{"v load", "v draw", "v update"}), journal);

    ASSERT_TRUE(window.createWindow(40, 30, "again", 8));
    EXPECT_EQ(size2ui32(40u, 30u), window.getSize());
    ASSERT_TRUE(window.createWindow(20, 10, "replaced", 0));
    EXPECT_EQ(size2ui32(20u, 10u), window.getSize());
}

TEST_F(RealWindow, SizesOutsideTheWindowSystemsRangeAreRefused) {
    Window window;
    ASSERT_TRUE(window.createWindow(64, 48, "zelk", 7));
    EXPECT_FALSE(window.setWindowSize(0, 48));
    EXPECT_FALSE(window.setWindowSize(64, 40000));
    EXPECT_TRUE(window.isOpened());
    EXPECT_EQ(size2ui32(64u, 48u), window.getScreenSize());
    ASSERT_TRUE(window.setWindowSize(80, 60));
    EXPECT_EQ(size2ui32(80u, 60u), window.getSize());
    EXPECT_EQ(size2ui32(80u, 60u), window.getScreenSize());
    EXPECT_EQ(80.f, window.rootView.frame.size.width);
    EXPECT_EQ(60.f, window.rootView.frame.size.height);
    EXPECT_TRUE(window.setWindowPosition(5, 6));
    size2ui32 desktop = Window::getDesktopSize();
    EXPECT_EQ(size2ui32(1024u, 768u), desktop);
    EXPECT_EQ(24u, Window::getDesktopBitsPerPixel());
}

// The window's context stays current between frames: a texture loaded in a
// view's update gets a working code, also after a frame drawn without a flip.
TEST_F(RealWindow, TexturesLoadedDuringUpdateGetValidCodes) {
    zelk::test::TempDir folder;
    std::string path = folder.file("pixel.png");
    ASSERT_FALSE(zelk::test::writePNG(path, 1, 1, {9, 8, 7, 255}).empty());
    LoadingView view(path);
    Window window;
    ASSERT_TRUE(window.createWindow(32, 32, "zelk", 5));
    window.addSubview(&view);

    window.loadEvents();
    window.updateViews();
    window.drawView();
    window.loadEvents();
    window.updateViews();
    window.drawView();
    window.flip();
    window.loadEvents();
    window.updateViews();
    ASSERT_EQ(3u, view.codes.size());
    EXPECT_EQ((std::vector<bool>{true, true, true}), view.valid);
    EXPECT_NE(view.codes[0], view.codes[1]);
    EXPECT_EQ(view.codes[0], view.codes[2]);
}

TEST_F(RealWindow, KeysAndTheCloseButtonReachTheRecord) {
    Window window;
    ASSERT_TRUE(window.createWindow(64, 48, "zelk", 5));
    unsigned long handle = window.renderWindow->getSystemHandle();
    ASSERT_TRUE(zelk::test::sendKey(handle, true, XK_Escape));
    ASSERT_TRUE(zelk::test::sendKey(handle, false, XK_Return));
    unsigned int pressed = 0;
    unsigned int released = 0;
    EXPECT_TRUE(framesUntil(window, [&] {
        if (window.eventKeyPressed()) {
            pressed = window.eventGetKeyPressed(0);
            EXPECT_EQ(0u, window.eventGetKeyPressed(window.eventGetKeyPressedSize()));
        }
        if (window.eventKeyRelease()) {
            released = window.eventGetKeyRelease(0);
        }
        return pressed != 0 && released != 0;
    }));
    EXPECT_EQ(256u, pressed);
    EXPECT_EQ(278u, released);

    ASSERT_TRUE(zelk::test::sendClose(handle));
    EXPECT_TRUE(framesUntil(window, [&] { return window.eventButtonClose(); }));
    EXPECT_FALSE(window.eventButtonClose());
    EXPECT_TRUE(window.isOpened());
}
