// Buttons and menus: the press, hold and release tracking with its listener,
// the images, and the nine-part drawing with symbol and label, in a real
// OpenGL context of 64 by 64 pixels.
#include <GL/glew.h>

#include "support/Fonts.h"
#include "support/ImageSupport.h"
#include "support/Pixels.h"
#include "support/TestSupport.h"
#include "support/TextureListProbe.h"
#include "zelk/ViewButton.h"
#include "zelk/ViewMenu.h"
#include "zelk/embedded/BuiltInImages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

using zelk::ButtonCallback;
using zelk::rectf32;
using zelk::size2ui32;
using zelk::vec2f32;
using zelk::ViewButton;
using zelk::ViewMenu;
using zelk::test::Bytes;
using zelk::test::Pixel;

namespace {

const rectf32 screen(0, 0, 64, 64);

// Notes the listener's calls and the subclass hooks, one line each.
class RecordedButton : public ViewButton, public ButtonCallback {
public:
    explicit RecordedButton(rectf32 frame) : ViewButton(frame) { setCallback(this); }

    void pressButton(ViewButton* button, unsigned int mouse) override {
        note(button, "press " + std::to_string(mouse));
    }
    void releaseButton(ViewButton* button, unsigned int mouse, bool inside) override {
        note(button, "release " + std::to_string(mouse) + (inside ? " inside" : " outside"));
    }
    void holdButton(ViewButton* button, unsigned int mouse) override {
        note(button, "hold " + std::to_string(mouse));
    }
    void eventPressButton(unsigned int) override { hooks++; }
    void eventReleaseButton(unsigned int, bool) override { hooks++; }
    void eventHoldButton(unsigned int) override { hooks++; }

    unsigned int getState() const { return state; }
    unsigned int held() const { return holdButtons.size(); }
    double border() const { return borderSize; }
    size2ui32 getSymbolSize() const { return symbolSize; }
    size2ui32 labelSize() { return text.getMapSize(); }

    std::vector<std::string> calls;
    int hooks = 0;

private:
    void note(ViewButton* button, const std::string& call) {
        calls.push_back(button == this ? call : "another button's " + call);
    }
};

class ViewButtonTest : public zelk::test::FontsGLTest {
protected:
    void SetUp() override {
        FontsGLTest::SetUp();
        button.emplace(rectf32(10, 10, 40, 20));
    }
    void TearDown() override {
        button.reset();
        FontsGLTest::TearDown();
    }

    // One contact of the frame loop, at a point of the parent.
    void contact(float x, float y, unsigned char state, std::vector<unsigned int> buttons) {
        zelk::vector::Stack<unsigned int> list;
        for (unsigned int mouse : buttons) {
            list.pushBack(mouse);
        }
        button->contact(vec2f32(x, y), state, &list);
    }
    void press(float x, float y, unsigned int mouse) { contact(x, y, 0, {mouse}); }
    void release(float x, float y, unsigned int mouse) { contact(x, y, 1, {mouse}); }
    void move(float x, float y) { contact(x, y, 2, {}); }
    // The update that follows the contacts, with this frame's releases.
    void update(std::vector<unsigned int> released = {}) {
        zelk::WindowEvents events;
        for (unsigned int mouse : released) {
            events.mouseRelease.pushBack(mouse);
        }
        button->update(&events);
    }

    std::optional<RecordedButton> button;
};

typedef std::vector<std::string> Calls;

} // namespace

TEST_F(ViewButtonTest, APressAndAReleaseInsideAreReportedWithInsideTrue) {
    move(20, 20);
    EXPECT_EQ(2u, button->getState()) << "hovered";
    press(20, 20, 1);
    EXPECT_EQ(1u, button->getState());
    update();
    update();
    release(21, 20, 1);
    update({1});
    EXPECT_EQ((Calls{"press 1", "hold 1", "hold 1", "release 1 inside"}), button->calls);
    EXPECT_EQ(2u, button->getState());
    EXPECT_EQ(0u, button->held());
    EXPECT_EQ(4, button->hooks) << "the subclass hooks beside the listener";
}

