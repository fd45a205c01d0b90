#include <GL/glew.h>

#include "support/GLContext.h"
#include "zelk/GU.h"
#include "zelk/GU_GLSL.h"

#include <gtest/gtest.h>

#include <vector>

using zelk::GU;
using zelk::test::getFloats;
using zelk::test::getInteger;
using zelk::test::readPixels;
using zelk::test::readTexture;
using zelk::test::textureLevelParameter;
using zelk::test::textureParameter;
using zelk::test::unitProjection;

namespace {

typedef std::vector<unsigned char> Bytes;

Bytes pattern(size_t count) {
    Bytes bytes(count);
    for (size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<unsigned char>(i * 7 + 1);
    }
    return bytes;
}

class GUTest : public zelk::test::GLContextTest {
protected:
    // The matrix mode's matrix after running change on an identity.
    template <typename Change> std::vector<float> matrixAfter(Change change) {
        GU::guUseMatrix(GL_MODELVIEW);
        GU::guLoadIdentity();
        change();
        return getFloats(GL_MODELVIEW_MATRIX, 16);
    }

    void quad(float left, float bottom, float right, float top) {
        GU::guBegin(GL_QUADS);
        GU::guVertexTex2f32(0, 0);
        GU::guVertex2f32(left, bottom);
        GU::guVertexTex2f32(1, 0);
        GU::guVertex2f32(right, bottom);
        GU::guVertexTex2f32(1, 1);
        GU::guVertex2f32(right, top);
        GU::guVertexTex2f32(0, 1);
        GU::guVertex2f32(left, top);
        GU::guEnd();
    }
};

Bytes pixelAt(int x, int y) {
    return readPixels(x, y, 1, 1);
}

} // namespace

