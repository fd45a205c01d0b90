// GLEW's start-up, from a process that has no OpenGL context yet. The tests
// run in this order when the program runs as a whole; each also stands alone.
#include <GL/glew.h>

#include "support/GLContext.h"
#include "zelk/GU.h"
#include "zelk/GU_GLSL.h"

#include <gtest/gtest.h>

using zelk::GU;
using zelk::GU_GLSL;
using zelk::test::GLContextTest;

namespace {

// Every operation through a GLEW entry point answers 0, false or -1 and
// touches nothing.
void expectGlewOperationsIdle() {
    EXPECT_FALSE(GU_GLSL::guStartShader(11));
    EXPECT_FALSE(GU_GLSL::guStartShader(12));
    EXPECT_EQ(GU_GLSL::guCreateShader(GL_FRAGMENT_SHADER), 0u);
    EXPECT_EQ(GU_GLSL::guCreateProgram(), 0u);
    unsigned char source[] = "void main() {}";
    EXPECT_FALSE(GU_GLSL::guShaderSource(1, source, sizeof source - 1));
    EXPECT_FALSE(GU_GLSL::guProgramUseShader(1, 2));
    EXPECT_EQ(GU_GLSL::guGetDataLocation(1, "tint"), -1);
    EXPECT_EQ(GU_GLSL::guGetVertexDataLocation(1, "weight"), -1);
    EXPECT_EQ(GU_GLSL::guAllocFrameBuffer(GL_FRAMEBUFFER), 0u);
    EXPECT_EQ(GU_GLSL::guCheckFramebufferStatus(GL_FRAMEBUFFER), 0u);
    EXPECT_FALSE(GU_GLSL::guCheckFrameBufferOK(GL_FRAMEBUFFER));
    EXPECT_FALSE(GU_GLSL::guSetDrawBuffer(GL_COLOR_ATTACHMENT0));

    int status = 7;
    GU_GLSL::guGetShaderiv(1, GL_COMPILE_STATUS, &status);
    EXPECT_EQ(status, 0);
    status = 7;
    GU_GLSL::guGetProgramiv(1, GL_LINK_STATUS, &status);
    EXPECT_EQ(status, 0);
    char log[8] = "garbage";
    int length = 7;
    GU_GLSL::guGetShaderInfoLog(1, sizeof log, &length, log);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(log[0], '\0');

    // Nothing to answer; they must simply not call through a null pointer.
    GU_GLSL::guCompileShader(1);
    GU_GLSL::guDeleteShader(1);
    GU_GLSL::guLinkProgram(1);
    GU_GLSL::guUseProgram(1);
    GU_GLSL::guProgramRemoveShader(1, 2);
    GU_GLSL::guDeleteProgram(1);
    GU_GLSL::guData1i32(0, 1);
    GU_GLSL::guData4f32(0, 1.f, 2.f, 3.f, 4.f);
    GU_GLSL::guVertexData4f32(0, zelk::vec4f32(1.f, 2.f, 3.f, 4.f));
    GU_GLSL::guActiveTexture(GL_TEXTURE0 + 1);
    GU_GLSL::guUseFrameBuffer(GL_FRAMEBUFFER, 1);
    GU_GLSL::guFrameBufferTexture(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, 1, 0);
    GU_GLSL::guDeleteFrameBuffer(1);
}

} // namespace

TEST(GU_GLSLStartup, BeforeAnyContextNothingStartsAndNothingCrashes) {
    unsigned int status = GU_GLSL::guShaderInit();
    EXPECT_NE(status, 0u);
    EXPECT_NE(GU_GLSL::guGetErrorString(status), nullptr);
    EXPECT_FALSE(GU_GLSL::guShaderInitiate());
    expectGlewOperationsIdle();

    // OpenGL writes no texture name without a context: none is reported.
    unsigned char pixels[27] = {};
    EXPECT_EQ(GU::guAllocTexture2D(3, 3, GL_RGB, GL_LINEAR, pixels), 0u);

    // No matrix mode is selected until guUseMatrix selects one, and 0 selects none.
    EXPECT_FALSE(GU::guUsingMatrix(GL_MODELVIEW));
    EXPECT_FALSE(GU::guUsingMatrix(GL_PROJECTION));
    GU::guUseMatrix(0);
    EXPECT_FALSE(GU::guUsingMatrix(GL_MODELVIEW));
    EXPECT_TRUE(GU::guUsingMatrix(0));
}

class GU_GLSLWithoutGlew : public GLContextTest {};

TEST_F(GU_GLSLWithoutGlew, ContextAloneStartsNothing) {
    ASSERT_FALSE(GU_GLSL::guShaderInitiate());
    expectGlewOperationsIdle();
    EXPECT_EQ(zelk::test::getInteger(GL_FRAMEBUFFER_BINDING), 0);
    EXPECT_EQ(zelk::test::getInteger(GL_CURRENT_PROGRAM), 0);
    EXPECT_EQ(zelk::test::getInteger(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
}

TEST_F(GU_GLSLWithoutGlew, MipmapFilterMakesTheTextureWithoutMipmaps) {
    ASSERT_FALSE(GU_GLSL::guShaderInitiate());
    unsigned char pixels[4 * 4 * 4];
    for (unsigned int i = 0; i < sizeof pixels; ++i) {
        pixels[i] = static_cast<unsigned char>(i);
    }
    unsigned int texture = GU::guAllocTexture2D(4, 4, GL_RGBA, GL_LINEAR_MIPMAP_LINEAR, pixels);
    ASSERT_NE(texture, 0u);
    EXPECT_EQ(zelk::test::readTexture(texture, GL_RGBA),
              std::vector<unsigned char>(pixels, pixels + sizeof pixels));
    EXPECT_EQ(zelk::test::textureParameter(texture, GL_TEXTURE_MIN_FILTER),
              GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(zelk::test::textureParameter(texture, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(zelk::test::textureLevelParameter(texture, 1, GL_TEXTURE_WIDTH), 0);
    GU::guDeleteTexture(texture);
}

TEST_F(GU_GLSLWithoutGlew, StartsOnceWithAContext) {
    EXPECT_EQ(GU_GLSL::guShaderInit(), 0u);
    EXPECT_TRUE(GU_GLSL::guShaderInitiate());

    // Without a current context GLEW could not start again: answering 0 now
    // shows that the second call did not try.
    ASSERT_TRUE(context->setActive(false));
    EXPECT_EQ(GU_GLSL::guShaderInit(), 0u);
    EXPECT_TRUE(GU_GLSL::guShaderInitiate());
    ASSERT_TRUE(context->setActive(true));

    EXPECT_TRUE(GU_GLSL::guStartShader(11));
    EXPECT_TRUE(GU_GLSL::guStartShader(12));
    EXPECT_FALSE(GU_GLSL::guStartShader(13));
    EXPECT_FALSE(GU_GLSL::guStartShader(14));
    EXPECT_FALSE(GU_GLSL::guStartShader(0));
    EXPECT_NE(GU_GLSL::glewGetString(GLEW_VERSION), nullptr);
}
