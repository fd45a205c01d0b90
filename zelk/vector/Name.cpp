#include "zelk/vector/Name.h"

#include "zelk/String.h"

namespace zelk {
namespace vector {

Name::Name() : nameString(nullptr), canDelete(true) {}

Name::Name(char* text) : Name() {
    setName(text);
}

Name::Name(const char* text) : Name() {
    setName(text);
}

Name::~Name() {
    if (canDelete) {
        deleteName();
    } else {
        canDelete = true;
    }
}

void Name::cantDelete() {
    canDelete = false;
}

bool Name::setName(char* text) {
    // Copied before the old text is freed: the argument may point into it.
    char* copy = String::strCopy(text);
    deleteName();
    nameString = copy;
    return nameString != nullptr;
}

bool Name::setName(const char* text) {
    return setName(const_cast<char*>(text));
}

void Name::cleanName() {
    setName(static_cast<char*>(nullptr));
}

void Name::deleteName() {
    delete[] nameString;
    nameString = nullptr;
}

bool Name::nameEqual(const char* text) const {
    return stringEqual(nameString, text);
}

bool Name::nameBiggerThan(const char* text) const {
    return firstNameBiggerSecond(nameString, text);
}

bool Name::stringEqual(const char* first, const char* second) {
    if (!first || !second) {
        return false;
    }
    for (; *first == *second; first++, second++) {
        if (*first == '\0') {
            return true;
        }
    }
    return false;
}

bool Name::firstNameBiggerSecond(const char* first, const char* second) {
    if (!first || !second) {
        return false;
    }
    for (;; first++, second++) {
        signed char a = static_cast<signed char>(*first);
        signed char b = static_cast<signed char>(*second);
        if (a != b) {
            return a > b;
        }
        if (a == 0) {
            return false;
        }
    }
}

} // namespace vector
} // namespace zelk