TEST_F(ViewButtonTest, AReleaseOutsideIsReportedByTheUpdateOfItsFrame) {
    press(20, 20, 1);
    move(100, 100);
    EXPECT_EQ(0u, button->getState()) << "left";
    update();
    EXPECT_EQ((Calls{"press 1"}), button->calls) << "no hold while the mouse is away";
    release(100, 100, 1);
    EXPECT_EQ((Calls{"press 1"}), button->calls);
    update({3, 1});
    EXPECT_EQ((Calls{"press 1", "release 1 outside"}), button->calls);
    EXPECT_EQ(0u, button->getState());
    EXPECT_EQ(0u, button->held());
}

TEST_F(ViewButtonTest, HeldButtonsAreReportedEveryFrameInAscendingOrder) {
    press(20, 20, 3);
    press(20, 20, 1);
    update();
    release(20, 20, 3);
    update({3});
    EXPECT_EQ((Calls{"press 3", "press 1", "hold 1", "hold 3", "release 3 inside", "hold 1"}),
              button->calls);
    EXPECT_EQ(1u, button->getState()) << "one button is still held";
}

TEST_F(ViewButtonTest, ReleasingAButtonNeverPressedOnItOnlyRecomputesTheState) {
    move(20, 20);
    release(20, 20, 2);
    EXPECT_EQ(2u, button->getState());
    press(20, 20, 1);
    release(20, 20, 2);
    EXPECT_EQ(1u, button->getState());
    EXPECT_EQ((Calls{"press 1"}), button->calls);
}

TEST_F(ViewButtonTest, ADisabledButtonIgnoresTheMouseButStillEndsAndReportsHolds) {
    press(20, 20, 1);
    button->off();
    EXPECT_FALSE(button->isOn());
    press(20, 20, 2);
    move(100, 100);
    release(20, 20, 1);
    EXPECT_EQ(1u, button->getState());
    EXPECT_EQ(1u, button->held());
    update();
    EXPECT_EQ((Calls{"press 1", "hold 1"}), button->calls) << "the mouse left unnoticed";

    button->on();
    move(100, 100);
    button->off();
    update({1});
    EXPECT_EQ((Calls{"press 1", "hold 1"}), button->calls) << "ended without a report";
    EXPECT_EQ(0u, button->held());
}

TEST_F(ViewButtonTest, ARemovedCallbackHearsNothingMore) {
    EXPECT_FALSE(button->setCallback(nullptr));
    press(20, 20, 1);
    button->removeCallback();
    release(20, 20, 1);
    update({1});
    EXPECT_EQ((Calls{"press 1"}), button->calls);
    EXPECT_TRUE(button->isButton());
}

TEST_F(ViewButtonTest, AZeroBorderBecomesFifty) {
    EXPECT_EQ(20.0, button->border());
    EXPECT_TRUE(button->setBorderSize(10));
    EXPECT_EQ(10.0, button->border());
    EXPECT_FALSE(button->setBorderSize(0));
    EXPECT_EQ(50.0, button->border());
}

TEST_F(ViewButtonTest, ImagesComeFromTheSharedListAndGoBackWithTheButton) {
    EXPECT_EQ(4u, zelk::test::TextureListProbe::byCode()) << "three templates and the font";
    zelk::test::TempDir folder;
    std::string symbol = folder.file("symbol.png");
    zelk::test::writePNG(symbol, 6, 3, Bytes(6 * 3 * 4, 255));
    EXPECT_TRUE(button->loadSymbol(symbol.c_str(), GL_NEAREST));
    EXPECT_EQ(size2ui32(6u, 3u), button->getSymbolSize());
    EXPECT_TRUE(button->loadSymbolUp(symbol.c_str(), GL_LINEAR));
    EXPECT_TRUE(button->loadSymbolPressedFromMemory("pressed.png", ZELKButtonUpTemplate,
                                                    ZELKButtonUpTemplateSize, GL_NEAREST));
    EXPECT_FALSE(button->loadSpriteUp(folder.file("none.png").c_str(), GL_LINEAR));
    EXPECT_FALSE(button->loadSpritePressed(static_cast<char*>(nullptr), GL_LINEAR));
    EXPECT_FALSE(button->loadSymbolFromMemory(static_cast<char*>(nullptr), ZELKButtonUpTemplate,
                                              ZELKButtonUpTemplateSize, GL_NEAREST));
    EXPECT_FALSE(button->loadSymbol(folder.file("none.png").c_str(), GL_NEAREST));
    EXPECT_EQ(size2ui32(0u, 0u), button->getSymbolSize());
    // Three images more; the failed loads gave back the up and pressed
    // templates and the symbol.
    EXPECT_EQ(4u, zelk::test::TextureListProbe::byCode());

    EXPECT_TRUE(button->addButtonText("PLAY WITH\nBOX"));
    EXPECT_EQ(size2ui32(9u, 2u), button->labelSize());
    button->deleteButtonText();
    EXPECT_EQ(size2ui32(0u, 0u), button->labelSize());
    button.reset();
    EXPECT_EQ(0u, zelk::test::TextureListProbe::byCode());
    EXPECT_EQ(0u, zelk::test::FontListProbe::sets());
}

