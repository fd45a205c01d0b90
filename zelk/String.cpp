#include "zelk/String.h"

#include <cstdarg>
#include <cstddef>
#include <cstring>

namespace zelk {

namespace {

bool isEmpty(const char* text) {
    return !text || text[0] == 0;
}

// True when the byte occurs among the filter's bytes.
bool inFilter(char c, const char* filter) {
    for (const char* f = filter; *f; ++f) {
        if (*f == c) {
            return true;
        }
    }
    return false;
}

// A new text of the given bytes.
char* newText(const char* bytes, size_t size) {
    char* text = new char[size + 1];
    memcpy(text, bytes, size);
    text[size] = 0;
    return text;
}

// The position of the first byte equal to c before the NUL, or -1.
ptrdiff_t find(const char* text, char c) {
    for (const char* p = text; *p; ++p) {
        if (*p == c) {
            return p - text;
        }
    }
    return -1;
}

char* catList(char* first, va_list rest) {
    if (isEmpty(first)) {
        return nullptr;
    }
    char* joined = String::strCopy(first);
    for (char* next = va_arg(rest, char*); next; next = va_arg(rest, char*)) {
        char* longer = String::strCat(joined, next);
        delete[] joined;
        joined = longer;
    }
    return joined;
}

} // namespace

uint64 String::strSize(char* text) {
    return text ? strlen(text) : 0;
}

char* String::strCopy(char* text) {
    if (isEmpty(text)) {
        return nullptr;
    }
    return newText(text, strlen(text));
}

char* String::strCat(char* first, char* second) {
    if (!first || !second) {
        return nullptr;
    }
    size_t firstSize = strlen(first);
    size_t secondSize = strlen(second);
    char* text = new char[firstSize + secondSize + 1];
    memcpy(text, first, firstSize);
    memcpy(text + firstSize, second, secondSize);
    text[firstSize + secondSize] = 0;
    return text;
}

char* String::strCatMulti(char* first, ...) {
    va_list rest;
    va_start(rest, first);
    char* joined = catList(first, rest);
    va_end(rest);
    return joined;
}

char* String::strCatMulti(const char* first, ...) {
    va_list rest;
    va_start(rest, first);
    char* joined = catList(const_cast<char*>(first), rest);
    va_end(rest);
    return joined;
}

bool String::strInvert(char* text) {
    if (isEmpty(text)) {
        return false;
    }
    for (size_t i = 0, j = strlen(text) - 1; i < j; ++i, --j) {
        char kept = text[i];
        text[i] = text[j];
        text[j] = kept;
    }
    return true;
}

bool String::strCompare(char* a, char* b) {
    if (isEmpty(a) || isEmpty(b)) {
        return false;
    }
    return strcmp(a, b) == 0;
}

bool String::strCompareWithFilter(char* a, char* b, char* filter) {
    if (isEmpty(filter)) {
        return strCompare(a, b);
    }
    if (isEmpty(a) || isEmpty(b)) {
        return false;
    }
    bool anyByte = false;
    for (;;) {
        while (*a && inFilter(*a, filter)) {
            ++a;
        }
        while (*b && inFilter(*b, filter)) {
            ++b;
        }
        if (*a != *b) {
            return false;
        }
        if (*a == 0) {
            return anyByte;
        }
        anyByte = true;
        ++a;
        ++b;
    }
}

uint64 String::strSizeWithFilter(char* text, char* filter) {
    if (isEmpty(filter)) {
        return strSize(text);
    }
    uint64 size = 0;
    for (const char* p = text; p && *p; ++p) {
        if (!inFilter(*p, filter)) {
            ++size;
        }
    }
    return size;
}

char* String::strCopyWithFilter(char* text, char* filter) {
    if (isEmpty(filter)) {
        return strCopy(text);
    }
    size_t size = strSizeWithFilter(text, filter);
    if (size == 0) {
        return nullptr;
    }
    char* copy = new char[size + 1];
    size_t at = 0;
    for (const char* p = text; *p; ++p) {
        if (!inFilter(*p, filter)) {
            copy[at++] = *p;
        }
    }
    copy[at] = 0;
    return copy;
}

uint32 String::stringHaveChar(char* text, char c) {
    uint32 count = 0;
    for (const char* p = text; p && *p; ++p) {
        if (*p == c) {
            ++count;
        }
    }
    return count;
}

uint32 String::stringHaveChar(char* text, unsigned long long n, char c) {
    if (!text) {
        return 0;
    }
    uint32 count = 0;
    for (unsigned long long i = 0; i < n; ++i) {
        if (text[i] == c) {
            ++count;
        }
    }
    return count;
}

char* String::strCut(char* text, char limit, bool keepLimit) {
    if (!text) {
        return nullptr;
    }
    ptrdiff_t at = find(text, limit);
    if (at < 0) {
        return nullptr;
    }
    return newText(text, static_cast<size_t>(at) + (keepLimit ? 1 : 0));
}

char* String::strCut(char limit, char* text, bool keepLimit) {
    if (!text) {
        return nullptr;
    }
    ptrdiff_t at = find(text, limit);
    if (at < 0) {
        return nullptr;
    }
    const char* from = text + at + (keepLimit ? 0 : 1);
    if (*from == 0) {
        return nullptr;
    }
    return newText(from, strlen(from));
}

char* String::strCut(char* text, char start, char end) {
    if (!text) {
        return nullptr;
    }
    ptrdiff_t startAt = find(text, start);
    if (startAt < 0) {
        return nullptr;
    }
    const char* inside = text + startAt + 1;
    ptrdiff_t endAt = find(inside, end);
    if (endAt < 0) {
        return nullptr;
    }
    return newText(inside, static_cast<size_t>(endAt));
}

} // namespace zelk
