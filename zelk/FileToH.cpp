#include "zelk/FileToH.h"

#include "zelk/File.h"
#include "zelk/String.h"

#include <climits>
#include <cstring>

namespace zelk {

namespace {

// The words that differ between the plain and the engine form. The engine
// form's header has one line more: the include line, before the empty line
// that precedes the declarations.
struct Types {
    const char* include;
    const char* size;
    const char* name;
    const char* bytes;
};

const Types plainTypes = {"", "unsigned int ", "char ", "unsigned char "};
const Types zelkTypes = {"#include \"zelk/TypeVars.h\"\n", "zelk::uint32 ", "zelk::char8 ",
                         "zelk::uchar8 "};

// Measures the input; 0 when it cannot be opened, is empty or is too large
// for an array size.
unsigned int inputSize(const char* path) {
    File input;
    if (!input.openBinFile(path))
        return 0;
    unsigned long long size = input.getFileSize();
    return size > UINT_MAX ? 0 : static_cast<unsigned int>(size);
}

// Writes the file's text, then flushes; true when every write succeeded.
bool writeHeader(File& out, const char* base, unsigned int nameSize, unsigned int size,
                 const Types& types) {
    bool written = out.writeText("#ifndef ") && out.writeText(base) && out.writeText("_H\n") &&
                   out.writeText("#define ") && out.writeText(base) && out.writeText("_H\n\n") &&
                   out.writeText(types.include) && out.writeText("\n") &&
                   out.writeText(types.size) && out.writeText(base) && out.writeText("Size;\n") &&
                   out.writeText(types.name) && out.writeText(base) && out.writeText("Name[") &&
                   out.writeText(nameSize) && out.writeText("];\n") && out.writeText(types.bytes) &&
                   out.writeText(base) && out.writeText("[") && out.writeText(size) &&
                   out.writeText("];\n\n#endif");
    return out.flush() && written;
}

// The path inside a C string literal: quotes and backslashes escaped.
bool writeQuoted(File& out, const char* path) {
    bool written = true;
    for (const char* c = path; *c && written; ++c) {
        if (*c == '"' || *c == '\\')
            written = out.writeText('\\');
        written = written && out.writeText(*c);
    }
    return written;
}

// The values, broken off when the per-line count passes the line size: the
// first line holds lineSize + 2 values, every later one lineSize + 1.
bool writeValues(File& out, const unsigned char* bytes, unsigned int size, unsigned int lineSize) {
    bool written = out.writeText(static_cast<unsigned int>(bytes[0]));
    unsigned char count = 1;
    bool broken = false;
    for (unsigned int i = 1; i < size && written; ++i) {
        written = out.writeText(',') && out.writeText(static_cast<unsigned int>(bytes[i]));
        broken = count > lineSize;
        if (broken) {
            written = written && out.writeText(" \\\n");
            count = 0;
        }
        ++count;
    }
    return written && (broken || out.writeText('\n'));
}

bool writeSource(File& out, const char* base, const char* path, const unsigned char* bytes,
                 unsigned int nameSize, unsigned int size, unsigned int lineSize,
                 const Types& types) {
    bool written = out.writeText("#include \"") && out.writeText(base) &&
                   out.writeText(".h\"\n\n") && out.writeText(types.size) && out.writeText(base) &&
                   out.writeText("Size = ") && out.writeText(size) && out.writeText("u;\n") &&
                   out.writeText(types.name) && out.writeText(base) && out.writeText("Name[") &&
                   out.writeText(nameSize) && out.writeText("] = \"") && writeQuoted(out, path) &&
                   out.writeText("\";\n") && out.writeText(types.bytes) && out.writeText(base) &&
                   out.writeText("[") && out.writeText(size) && out.writeText("] = { \\\n") &&
                   writeValues(out, bytes, size, lineSize) && out.writeText("};\n");
    return out.flush() && written;
}

bool write(const char* path, unsigned int lineSize, const Types& types) {
    if (lineSize == 0)
        lineSize = 10;
    char* base = FileToH::readFileName(path);
    if (!base)
        return false;
    unsigned int nameSize = static_cast<unsigned int>(String::strSize(path)) + 1;
    char* headerPath = String::strCat(base, ".h");
    char* sourcePath = String::strCat(base, ".c");

    // An input named like one of the outputs would be overwritten by them.
    bool overwritesInput =
        String::strCompare(path, headerPath) || String::strCompare(path, sourcePath);
    unsigned int size = overwritesInput ? 0 : inputSize(path);
    File out;
    if (size != 0 && out.createAndOpenTextFile(headerPath))
        writeHeader(out, base, nameSize, size, types);
    out.closeFile();

    bool written = false;
    File input;
    if (size != 0 && input.openBinFile(path)) {
        char* bytes = input.readBin(static_cast<unsigned long long>(size));
        input.closeFile();
        if (bytes && out.createAndOpenTextFile(sourcePath))
            written = writeSource(out, base, path, reinterpret_cast<unsigned char*>(bytes),
                                  nameSize, size, lineSize, types);
        delete[] bytes;
    }
    delete[] base;
    delete[] headerPath;
    delete[] sourcePath;
    return written;
}

} // namespace

bool FileToH::writeToFile(const char* path, unsigned int lineSize) {
    return path && write(path, lineSize, plainTypes);
}
bool FileToH::writeToFile(char* path, unsigned int lineSize) {
    return writeToFile(static_cast<const char*>(path), lineSize);
}

bool FileToH::writeToZELKFile(const char* path, unsigned int lineSize) {
    return path && write(path, lineSize, zelkTypes);
}
bool FileToH::writeToZELKFile(char* path, unsigned int lineSize) {
    return writeToZELKFile(static_cast<const char*>(path), lineSize);
}

char* FileToH::readFileName(const char* path) {
    if (!path || !*path)
        return nullptr;
    unsigned long long length = String::strSize(path);
    unsigned long long nameStart = 0;
    for (unsigned long long i = 0; i < length; ++i) {
        if (path[i] == '/')
            nameStart = i + 1;
    }
    for (unsigned long long i = length - 1; i > nameStart; --i) {
        if (path[i] == '.') {
            char* base = new char[i + 1];
            std::memcpy(base, path, i);
            base[i] = '\0';
            return base;
        }
    }
    return nullptr;
}
char* FileToH::readFileName(char* path) {
    return readFileName(static_cast<const char*>(path));
}

} // namespace zelk