namespace {

const Pixel cyanPixel{0, 255, 255, 255};
const Pixel magentaPixel{255, 0, 255, 255};

// A 50 x 50 template whose four quarters are red (top-left), green
// (top-right), blue (bottom-left) and yellow (bottom-right), crossed by cyan
// bands on the rows and columns 23 to 26, with a magenta centre where they
// meet.
Bytes quarterTemplate() {
    Bytes rgba;
    for (unsigned int y = 0; y < 50; y++) {
        for (unsigned int x = 0; x < 50; x++) {
            bool bandX = x >= 23 && x <= 26;
            bool bandY = y >= 23 && y <= 26;
            Pixel pixel = bandX && bandY   ? magentaPixel
                          : bandX || bandY ? cyanPixel
                          : y < 25 ? (x < 25 ? zelk::test::redPixel : zelk::test::greenPixel)
                                   : (x < 25 ? zelk::test::bluePixel : zelk::test::yellowPixel);
            rgba.insert(rgba.end(), pixel.begin(), pixel.end());
        }
    }
    return rgba;
}

Bytes plain(unsigned int width, unsigned int height, const Pixel& pixel) {
    Bytes rgba;
    for (unsigned int i = 0; i < width * height; i++) {
        rgba.insert(rgba.end(), pixel.begin(), pixel.end());
    }
    return rgba;
}

class ButtonDrawTest : public zelk::test::FontsGLTest {
protected:
    std::string image(const std::string& name, unsigned int width, unsigned int height,
                      const Bytes& rgba) {
        std::string path = folder.file(name);
        zelk::test::writePNG(path, width, height, rgba);
        return path;
    }
    // The nine parts of the quarter template over the 64 x 64 context.
    void expectNineParts() {
        EXPECT_EQ(zelk::test::bluePixel, at(10, 10)) << "bottom-left corner";
        EXPECT_EQ(zelk::test::redPixel, at(10, 53)) << "top-left corner";
        EXPECT_EQ(zelk::test::greenPixel, at(53, 53)) << "top-right corner";
        EXPECT_EQ(zelk::test::yellowPixel, at(53, 10)) << "bottom-right corner";
        EXPECT_EQ(cyanPixel, at(10, 32)) << "left edge";
        EXPECT_EQ(cyanPixel, at(32, 53)) << "top edge";
        EXPECT_EQ(cyanPixel, at(53, 32)) << "right edge";
        EXPECT_EQ(cyanPixel, at(32, 10)) << "bottom edge";
        EXPECT_EQ(magentaPixel, at(32, 32)) << "inside";
        EXPECT_EQ(magentaPixel, at(21, 42));
    }

    zelk::test::TempDir folder;
};

} // namespace

TEST_F(ButtonDrawTest, TheTemplatesQuartersMakeTheCornersAndItsCentreBandsTheRest) {
    ViewButton button(screen);
    ASSERT_TRUE(
        button.loadSprite(image("quarters.png", 50, 50, quarterTemplate()).c_str(), GL_NEAREST));
    button.draw(screen);
    expectNineParts();
}

TEST_F(ButtonDrawTest, TheStateChoosesTheImage) {
    ViewButton button(screen);
    ASSERT_TRUE(
        button.loadSprite(image("quarters.png", 50, 50, quarterTemplate()).c_str(), GL_NEAREST));
    ASSERT_TRUE(button.loadSpritePressed(
        image("green.png", 2, 2, plain(2, 2, zelk::test::greenPixel)).c_str(), GL_NEAREST));
    button.deleteSpriteUp();
    button.setState(1);
    button.draw(screen);
    EXPECT_EQ(zelk::test::greenPixel, at(32, 32));
    button.setState(2);
    button.draw(screen);
    EXPECT_EQ(magentaPixel, at(32, 32)) << "without an up image the normal one shows";
}

