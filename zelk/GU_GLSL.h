#ifndef ZELK_GU_GLSL_H
#define ZELK_GU_GLSL_H

#include "zelk/TypeVec2.h"
#include "zelk/TypeVec3.h"
#include "zelk/TypeVec4.h"

namespace zelk {

// The companion of GU for what GLEW loads: its one-time start-up, extension
// checks, GLSL shaders and programs, uniforms, vertex attributes, texture
// units and framebuffer objects. OpenGL's enumeration values pass through
// unchanged.
//
// Every operation that goes through a GLEW entry point does nothing until
// guShaderInit has succeeded, nor when the context lacks that entry point; it
// then answers 0, false or -1.
class GU_GLSL {
public:
    GU_GLSL() {}
    ~GU_GLSL() {}

    // Starts GLEW on the current context once for the process and answers
    // GLEW's status, 0 when running; a failed start may be tried again.
    static unsigned int guShaderInit();
    static bool guShaderInitiate();
    // Kind 11 asks for fragment programs, 12 for vertex programs, 13 for
    // geometry programs.
    static bool guStartShader(int kind);
    static const unsigned char* guGetErrorString(int error);
    static const unsigned char* glewGetString(int name);

    // Shaders and programs.
    static unsigned int guCreateShader(unsigned int type);
    static void guDeleteShader(unsigned int shader);
    // Sends one source of exactly length bytes; no terminator needed.
    static bool guShaderSource(unsigned int shader, unsigned char* source, unsigned int length);
    static void guCompileShader(unsigned int shader);
    static void guGetShaderiv(unsigned int shader, unsigned int parameter, int* value);
    static void guGetProgramiv(unsigned int program, unsigned int parameter, int* value);
    static void guGetShaderInfoLog(unsigned int shader, int capacity, int* length, char* log);
    static void guGetProgramInfoLog(unsigned int program, int capacity, int* length, char* log);
    static unsigned int guCreateProgram();
    static bool guProgramUseShader(unsigned int program, unsigned int shader);
    static void guProgramRemoveShader(unsigned int program, unsigned int shader);
    static void guDeleteProgram(unsigned int program);
    static void guLinkProgram(unsigned int program);
    static void guUseProgram(unsigned int program);
    static int guGetDataLocation(unsigned int program, const char* name);
    static int guGetDataLocation(unsigned int program, char* name);
    static int guGetVertexDataLocation(unsigned int program, const char* name);
    static int guGetVertexDataLocation(unsigned int program, char* name);

    // Uniform values at a location.
    static void guData1i32(int location, int x);
    static void guData2i32(int location, vec2i32 value);
    static void guData2i32(int location, int x, int y);
    static void guData3i32(int location, vec3i32 value);
    static void guData3i32(int location, int x, int y, int z);
    static void guData4i32(int location, vec4i32 value);
    static void guData4i32(int location, int x, int y, int z, int w);
    static void guData1f32(int location, float x);
    static void guData2f32(int location, vec2f32 value);
    static void guData2f32(int location, float x, float y);
    static void guData3f32(int location, vec3f32 value);
    static void guData3f32(int location, float x, float y, float z);
    static void guData4f32(int location, vec4f32 value);
    static void guData4f32(int location, float x, float y, float z, float w);

    // Vertex attributes at an index.
    static void guVertexData1f32(int index, float x);
    static void guVertexData2f32(int index, vec2f32 value);
    static void guVertexData2f32(int index, float x, float y);
    static void guVertexData3f32(int index, vec3f32 value);
    static void guVertexData3f32(int index, float x, float y, float z);
    static void guVertexData4f32(int index, vec4f32 value);
    static void guVertexData4f32(int index, float x, float y, float z, float w);

    // Texture units (unit k is GL_TEXTURE0 + k) and framebuffers.
    static void guActiveTexture(unsigned int unit);
    // Accepts GL_FRAMEBUFFER, GL_DRAW_FRAMEBUFFER and GL_READ_FRAMEBUFFER;
    // leaves the new framebuffer bound there.
    static unsigned int guAllocFrameBuffer(unsigned int target);
    static void guUseFrameBuffer(unsigned int target, unsigned int framebuffer);
    static void guDeleteFrameBuffer(unsigned int framebuffer);
    static void guFrameBufferTexture(unsigned int target, unsigned int attachment,
                                     unsigned int texture, unsigned int level);
    static bool guSetDrawBuffers(unsigned int count, const unsigned int* buffers);
    static bool guSetDrawBuffer(unsigned int buffer);
    static unsigned int guCheckFramebufferStatus(unsigned int target);
    static bool guCheckFrameBufferOK(unsigned int target);

private:
    // Set by the first successful start of GLEW; never cleared.
    static bool initiate;
};

} // namespace zelk

#endif
