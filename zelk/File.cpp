#include "zelk/File.h"

#include "zelk/String.h"
#include "zelk/platform/Paths.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zelk {

bool testLimits(char c, const char* limits) {
    return limits && c != '\0' && std::strchr(limits, c) != nullptr;
}

bool testLimits(char c, char* limits) {
    return testLimits(c, static_cast<const char*>(limits));
}

File::File() : stream(nullptr), sizeCache(0), name(nullptr) {}

File::~File() {
    closeFile();
}

bool File::open(const char* path, const char* mode, bool forReading) {
    closeFile();
    if (!path)
        return false;
    // Only regular files are read: checked before opening too, because opening
    // a pipe for reading would wait for a writer.
    if (forReading && !platform::isRegularFile(path))
        return false;
    stream = std::fopen(path, mode);
    if (!stream)
        return false;
    struct stat status {};
    if (forReading && (fstat(fileno(stream), &status) != 0 || !S_ISREG(status.st_mode))) {
        closeFile();
        return false;
    }
    seekEnd();
    if (forReading)
        seekStart();
    name = String::strCopy(path);
    return true;
}

bool File::openTextFile(const char* path) {
    return open(path, "r", true);
}
bool File::openTextFile(char* path) {
    return openTextFile(static_cast<const char*>(path));
}
bool File::openBinFile(const char* path) {
    return open(path, "rb", true);
}
bool File::openBinFile(char* path) {
    return openBinFile(static_cast<const char*>(path));
}
bool File::openEndTextFile(const char* path) {
    return open(path, "a", false);
}
bool File::openEndTextFile(char* path) {
    return openEndTextFile(static_cast<const char*>(path));
}
bool File::openEndBinFile(const char* path) {
    return open(path, "ab", false);
}
bool File::openEndBinFile(char* path) {
    return openEndBinFile(static_cast<const char*>(path));
}

bool File::createAndOpenTextFile(const char* path) {
    return createFile(path) && openEndTextFile(path);
}
bool File::createAndOpenTextFile(char* path) {
    return createAndOpenTextFile(static_cast<const char*>(path));
}
bool File::createAndOpenBinFile(const char* path) {
    return createFile(path) && openEndBinFile(path);
}
bool File::createAndOpenBinFile(char* path) {
    return createAndOpenBinFile(static_cast<const char*>(path));
}

void File::closeFile() {
    if (stream)
        std::fclose(stream);
    stream = nullptr;
    sizeCache = 0;
    delete[] name;
    name = nullptr;
}

bool File::isOpened() {
    return stream != nullptr;
}

char* File::getName() {
    return name;
}

bool File::deleteFile() {
    if (!stream)
        return false;
    char* path = String::strCopy(name);
    closeFile();
    bool removed = deleteFile(path);
    delete[] path;
    return removed;
}

bool File::fileExist(const char* path) {
    if (!path)
        return false;
    // Whether the path could be opened for reading, asked without opening it,
    // so a pipe with no writer does not hold the caller.
    return access(path, R_OK) == 0;
}
bool File::fileExist(char* path) {
    return fileExist(static_cast<const char*>(path));
}

bool File::createFile(const char* path) {
    if (!path)
        return false;
    std::FILE* created = std::fopen(path, "wb");
    if (!created)
        return false;
    std::fclose(created);
    return true;
}
bool File::createFile(char* path) {
    return createFile(static_cast<const char*>(path));
}

bool File::deleteFile(const char* path) {
    return path && std::remove(path) == 0;
}
bool File::deleteFile(char* path) {
    return deleteFile(static_cast<const char*>(path));
}

bool File::renameFile(const char* oldPath, const char* newPath) {
    return oldPath && newPath && std::rename(oldPath, newPath) == 0;
}
bool File::renameFile(char* oldPath, char* newPath) {
    return renameFile(static_cast<const char*>(oldPath), static_cast<const char*>(newPath));
}

bool File::writeText(char c) {
    return stream && std::fputc(c, stream) != EOF;
}

bool File::writeText(const char* text) {
    return stream && text && std::fputs(text, stream) != EOF;
}
bool File::writeText(char* text) {
    return writeText(static_cast<const char*>(text));
}

bool File::writeText(int value) {
    return stream && std::fprintf(stream, "%d", value) >= 0;
}

bool File::writeText(unsigned int value) {
    return stream && std::fprintf(stream, "%u", value) >= 0;
}

bool File::writeText(float value) {
    return stream && std::fprintf(stream, "%f", static_cast<double>(value)) >= 0;
}

bool File::writeBin(void* buffer, unsigned int size) {
    return stream && buffer && size != 0 && std::fwrite(buffer, size, 1, stream) == 1;
}

bool File::writeBin(char c) {
    return writeBin(&c, 1);
}

bool File::writeBin(const char* text) {
    if (!stream || !text)
        return false;
    size_t length = std::strlen(text);
    return std::fwrite(text, 1, length, stream) == length;
}
bool File::writeBin(char* text) {
    return writeBin(static_cast<const char*>(text));
}

bool File::writeBin(int value) {
    return writeBin(&value, sizeof value);
}
bool File::writeBin(unsigned int value) {
    return writeBin(&value, sizeof value);
}
bool File::writeBin(float value) {
    return writeBin(&value, sizeof value);
}
bool File::writeBin(long long value) {
    return writeBin(&value, sizeof value);
}
bool File::writeBin(int* value) {
    return value && writeBin(*value);
}
bool File::writeBin(unsigned int* value) {
    return value && writeBin(*value);
}
bool File::writeBin(float* value) {
    return value && writeBin(*value);
}
bool File::writeBin(long long* value) {
    return value && writeBin(*value);
}

bool File::flush() {
    return stream && std::fflush(stream) == 0;
}

