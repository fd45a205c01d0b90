#include "zelk/ViewController.h"

#include "support/ViewRecorder.h"

#include <gtest/gtest.h>

#include <memory>

using zelk::rectf32;
using zelk::vec2f32;
using zelk::View;
using zelk::ViewController;
using zelk::test::Journal;
using zelk::test::Recorded;
using zelk::vector::Stack;

namespace {

class Children : public ::testing::Test {
protected:
    // Adds recorded views named a, b, c, ... at the end; their journal is
    // emptied afterwards.
    void add(int count) {
        for (int i = 0; i < count; i++) {
            std::string name(1, static_cast<char>('a' + views.size()));
            views.push_back(std::make_unique<Recorded<View>>(name, journal));
            controller.addSubview(views.back().get());
        }
        journal.clear();
    }
    View* view(char name) { return views[name - 'a'].get(); }
    // The names of the children by position, '-' for a hole.
    std::string order() {
        std::string names;
        for (unsigned int i = 0; i < controller.getCount(); i++) {
            View* child = controller.getSubview(i);
            names += child ? static_cast<Recorded<View>*>(child)->name : "-";
        }
        return names;
    }

    Journal journal;
    std::vector<std::unique_ptr<Recorded<View>>> views;
    ViewController controller;
};

} // namespace

TEST_F(Children, AddingLoadsAndRemovingUnloadsWithoutOwning) {
    EXPECT_FALSE(controller.isLeaf());
    EXPECT_FALSE(controller.addSubview(nullptr));
    EXPECT_FALSE(controller.removeSubview(nullptr));
    views.push_back(std::make_unique<Recorded<View>>("a", journal));
    EXPECT_TRUE(controller.addSubview(view('a')));
    EXPECT_TRUE(controller.addSubview(view('a')));
    EXPECT_EQ("aa", order());
    EXPECT_TRUE(controller.removeSubview(view('a')));
    EXPECT_EQ("-a", order());
    EXPECT_TRUE(controller.haveSubview(view('a')));
    EXPECT_EQ((Journal{"a load", "a load", "a unload"}), journal);
}

TEST_F(Children, HolesAreFilledByTheNextAdditionAndTheLastRemovalShortens) {
    add(3);
    EXPECT_TRUE(controller.removeSubview(view('b')));
    EXPECT_EQ(3u, controller.getCount());
    EXPECT_EQ(nullptr, controller.getSubview(1));
    EXPECT_EQ(nullptr, controller.getSubview(3));
    EXPECT_EQ(nullptr, controller.getSubview(1ull << 33));
    EXPECT_FALSE(controller.removeSubview(view('b')));
    EXPECT_EQ(4u, controller.getSubviewId(view('b')));
    EXPECT_EQ(4u, controller.getSubviewId(nullptr));
    EXPECT_FALSE(controller.haveSubview(view('b')));
    add(1);
    EXPECT_EQ("adc", order());
    EXPECT_EQ(1u, controller.getSubviewId(view('d')));
    EXPECT_TRUE(controller.removeSubview(view('c')));
    EXPECT_EQ("ad", order());
}

TEST_F(Children, SingleStepsMoveOnePlaceWithinTheList) {
    add(3);
    EXPECT_TRUE(controller.bringSubviewIDUp(0));
    EXPECT_EQ("bac", order());
    EXPECT_FALSE(controller.bringSubviewIDUp(2));
    EXPECT_FALSE(controller.bringSubviewIDDown(0));
    EXPECT_TRUE(controller.bringSubviewDown(view('c')));
    EXPECT_EQ("bca", order());
    EXPECT_TRUE(controller.bringSubviewUp(view('b')));
    EXPECT_EQ("cba", order());
    EXPECT_FALSE(controller.bringSubviewUp(nullptr));
}

TEST_F(Children, LongMovesLandExactlyOnTheirDestination) {
    add(5);
    EXPECT_TRUE(controller.bringSubviewIDToFront(0));
    EXPECT_EQ("bcdea", order());
    EXPECT_TRUE(controller.bringSubviewToFront(view('a')));
    EXPECT_EQ("bcdea", order());
    EXPECT_TRUE(controller.bringSubviewIDUp(0, 2));
    EXPECT_EQ("cdbea", order());
    EXPECT_TRUE(controller.bringSubviewUp(view('c'), 1));
    EXPECT_EQ("dcbea", order());
    EXPECT_TRUE(controller.bringSubviewIDDown(3, 3));
    EXPECT_EQ("edcba", order());
    EXPECT_TRUE(controller.bringSubviewDown(view('a'), 2));
    EXPECT_EQ("edacb", order());
    EXPECT_TRUE(controller.bringSubviewToSubviewFront(view('e'), view('c')));
    EXPECT_EQ("daceb", order());
    EXPECT_TRUE(controller.bringSubviewToIDFront(view('b'), 0));
    EXPECT_EQ("bdace", order());
    EXPECT_TRUE(controller.bringSubviewIDToIDFront(1, 3));
    EXPECT_EQ("bacde", order());
}

