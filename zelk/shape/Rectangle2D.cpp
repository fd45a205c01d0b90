#include "zelk/shape/Rectangle2D.h"

#include "zelk/GU.h"
#include "zelk/shape/Vertex2DWithUV.h"

#include <cstdio>

namespace zelk {
namespace shape {

namespace {

// OpenGL's primitive codes.
const unsigned int glLineLoop = 2, glQuads = 7;

vec2f32 textureCoordinate(Vertex2D* vertex) {
    return vertex->getType() == 1 ? vec2f32() : static_cast<Vertex2DWithUV*>(vertex)->getUV();
}

void corner(float32 x, float32 y, float32 s, float32 t, bool textured) {
    if (textured) {
        GU::guVertexTex2f32(s, t);
    }
    GU::guVertexNormal3f32(0.f, 0.f, 1.f);
    GU::guVertex3f32(x, y, 0.f);
}

} // namespace

Rectangle2D::Rectangle2D() : Polygon2D() {
    createPolygon();
}

Rectangle2D::~Rectangle2D() {}

bool Rectangle2D::createPolygon(unsigned int n) {
    return n != 0;
}

bool Rectangle2D::createPolygon() {
    Polygon2D::deletePolygon();
    if (!canDeleteVertex) {
        detachVertexs();
    }
    if (!vertexs.createArray(2)) {
        return false;
    }
    for (unsigned int i = 0; i < 2; i++) {
        Vertex2DWithUV* vertex = new Vertex2DWithUV();
        vertex->position = vec2f32(static_cast<float32>(i), static_cast<float32>(i));
        vertex->setUV(static_cast<float32>(i), static_cast<float32>(i));
        vertex->color = polygonColor;
        vertexs.set(i, vertex);
    }
    canDeleteVertex = true;
    return true;
}

void Rectangle2D::deletePolygon() {
    removePolygonUV();
}

void Rectangle2D::print() {
    printf("\nRectangle");
    Polygon2D::print();
}

void Rectangle2D::draw() {
    drawCorners(glQuads, true);
}

void Rectangle2D::drawWire() {
    drawCorners(glLineLoop, false);
}

void Rectangle2D::drawCorners(unsigned int mode, bool textured) {
    Vertex2D* first = getVertexPointer(0);
    Vertex2D* second = getVertexPointer(1);
    if (!first || !second) {
        return;
    }
    GU::guColor4f32(first->color);
    pushTransform();
    GU::guBegin(mode);
    vec2f32 p0 = first->position, p1 = second->position;
    // The whole texture unless both corners carry coordinates.
    vec2f32 uv0(0.f, 0.f), uv1(1.f, 1.f);
    if (first->getType() != 1 && second->getType() != 1) {
        uv0 = textureCoordinate(first);
        uv1 = textureCoordinate(second);
    }
    corner(p0.x, p0.y, uv0.x, uv1.y, textured);
    corner(p0.x, p1.y, uv0.x, uv0.y, textured);
    GU::guColor4f32(second->color);
    corner(p1.x, p1.y, uv1.x, uv0.y, textured);
    corner(p1.x, p0.y, uv1.x, uv1.y, textured);
    GU::guEnd();
    GU::guPopMatrix();
}

void Rectangle2D::setPivoToCenter() {
    Vertex2D* first = getVertexPointer(0);
    Vertex2D* second = getVertexPointer(1);
    if (!first || !second) {
        return;
    }
    float32 width = second->position.x - first->position.x;
    float32 height = second->position.y - first->position.y;
    first->position = vec2f32(-0.5f * width, -0.5f * height);
    second->position = vec2f32(0.5f * width, 0.5f * height);
}

} // namespace shape
} // namespace zelk
