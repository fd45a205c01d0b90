#ifndef ZELK_SHD_SHADER_H
#define ZELK_SHD_SHADER_H

#include "zelk/ObjectNameTree.h"
#include "zelk/ObjectWithName.h"
#include "zelk/TypeVars.h"

namespace zelk {
namespace shd {

// One compiled GLSL shader, named after the file it was loaded from or the
// name given with its source in memory. It is shared through shaderTree by
// the program links that use it: the last one to let it go deletes it.
class Shader : public ObjectWithName {
public:
    Shader();
    ~Shader() override;

    // Kinds: 1 vertex (a name ending in ".vert"), 2 fragment (".frag"), 0
    // anything else, compared byte for byte.
    static uint8 readType(const char* fileName);

    // Names the shader after the file and compiles the whole file as a shader
    // of the kind its name tells.
    bool loadShaderFromFile(char* fileName);
    bool loadShaderFromFile(const char* fileName);
    // Compiles size bytes of source text as a shader of the kind, in place of
    // the shader held before; a failed compile leaves no shader object.
    bool loadShaderFromMemory(uint8* source, uint32 size, uint8 kind);
    // True when the shader compiled; otherwise its log is fetched and printed.
    bool checkCompilationStatus(unsigned int id);

    bool haveShader() const { return id != 0; }
    uint32 getShaderID() const { return id; }
    // The kind of the last successful compile, 0 before one.
    uint8 getShaderType() const { return type; }
    char* getCompileLog() { return log; }

    void deleteShader();
    void deleteLog();

private:
    uint32 id;
    uint8 type;
    char* log;
};

// The compiled shaders of the process, by name.
extern ObjectNameTree shaderTree;

} // namespace shd
} // namespace zelk

#endif
