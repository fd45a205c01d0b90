#include "zelk/shape/ElementXML.h"

#include "zelk/String.h"
#include "zelk/XML.h"

#include <algorithm>
#include <cstring>

namespace zelk {
namespace shape {

namespace {

// "<prefix><number>" as a new text, null when it cannot be made.
char* numberedName(const char* prefix, int64 number) {
    char* digits = String::int64ToStr(number);
    char* name = digits ? String::strCat(prefix, digits) : nullptr;
    delete[] digits;
    return name;
}

// The number of a name "<prefix><digits>" written as int64ToStr writes it
// (no sign, no leading zero), when it is below limit.
bool numberOf(const char* name, const char* prefix, uint32 limit, uint32* number) {
    size_t length = std::strlen(prefix);
    if (!name || std::strncmp(name, prefix, length) != 0) {
        return false;
    }
    const char* digits = name + length;
    if (digits[0] == '\0' || (digits[0] == '0' && digits[1] != '\0')) {
        return false;
    }
    uint64 value = 0;
    for (const char* c = digits; *c; c++) {
        if (*c < '0' || *c > '9') {
            return false;
        }
        value = value * 10 + static_cast<uint64>(*c - '0');
        if (value >= limit) {
            return false;
        }
    }
    *number = static_cast<uint32>(value);
    return true;
}

// Collects the numbers of the siblings met from the child the first step
// selects on, moving with the next step; the cursor ends on the parent.
void collect(XML* xml, char* (XML::*first)(), char* (XML::*next)(), const char* prefix,
             uint32 limit, std::vector<uint32>* numbers) {
    char* name = (xml->*first)();
    if (!name) {
        return;
    }
    for (; name; name = (xml->*next)()) {
        uint32 number = 0;
        if (numberOf(name, prefix, limit, &number)) {
            numbers->push_back(number);
        }
    }
    xml->selectFather();
}

} // namespace

bool ElementXML::open(XML* xml, const char* prefix, int64 number) {
    char* name = numberedName(prefix, number);
    bool hadSelection = xml->haveSelected();
    bool opened = name && xml->addSelectedNextChild(name) &&
                  (hadSelection ? xml->selectLastChild() : xml->selectChild(name));
    delete[] name;
    return opened;
}

bool ElementXML::select(XML* xml, const char* prefix, int64 number) {
    char* name = numberedName(prefix, number);
    bool selected = name && xml->selectChild(name);
    delete[] name;
    return selected;
}

void ElementXML::close(XML* xml) {
    if (!xml->selectFather()) {
        xml->cleanSelected();
    }
}

void ElementXML::writeFloat(XML* xml, const char* name, float32 value) {
    char* text = String::float32ToStr(value);
    xml->addSelectedNextAttribute(name, text);
    delete[] text;
}

void ElementXML::writeInteger(XML* xml, const char* name, int64 value) {
    char* text = String::int64ToStr(value);
    xml->addSelectedNextAttribute(name, text);
    delete[] text;
}

float32 ElementXML::readFloat(XML* xml, const char* name) {
    return String::strToFloat32(xml->getSelectedAttributeValueByName(name));
}

int64 ElementXML::readInteger(XML* xml, const char* name) {
    return String::strToInt64(xml->getSelectedAttributeValueByName(name));
}

void ElementXML::readFloatIfPresent(XML* xml, const char* name, float32* value) {
    char* text = xml->getSelectedAttributeValueByName(name);
    if (text) {
        *value = String::strToFloat32(text);
    }
}

char* ElementXML::filteredText(XML* xml) {
    return String::strCopyWithFilter(xml->getSelectedString(), "\t\n");
}

std::vector<uint32> ElementXML::numbersBelow(XML* xml, const char* prefix, uint32 limit) {
    std::vector<uint32> numbers;
    collect(xml, &XML::selectFirstChild, &XML::selectNextBrother, prefix, limit, &numbers);
    collect(xml, &XML::selectLastChild, &XML::selectPreviousBrother, prefix, limit, &numbers);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

} // namespace shape
} // namespace zelk
