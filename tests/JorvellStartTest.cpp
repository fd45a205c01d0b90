#include "JorvellStart.h"

#include <gtest/gtest.h>

// The logo screen without a display: the fade's timeline, the skips, and a
// load that can be repeated. The clock is moved through the fade's step seam;
// update() then adds the real time since the step, so the alpha is compared
// with the timeline at the second the fade really reached.

namespace {

// Hidden for a second, in until 4 s, out until 7 s.
float timeline(float second) {
    if (second <= 1.f) {
        return 0.f;
    }
    return second <= 4.f ? (second - 1.f) / 3.f : (7.f - second) / 3.f;
}

class LogoScreen : public ::testing::Test {
protected:
    void SetUp() override { screen.load(); }
    void TearDown() override { screen.unload(); }

    // Moves the fade to that second and updates; checks the logo's alpha
    // against the timeline at the second reached.
    void expectTimelineAfter(float second) {
        screen.fade.stepClockAnimation(second - screen.fade.getAnimationSecond());
        screen.update(&events);
        float reached = screen.fade.getAnimationSecond();
        ASSERT_GE(reached, second);
        EXPECT_NEAR(timeline(reached), alpha(), 1e-4f) << reached;
    }
    float alpha() { return screen.logoObject.getMesh(0)->polygons.get(0)->getVertexColor(0).a; }

    JorvellStart screen;
    zelk::WindowEvents events;
};

} // namespace

TEST_F(LogoScreen, LoadsOneCentredRectangleOverATransparentBackground) {
    EXPECT_EQ(1u, screen.logoObject.getMeshSize());
    EXPECT_EQ(&screen.logoMesh, screen.logoObject.getMesh(0));
    EXPECT_EQ(1u, screen.logoMesh.getPolygonSize());
    EXPECT_EQ(0.f, screen.backgroundColor.a);
    EXPECT_EQ(800.f, screen.frame.size.width);
    EXPECT_EQ(600.f, screen.frame.size.height);
    EXPECT_EQ(1439.f, screen.camera.getSize().width);
    EXPECT_EQ(1080.f, screen.camera.getSize().height);
    EXPECT_TRUE(screen.isAnimating());
}

TEST_F(LogoScreen, LogoIsHiddenForASecondFullAtFourSecondsAndGoneAtSeven) {
    expectTimelineAfter(0.5f);
    expectTimelineAfter(2.5f);
    expectTimelineAfter(4.f);
    expectTimelineAfter(5.5f);
    EXPECT_TRUE(screen.isAnimating());
    screen.fade.stepClockAnimation(2.f);
    screen.update(&events);
    EXPECT_FALSE(screen.isAnimating());
    EXPECT_EQ(0.f, alpha());
}

TEST_F(LogoScreen, ReturnEscapeOrALeftReleaseEndTheFade) {
    for (unsigned int key : {256u, 278u}) {
        screen.unload();
        screen.load();
        screen.update(&events);
        EXPECT_TRUE(screen.isAnimating());
        events.keyPressed.pushBack(key);
        screen.update(&events);
        EXPECT_FALSE(screen.isAnimating()) << key;
        events.clean();
    }
    screen.unload();
    screen.load();
    events.mouseRelease.pushBack(2);
    events.keyRelease.pushBack(278);
    events.keyHolded.pushBack(256);
    screen.update(&events);
    EXPECT_TRUE(screen.isAnimating());
    events.mouseRelease.pushBack(1);
    screen.update(&events);
    EXPECT_FALSE(screen.isAnimating());
}

TEST_F(LogoScreen, AnUpdateWithoutARecordOnlyFades) {
    screen.update(nullptr);
    EXPECT_TRUE(screen.isAnimating());
}

TEST_F(LogoScreen, UnloadEmptiesTheLogoAndASecondLoadBuildsTheSameScreen) {
    screen.unload();
    EXPECT_EQ(0u, screen.logoObject.getMeshSize());
    EXPECT_EQ(0u, screen.logoMesh.getPolygonSize());
    screen.load();
    EXPECT_EQ(1u, screen.logoObject.getMeshSize());
    EXPECT_EQ(1u, screen.logoMesh.getPolygonSize());
    // The same timeline of three lines, not six.
    EXPECT_EQ(3u, screen.fade.getInterpolationSize());
    expectTimelineAfter(4.f);
}
