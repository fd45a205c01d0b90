#include "zelk/light/Light.h"

#include "zelk/GU.h"

namespace zelk {
namespace light {

namespace {

// OpenGL's numbers for the light and its parameters.
const unsigned int light0 = 16384;
const unsigned int ambientParameter = 4608, diffuseParameter = 4609, specularParameter = 4610,
                   positionParameter = 4611, spotDirectionParameter = 4612,
                   spotExponentParameter = 4613, spotCutoffParameter = 4614,
                   constantAttenuationParameter = 4615, linearAttenuationParameter = 4616,
                   quadraticAttenuationParameter = 4617;

void set4(float* to, float a, float b, float c, float d) {
    to[0] = a;
    to[1] = b;
    to[2] = c;
    to[3] = d;
}

} // namespace

Light::Light()
    : exponent(0.f), cutoff(180.f), constantAttenuation(1.f), linearAttenuation(0.f),
      quadraticAttenuation(0.f) {
    set4(position, 0.f, 0.f, 1.f, 0.f);
    set4(diffuse, 1.f, 1.f, 1.f, 1.f);
    set4(ambient, 0.f, 0.f, 0.f, 1.f);
    set4(specular, 1.f, 1.f, 1.f, 1.f);
    setDirection(0.f, 0.f, 1.f);
}

void Light::setPosition(float x, float y, float z, float w) {
    set4(position, x, y, z, w);
}

void Light::setPosition(float x, float y, float z) {
    setPosition(x, y, z, 0.f);
}

void Light::setPosition(float x, float y) {
    setPosition(x, y, 1.f, 0.f);
}

void Light::setPosition(vec4f32 position) {
    setPosition(position.x, position.y, position.z, position.w);
}

void Light::setPosition(vec3f32 position) {
    setPosition(position.x, position.y, position.z);
}

void Light::setPosition(vec2f32 position) {
    setPosition(position.x, position.y);
}

void Light::setDirection(float x, float y, float z, float) {
    spotDirection[0] = x;
    spotDirection[1] = y;
    spotDirection[2] = z;
}

void Light::setDirection(float x, float y, float z) {
    setDirection(x, y, z, 0.f);
}

void Light::setDirection(float x, float y) {
    setDirection(x, y, 1.f, 0.f);
}

void Light::setDirection(vec4f32 direction) {
    setDirection(direction.x, direction.y, direction.z, direction.w);
}

void Light::setDirection(vec3f32 direction) {
    setDirection(direction.x, direction.y, direction.z);
}

void Light::setDirection(vec2f32 direction) {
    setDirection(direction.x, direction.y);
}

void Light::setExponent(float exponent) {
    this->exponent = exponent;
}

void Light::setCutoff(float cutoff) {
    this->cutoff = cutoff;
}

void Light::setConstantAttenuation(float attenuation) {
    constantAttenuation = attenuation;
}

void Light::setLinearAttenuation(float attenuation) {
    linearAttenuation = attenuation;
}

void Light::setQuadraticAttenuation(float attenuation) {
    quadraticAttenuation = attenuation;
}

void Light::setAmbient(float r, float g, float b, float a) {
    set4(ambient, r, g, b, a);
}

void Light::setAmbient(float r, float g, float b) {
    setAmbient(r, g, b, 1.f);
}

void Light::setAmbient(color4f32 color) {
    setAmbient(color.r, color.g, color.b, color.a);
}

void Light::setAmbient(color3f32 color) {
    setAmbient(color.r, color.g, color.b);
}

void Light::setDiffuse(float r, float g, float b, float a) {
    set4(diffuse, r, g, b, a);
}

void Light::setDiffuse(float r, float g, float b) {
    setDiffuse(r, g, b, 1.f);
}

void Light::setDiffuse(color4f32 color) {
    setDiffuse(color.r, color.g, color.b, color.a);
}

void Light::setDiffuse(color3f32 color) {
    setDiffuse(color.r, color.g, color.b);
}

void Light::setSpecular(float r, float g, float b, float a) {
    set4(specular, r, g, b, a);
}

void Light::setSpecular(float r, float g, float b) {
    setSpecular(r, g, b, 1.f);
}

void Light::setSpecular(color4f32 color) {
    setSpecular(color.r, color.g, color.b, color.a);
}

void Light::setSpecular(color3f32 color) {
    setSpecular(color.r, color.g, color.b);
}

void Light::setAmbientAndDiffuse(float r, float g, float b, float a) {
    setAmbient(r, g, b, a);
    setDiffuse(r, g, b, a);
}

void Light::setAmbientAndDiffuse(float r, float g, float b) {
    setAmbientAndDiffuse(r, g, b, 1.f);
}

void Light::setAmbientAndDiffuse(color4f32 color) {
    setAmbientAndDiffuse(color.r, color.g, color.b, color.a);
}

void Light::setAmbientAndDiffuse(color3f32 color) {
    setAmbientAndDiffuse(color.r, color.g, color.b);
}

void Light::draw(unsigned int n) {
    const unsigned int light = light0 + n;
    GU::guLightfv32(light, positionParameter, position);
    GU::guLightfv32(light, diffuseParameter, diffuse);
    GU::guLightfv32(light, ambientParameter, ambient);
    GU::guLightfv32(light, specularParameter, specular);
    GU::guLightfv32(light, spotDirectionParameter, spotDirection);
    GU::guLightf32(light, spotExponentParameter, exponent);
    GU::guLightf32(light, spotCutoffParameter, cutoff);
    GU::guLightf32(light, constantAttenuationParameter, constantAttenuation);
    GU::guLightf32(light, linearAttenuationParameter, linearAttenuation);
    GU::guLightf32(light, quadraticAttenuationParameter, quadraticAttenuation);
}

} // namespace light
} // namespace zelk
