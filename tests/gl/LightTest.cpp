#include <GL/glew.h>

#include "support/GLContext.h"
#include "zelk/GU.h"
#include "zelk/light/Light.h"
#include "zelk/light/Light2D.h"

#include <gtest/gtest.h>

#include <vector>

using zelk::GU;
using zelk::light::Light;
using zelk::light::Light2D;

namespace {

typedef std::vector<float> Floats;

class LightTest : public zelk::test::GLContextTest {
protected:
    void SetUp() override {
        GLContextTest::SetUp();
        // Positions and directions are stored in eye space: keep that the identity.
        GU::guLoadIdentity();
    }
};

// What OpenGL holds for a parameter of light n.
Floats lightValue(unsigned int n, unsigned int parameter, size_t count) {
    Floats values(4, -99.f);
    GU::guGetLightfv32(GL_LIGHT0 + n, parameter, values.data());
    values.resize(count);
    return values;
}

} // namespace

TEST_F(LightTest, NewLightLoadsItsDefaults) {
    // Away from OpenGL's own defaults for light 0 first.
    const float zero[4] = {0.5f, 0.5f, 0.5f, 0.5f};
    for (unsigned int p : {GL_POSITION, GL_DIFFUSE, GL_AMBIENT, GL_SPECULAR, GL_SPOT_DIRECTION}) {
        GU::guLightfv32(GL_LIGHT0, p, zero);
    }
    GU::guLightf32(GL_LIGHT0, GL_SPOT_CUTOFF, 45);
    GU::guLighti32(GL_LIGHT0, GL_SPOT_EXPONENT, 3);
    GU::guLightf32(GL_LIGHT0, GL_CONSTANT_ATTENUATION, 2);
    GU::guLightf32(GL_LIGHT0, GL_LINEAR_ATTENUATION, 2);
    GU::guLightf32(GL_LIGHT0, GL_QUADRATIC_ATTENUATION, 2);

    Light().draw(0);
    EXPECT_EQ(lightValue(0, GL_POSITION, 4), Floats({0, 0, 1, 0}));
    EXPECT_EQ(lightValue(0, GL_DIFFUSE, 4), Floats({1, 1, 1, 1}));
    EXPECT_EQ(lightValue(0, GL_AMBIENT, 4), Floats({0, 0, 0, 1}));
    EXPECT_EQ(lightValue(0, GL_SPECULAR, 4), Floats({1, 1, 1, 1}));
    EXPECT_EQ(lightValue(0, GL_SPOT_DIRECTION, 3), Floats({0, 0, 1}));
    EXPECT_EQ(lightValue(0, GL_SPOT_EXPONENT, 1), Floats({0}));
    EXPECT_EQ(lightValue(0, GL_SPOT_CUTOFF, 1), Floats({180}));
    EXPECT_EQ(lightValue(0, GL_CONSTANT_ATTENUATION, 1), Floats({1}));
    EXPECT_EQ(lightValue(0, GL_LINEAR_ATTENUATION, 1), Floats({0}));
    EXPECT_EQ(lightValue(0, GL_QUADRATIC_ATTENUATION, 1), Floats({0}));
    int exponent = -1;
    GU::guGetLightiv32(GL_LIGHT0, GL_SPOT_EXPONENT, &exponent);
    EXPECT_EQ(exponent, 0);
}

TEST_F(LightTest, DrawAddressesOnlyLightN) {
    Light light;
    light.setDiffuse(0.5f, 0.25f, 0.125f, 1.f);
    light.draw(3);
    EXPECT_EQ(lightValue(3, GL_DIFFUSE, 4), Floats({0.5f, 0.25f, 0.125f, 1.f}));
    // OpenGL's own defaults: white for light 0, black for the others.
    EXPECT_EQ(lightValue(0, GL_DIFFUSE, 4), Floats({1, 1, 1, 1}));
    EXPECT_EQ(lightValue(2, GL_DIFFUSE, 4), Floats({0, 0, 0, 1}));
    EXPECT_EQ(lightValue(4, GL_DIFFUSE, 4), Floats({0, 0, 0, 1}));
}

