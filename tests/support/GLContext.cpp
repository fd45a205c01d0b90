#include <GL/glew.h>

#include "support/GLContext.h"

#include "zelk/GU.h"
#include "zelk/platform/GLDriver.h"

namespace zelk {
namespace test {

sf::ContextSettings engineContextSettings() {
    return sf::ContextSettings(24, 8, 0, 2, 0, sf::ContextSettings::Default);
}

void GLContextTest::SetUp() {
    context = std::make_unique<sf::Context>(engineContextSettings(), width, height);
    // The leak check at exit still finds the driver it names.
    platform::keepGLDriverLoaded();
    ASSERT_TRUE(context->setActive(true)) << "no OpenGL context on the X display";
    glViewport(0, 0, width, height);
    // A new context starts in GL_MODELVIEW; the engine remembers the mode it
    // selected last, possibly in an earlier test's context.
    GU::guUseMatrix(GL_MODELVIEW);
}

void GLContextTest::TearDown() {
    context.reset();
}

void pixelProjection(int width, int height) {
    GU::guUseMatrix(GL_PROJECTION);
    GU::guLoadIdentity();
    GU::guUseOrtho(0, width, 0, height, -1, 1);
    GU::guUseMatrix(GL_MODELVIEW);
    GU::guLoadIdentity();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
}

void unitProjection() {
    pixelProjection(1, 1);
}

std::vector<unsigned char> readPixels(int x, int y, int width, int height) {
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
    GLint alignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, alignment);
    return pixels;
}

namespace {

size_t channelsOf(unsigned int format) {
    switch (format) {
    case GL_RGBA:
        return 4;
    case GL_RGB:
        return 3;
    case GL_LUMINANCE_ALPHA:
        return 2;
    default:
        return 1;
    }
}

// Runs read with the texture bound to GL_TEXTURE_2D, then restores the binding.
template <typename Read> void withTexture(unsigned int texture, Read read) {
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glBindTexture(GL_TEXTURE_2D, texture);
    read();
    glBindTexture(GL_TEXTURE_2D, bound);
}

} // namespace

std::vector<unsigned char> readTexture(unsigned int texture, unsigned int format, int level) {
    std::vector<unsigned char> image;
    withTexture(texture, [&] {
        GLint w = 0, h = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &w);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &h);
        image.resize(static_cast<size_t>(w) * h * channelsOf(format));
        if (image.empty()) {
            return;
        }
        GLint alignment = 4;
        glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, level, format, GL_UNSIGNED_BYTE, image.data());
        glPixelStorei(GL_PACK_ALIGNMENT, alignment);
    });
    return image;
}

int textureParameter(unsigned int texture, unsigned int parameter) {
    GLint value = 0;
    withTexture(texture, [&] { glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value); });
    return value;
}

int textureLevelParameter(unsigned int texture, int level, unsigned int parameter) {
    GLint value = 0;
    withTexture(texture,
                [&] { glGetTexLevelParameteriv(GL_TEXTURE_2D, level, parameter, &value); });
    return value;
}

int getInteger(unsigned int name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

std::vector<float> getFloats(unsigned int name, size_t count) {
    // Room for the largest answer, a 4x4 matrix, whatever count says.
    std::vector<float> values(count > 16 ? count : 16, 0.f);
    glGetFloatv(name, values.data());
    values.resize(count);
    return values;
}

std::vector<float> transform(const std::vector<float>& matrix, float x, float y, float z, float w) {
    std::vector<float> out(4, 0.f);
    for (int row = 0; row < 4; ++row) {
        out[row] =
            matrix[row] * x + matrix[4 + row] * y + matrix[8 + row] * z + matrix[12 + row] * w;
    }
    return out;
}

} // namespace test
} // namespace zelk
