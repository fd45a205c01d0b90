#ifndef ZELK_TESTS_GLCONTEXT_H
#define ZELK_TESTS_GLCONTEXT_H

#include <SFML/Window/Context.hpp>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace zelk {
namespace test {

// The context the engine's window asks for: OpenGL 2.0, compatibility
// profile, depth 24, stencil 8.
sf::ContextSettings engineContextSettings();

// A fixture that opens a real OpenGL context of its own on the X display
// (offscreen, width x height pixels) for every test and makes it current.
// Nothing is opened before SetUp runs. The engine's remembered matrix mode is
// brought in line with the new context (GL_MODELVIEW).
class GLContextTest : public ::testing::Test {
protected:
    static constexpr int width = 64;
    static constexpr int height = 64;

    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<sf::Context> context;
};

// The state a view leaves for drawing, through the engine's wrapper: the
// projection holds the unit square, ortho(0, 1, 0, 1, -1, 1), the model-view
// matrix is the identity and selected, and the frame is cleared to opaque black.
void unitProjection();
// The same with ortho(0, width, 0, height, -1, 1): one unit is one pixel of a
// frame of that size.
void pixelProjection(int width, int height);

// Read-backs from the current context.

// RGBA bytes of a block of the framebuffer, bottom row first.
std::vector<unsigned char> readPixels(int x, int y, int width, int height);
// The image of one level of a 2D texture in format (GL_RGB, GL_RGBA,
// GL_LUMINANCE, GL_LUMINANCE_ALPHA or GL_ALPHA), rows tightly packed, bottom
// row first. The binding of GL_TEXTURE_2D is kept.
std::vector<unsigned char> readTexture(unsigned int texture, unsigned int format, int level = 0);
int textureParameter(unsigned int texture, unsigned int parameter);
int textureLevelParameter(unsigned int texture, int level, unsigned int parameter);
int getInteger(unsigned int name);
std::vector<float> getFloats(unsigned int name, size_t count);

// A point multiplied by a column-major 4x4 matrix as OpenGL stores it.
std::vector<float> transform(const std::vector<float>& matrix, float x, float y, float z,
                             float w = 1.f);

} // namespace test
} // namespace zelk

#endif
