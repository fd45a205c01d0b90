#include "zelk/ElementXML.h"

#include "zelk/String.h"
#include "zelk/XML.h"

#include <cmath>
#include <cstring>

namespace zelk {

namespace {

float32 finite(float32 value) {
    return std::isfinite(value) ? value : 0;
}

// What act answers for the name "<prefix><number>"; false when the name
// cannot be made.
template <typename Act> bool withName(const char* prefix, int64 number, Act act) {
    char* name = ElementXML::numberedName(prefix, number);
    bool done = name && act(name);
    delete[] name;
    return done;
}

} // namespace

char* ElementXML::numberedName(const char* prefix, int64 number) {
    char* digits = String::int64ToStr(number);
    char* name = digits ? String::strCat(prefix, digits) : nullptr;
    delete[] digits;
    return name;
}

bool ElementXML::open(XML* xml, const char* prefix, int64 number) {
    bool hadSelection = xml->haveSelected();
    return withName(prefix, number, [&](char* name) {
        return xml->addSelectedNextChild(name) &&
               (hadSelection ? xml->selectLastChild() : xml->selectChild(name));
    });
}

bool ElementXML::add(XML* xml, const char* prefix, int64 number) {
    return withName(prefix, number, [xml](char* name) { return xml->addSelectedNextChild(name); });
}

bool ElementXML::reopen(XML* xml, const char* prefix, int64 number) {
    return withName(prefix, number, [xml](char* name) {
        if (!xml->haveSelected()) {
            return xml->selectChild(name) != nullptr;
        }
        if (!xml->selectLastChild()) {
            return false;
        }
        if (String::strCompare(xml->getSelectedName(), name)) {
            return true;
        }
        close(xml);
        return false;
    });
}

bool ElementXML::select(XML* xml, const char* prefix, int64 number) {
    return withName(prefix, number,
                    [xml](char* name) { return xml->selectChild(name) != nullptr; });
}

bool ElementXML::openChild(XML* xml, const char* name) {
    return xml->addSelectedNextChild(name) && xml->selectLastChild();
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

float32 ElementXML::readFiniteFloat(XML* xml, const char* name) {
    return finite(readFloat(xml, name));
}

void ElementXML::readFiniteFloatIfPresent(XML* xml, const char* name, float32* value) {
    char* text = xml->getSelectedAttributeValueByName(name);
    if (text) {
        *value = finite(String::strToFloat32(text));
    }
}

char* ElementXML::filteredText(XML* xml) {
    return String::strCopyWithFilter(xml->getSelectedString(), "\t\n");
}

void ElementXML::forEachChild(XML* xml, const std::function<void(char* name)>& visit) {
    if (xml->selectLastChild()) {
        while (xml->selectPreviousBrother()) {
        }
    } else if (!xml->selectFirstChild()) {
        return;
    }
    do {
        visit(xml->getSelectedName());
    } while (xml->selectNextBrother());
    xml->selectFather();
}

bool ElementXML::numberOf(const char* name, const char* prefix, uint32 limit, uint32* number) {
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

} // namespace zelk
