#include "zelk/shd/Shader.h"

#include "zelk/File.h"
#include "zelk/GU_GLSL.h"
#include "zelk/shd/InfoLog.h"

#include <cstring>

namespace zelk {
namespace shd {

ObjectNameTree shaderTree;

namespace {

const unsigned int vertexShader = 0x8B31;
const unsigned int fragmentShader = 0x8B30;
const unsigned int compileStatus = 0x8B81;

} // namespace

Shader::Shader() : id(0), type(0), log(nullptr) {}

Shader::~Shader() {
    deleteShader();
}

uint8 Shader::readType(const char* fileName) {
    if (!fileName) {
        return 0;
    }
    size_t length = std::strlen(fileName);
    if (length < 6) {
        return 0;
    }
    const char* suffix = fileName + length - 5;
    if (std::memcmp(suffix, ".vert", 5) == 0) {
        return 1;
    }
    if (std::memcmp(suffix, ".frag", 5) == 0) {
        return 2;
    }
    return 0;
}

bool Shader::loadShaderFromFile(char* fileName) {
    uint8 kind = readType(fileName);
    if (!setName(fileName)) {
        return false;
    }
    File file;
    if (!file.openBinFile(fileName)) {
        return false;
    }
    unsigned long long size = file.getFileSize();
    if (size == 0 || size > 0xFFFFFFFFull) {
        return false;
    }
    char* source = file.readBin(size);
    if (!source) {
        return false;
    }
    bool loaded =
        loadShaderFromMemory(reinterpret_cast<uint8*>(source), static_cast<uint32>(size), kind);
    delete[] source;
    file.closeFile();
    return loaded;
}

bool Shader::loadShaderFromFile(const char* fileName) {
    return loadShaderFromFile(const_cast<char*>(fileName));
}

bool Shader::loadShaderFromMemory(uint8* source, uint32 size, uint8 kind) {
    if (!source || size == 0) {
        return false;
    }
    deleteShader();
    if (kind == 1) {
        id = GU_GLSL::guCreateShader(vertexShader);
    } else if (kind == 2) {
        id = GU_GLSL::guCreateShader(fragmentShader);
    }
    if (id == 0) {
        return false;
    }
    if (GU_GLSL::guShaderSource(id, source, size)) {
        GU_GLSL::guCompileShader(id);
        if (checkCompilationStatus(id)) {
            type = kind;
            return true;
        }
    }
    deleteShader();
    return false;
}

bool Shader::checkCompilationStatus(unsigned int shader) {
    return checkObjectStatus(shader, compileStatus, GU_GLSL::guGetShaderiv,
                             GU_GLSL::guGetShaderInfoLog, log);
}

void Shader::deleteShader() {
    if (id != 0) {
        GU_GLSL::guDeleteShader(id);
    }
    id = 0;
    deleteLog();
}

void Shader::deleteLog() {
    delete[] log;
    log = nullptr;
}

} // namespace shd
} // namespace zelk
