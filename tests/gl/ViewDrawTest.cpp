// Views drawn into a real OpenGL context of 64 by 64 pixels, read back.
#include <GL/glew.h>

#include "support/GLContext.h"
#include "support/ImageSupport.h"
#include "support/Pixels.h"
#include "support/TestSupport.h"
#include "support/TextureListProbe.h"
#include "support/ViewRecorder.h"
#include "zelk/GU.h"
#include "zelk/GU_GLSL.h"
#include "zelk/ViewGU2D.h"
#include "zelk/ViewGU2DTexture.h"
#include "zelk/ViewSprite.h"
#include "zelk/ViewSpriteController.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using zelk::color4f32;
using zelk::GU;
using zelk::GU_GLSL;
using zelk::rectf32;
using zelk::size2ui32;
using zelk::vec2f32;
using zelk::View;
using zelk::ViewController;
using zelk::ViewGU;
using zelk::ViewGU2D;
using zelk::ViewGU2DTexture;
using zelk::ViewSprite;
using zelk::ViewSpriteController;
using zelk::test::blackPixel;
using zelk::test::bluePixel;
using zelk::test::Bytes;
using zelk::test::getInteger;
using zelk::test::greenPixel;
using zelk::test::Journal;
using zelk::test::Pixel;
using zelk::test::Recorded;
using zelk::test::redPixel;
using zelk::test::whitePixel;
using zelk::test::yellowPixel;

namespace {

const color4f32 redColor(1.f, 0.f, 0.f, 1.f);
const color4f32 greenColor(0.f, 1.f, 0.f, 1.f);
const color4f32 blueColor(0.f, 0.f, 1.f, 1.f);
const color4f32 blackColor(0.f, 0.f, 0.f, 1.f);

// The whole context, as the window gives its root view.
const rectf32 screen(0, 0, 64, 64);

class ViewDrawTest : public zelk::test::GLContextTest {
protected:
    void SetUp() override {
        GLContextTest::SetUp();
        zelk::test::unitProjection();
    }
    void TearDown() override {
        zelk::Texture2DList::deleteAllTextures();
        GLContextTest::TearDown();
    }

    // x and y from the bottom-left corner, as OpenGL counts.
    Pixel at(int x, int y) { return zelk::test::readPixels(x, y, 1, 1); }