char File::readTextChar() {
    char c = 0;
    if (!stream || std::fscanf(stream, "%c", &c) != 1)
        return 0;
    return c;
}

int File::readTextInt() {
    int value = 0;
    if (!stream || std::fscanf(stream, "%d", &value) != 1)
        return 0;
    return value;
}

unsigned int File::readTextUInt() {
    unsigned int value = 0;
    if (!stream || std::fscanf(stream, "%u", &value) != 1)
        return 0;
    return value;
}

float File::readTextFloat() {
    float value = 0.0f;
    if (!stream || std::fscanf(stream, "%f", &value) != 1)
        return 0.0f;
    return value;
}

char* File::readStringFromTheFile(const char* limits, bool keepLimit) {
    if (!stream)
        return nullptr;
    std::string text;
    int c;
    // The stream belongs to this object alone; no locking per character.
    while ((c = getc_unlocked(stream)) != EOF && c != '\0') {
        char read = static_cast<char>(c);
        if (testLimits(read, limits)) {
            if (keepLimit)
                text += read;
            break;
        }
        text += read;
    }
    char* result = new char[text.size() + 1];
    std::memcpy(result, text.c_str(), text.size() + 1);
    return result;
}

char* File::readTextString(char limit, bool keepLimit) {
    const char limits[2] = {limit, '\0'};
    return readStringFromTheFile(limits, keepLimit);
}

char* File::readTextString(const char* limits, bool keepLimit) {
    return limits ? readStringFromTheFile(limits, keepLimit) : nullptr;
}
char* File::readTextString(char* limits, bool keepLimit) {
    return readTextString(static_cast<const char*>(limits), keepLimit);
}

bool File::readBin(void* buffer, unsigned long long size) {
    if (!stream || !buffer || size == 0)
        return false;
    size_t arrived = std::fread(buffer, 1, size, stream);
    std::memset(static_cast<char*>(buffer) + arrived, 0, size - arrived);
    return true;
}

char* File::readBin(unsigned long long size) {
    if (!stream || size == 0 || size > PTRDIFF_MAX)
        return nullptr;
    char* block = new (std::nothrow) char[size];
    if (block)
        readBin(block, size);
    return block;
}

template <typename T> T File::readValue() {
    T value{};
    readBin(&value, sizeof value);
    return value;
}

char File::readBinChar() {
    return readValue<char>();
}
int File::readBinInt32() {
    return readValue<int>();
}
unsigned int File::readBinUInt32() {
    return readValue<unsigned int>();
}
float File::readBinFloat() {
    return readValue<float>();
}
long long File::readBinLongInt() {
    return readValue<long long>();
}

template <typename T> T* File::readValues(unsigned long long count) {
    if (!stream || count == 0 || count > PTRDIFF_MAX / sizeof(T))
        return nullptr;
    T* values = new (std::nothrow) T[count];
    if (values)
        readBin(values, count * sizeof(T));
    return values;
}

int* File::readBinInt32(long long count) {
    return count > 0 ? readValues<int>(static_cast<unsigned long long>(count)) : nullptr;
}

unsigned int* File::readBinUint32(unsigned long long count) {
    return readValues<unsigned int>(count);
}

float* File::readBinFloat(long long count) {
    return count > 0 ? readValues<float>(static_cast<unsigned long long>(count)) : nullptr;
}

long long* File::readBinLongInt(long long count) {
    return count > 0 ? readValues<long long>(static_cast<unsigned long long>(count)) : nullptr;
}

char* File::readBinString(long size) {
    return size >= 0 ? readBin(static_cast<unsigned long long>(size)) : nullptr;
}

char* File::readBinString(char limit, bool keepLimit) {
    return readTextString(limit, keepLimit);
}

char* File::readBinString(const char* limits, bool keepLimit) {
    return readStringFromTheFile(limits, keepLimit);
}
char* File::readBinString(char* limits, bool keepLimit) {
    return readBinString(static_cast<const char*>(limits), keepLimit);
}

bool File::readEnd() {
    return stream && std::feof(stream);
}
bool File::endOfFile() {
    return readEnd();
}

bool File::seekTo(long long offset, int origin) {
    if (!stream)
        return false;
    fseeko(stream, static_cast<off_t>(offset), origin);
    return true;
}

bool File::seek(unsigned int offset) {
    return seek(static_cast<int>(offset));
}
bool File::seek(int offset) {
    return seekTo(offset, SEEK_CUR);
}
bool File::seek(unsigned long long offset) {
    return seek(static_cast<long long>(offset));
}
bool File::seek(long long offset) {
    return seekTo(offset, SEEK_CUR);
}
bool File::seekStart() {
    return seekTo(0, SEEK_SET);
}
bool File::seekStart(unsigned int offset) {
    return seekTo(static_cast<int>(offset), SEEK_SET);
}
bool File::seekStart(unsigned long long offset) {
    return seekTo(static_cast<long long>(offset), SEEK_SET);
}
bool File::seekEnd() {
    return seekTo(0, SEEK_END);
}
bool File::seekEnd(int offset) {
    return seekTo(offset, SEEK_END);
}
bool File::seekEnd(long long offset) {
    return seekTo(offset, SEEK_END);
}

int File::getSeek32() {
    return static_cast<int>(getSeek64());
}

long long File::getSeek64() {
    if (!stream)
        return 0;
    off_t position = ftello(stream);
    return position < 0 ? 0 : static_cast<long long>(position);
}

unsigned long long File::getFileSize() {
    if (!stream || sizeCache != 0)
        return sizeCache;
    long long position = getSeek64();
    seekEnd();
    sizeCache = static_cast<unsigned long long>(getSeek64());
    seekStart(static_cast<unsigned long long>(position));
    return sizeCache;
}

} // namespace zelk
