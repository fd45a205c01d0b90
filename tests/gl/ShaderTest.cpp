// Compiled shaders shared between programs, and programs linked from them, on
// a real OpenGL context.
#include <GL/glew.h>

#include "support/FileContents.h"
#include "support/GLContext.h"
#include "support/ShaderProbes.h"
#include "support/TestSupport.h"
#include "zelk/GU_GLSL.h"
#include "zelk/shd/GLSL.h"
#include "zelk/shd/Shader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <sys/stat.h>

using zelk::GU_GLSL;
using zelk::shd::GLSL;
using zelk::shd::Shader;
using zelk::shd::shaderTree;
using zelk::test::captureStdout;
using zelk::test::ProgramProbe;

namespace {

const std::string vertexSource = "varying vec2 place;\n"
                                 "void main() { place = gl_Vertex.xy; gl_Position = gl_Vertex; }\n";
const std::string fragmentSource = "varying vec2 place;\n"
                                   "void main() { gl_FragColor = vec4(place, 0.0, 1.0); }\n";
// Compiles, but leaves a program without an entry point for this stage.
const std::string fragmentWithoutMain = "vec4 paint() { return vec4(1.0); }\n";
const std::string brokenSource = "void main() { gl_FragColor = vec4(1.0) }\n";

class ShaderTest : public zelk::test::GLContextTest {
protected:
    void SetUp() override {
        GLContextTest::SetUp();
        ASSERT_TRUE(GLSL::start());
    }

    void TearDown() override {
        // Every program of a test is gone by now, and so must its shaders be.
        EXPECT_EQ(shaderTree.size(), 0u);
        GLContextTest::TearDown();
    }

    // Writes the source under the name into the temporary folder.
    std::string write(const std::string& name, const std::string& source) {
        std::string path = folder.file(name);
        zelk::test::writeFileBytes(path, source);
        return path;
    }

    static int programValue(unsigned int program, unsigned int parameter) {
        int value = -1;
        glGetProgramiv(program, parameter, &value);
        return value;
    }

    zelk::test::TempDir folder;
};

TEST_F(ShaderTest, StartsTheLayerOnce) {
    EXPECT_TRUE(GU_GLSL::guShaderInitiate());
    EXPECT_TRUE(GLSL::usingGLSL());
    EXPECT_TRUE(GLSL::usingFragment());
    EXPECT_TRUE(GLSL::usingVertex());
    EXPECT_EQ(GLSL::usingGeometry(), GU_GLSL::guStartShader(13));
    EXPECT_TRUE(GLSL::start());
}

TEST_F(ShaderTest, ProgramsLoadingOneFileShareItsCompiledShader) {
    std::string vertex = write("shared.vert", vertexSource);
    std::string fragment = write("shared.frag", fragmentSource);
    auto first = std::make_unique<ProgramProbe>();
    auto second = std::make_unique<ProgramProbe>();
    ASSERT_TRUE(first->loadShaderFromFile(vertex.c_str()));
    ASSERT_TRUE(first->loadShaderFromFile(fragment.c_str()));
    ASSERT_TRUE(second->loadShaderFromFile(vertex.c_str()));
    EXPECT_TRUE(first->createProgram("first"));

    ASSERT_NE(first->link(vertex.c_str()), nullptr);
    ASSERT_NE(second->link(vertex.c_str()), nullptr);
    unsigned int shared = first->link(vertex.c_str())->id;
    unsigned int alone = first->link(fragment.c_str())->id;
    EXPECT_NE(shared, 0u);
    EXPECT_EQ(second->link(vertex.c_str())->id, shared);
    EXPECT_EQ(second->link(vertex.c_str())->getShader(), first->link(vertex.c_str())->getShader());
    EXPECT_EQ(shaderTree.size(), 2u);
    Shader* stored = first->link(vertex.c_str())->getShader();
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->getShaderID(), shared);
    EXPECT_EQ(stored->getShaderType(), 1);
    EXPECT_STREQ(stored->getName(), vertex.c_str());

    first.reset();
    EXPECT_EQ(glIsShader(shared), GL_TRUE);
    EXPECT_EQ(glIsShader(alone), GL_FALSE);
    EXPECT_EQ(shaderTree.size(), 1u);

    second.reset();
    EXPECT_EQ(glIsShader(shared), GL_FALSE);
}

