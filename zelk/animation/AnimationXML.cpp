#include "zelk/animation/AnimationXML.h"

#include "zelk/ElementXML.h"
#include "zelk/String.h"
#include "zelk/XML.h"
#include "zelk/animation/Frame3D.h"
#include "zelk/vector/Name.h"

namespace zelk {
namespace animation {
namespace xml {

bool addFloatToNewElement(XML* xml, const char* prefix, unsigned int number, const char* name,
                          float value) {
    if (!ElementXML::reopen(xml, prefix, number)) {
        return false;
    }
    ElementXML::writeFloat(xml, name, value);
    ElementXML::close(xml);
    return true;
}

bool readFloatOfElement(XML* xml, const char* prefix, unsigned int number, const char* name,
                        float* value) {
    if (!ElementXML::select(xml, prefix, number)) {
        return false;
    }
    ElementXML::readFiniteFloatIfPresent(xml, name, value);
    ElementXML::close(xml);
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

bool writeNamedRange(XML* xml, const char* prefix, unsigned int id, const char* name, float start,
                     float end) {
    if (!xml || String::strSize(name) == 0 || !ElementXML::open(xml, prefix, id)) {
        return false;
    }
    xml->setSelectedString(name);
    ElementXML::writeFloat(xml, "start", start);
    ElementXML::writeFloat(xml, "end", end);
    ElementXML::close(xml);
    return true;
}

bool readNamedRange(XML* xml, const char* prefix, unsigned int id, vector::Name* name, float* start,
                    float* end) {
    if (!xml || !ElementXML::select(xml, prefix, id)) {
        return false;
    }
    char* text = ElementXML::filteredText(xml);
    if (String::strSize(text) > 0) {
        name->setName(text);
    }
    delete[] text;
    *start = ElementXML::readFiniteFloat(xml, "start");
    *end = ElementXML::readFiniteFloat(xml, "end");
    ElementXML::close(xml);
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