TEST_F(Children, MovesFailWithoutAViewAtEitherEnd) {
    EXPECT_FALSE(controller.bringSubviewIDToFront(0));
    add(4);
    EXPECT_FALSE(controller.bringSubviewIDDown(1, 2));
    EXPECT_FALSE(controller.bringSubviewIDUp(1, 3));
    EXPECT_FALSE(controller.bringSubviewIDUp(1, 0xFFFFFFFFu));
    EXPECT_FALSE(controller.bringSubviewIDToIDFront(4, 0));
    controller.removeSubview(view('b'));
    EXPECT_FALSE(controller.bringSubviewIDToIDFront(0, 1));
    EXPECT_FALSE(controller.bringSubviewIDToFront(1));
    EXPECT_FALSE(controller.bringSubviewToFront(view('b')));
    EXPECT_EQ("a-cd", order());
    EXPECT_TRUE(controller.bringSubviewIDToIDFront(0, 2));
    EXPECT_EQ("-cad", order());
    EXPECT_EQ(nullptr, controller.getSubview(0));
    add(1);
    EXPECT_EQ("ecad", order());
}

namespace {

// A controller at (10, 20), 100 by 100, with two overlapping children: a at
// (0, 0) and b at (30, 0), each 50 by 50. b lies above a.
class Routing : public ::testing::Test {
protected:
    Routing()
        : controller("c", journal, rectf32(10, 20, 100, 100)),
          a("a", journal, rectf32(0, 0, 50, 50)), b("b", journal, rectf32(30, 0, 50, 50)) {
        controller.addSubview(&a);
        controller.addSubview(&b);
        pressed.pushBack(1);
        journal.clear();
    }

    bool press(float x, float y) { return controller.contact(vec2f32(x, y), 0, &pressed); }

    Journal journal;
    Recorded<ViewController> controller;
    Recorded<View> a;
    Recorded<View> b;
    Stack<unsigned int> pressed;
};

} // namespace

TEST_F(Routing, TheTopmostChildTakesTheContactInTheControllersCoordinates) {
    EXPECT_TRUE(press(50, 30));
    EXPECT_EQ((Journal{"b enter 10,10", "b press 10,10 1"}), journal);
}

TEST_F(Routing, AButtonBelowStillGetsAContactTakenAbove) {
    a.button = true;
    EXPECT_TRUE(press(50, 30));
    EXPECT_EQ((Journal{"b enter 10,10", "b press 10,10 1", "a enter 40,10", "a press 40,10 1"}),
              journal);
}

TEST_F(Routing, AContactNoChildTakesFallsToTheController) {
    EXPECT_TRUE(press(15, 100));
    EXPECT_EQ((Journal{"c enter 5,80", "c press 5,80 1"}), journal);
    EXPECT_TRUE(press(20, 30));
    EXPECT_EQ("a press 10,10 1", journal.back());
}

TEST_F(Routing, AContactOutsideReachesNoChildButEndsTheControllersOwnVisit) {
    press(15, 100);
    journal.clear();
    EXPECT_TRUE(controller.contact(vec2f32(25, 25), 2, &pressed));
    EXPECT_FALSE(press(500, 30));
    EXPECT_EQ((Journal{"a enter 15,5", "a move 15,5 1", "c leave 5,80"}), journal);
}

TEST_F(Routing, HolesAreSkipped) {
    controller.removeSubview(&a);
    controller.addSubview(&a);
    controller.removeSubview(&a);
    journal.clear();
    EXPECT_TRUE(press(50, 30));
    EXPECT_EQ((Journal{"b enter 10,10", "b press 10,10 1"}), journal);
}

// Children belong to whoever made them: a controller that goes neither
// unloads nor deletes them.
TEST(ViewControllerLifetime, AControllerThatGoesLeavesItsChildrenAlone) {
    Journal journal;
    Recorded<View> child("a", journal);
    {
        ViewController controller(rectf32(1, 2, 3, 4));
        EXPECT_EQ(3.f, controller.frame.size.width);
        controller.addSubview(&child);
    }
    child.load();
    EXPECT_EQ((Journal{"a load", "a load"}), journal);
}
