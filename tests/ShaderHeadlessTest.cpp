// Shaders and uniforms in a process that never starts GLEW: nothing here may
// reach OpenGL.
#include "support/ShaderProbes.h"
#include "zelk/shd/Data.h"
#include "zelk/shd/DataList.h"
#include "zelk/shd/GLSL.h"
#include "zelk/shd/Shader.h"

#include <gtest/gtest.h>

using zelk::shd::Data;
using zelk::shd::GLSL;
using zelk::shd::Shader;
using zelk::shd::shaderTree;
using zelk::test::DataListProbe;
using zelk::test::ProgramProbe;

namespace {

TEST(ShaderKind, ReadFromTheLastFiveBytesOfTheName) {
    EXPECT_EQ(Shader::readType("a.vert"), 1);
    EXPECT_EQ(Shader::readType("a.frag"), 2);
    EXPECT_EQ(Shader::readType("shaders/light.frag"), 2);
    EXPECT_EQ(Shader::readType(".vert"), 0);
    EXPECT_EQ(Shader::readType("a.VERT"), 0);
    EXPECT_EQ(Shader::readType("a.Frag"), 0);
    EXPECT_EQ(Shader::readType("a.vert.txt"), 0);
    EXPECT_EQ(Shader::readType("abcdef"), 0);
    EXPECT_EQ(Shader::readType(""), 0);
    EXPECT_EQ(Shader::readType(nullptr), 0);
}

std::vector<int> ints(Data& data) {
    std::vector<int> values;
    for (unsigned int at = 0; at < data.ints.size(); at++) {
        values.push_back(data.ints.get(at));
    }
    return values;
}

std::vector<float> floats(Data& data) {
    std::vector<float> values;
    for (unsigned int at = 0; at < data.floats.size(); at++) {
        values.push_back(data.floats.get(at));
    }
    return values;
}

TEST(ShaderData, SettersKeepTheLastValuesOfEachKind) {
    Data data;
    EXPECT_EQ(data.location, -1);
    EXPECT_FALSE(data.updateData());

    data.setData2i(1, 2);
    data.setData2i(zelk::vec2i32(3, 4));
    EXPECT_EQ(ints(data), (std::vector<int>{3, 4}));
    EXPECT_TRUE(data.isInt);

    data.setData3f(1, 2, 3);
    data.setData4f(4, 5, 6, 7);
    EXPECT_EQ(floats(data), (std::vector<float>{4, 5, 6, 7}));
    EXPECT_FALSE(data.isInt);
    data.setData1f(8);
    EXPECT_EQ(floats(data), (std::vector<float>{8}));

    // The integers stay behind while floats are the values sent.
    data.setData1i(5);
    data.setData2f(0.5f, 0.25f);
    EXPECT_EQ(ints(data), (std::vector<int>{5}));
    EXPECT_EQ(floats(data), (std::vector<float>{0.5f, 0.25f}));
    EXPECT_FALSE(data.isInt);

    data.setData4i(zelk::vec4i32(-1, -2, -3, -4));
    data.setData3i(7, 8, 9);
    EXPECT_EQ(ints(data), (std::vector<int>{7, 8, 9}));
    EXPECT_TRUE(data.isInt);

    data.cleanInts();
    data.cleanFloats();
    EXPECT_EQ(data.ints.size(), 0u);
    EXPECT_EQ(data.floats.size(), 0u);
}

TEST(ShaderData, SendingWithoutGlewDoesNothing) {
    Data data;
    data.location = 3;
    data.setData4f(1, 2, 3, 4);
    EXPECT_TRUE(data.updateData());
    data.setData1i(1);
    EXPECT_TRUE(data.updateData());
}

TEST(ShaderDataList, NamingAMissingUniformCreatesIt) {
    DataListProbe list;
    EXPECT_TRUE(list.setData1f("x", 1));
    ASSERT_NE(list.data("x"), nullptr);
    EXPECT_EQ(list.data("x")->location, -1);
    EXPECT_TRUE(list.updateData("x"));

    EXPECT_TRUE(list.setDataID("x", 3));
    EXPECT_EQ(list.data("x")->location, 3);
    EXPECT_TRUE(list.updateData("x"));

    EXPECT_FALSE(list.setDataID("y", -1));
    ASSERT_NE(list.data("y"), nullptr);
    EXPECT_EQ(list.data("y")->location, -1);
    EXPECT_EQ(list.dataCount(), 2u);

    EXPECT_TRUE(list.setData4i("z", zelk::vec4i32(1, 2, 3, 4)));
    EXPECT_EQ(ints(*list.data("z")), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(list.setData3f("z", zelk::vec3f32(1, 2, 3)));
    EXPECT_EQ(floats(*list.data("z")), (std::vector<float>{1, 2, 3}));
    EXPECT_EQ(list.dataCount(), 3u);
}

TEST(ShaderDataList, RefusesNullNamesAndSecondUniformsOfOneName) {
    DataListProbe list;
    EXPECT_FALSE(list.newData(static_cast<char*>(nullptr)));
    EXPECT_FALSE(list.setData1i(static_cast<char*>(nullptr), 1));
    EXPECT_FALSE(list.updateData(static_cast<const char*>(nullptr)));
    EXPECT_FALSE(list.selectData(static_cast<char*>(nullptr)));
    EXPECT_EQ(list.dataCount(), 0u);

    EXPECT_TRUE(list.newData("x"));
    list.setData2i("x", 6, 7);
    Data* first = list.data("x");
    EXPECT_FALSE(list.newData("x"));
    EXPECT_EQ(list.data("x"), first);
    EXPECT_EQ(ints(*first), (std::vector<int>{6, 7}));
    EXPECT_EQ(list.dataCount(), 1u);
}

TEST(ShaderDataList, DeletesOnlyTheNamedUniform) {
    DataListProbe list;
    list.setData1f("a", 1);
    list.setData1f("b", 2);
    list.deleteData("missing");
    EXPECT_EQ(list.dataCount(), 2u);
    EXPECT_EQ(list.data("missing"), nullptr);
    EXPECT_EQ(list.selectedData(), nullptr);

    list.deleteData("a");
    EXPECT_EQ(list.dataCount(), 1u);
    EXPECT_EQ(list.data("a"), nullptr);
    EXPECT_NE(list.data("b"), nullptr);

    list.cleanDatas();
    EXPECT_EQ(list.dataCount(), 0u);
    EXPECT_FALSE(list.updateAllDatas());
}

TEST(ShaderDataList, UpdatesAllInNameOrder) {
    DataListProbe list;
    for (const char* name : {"m", "b", "z", "a", "q"}) {
        list.setData1i(name, 1);
    }
    EXPECT_TRUE(list.updateAllDatas());
    ASSERT_NE(list.selectedData(), nullptr);
    EXPECT_STREQ(list.selectedData()->getName(), "z");
}

TEST(ShaderProgram, RefusesEverythingBeforeTheLayerStarts) {
    // No OpenGL context here: GLEW cannot start.
    EXPECT_FALSE(GLSL::start());
    EXPECT_FALSE(GLSL::usingGLSL());
    EXPECT_FALSE(GLSL::usingVertex());

    ProgramProbe program;
    unsigned char source[] = "void main() {}";
    EXPECT_FALSE(program.loadShaderFromFile("missing.vert"));
    EXPECT_FALSE(program.loadShaderFromMemory("inline.frag", source, sizeof source - 1, 2));
    EXPECT_FALSE(program.createProgram("program"));
    EXPECT_FALSE(program.haveProgram());
    EXPECT_FALSE(program.setData1f("level", 1));
    EXPECT_EQ(program.dataCount(), 0u);
    EXPECT_EQ(program.linkCount(), 0u);
    EXPECT_EQ(shaderTree.size(), 0u);

    Shader shader;
    EXPECT_FALSE(shader.loadShaderFromMemory(source, sizeof source - 1, 2));
    EXPECT_FALSE(shader.haveShader());
}

} // namespace
