#include "zelk/animation/Interpolation3DGroup.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace zelk;
using namespace zelk::animation;

namespace {

// Notes every group that reports the end of its range.
class EndListener : public AnimationCallback {
public:
    void animationEnd(InterpolationGroup* group) override { ends.push_back(group); }
    std::vector<InterpolationGroup*> ends;
};

// A 1D group with key frames at the given seconds, x = 10 * second.
void addFrames(Interpolation1DGroup& group, std::initializer_list<float> seconds) {
    for (float second : seconds) {
        group.addNewInterpolationLine(second, second * 10);
    }
}

} // namespace

TEST(InterpolationGroupBuilding, ANewGroupHasNothingToPlay) {
    Interpolation1DGroup group;
    EXPECT_FALSE(group.isPlaying());
    EXPECT_EQ(0u, group.getInterpolationSize());
    EXPECT_EQ(0.f, group.stepClockAnimation(5));
    EXPECT_EQ(0.f, group.updateClockAnimation());
    EXPECT_FALSE(group.playForward());
    EXPECT_FALSE(group.isPlaying());
    EXPECT_EQ(nullptr, group.getSelectedInterpolation());
    EXPECT_FALSE(group.scaleFrames(2));
}

TEST(InterpolationGroupBuilding, TheFirstFrameWaitsForASecond) {
    Interpolation1DGroup group;
    EXPECT_TRUE(group.addNewInterpolationLine(1, 4));
    EXPECT_TRUE(group.haveTempFrame());
    EXPECT_TRUE(group.selectTempFrame(1));
    EXPECT_FALSE(group.selectTempFrame(2));
    EXPECT_EQ(0u, group.getInterpolationSize());
    EXPECT_FALSE(group.playForward());

    // The second frame makes the first line; the waiting frame's value stays.
    EXPECT_TRUE(group.addNewInterpolationLine(0, 8));
    EXPECT_FALSE(group.haveTempFrame());
    ASSERT_EQ(1u, group.getInterpolationSize());
    EXPECT_EQ(0.f, group.getInterpolationStartSecond(0));
    EXPECT_EQ(8.f, group.getInterpolationStartX(0));
    EXPECT_EQ(4.f, group.getInterpolationEndX(0));
}

TEST(InterpolationGroupBuilding, FramesAppendSplitAndPrepend) {
    Interpolation1DGroup group;
    addFrames(group, {0, 1, 2});
    ASSERT_EQ(2u, group.getInterpolationSize());
    group.playForwardIn(-5);
    EXPECT_EQ(0.f, group.getAnimationSecond());
    group.playForwardIn(10);
    EXPECT_EQ(2.f, group.getAnimationSecond()) << "the range covers both lines";

    group.addNewInterpolationLine(0.5f, 99);
    ASSERT_EQ(3u, group.getInterpolationSize());
    EXPECT_EQ(0.5f, group.getInterpolationEndSecond(0));
    EXPECT_EQ(0.5f, group.getInterpolationStartSecond(1));
    EXPECT_EQ(1.f, group.getInterpolationEndSecond(1));
    EXPECT_EQ(1.f, group.getInterpolationStartSecond(2));
    EXPECT_EQ(99.f, group.getInterpolationEndX(0));
    EXPECT_EQ(99.f, group.getInterpolationStartX(1));
    EXPECT_EQ(1.f, group.getInterpolationStartSecond(2.7f)) << "the index is truncated";
    EXPECT_EQ(0.f, group.getInterpolationStartSecond(-1));
    EXPECT_EQ(0.f, group.getInterpolationEndSecond(-0.5f));
    EXPECT_EQ(0.f, group.getInterpolationEndSecond(3));
    EXPECT_EQ(0.f, group.getInterpolationEndSecond(NAN));

    // Before the first frame: a new first line, the range start unmoved.
    group.addNewInterpolationLine(-1, -10);
    ASSERT_EQ(4u, group.getInterpolationSize());
    EXPECT_EQ(-1.f, group.getInterpolationStartSecond(0));
    EXPECT_EQ(0.f, group.getInterpolationEndSecond(0));
    group.playForwardIn(-1);
    EXPECT_EQ(0.f, group.getAnimationSecond());
    EXPECT_TRUE(group.setAnimationStartInterpolation(0));
    group.playForwardIn(-1);
    EXPECT_EQ(-1.f, group.getAnimationSecond());
}

