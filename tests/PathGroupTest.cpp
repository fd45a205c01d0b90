#include "zelk/animation/Path3DGroup.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zelk;
using namespace zelk::animation;

namespace {

float xOf(Frame* frame) {
    Frame1D* typed = dynamic_cast<Frame1D*>(frame);
    return typed ? typed->x : NAN;
}

// Updates the path in steps of the given seconds until it stops (at most
// limit updates); answers the number of updates.
int runToTheEnd(PathGroup& path, float step, int limit) {
    int updates = 0;
    while (path.isPlaying() && updates < limit) {
        path.stepClockAnimation(step);
        updates++;
    }
    return updates;
}

} // namespace

TEST(PathGroupFrames, ANewPathHasNothingToPlay) {
    Path1DGroup path;
    EXPECT_EQ(0.5f, path.getCloserDistance());
    EXPECT_EQ(0u, path.size());
    EXPECT_FALSE(path.playForward());
    EXPECT_FALSE(path.isPlaying());
    EXPECT_EQ(0.f, path.stepClockAnimation(1));
    EXPECT_EQ(nullptr, path.getLastFrame());
}

TEST(PathGroupFrames, FramesAppendInsertAndLeave) {
    Path1DGroup path;
    EXPECT_TRUE(path.addNewFrame(1, 10));
    EXPECT_TRUE(path.addNewFrame(1, 30));
    EXPECT_TRUE(path.addNewFrameToPosition(1, 1, 20));
    EXPECT_FALSE(path.addNewFrameToPosition(9, 1, 90));
    EXPECT_TRUE(path.addNewFrame(2.f));
    ASSERT_EQ(4u, path.getFramesSize());
    EXPECT_EQ("\nSpeed 1.00\nSpeed 1.00\nSpeed 1.00\nSpeed 2.00",
              test::captureStdout([&] { path.printFrames(); }));

    Frame1D* given = new Frame1D(1, 50);
    EXPECT_TRUE(path.addNewFrame(given));
    EXPECT_FALSE(path.addNewFrame(given)) << "one frame is owned once";
    EXPECT_FALSE(path.addNewFrame(static_cast<Frame*>(nullptr)));
    EXPECT_TRUE(path.deleteFrame(3));
    EXPECT_FALSE(path.deleteFrame(4));
    EXPECT_TRUE(path.swapFrames(0, 2));
    EXPECT_FALSE(path.swapFrames(0, 4));

    // Played to the end, the value passes the frames in their new order.
    EXPECT_TRUE(path.havePosition(3));
    EXPECT_FALSE(path.havePosition(4));
    path.playForwardIn(3);
    EXPECT_EQ(10.f, xOf(path.getLastFrame())) << "30, 20, 10, 50 after the swap";
    path.deleteFrames();
    EXPECT_EQ(0u, path.size());
}

TEST(PathGroupFrames, TheRangeAcceptsOnlyOrderedPositions) {
    Path1DGroup path;
    for (float x : {0.f, 1.f, 2.f}) {
        path.addNewFrame(1, x);
    }
    EXPECT_FALSE(path.setAnimationStartPosition(2)) << "not below the end";
    EXPECT_FALSE(path.setAnimationEndPosition(0)) << "not above the start";
    EXPECT_FALSE(path.setAnimationEndPosition(3));
    EXPECT_FALSE(path.playRewindIn(1)) << "rewinding starts from the end";
    EXPECT_FALSE(path.isPlaying());
    EXPECT_TRUE(path.playRewindIn(2));
    EXPECT_TRUE(path.isRewind());
    EXPECT_FALSE(path.playForwardIn(3));
    EXPECT_TRUE(path.setAnimationStartPosition(1));
    EXPECT_FALSE(path.playForwardIn(0));
}

