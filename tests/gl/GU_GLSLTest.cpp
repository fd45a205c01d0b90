#include <GL/glew.h>

#include "support/GLContext.h"
#include "zelk/GU.h"
#include "zelk/GU_GLSL.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using zelk::GU;
using zelk::GU_GLSL;
using zelk::test::getInteger;
using zelk::test::readPixels;

namespace {

typedef std::vector<unsigned char> Bytes;

class GU_GLSLTest : public zelk::test::GLContextTest {
protected:
    void SetUp() override {
        GLContextTest::SetUp();
        ASSERT_EQ(GU_GLSL::guShaderInit(), 0u);
    }

    // A compiled shader of the text's first length bytes, 0 when it does not compile.
    unsigned int compile(unsigned int type, const std::string& text, size_t length) {
        unsigned int shader = GU_GLSL::guCreateShader(type);
        std::vector<unsigned char> bytes(text.begin(), text.end());
        if (shader == 0 ||
            !GU_GLSL::guShaderSource(shader, bytes.data(), static_cast<unsigned int>(length))) {
            return 0;
        }
        GU_GLSL::guCompileShader(shader);
        int compiled = 0;
        GU_GLSL::guGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
        return compiled ? shader : 0;
    }

    unsigned int link(const std::string& vertex, const std::string& fragment) {
        unsigned int program = GU_GLSL::guCreateProgram();
        unsigned int shaders[2] = {compile(GL_VERTEX_SHADER, vertex, vertex.size()),
                                   compile(GL_FRAGMENT_SHADER, fragment, fragment.size())};
        for (unsigned int shader : shaders) {
            EXPECT_NE(shader, 0u);
            EXPECT_TRUE(GU_GLSL::guProgramUseShader(program, shader));
        }
        GU_GLSL::guLinkProgram(program);
        int linked = 0;
        GU_GLSL::guGetProgramiv(program, GL_LINK_STATUS, &linked);
        EXPECT_EQ(linked, 1);
        for (unsigned int shader : shaders) {
            GU_GLSL::guProgramRemoveShader(program, shader);
            GU_GLSL::guDeleteShader(shader);
        }
        return program;
    }

    // Fills the frame (or the bound framebuffer) with one quad in the current colour.
    void fillFrame() {
        GU::guUseMatrix(GL_PROJECTION);
        GU::guLoadIdentity();
        GU::guUseMatrix(GL_MODELVIEW);
        GU::guLoadIdentity();
        GU::guBegin(GL_QUADS);
        GU::guVertex2f32(-1, -1);
        GU::guVertex2f32(1, -1);
        GU::guVertex2f32(1, 1);
        GU::guVertex2f32(-1, 1);
        GU::guEnd();
    }
};

const std::string vertexSource = "attribute vec4 weight;\n"
                                 "varying vec4 shade;\n"
                                 "void main() { shade = weight; gl_Position = gl_Vertex; }\n";
const std::string fragmentSource = "uniform vec4 tint;\n"
                                   "uniform ivec2 pair;\n"
                                   "varying vec4 shade;\n"
                                   "void main() {\n"
                                   "    gl_FragColor = tint * float(pair.x + pair.y) + "
                                   "vec4(shade.w - 1.0);\n"
                                   "}\n";

} // namespace

TEST_F(GU_GLSLTest, SourceIsExactlyLengthBytes) {
    // What follows the given length is not sent: the garbage never reaches the compiler.
    std::string text = fragmentSource + "this is not GLSL";
    EXPECT_NE(compile(GL_FRAGMENT_SHADER, text, fragmentSource.size()), 0u);
    EXPECT_EQ(compile(GL_FRAGMENT_SHADER, text, text.size()), 0u);

    unsigned int shader = GU_GLSL::guCreateShader(GL_FRAGMENT_SHADER);
    ASSERT_NE(shader, 0u);
    unsigned char bytes[] = "void main() {}";
    EXPECT_FALSE(GU_GLSL::guShaderSource(shader, bytes, 0));
    EXPECT_FALSE(GU_GLSL::guShaderSource(shader, nullptr, 5));
    EXPECT_FALSE(GU_GLSL::guShaderSource(0, bytes, 5));
    int length = -1;
    GU_GLSL::guGetShaderiv(shader, GL_SHADER_SOURCE_LENGTH, &length);
    EXPECT_EQ(length, 0);
    GU_GLSL::guDeleteShader(shader);
}