TEST(InterpolationGroupBuilding, AddingAFrameStopsThePlayingGroup) {
    Interpolation1DGroup group;
    addFrames(group, {0, 2});
    group.playForward();
    group.stepClockAnimation(1);
    EXPECT_TRUE(group.isPlaying());
    group.addNewInterpolationLine(3, 0);
    EXPECT_FALSE(group.isPlaying());
    EXPECT_EQ(0.f, group.getAnimationSecond());
}

TEST(InterpolationGroupBuilding, AFirstLineTakesBothFramesInOrder) {
    Interpolation2DGroup group;
    addFrames(group, {5, 6, 7});
    EXPECT_TRUE(group.addFirstInterpolationLine(Frame2D(3, 30, 300), Frame2D(1, 10, 100)));
    ASSERT_EQ(1u, group.getInterpolationSize());
    EXPECT_EQ(1.f, group.getInterpolationStartSecond(0));
    EXPECT_EQ(10.f, group.getInterpolationStartX(0));
    EXPECT_EQ(100.f, group.getInterpolationStartY(0));
    EXPECT_EQ(30.f, group.getInterpolationEndX(0));
    EXPECT_EQ(300.f, group.getInterpolationEndY(0));
    EXPECT_TRUE(group.addFirstInterpolationLine(0, vec2f32(1, 2), -2, vec2f32(3, 4)));
    EXPECT_EQ(-2.f, group.getInterpolationStartSecond(0));
    EXPECT_EQ(4.f, group.getInterpolationStartY(0));
}

TEST(InterpolationGroupBuilding, ScalingStretchesFramesClipsAndRangeOnce) {
    Interpolation1DGroup group;
    addFrames(group, {0, 1, 2});
    group.addNewAnimationName("walk", 0.5f, 1.5f);
    EXPECT_FALSE(group.scaleFrames(0));
    EXPECT_FALSE(group.scaleFrames(-1)) << "a negative factor would reverse the frames";
    EXPECT_FALSE(group.scaleFrames(NAN));
    EXPECT_TRUE(group.scaleFrames(2));
    EXPECT_EQ(2.f, group.getInterpolationEndSecond(0));
    EXPECT_EQ(2.f, group.getInterpolationStartSecond(1));
    EXPECT_EQ(4.f, group.getInterpolationEndSecond(1));
    EXPECT_EQ(20.f, group.getInterpolationEndX(1)) << "values stay";
    group.playNameForward("walk");
    EXPECT_EQ(1.f, group.getAnimationSecond());
    group.playForwardIn(10);
    EXPECT_EQ(3.f, group.getAnimationSecond());
}

TEST(InterpolationGroupClock, PlayingForwardStopsAtTheEndAndReportsIt) {
    Interpolation1DGroup group;
    EndListener listener;
    addFrames(group, {1, 2, 3});
    EXPECT_FALSE(group.setAnimationCallback(nullptr));
    EXPECT_TRUE(group.setAnimationCallback(&listener));
    group.playForward();
    EXPECT_EQ(1.f, group.stepClockAnimation(0));
    EXPECT_EQ(2.5f, group.stepClockAnimation(1.5f));
    EXPECT_EQ(group.getInterpolationEndSecond(1),
              group.getSelectedInterpolation()->getEnd().second);
    EXPECT_TRUE(listener.ends.empty());
    EXPECT_EQ(1.f, group.stepClockAnimation(1));
    EXPECT_FALSE(group.isPlaying());
    ASSERT_EQ(1u, listener.ends.size());
    EXPECT_EQ(&group, listener.ends[0]);
    group.stepClockAnimation(1);
    EXPECT_EQ(1u, listener.ends.size());
    group.removeAnimationCallback();
}

