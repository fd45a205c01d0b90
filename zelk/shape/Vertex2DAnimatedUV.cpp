#include "zelk/shape/Vertex2DAnimatedUV.h"

#include "zelk/ElementXML.h"

#include <cstdio>

namespace zelk {
namespace shape {

Vertex2DAnimatedUV::Vertex2DAnimatedUV() : uvMultiply(), uvSaved() {}

Vertex2DAnimatedUV::~Vertex2DAnimatedUV() {}

void Vertex2DAnimatedUV::printKind(bool indexed) {
    Vertex2DWithUV::printKind(indexed);
    printf(" multiply(%.2f %.2f)", uvMultiply.x, uvMultiply.y);
}

uint8 Vertex2DAnimatedUV::getType() {
    return 3;
}

void Vertex2DAnimatedUV::setUV(vec2f32 coordinate) {
    Vertex2DWithUV::setUV(coordinate);
    uvSaved = coordinate;
}

bool Vertex2DAnimatedUV::setUVFrames(vec2ui32 frames) {
    if (frames.x == 0 || frames.y == 0) {
        return false;
    }
    uvMultiply =
        vec2f32(1.f / static_cast<float32>(frames.x), 1.f / static_cast<float32>(frames.y));
    useUVFrame(vec2ui32(0u, 0u));
    return true;
}

void Vertex2DAnimatedUV::useUVFrame(vec2ui32 frame) {
    useUVFrameX(frame.x);
    useUVFrameY(frame.y);
}

void Vertex2DAnimatedUV::useUVFrameX(unsigned int column) {
    Vertex2DWithUV::setUVX(uvSaved.x * uvMultiply.x + uvMultiply.x * static_cast<float32>(column));
}

void Vertex2DAnimatedUV::useUVFrameY(unsigned int row) {
    Vertex2DWithUV::setUVY(uvMultiply.y * static_cast<float32>(row) + uvSaved.y * uvMultiply.y);
}

void Vertex2DAnimatedUV::cleanUVAnimation() {
    setUV(uvSaved);
}

void Vertex2DAnimatedUV::writeAttributes(XML* xml) {
    Vertex2DWithUV::writeAttributes(xml);
    ElementXML::writeFloat(xml, "uvMX", uvMultiply.x);
    ElementXML::writeFloat(xml, "uvMY", uvMultiply.y);
    ElementXML::writeFloat(xml, "uvSX", uvSaved.x);
    ElementXML::writeFloat(xml, "uvSY", uvSaved.y);
}

void Vertex2DAnimatedUV::readAttributes(XML* xml) {
    Vertex2DWithUV::readAttributes(xml);
    ElementXML::readFloatIfPresent(xml, "uvMX", &uvMultiply.x);
    ElementXML::readFloatIfPresent(xml, "uvMY", &uvMultiply.y);
    ElementXML::readFloatIfPresent(xml, "uvSX", &uvSaved.x);
    ElementXML::readFloatIfPresent(xml, "uvSY", &uvSaved.y);
}

} // namespace shape
} // namespace zelk