TEST_F(GU_GLSLTest, CompileErrorLeavesALog) {
    unsigned int shader = GU_GLSL::guCreateShader(GL_VERTEX_SHADER);
    unsigned char bytes[] = "void main() { undeclared = 1; }";
    ASSERT_TRUE(GU_GLSL::guShaderSource(shader, bytes, sizeof bytes - 1));
    GU_GLSL::guCompileShader(shader);
    int compiled = 1, logLength = 0;
    GU_GLSL::guGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    GU_GLSL::guGetShaderiv(shader, GL_INFO_LOG_LENGTH, &logLength);
    EXPECT_EQ(compiled, 0);
    ASSERT_GT(logLength, 1);
    std::vector<char> log(logLength, 'x');
    int written = 0;
    GU_GLSL::guGetShaderInfoLog(shader, logLength, &written, log.data());
    EXPECT_EQ(written, logLength - 1);
    EXPECT_EQ(std::strlen(log.data()), static_cast<size_t>(written));
    GU_GLSL::guDeleteShader(shader);
}

TEST_F(GU_GLSLTest, ProgramUniformsAndAttributesReachTheDrawing) {
    unsigned int program = link(vertexSource, fragmentSource);
    ASSERT_NE(program, 0u);
    GU_GLSL::guUseProgram(program);
    EXPECT_EQ(getInteger(GL_CURRENT_PROGRAM), static_cast<int>(program));

    int tint = GU_GLSL::guGetDataLocation(program, "tint");
    char pairName[] = "pair";
    int pair = GU_GLSL::guGetDataLocation(program, pairName);
    ASSERT_GE(tint, 0);
    ASSERT_GE(pair, 0);
    EXPECT_EQ(GU_GLSL::guGetDataLocation(program, "missing"), -1);
    EXPECT_EQ(GU_GLSL::guGetDataLocation(program, static_cast<const char*>(nullptr)), -1);

    GU_GLSL::guData4f32(tint, zelk::vec4f32(1.f, 0.f, 1.f, 1.f));
    // The shader multiplies the tint by the pair's sum.
    GU_GLSL::guData2i32(pair, zelk::vec2i32(3, -2));
    int pairBack[2] = {};
    glGetUniformiv(program, pair, pairBack);
    EXPECT_EQ(pairBack[0], 3);
    EXPECT_EQ(pairBack[1], -2);

    int weight = GU_GLSL::guGetVertexDataLocation(program, "weight");
    ASSERT_GE(weight, 0);
    EXPECT_EQ(GU_GLSL::guGetVertexDataLocation(program, "missing"), -1);
    GU_GLSL::guVertexData4f32(weight, 0.25f, 0.5f, 0.75f, 1.f);
    float attribute[4] = {};
    glGetVertexAttribfv(weight, GL_CURRENT_VERTEX_ATTRIB, attribute);
    EXPECT_EQ(std::vector<float>(attribute, attribute + 4),
              std::vector<float>({0.25f, 0.5f, 0.75f, 1.f}));

    // The attribute's w of 1 adds nothing.
    fillFrame();
    EXPECT_EQ(readPixels(32, 32, 1, 1), Bytes({255, 0, 255, 255}));

    GU_GLSL::guUseProgram(0);
    EXPECT_EQ(getInteger(GL_CURRENT_PROGRAM), 0);
    GU_GLSL::guDeleteProgram(program);
}

