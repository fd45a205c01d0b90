#include "zelk/shape/Vertex2D.h"

#include "zelk/ElementXML.h"
#include "zelk/GU.h"
#include "zelk/XML.h"

#include <cstdio>

namespace zelk {
namespace shape {

namespace {
const char* const elementPrefix = "Vertex_";
} // namespace

Vertex2D::Vertex2D() : position(), color() {}

Vertex2D::~Vertex2D() {}

void Vertex2D::draw() {
    GU::guColor4f32(color.r, color.g, color.b, color.a);
    GU::guVertexNormal3f32(0.f, 0.f, 1.f);
    GU::guVertex3f32(position.x, position.y, 0.f);
}

void Vertex2D::print() {
    printf("\nVector position(%.2f %.2f) Color (%.2f %.2f %.2f %.2f)", position.x, position.y,
           color.r, color.g, color.b, color.a);
    printKind(false);
}

void Vertex2D::print(unsigned int i) {
    printf("\nVector [%u] position(%.2f %.2f) Color (%.2f %.2f %.2f %.2f)", i, position.x,
           position.y, color.r, color.g, color.b, color.a);
    printKind(true);
}

void Vertex2D::printKind(bool) {}

bool Vertex2D::writeToXML(unsigned int id, XML* xml) {
    if (!xml || !ElementXML::open(xml, elementPrefix, id)) {
        return false;
    }
    writeAttributes(xml);
    ElementXML::close(xml);
    return true;
}

bool Vertex2D::readFromXML(unsigned int id, XML* xml) {
    if (!xml || !ElementXML::select(xml, elementPrefix, id)) {
        return false;
    }
    bool typed = xml->haveSelectedAttribute("type");
    if (typed) {
        readAttributes(xml);
    }
    ElementXML::close(xml);
    return typed;
}

uint8 Vertex2D::getType() {
    return 1;
}

uint8 Vertex2D::readTypeFromXML(unsigned int id, XML* xml) {
    if (!xml || !ElementXML::select(xml, elementPrefix, id)) {
        return 0;
    }
    uint8 type = static_cast<uint8>(ElementXML::readInteger(xml, "type"));
    ElementXML::close(xml);
    return type;
}

void Vertex2D::writeAttributes(XML* xml) {
    ElementXML::writeInteger(xml, "type", getType());
    ElementXML::writeFloat(xml, "x", position.x);
    ElementXML::writeFloat(xml, "y", position.y);
    ElementXML::writeFloat(xml, "r", color.r);
    ElementXML::writeFloat(xml, "g", color.g);
    ElementXML::writeFloat(xml, "b", color.b);
    ElementXML::writeFloat(xml, "a", color.a);
}

void Vertex2D::readAttributes(XML* xml) {
    ElementXML::readFloatIfPresent(xml, "x", &position.x);
    ElementXML::readFloatIfPresent(xml, "y", &position.y);
    ElementXML::readFloatIfPresent(xml, "r", &color.r);
    ElementXML::readFloatIfPresent(xml, "g", &color.g);
    ElementXML::readFloatIfPresent(xml, "b", &color.b);
    ElementXML::readFloatIfPresent(xml, "a", &color.a);
}

} // namespace shape
} // namespace zelk