TEST_F(ShaderTest, LoadingAFileTwiceKeepsOneLink) {
    std::string vertex = write("twice.vert", vertexSource);
    ProgramProbe program;
    EXPECT_TRUE(program.loadShaderFromFile(vertex.c_str()));
    EXPECT_TRUE(program.loadShaderFromFile(vertex.c_str()));
    EXPECT_EQ(program.linkCount(), 1u);
    EXPECT_EQ(shaderTree.size(), 1u);
}

TEST_F(ShaderTest, CompileErrorPrintsItsLogAndKeepsNothing) {
    std::string broken = write("broken.frag", brokenSource);
    ProgramProbe program;
    bool loaded = true;
    std::string printed =
        captureStdout([&] { loaded = program.loadShaderFromFile(broken.c_str()); });
    EXPECT_FALSE(loaded);
    EXPECT_EQ(printed.rfind("\nLOG: ", 0), 0u) << printed;
    EXPECT_GT(printed.size(), 7u);
    EXPECT_EQ(program.linkCount(), 0u);
    EXPECT_EQ(shaderTree.size(), 0u);

    // A compile error leaves no shader object behind either.
    Shader shader;
    unsigned char source[] = "void main() { undeclared = 1.0; }";
    printed =
        captureStdout([&] { loaded = shader.loadShaderFromMemory(source, sizeof source - 1, 2); });
    EXPECT_FALSE(loaded);
    EXPECT_NE(printed.find("undeclared"), std::string::npos) << printed;
    EXPECT_FALSE(shader.haveShader());
    EXPECT_EQ(shader.getCompileLog(), nullptr);
}

TEST_F(ShaderTest, UnsetStatusFailsEvenWithoutALog) {
    unsigned int shader = GU_GLSL::guCreateShader(GL_VERTEX_SHADER);
    unsigned int unlinked = GU_GLSL::guCreateProgram();
    Shader check;
    ProgramProbe program;
    bool compiled = true;
    bool linked = true;
    std::string printed = captureStdout([&] {
        compiled = check.checkCompilationStatus(shader);
        linked = program.checkCompilationStatus(unlinked);
    });
    EXPECT_FALSE(compiled);
    EXPECT_FALSE(linked);
    EXPECT_EQ(printed, "");
    GU_GLSL::guDeleteShader(shader);
    GU_GLSL::guDeleteProgram(unlinked);
}

TEST_F(ShaderTest, RefusesMissingEmptyUnknownAndFolderFiles) {
    ProgramProbe program;
    std::string folderPath = folder.file("folder.vert");
    ASSERT_EQ(mkdir(folderPath.c_str(), 0700), 0);
    std::string outputs = captureStdout([&] {
        EXPECT_FALSE(program.loadShaderFromFile(folderPath.c_str()));
        EXPECT_FALSE(program.loadShaderFromFile(folder.file("missing.vert").c_str()));
        EXPECT_FALSE(program.loadShaderFromFile(write("empty.frag", "").c_str()));
        EXPECT_FALSE(program.loadShaderFromFile(write("shader.glsl", vertexSource).c_str()));
        EXPECT_FALSE(program.loadShaderFromFile(static_cast<char*>(nullptr)));
    });
    EXPECT_EQ(outputs, "");
    EXPECT_EQ(program.linkCount(), 0u);
}

TEST_F(ShaderTest, SharesSourcesFromMemoryByName) {
    std::vector<unsigned char> source(fragmentSource.begin(), fragmentSource.end());
    unsigned int size = static_cast<unsigned int>(source.size());
    ProgramProbe first;
    ProgramProbe second;
    EXPECT_FALSE(first.loadShaderFromMemory(static_cast<char*>(nullptr), source.data(), size, 2));
    EXPECT_FALSE(first.loadShaderFromMemory("paint", nullptr, size, 2));
    EXPECT_FALSE(first.loadShaderFromMemory("paint", source.data(), 0, 2));
    EXPECT_FALSE(first.loadShaderFromMemory("paint", source.data(), size, 3));
    EXPECT_EQ(shaderTree.size(), 0u);

    ASSERT_TRUE(first.loadShaderFromMemory("paint", source.data(), size, 2));
    // The name alone finds the compiled shader: the second source is not read.
    unsigned char other[] = "not a shader";
    ASSERT_TRUE(second.loadShaderFromMemory("paint", other, sizeof other - 1, 2));
    EXPECT_EQ(first.link("paint")->id, second.link("paint")->id);
    EXPECT_EQ(first.link("paint")->getShader()->getShaderType(), 2);
    EXPECT_EQ(shaderTree.size(), 1u);
}

