#ifndef ZELK_LIGHT_LIGHT_H
#define ZELK_LIGHT_LIGHT_H

#include "zelk/TypeColor.h"
#include "zelk/TypeVec2.h"
#include "zelk/TypeVec3.h"
#include "zelk/TypeVec4.h"

namespace zelk {
namespace light {

// The parameters of one fixed-function OpenGL light. By default a white
// directional light from +z with no spot cone. No setter checks its values:
// OpenGL decides what to do with them.
class Light {
public:
    Light();
    virtual ~Light() {}

    // Three values leave w at 0, two values put z at 1 and w at 0.
    void setPosition(float x, float y, float z, float w);
    void setPosition(float x, float y, float z);
    void setPosition(float x, float y);
    void setPosition(vec4f32 position);
    void setPosition(vec3f32 position);
    void setPosition(vec2f32 position);

    // The spot direction; the same shapes and defaults as setPosition, of
    // which the fourth value has no place in a direction.
    void setDirection(float x, float y, float z, float w);
    void setDirection(float x, float y, float z);
    void setDirection(float x, float y);
    void setDirection(vec4f32 direction);
    void setDirection(vec3f32 direction);
    void setDirection(vec2f32 direction);

    void setExponent(float exponent);
    void setCutoff(float cutoff);
    void setConstantAttenuation(float attenuation);
    void setLinearAttenuation(float attenuation);
    void setQuadraticAttenuation(float attenuation);

    // Colours; three components are opaque.
    void setAmbient(float r, float g, float b, float a);
    void setAmbient(float r, float g, float b);
    void setAmbient(color4f32 color);
    void setAmbient(color3f32 color);
    void setDiffuse(float r, float g, float b, float a);
    void setDiffuse(float r, float g, float b);
    void setDiffuse(color4f32 color);
    void setDiffuse(color3f32 color);
    void setSpecular(float r, float g, float b, float a);
    void setSpecular(float r, float g, float b);
    void setSpecular(color4f32 color);
    void setSpecular(color3f32 color);
    void setAmbientAndDiffuse(float r, float g, float b, float a);
    void setAmbientAndDiffuse(float r, float g, float b);
    void setAmbientAndDiffuse(color4f32 color);
    void setAmbientAndDiffuse(color3f32 color);

    // Loads every parameter into OpenGL light n (GL_LIGHT0 + n). It enables
    // neither lighting nor the light; OpenGL transforms the position and the
    // spot direction by the current model-view matrix.
    virtual void draw(unsigned int n);

protected:
    float position[4];
    float diffuse[4];
    float ambient[4];
    float specular[4];
    float spotDirection[3];
    float exponent;
    float cutoff;
    float constantAttenuation;
    float linearAttenuation;
    float quadraticAttenuation;
};

} // namespace light
} // namespace zelk

#endif
