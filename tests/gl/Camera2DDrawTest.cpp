#include <GL/glew.h>

#include "support/GLContext.h"
#include "zelk/Camera2D.h"
#include "zelk/GU.h"

#include <gtest/gtest.h>

using zelk::Camera2D;
using zelk::GU;
using zelk::test::getFloats;
using zelk::test::getInteger;
using zelk::test::transform;
using zelk::test::unitProjection;

namespace {

class Camera2DDrawTest : public zelk::test::GLContextTest {
protected:
    void expectMaps(float x, float y, float z, float clipX, float clipY, float clipZ) {
        std::vector<float> clip = transform(getFloats(GL_PROJECTION_MATRIX, 16), x, y, z);
        EXPECT_NEAR(clip[0], clipX, 1e-5f) << x << "," << y;
        EXPECT_NEAR(clip[1], clipY, 1e-5f) << x << "," << y;
        EXPECT_NEAR(clip[2], clipZ, 1e-5f) << x << "," << y;
        EXPECT_NEAR(clip[3], 1.f, 1e-6f);
    }
};

} // namespace

TEST_F(Camera2DDrawTest, OnTheUnitProjectionTheRectangleFillsClipSpace) {
    unitProjection();
    Camera2D camera(10, 20);
    ASSERT_TRUE(camera.setSize(10, 10));
    camera.draw();
    EXPECT_EQ(getInteger(GL_MATRIX_MODE), GL_PROJECTION);
    EXPECT_TRUE(GU::guUsingMatrix(GL_PROJECTION));
    expectMaps(5, 15, 0, -1, -1, 0);
    expectMaps(15, 25, 0, 1, 1, 0);
    expectMaps(10, 20, 0, 0, 0, 0);
    // Depth passes unchanged.
    expectMaps(10, 20, 0.5f, 0, 0, 0.5f);
    expectMaps(10, 20, -1, 0, 0, -1);
}

TEST_F(Camera2DDrawTest, ItMultipliesOntoWhatIsThereWithoutLoadingIdentity) {
    GU::guUseMatrix(GL_PROJECTION);
    GU::guLoadIdentity();
    Camera2D camera(10, 20);
    camera.setSize(10, 10);
    // On an identity it shows four half-widths: x - 3w to x + w.
    camera.draw();
    expectMaps(-5, 5, 0, -1, -1, 0);
    expectMaps(15, 25, 0, 1, 1, 0);
    // The model-view matrix stays as it was.
    EXPECT_EQ(getFloats(GL_MODELVIEW_MATRIX, 16),
              std::vector<float>({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
}

TEST_F(Camera2DDrawTest, SceneDrawnThroughTheCameraFillsTheView) {
    unitProjection();
    Camera2D camera;
    ASSERT_TRUE(camera.setPoints(100, 200, 132, 264));
    camera.draw();
    GU::guUseMatrix(GL_MODELVIEW);
    // The left half of the camera's rectangle, in scene units.
    GU::guColor3f32(0, 1, 0);
    GU::guBegin(GL_QUADS);
    GU::guVertex2f32(100, 200);
    GU::guVertex2f32(116, 200);
    GU::guVertex2f32(116, 264);
    GU::guVertex2f32(100, 264);
    GU::guEnd();
    EXPECT_EQ(zelk::test::readPixels(1, 1, 1, 1), std::vector<unsigned char>({0, 255, 0, 255}));
    EXPECT_EQ(zelk::test::readPixels(30, 62, 1, 1), std::vector<unsigned char>({0, 255, 0, 255}));
    EXPECT_EQ(zelk::test::readPixels(33, 32, 1, 1), std::vector<unsigned char>({0, 0, 0, 255}));
}
