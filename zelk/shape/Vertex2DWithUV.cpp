#include "zelk/shape/Vertex2DWithUV.h"

#include "zelk/ElementXML.h"
#include "zelk/GU.h"

#include <cstdio>

namespace zelk {
namespace shape {

Vertex2DWithUV::Vertex2DWithUV() : uv() {}

Vertex2DWithUV::~Vertex2DWithUV() {}

void Vertex2DWithUV::draw() {
    GU::guVertexTex2f32(uv.x, uv.y);
    Vertex2D::draw();
}

void Vertex2DWithUV::printKind(bool indexed) {
    printf(indexed ? "\nUV(%.2f %.2f)" : "UV(%.2f %.2f)", uv.x, uv.y);
}

uint8 Vertex2DWithUV::getType() {
    return 2;
}

void Vertex2DWithUV::writeAttributes(XML* xml) {
    Vertex2D::writeAttributes(xml);
    ElementXML::writeFloat(xml, "uvX", uv.x);
    ElementXML::writeFloat(xml, "uvY", uv.y);
}

void Vertex2DWithUV::readAttributes(XML* xml) {
    Vertex2D::readAttributes(xml);
    ElementXML::readFloatIfPresent(xml, "uvX", &uv.x);
    ElementXML::readFloatIfPresent(xml, "uvY", &uv.y);
}

} // namespace shape
} // namespace zelk
