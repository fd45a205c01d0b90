#include "zelk/shd/GLSL.h"

#include "zelk/GU_GLSL.h"
#include "zelk/String.h"
#include "zelk/shd/InfoLog.h"

#include <vector>

namespace zelk {
namespace shd {

bool GLSL::libStarted = false;
bool GLSL::fragmentLoaded = false;
bool GLSL::vertexLoaded = false;
bool GLSL::geometryLoaded = false;

namespace {

const unsigned int linkStatus = 0x8B82;

// The compiled shader that shaderTree stores under the name, or null.
Shader* storedShader(const char* name) {
    Shader probe;
    if (!probe.setName(name)) {
        return nullptr;
    }
    return static_cast<Shader*>(shaderTree.getElement(&probe));
}

} // namespace

// Links.

GLSL::shaderLink::shaderLink() : id(0), position(0), attached(false), holder(nullptr) {}

GLSL::shaderLink::shaderLink(char* name) : shaderLink() {
    setName(name);
}

GLSL::shaderLink::~shaderLink() {
    deleteShader();
}

bool GLSL::shaderLink::loadFileShader(char* fileName) {
    return loadShader(fileName,
                      [&](Shader& shader) { return shader.loadShaderFromFile(fileName); });
}

bool GLSL::shaderLink::loadMemoryShader(char* name, uint8* source, uint32 size, uint8 type) {
    return loadShader(name, [&](Shader& shader) {
        return shader.setName(name) && shader.getName() &&
               shader.loadShaderFromMemory(source, size, type);
    });
}

template <typename Load> bool GLSL::shaderLink::loadShader(char* name, Load load) {
    deleteShader();
    if (!name) {
        return false;
    }
    if (Shader* stored = storedShader(name)) {
        return shareShader(stored);
    }
    Shader* shader = new Shader();
    return keepShader(shader, load(*shader));
}

bool GLSL::shaderLink::shareShader(Shader* stored) {
    if (!stored->getName() || !stored->haveShader() || !setName(stored->getName())) {
        return false;
    }
    if (!stored->retainObject(&holder)) {
        cleanName();
        return false;
    }
    id = stored->getShaderID();
    return true;
}

bool GLSL::shaderLink::keepShader(Shader* shader, bool loaded) {
    if (!loaded || !shader->haveShader() || !setName(shader->getName())) {
        delete shader;
        return false;
    }
    if (!shaderTree.addElement(shader, &holder)) {
        cleanName();
        delete shader;
        return false;
    }
    id = shader->getShaderID();
    return true;
}

void GLSL::shaderLink::deleteShader() {
    if (id == 0) {
        return;
    }
    if (holder) {
        shaderTree.releaseElement(holder, &holder);
    }
    cleanName();
    id = 0;
}

// The tree of links.

GLSL::TreeShader::TreeShader() : nextPosition(0) {}

GLSL::TreeShader::~TreeShader() {}

bool GLSL::TreeShader::addShader(shaderLink* link) {
    if (!link || names.haveElement(link)) {
        return false;
    }
    link->position = nextPosition;
    if (!add(link)) {
        return false;
    }
    if (!names.add(link)) {
        remove(link);
        return false;
    }
    nextPosition += 0.1f;
    return true;
}

bool GLSL::TreeShader::removeShader(shaderLink* link) {
    if (!link || names.getElement(link) != link) {
        return false;
    }
    remove(link);
    names.remove(link);
    return true;
}

GLSL::shaderLink* GLSL::TreeShader::getShaderByName(char* name) {
    return static_cast<shaderLink*>(names.getElementByName(name));
}

void GLSL::TreeShader::cleanShaders() {
    names.clean();
    clean();
}

bool GLSL::TreeShader::firstBiggerSecond(shaderLink* first, shaderLink* second) {
    return first && second && first->position > second->position;
}

bool GLSL::TreeShader::firstEqualSecond(shaderLink* first, shaderLink* second) {
    return first && second && first->position == second->position;
}

// The program.

GLSL::GLSL() : program(0), log(nullptr) {}

GLSL::~GLSL() {
    deleteProgram();
    deleteShaders();
}

bool GLSL::start() {
    if (libStarted) {
        return true;
    }
    if (GU_GLSL::guShaderInit() != 0 || !GU_GLSL::guStartShader(11) ||
        !GU_GLSL::guStartShader(12)) {
        return false;
    }
    libStarted = true;
    fragmentLoaded = true;
    vertexLoaded = true;
    geometryLoaded = GU_GLSL::guStartShader(13);
    return true;
}

bool GLSL::loadShaderFromFile(char* fileName) {
    return addLink(fileName, [&](shaderLink& link) { return link.loadFileShader(fileName); });
}

bool GLSL::loadShaderFromFile(const char* fileName) {
    return loadShaderFromFile(const_cast<char*>(fileName));
}

bool GLSL::loadShaderFromMemory(char* name, uint8* source, uint32 size, uint8 type) {
    if (!name || !source || size == 0) {
        return false;
    }
    return addLink(
        name, [&](shaderLink& link) { return link.loadMemoryShader(name, source, size, type); });
}

bool GLSL::loadShaderFromMemory(const char* name, uint8* source, uint32 size, uint8 type) {
    return loadShaderFromMemory(const_cast<char*>(name), source, size, type);
}

template <typename Load> bool GLSL::addLink(char* name, Load load) {
    if (!libStarted) {
        return false;
    }
    shaderLink* loaded = shaders.getShaderByName(name);
    if (loaded && loaded->id != 0) {
        return true;
    }
    shaderLink* link = new shaderLink();
    if (!load(*link)) {
        delete link;
        return false;
    }
    if (program != 0) {
        link->attached = GU_GLSL::guProgramUseShader(program, link->id);
    }
    if (!shaders.addShader(link)) {
        if (link->attached) {
            GU_GLSL::guProgramRemoveShader(program, link->id);
        }
        delete link;
        return false;
    }
    return true;
}

bool GLSL::createProgram(char* name) {
    // The name may be this program's own, which deleteProgram releases.
    char* ownName = name != nullptr && name == getName() ? String::strCopy(name) : nullptr;
    deleteProgram();
    bool named = libStarted && setName(ownName != nullptr ? ownName : name);
    delete[] ownName;
    if (!named) {
        return false;
    }
    program = GU_GLSL::guCreateProgram();
    if (program == 0) {
        return false;
    }
    unsigned int position = 0;
    while (position < shaders.size()) {
        shaderLink* link = shaders.getElementInPosition(position);
        if (link->id != 0) {
            link->attached = GU_GLSL::guProgramUseShader(program, link->id);
            position++;
        } else {
            shaders.removeShader(link);
            delete link;
        }
    }
    GU_GLSL::guLinkProgram(program);
    return checkCompilationStatus(program);
}

bool GLSL::createProgram(const char* name) {
    return createProgram(const_cast<char*>(name));
}

void GLSL::deleteProgram() {
    if (libStarted && program != 0) {
        for (unsigned int position = 0; position < shaders.size(); position++) {
            shaderLink* link = shaders.getElementInPosition(position);
            if (link->id != 0) {
                GU_GLSL::guProgramRemoveShader(program, link->id);
            }
            link->attached = false;
        }
        GU_GLSL::guDeleteProgram(program);
    }
    if (libStarted) {
        deleteName();
    }
    program = 0;
    deleteLog();
}

void GLSL::deleteShaders() {
    std::vector<shaderLink*> links;
    for (unsigned int position = 0; position < shaders.size(); position++) {
        links.push_back(shaders.getElementInPosition(position));
    }
    shaders.cleanShaders();
    for (shaderLink* link : links) {
        if (program != 0 && link->id != 0) {
            GU_GLSL::guProgramRemoveShader(program, link->id);
        }
        delete link;
    }
}

void GLSL::deleteLog() {
    delete[] log;
    log = nullptr;
}

bool GLSL::checkCompilationStatus(unsigned int object) {
    return checkObjectStatus(object, linkStatus, GU_GLSL::guGetProgramiv,
                             GU_GLSL::guGetProgramInfoLog, log);
}

bool GLSL::newData(char* name) {
    if (program == 0 || !DataList::newData(name)) {
        return false;
    }
    useThisShader();
    if (setDataID(name, GU_GLSL::guGetDataLocation(program, name))) {
        return true;
    }
    deleteData(name);
    return false;
}

void GLSL::useThisShader() {
    if (libStarted) {
        GU_GLSL::guUseProgram(program);
    }
}

void GLSL::dontUseThisShader() {
    useNoShader();
}

void GLSL::useNoShader() {
    if (libStarted) {
        GU_GLSL::guUseProgram(0);
    }
}

} // namespace shd
} // namespace zelk
