#ifndef ZELK_SHD_GLSL_H
#define ZELK_SHD_GLSL_H

#include "zelk/TypeVars.h"
#include "zelk/shd/DataList.h"
#include "zelk/shd/Shader.h"
#include "zelk/vector/BinaryTree.h"
#include "zelk/vector/Name.h"
#include "zelk/vector/NameTree.h"

namespace zelk {
namespace shd {

// One GLSL program: its uniforms, the OpenGL program object and the links to
// the shared compiled shaders attached to it. Shaders may be loaded before or
// after createProgram; linking happens only there.
class GLSL : public DataList {
public:
    // A program's use of one shared compiled shader, named after it. While it
    // holds the shader it is one of the shader's registered holders.
    class shaderLink : public vector::Name {
    public:
        shaderLink();
        explicit shaderLink(char* name);
        ~shaderLink() override;

        // Points the link at the compiled shader of that file, compiling it
        // only when shaderTree does not hold it yet.
        bool loadFileShader(char* fileName);
        // The same for a source in memory known under the name.
        bool loadMemoryShader(char* name, uint8* source, uint32 size, uint8 type);
        // Gives the shader back; the last link to do so deletes it.
        void deleteShader();

        // The shader held, null when none.
        Shader* getShader() { return static_cast<Shader*>(holder); }

        // The OpenGL name of the shader held, 0 when none.
        uint32 id;
        // The link's key in its TreeShader.
        float position;
        bool attached;

    private:
        // Gives back what the link held, then holds the shader stored under
        // the name, or the one that load compiles on a new shader.
        template <typename Load> bool loadShader(char* name, Load load);
        // Holds the shader that shaderTree stores under that name.
        bool shareShader(Shader* stored);
        // Stores a new shader with the link as its first holder; a shader that
        // did not load, or cannot be stored, is deleted.
        bool keepShader(Shader* shader, bool loaded);

        // The holder variable registered with the shared shader.
        ObjectWithName* holder;
    };

    // A program's links in the order they were added, and by name in names.
    // It deletes the links names still holds when it dies.
    class TreeShader : public vector::BinaryTree<shaderLink*> {
    public:
        TreeShader();
        ~TreeShader() override;

        // False for a null link or a name held already.
        bool addShader(shaderLink* link);
        // Takes the link out of both trees without deleting it.
        bool removeShader(shaderLink* link);
        shaderLink* getShaderByName(char* name);
        // Empties both trees without deleting the links.
        void cleanShaders();

        bool firstBiggerSecond(shaderLink* first, shaderLink* second) override;
        bool firstEqualSecond(shaderLink* first, shaderLink* second) override;

        vector::NameTree names;
        float nextPosition;
    };

    GLSL();
    ~GLSL() override;

    // Starts GLEW and the GLSL layer once for the process.
    static bool start();
    static bool usingGLSL() { return libStarted; }
    static bool usingFragment() { return fragmentLoaded; }
    static bool usingVertex() { return vertexLoaded; }
    static bool usingGeometry() { return geometryLoaded; }

    // Adds the shader of the file, or of the source in memory known under the
    // name, attaching it at once when the program exists.
    bool loadShaderFromFile(char* fileName);
    bool loadShaderFromFile(const char* fileName);
    bool loadShaderFromMemory(char* name, uint8* source, uint32 size, uint8 type);
    bool loadShaderFromMemory(const char* name, uint8* source, uint32 size, uint8 type);

    // Creates the program named name from the loaded shaders and links it;
    // false when it does not link, and the program stays for its log.
    bool createProgram(char* name);
    bool createProgram(const char* name);
    void deleteProgram();
    void deleteShaders();
    void deleteLog();
    // True when the program linked; otherwise its log is fetched and printed.
    bool checkCompilationStatus(unsigned int program);

    // Creates the uniform only when the program declares it, with its location.
    using DataList::newData;
    bool newData(char* name) override;

    void useThisShader();
    void dontUseThisShader();
    static void useNoShader();

    bool haveProgram() const { return program != 0; }
    uint32 getProgramID() const { return program; }
    char* getLinkLog() { return log; }

protected:
    // Keeps a link of the name unless one holds its shader already: a new
    // link is loaded, attached when the program exists and kept; one that
    // does not load or cannot be kept is deleted.
    template <typename Load> bool addLink(char* name, Load load);

    uint32 program;
    char* log;
    TreeShader shaders;

private:
    static bool libStarted;
    static bool fragmentLoaded;
    static bool vertexLoaded;
    static bool geometryLoaded;
};

} // namespace shd
} // namespace zelk

#endif
