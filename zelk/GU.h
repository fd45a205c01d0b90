#ifndef ZELK_GU_H
#define ZELK_GU_H

#include "zelk/TypeColor.h"
#include "zelk/TypeRect.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVec2.h"
#include "zelk/TypeVec3.h"
#include "zelk/TypeVec4.h"

namespace zelk {

// The one door through which the engine draws: thin forwards to OpenGL's
// fixed-function pipeline in immediate mode. OpenGL's own enumeration values
// pass through unchanged. Every operation needs a current context on the
// calling thread (the main thread).
class GU {
public:
    GU() {}
    ~GU() {}

    // Matrices and viewport. The selected matrix mode is remembered, so a
    // mode that is already selected costs no OpenGL call; every change of the
    // mode must therefore go through guUseMatrix.
    static void guUseMatrix(unsigned int mode);
    static bool guUsingMatrix(unsigned int mode);
    static void guLoadIdentity();
    static void guPushMatrix();
    static void guPopMatrix();
    static void guSetViewport(unsigned int x, unsigned int y, unsigned int width,
                              unsigned int height);
    static void guSetViewportRect(rectui32 rect);
    // Multiplies an orthographic projection onto the current matrix.
    static void guUseOrtho(float left, float right, float bottom, float top, float near, float far);

    // Transformations; angles in degrees. The Y forms rotate about (0, 0, 1)
    // like the Z forms: the skeleton drawing turns its bones in the plane
    // through them.
    static void guRotate3f32(float angle, vec3f32 axis);
    static void guRotate3f32(float angle, float x, float y, float z);
    static void guRotate3f64(double angle, vec3f64 axis);
    static void guRotate3f64(double angle, double x, double y, double z);
    static void guRotateXf32(float angle);
    static void guRotateXf64(double angle);
    static void guRotateYf32(float angle);
    static void guRotateYf64(double angle);
    static void guRotateZf32(float angle);
    static void guRotateZf64(double angle);

    static void guScale3f32(size3f32 size);
    static void guScale3f32(float x, float y, float z);
    static void guScale3f64(size3f64 size);
    static void guScale3f64(double x, double y, double z);
    static void guScale2f32(size2f32 size);
    static void guScale2f32(float x, float y);
    static void guScale2f64(size2f64 size);
    static void guScale2f64(double x, double y);
    static void guScaleXf32(double x);
    static void guScaleYf32(double y);
    static void guScaleZf32(double z);
    static void guScaleXf64(double x);
    static void guScaleYf64(double y);
    static void guScaleZf64(double z);

    static void guTranslate3f32(vec3f32 position);
    static void guTranslate3f32(float x, float y, float z);
    static void guTranslate3f64(vec3f64 position);
    static void guTranslate3f64(double x, double y, double z);
    static void guTranslate2f32(vec2f32 position);
    static void guTranslate2f32(float x, float y);
    static void guTranslate2f64(vec2f64 position);
    static void guTranslate2f64(double x, double y);
    static void guTranslateXf32(float x);
    static void guTranslateYf32(float y);
    static void guTranslateZf32(float z);
    static void guTranslateXf64(double x);
    static void guTranslateYf64(double y);
    static void guTranslateZf64(double z);

    // Primitives and per-vertex state.
    static void guBegin(unsigned int primitive);
    static void guEnd();

    static void guColor3f32(color3f32 color);
    static void guColor3f32(float r, float g, float b);
    static void guColor3f64(color3f64 color);
    static void guColor3f64(double r, double g, double b);
    static void guColor4f32(color4f32 color);
    static void guColor4f32(float r, float g, float b, float a);
    static void guColor4f64(color4f64 color);
    static void guColor4f64(double r, double g, double b, double a);

    static void guVertex2f32(vec2f32 vertex);
    static void guVertex2f32(float x, float y);
    static void guVertex3f32(vec3f32 vertex);
    static void guVertex3f32(float x, float y, float z);
    static void guVertex4f32(vec4f32 vertex);
    static void guVertex4f32(float x, float y, float z, float w);
    static void guVertex2f64(vec2f64 vertex);
    static void guVertex2f64(double x, double y);
    static void guVertex3f64(vec3f64 vertex);
    static void guVertex3f64(double x, double y, double z);
    static void guVertex4f64(vec4f64 vertex);
    static void guVertex4f64(double x, double y, double z, double w);

    static void guVertexNormal3f32(vec3f32 normal);
    static void guVertexNormal3f32(float x, float y, float z);
    static void guVertexNormal3f64(vec3f64 normal);
    static void guVertexNormal3f64(double x, double y, double z);

