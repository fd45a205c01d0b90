// Uniforms set by name reaching a linked program on a real OpenGL context.
#include <GL/glew.h>

#include "support/GLContext.h"
#include "support/ShaderProbes.h"
#include "zelk/shd/GLSL.h"
#include "zelk/shd/Shader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zelk::shd::GLSL;
using zelk::shd::shaderTree;
using zelk::test::DataListProbe;
using zelk::test::getInteger;
using zelk::test::ProgramProbe;

namespace {

const std::string vertexSource = "void main() { gl_Position = gl_Vertex; }\n";
const std::string fragmentSource = "uniform vec4 tint;\n"
                                   "uniform vec2 offset;\n"
                                   "uniform float level;\n"
                                   "uniform ivec3 cell;\n"
                                   "uniform int count;\n"
                                   "void main() {\n"
                                   "  gl_FragColor = tint * level + vec4(offset, vec2(cell.xy))\n"
                                   "                 + vec4(float(cell.z + count));\n"
                                   "}\n";

class ShaderDataTest : public zelk::test::GLContextTest {
protected:
    void SetUp() override {
        GLContextTest::SetUp();
        ASSERT_TRUE(GLSL::start());
        ASSERT_TRUE(load(vertexSource, "data.vert", 1));
        ASSERT_TRUE(load(fragmentSource, "data.frag", 2));
        ASSERT_TRUE(program.createProgram("data"));
        id = program.getProgramID();
    }

    void TearDown() override {
        program.deleteProgram();
        program.deleteShaders();
        EXPECT_EQ(shaderTree.size(), 0u);
        GLContextTest::TearDown();
    }

    bool load(const std::string& text, const char* name, unsigned char type) {
        std::vector<unsigned char> source(text.begin(), text.end());
        return program.loadShaderFromMemory(name, source.data(),
                                            static_cast<unsigned int>(source.size()), type);
    }

    std::vector<float> floats(const char* name, size_t count) {
        std::vector<float> values(16, -100.f);
        glGetUniformfv(id, glGetUniformLocation(id, name), values.data());
        values.resize(count);
        return values;
    }

    std::vector<int> ints(const char* name, size_t count) {
        std::vector<int> values(16, -100);
        glGetUniformiv(id, glGetUniformLocation(id, name), values.data());
        values.resize(count);
        return values;
    }

    ProgramProbe program;
    unsigned int id = 0;
};

TEST_F(ShaderDataTest, UndeclaredNamesCreateNothing) {
    EXPECT_FALSE(program.setData1f("undeclared", 1));
    EXPECT_FALSE(program.setDataID("undeclared", 3));
    EXPECT_FALSE(program.updateData("undeclared"));
    EXPECT_FALSE(program.newData("undeclared"));
    EXPECT_EQ(program.dataCount(), 0u);
    EXPECT_FALSE(program.updateAllDatas());
}

TEST_F(ShaderDataTest, DeclaredNamesGetTheirLocationAndUseTheProgram) {
    program.useNoShader();
    ASSERT_TRUE(program.setData4f("tint", 0.1f, 0.2f, 0.3f, 0.4f));
    ASSERT_NE(program.data("tint"), nullptr);
    EXPECT_EQ(program.data("tint")->location, glGetUniformLocation(id, "tint"));
    EXPECT_EQ(getInteger(GL_CURRENT_PROGRAM), static_cast<int>(id));

    EXPECT_TRUE(program.updateData("tint"));
    EXPECT_EQ(floats("tint", 4), (std::vector<float>{0.1f, 0.2f, 0.3f, 0.4f}));
}

TEST_F(ShaderDataTest, SendsTheLastValuesOfEachUniform) {
    program.setData3f("tint", 1, 2, 3);
    program.setData4f("tint", zelk::vec4f32(4, 5, 6, 7));
    program.setData1i("offset", 5);
    program.setData2f("offset", 0.5f, 0.25f);
    program.setData1f("level", 0.75f);
    program.setData3i("cell", zelk::vec3i32(-1, 2, 9));
    program.setData2i("count", 1, 1);
    program.setData1i("count", 12);
    ASSERT_EQ(program.dataCount(), 5u);

    EXPECT_TRUE(program.updateAllDatas());
    EXPECT_EQ(floats("tint", 4), (std::vector<float>{4, 5, 6, 7}));
    EXPECT_EQ(floats("offset", 2), (std::vector<float>{0.5f, 0.25f}));
    EXPECT_EQ(program.data("offset")->ints.get(0), 5);
    EXPECT_EQ(floats("level", 1), (std::vector<float>{0.75f}));
    EXPECT_EQ(ints("cell", 3), (std::vector<int>{-1, 2, 9}));
    EXPECT_EQ(ints("count", 1), (std::vector<int>{12}));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ShaderDataTest, UpdatesAllInNameOrder) {
    // Every uniform of this list sends to the same location, so the value
    // that stays is the one sent last.
    int level = glGetUniformLocation(id, "level");
    ASSERT_NE(level, -1);
    const char* names[] = {"m", "z", "b", "q", "a"};
    DataListProbe list;
    for (int at = 0; at < 5; at++) {
        ASSERT_TRUE(list.setDataID(names[at], level));
        list.setData1f(names[at], static_cast<float>(at));
    }
    program.useThisShader();
    EXPECT_TRUE(list.updateAllDatas());
    EXPECT_EQ(floats("level", 1), (std::vector<float>{1.f}));
    EXPECT_STREQ(list.selectedData()->getName(), "z");

    list.deleteData("z");
    EXPECT_TRUE(list.updateAllDatas());
    EXPECT_EQ(floats("level", 1), (std::vector<float>{3.f}));
}

TEST_F(ShaderDataTest, PlainListsSendOnlyOnceLocated) {
    program.useThisShader();
    int level = glGetUniformLocation(id, "level");
    DataListProbe list;
    list.setData1f("level", 0.5f);
    EXPECT_TRUE(list.updateData("level"));
    EXPECT_EQ(floats("level", 1), (std::vector<float>{0.f}));
    EXPECT_TRUE(list.setDataID("level", level));
    EXPECT_TRUE(list.updateData("level"));
    EXPECT_EQ(floats("level", 1), (std::vector<float>{0.5f}));
}

} // namespace
