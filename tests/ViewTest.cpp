#include "zelk/View.h"

#include "support/ViewRecorder.h"

#include <gtest/gtest.h>

using zelk::rectf32;
using zelk::vec2f32;
using zelk::View;
using zelk::test::Journal;
using zelk::test::Recorded;
using zelk::vector::Stack;

namespace {

// A recorded view at (100, 50), 200 by 100, its animated frame caught up.
class ViewContact : public ::testing::Test {
protected:
    ViewContact() : view("v", journal, rectf32(100, 50, 200, 100)) {}

    bool contact(float x, float y, unsigned char state, Stack<unsigned int>* buttons) {
        return view.contact(vec2f32(x, y), state, buttons);
    }

    Journal journal;
    Recorded<View> view;
    Stack<unsigned int> none;
};

bool sameRect(rectf32 a, rectf32 b) {
    return a.origin == b.origin && a.size.width == b.size.width && a.size.height == b.size.height;
}

} // namespace

TEST(View, StartsWhiteVisibleOutsideAndUnanimated) {
    View plain;
    EXPECT_TRUE(sameRect(rectf32(), plain.frame));
    EXPECT_TRUE(sameRect(rectf32(), plain.animatedFrame));
    View framed(rectf32(1, 2, 3, 4));
    EXPECT_TRUE(sameRect(rectf32(1, 2, 3, 4), framed.animatedFrame));
    EXPECT_EQ(1.f, framed.backgroundColor.r);
    EXPECT_EQ(1.f, framed.backgroundColor.a);
    EXPECT_FALSE(framed.hide);
    EXPECT_FALSE(framed.mouseInside);
    EXPECT_TRUE(framed.isLeaf());
    EXPECT_FALSE(framed.isGU());
    EXPECT_FALSE(framed.isButton());
    EXPECT_FALSE(framed.animationIsPlaying());
    EXPECT_TRUE(framed.isThisAnimationPosition(&framed.animationPosition));
    EXPECT_FALSE(framed.isThisAnimationPosition(&plain.animationPosition));
}

TEST_F(ViewContact, EntryComesBeforeThePressOfTheSameFrame) {
    Stack<unsigned int> pressed;
    pressed.pushBack(1);
    pressed.pushBack(3);
    EXPECT_TRUE(contact(130, 70, 0, &pressed));
    EXPECT_EQ((Journal{"v enter 30,20", "v press 30,20 1", "v press 30,20 3"}), journal);
    EXPECT_TRUE(view.mouseInside);
    EXPECT_EQ(vec2f32(30, 20), view.relativeMousePos);
}

TEST_F(ViewContact, MovesWithoutButtonsCarryButtonZeroAndReleasesEveryButton) {
    EXPECT_TRUE(contact(101, 51, 2, &none));
    Stack<unsigned int> moved;
    moved.pushBack(2);
    EXPECT_TRUE(contact(102, 51, 2, &moved));
    Stack<unsigned int> released;
    released.pushBack(1);
    released.pushBack(2);
    EXPECT_TRUE(contact(103, 51, 1, &released));
    EXPECT_EQ((Journal{"v enter 1,1", "v move 1,1 0", "v move 2,1 2", "v release 3,1 1",
                       "v release 3,1 2"}),
              journal);
}

TEST_F(ViewContact, LeavingIsReportedOnceWithTheLastInsidePoint) {
    EXPECT_FALSE(contact(10, 10, 2, &none));
    EXPECT_TRUE(journal.empty());
    contact(150, 60, 2, &none);
    contact(160, 70, 2, &none);
    EXPECT_FALSE(contact(400, 70, 2, &none));
    EXPECT_FALSE(contact(401, 70, 2, &none));
    EXPECT_EQ((Journal{"v enter 50,10", "v move 50,10 0", "v move 60,20 0", "v leave 60,20"}),
              journal);
    EXPECT_FALSE(view.mouseInside);
    EXPECT_EQ(vec2f32(60, 20), view.relativeMousePos);
}

TEST_F(ViewContact, EdgesBelongToTheView) {
    EXPECT_TRUE(contact(100, 50, 3, nullptr));
    EXPECT_TRUE(contact(300, 150, 3, nullptr));
    EXPECT_FALSE(contact(300.01f, 150, 3, nullptr));
    EXPECT_FALSE(contact(100, 49.99f, 3, nullptr));
}

TEST_F(ViewContact, UnknownStatesAndMissingListsOnlyTrackEntry) {
    Stack<unsigned int> pressed;
    pressed.pushBack(1);
    EXPECT_TRUE(contact(110, 60, 3, &pressed));
    EXPECT_TRUE(contact(110, 60, 0, nullptr));
    EXPECT_EQ((Journal{"v enter 10,10"}), journal);
}

