#include <GL/glew.h>

#include "support/GLContext.h"
#include "zelk/GU.h"
#include "zelk/bones/Body2D.h"

#include <gtest/gtest.h>

using zelk::GU;
using zelk::size2f32;
using zelk::vec2f32;
using zelk::bones::Body2D;
using zelk::bones::Bone2D;
using zelk::test::getFloats;
using zelk::test::readPixels;
using zelk::test::unitProjection;

namespace {

class BonesDrawTest : public zelk::test::GLContextTest {
protected:
    bool lit(int x, int y) { return readPixels(x, y, 1, 1)[0] > 128; }
};

} // namespace

TEST_F(BonesDrawTest, TheSkeletonIsDrawnAsLinesUnderTheBodyPlacement) {
    unitProjection();
    // Scaled to pixels: the bones are laid out along pixel centres.
    Body2D body;
    body.size = size2f32(1.f / 64.f, 1.f / 64.f);
    Bone2D* root = body.getBone(0);
    root->position = vec2f32(32.5f, 10.5f);
    Bone2D* arm = body.createBoneToSelected("arm", 0.f, 30.f, -90.f);
    ASSERT_NE(nullptr, arm);
    arm->vector = vec2f32(0.f, 15.f);
    GU::guColor3f32(1.f, 1.f, 1.f);
    body.draw();

    // The root goes up from its start; the arm, turned by -90, goes right.
    EXPECT_TRUE(lit(32, 20));
    EXPECT_TRUE(lit(32, 38));
    EXPECT_TRUE(lit(40, 40));
    EXPECT_TRUE(lit(46, 40));
    EXPECT_FALSE(lit(25, 40));
    EXPECT_FALSE(lit(32, 50));
    EXPECT_FALSE(lit(32, 5));
    EXPECT_EQ(getFloats(GL_MODELVIEW_MATRIX, 16),
              std::vector<float>({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
}

TEST_F(BonesDrawTest, ABoneUndoesItsOwnPlacementAfterDrawing) {
    unitProjection();
    Bone2D top("top"), low("low");
    top.position = vec2f32(0.25f, 0.5f);
    top.angle = 30.f;
    low.position = vec2f32(0.f, 0.25f);
    low.angle = 45.f;
    ASSERT_TRUE(top.addNext(&low));
    top.draw();
    std::vector<float> matrix = getFloats(GL_MODELVIEW_MATRIX, 16);
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    for (int at = 0; at < 16; at++) {
        EXPECT_NEAR(identity[at], matrix[at], 1e-6f) << at;
    }
    top.removeAllNexts();
}