TEST(InterpolationGroupClock, ALoopTakesTheRangeOffOnceAndReportsEveryWrap) {
    Interpolation1DGroup group;
    EndListener listener;
    addFrames(group, {0, 1, 2});
    group.setAnimationCallback(&listener);
    group.loopOn();
    EXPECT_TRUE(group.isLooping());
    group.playForwardIn(1.9f);
    EXPECT_FLOAT_EQ(4.9f, group.stepClockAnimation(5));
    EXPECT_EQ(1u, listener.ends.size());
    EXPECT_FLOAT_EQ(2.9f, group.stepClockAnimation(0));
    EXPECT_FLOAT_EQ(0.9f, group.stepClockAnimation(0));
    EXPECT_EQ(3u, listener.ends.size());
    EXPECT_TRUE(group.isPlaying());
    EXPECT_EQ(group.getInterpolationStartSecond(0),
              group.getSelectedInterpolation()->getStart().second);
}

TEST(InterpolationGroupClock, RewindingWrapsIntoTheRangeAtOnce) {
    Interpolation1DGroup group;
    EndListener listener;
    addFrames(group, {0, 1, 2});
    group.setAnimationCallback(&listener);
    group.setLoop(true);
    group.playRewindIn(0.1f);
    EXPECT_TRUE(group.isRewind());
    EXPECT_NEAR(1.1f, group.stepClockAnimation(5), 1e-5);
    EXPECT_EQ(1u, listener.ends.size());

    // Ten million seconds back: one wrap, inside the range.
    float second = group.stepClockAnimation(1e7f);
    EXPECT_GE(second, 0.f);
    EXPECT_LE(second, 2.f);
    EXPECT_EQ(2u, listener.ends.size());
    group.stepClockAnimation(INFINITY);
    EXPECT_EQ(0.f, group.getAnimationSecond());
    EXPECT_TRUE(group.isPlaying());
}

TEST(InterpolationGroupClock, ARangeOfNoLengthStopsInsteadOfLooping) {
    Interpolation1DGroup group;
    EndListener listener;
    group.addNewInterpolationLine(1, 5);
    group.addNewInterpolationLine(1, 7);
    ASSERT_EQ(1u, group.getInterpolationSize());
    group.setAnimationCallback(&listener);
    group.loopOn();
    group.playRewind();
    group.stepClockAnimation(0.5f);
    EXPECT_FALSE(group.isPlaying());
    group.playForward();
    group.stepClockAnimation(0.5f);
    EXPECT_FALSE(group.isPlaying());
    EXPECT_EQ(2u, listener.ends.size());
    bool success = true;
    EXPECT_EQ(0.f, group.getClockX(&success));
    EXPECT_FALSE(success);
}

TEST(InterpolationGroupClock, RewindingWithoutLoopStopsAtTheStart) {
    Interpolation1DGroup group;
    addFrames(group, {0, 1, 2});
    group.playRewindIn(2);
    group.stepClockAnimation(0.5f);
    EXPECT_EQ(1.5f, group.getAnimationSecond());
    group.stepClockAnimation(1);
    EXPECT_EQ(0.5f, group.getAnimationSecond());
    EXPECT_EQ(0.f, group.getSelectedInterpolation()->getStart().second);
    group.stepClockAnimation(1);
    EXPECT_FALSE(group.isPlaying());
}

TEST(InterpolationGroupClock, SpeedScalesTheAdvance) {
    Interpolation1DGroup group;
    addFrames(group, {0, 10});
    group.setSpeed(0.5f);
    EXPECT_EQ(0.5f, group.getSpeed());
    group.playForward();
    EXPECT_EQ(1.f, group.stepClockAnimation(2));
    group.setSpeed(0);
    EXPECT_EQ(1.f, group.stepClockAnimation(3));
    EXPECT_TRUE(group.isPlaying());
}

TEST(InterpolationGroupClock, PausingTwiceResumesWithoutThePausedTime) {
    Interpolation1DGroup group;
    addFrames(group, {0, 10});
    EXPECT_TRUE(group.playForward());
    group.stepClockAnimation(1);
    EXPECT_FALSE(group.pause());
    EXPECT_TRUE(group.isPaused());
    EXPECT_EQ(1.f, group.stepClockAnimation(4));
    EXPECT_TRUE(group.pause());
    EXPECT_FALSE(group.isPaused());
    EXPECT_EQ(2.f, group.stepClockAnimation(1));
    EXPECT_TRUE(group.stop());
    EXPECT_EQ(0.f, group.getAnimationSecond());
    EXPECT_TRUE(group.pause()) << "pausing a stopped group plays it";
}