TEST(PathGroupTravel, TheValueMovesByThePartOfTheTravelTime) {
    Path1DGroup path;
    path.addNewFrame(1, 0);
    path.addNewFrame(2, 4);
    path.playForward();
    EXPECT_EQ(0.f, path.getX());
    path.stepClockAnimation(1.1f);
    EXPECT_EQ(0.f, path.getX()) << "the first target is the first frame itself";
    EXPECT_EQ(0.f, path.stepClockAnimation(0.1f)) << "reached: the next segment starts";
    EXPECT_EQ(0.f, path.getX());
    EXPECT_EQ(1.f, path.stepClockAnimation(1));
    EXPECT_EQ(2.f, path.getX());
    EXPECT_EQ(0.f, xOf(path.getLastFrame()));
    // Far from the target and not moving away, but only half of its time: not
    // reached whatever the distance.
    path.setX(100);
    EXPECT_FLOAT_EQ(1.1f, path.stepClockAnimation(0.1f));
    EXPECT_TRUE(path.isPlaying());
    EXPECT_FLOAT_EQ(2.2f, path.getX());
    EXPECT_EQ(2, runToTheEnd(path, 1, 10));
    EXPECT_FALSE(path.isPlaying());
}

TEST(PathGroupTravel, ALoopComesBackFromTheLastFrame) {
    Path2DGroup path;
    path.addNewFrame(1, 0, 0);
    path.addNewFrame(2, 4, 0);
    path.loopOn();
    EXPECT_TRUE(path.isLopping());
    path.playForwardIn(0);
    EXPECT_EQ(4.f, xOf(path.getLastFrame()));
    path.stepClockAnimation(0.5f);
    EXPECT_EQ(2.f, path.getX());
    EXPECT_EQ(0.f, path.getY());
    path.stepClockAnimation(0.5f);
    EXPECT_EQ(0.f, path.getX());
    EXPECT_EQ(4.f, xOf(path.getLastFrame())) << "a percent of exactly 1 has not run out";
    path.stepClockAnimation(0.1f);
    path.stepClockAnimation(0.01f);
    EXPECT_EQ(0.f, xOf(path.getLastFrame())) << "the first frame reached";
    path.stepClockAnimation(1);
    EXPECT_EQ(2.f, path.getX()) << "half of the two seconds to the second frame";
    path.stepClockAnimation(1.1f);
    path.stepClockAnimation(0.01f);
    EXPECT_EQ(4.f, xOf(path.getLastFrame()));
    EXPECT_TRUE(path.isPlaying());
}

TEST(PathGroupTravel, AValueMovingAwayReachesItsTarget) {
    Path1DGroup path;
    path.addNewFrame(1, 0);
    path.addNewFrame(1, 10);
    path.addNewFrame(1, 20);
    path.playForward();
    path.stepClockAnimation(1.1f);
    path.stepClockAnimation(0.1f);
    EXPECT_EQ(0.f, xOf(path.getLastFrame()));
    path.stepClockAnimation(0.5f);
    path.stepClockAnimation(0.6f);
    EXPECT_FLOAT_EQ(11.f, path.getX());
    // Somebody else moves the value ten units off, away from the target.
    path.setX(20);
    path.stepClockAnimation(0.01f);
    EXPECT_EQ(10.f, xOf(path.getLastFrame()));
}

TEST(PathGroupTravel, AValueNearTheTargetReachesIt) {
    Path3DGroup path;
    path.addNewFrame(1, 0, 0, 0);
    path.addNewFrame(1, 3, 4, 12);
    path.addNewFrame(1, 0, 0, 0);
    path.playForward();
    path.stepClockAnimation(1.1f);
    path.stepClockAnimation(0.1f);
    path.stepClockAnimation(1.01f);
    EXPECT_NEAR(3.03f, path.getX(), 1e-5);
    EXPECT_NEAR(12.12f, path.getZ(), 1e-5);
    EXPECT_EQ(0.f, xOf(path.getLastFrame()));
    path.stepClockAnimation(0.001f);
    EXPECT_EQ(3.f, xOf(path.getLastFrame())) << "within 0.5 of (3, 4, 12)";
    path.setZ(7);
    EXPECT_EQ(7.f, path.getZ());
    path.setY(1);
    EXPECT_EQ(1.f, path.getY());
}