    // A 2 by 2 PNG: red and green on the top row, blue and white below.
    Bytes quarters() {
        Bytes rgba{255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
        return zelk::test::writePNG(folder.file("quarters.png"), 2, 2, rgba);
    }

    zelk::test::TempDir folder;
};

// A scene of one yellow quad over the left half of the camera's rectangle,
// which is (0, 0) to (10, 10).
template <typename Base> class YellowScene : public Base {
public:
    template <typename... Arguments>
    explicit YellowScene(Arguments... arguments) : Base(arguments...), scenes(0) {
        this->camera.setRect(0, 0, 10, 10);
    }
    void drawScene(rectf32) override {
        scenes++;
        GU::guColor3f32(1, 1, 0);
        GU::guBegin(GL_QUADS);
        GU::guVertex2f32(0, 0);
        GU::guVertex2f32(5, 0);
        GU::guVertex2f32(5, 10);
        GU::guVertex2f32(0, 10);
        GU::guEnd();
    }
    int scenes;
};

} // namespace

// First, while GLEW has not started in this process: a texture view made
// without a context has no render target; it draws a plain quad without
// binding a framebuffer, and gets its target once GLEW can start.
TEST_F(ViewDrawTest, ATextureViewMadeBeforeGlewStartedDrawsWithoutItsTarget) {
    ASSERT_FALSE(GU_GLSL::guShaderInitiate());
    ASSERT_TRUE(context->setActive(false));
    YellowScene<ViewGU2DTexture> view(16u, 16u);
    ASSERT_TRUE(context->setActive(true));
    EXPECT_EQ(0u, view.render.getBufferID());
    view.frame = screen;
    view.updateAnimations();
    view.draw(screen);
    EXPECT_EQ(0, view.scenes);
    EXPECT_EQ(0, getInteger(GL_FRAMEBUFFER_BINDING));
    EXPECT_EQ(whitePixel, at(32, 32));

    EXPECT_FALSE(view.setTextureSize(0, 16));
    ASSERT_TRUE(view.setTextureSize(size2ui32(16u, 16u)));
    view.draw(screen);
    EXPECT_EQ(1, view.scenes);
    EXPECT_EQ(yellowPixel, at(8, 32));
}

TEST_F(ViewDrawTest, TheViewportIsTheFrameTurnedBottomUpInsideTheParent) {
    View view(rectf32(100, 50, 200, 100));
    view.draw(rectf32(0, 0, 800, 600));
    EXPECT_EQ(100.f, view.viewport.origin.x);
    EXPECT_EQ(450.f, view.viewport.origin.y);
    EXPECT_EQ(200.f, view.viewport.size.width);
    EXPECT_EQ(100.f, view.viewport.size.height);
    EXPECT_EQ((std::vector<float>{100, 450, 200, 100}), zelk::test::getFloats(GL_VIEWPORT, 4));
}

// A view sliding in from the left has a negative x, and its children are
// placed from there.
TEST_F(ViewDrawTest, ViewsLeftOfTheirParentKeepANegativeX) {
    ViewController controller(rectf32(-200, 440, 150, 50));
    View child(rectf32(10, 0, 20, 10));
    controller.addSubview(&child);
    controller.draw(rectf32(0, 0, 800, 600));
    EXPECT_EQ(-200.f, controller.viewport.origin.x);
    EXPECT_EQ(110.f, controller.viewport.origin.y);
    EXPECT_EQ(-190.f, child.viewport.origin.x);
    EXPECT_EQ(150.f, child.viewport.origin.y);
    EXPECT_EQ((std::vector<float>{-190, 150, 20, 10}), zelk::test::getFloats(GL_VIEWPORT, 4));
}

TEST_F(ViewDrawTest, FramesBeyondTheIntegersAreClampedNotUndefined) {
    float nan = std::numeric_limits<float>::quiet_NaN();
    View view(rectf32(1e20f, nan, -5.f, 3e9f));
    view.draw(screen);
    EXPECT_EQ(2147483647.f, view.viewport.origin.x);
    EXPECT_EQ(0.f, view.viewport.origin.y);
    EXPECT_EQ(0.f, view.viewport.size.width);
    EXPECT_EQ(2147483647.f, view.viewport.size.height);
}

TEST_F(ViewDrawTest, AViewPaintsExactlyItsViewportInItsColour) {
    View view(rectf32(8, 16, 32, 24));
    view.backgroundColor = greenColor;
    view.draw(screen);
    EXPECT_EQ(greenPixel, at(8, 24));
    EXPECT_EQ(greenPixel, at(39, 47));
    EXPECT_EQ(blackPixel, at(7, 30));
    EXPECT_EQ(blackPixel, at(40, 30));
    EXPECT_EQ(blackPixel, at(20, 23));
    EXPECT_EQ(blackPixel, at(20, 48));
    EXPECT_EQ(GL_MODELVIEW, getInteger(GL_MATRIX_MODE));
}

TEST_F(ViewDrawTest, ControllersDrawTheirChildrenBackToFront) {
    ViewController controller(screen);
    controller.backgroundColor = redColor;
    View back(rectf32(0, 0, 32, 64));
    back.backgroundColor = greenColor;
    View front(rectf32(16, 0, 32, 64));
    front.backgroundColor = blueColor;
    controller.addSubview(&back);
    controller.addSubview(&front);
    controller.draw(screen);
    EXPECT_EQ(greenPixel, at(8, 32));
    EXPECT_EQ(bluePixel, at(24, 32));
    EXPECT_EQ(bluePixel, at(40, 32));
    EXPECT_EQ(redPixel, at(56, 32));

    front.hide = true;
    controller.draw(screen);
    EXPECT_EQ(greenPixel, at(24, 32));
    EXPECT_EQ(redPixel, at(40, 32));

    zelk::test::unitProjection();
    controller.hide = true;
    front.hide = false;
    controller.draw(screen);
    EXPECT_EQ(blackPixel, at(8, 32));
    EXPECT_EQ(blackPixel, at(24, 32));
}

TEST_F(ViewDrawTest, AnAnimatedViewIsDrawnAtItsOffset) {
    View view(rectf32(0, 0, 16, 16));
    view.backgroundColor = greenColor;
    view.animationAddFrame(0.f, 32.f, 8.f);
    view.animationAddFrame(100000.f, 32.f, 8.f);
    view.animationPlayForward();
    view.updateAnimations();
    view.draw(screen);
    EXPECT_EQ(blackPixel, at(8, 56));
    EXPECT_EQ(greenPixel, at(40, 48));
}

TEST_F(ViewDrawTest, ASpriteShowsItsImageUprightTintedByTheBackground) {
    Bytes png = quarters();
    ASSERT_FALSE(png.empty());
    ViewSprite sprite(screen);
    EXPECT_EQ(size2ui32(0u, 0u), sprite.getSpriteSize());
    ASSERT_TRUE(sprite.loadSprite(folder.file("quarters.png").c_str(), GL_NEAREST));
    EXPECT_EQ(size2ui32(2u, 2u), sprite.getSpriteSize());
    sprite.draw(screen);
    EXPECT_EQ(redPixel, at(16, 48));
    EXPECT_EQ(greenPixel, at(48, 48));
    EXPECT_EQ(bluePixel, at(16, 16));
    EXPECT_EQ(whitePixel, at(48, 16));
    EXPECT_FALSE(getInteger(GL_TEXTURE_2D));

    sprite.backgroundColor = redColor;
    sprite.draw(screen);
    EXPECT_EQ(blackPixel, at(48, 48));
    EXPECT_EQ(redPixel, at(48, 16));

    unsigned int code = sprite.getSpriteCode();
    sprite.deleteSprite();
    EXPECT_EQ(0u, sprite.getSpriteCode());
    EXPECT_EQ(size2ui32(0u, 0u), sprite.getSpriteSize());
    EXPECT_FALSE(zelk::Texture2DList::haveTexture(code));
}

TEST_F(ViewDrawTest, ASpriteThatDoesNotLoadShowsItsPlainColour) {
    Bytes png = quarters();
    ViewSprite sprite(screen);
    sprite.backgroundColor = blueColor;
    EXPECT_FALSE(sprite.loadSprite(folder.file("missing.png").c_str(), GL_NEAREST));
    EXPECT_FALSE(sprite.loadSprite(static_cast<const char*>(nullptr), GL_NEAREST));
    EXPECT_FALSE(sprite.loadSpriteFromMemory("quarters", png.data(), 0, GL_NEAREST));
    EXPECT_FALSE(sprite.loadSpriteFromMemory("quarters", nullptr, 5, GL_NEAREST));
    EXPECT_EQ(0u, sprite.getSpriteCode());
    sprite.draw(screen);
    EXPECT_EQ(bluePixel, at(16, 48));
    EXPECT_EQ(bluePixel, at(48, 16));

    ASSERT_TRUE(
        sprite.loadSpriteFromMemory("quarters", png.data(), zelk::test::sizeOf(png), GL_NEAREST));
    EXPECT_EQ(size2ui32(2u, 2u), sprite.getSpriteSize());
    EXPECT_FALSE(sprite.loadSprite(folder.file("missing.png").c_str(), GL_NEAREST));
    EXPECT_EQ(0u, zelk::test::TextureListProbe::byCode());
}

TEST_F(ViewDrawTest, ASpriteControllerShowsItsBackgroundUnderItsChildren) {
    Bytes png = quarters();
    ViewSpriteController controller(screen);
    ASSERT_TRUE(controller.loadSpriteFromMemory("quarters", png.data(), zelk::test::sizeOf(png),
                                                GL_NEAREST));
    View child(rectf32(32, 0, 32, 64));
    child.backgroundColor = greenColor;
    controller.addSubview(&child);
    controller.draw(screen);
    EXPECT_EQ(redPixel, at(16, 48));
    EXPECT_EQ(bluePixel, at(16, 16));
    EXPECT_EQ(greenPixel, at(48, 48));

    controller.deleteSprite();
    EXPECT_FALSE(controller.loadSprite(folder.file("missing.png").c_str(), GL_NEAREST));
    controller.backgroundColor = redColor;
    controller.draw(screen);
    EXPECT_EQ(redPixel, at(16, 16));
    EXPECT_EQ(0u, zelk::test::TextureListProbe::byCode());
}

TEST_F(ViewDrawTest, AGLViewDrawsItsSceneThroughItsCameraOverItsBackground) {
    YellowScene<ViewGU2D> view(screen);
    EXPECT_TRUE(view.isGU());
    view.backgroundColor = blackColor;
    view.draw(screen);
    EXPECT_EQ(1, view.scenes);
    EXPECT_EQ(yellowPixel, at(4, 4));
    EXPECT_EQ(yellowPixel, at(31, 60));
    EXPECT_EQ(blackPixel, at(33, 32));

    Bytes png = quarters();
    ASSERT_TRUE(view.loadBackground(folder.file("quarters.png").c_str()));
    view.backgroundColor = color4f32();
    view.draw(screen);
    EXPECT_EQ(yellowPixel, at(16, 16));
    EXPECT_EQ(whitePixel, at(48, 16));
    EXPECT_EQ(greenPixel, at(48, 48));
    view.deleteBackground();
    EXPECT_EQ(0u, zelk::test::TextureListProbe::byCode());
}

TEST_F(ViewDrawTest, ATextureViewShowsItsSceneInItsOwnViewportButNotItsChildren) {
    Journal journal;
    YellowScene<ViewGU2DTexture> view(size2ui32(16u, 16u));
    view.frame = rectf32(16, 16, 32, 32);
    view.updateAnimations();
    view.backgroundColor = blueColor;
    Recorded<View> child("child", journal, rectf32(0, 0, 32, 32));
    view.addSubview(&child);
    view.draw(screen);
    EXPECT_EQ(1, view.scenes);
    EXPECT_EQ(yellowPixel, at(20, 20));
    EXPECT_EQ(yellowPixel, at(31, 44));
    EXPECT_EQ(bluePixel, at(40, 20));
    EXPECT_EQ(blackPixel, at(8, 8));
    EXPECT_EQ(blackPixel, at(56, 56));
    EXPECT_EQ(0, getInteger(GL_FRAMEBUFFER_BINDING));
    EXPECT_EQ((Journal{"child load"}), journal);

    zelk::vector::Stack<unsigned int> pressed;
    pressed.pushBack(1);
    EXPECT_TRUE(view.contact(vec2f32(20, 20), 0, &pressed));
    EXPECT_EQ((Journal{"child load", "child enter 4,4", "child press 4,4 1"}), journal);

    view.hide = true;
    view.draw(screen);
    EXPECT_EQ(1, view.scenes);
}