TEST(InterpolationGroupClock, TheRealClockMovesAPlayingGroupForward) {
    Interpolation1DGroup group;
    addFrames(group, {0, 100000});
    group.playForward();
    watch::Time watch;
    while (watch.getMicroseconds() < 2000) {
    }
    float second = group.updateClockAnimation();
    EXPECT_GT(second, 0.f);
    EXPECT_LT(second, 100000.f);
}

TEST(InterpolationGroupRange, TheRangeFollowsSecondsAndPositions) {
    Interpolation1DGroup group;
    addFrames(group, {0, 1, 2});
    EXPECT_TRUE(group.setAnimationEndSecond(1));
    EXPECT_TRUE(group.setAnimationStartSecond(1.5f));
    group.playForwardIn(0);
    EXPECT_EQ(1.5f, group.getAnimationSecond());
    group.playForwardIn(5);
    EXPECT_FLOAT_EQ(1.6f, group.getAnimationSecond());
    EXPECT_FALSE(group.setAnimationStartSecond(3));
    EXPECT_FALSE(group.setAnimationEndSecond(1.5f)) << "not after the start";
    EXPECT_FALSE(group.isSecondInsideAnimation(-0.1f));
    EXPECT_TRUE(group.isSecondInsideAnimation(2));

    EXPECT_FALSE(group.setAnimationEndInterpolation(7));
    group.playForwardIn(5);
    EXPECT_EQ(1.f, group.getAnimationSecond()) << "both indices back to line 0";
    EXPECT_TRUE(group.setAnimationEndInterpolation(1));
    EXPECT_TRUE(group.setAnimationStartInterpolation(1));
    group.playForwardIn(0);
    EXPECT_EQ(1.f, group.getAnimationSecond());
}

TEST(InterpolationGroupClips, ClipsMustFitTheFramesUnderANewName) {
    Interpolation1DGroup group;
    EXPECT_FALSE(group.addNewAnimationName("early", 0, 1)) << "no line yet";
    addFrames(group, {0, 1, 2});
    EXPECT_FALSE(group.addNewAnimationName("flat", 1, 1));
    EXPECT_FALSE(group.addNewAnimationName("long", 1, 2.5f));
    EXPECT_FALSE(group.addNewAnimationName("before", -1, 1));
    EXPECT_FALSE(group.addNewAnimationName(static_cast<const char*>(nullptr), 0, 1));
    EXPECT_FALSE(group.addNewAnimationName("", 0, 1));
    EXPECT_TRUE(group.addNewAnimationName("jump", 0, 1));
    EXPECT_FALSE(group.addNewAnimationName("jump", 1, 2));
    EXPECT_TRUE(group.haveAnimationName("jump"));
    EXPECT_FALSE(group.haveAnimationName(static_cast<char*>(nullptr)));
    EXPECT_TRUE(group.selectAnimationName("jump"));
    EXPECT_TRUE(group.selectAnimationName("jump"));
    EXPECT_FALSE(group.selectAnimationName("run"));
    EXPECT_FALSE(group.selectAnimationName(static_cast<const char*>(nullptr)));
    EXPECT_TRUE(group.removeAnimationName("jump"));
    EXPECT_FALSE(group.removeAnimationName("jump"));
    EXPECT_FALSE(group.removeAnimationName(static_cast<char*>(nullptr)));
    EXPECT_TRUE(group.addNewAnimationName("jump", 0, 1));
    group.cleanAnimationNames();
    EXPECT_FALSE(group.haveAnimationName("jump"));
}

TEST(InterpolationGroupClips, ANamedClipLoopsWithinItself) {
    Interpolation1DGroup group;
    EndListener listener;
    addFrames(group, {0, 1, 2, 3});
    group.addNewAnimationName("middle", 1, 2);
    group.setAnimationCallback(&listener);
    group.loopOn();
    EXPECT_FALSE(group.playNameForward("missing"));
    EXPECT_FALSE(group.isPlaying());
    EXPECT_TRUE(group.playNameForward("middle"));
    EXPECT_EQ(1.f, group.getAnimationSecond());
    EXPECT_EQ(1.5f, group.stepClockAnimation(0.5f));
    EXPECT_EQ(1.25f, group.stepClockAnimation(0.75f));
    EXPECT_EQ(1u, listener.ends.size());
    bool success = false;
    EXPECT_EQ(12.5f, group.getClockX(&success));
    EXPECT_TRUE(success);
}

