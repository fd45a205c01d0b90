#include "FuzzInput.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace zelk {
namespace fuzz {

std::string textOf(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    return text.substr(0, text.find('\0'));
}

InputDocument::InputDocument(const uint8_t* data, size_t size) : xml(textOf(data, size).c_str()) {
    xml.selectRoot();
}

namespace {

std::string inputPath;

void removeInputFile() {
    std::remove(inputPath.c_str());
}

} // namespace

std::string inputFile(const uint8_t* data, size_t size, const char* extension) {
    if (inputPath.empty()) {
        const char* folder = std::getenv("TMPDIR");
        inputPath = std::string(folder && *folder ? folder : "/tmp") + "/zelk-fuzz-" +
                    std::to_string(getpid()) + extension;
        std::atexit(removeInputFile);
    }
    const std::string& path = inputPath;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return path;
}

OutputDocument::OutputDocument() : xml("<root/>") {
    xml.selectRoot();
}

} // namespace fuzz
} // namespace zelk