TEST_F(ViewContact, AHiddenViewStillTracksTheMouse) {
    view.hide = true;
    Stack<unsigned int> pressed;
    pressed.pushBack(1);
    contact(110, 60, 0, &pressed);
    contact(0, 0, 2, &none);
    EXPECT_EQ((Journal{"v enter 10,10", "v press 10,10 1", "v leave 10,10"}), journal);
}

// A position animation whose offset is (10, 20) at every second of a range
// no test can outlive, so the clock's real pace cannot matter.
class ViewAnimation : public ::testing::Test {
protected:
    ViewAnimation() : view(rectf32(100, 50, 200, 100)) {
        EXPECT_TRUE(view.animationAddFrame(0.f, 10.f, 20.f));
        EXPECT_TRUE(view.animationAddFrame(100000.f, vec2f32(10.f, 20.f)));
    }

    View view;
};

TEST_F(ViewAnimation, AStoppedViewIsDrawnAndHitAtItsFrame) {
    view.updateAnimations();
    EXPECT_TRUE(sameRect(view.frame, view.animatedFrame));
    EXPECT_TRUE(view.pointInside(vec2f32(100, 50)));
    EXPECT_FALSE(view.pointInside(vec2f32(305, 155)));
}

TEST_F(ViewAnimation, PlayingMovesDrawingAndHitTestingByTheOffset) {
    ASSERT_TRUE(view.animationPlayForward());
    EXPECT_TRUE(view.animationIsPlaying());
    view.updateAnimations();
    EXPECT_TRUE(sameRect(rectf32(110, 70, 200, 100), view.animatedFrame));
    EXPECT_TRUE(view.pointInside(vec2f32(310, 170)));
    EXPECT_FALSE(view.pointInside(vec2f32(105, 55)));
}

TEST_F(ViewAnimation, PausingKeepsTheLastAnimatedFrameAndStoppingReturnsToTheFrame) {
    view.animationPlayForward();
    view.updateAnimations();
    view.animationPause();
    view.frame = rectf32(0, 0, 5, 5);
    view.updateAnimations();
    EXPECT_TRUE(sameRect(rectf32(110, 70, 200, 100), view.animatedFrame));
    view.animationStop();
    view.updateAnimations();
    EXPECT_TRUE(sameRect(rectf32(0, 0, 5, 5), view.animatedFrame));
}

TEST_F(ViewAnimation, AFrameSetBetweenFramesCountsFromTheNextUpdate) {
    view.updateAnimations();
    view.frame = rectf32(0, 0, 10, 10);
    EXPECT_FALSE(view.pointInside(vec2f32(5, 5)));
    view.updateAnimations();
    EXPECT_TRUE(view.pointInside(vec2f32(5, 5)));
}

TEST_F(ViewAnimation, NamedClipsAndCurvesReachThePositionAnimation) {
    EXPECT_TRUE(view.animationAddAnimationName("in", 0.f, 50.f));
    EXPECT_TRUE(view.animationPlayNameForward("in"));
    EXPECT_TRUE(view.animationIsPlaying());
    EXPECT_TRUE(view.animationPlayNameRewind("in"));
    EXPECT_TRUE(view.animationRemoveAnimationName("in"));
    EXPECT_FALSE(view.animationPlayNameForward("in"));
    EXPECT_TRUE(view.animationSetInterpolationCurveX(0));
    EXPECT_TRUE(view.animationGetInterpolationIsCurveX(0));
    EXPECT_FALSE(view.animationGetInterpolationIsCurveY(0));
    EXPECT_TRUE(view.animationSetInterpolationNotCurveX(0));
    EXPECT_FALSE(view.animationGetInterpolationIsCurveX(0));
    EXPECT_FALSE(view.animationSetInterpolationCurveY(5));
    view.animationClean();
    EXPECT_FALSE(view.animationPlayForward());
}

namespace {

// Remembers the group whose end it was told of.
struct EndListener : zelk::animation::AnimationCallback {
    zelk::animation::InterpolationGroup* ended = nullptr;
    void animationEnd(zelk::animation::InterpolationGroup* group) override { ended = group; }
};

} // namespace

TEST_F(ViewAnimation, TheListenerTellsWhichViewsAnimationEnded) {
    EndListener listener;
    View other;
    EXPECT_TRUE(view.animationSetCallback(&listener));
    view.animationPlayForward();
    view.animationPosition.stepClockAnimation(200000.f);
    ASSERT_NE(nullptr, listener.ended);
    EXPECT_TRUE(view.isThisAnimationPosition(listener.ended));
    EXPECT_FALSE(other.isThisAnimationPosition(listener.ended));

    listener.ended = nullptr;
    view.animationRemoveCallback();
    view.animationPlayForward();
    view.animationPosition.stepClockAnimation(200000.f);
    EXPECT_EQ(nullptr, listener.ended);
}
