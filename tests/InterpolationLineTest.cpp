#include "zelk/XML.h"
#include "zelk/animation/InterpolationLine3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace zelk;
using namespace zelk::animation;

namespace {

// A document whose root is selected, for the elements a line writes.
struct Document {
    XML xml;
    Document() {
        xml.addNewRoot("doc");
        xml.selectRoot();
    }
    std::string attribute(const char* element, const char* name) {
        if (!xml.selectChild(element)) {
            return "<missing>";
        }
        char* value = xml.getSelectedAttributeValueByName(name);
        std::string text = value ? value : "<null>";
        xml.selectFather();
        return text;
    }
};

// A 1D line from (second, x) to (second, x).
void span(InterpolationLine1D& line, float s0, float x0, float s1, float x1) {
    line.setEnd(s1, x1);
    line.setStart(s0, x0);
}

} // namespace

TEST(KeyFrames, CopiesCarryTheSecondAndValuesAndCompareBySecond) {
    Frame3D frame(2, vec3f32(1, 2, 3));
    Frame3D copy(frame);
    EXPECT_EQ(2.f, copy.second);
    EXPECT_EQ(3.f, copy.z);
    EXPECT_TRUE(Frame(1) < Frame(2));
    EXPECT_FALSE(Frame(2) < Frame(2));
    Frame2D pair(1, vec2f32(4, 5));
    EXPECT_EQ(4.f, pair.x);
    EXPECT_EQ(5.f, pair.y);
    EXPECT_EQ(0.f, Frame1D().x);
}

TEST(InterpolationLines, ANewLineAnswersZeroEverywhere) {
    InterpolationLine1D line;
    EXPECT_EQ(0.f, line.getDistance());
    EXPECT_EQ(0.f, line.getPositionX(-4));
    EXPECT_EQ(0.f, line.getPositionX(7));
    EXPECT_TRUE(line.getCreateStart());
    EXPECT_TRUE(line.getCreateEnd());
}

TEST(InterpolationLines, AStraightAxisInterpolatesAndExtrapolates) {
    InterpolationLine1D line;
    span(line, 1, 10, 3, 30);
    EXPECT_EQ(2.f, line.getDistance());
    EXPECT_EQ(20.f, line.getPositionX(2));
    EXPECT_EQ(40.f, line.getPositionX(4));
    EXPECT_EQ(0.f, line.getPositionX(0));
    EXPECT_TRUE(line.haveSecond(3));
    EXPECT_FALSE(line.haveSecond(3.5f));
    EXPECT_EQ(2.f, line.getSecond(20));
    EXPECT_EQ(0.f, line.getSecond(31)) << "outside the values";
}

TEST(InterpolationLines, AnEndBeforeTheStartSwapsTheFrames) {
    InterpolationLine1D line;
    line.setEnd(3.f);
    line.setEnd(-1.f);
    EXPECT_EQ(-1.f, line.getStart().second);
    EXPECT_EQ(0.f, line.getEnd().second);
    EXPECT_EQ(1.f, line.getDistance());
}

TEST(InterpolationLines, AValueStaysWithItsSecondWhenTheFramesSwap) {
    InterpolationLine1D line;
    span(line, 0, 0, 3, 30);
    EXPECT_TRUE(line.setEnd(-1, 5));
    EXPECT_EQ(-1.f, line.getStart1D().second);
    EXPECT_EQ(5.f, line.getStart1D().x);
    EXPECT_EQ(0.f, line.getEnd1D().second);
    EXPECT_EQ(0.f, line.getEnd1D().x);

    InterpolationLine3D space;
    space.setEnd(2, vec3f32(1, 2, 3));
    space.setStart(5, 7, 8, 9);
    EXPECT_EQ(2.f, space.getStart3D().second);
    EXPECT_EQ(3.f, space.getStart3D().z);
    EXPECT_EQ(5.f, space.getEnd3D().second);
    EXPECT_EQ(8.f, space.getEnd3D().y);
    EXPECT_EQ(9.f, space.getEnd3D().z);
}

