#include "zelk/bones/BVHReader.h"

#include "zelk/File.h"

#include <algorithm>
#include <cstring>

namespace zelk {
namespace bones {

namespace {

const std::size_t blockSize = 65536;

bool isLineEnd(char c) {
    return c == '\n' || c == '\0';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || isLineEnd(c);
}

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

BVHReader::BVHReader(File* file)
    : file(file), block(blockSize), length(0), at(0), finished(false) {}

BVHReader::~BVHReader() {
    if (file && at < length) {
        file->seek(-static_cast<long long>(length - at));
    }
}

bool BVHReader::available() {
    if (at < length) {
        return true;
    }
    at = 0;
    length = 0;
    if (!file || finished) {
        return false;
    }
    long long before = file->getSeek64();
    file->readBin(block.data(), block.size());
    long long after = file->getSeek64();
    if (before >= 0 && after > before) {
        length = std::min(static_cast<std::size_t>(after - before), block.size());
    }
    finished = length == 0;
    return !finished;
}

void BVHReader::skipByteOrderMark() {
    static const char mark[] = "\xEF\xBB\xBF";
    if (available() && length - at >= 3 && block[at] == mark[0] && block[at + 1] == mark[1] &&
        block[at + 2] == mark[2]) {
        at += 3;
    }
}

void BVHReader::skipBlanks(bool lines) {
    while (available()) {
        char c = block[at];
        if (!(lines ? isBlank(c) : isSpace(c))) {
            return;
        }
        at++;
    }
}

bool BVHReader::atEnd() {
    skipBlanks(true);
    return !available();
}

template <typename Stops> const char* BVHReader::readUntil(Stops stops) {
    text.clear();
    while (available()) {
        char* start = block.data() + at;
        char* end = block.data() + length;
        char* stop = start;
        while (stop < end && !stops(*stop)) {
            stop++;
        }
        at = static_cast<std::size_t>(stop - block.data());
        if (stop < end && text.empty()) {
            // Within the block: the consumed stop becomes the terminator,
            // and the text is read where it lies.
            *stop = '\0';
            at++;
            return start;
        }
        text.append(start, stop);
        if (stop < end) {
            at++;
            break;
        }
    }
    return text.c_str();
}

const char* BVHReader::word() {
    skipBlanks(true);
    return readUntil([](char c) { return isBlank(c); });
}

const char* BVHReader::restOfLine() {
    skipBlanks(false);
    char* line = const_cast<char*>(readUntil([](char c) { return isLineEnd(c); }));
    std::size_t kept = std::strlen(line);
    while (kept > 0 && isBlank(line[kept - 1])) {
        kept--;
    }
    line[kept] = '\0';
    return line;
}

const char* BVHReader::restOfLineFromWord() {
    skipBlanks(true);
    return readUntil([](char c) { return isLineEnd(c); });
}

void BVHReader::skipBlock() {
    // Counted, not recursed: the nesting may be as deep as the file is long.
    unsigned long long depth = 1;
    while (depth > 0) {
        const char* next = word();
        if (!*next) {
            return;
        }
        if (std::strcmp(next, "{") == 0) {
            depth++;
        } else if (std::strcmp(next, "}") == 0) {
            depth--;
        }
    }
}

} // namespace bones
} // namespace zelk
