#include <GL/glew.h>

#include "zelk/GU.h"
#include "zelk/GU_GLSL.h"

namespace zelk {

unsigned int GU::matrixMode = 0;

namespace {

bool isTextureMode(unsigned int mode) {
    return mode == GL_RGB || mode == GL_RGBA || mode == GL_LUMINANCE || mode == GL_LUMINANCE_ALPHA;
}

bool isMipmapFilter(unsigned int filter) {
    return filter >= GL_NEAREST_MIPMAP_NEAREST && filter <= GL_LINEAR_MIPMAP_LINEAR;
}

} // namespace

// Matrices and viewport.

void GU::guUseMatrix(unsigned int mode) {
    if (mode != 0 && mode != matrixMode) {
        glMatrixMode(mode);
        matrixMode = mode;
    }
}

bool GU::guUsingMatrix(unsigned int mode) {
    return mode == matrixMode;
}

void GU::guLoadIdentity() {
    glLoadIdentity();
}

void GU::guPushMatrix() {
    glPushMatrix();
}

void GU::guPopMatrix() {
    glPopMatrix();
}

void GU::guSetViewport(unsigned int x, unsigned int y, unsigned int width, unsigned int height) {
    glViewport(x, y, width, height);
}

void GU::guSetViewportRect(rectui32 rect) {
    glViewport(rect.origin.x, rect.origin.y, rect.size.width, rect.size.height);
}

void GU::guUseOrtho(float left, float right, float bottom, float top, float near, float far) {
    glOrtho(left, right, bottom, top, near, far);
}

// Transformations.

void GU::guRotate3f32(float angle, vec3f32 axis) {
    glRotatef(angle, axis.x, axis.y, axis.z);
}

void GU::guRotate3f32(float angle, float x, float y, float z) {
    glRotatef(angle, x, y, z);
}

void GU::guRotate3f64(double angle, vec3f64 axis) {
    glRotated(angle, axis.x, axis.y, axis.z);
}

void GU::guRotate3f64(double angle, double x, double y, double z) {
    glRotated(angle, x, y, z);
}

void GU::guRotateXf32(float angle) {
    guRotate3f32(angle, 1.f, 0.f, 0.f);
}

void GU::guRotateXf64(double angle) {
    guRotate3f64(angle, 1.0, 0.0, 0.0);
}

void GU::guRotateYf32(float angle) {
    guRotate3f32(angle, 0.f, 0.f, 1.f);
}

void GU::guRotateYf64(double angle) {
    guRotate3f64(angle, 0.0, 0.0, 1.0);
}

void GU::guRotateZf32(float angle) {
    guRotate3f32(angle, 0.f, 0.f, 1.f);
}

void GU::guRotateZf64(double angle) {
    guRotate3f64(angle, 0.0, 0.0, 1.0);
}

void GU::guScale3f32(size3f32 size) {
    glScalef(size.width, size.height, size.depth);
}

void GU::guScale3f32(float x, float y, float z) {
    glScalef(x, y, z);
}

void GU::guScale3f64(size3f64 size) {
    glScaled(size.width, size.height, size.depth);
}

void GU::guScale3f64(double x, double y, double z) {
    glScaled(x, y, z);
}

void GU::guScale2f32(size2f32 size) {
    glScalef(size.width, size.height, 1.f);
}

void GU::guScale2f32(float x, float y) {
    glScalef(x, y, 1.f);
}

void GU::guScale2f64(size2f64 size) {
    glScaled(size.width, size.height, 1.0);
}

void GU::guScale2f64(double x, double y) {
    glScaled(x, y, 1.0);
}

void GU::guScaleXf32(double x) {
    guScale3f32(static_cast<float>(x), 1.f, 1.f);
}

void GU::guScaleYf32(double y) {
    guScale3f32(1.f, static_cast<float>(y), 1.f);
}

void GU::guScaleZf32(double z) {
    guScale3f32(1.f, 1.f, static_cast<float>(z));
}

void GU::guScaleXf64(double x) {
    guScale3f64(x, 1.0, 1.0);
}

void GU::guScaleYf64(double y) {
    guScale3f64(1.0, y, 1.0);
}

void GU::guScaleZf64(double z) {
    guScale3f64(1.0, 1.0, z);
}

void GU::guTranslate3f32(vec3f32 position) {
    glTranslatef(position.x, position.y, position.z);
}

void GU::guTranslate3f32(float x, float y, float z) {
    glTranslatef(x, y, z);
}

void GU::guTranslate3f64(vec3f64 position) {
    glTranslated(position.x, position.y, position.z);
}

void GU::guTranslate3f64(double x, double y, double z) {
    glTranslated(x, y, z);
}

void GU::guTranslate2f32(vec2f32 position) {
    glTranslatef(position.x, position.y, 0.f);
}

void GU::guTranslate2f32(float x, float y) {
    glTranslatef(x, y, 0.f);
}

void GU::guTranslate2f64(vec2f64 position) {
    glTranslated(position.x, position.y, 0.0);
}

void GU::guTranslate2f64(double x, double y) {
    glTranslated(x, y, 0.0);
}

void GU::guTranslateXf32(float x) {
    guTranslate3f32(x, 0.f, 0.f);
}

void GU::guTranslateYf32(float y) {
    guTranslate3f32(0.f, y, 0.f);
}

void GU::guTranslateZf32(float z) {
    guTranslate3f32(0.f, 0.f, z);
}

void GU::guTranslateXf64(double x) {
    guTranslate3f64(x, 0.0, 0.0);
}

void GU::guTranslateYf64(double y) {
    guTranslate3f64(0.0, y, 0.0);
}

void GU::guTranslateZf64(double z) {
    guTranslate3f64(0.0, 0.0, z);
}

// Primitives and per-vertex state.

void GU::guBegin(unsigned int primitive) {
    glBegin(primitive);
}

void GU::guEnd() {
    glEnd();
}

void GU::guColor3f32(color3f32 color) {
    glColor3f(color.r, color.g, color.b);
}

void GU::guColor3f32(float r, float g, float b) {
    glColor3f(r, g, b);
}

void GU::guColor3f64(color3f64 color) {
    glColor3d(color.r, color.g, color.b);
}

void GU::guColor3f64(double r, double g, double b) {
    glColor3d(r, g, b);
}

void GU::guColor4f32(color4f32 color) {
    glColor4f(color.r, color.g, color.b, color.a);
}

void GU::guColor4f32(float r, float g, float b, float a) {
    glColor4f(r, g, b, a);
}

void GU::guColor4f64(color4f64 color) {
    glColor4d(color.r, color.g, color.b, color.a);
}

void GU::guColor4f64(double r, double g, double b, double a) {
    glColor4d(r, g, b, a);
}

void GU::guVertex2f32(vec2f32 vertex) {
    glVertex2f(vertex.x, vertex.y);
}

void GU::guVertex2f32(float x, float y) {
    glVertex2f(x, y);
}

void GU::guVertex3f32(vec3f32 vertex) {
    glVertex3f(vertex.x, vertex.y, vertex.z);
}

void GU::guVertex3f32(float x, float y, float z) {
    glVertex3f(x, y, z);
}

void GU::guVertex4f32(vec4f32 vertex) {
    glVertex4f(vertex.x, vertex.y, vertex.z, vertex.w);
}

void GU::guVertex4f32(float x, float y, float z, float w) {
    glVertex4f(x, y, z, w);
}

void GU::guVertex2f64(vec2f64 vertex) {
    glVertex2d(vertex.x, vertex.y);
}

void GU::guVertex2f64(double x, double y) {
    glVertex2d(x, y);
}

void GU::guVertex3f64(vec3f64 vertex) {
    glVertex3d(vertex.x, vertex.y, vertex.z);
}

void GU::guVertex3f64(double x, double y, double z) {
    glVertex3d(x, y, z);
}

void GU::guVertex4f64(vec4f64 vertex) {
    glVertex4d(vertex.x, vertex.y, vertex.z, vertex.w);
}

void GU::guVertex4f64(double x, double y, double z, double w) {
    glVertex4d(x, y, z, w);
}

void GU::guVertexNormal3f32(vec3f32 normal) {
    glNormal3f(normal.x, normal.y, normal.z);
}

void GU::guVertexNormal3f32(float x, float y, float z) {
    glNormal3f(x, y, z);
}

void GU::guVertexNormal3f64(vec3f64 normal) {
    glNormal3d(normal.x, normal.y, normal.z);
}

void GU::guVertexNormal3f64(double x, double y, double z) {
    glNormal3d(x, y, z);
}

void GU::guVertexTex1f32(float s) {
    glTexCoord1f(s);
}

void GU::guVertexTex1f64(double s) {
    glTexCoord1d(s);
}

void GU::guVertexTex2f32(vec2f32 coord) {
    glTexCoord2f(coord.x, coord.y);
}

void GU::guVertexTex2f32(float s, float t) {
    glTexCoord2f(s, t);
}

void GU::guVertexTex3f32(vec3f32 coord) {
    glTexCoord3f(coord.x, coord.y, coord.z);
}

void GU::guVertexTex3f32(float s, float t, float r) {
    glTexCoord3f(s, t, r);
}

void GU::guVertexTex4f32(vec4f32 coord) {
    glTexCoord4f(coord.x, coord.y, coord.z, coord.w);
}

void GU::guVertexTex4f32(float s, float t, float r, float q) {
    glTexCoord4f(s, t, r, q);
}

void GU::guVertexTex2f64(vec2f64 coord) {
    glTexCoord2d(coord.x, coord.y);
}

void GU::guVertexTex2f64(double s, double t) {
    glTexCoord2d(s, t);
}

void GU::guVertexTex3f64(vec3f64 coord) {
    glTexCoord3d(coord.x, coord.y, coord.z);
}

void GU::guVertexTex3f64(double s, double t, double r) {
    glTexCoord3d(s, t, r);
}

void GU::guVertexTex4f64(vec4f64 coord) {
    glTexCoord4d(coord.x, coord.y, coord.z, coord.w);
}

void GU::guVertexTex4f64(double s, double t, double r, double q) {
    glTexCoord4d(s, t, r, q);
}

void GU::guPointSize(float size) {
    glPointSize(size);
}

void GU::guLineWidth(float width) {
    glLineWidth(width);
}

// State switches.

void GU::guEnable(unsigned int capability) {
    glEnable(capability);
}

void GU::guDisable(unsigned int capability) {
    glDisable(capability);
}

void GU::guBlendFunc(unsigned int source, unsigned int destination) {
    glBlendFunc(source, destination);
}

void GU::guShadeModel(unsigned int mode) {
    glShadeModel(mode);
}

void GU::guColorMaterial(unsigned int face, unsigned int mode) {
    glColorMaterial(face, mode);
}

// Lights and materials.

void GU::guLightf32(unsigned int light, unsigned int parameter, float value) {
    glLightf(light, parameter, value);
}

void GU::guLighti32(unsigned int light, unsigned int parameter, int value) {
    glLighti(light, parameter, value);
}

void GU::guLightfv32(unsigned int light, unsigned int parameter, const float* values) {
    glLightfv(light, parameter, values);
}

void GU::guLightiv32(unsigned int light, unsigned int parameter, const int* values) {
    glLightiv(light, parameter, values);
}

void GU::guGetLightfv32(unsigned int light, unsigned int parameter, float* values) {
    glGetLightfv(light, parameter, values);
}

void GU::guGetLightiv32(unsigned int light, unsigned int parameter, int* values) {
    glGetLightiv(light, parameter, values);
}

void GU::guMaterialf32(unsigned int face, unsigned int parameter, float value) {
    glMaterialf(face, parameter, value);
}

void GU::guMateriali32(unsigned int face, unsigned int parameter, int value) {
    glMateriali(face, parameter, value);
}

void GU::guMaterialfv32(unsigned int face, unsigned int parameter, const float* values) {
    glMaterialfv(face, parameter, values);
}

void GU::guMaterialiv32(unsigned int face, unsigned int parameter, const int* values) {
    glMaterialiv(face, parameter, values);
}

void GU::guGetMaterialfv32(unsigned int face, unsigned int parameter, float* values) {
    glGetMaterialfv(face, parameter, values);
}

void GU::guGetMaterialiv32(unsigned int face, unsigned int parameter, int* values) {
    glGetMaterialiv(face, parameter, values);
}

// Textures.

unsigned int GU::guAllocTexture2D(unsigned int width, unsigned int height, unsigned int mode,
                                  unsigned int filter, void* data) {
    if (!isTextureMode(mode)) {
        return 0;
    }
    // Without a current context OpenGL writes nothing here.
    GLuint name = 0;
    glGenTextures(1, &name);
    if (name == 0) {
        return 0;
    }
    glBindTexture(GL_TEXTURE_2D, name);
    fillTexture(width, height, mode, filter, data);
    return name;
}

bool GU::guDrawToTexture(unsigned int id, unsigned int width, unsigned int height,
                         unsigned int mode, unsigned int filter, void* data) {
    if (!isTextureMode(mode) || id == 0) {
        return false;
    }
    glBindTexture(GL_TEXTURE_2D, id);
    fillTexture(width, height, mode, filter, data);
    return true;
}

// Uploads the image into the bound texture, sets its filters, builds the
// mipmaps a mipmap filter asks for and unbinds it.
void GU::fillTexture(unsigned int width, unsigned int height, unsigned int mode,
                     unsigned int filter, void* data) {
    // The caller's rows have no padding: read them byte-aligned, so that an
    // RGB or luminance row of any width neither skews nor reads past data.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, mode, width, height, 0, mode, GL_UNSIGNED_BYTE, data);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);

    if (!isMipmapFilter(filter)) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    if (isMipmapFilter(filter) && GU_GLSL::guShaderInitiate() && glGenerateMipmap != nullptr) {
        glGenerateMipmap(GL_TEXTURE_2D);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

void GU::guDeleteTexture(unsigned int id) {
    glDeleteTextures(1, &id);
}

void GU::guUseTexture(unsigned int target, unsigned int id) {
    glBindTexture(target, id);
}

void GU::guUseTexture1D(unsigned int id) {
    glBindTexture(GL_TEXTURE_1D, id);
}

void GU::guUseTexture2D(unsigned int id) {
    glBindTexture(GL_TEXTURE_2D, id);
}

void GU::guUseTexture3D(unsigned int id) {
    glBindTexture(GL_TEXTURE_3D, id);
}

} // namespace zelk