TEST_F(LightTest, PositionAndDirectionFillTheMissingComponents) {
    Light light;
    light.setPosition(2, 3);
    light.setDirection(4, 5);
    light.draw(1);
    EXPECT_EQ(lightValue(1, GL_POSITION, 4), Floats({2, 3, 1, 0}));
    EXPECT_EQ(lightValue(1, GL_SPOT_DIRECTION, 3), Floats({4, 5, 1}));

    light.setPosition(zelk::vec3f32(2, 3, 4));
    light.setDirection(zelk::vec3f32(0, -1, 0));
    light.draw(1);
    EXPECT_EQ(lightValue(1, GL_POSITION, 4), Floats({2, 3, 4, 0}));
    EXPECT_EQ(lightValue(1, GL_SPOT_DIRECTION, 3), Floats({0, -1, 0}));

    // The fourth value of a direction has no place; the position keeps its own.
    light.setPosition(zelk::vec4f32(1, 2, 3, 1));
    light.setDirection(zelk::vec4f32(1, 0, 0, 7));
    light.draw(1);
    EXPECT_EQ(lightValue(1, GL_POSITION, 4), Floats({1, 2, 3, 1}));
    EXPECT_EQ(lightValue(1, GL_SPOT_DIRECTION, 3), Floats({1, 0, 0}));

    light.setPosition(zelk::vec2f32(6, 7));
    light.setDirection(zelk::vec2f32(8, 9));
    light.draw(1);
    EXPECT_EQ(lightValue(1, GL_POSITION, 4), Floats({6, 7, 1, 0}));
    EXPECT_EQ(lightValue(1, GL_SPOT_DIRECTION, 3), Floats({8, 9, 1}));
}

TEST_F(LightTest, ColoursChangeOnlyTheirOwnParameters) {
    Light light;
    light.setDiffuse(0.5f, 0.5f, 0.5f);
    light.draw(0);
    EXPECT_EQ(lightValue(0, GL_DIFFUSE, 4), Floats({0.5f, 0.5f, 0.5f, 1}));
    EXPECT_EQ(lightValue(0, GL_AMBIENT, 4), Floats({0, 0, 0, 1}));

    light.setAmbientAndDiffuse(zelk::color4f32(1.f, 0.f, 0.f, 0.5f));
    light.draw(0);
    EXPECT_EQ(lightValue(0, GL_DIFFUSE, 4), Floats({1, 0, 0, 0.5f}));
    EXPECT_EQ(lightValue(0, GL_AMBIENT, 4), Floats({1, 0, 0, 0.5f}));
    EXPECT_EQ(lightValue(0, GL_SPECULAR, 4), Floats({1, 1, 1, 1}));

    light.setSpecular(zelk::color3f32(0.25f, 0.5f, 0.75f));
    light.setAmbient(0.f, 0.25f, 0.f);
    light.draw(0);
    EXPECT_EQ(lightValue(0, GL_SPECULAR, 4), Floats({0.25f, 0.5f, 0.75f, 1}));
    EXPECT_EQ(lightValue(0, GL_AMBIENT, 4), Floats({0, 0.25f, 0, 1}));
    EXPECT_EQ(lightValue(0, GL_DIFFUSE, 4), Floats({1, 0, 0, 0.5f}));
}

TEST_F(LightTest, SpotAndAttenuationValues) {
    Light light;
    light.setExponent(2);
    light.setCutoff(45);
    light.setConstantAttenuation(0.5f);
    light.setLinearAttenuation(0.25f);
    light.setQuadraticAttenuation(0.125f);
    light.draw(2);
    EXPECT_EQ(lightValue(2, GL_SPOT_EXPONENT, 1), Floats({2}));
    EXPECT_EQ(lightValue(2, GL_SPOT_CUTOFF, 1), Floats({45}));
    EXPECT_EQ(lightValue(2, GL_CONSTANT_ATTENUATION, 1), Floats({0.5f}));
    EXPECT_EQ(lightValue(2, GL_LINEAR_ATTENUATION, 1), Floats({0.25f}));
    EXPECT_EQ(lightValue(2, GL_QUADRATIC_ATTENUATION, 1), Floats({0.125f}));

    // A cutoff OpenGL refuses is sent as it is; OpenGL keeps the last good one.
    light.setCutoff(120);
    light.draw(2);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_INVALID_VALUE));
    EXPECT_EQ(lightValue(2, GL_SPOT_CUTOFF, 1), Floats({45}));
}

TEST_F(LightTest, PositionIsTakenThroughTheModelView) {
    Light light;
    light.setPosition(0, 0, 1, 1);
    GU::guTranslate2f32(5, -2);
    light.draw(0);
    EXPECT_EQ(lightValue(0, GL_POSITION, 4), Floats({5, -2, 1, 1}));
}

TEST_F(LightTest, Light2DTakesTwoComponents) {
    Light2D light;
    light.setPosition(2, 3);
    light.setDirection(zelk::vec2f32(-1, 0));
    light.draw(0);
    EXPECT_EQ(lightValue(0, GL_POSITION, 4), Floats({2, 3, 1, 0}));
    EXPECT_EQ(lightValue(0, GL_SPOT_DIRECTION, 3), Floats({-1, 0, 1}));
    light.setPosition(1, 2, 3, 1);
    light.draw(0);
    EXPECT_EQ(lightValue(0, GL_POSITION, 4), Floats({1, 2, 3, 1}));
}