    static void guVertexTex1f32(float s);
    static void guVertexTex1f64(double s);
    static void guVertexTex2f32(vec2f32 coord);
    static void guVertexTex2f32(float s, float t);
    static void guVertexTex3f32(vec3f32 coord);
    static void guVertexTex3f32(float s, float t, float r);
    static void guVertexTex4f32(vec4f32 coord);
    static void guVertexTex4f32(float s, float t, float r, float q);
    static void guVertexTex2f64(vec2f64 coord);
    static void guVertexTex2f64(double s, double t);
    static void guVertexTex3f64(vec3f64 coord);
    static void guVertexTex3f64(double s, double t, double r);
    static void guVertexTex4f64(vec4f64 coord);
    static void guVertexTex4f64(double s, double t, double r, double q);

    // Rasterisation sizes; every form converts its argument to float as the
    // language converts that type.
    static void guPointSize(float size);
    static void guPointSize(double size) { guPointSize(static_cast<float>(size)); }
    static void guPointSize(signed char size) { guPointSize(static_cast<float>(size)); }
    static void guPointSize(short size) { guPointSize(static_cast<float>(size)); }
    static void guPointSize(int size) { guPointSize(static_cast<float>(size)); }
    static void guPointSize(long long size) { guPointSize(static_cast<float>(size)); }
    static void guPointSize(unsigned char size) { guPointSize(static_cast<float>(size)); }
    static void guPointSize(unsigned short size) { guPointSize(static_cast<float>(size)); }
    static void guPointSize(unsigned int size) { guPointSize(static_cast<float>(size)); }
    static void guPointSize(unsigned long long size) { guPointSize(static_cast<float>(size)); }

    static void guLineWidth(float width);
    static void guLineWidth(double width) { guLineWidth(static_cast<float>(width)); }
    static void guLineWidth(signed char width) { guLineWidth(static_cast<float>(width)); }
    static void guLineWidth(short width) { guLineWidth(static_cast<float>(width)); }
    static void guLineWidth(int width) { guLineWidth(static_cast<float>(width)); }
    static void guLineWidth(long long width) { guLineWidth(static_cast<float>(width)); }
    static void guLineWidth(unsigned char width) { guLineWidth(static_cast<float>(width)); }
    static void guLineWidth(unsigned short width) { guLineWidth(static_cast<float>(width)); }
    static void guLineWidth(unsigned int width) { guLineWidth(static_cast<float>(width)); }
    static void guLineWidth(unsigned long long width) { guLineWidth(static_cast<float>(width)); }

    // State switches.
    static void guEnable(unsigned int capability);
    static void guDisable(unsigned int capability);
    static void guBlendFunc(unsigned int source, unsigned int destination);
    static void guShadeModel(unsigned int mode);
    static void guColorMaterial(unsigned int face, unsigned int mode);

    // Lights (light n is 16384 + n) and materials (an OpenGL face code).
    static void guLightf32(unsigned int light, unsigned int parameter, float value);
    static void guLighti32(unsigned int light, unsigned int parameter, int value);
    static void guLightfv32(unsigned int light, unsigned int parameter, const float* values);
    static void guLightiv32(unsigned int light, unsigned int parameter, const int* values);
    static void guGetLightfv32(unsigned int light, unsigned int parameter, float* values);
    static void guGetLightiv32(unsigned int light, unsigned int parameter, int* values);
    static void guMaterialf32(unsigned int face, unsigned int parameter, float value);
    static void guMateriali32(unsigned int face, unsigned int parameter, int value);
    static void guMaterialfv32(unsigned int face, unsigned int parameter, const float* values);
    static void guMaterialiv32(unsigned int face, unsigned int parameter, const int* values);
    static void guGetMaterialfv32(unsigned int face, unsigned int parameter, float* values);
    static void guGetMaterialiv32(unsigned int face, unsigned int parameter, int* values);

    // Textures. The mode is GL_RGB, GL_RGBA, GL_LUMINANCE or
    // GL_LUMINANCE_ALPHA, both as internal format and as the layout of data:
    // rows of unsigned bytes, tightly packed. A null data allocates the image
    // without pixels. A mipmap filter also builds the mipmaps when GLEW is
    // running (see GU_GLSL::guShaderInit); without it the texture is made
    // without them. The texture is left unbound.
    static unsigned int guAllocTexture2D(unsigned int width, unsigned int height, unsigned int mode,
                                         unsigned int filter, void* data);
    static bool guDrawToTexture(unsigned int id, unsigned int width, unsigned int height,
                                unsigned int mode, unsigned int filter, void* data);
    static void guDeleteTexture(unsigned int id);
    static void guUseTexture(unsigned int target, unsigned int id);
    static void guUseTexture1D(unsigned int id);
    static void guUseTexture2D(unsigned int id);
    static void guUseTexture3D(unsigned int id);

private:
    // The mode last selected through guUseMatrix; 0 before the first.
    static unsigned int matrixMode;

    static void fillTexture(unsigned int width, unsigned int height, unsigned int mode,
                            unsigned int filter, void* data);
};

} // namespace zelk

#endif