TEST_F(ShaderTest, LinkErrorAnswersFalseAndKeepsTheProgramLog) {
    std::string vertex = write("plain.vert", vertexSource);
    std::string fragment = write("nomain.frag", fragmentWithoutMain);
    ProgramProbe program;
    ASSERT_TRUE(program.loadShaderFromFile(vertex.c_str()));
    ASSERT_TRUE(program.loadShaderFromFile(fragment.c_str()));
    bool linked = true;
    std::string printed = captureStdout([&] { linked = program.createProgram("nomain"); });
    EXPECT_FALSE(linked);
    ASSERT_TRUE(program.haveProgram());
    EXPECT_EQ(programValue(program.getProgramID(), GL_LINK_STATUS), GL_FALSE);
    ASSERT_NE(program.getLinkLog(), nullptr);
    EXPECT_GT(std::string(program.getLinkLog()).size(), 0u);
    EXPECT_EQ(printed, std::string("\nLOG: ") + program.getLinkLog());
    EXPECT_STREQ(program.getName(), "nomain");
}

TEST_F(ShaderTest, BuildsProgramsFromShadersLoadedBeforeAndAfter) {
    std::string vertex = write("order.vert", vertexSource);
    std::string fragment = write("order.frag", fragmentSource);
    ProgramProbe program;
    EXPECT_FALSE(program.createProgram(static_cast<char*>(nullptr)));
    EXPECT_FALSE(program.haveProgram());

    // A program without shaders links.
    EXPECT_TRUE(program.createProgram("empty"));
    EXPECT_TRUE(program.haveProgram());
    unsigned int empty = program.getProgramID();

    ASSERT_TRUE(program.loadShaderFromFile(fragment.c_str()));
    ASSERT_TRUE(program.loadShaderFromFile(vertex.c_str()));
    EXPECT_TRUE(program.link(fragment.c_str())->attached);
    EXPECT_EQ(programValue(empty, GL_ATTACHED_SHADERS), 2);
    EXPECT_EQ(program.linkOrder(), fragment + " " + vertex);

    EXPECT_TRUE(program.createProgram("built"));
    EXPECT_EQ(glIsProgram(empty), GL_FALSE);
    EXPECT_EQ(programValue(program.getProgramID(), GL_ATTACHED_SHADERS), 2);
    EXPECT_EQ(programValue(program.getProgramID(), GL_LINK_STATUS), GL_TRUE);
    EXPECT_STREQ(program.getName(), "built");

    program.useThisShader();
    EXPECT_EQ(zelk::test::getInteger(GL_CURRENT_PROGRAM), static_cast<int>(program.getProgramID()));
    program.dontUseThisShader();
    EXPECT_EQ(zelk::test::getInteger(GL_CURRENT_PROGRAM), 0);

    unsigned int built = program.getProgramID();
    program.deleteProgram();
    EXPECT_FALSE(program.haveProgram());
    EXPECT_EQ(glIsProgram(built), GL_FALSE);
    EXPECT_EQ(program.getName(), nullptr);
    EXPECT_FALSE(program.link(vertex.c_str())->attached);
    program.deleteProgram();
    EXPECT_FALSE(program.haveProgram());
    EXPECT_EQ(program.linkCount(), 2u);

    unsigned int shader = program.link(vertex.c_str())->id;
    program.deleteShaders();
    EXPECT_EQ(program.linkCount(), 0u);
    EXPECT_EQ(glIsShader(shader), GL_FALSE);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// A program rebuilt under its own name: the old program and its name go first.
TEST_F(ShaderTest, RebuildsAProgramUnderItsOwnName) {
    std::string vertex = write("again.vert", vertexSource);
    std::string fragment = write("again.frag", fragmentSource);
    ProgramProbe program;
    ASSERT_TRUE(program.loadShaderFromFile(vertex.c_str()));
    ASSERT_TRUE(program.loadShaderFromFile(fragment.c_str()));
    ASSERT_TRUE(program.createProgram("again"));
    unsigned int first = program.getProgramID();

    EXPECT_TRUE(program.createProgram(program.getName()));
    EXPECT_STREQ(program.getName(), "again");
    EXPECT_EQ(glIsProgram(first), GL_FALSE);
    EXPECT_EQ(programValue(program.getProgramID(), GL_LINK_STATUS), GL_TRUE);
}

} // namespace