TEST(InterpolationGroupClips, RewindingAClipStartsFromItsLastLine) {
    Interpolation1DGroup group;
    addFrames(group, {0, 1, 2});
    group.addNewAnimationName("all", 0, 2);
    EXPECT_TRUE(group.playNameRewind("all"));
    EXPECT_EQ(2.f, group.getAnimationSecond());
    EXPECT_EQ(1.f, group.getSelectedInterpolation()->getStart().second);
    group.stepClockAnimation(0.5f);
    EXPECT_EQ(1.f, group.getSelectedInterpolation()->getStart().second);
    group.stepClockAnimation(0.7f);
    EXPECT_EQ(0.f, group.getSelectedInterpolation()->getStart().second);
    EXPECT_FALSE(group.playNameRewind("none"));
}

TEST(InterpolationGroupValues, OneValueFollowsItsKeyFrames) {
    Interpolation1DGroup group;
    group.addNewInterpolationLine(0, 0);
    group.addNewInterpolationLine(Frame1D(1, 10));
    group.addNewInterpolationLine(2, 0);
    bool success = false;
    group.playForward();
    group.stepClockAnimation(0.5f);
    EXPECT_EQ(5.f, group.getClockX(&success));
    EXPECT_TRUE(success);
    group.stepClockAnimation(1);
    EXPECT_EQ(5.f, group.getClockX(nullptr));
    group.stepClockAnimation(1);
    EXPECT_EQ(0.f, group.getClockX(&success));
    EXPECT_FALSE(success);
}

TEST(InterpolationGroupValues, FramesAddedBackwardsKeepTheirValues) {
    Interpolation2DGroup group;
    group.addNewInterpolationLine(1, vec2f32(10, 100));
    group.addNewInterpolationLine(0, 5, 50);
    ASSERT_EQ(1u, group.getInterpolationSize());
    EXPECT_EQ(0.f, group.getInterpolationStartSecond(0));
    EXPECT_EQ(5.f, group.getInterpolationStartX(0));
    EXPECT_EQ(50.f, group.getInterpolationStartY(0));
    EXPECT_EQ(10.f, group.getInterpolationEndX(0));
    EXPECT_EQ(100.f, group.getInterpolationEndY(0));

    Interpolation3DGroup space;
    space.addNewInterpolationLine(2, vec3f32(1, 2, 3));
    space.addNewInterpolationLine(Frame3D(0, 4, 5, 6));
    space.addNewInterpolationLine(1, 7, 8, 9);
    space.playForwardIn(0.5f);
    bool success = false;
    EXPECT_EQ(7.5f, space.getClockZ(&success));
    EXPECT_TRUE(success);
    EXPECT_EQ(6.5f, space.getClockY(&success));
    EXPECT_EQ(3.f, space.getInterpolationEndZ(1));
}

TEST(InterpolationGroupValues, SettingASharedFrameChangesBothLines) {
    Interpolation2DGroup group;
    group.addNewInterpolationLine(0, 0, 0);
    group.addNewInterpolationLine(1, 10, 10);
    group.addNewInterpolationLine(2, 0, 0);
    EXPECT_TRUE(group.setFrameX(1, 7));
    EXPECT_EQ(7.f, group.getInterpolationEndX(0));
    EXPECT_EQ(7.f, group.getInterpolationStartX(1));
    EXPECT_EQ(10.f, group.getInterpolationStartY(1));
    EXPECT_FALSE(group.setFrameX(0.5f, 7));
    EXPECT_TRUE(group.setFrameY(0, -1));
    EXPECT_EQ(-1.f, group.getInterpolationStartY(0));
    EXPECT_TRUE(group.setFrame2D(2, 3, 4));
    EXPECT_EQ(3.f, group.getInterpolationEndX(1));
    EXPECT_EQ(4.f, group.getInterpolationEndY(1));
    EXPECT_FALSE(group.setFrame2D(9, 3, 4));

    Interpolation3DGroup space;
    space.addNewInterpolationLine(0, 1, 2, 3);
    EXPECT_FALSE(space.setFrameZ(0, 9)) << "a waiting frame takes the value, answering false";
    EXPECT_FALSE(space.setFrame3D(0, 5, 5, 5));
    space.addNewInterpolationLine(1, 0, 0, 0);
    EXPECT_EQ(9.f, space.getInterpolationStartZ(0));
    EXPECT_EQ(1.f, space.getInterpolationStartX(0));
    EXPECT_TRUE(space.setFrame3D(1, 5, 6, 7));
    EXPECT_EQ(7.f, space.getInterpolationEndZ(0));
}