TEST(InterpolationLines, FramesAtOneSecondAnswerTheEndValue) {
    InterpolationLine2D line;
    line.setEnd(2, 4, 40);
    line.setStart(2, 9, 90);
    EXPECT_EQ(0.f, line.getDistance());
    EXPECT_EQ(4.f, line.getPositionX(2));
    EXPECT_EQ(4.f, line.getPositionX(5));
    line.isCurveY();
    float y = line.getPositionY(2);
    EXPECT_FALSE(std::isnan(y));
    EXPECT_EQ(line.getEnd2D().y, y);
}

TEST(InterpolationLines, ACurveStartsOnTheStraightSegmentWithTheTimeFractionAsParameter) {
    InterpolationLine1D line;
    span(line, 1, 10, 3, 30);
    EXPECT_TRUE(line.isCurveX());
    EXPECT_TRUE(line.getCurveX());
    EXPECT_EQ(20.f, line.getPositionX(2));
    EXPECT_EQ(14.53125f, line.getPositionX(1.5f));
    EXPECT_FALSE(line.setCurveX(true)) << "already a curve";

    Document document;
    EXPECT_FALSE(line.setP1X(5, 7)) << "clamped to the end second";
    EXPECT_TRUE(line.setP2X(2, 8));
    EXPECT_FALSE(line.isCurveX());
    line.writeCurveToXML(&document.xml, 4);
    EXPECT_EQ("3.0", document.attribute("curveX_4", "p1W"));
    EXPECT_EQ("7.0", document.attribute("curveX_4", "p1H"));
    EXPECT_EQ("2.0", document.attribute("curveX_4", "p2W"));
    EXPECT_EQ("8.0", document.attribute("curveX_4", "p2H"));

    EXPECT_TRUE(line.isNotCurveX());
    EXPECT_EQ(15.f, line.getPositionX(1.5f));
    EXPECT_TRUE(line.isCurveX());
    line.writeCurveToXML(&document.xml, 5);
    EXPECT_EQ("1.5", document.attribute("curveX_5", "p1W"));
    EXPECT_EQ("25.0", document.attribute("curveX_5", "p2H"));
}

TEST(InterpolationLines, ControlPointsClampIntoTheLineAndKeepTheirValue) {
    InterpolationLine1D line;
    span(line, 1, 10, 3, 30);
    line.isCurveX();
    EXPECT_FALSE(line.setP1X(-2, 50));
    EXPECT_TRUE(line.setP2X(1, 50));
    // Both inner points at (1, 50): the curve bulges above the straight line.
    EXPECT_GT(line.getPositionX(2), 20.f);
}

TEST(InterpolationLines, EachAxisCurvesOnItsOwn) {
    InterpolationLine3D line;
    line.setEnd(2, 2, 20, 200);
    line.setStart(0, 0, 0, 0);
    EXPECT_TRUE(line.isCurveZ());
    EXPECT_TRUE(line.setP1Z(0.5f, 0));
    EXPECT_TRUE(line.setP2Z(1.5f, 0));
    EXPECT_EQ(1.f, line.getPositionX(1));
    EXPECT_EQ(10.f, line.getPositionY(1));
    EXPECT_FALSE(line.getCurveY());
    // z: Bezier through 0, 0, 0, 200 at a half: 200 / 8.
    EXPECT_EQ(25.f, line.getPositionZ(1));
}

TEST(InterpolationLines, GetSecondInvertsOnlyRisingLines) {
    InterpolationLine1D rising;
    span(rising, 0, 0, 2, 10);
    EXPECT_EQ(1.f, rising.getSecond(5));
    EXPECT_TRUE(rising.haveX(10));

    InterpolationLine1D falling;
    span(falling, 0, 10, 2, 0);
    EXPECT_FALSE(falling.haveX(5));
    EXPECT_EQ(0.f, falling.getSecond(5));

    InterpolationLine1D flat;
    span(flat, 1, 3, 2, 3);
    EXPECT_EQ(1.f, flat.getSecond(3)) << "a flat line reaches its value at its start";
}