TEST(PathGroupTravel, RewindingTakesTheFramesBackwards) {
    Path1DGroup path;
    for (float x : {0.f, 10.f, 20.f}) {
        path.addNewFrame(1, x);
    }
    EXPECT_TRUE(path.playRewind() == false);
    EXPECT_TRUE(path.playRewindIn(2));
    EXPECT_EQ(20.f, xOf(path.getLastFrame()));
    path.setX(20);
    path.stepClockAnimation(1.1f);
    path.stepClockAnimation(1.1f);
    EXPECT_EQ(20.f, xOf(path.getLastFrame()));
    path.stepClockAnimation(0.5f);
    EXPECT_EQ(15.f, path.getX());
    EXPECT_LT(runToTheEnd(path, 1.1f, 20), 20);
    EXPECT_FALSE(path.isPlaying());
}

TEST(PathGroupTravel, PausingRestartsTheSegmentTime) {
    Path1DGroup path;
    path.addNewFrame(1, 0);
    path.addNewFrame(2, 4);
    path.playForward();
    path.stepClockAnimation(1.1f);
    path.stepClockAnimation(0.1f);
    path.stepClockAnimation(1);
    EXPECT_FALSE(path.pause());
    EXPECT_EQ(0.f, path.stepClockAnimation(5));
    EXPECT_TRUE(path.pause());
    EXPECT_EQ(0.5f, path.stepClockAnimation(0.5f));
    EXPECT_EQ(1.f, path.getX());
    EXPECT_TRUE(path.stop());
    EXPECT_FALSE(path.isPlaying());
    EXPECT_TRUE(path.playForward()) << "from the start position";
    EXPECT_EQ(0.f, xOf(path.getLastFrame()));
}

TEST(PathGroupTravel, TheRealClockMovesAPlayingPath) {
    Path1DGroup path;
    path.addNewFrame(1000, 0);
    path.playForward();
    watch::Time watch;
    while (watch.getMicroseconds() < 2000) {
    }
    float seconds = path.updateClockAnimation();
    EXPECT_GT(seconds, 0.f);
    EXPECT_LT(seconds, 1000.f);
}

TEST(PathGroupDegenerate, NoTravelTimeMeansArrivedAtOnce) {
    Path1DGroup path;
    path.addNewFrame(1, 0);
    path.addNewFrame(0, 5);
    path.addNewFrame(-1, 7);
    path.addNewFrame(1, 9);
    path.playForward();
    path.stepClockAnimation(1.1f);
    path.stepClockAnimation(0.1f);
    EXPECT_EQ(5.f, path.getX()) << "a zero-time target is where the value is at once";
    EXPECT_EQ(0.f, xOf(path.getLastFrame()));
    path.stepClockAnimation(0.1f);
    EXPECT_EQ(5.f, xOf(path.getLastFrame())) << "reached, the next frame taken";
    EXPECT_EQ(7.f, path.getX());
    path.stepClockAnimation(0.1f);
    EXPECT_EQ(7.f, xOf(path.getLastFrame()));
    EXPECT_EQ(7.f, path.getX());
    EXPECT_FALSE(std::isnan(path.getX()));

    Path1DGroup last;
    last.addNewFrame(1, 0);
    last.addNewFrame(0, 5);
    last.playForward();
    runToTheEnd(last, 1.1f, 10);
    EXPECT_FALSE(last.isPlaying());
    EXPECT_EQ(5.f, last.getX()) << "stopped on its zero-time last frame";
}