TEST(InterpolationGroupValues, CurvesPerLineAndAxis) {
    Interpolation3DGroup group;
    group.addNewInterpolationLine(0, 0, 0, 0);
    group.addNewInterpolationLine(2, 20, 20, 20);
    EXPECT_FALSE(group.getInterpolationIsCurveY(0));
    EXPECT_FALSE(group.getInterpolationIsCurveY(0)) << "asking changes nothing";
    EXPECT_TRUE(group.setInterpolationCurveY(0));
    EXPECT_TRUE(group.getInterpolationIsCurveY(0));
    EXPECT_FALSE(group.setInterpolationCurveY(1));
    EXPECT_FALSE(group.setInterpolationP1X(0, 9, 5)) << "clamped to the line's end";
    EXPECT_TRUE(group.getInterpolationIsCurveX(0));
    EXPECT_TRUE(group.setInterpolationP2X(0, 1, 5));
    EXPECT_TRUE(group.setInterpolationP1Z(0, 1, 0));
    EXPECT_FALSE(group.getInterpolationIsCurveZ(0)) << "the z point does not switch the axis";
    EXPECT_TRUE(group.setInterpolationCurveZ(0));
    EXPECT_TRUE(group.setInterpolationNotCurveX(0));
    EXPECT_FALSE(group.getInterpolationIsCurveX(0));
    EXPECT_FALSE(group.setInterpolationNotCurveZ(4));
    EXPECT_TRUE(group.setInterpolationP1Y(0, 0.5f, 0));
    EXPECT_TRUE(group.setInterpolationP2Y(0, 1.5f, 0));
    group.playForwardIn(1);
    bool success = false;
    EXPECT_EQ(10.f, group.getClockX(&success));
    EXPECT_EQ(2.5f, group.getClockY(&success)) << "Bezier 0, 0, 0, 20 at a half";
    EXPECT_EQ(10.f, group.getClockZ(&success)) << "a fresh curve lies on the straight line";
}

TEST(InterpolationGroupValues, SetSecondByXFindsTheMomentOfAValue) {
    Interpolation1DGroup group;
    addFrames(group, {0, 1, 2, 3});
    EXPECT_FALSE(group.setSecondByX(0.5f, 5)) << "not playing";
    group.playForwardIn(0.5f);
    EXPECT_TRUE(group.setSecondByX(0.5f, 7));
    EXPECT_FLOAT_EQ(0.7f, group.getAnimationSecond());
    EXPECT_TRUE(group.setSecondByX(2.5f, 25));
    EXPECT_FLOAT_EQ(2.5f, group.getAnimationSecond());
    EXPECT_EQ(2.f, group.getSelectedInterpolation()->getStart().second);
    EXPECT_TRUE(group.setSecondByX(2.5f, 12));
    EXPECT_FLOAT_EQ(1.2f, group.getAnimationSecond());
    EXPECT_FALSE(group.setSecondByX(2.5f, 40)) << "no line reaches 40";
    EXPECT_FALSE(group.setSecondByX(5, 12)) << "outside the range";
}