TEST(InterpolationLines, NeighboursShareTheirCommonFrame) {
    InterpolationLine1D first;
    InterpolationLine1D second;
    span(first, 0, 0, 1, 10);
    second.setEnd(2, 20);
    EXPECT_TRUE(first.useEndInStart(&second));
    EXPECT_FALSE(second.getCreateStart());
    EXPECT_EQ(1.f, second.getDistance());
    first.setEndValue(15);
    EXPECT_EQ(15.f, second.getStart1D().x);
    EXPECT_EQ(17.5f, second.getPositionX(1.5f));
    EXPECT_FALSE(first.useEndInStart(nullptr));

    // Setting the second of a shared start gives the line a new frame.
    EXPECT_TRUE(second.setStart(1.5f));
    EXPECT_EQ(0.f, second.getStart1D().x);
    EXPECT_EQ(1.5f, second.getStart1D().second);
    EXPECT_EQ(1.f, first.getEnd1D().second);
    EXPECT_EQ(15.f, first.getEnd1D().x);
}

TEST(InterpolationLines, ASharedFrameOutlivesTheLineThatMadeIt) {
    InterpolationLine2D* maker = new InterpolationLine2D();
    InterpolationLine2D taker;
    maker->setEnd(1, 3, 4);
    maker->useEndInEnd(&taker);
    maker->useStartInStart(&taker);
    delete maker;
    EXPECT_EQ(3.f, taker.getEnd2D().x);
    EXPECT_EQ(4.f, taker.getPositionY(1));
    EXPECT_TRUE(taker.switchFrames());
    EXPECT_EQ(1.f, taker.getStart().second);
    EXPECT_EQ(-1.f, taker.updateDistance());
}

TEST(InterpolationLines, NewFramesTakeAsManyValuesAsCounted) {
    InterpolationLine2D line;
    Frame2D* full = dynamic_cast<Frame2D*>(line.useNewFrame(3, 1.f, 2.f, 3.f));
    ASSERT_NE(nullptr, full);
    EXPECT_EQ(1.f, full->second);
    EXPECT_EQ(2.f, full->x);
    EXPECT_EQ(3.f, full->y);
    Frame2D* part = dynamic_cast<Frame2D*>(line.useNewFrame(2, 4.f, 5.f));
    EXPECT_EQ(5.f, part->x);
    EXPECT_EQ(0.f, part->y);
    Frame2D* none = dynamic_cast<Frame2D*>(line.useNewFrame(9, 4.f, 5.f));
    EXPECT_EQ(0.f, none->second);
    InterpolationLine plain;
    Frame* base = plain.useNewFrame(3, 6.f, 7.f);
    EXPECT_EQ(6.f, base->second);
    EXPECT_EQ(nullptr, dynamic_cast<Frame1D*>(base));
    delete full;
    delete part;
    delete none;
    delete base;
}

TEST(InterpolationLines, FrameHandlingWithoutFrames) {
    InterpolationLine1D line;
    EXPECT_FALSE(line.setStart(static_cast<Frame*>(nullptr)));
    EXPECT_FALSE(line.setEnd(static_cast<Frame1D*>(nullptr)));
    EXPECT_TRUE(line.deleteFrames());
    EXPECT_FALSE(line.getCreateStart());
    EXPECT_EQ(0.f, line.getPositionX(1));
    EXPECT_EQ(0.f, line.updateDistance());
    EXPECT_EQ(0.f, line.getStart1D().second);
    EXPECT_FALSE(line.setStartValue(3));
    EXPECT_TRUE(line.allocStart());
    EXPECT_TRUE(line.allocEnd());
    EXPECT_TRUE(line.setEnd(4, 8));
    EXPECT_EQ(4.f, line.getPositionX(2));

    // A plain frame given to a 1D line has no value: it reads 0.
    EXPECT_TRUE(line.setStart(new Frame(0)));
    EXPECT_EQ(0.f, line.getStart1D().x);
    EXPECT_FALSE(line.setStartValue(1));
    EXPECT_EQ(6.f, line.getPositionX(3));
}
