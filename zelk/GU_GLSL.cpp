#include <GL/glew.h>

#include "zelk/GU_GLSL.h"

#include <climits>

namespace zelk {

bool GU_GLSL::initiate = false;

namespace {

// True when GLEW is running and has loaded the entry point.
template <typename Entry> bool ready(Entry entry) {
    return GU_GLSL::guShaderInitiate() && entry != nullptr;
}

} // namespace

// Start-up and queries.

unsigned int GU_GLSL::guShaderInit() {
    if (initiate) {
        return 0;
    }
    GLenum status = glewInit();
    if (status == GLEW_OK) {
        initiate = true;
    }
    return status;
}

bool GU_GLSL::guShaderInitiate() {
    return initiate;
}

bool GU_GLSL::guStartShader(int kind) {
    const char* extension = nullptr;
    switch (kind) {
    case 11:
        extension = "GL_ARB_fragment_program";
        break;
    case 12:
        extension = "GL_ARB_vertex_program";
        break;
    case 13:
        extension = "GL_ARB_geometry_program";
        break;
    default:
        return false;
    }
    return initiate && glewGetExtension(extension) != GL_FALSE;
}

const unsigned char* GU_GLSL::guGetErrorString(int error) {
    return glewGetErrorString(error);
}

const unsigned char* GU_GLSL::glewGetString(int name) {
    return ::glewGetString(name);
}

// Shaders and programs.

unsigned int GU_GLSL::guCreateShader(unsigned int type) {
    return ready(glCreateShader) ? glCreateShader(type) : 0;
}

void GU_GLSL::guDeleteShader(unsigned int shader) {
    if (ready(glDeleteShader)) {
        glDeleteShader(shader);
    }
}

bool GU_GLSL::guShaderSource(unsigned int shader, unsigned char* source, unsigned int length) {
    // OpenGL takes the length as a signed int and reads a negative one up to
    // a terminator, which this source need not have.
    if (shader == 0 || source == nullptr || length == 0 || length > INT_MAX ||
        !ready(glShaderSource)) {
        return false;
    }
    const GLchar* text = reinterpret_cast<const GLchar*>(source);
    GLint size = static_cast<GLint>(length);
    glShaderSource(shader, 1, &text, &size);
    return true;
}

void GU_GLSL::guCompileShader(unsigned int shader) {
    if (ready(glCompileShader)) {
        glCompileShader(shader);
    }
}

void GU_GLSL::guGetShaderiv(unsigned int shader, unsigned int parameter, int* value) {
    if (ready(glGetShaderiv)) {
        glGetShaderiv(shader, parameter, value);
    } else if (value != nullptr) {
        *value = 0;
    }
}

void GU_GLSL::guGetProgramiv(unsigned int program, unsigned int parameter, int* value) {
    if (ready(glGetProgramiv)) {
        glGetProgramiv(program, parameter, value);
    } else if (value != nullptr) {
        *value = 0;
    }
}

namespace {

// What an info log query answers without GLEW: an empty log.
void emptyLog(int capacity, int* length, char* log) {
    if (length != nullptr) {
        *length = 0;
    }
    if (log != nullptr && capacity > 0) {
        log[0] = '\0';
    }
}

} // namespace

void GU_GLSL::guGetShaderInfoLog(unsigned int shader, int capacity, int* length, char* log) {
    if (ready(glGetShaderInfoLog)) {
        glGetShaderInfoLog(shader, capacity, length, log);
    } else {
        emptyLog(capacity, length, log);
    }
}

void GU_GLSL::guGetProgramInfoLog(unsigned int program, int capacity, int* length, char* log) {
    if (ready(glGetProgramInfoLog)) {
        glGetProgramInfoLog(program, capacity, length, log);
    } else {
        emptyLog(capacity, length, log);
    }
}

unsigned int GU_GLSL::guCreateProgram() {
    return ready(glCreateProgram) ? glCreateProgram() : 0;
}

bool GU_GLSL::guProgramUseShader(unsigned int program, unsigned int shader) {
    if (!ready(glAttachShader)) {
        return false;
    }
    glAttachShader(program, shader);
    return true;
}

void GU_GLSL::guProgramRemoveShader(unsigned int program, unsigned int shader) {
    if (ready(glDetachShader)) {
        glDetachShader(program, shader);
    }
}

void GU_GLSL::guDeleteProgram(unsigned int program) {
    if (ready(glDeleteProgram)) {
        glDeleteProgram(program);
    }
}

void GU_GLSL::guLinkProgram(unsigned int program) {
    if (ready(glLinkProgram)) {
        glLinkProgram(program);
    }
}

void GU_GLSL::guUseProgram(unsigned int program) {
    if (ready(glUseProgram)) {
        glUseProgram(program);
    }
}

int GU_GLSL::guGetDataLocation(unsigned int program, const char* name) {
    if (name == nullptr || !ready(glGetUniformLocation)) {
        return -1;
    }
    return glGetUniformLocation(program, name);
}

int GU_GLSL::guGetDataLocation(unsigned int program, char* name) {
    return guGetDataLocation(program, const_cast<const char*>(name));
}

int GU_GLSL::guGetVertexDataLocation(unsigned int program, const char* name) {
    if (name == nullptr || !ready(glGetAttribLocation)) {
        return -1;
    }
    return glGetAttribLocation(program, name);
}

int GU_GLSL::guGetVertexDataLocation(unsigned int program, char* name) {
    return guGetVertexDataLocation(program, const_cast<const char*>(name));
}

// Uniform values.

void GU_GLSL::guData1i32(int location, int x) {
    if (ready(glUniform1i)) {
        glUniform1i(location, x);
    }
}

void GU_GLSL::guData2i32(int location, vec2i32 value) {
    guData2i32(location, value.x, value.y);
}

void GU_GLSL::guData2i32(int location, int x, int y) {
    if (ready(glUniform2i)) {
        glUniform2i(location, x, y);
    }
}

void GU_GLSL::guData3i32(int location, vec3i32 value) {
    guData3i32(location, value.x, value.y, value.z);
}

void GU_GLSL::guData3i32(int location, int x, int y, int z) {
    if (ready(glUniform3i)) {
        glUniform3i(location, x, y, z);
    }
}

void GU_GLSL::guData4i32(int location, vec4i32 value) {
    guData4i32(location, value.x, value.y, value.z, value.w);
}

void GU_GLSL::guData4i32(int location, int x, int y, int z, int w) {
    if (ready(glUniform4i)) {
        glUniform4i(location, x, y, z, w);
    }
}

void GU_GLSL::guData1f32(int location, float x) {
    if (ready(glUniform1f)) {
        glUniform1f(location, x);
    }
}

void GU_GLSL::guData2f32(int location, vec2f32 value) {
    guData2f32(location, value.x, value.y);
}

void GU_GLSL::guData2f32(int location, float x, float y) {
    if (ready(glUniform2f)) {
        glUniform2f(location, x, y);
    }
}

void GU_GLSL::guData3f32(int location, vec3f32 value) {
    guData3f32(location, value.x, value.y, value.z);
}

void GU_GLSL::guData3f32(int location, float x, float y, float z) {
    if (ready(glUniform3f)) {
        glUniform3f(location, x, y, z);
    }
}

void GU_GLSL::guData4f32(int location, vec4f32 value) {
    guData4f32(location, value.x, value.y, value.z, value.w);
}

void GU_GLSL::guData4f32(int location, float x, float y, float z, float w) {
    if (ready(glUniform4f)) {
        glUniform4f(location, x, y, z, w);
    }
}

// Vertex attributes.

void GU_GLSL::guVertexData1f32(int index, float x) {
    if (ready(glVertexAttrib1f)) {
        glVertexAttrib1f(index, x);
    }
}

void GU_GLSL::guVertexData2f32(int index, vec2f32 value) {
    guVertexData2f32(index, value.x, value.y);
}

void GU_GLSL::guVertexData2f32(int index, float x, float y) {
    if (ready(glVertexAttrib2f)) {
        glVertexAttrib2f(index, x, y);
    }
}

void GU_GLSL::guVertexData3f32(int index, vec3f32 value) {
    guVertexData3f32(index, value.x, value.y, value.z);
}

void GU_GLSL::guVertexData3f32(int index, float x, float y, float z) {
    if (ready(glVertexAttrib3f)) {
        glVertexAttrib3f(index, x, y, z);
    }
}

void GU_GLSL::guVertexData4f32(int index, vec4f32 value) {
    guVertexData4f32(index, value.x, value.y, value.z, value.w);
}

void GU_GLSL::guVertexData4f32(int index, float x, float y, float z, float w) {
    if (ready(glVertexAttrib4f)) {
        glVertexAttrib4f(index, x, y, z, w);
    }
}

// Texture units and framebuffers.

void GU_GLSL::guActiveTexture(unsigned int unit) {
    if (ready(glActiveTextureARB)) {
        glActiveTextureARB(unit);
    }
}

unsigned int GU_GLSL::guAllocFrameBuffer(unsigned int target) {
    if (target != GL_FRAMEBUFFER && target != GL_DRAW_FRAMEBUFFER &&
        target != GL_READ_FRAMEBUFFER) {
        return 0;
    }
    if (!ready(glGenFramebuffers) || !ready(glBindFramebuffer)) {
        return 0;
    }
    GLuint name = 0;
    glGenFramebuffers(1, &name);
    if (name != 0) {
        glBindFramebuffer(target, name);
    }
    return name;
}

void GU_GLSL::guUseFrameBuffer(unsigned int target, unsigned int framebuffer) {
    if (ready(glBindFramebuffer)) {
        glBindFramebuffer(target, framebuffer);
    }
}

void GU_GLSL::guDeleteFrameBuffer(unsigned int framebuffer) {
    if (ready(glDeleteFramebuffers)) {
        glDeleteFramebuffers(1, &framebuffer);
    }
}

void GU_GLSL::guFrameBufferTexture(unsigned int target, unsigned int attachment,
                                   unsigned int texture, unsigned int level) {
    if (ready(glFramebufferTexture)) {
        glFramebufferTexture(target, attachment, texture, level);
    } else if (ready(glFramebufferTexture2D)) {
        // Contexts older than OpenGL 3.2 attach a 2D texture this way.
        glFramebufferTexture2D(target, attachment, GL_TEXTURE_2D, texture, level);
    }
}

bool GU_GLSL::guSetDrawBuffers(unsigned int count, const unsigned int* buffers) {
    if (count == 0 || buffers == nullptr || !ready(glDrawBuffers)) {
        return false;
    }
    glDrawBuffers(count, buffers);
    return true;
}

bool GU_GLSL::guSetDrawBuffer(unsigned int buffer) {
    return guSetDrawBuffers(1, &buffer);
}

unsigned int GU_GLSL::guCheckFramebufferStatus(unsigned int target) {
    return ready(glCheckFramebufferStatus) ? glCheckFramebufferStatus(target) : 0;
}

bool GU_GLSL::guCheckFrameBufferOK(unsigned int target) {
    return guCheckFramebufferStatus(target) == GL_FRAMEBUFFER_COMPLETE;
}

} // namespace zelk