TEST(InterpolationGroupCopies, AssignmentRebuildsFromEveryFrameAndClip) {
    Interpolation1DGroup source;
    addFrames(source, {0, 2, 4});
    source.addNewInterpolationLine(1, 99);
    source.addNewInterpolationLine(3, 77);
    source.addNewAnimationName("first", 0, 1);
    source.loopOn();
    ASSERT_EQ(4u, source.getInterpolationSize());

    Interpolation1DGroup target;
    addFrames(target, {7, 8});
    target = source;
    ASSERT_EQ(4u, target.getInterpolationSize());
    float seconds[] = {0, 1, 2, 3, 4};
    float values[] = {0, 99, 20, 77, 40};
    for (unsigned int line = 0; line < 4; line++) {
        EXPECT_EQ(seconds[line], target.getInterpolationStartSecond(line));
        EXPECT_EQ(values[line], target.getInterpolationStartX(line));
        EXPECT_EQ(values[line + 1], target.getInterpolationEndX(line));
    }
    EXPECT_EQ(4.f, target.getInterpolationEndSecond(3));
    EXPECT_TRUE(target.haveAnimationName("first"));
    EXPECT_FALSE(target.isLooping()) << "the loop flag is not copied";
    EXPECT_EQ(4u, source.getInterpolationSize()) << "the source keeps its own";

    target = target;
    EXPECT_EQ(4u, target.getInterpolationSize());
    EXPECT_EQ(77.f, target.getInterpolationEndX(2));

    Interpolation2DGroup plane;
    plane.addNewInterpolationLine(0, 1, 2);
    plane.addNewInterpolationLine(1, 3, 4);
    Interpolation2DGroup copy;
    copy = plane;
    EXPECT_EQ(4.f, copy.getInterpolationEndY(0));
    EXPECT_EQ(1.f, copy.getInterpolationStartX(0));
}

TEST(InterpolationGroupCopies, AShallowCopyMarkedNotToDeleteLeavesTheSourceWhole) {
    Interpolation2DGroup* source = new Interpolation2DGroup();
    InterpolationGroup* holder = nullptr;
    source->retainObject(&holder);
    source->addNewInterpolationLine(0, 1, 2);
    source->addNewInterpolationLine(1, 3, 4);
    source->addNewAnimationName("all", 0, 1);
    {
        Interpolation2DGroup copy(*source);
        EXPECT_EQ(1u, copy.getInterpolationSize());
        EXPECT_TRUE(copy.haveAnimationName("all"));
        copy.cantDeleteGroup();
    }
    EXPECT_EQ(source, holder);
    EXPECT_EQ(4.f, source->getInterpolationEndY(0));
    EXPECT_TRUE(source->haveAnimationName("all"));
    holder->releaseObject(&holder);
    EXPECT_EQ(nullptr, holder);
}

TEST(InterpolationGroupPrinting, LinesPrintTheirSecondsAndValues) {
    Interpolation2DGroup group;
    group.addNewInterpolationLine(0, 1, 2);
    group.addNewInterpolationLine(1, 3, 4);
    EXPECT_EQ("\nFrame 0 Start second 0.00 X 1.00 Y 2.00 end second 1.00 X 3.00 Y 4.00",
              test::captureStdout([&] { group.printFrames(); }));
    EXPECT_EQ(group.getInterpolationSize(), 1u);
    EXPECT_EQ("\nFrame 0 Start second 0.00 X 1.00 Y 2.00 end second 1.00 X 3.00 Y 4.00",
              test::captureStdout([&] { group.printSelectedFrames(); }));
    InterpolationGroup plain;
    plain.addNewInterpolationLine(0);
    plain.addNewInterpolationLine(2);
    EXPECT_EQ("\nFrame 0 Start second 0.00 end second 2.00",
              test::captureStdout([&] { plain.printSelectedFramesFrom(0, 4000000000u); }));
    Interpolation1DGroup one;
    one.addNewInterpolationLine(0, 1);
    one.addNewInterpolationLine(1, 2);
    EXPECT_EQ("Start second 0.00 X 1.00 end second 1.00 X 2.00", test::captureStdout([&] {
                  one.printInterpolationLine(one.getSelectedInterpolation());
              }));
    Interpolation3DGroup space;
    space.addFirstInterpolationLine(0, 1, 2, 3, 1, 4, 5, 6);
    EXPECT_EQ("Start second 0.00 X 1.00 Y 2.00 Z 3.00 end second 1.00 X 4.00 Y 5.00 Z 6.00",
              test::captureStdout(
                  [&] { space.printInterpolationLine(space.getSelectedInterpolation()); }));
    EXPECT_EQ("", test::captureStdout([&] {
                  space.printInterpolationLine(nullptr);
                  Interpolation1DGroup().printFrames();
              }));
}
