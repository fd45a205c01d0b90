#include "zelk/Camera2D.h"

#include <gtest/gtest.h>

#include <cmath>

using zelk::Camera2D;
using zelk::rectf32;
using zelk::size2f32;
using zelk::vec2f32;

namespace {

void expectRect(rectf32 rect, float x, float y, float width, float height) {
    EXPECT_EQ(rect.origin.x, x);
    EXPECT_EQ(rect.origin.y, y);
    EXPECT_EQ(rect.size.width, width);
    EXPECT_EQ(rect.size.height, height);
}

void expectCamera(const Camera2D& camera, float x, float y, float halfWidth, float halfHeight) {
    EXPECT_EQ(camera.position, vec2f32(x, y));
    EXPECT_EQ(camera.halfSize, size2f32(halfWidth, halfHeight));
}

} // namespace

TEST(Camera2D, NewCameraShowsTheUnitSquareAroundItsCentre) {
    Camera2D camera;
    expectCamera(camera, 0, 0, 0.5f, 0.5f);
    expectRect(camera.getRect(), -0.5f, -0.5f, 1, 1);
    EXPECT_EQ(camera.getSize(), size2f32(1, 1));

    expectCamera(Camera2D(3, 4), 3, 4, 0.5f, 0.5f);
    expectCamera(Camera2D(vec2f32(-1, 2)), -1, 2, 0.5f, 0.5f);

    camera.setRect(0, 0, 8, 8);
    camera.start();
    expectCamera(camera, 0, 0, 0.5f, 0.5f);
}

TEST(Camera2D, SetSizeTakesStrictlyPositiveSizesAndKeepsTheCentre) {
    Camera2D camera(7, 9);
    EXPECT_FALSE(camera.setSize(0, 5));
    EXPECT_FALSE(camera.setSize(-1, 1));
    EXPECT_FALSE(camera.setSize(NAN, 1));
    EXPECT_FALSE(camera.setSize(size2f32(1, NAN)));
    expectCamera(camera, 7, 9, 0.5f, 0.5f);
    EXPECT_TRUE(camera.setSize(800, 600));
    expectCamera(camera, 7, 9, 400, 300);
    EXPECT_EQ(camera.getSize(), size2f32(800, 600));
}

TEST(Camera2D, SetRectRefusesOnlyAZeroWidthOrHeight) {
    Camera2D camera;
    EXPECT_FALSE(camera.setRect(0, 0, 0, 10));
    EXPECT_FALSE(camera.setRect(vec2f32(1, 1), size2f32(10, 0)));
    expectCamera(camera, 0, 0, 0.5f, 0.5f);

    EXPECT_TRUE(camera.setRect(10, 10, -4, 2));
    expectCamera(camera, 8, 11, -2, 1);

    EXPECT_TRUE(camera.setRect(rectf32(2.f, 4.f, 6.f, 8.f)));
    expectCamera(camera, 5, 8, 3, 4);
    expectRect(camera.getRect(), 2, 4, 6, 8);

    // NaN is not zero.
    EXPECT_TRUE(camera.setRect(0, 0, NAN, 2));
    EXPECT_TRUE(std::isnan(camera.halfSize.width));
}

TEST(Camera2D, SetPointsNeedsTheSecondCornerAboveAndRightOfTheFirst) {
    Camera2D camera;
    EXPECT_TRUE(camera.setPoints(0, 0, 4, 2));
    expectCamera(camera, 2, 1, 2, 1);
    expectRect(camera.getRect(), 0, 0, 4, 2);

    EXPECT_FALSE(camera.setPoints(0, 0, 0, 2));
    EXPECT_FALSE(camera.setPoints(vec2f32(0, 0), vec2f32(4, -2)));
    EXPECT_FALSE(camera.setPoints(5, 5, 4, 6));
    expectCamera(camera, 2, 1, 2, 1);
}

TEST(Camera2D, MovesAndScales) {
    Camera2D camera;
    camera.moveRight(3.f);
    camera.moveUp(2.0);
    camera.moveLeft(1.0);
    camera.moveDown(0.5f);
    expectCamera(camera, 2, 1.5f, 0.5f, 0.5f);
    camera.move(vec2f32(-2, -1.5f));
    camera.move(1, 1);
    expectCamera(camera, 1, 1, 0.5f, 0.5f);

    camera.scaleX(2.f);
    EXPECT_EQ(camera.getSize(), size2f32(3, 1));
    camera.scaleY(-4.0);
    EXPECT_EQ(camera.getSize(), size2f32(3, -3));
    EXPECT_EQ(camera.position, vec2f32(1, 1));
}

TEST(Camera2D, DoubleMovesAndScalesComputeInDouble) {
    // Just over half a float step above 1 (and above 0.5 after halving): in
    // double the sums round up, while narrowing d to float first would make
    // them exact ties that round back down.
    const double d = std::ldexp(1.0, -24) + 1e-15;
    Camera2D camera(1, 1);
    camera.moveRight(d);
    camera.moveUp(d);
    EXPECT_EQ(camera.position, vec2f32(std::nextafter(1.f, 2.f), std::nextafter(1.f, 2.f)));
    camera.moveLeft(d);
    camera.moveDown(d);
    EXPECT_EQ(camera.position, vec2f32(1, 1));

    camera.scaleX(d);
    camera.scaleY(d);
    EXPECT_EQ(camera.halfSize, size2f32(std::nextafter(0.5f, 1.f), std::nextafter(0.5f, 1.f)));
}