TEST(PathGroupDegenerate, MissingFramesStopThePathAndLeaveTheValue) {
    Path2DGroup path;
    path.addNewFrame(1, 0, 0);
    path.addNewFrame(1, 4, 4);
    path.playForwardIn(1);
    path.stepClockAnimation(0.5f);
    EXPECT_EQ(2.f, path.getY());
    path.deleteFrames();
    EXPECT_EQ(0.f, path.stepClockAnimation(0.5f));
    EXPECT_FALSE(path.isPlaying());
    EXPECT_EQ(2.f, path.getX());
    EXPECT_EQ(2.f, path.getY());

    Path1DGroup cut;
    cut.addNewFrame(1, 0);
    cut.addNewFrame(1, 4);
    cut.playForwardIn(1);
    cut.deleteFrame(1);
    cut.setX(3);
    cut.stepClockAnimation(0.5f);
    EXPECT_FALSE(cut.isPlaying()) << "the target position holds no frame";
    EXPECT_EQ(3.f, cut.getX());

    PathGroup times;
    times.addNewFrame(0.f);
    times.addNewFrame(1.f);
    times.playForward();
    EXPECT_EQ(0.f, times.stepClockAnimation(0.5f)) << "the zero-time frame is passed at once";
    EXPECT_EQ(0.5f, times.stepClockAnimation(0.5f));
    EXPECT_TRUE(times.isPlaying()) << "frames without values are never reached by distance";
}

TEST(PathGroupClips, ClipsNarrowTheRange) {
    Path1DGroup path;
    EXPECT_FALSE(path.addNewAnimationName("early", 0, 1)) << "no frame yet";
    for (int i = 0; i < 9; i++) {
        path.addNewFrame(1, static_cast<float>(i));
    }
    EXPECT_TRUE(path.setAnimationEndPosition(5));
    EXPECT_FALSE(path.addNewAnimationName("back", 3, 2));
    EXPECT_FALSE(path.addNewAnimationName("", 3, 4));
    EXPECT_TRUE(path.addNewAnimationName("tail", 6, 8));
    EXPECT_FALSE(path.addNewAnimationName("tail", 1, 2));
    EXPECT_TRUE(path.haveAnimationName("tail"));
    EXPECT_TRUE(path.playNameForward("tail"));
    EXPECT_EQ(0.f, path.getX());
    EXPECT_EQ(0.f, xOf(path.getLastFrame())) << "start 0 kept: 6 is not below the old end";
    path.setX(0);
    EXPECT_LT(runToTheEnd(path, 1.1f, 100), 100);
    EXPECT_NEAR(8.f, path.getX(), 1.f) << "the path ends at the clip's last frame";

    EXPECT_FALSE(path.playNameForward("none"));
    EXPECT_TRUE(path.addNewAnimationName("head", 0, 2));
    EXPECT_TRUE(path.playNameRewind("tail"));
    EXPECT_TRUE(path.isRewind());
    EXPECT_TRUE(path.selectAnimationName("tail"));
    EXPECT_FALSE(path.selectAnimationName(static_cast<char*>(nullptr)));
    EXPECT_TRUE(path.removeAnimationName("tail"));
    EXPECT_FALSE(path.removeAnimationName("tail"));
    EXPECT_FALSE(path.removeAnimationName(static_cast<const char*>(nullptr)));
    path.cleanAnimationNames();
    EXPECT_FALSE(path.haveAnimationName("head"));
}

TEST(PathGroupCopies, AShallowCopyMarkedNotToDeleteLeavesTheSourceWhole) {
    Path2DGroup source;
    source.addNewFrame(1, 2, 3);
    source.addNewAnimationName("one", 0, 0);
    {
        Path2DGroup copy(source);
        EXPECT_EQ(1u, copy.size());
        EXPECT_TRUE(copy.haveAnimationName("one"));
        copy.cantDeleteGroup();
    }
    EXPECT_EQ(1u, source.size());
    EXPECT_TRUE(source.haveAnimationName("one"));
    source.playForward();
    EXPECT_EQ(2.f, xOf(source.getLastFrame()));
}
