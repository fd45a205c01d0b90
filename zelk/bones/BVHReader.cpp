#include "zelk/bones/BVHReader.h"

#include "zelk/File.h"

#include <algorithm>

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

BVHReader::BVHReader(File* file) : file(file), block(blockSize), length(0), at(0) {}

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
    if (!file) {
        return false;
    }
    long long before = file->getSeek64();
    file->readBin(block.data(), block.size());
    long long after = file->getSeek64();
    if (before >= 0 && after > before) {
        length = std::min(static_cast<std::size_t>(after - before), block.size());
    }
    return length > 0;
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

template <typename Stops> void BVHReader::readUntil(Stops stops) {
    text.clear();
    while (available()) {
        const char* start = block.data() + at;
        const char* end = block.data() + length;
        const char* stop = start;
        while (stop < end && !stops(*stop)) {
            stop++;
        }
        text.append(start, stop);
        at = static_cast<std::size_t>(stop - block.data());
        if (stop < end) {
            at++;
            return;
        }
    }
}

const char* BVHReader::word() {
    skipBlanks(true);
    readUntil(isBlank);
    return text.c_str();
}

const char* BVHReader::restOfLine() {
    skipBlanks(false);
    readUntil(isLineEnd);
    std::size_t kept = text.size();
    while (kept > 0 && isBlank(text[kept - 1])) {
        kept--;
    }
    text.resize(kept);
    return text.c_str();
}

const char* BVHReader::restOfLineFromWord() {
    skipBlanks(true);
    readUntil(isLineEnd);
    return text.c_str();
}

void BVHReader::skipBlock() {
    // Counted, not recursed: the nesting may be as deep as the file is long.
    unsigned long long depth = 1;
    while (depth > 0) {
        word();
        if (text.empty()) {
            return;
        }
        if (text == "{") {
            depth++;
        } else if (text == "}") {
            depth--;
        }
    }
}

} // namespace bones
} // namespace zelk