TEST_F(ButtonDrawTest, TheBuiltInTemplateIsARoundedFrameAroundAPlainFill) {
    sf::Image normal;
    ASSERT_TRUE(normal.loadFromMemory(ZELKButtonNormalTemplate, ZELKButtonNormalTemplateSize));
    sf::Color fill = normal.getPixel(25, 25);
    ViewButton button(screen);
    button.draw(screen);
    EXPECT_EQ((Pixel{fill.r, fill.g, fill.b, 255}), at(32, 32));
    EXPECT_EQ(zelk::test::blackPixel, at(0, 0)) << "the rounded corner leaves the background";
    EXPECT_EQ(zelk::test::blackPixel, at(63, 63));
    for (Pixel edge : {at(2, 32), at(61, 32), at(32, 2), at(32, 61)}) {
        EXPECT_GT(edge[0], fill.r + 60) << "the outline is lighter than the fill";
        EXPECT_GT(edge[2], fill.b + 60);
    }
}

TEST_F(ButtonDrawTest, TheSymbolIsFittedInsideTheBorderKeepingItsAspect) {
    ViewButton button(screen);
    ASSERT_TRUE(button.loadSymbol(
        image("red.png", 20, 10, plain(20, 10, zelk::test::redPixel)).c_str(), GL_NEAREST));
    button.draw(screen);
    // The inside of 44 x 44 pixels holds the 2:1 symbol as 44 x 22, centred.
    EXPECT_EQ(zelk::test::redPixel, at(11, 32));
    EXPECT_EQ(zelk::test::redPixel, at(52, 32));
    EXPECT_EQ(zelk::test::redPixel, at(32, 22));
    EXPECT_EQ(zelk::test::redPixel, at(32, 41));
    EXPECT_NE(zelk::test::redPixel, at(8, 32));
    EXPECT_NE(zelk::test::redPixel, at(32, 19));
    EXPECT_NE(zelk::test::redPixel, at(32, 44));

    zelk::test::unitProjection();
    button.scaleInside(0.5f, 0.5f);
    button.draw(screen);
    EXPECT_EQ(zelk::test::redPixel, at(32, 32));
    EXPECT_NE(zelk::test::redPixel, at(15, 32));
}

TEST_F(ButtonDrawTest, AFrameNoBiggerThanItsBorderDrawsOnlyTheNineParts) {
    ViewButton button(rectf32(0, 0, 16, 16));
    ASSERT_TRUE(button.loadSymbol(image("red.png", 2, 2, plain(2, 2, zelk::test::redPixel)).c_str(),
                                  GL_NEAREST));
    ASSERT_TRUE(button.addButtonText("PLAY"));
    button.draw(screen);
    for (Pixel pixel : {at(4, 52), at(8, 56), at(12, 60)}) {
        EXPECT_NE(zelk::test::redPixel, pixel);
        EXPECT_NE(zelk::test::whitePixel, pixel);
    }
    EXPECT_EQ((std::vector<float>{0, 48, 16, 16}), zelk::test::getFloats(GL_VIEWPORT, 4));
}

