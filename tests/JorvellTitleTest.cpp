#include "JorvellTitle.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

// The title screen without a display: the fade and the slides moved through
// their step seams, clicks given to the buttons' mouse hooks as the view tree
// delivers them.

namespace {

class TitleScreen : public ::testing::Test {
protected:
    void SetUp() override { title.load(); }
    void TearDown() override { title.unload(); }

    // The fade ends (its listener starts the slides), then the slides end.
    void finishSlides() {
        title.fade.stepClockAnimation(2.f);
        title.buttonPlay.animationPosition.stepClockAnimation(1.f);
        title.buttonBox.animationPosition.stepClockAnimation(1.f);
    }
    // A left press and release inside the button, as the view tree sends them.
    std::string click(zelk::ViewButton& button, unsigned int mouseButton = 1) {
        return zelk::test::captureStdout([&] {
            button.eventMousePressed(zelk::vec2f32(5.f, 5.f), mouseButton);
            button.eventMouseReleased(zelk::vec2f32(5.f, 5.f), mouseButton);
        });
    }
    void expectFrame(zelk::rectf32 expected, zelk::rectf32 actual) {
        EXPECT_EQ(expected.origin.x, actual.origin.x);
        EXPECT_EQ(expected.origin.y, actual.origin.y);
        EXPECT_EQ(expected.size.width, actual.size.width);
        EXPECT_EQ(expected.size.height, actual.size.height);
    }

    JorvellTitle title;
    zelk::WindowEvents events;
};

} // namespace

TEST_F(TitleScreen, LoadsTheTitleAboveTheCentreAndOnePlayButtonWaitingOff) {
    EXPECT_EQ(1u, title.titleObject.getMeshSize());
    EXPECT_EQ(1u, title.titleMesh.getPolygonSize());
    EXPECT_EQ(175.f, title.titleObject.position.y);
    EXPECT_EQ(800.f, title.camera.getSize().width);
    EXPECT_EQ(600.f, title.camera.getSize().height);
    EXPECT_TRUE(title.haveSubview(&title.buttonPlay));
    EXPECT_FALSE(title.haveSubview(&title.buttonBox));
    expectFrame(zelk::rectf32(-200.f, 500.f, 150.f, 50.f), title.buttonPlay.frame);
    EXPECT_FALSE(title.buttonPlay.isOn());
    EXPECT_FALSE(title.buttonPlay.animationIsPlaying());
    EXPECT_TRUE(title.fade.isPlaying());
    EXPECT_EQ(0, title.clickPlay());
}

TEST_F(TitleScreen, TheBackgroundFadesInThenThePlayButtonSlidesInAndTurnsOn) {
    title.fade.stepClockAnimation(0.75f);
    title.update(&events);
    float second = title.fade.getAnimationSecond();
    EXPECT_NEAR(second / 1.5f, title.backgroundColor.a, 1e-4f);

    title.fade.stepClockAnimation(1.f);
    EXPECT_TRUE(title.buttonPlay.animationIsPlaying());
    title.update(&events);
    EXPECT_EQ(1.f, title.backgroundColor.a);
    EXPECT_FALSE(title.buttonPlay.isOn());

    title.buttonPlay.animationPosition.stepClockAnimation(1.f);
    expectFrame(zelk::rectf32(600.f, 440.f, 150.f, 50.f), title.buttonPlay.frame);
    EXPECT_TRUE(title.buttonPlay.isOn());
}

TEST_F(TitleScreen, ReturnDuringTheFadeStartsTheSlidesAndAfterItDoesNothing) {
    events.keyPressed.pushBack(278);
    title.update(&events);
    EXPECT_FALSE(title.fade.isPlaying());
    EXPECT_TRUE(title.buttonPlay.animationIsPlaying());
    events.clean();
    title.update(&events);
    EXPECT_EQ(1.f, title.backgroundColor.a);

    title.buttonPlay.animationPosition.stepClockAnimation(1.f);
    EXPECT_TRUE(title.buttonPlay.isOn());
    events.keyPressed.pushBack(278);
    title.update(&events);
    EXPECT_FALSE(title.buttonPlay.animationIsPlaying());
    expectFrame(zelk::rectf32(600.f, 440.f, 150.f, 50.f), title.buttonPlay.frame);
}

TEST_F(TitleScreen, ALeftReleaseInsidePlayChoosesItAndSaysSo) {
    EXPECT_EQ("", click(title.buttonPlay));
    EXPECT_EQ(0, title.clickPlay());
    finishSlides();
    EXPECT_EQ("", click(title.buttonPlay, 3));
    EXPECT_EQ(0, title.clickPlay());
    std::string said =
        zelk::test::captureStdout([&] { title.releaseButton(&title.buttonPlay, 1, false); });
    EXPECT_EQ("", said);
    EXPECT_EQ(0, title.clickPlay());
    EXPECT_EQ("\nClick Play", click(title.buttonPlay));
    EXPECT_EQ(1, title.clickPlay());
    title.unload();
    EXPECT_EQ(1, title.clickPlay());
    title.load();
    EXPECT_EQ(0, title.clickPlay());
}

TEST_F(TitleScreen, TheSecondButtonComesOnlyAfterShowBox) {
    title.unload();
    title.showBox();
    title.load();
    ASSERT_TRUE(title.haveSubview(&title.buttonBox));
    expectFrame(zelk::rectf32(-400.f, 500.f, 300.f, 70.f), title.buttonBox.frame);
    finishSlides();
    // PLAY's slide end places both: BOX ends aligned with PLAY's right edge.
    expectFrame(zelk::rectf32(450.f, 500.f, 300.f, 70.f), title.buttonBox.frame);
    EXPECT_TRUE(title.buttonBox.isOn());
    EXPECT_EQ("\nClick Play With Box", click(title.buttonBox));
    EXPECT_EQ(2, title.clickPlay());
}

TEST_F(TitleScreen, AnotherButtonChoosesNothing) {
    zelk::ViewButton other;
    title.releaseButton(&other, 1, true);
    EXPECT_EQ(0, title.clickPlay());
}

TEST_F(TitleScreen, ASecondLoadBuildsTheSameScreen) {
    finishSlides();
    title.unload();
    EXPECT_FALSE(title.haveSubview(&title.buttonPlay));
    EXPECT_EQ(0u, title.titleMesh.getPolygonSize());
    title.load();
    EXPECT_EQ(1u, title.titleMesh.getPolygonSize());
    EXPECT_EQ(1u, title.titleObject.getMeshSize());
    EXPECT_EQ(1u, title.fade.getInterpolationSize());
    EXPECT_EQ(1u, title.buttonPlay.animationPosition.getInterpolationSize());
    EXPECT_FALSE(title.buttonPlay.isOn());
    expectFrame(zelk::rectf32(-200.f, 500.f, 150.f, 50.f), title.buttonPlay.frame);
    finishSlides();
    expectFrame(zelk::rectf32(600.f, 440.f, 150.f, 50.f), title.buttonPlay.frame);
}

TEST_F(TitleScreen, AnUnloadedTitleHearsNothing) {
    finishSlides();
    title.unload();
    title.fade.playForward();
    title.fade.stepClockAnimation(2.f);
    EXPECT_FALSE(title.buttonPlay.animationIsPlaying());
    EXPECT_EQ("", click(title.buttonPlay));
    EXPECT_EQ(0, title.clickPlay());
    title.load();
}