TEST_F(GU_GLSLTest, ActiveTextureUnit) {
    GU_GLSL::guActiveTexture(GL_TEXTURE0 + 31);
    EXPECT_EQ(getInteger(GL_ACTIVE_TEXTURE), GL_TEXTURE0 + 31);
    GU_GLSL::guActiveTexture(GL_TEXTURE0);
    EXPECT_EQ(getInteger(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
}

TEST_F(GU_GLSLTest, AllocFrameBufferLeavesItBound) {
    EXPECT_EQ(GU_GLSL::guAllocFrameBuffer(GL_TEXTURE_2D), 0u);
    EXPECT_EQ(getInteger(GL_FRAMEBUFFER_BINDING), 0);

    unsigned int both = GU_GLSL::guAllocFrameBuffer(GL_FRAMEBUFFER);
    ASSERT_NE(both, 0u);
    EXPECT_EQ(getInteger(GL_DRAW_FRAMEBUFFER_BINDING), static_cast<int>(both));
    EXPECT_EQ(getInteger(GL_READ_FRAMEBUFFER_BINDING), static_cast<int>(both));

    unsigned int read = GU_GLSL::guAllocFrameBuffer(GL_READ_FRAMEBUFFER);
    ASSERT_NE(read, 0u);
    EXPECT_EQ(getInteger(GL_READ_FRAMEBUFFER_BINDING), static_cast<int>(read));
    EXPECT_EQ(getInteger(GL_DRAW_FRAMEBUFFER_BINDING), static_cast<int>(both));

    unsigned int draw = GU_GLSL::guAllocFrameBuffer(GL_DRAW_FRAMEBUFFER);
    ASSERT_NE(draw, 0u);
    EXPECT_EQ(getInteger(GL_DRAW_FRAMEBUFFER_BINDING), static_cast<int>(draw));
    EXPECT_EQ(getInteger(GL_READ_FRAMEBUFFER_BINDING), static_cast<int>(read));

    GU_GLSL::guUseFrameBuffer(GL_FRAMEBUFFER, 0);
    EXPECT_EQ(getInteger(GL_FRAMEBUFFER_BINDING), 0);
    for (unsigned int name : {both, read, draw}) {
        GU_GLSL::guDeleteFrameBuffer(name);
    }
}

TEST_F(GU_GLSLTest, DrawingGoesIntoAnAttachedTexture) {
    unsigned int texture = GU::guAllocTexture2D(8, 8, GL_RGB, GL_NEAREST, nullptr);
    ASSERT_NE(texture, 0u);
    unsigned int framebuffer = GU_GLSL::guAllocFrameBuffer(GL_FRAMEBUFFER);
    ASSERT_NE(framebuffer, 0u);
    // Nothing attached yet.
    EXPECT_FALSE(GU_GLSL::guCheckFrameBufferOK(GL_FRAMEBUFFER));
    GU_GLSL::guFrameBufferTexture(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, texture, 0);
    unsigned int buffers[1] = {GL_COLOR_ATTACHMENT0};
    EXPECT_FALSE(GU_GLSL::guSetDrawBuffers(0, buffers));
    EXPECT_FALSE(GU_GLSL::guSetDrawBuffers(2, nullptr));
    EXPECT_TRUE(GU_GLSL::guSetDrawBuffer(GL_COLOR_ATTACHMENT0));
    EXPECT_EQ(getInteger(GL_DRAW_BUFFER0), GL_COLOR_ATTACHMENT0);
    EXPECT_EQ(GU_GLSL::guCheckFramebufferStatus(GL_FRAMEBUFFER),
              static_cast<unsigned int>(GL_FRAMEBUFFER_COMPLETE));
    ASSERT_TRUE(GU_GLSL::guCheckFrameBufferOK(GL_FRAMEBUFFER));

    GU::guSetViewport(0, 0, 8, 8);
    GU::guColor3f32(0, 1, 1);
    fillFrame();
    GU_GLSL::guUseFrameBuffer(GL_FRAMEBUFFER, 0);

    Bytes cyan;
    for (int i = 0; i < 64; ++i) {
        cyan.insert(cyan.end(), {0, 255, 255});
    }
    EXPECT_EQ(zelk::test::readTexture(texture, GL_RGB), cyan);
    GU_GLSL::guDeleteFrameBuffer(framebuffer);
    GU::guDeleteTexture(texture);
}
