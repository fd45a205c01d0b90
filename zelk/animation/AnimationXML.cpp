#include "zelk/animation/AnimationXML.h"

#include "zelk/String.h"
#include "zelk/XML.h"
#include "zelk/animation/Frame3D.h"
#include "zelk/vector/Name.h"

#include <cmath>

namespace zelk {
namespace animation {
namespace xml {

char* numberedName(const char* prefix, unsigned int number) {
    char* digits = String::int64ToStr(number);
    char* name = digits ? String::strCat(prefix, digits) : nullptr;
    delete[] digits;
    return name;
}

bool openNewElement(XML* xml, const char* prefix, unsigned int number) {
    char* name = numberedName(prefix, number);
    bool opened = false;
    if (name) {
        bool inside = xml->haveSelected();
        opened = xml->addSelectedNextChild(name) &&
                 (inside ? xml->selectLastChild() : xml->selectChild(name));
    }
    delete[] name;
    return opened;
}

bool reopenNewElement(XML* xml, const char* prefix, unsigned int number) {
    char* name = numberedName(prefix, number);
    bool opened = false;
    if (name && xml->haveSelected()) {
        opened = xml->selectLastChild();
        if (opened && !String::strCompare(xml->getSelectedName(), name)) {
            closeElement(xml);
            opened = false;
        }
    } else if (name) {
        opened = xml->selectChild(name);
    }
    delete[] name;
    return opened;
}

bool openElement(XML* xml, const char* prefix, unsigned int number) {
    char* name = numberedName(prefix, number);
    bool opened = name && xml->selectChild(name);
    delete[] name;
    return opened;
}

void closeElement(XML* xml) {
    if (!xml->selectFather()) {
        xml->cleanSelected();
    }
}

bool addFloat(XML* xml, const char* name, float value) {
    char* text = String::float32ToStr(value);
    bool added = text && xml->addSelectedNextAttribute(name, text);
    delete[] text;
    return added;
}

bool readFloat(XML* xml, const char* name, float* value) {
    char* text = xml->getSelectedAttributeValueByName(name);
    if (!text) {
        return false;
    }
    float number = String::strToFloat32(text);
    *value = std::isfinite(number) ? number : 0;
    return true;
}

float floatOf(XML* xml, const char* name) {
    float value = 0;
    readFloat(xml, name, &value);
    return value;
}

bool addFloatToNewElement(XML* xml, const char* prefix, unsigned int number, const char* name,
                          float value) {
    if (!reopenNewElement(xml, prefix, number)) {
        return false;
    }
    addFloat(xml, name, value);
    closeElement(xml);
    return true;
}

bool readFloatOfElement(XML* xml, const char* prefix, unsigned int number, const char* name,
                        float* value) {
    if (!openElement(xml, prefix, number)) {
        return false;
    }
    readFloat(xml, name, value);
    closeElement(xml);
    return true;
}

bool addLoop(XML* xml, bool loop) {
    return xml->addSelectedNextAttribute("loop", loop ? "on" : "off");
}

void readLoop(XML* xml, bool* loop) {
    char* text = xml->getSelectedAttributeValueByName("loop");
    if (String::strCompare(text, "on")) {
        *loop = true;
    } else if (String::strCompare(text, "off")) {
        *loop = false;
    }
}

char* filteredText(XML* xml) {
    return String::strCopyWithFilter(xml->getSelectedString(), "\t\n");
}

bool writeNamedRange(XML* xml, const char* prefix, unsigned int id, const char* name, float start,
                     float end) {
    if (!xml || String::strSize(name) == 0 || !openNewElement(xml, prefix, id)) {
        return false;
    }
    xml->setSelectedString(name);
    addFloat(xml, "start", start);
    addFloat(xml, "end", end);
    closeElement(xml);
    return true;
}

bool readNamedRange(XML* xml, const char* prefix, unsigned int id, vector::Name* name, float* start,
                    float* end) {
    if (!xml || !openElement(xml, prefix, id)) {
        return false;
    }
    char* text = filteredText(xml);
    if (String::strSize(text) > 0) {
        name->setName(text);
    }
    delete[] text;
    *start = floatOf(xml, "start");
    *end = floatOf(xml, "end");
    closeElement(xml);
    return true;
}

bool writeFrame(Frame* frame, XML* xml, unsigned int id) {
    if (Frame3D* frame3D = dynamic_cast<Frame3D*>(frame)) {
        return frame3D->writeToXML(xml, id);
    }
    if (Frame2D* frame2D = dynamic_cast<Frame2D*>(frame)) {
        return frame2D->writeToXML(xml, id);
    }
    if (Frame1D* frame1D = dynamic_cast<Frame1D*>(frame)) {
        return frame1D->writeToXML(xml, id);
    }
    return frame && frame->writeToXML(xml, id);
}

} // namespace xml
} // namespace animation
} // namespace zelk
