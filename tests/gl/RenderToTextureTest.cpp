#include <GL/glew.h>

#include "support/GLContext.h"
#include "zelk/GU.h"
#include "zelk/GU_GLSL.h"
#include "zelk/Texture2DRender.h"

#include <gtest/gtest.h>

#include <vector>

using zelk::GU;
using zelk::GU_GLSL;
using zelk::size2ui32;
using zelk::Texture2DRender;
using zelk::test::getInteger;
using zelk::test::readTexture;

namespace {

class RenderToTextureTest : public zelk::test::GLContextTest {};

// Fills the bound framebuffer's viewport with one red quad.
void drawRed(int width, int height) {
    GU::guSetViewport(0, 0, width, height);
    zelk::test::unitProjection();
    GU::guColor3f32(1.f, 0.f, 0.f);
    GU::guBegin(GL_QUADS);
    GU::guVertex2f32(0.f, 0.f);
    GU::guVertex2f32(1.f, 0.f);
    GU::guVertex2f32(1.f, 1.f);
    GU::guVertex2f32(0.f, 1.f);
    GU::guEnd();
}

std::vector<unsigned char> repeated(std::vector<unsigned char> pixel, size_t count) {
    std::vector<unsigned char> all;
    for (size_t i = 0; i < count; ++i) {
        all.insert(all.end(), pixel.begin(), pixel.end());
    }
    return all;
}

// First, while GLEW has not started in this process: a target made without
// a current context cannot start it, answers false everywhere, and starts it
// on its next try once a context is current.
TEST_F(RenderToTextureTest, WithoutGlewNothingIsMadeUntilItStarts) {
    ASSERT_FALSE(GU_GLSL::guShaderInitiate());
    ASSERT_TRUE(context->setActive(false));
    {
        Texture2DRender target;
        EXPECT_FALSE(GU_GLSL::guShaderInitiate());
        EXPECT_FALSE(target.loadFrameBuffer());
        EXPECT_FALSE(target.createRender(16, 16));
        EXPECT_EQ(target.getBufferID(), 0u);
        EXPECT_EQ(target.getID(), 0u);
        target.useThisBuffer();
        Texture2DRender::dontUseFrameBuffer();

        ASSERT_TRUE(context->setActive(true));
        EXPECT_FALSE(GU_GLSL::guShaderInitiate());
        // Binding without GLEW does nothing.
        target.useThisBuffer();
        EXPECT_EQ(getInteger(GL_FRAMEBUFFER_BINDING), 0);

        EXPECT_TRUE(target.createRender(16, 16));
        EXPECT_TRUE(GU_GLSL::guShaderInitiate());
        EXPECT_NE(target.getBufferID(), 0u);
    }
}

TEST_F(RenderToTextureTest, DrawingGoesIntoTheTexture) {
    Texture2DRender target;
    ASSERT_TRUE(GU_GLSL::guShaderInitiate());
    EXPECT_EQ(target.getBufferID(), 0u);
    ASSERT_TRUE(target.createRender(48u, 32u));
    EXPECT_EQ(target.getSize(), size2ui32(48u, 32u));
    EXPECT_NE(target.getID(), 0u);
    EXPECT_TRUE(glIsFramebuffer(target.getBufferID()));
    EXPECT_EQ(getInteger(GL_FRAMEBUFFER_BINDING), 0);
    EXPECT_EQ(zelk::test::textureParameter(target.getID(), GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(zelk::test::textureLevelParameter(target.getID(), 0, GL_TEXTURE_INTERNAL_FORMAT),
              GL_RGB);

    target.useThisBuffer();
    EXPECT_EQ(getInteger(GL_FRAMEBUFFER_BINDING), int(target.getBufferID()));
    drawRed(48, 32);
    Texture2DRender::dontUseFrameBuffer();
    EXPECT_EQ(getInteger(GL_FRAMEBUFFER_BINDING), 0);

    EXPECT_EQ(readTexture(target.getID(), GL_RGB), repeated({255, 0, 0}, 48 * 32));
    // The window's own frame saw none of it.
    EXPECT_EQ(zelk::test::readPixels(0, 0, 1, 1), (std::vector<unsigned char>{0, 0, 0, 255}));
}

TEST_F(RenderToTextureTest, ANewTargetReplacesTheOldOne) {
    Texture2DRender target;
    ASSERT_TRUE(target.createRender(8, 8));
    unsigned int oldTexture = target.getID(), oldBuffer = target.getBufferID();
    ASSERT_TRUE(target.createRender(size2ui32(4u, 2u)));
    EXPECT_FALSE(glIsTexture(oldTexture));
    EXPECT_FALSE(glIsFramebuffer(oldBuffer));
    EXPECT_EQ(target.getSize(), size2ui32(4u, 2u));

    unsigned int texture = target.getID(), buffer = target.getBufferID();
    target.deleteRender();
    EXPECT_FALSE(glIsTexture(texture));
    EXPECT_FALSE(glIsFramebuffer(buffer));
    EXPECT_EQ(target.getBufferID(), 0u);
    EXPECT_EQ(target.getSize(), size2ui32(0u, 0u));

    Texture2DRender* owned = new Texture2DRender();
    ASSERT_TRUE(owned->createRender(2, 2));
    texture = owned->getID();
    buffer = owned->getBufferID();
    delete owned;
    EXPECT_FALSE(glIsTexture(texture));
    EXPECT_FALSE(glIsFramebuffer(buffer));
}

TEST_F(RenderToTextureTest, ZeroOrNegativeSizesMakeNothing) {
    Texture2DRender target;
    ASSERT_TRUE(target.createRender(8, 8));
    unsigned int oldTexture = target.getID(), oldBuffer = target.getBufferID();

    EXPECT_FALSE(target.createRender(0, 10));
    EXPECT_FALSE(glIsTexture(oldTexture));
    EXPECT_FALSE(glIsFramebuffer(oldBuffer));
    EXPECT_EQ(target.getBufferID(), 0u);
    EXPECT_EQ(target.getID(), 0u);
    EXPECT_EQ(target.getSize(), size2ui32(0u, 0u));
    EXPECT_FALSE(target.createRender(10u, 0u));
    EXPECT_FALSE(target.createRender(size2ui32(0u, 0u)));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    // A negative size becomes one far beyond what OpenGL makes.
    EXPECT_FALSE(target.createRender(-4, 4));
    EXPECT_EQ(target.getBufferID(), 0u);
    EXPECT_EQ(target.getID(), 0u);
    EXPECT_EQ(getInteger(GL_FRAMEBUFFER_BINDING), 0);
}

TEST_F(RenderToTextureTest, UsingATargetWithoutBufferBindsTheWindow) {
    ASSERT_EQ(GU_GLSL::guShaderInit(), 0u);
    GLuint other = 0;
    glGenFramebuffers(1, &other);
    glBindFramebuffer(GL_FRAMEBUFFER, other);
    Texture2DRender target;
    target.useThisBuffer();
    EXPECT_EQ(getInteger(GL_FRAMEBUFFER_BINDING), 0);
    glDeleteFramebuffers(1, &other);
}

} // namespace