TEST_F(ButtonDrawTest, TheLabelIsDrawnInWhiteGlyphsCentredInTheInsideArea) {
    sf::Image normal;
    ASSERT_TRUE(normal.loadFromMemory(ZELKButtonNormalTemplate, ZELKButtonNormalTemplateSize));
    sf::Color fill = normal.getPixel(25, 25);
    // The title screen's button, in a context of 160 x 64 pixels.
    openContext(160, 64);
    ViewButton button(rectf32(5, 7, 150, 50));
    button.setBorderSize(10);
    ASSERT_TRUE(button.addButtonText("PLAY"));
    button.draw(rectf32(0, 0, 160, 64));

    // The inside area, 140 x 40 pixels counted from the border, holds the
    // label as the largest 4:1 rectangle, 140 x 35, centred: its viewport.
    ASSERT_EQ((std::vector<float>{15, 19, 140, 35}), zelk::test::getFloats(GL_VIEWPORT, 4));
    // In it the four unit cells, centred on x = 0 to 3, shrink by 0.95 times
    // the inside's share of the frame towards the first cell's centre.
    const double scaleX = 0.95 * 140.0 / 150.0;
    const double scaleY = 0.95 * 40.0 / 50.0;
    zelk::test::FontSheet sheet;
    const char* label = "PLAY";
    int glyphPixels[4] = {0, 0, 0, 0};
    std::vector<unsigned char> pixels = zelk::test::readPixels(15, 19, 140, 35);
    for (int py = 0; py < 35; py++) {
        for (int px = 0; px < 140; px++) {
            double x = (-0.5 + (px + 0.5) / 140.0 * 4.0) / scaleX;
            double y = (-0.5 + (py + 0.5) / 35.0) / scaleY;
            double column = std::floor(x + 0.5);
            double texelX = (x + 0.5 - column) * 16.0;
            double texelY = (0.5 - y) * 16.0;
            // Pixels that sample a texel near its edge could take either.
            double inX = texelX - std::floor(texelX);
            double inY = texelY - std::floor(texelY);
            bool clear = inX > 0.1 && inX < 0.9 && inY > 0.1 && inY < 0.9;
            if (column < 0 || column > 3 || texelY < 0 || texelY >= 16 || !clear) {
                continue;
            }
            int cell = static_cast<int>(column);
            unsigned char alpha =
                sheet.alpha(static_cast<unsigned char>(label[cell]),
                            static_cast<unsigned int>(texelX), static_cast<unsigned int>(texelY));
            Pixel pixel(&pixels[(py * 140 + px) * 4], &pixels[(py * 140 + px) * 4] + 4);
            if (alpha == 255) {
                glyphPixels[cell]++;
                EXPECT_EQ(zelk::test::whitePixel, pixel)
                    << label[cell] << " at " << px << ", " << py;
            } else if (alpha == 0) {
                EXPECT_EQ((Pixel{fill.r, fill.g, fill.b, 255}), pixel)
                    << label[cell] << " at " << px << ", " << py;
            }
        }
    }
    for (int cell = 0; cell < 4; cell++) {
        EXPECT_GT(glyphPixels[cell], 8) << label[cell];
    }
}

TEST_F(ButtonDrawTest, ALabelLeftOfTheParentKeepsANegativeViewport) {
    ViewButton button(rectf32(-40, 0, 64, 40));
    button.setBorderSize(8);
    ASSERT_TRUE(button.addButtonText("PLAY"));
    button.draw(screen);
    EXPECT_EQ((std::vector<float>{-32, 41, 56, 14}), zelk::test::getFloats(GL_VIEWPORT, 4));
}

TEST_F(ButtonDrawTest, AMenuDrawsItsPanelInNinePartsOneBorderToTheRight) {
    ViewMenu menu(rectf32(0, 0, 56, 64));
    EXPECT_TRUE(menu.setBorderSize(8));
    ASSERT_TRUE(
        menu.loadSprite(image("quarters.png", 50, 50, quarterTemplate()).c_str(), GL_NEAREST));
    menu.draw(screen);
    EXPECT_EQ(zelk::test::blackPixel, at(4, 32));
    EXPECT_EQ(zelk::test::bluePixel, at(10, 2));
    EXPECT_EQ(zelk::test::greenPixel, at(62, 61));
    EXPECT_EQ(cyanPixel, at(12, 32));
    EXPECT_EQ(magentaPixel, at(36, 32));
}

TEST_F(ButtonDrawTest, AMenusInsideIsItsFrameLessTwoBorders) {
    ViewMenu menu(rectf32(10, 10, 300, 200));
    EXPECT_EQ(size2ui32(200u, 100u), menu.getInsideSize());
    EXPECT_TRUE(menu.setBorderSize(20));
    zelk::rectui32 inside = menu.getInsideFrame();
    EXPECT_EQ(0u, inside.origin.x);
    EXPECT_EQ(0u, inside.origin.y);
    EXPECT_EQ(size2ui32(260u, 160u), inside.size);
    EXPECT_FALSE(menu.setBorderSize(0));
    EXPECT_EQ(size2ui32(200u, 100u), menu.getInsideSize());
    EXPECT_TRUE(menu.setBorderSize(150));
    EXPECT_EQ(size2ui32(0u, 0u), menu.getInsideSize()) << "nothing is left, not a wrapped size";
}