TEST_F(GUTest, TightlyPackedImagesReadBackByteForByte) {
    struct Case {
        unsigned int mode, width, height, channels;
    } cases[] = {{GL_RGB, 3, 3, 3},
                 {GL_LUMINANCE, 5, 3, 1},
                 {GL_LUMINANCE_ALPHA, 3, 2, 2},
                 {GL_RGBA, 2, 3, 4}};
    for (const Case& c : cases) {
        // Exactly the image's bytes on the heap: a padded read would run past them.
        Bytes pixels = pattern(c.width * c.height * c.channels);
        unsigned int texture =
            GU::guAllocTexture2D(c.width, c.height, c.mode, GL_LINEAR, pixels.data());
        ASSERT_NE(texture, 0u) << c.mode;
        EXPECT_EQ(getInteger(GL_TEXTURE_BINDING_2D), 0) << c.mode;
        EXPECT_EQ(textureLevelParameter(texture, 0, GL_TEXTURE_INTERNAL_FORMAT),
                  static_cast<int>(c.mode));
        EXPECT_EQ(readTexture(texture, c.mode), pixels) << c.mode;
        EXPECT_EQ(textureParameter(texture, GL_TEXTURE_MIN_FILTER), GL_LINEAR);
        EXPECT_EQ(textureParameter(texture, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
        // The caller's own unpack alignment is back in force.
        EXPECT_EQ(getInteger(GL_UNPACK_ALIGNMENT), 4);
        GU::guDeleteTexture(texture);
    }
}

TEST_F(GUTest, TextureWithoutPixelsAndNearestFilter) {
    unsigned int texture = GU::guAllocTexture2D(8, 4, GL_RGB, GL_NEAREST, nullptr);
    ASSERT_NE(texture, 0u);
    EXPECT_EQ(textureLevelParameter(texture, 0, GL_TEXTURE_WIDTH), 8);
    EXPECT_EQ(textureLevelParameter(texture, 0, GL_TEXTURE_HEIGHT), 4);
    EXPECT_EQ(textureParameter(texture, GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(textureParameter(texture, GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    GU::guDeleteTexture(texture);
}

TEST_F(GUTest, OnlyTheFourTextureModesAreAccepted) {
    unsigned char pixels[64] = {};
    for (unsigned int mode : {0u, unsigned(GL_ALPHA), unsigned(GL_BGR), 6411u}) {
        EXPECT_EQ(GU::guAllocTexture2D(2, 2, mode, GL_LINEAR, pixels), 0u) << mode;
    }
    unsigned int texture = GU::guAllocTexture2D(2, 2, GL_RGB, GL_LINEAR, pixels);
    EXPECT_FALSE(GU::guDrawToTexture(texture, 2, 2, GL_ALPHA, GL_LINEAR, pixels));
    EXPECT_FALSE(GU::guDrawToTexture(0, 2, 2, GL_RGB, GL_LINEAR, pixels));
    EXPECT_EQ(getInteger(GL_TEXTURE_BINDING_2D), 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    GU::guDeleteTexture(texture);
}

TEST_F(GUTest, DrawToTextureReplacesTheWholeImage) {
    Bytes first = pattern(3 * 3 * 3);
    unsigned int texture = GU::guAllocTexture2D(3, 3, GL_RGB, GL_LINEAR, first.data());
    ASSERT_NE(texture, 0u);
    Bytes second = pattern(5 * 1 * 1);
    ASSERT_TRUE(GU::guDrawToTexture(texture, 5, 1, GL_LUMINANCE, GL_NEAREST, second.data()));
    EXPECT_EQ(getInteger(GL_TEXTURE_BINDING_2D), 0);
    EXPECT_EQ(textureLevelParameter(texture, 0, GL_TEXTURE_WIDTH), 5);
    EXPECT_EQ(readTexture(texture, GL_LUMINANCE), second);
    EXPECT_EQ(textureParameter(texture, GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(textureParameter(texture, GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    GU::guDeleteTexture(texture);
}

TEST_F(GUTest, MipmapFilterBuildsMipmapsOnceGlewRuns) {
    ASSERT_EQ(zelk::GU_GLSL::guShaderInit(), 0u);
    Bytes pixels(4 * 4 * 4, 200);
    unsigned int texture =
        GU::guAllocTexture2D(4, 4, GL_RGBA, GL_NEAREST_MIPMAP_LINEAR, pixels.data());
    ASSERT_NE(texture, 0u);
    EXPECT_EQ(textureParameter(texture, GL_TEXTURE_MIN_FILTER), GL_NEAREST_MIPMAP_LINEAR);
    EXPECT_EQ(textureParameter(texture, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(textureLevelParameter(texture, 1, GL_TEXTURE_WIDTH), 2);
    EXPECT_EQ(textureLevelParameter(texture, 2, GL_TEXTURE_WIDTH), 1);
    EXPECT_EQ(readTexture(texture, GL_RGBA, 2), Bytes(4, 200));

    // A new image through guDrawToTexture gets its mipmaps too.
    Bytes other(2 * 2 * 3, 50);
    ASSERT_TRUE(GU::guDrawToTexture(texture, 2, 2, GL_RGB, GL_LINEAR_MIPMAP_NEAREST, other.data()));
    EXPECT_EQ(readTexture(texture, GL_RGB, 1), Bytes(3, 50));
    EXPECT_EQ(getInteger(GL_TEXTURE_BINDING_2D), 0);
    GU::guDeleteTexture(texture);
}

TEST_F(GUTest, RememberedMatrixModeSwitchesOnce) {
    GU::guUseMatrix(GL_PROJECTION);
    EXPECT_EQ(getInteger(GL_MATRIX_MODE), GL_PROJECTION);
    EXPECT_TRUE(GU::guUsingMatrix(GL_PROJECTION));
    EXPECT_FALSE(GU::guUsingMatrix(GL_MODELVIEW));

    // Changed behind the wrapper's back: a second selection of the remembered
    // mode issues no call, so OpenGL keeps the foreign mode.
    glMatrixMode(GL_TEXTURE);
    GU::guUseMatrix(GL_PROJECTION);
    EXPECT_EQ(getInteger(GL_MATRIX_MODE), GL_TEXTURE);
    GU::guUseMatrix(0);
    EXPECT_EQ(getInteger(GL_MATRIX_MODE), GL_TEXTURE);
    EXPECT_TRUE(GU::guUsingMatrix(GL_PROJECTION));

    GU::guUseMatrix(GL_MODELVIEW);
    EXPECT_EQ(getInteger(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_TRUE(GU::guUsingMatrix(GL_MODELVIEW));
}

TEST_F(GUTest, RotationsAboutTheAxes) {
    std::vector<float> aboutZ = matrixAfter([] { GU::guRotateZf32(90); });
    // (1, 0, 0) turns to (0, 1, 0).
    std::vector<float> x = zelk::test::transform(aboutZ, 1, 0, 0);
    EXPECT_NEAR(x[0], 0.f, 1e-6f);
    EXPECT_NEAR(x[1], 1.f, 1e-6f);
    EXPECT_EQ(matrixAfter([] { GU::guRotateYf32(90); }), aboutZ);
    EXPECT_EQ(matrixAfter([] { GU::guRotateYf64(90); }), aboutZ);
    EXPECT_EQ(matrixAfter([] { GU::guRotateZf64(90); }), aboutZ);
    EXPECT_EQ(matrixAfter([] { GU::guRotate3f32(90, zelk::vec3f32(0, 0, 1)); }), aboutZ);

    std::vector<float> aboutX = matrixAfter([] { GU::guRotateXf32(90); });
    std::vector<float> y = zelk::test::transform(aboutX, 0, 1, 0);
    EXPECT_NEAR(y[1], 0.f, 1e-6f);
    EXPECT_NEAR(y[2], 1.f, 1e-6f);
    EXPECT_EQ(matrixAfter([] { GU::guRotateXf64(90); }), aboutX);
}

TEST_F(GUTest, ScalesAndTranslationsInThePlaneKeepZ) {
    const std::vector<float> scale23 = {2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(matrixAfter([] { GU::guScale2f32(2, 3); }), scale23);
    EXPECT_EQ(matrixAfter([] { GU::guScale2f64(zelk::size2f64(2, 3)); }), scale23);
    EXPECT_EQ(matrixAfter([] { GU::guScale3f32(zelk::size3f32(2, 3, 1)); }), scale23);
    EXPECT_EQ(matrixAfter([] {
                  GU::guScaleXf32(2.0);
                  GU::guScaleYf64(3.0);
              }),
              scale23);
    EXPECT_EQ(matrixAfter([] { GU::guScaleZf32(5.0); })[10], 5.f);

    const std::vector<float> move23 = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 2, 3, 0, 1};
    EXPECT_EQ(matrixAfter([] { GU::guTranslate2f32(2, 3); }), move23);
    EXPECT_EQ(matrixAfter([] { GU::guTranslate2f64(zelk::vec2f64(2, 3)); }), move23);
    EXPECT_EQ(matrixAfter([] {
                  GU::guTranslateXf32(2);
                  GU::guTranslateYf64(3);
              }),
              move23);
    EXPECT_EQ(matrixAfter([] { GU::guTranslate3f64(2, 3, 4); })[14], 4.f);

    // Push and pop keep the matrix around a change.
    std::vector<float> restored = matrixAfter([] {
        GU::guTranslate2f32(2, 3);
        GU::guPushMatrix();
        GU::guScale2f32(5, 5);
        GU::guPopMatrix();
    });
    EXPECT_EQ(restored, move23);
}

TEST_F(GUTest, SizesConvertAsTheLanguageDoes) {
    GU::guPointSize(static_cast<unsigned char>(200));
    EXPECT_EQ(getFloats(GL_POINT_SIZE, 1)[0], 200.f);
    // -56 reaches OpenGL, which refuses a negative size and keeps 200.
    GU::guPointSize(static_cast<signed char>(-56));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_INVALID_VALUE));
    EXPECT_EQ(getFloats(GL_POINT_SIZE, 1)[0], 200.f);
    GU::guPointSize(2.5);
    EXPECT_EQ(getFloats(GL_POINT_SIZE, 1)[0], 2.5f);

    GU::guLineWidth(3);
    EXPECT_EQ(getFloats(GL_LINE_WIDTH, 1)[0], 3.f);
    GU::guLineWidth(static_cast<unsigned short>(1));
    EXPECT_EQ(getFloats(GL_LINE_WIDTH, 1)[0], 1.f);
}

TEST_F(GUTest, StateSwitchesAndViewport) {
    GU::guEnable(GL_BLEND);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    GU::guBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(getInteger(GL_BLEND_SRC), GL_SRC_ALPHA);
    EXPECT_EQ(getInteger(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
    GU::guDisable(GL_BLEND);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GU::guShadeModel(GL_FLAT);
    EXPECT_EQ(getInteger(GL_SHADE_MODEL), GL_FLAT);
    GU::guColorMaterial(GL_FRONT, GL_DIFFUSE);
    EXPECT_EQ(getInteger(GL_COLOR_MATERIAL_PARAMETER), GL_DIFFUSE);

    GU::guSetViewportRect(zelk::rectui32(1, 2, 30, 40));
    EXPECT_EQ(getFloats(GL_VIEWPORT, 4), std::vector<float>({1, 2, 30, 40}));
    GU::guSetViewport(0, 0, width, height);
    EXPECT_EQ(getFloats(GL_VIEWPORT, 4), std::vector<float>({0, 0, width, height}));
}

TEST_F(GUTest, MaterialsReadBack) {
    const float ambient[4] = {0.1f, 0.2f, 0.3f, 0.4f};
    GU::guMaterialfv32(GL_FRONT, GL_AMBIENT, ambient);
    float back[4] = {};
    GU::guGetMaterialfv32(GL_FRONT, GL_AMBIENT, back);
    EXPECT_EQ(std::vector<float>(back, back + 4), std::vector<float>(ambient, ambient + 4));
    GU::guMateriali32(GL_FRONT, GL_SHININESS, 12);
    int shininess = 0;
    GU::guGetMaterialiv32(GL_FRONT, GL_SHININESS, &shininess);
    EXPECT_EQ(shininess, 12);
}

TEST_F(GUTest, ColouredQuadFillsItsPartOfTheFrame) {
    unitProjection();
    GU::guColor3f32(zelk::color3f32(1, 0, 0));
    quad(0, 0, 0.5f, 1);
    GU::guTranslate2f32(0.5f, 0);
    GU::guColor4f64(0.0, 0.0, 1.0, 1.0);
    quad(0, 0, 0.5f, 0.5f);
    EXPECT_EQ(pixelAt(10, 32), Bytes({255, 0, 0, 255}));
    EXPECT_EQ(pixelAt(50, 10), Bytes({0, 0, 255, 255}));
    EXPECT_EQ(pixelAt(50, 50), Bytes({0, 0, 0, 255}));
}

TEST_F(GUTest, TexturedQuadShowsTheUploadedTexels) {
    // 3x2 RGB, bottom row first: red, green, blue / white, black, grey.
    Bytes texels = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 128, 128, 128};
    unsigned int texture = GU::guAllocTexture2D(3, 2, GL_RGB, GL_NEAREST, texels.data());
    ASSERT_NE(texture, 0u);
    unitProjection();
    GU::guEnable(GL_TEXTURE_2D);
    GU::guUseTexture2D(texture);
    GU::guColor3f32(1, 1, 1);
    quad(0, 0, 1, 1);
    GU::guUseTexture2D(0);
    GU::guDisable(GL_TEXTURE_2D);

    // Cells are about 21 by 32 pixels.
    const int xs[3] = {10, 32, 53}, ys[2] = {16, 48};
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            const unsigned char* t = &texels[(row * 3 + column) * 3];
            EXPECT_EQ(pixelAt(xs[column], ys[row]), Bytes({t[0], t[1], t[2], 255}))
                << row << "," << column;
        }
    }
    GU::guDeleteTexture(texture);
}
