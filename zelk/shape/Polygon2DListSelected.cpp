#include "zelk/shape/Polygon2DList.h"

namespace zelk {
namespace shape {

// The operations on the selected polygon. Setters answer false without a
// selection; getters answer the neutral value.

bool Polygon2DList::selectedSetVertexPosition(unsigned int i, vec2f32 position) {
    return selected && selected->setVertexPosition(i, position);
}

bool Polygon2DList::selectedSetVertexPosition(unsigned int i, float32 x, float32 y) {
    return selected && selected->setVertexPosition(i, x, y);
}

bool Polygon2DList::selectedSetVertexColor(unsigned int i, color4f32 color) {
    return selected && selected->setVertexColor(i, color);
}

bool Polygon2DList::selectedSetVertexColor(unsigned int i, float32 r, float32 g, float32 b) {
    return selected && selected->setVertexColor(i, r, g, b);
}

bool Polygon2DList::selectedSetVertexColor(unsigned int i, float32 r, float32 g, float32 b,
                                           float32 a) {
    return selected && selected->setVertexColor(i, r, g, b, a);
}

bool Polygon2DList::selectedSetPolygonColor(color4f32 color) {
    return selected && selected->setPolygonColor(color);
}

bool Polygon2DList::selectedSetPolygonColor(float32 r, float32 g, float32 b) {
    return selected && selected->setPolygonColor(r, g, b);
}

bool Polygon2DList::selectedSetPolygonColor(float32 r, float32 g, float32 b, float32 a) {
    return selected && selected->setPolygonColor(r, g, b, a);
}

bool Polygon2DList::selectedSetVertexUV(unsigned int i, vec2f32 uv) {
    return selected && selected->setVertexUV(i, uv);
}

bool Polygon2DList::selectedSetVertexUV(unsigned int i, float32 u, float32 v) {
    return selected && selected->setVertexUV(i, u, v);
}

bool Polygon2DList::selectedSetPolygonUVFrames(vec2ui32 frames) {
    return selected && selected->setPolygonUVFrames(frames);
}

bool Polygon2DList::selectedSetPolygonUVFrames(unsigned int columns, unsigned int rows) {
    return selected && selected->setPolygonUVFrames(columns, rows);
}

bool Polygon2DList::selectedSetPolygonUVFramesX(unsigned int columns) {
    return selected && selected->setPolygonUVFramesX(columns);
}

bool Polygon2DList::selectedSetPolygonUVFramesY(unsigned int rows) {
    return selected && selected->setPolygonUVFramesY(rows);
}

bool Polygon2DList::selectedRemoveVertexUV(unsigned int i) {
    return selected && selected->removeVertexUV(i);
}

bool Polygon2DList::selectedUsePolygonUVFrame(vec2ui32 frame) {
    return withSelected([frame](Polygon2D* polygon) { polygon->usePolygonUVFrame(frame); });
}

bool Polygon2DList::selectedUsePolygonUVFrame(unsigned int column, unsigned int row) {
    return selectedUsePolygonUVFrame(vec2ui32(column, row));
}

bool Polygon2DList::selectedUsePolygonUVFramePosition(unsigned int p) {
    return withSelected([p](Polygon2D* polygon) { polygon->usePolygonUVFramePosition(p); });
}

bool Polygon2DList::selectedUsePolygonUVFrameX(unsigned int column) {
    return withSelected([column](Polygon2D* polygon) { polygon->usePolygonUVFrameX(column); });
}

bool Polygon2DList::selectedUsePolygonUVFrameY(unsigned int row) {
    return withSelected([row](Polygon2D* polygon) { polygon->usePolygonUVFrameY(row); });
}

bool Polygon2DList::selectedSetDensity(float32 value) {
    return withSelected([value](Polygon2D* polygon) { polygon->setDensity(value); });
}

bool Polygon2DList::selectedSetFriction(float32 value) {
    return withSelected([value](Polygon2D* polygon) { polygon->setFriction(value); });
}

bool Polygon2DList::selectedSetRestitution(float32 value) {
    return withSelected([value](Polygon2D* polygon) { polygon->setRestitution(value); });
}

bool Polygon2DList::selectedRemovePolygonUV() {
    return withSelected([](Polygon2D* polygon) { polygon->removePolygonUV(); });
}

bool Polygon2DList::selectedCleanPolygonUVAnimation() {
    return withSelected([](Polygon2D* polygon) { polygon->cleanPolygonUVAnimation(); });
}

unsigned int Polygon2DList::selectedGetVertexCount() {
    return selected ? selected->getVertexCount() : 0;
}

uint8 Polygon2DList::selectedGetVertexType(unsigned int i) {
    return selected ? selected->getVertexType(i) : 0;
}

uint8 Polygon2DList::selectedGetCollisionID() {
    return selected ? selected->getCollisionID() : 0;
}

vec2f32 Polygon2DList::selectedGetVertexPosition(unsigned int i) {
    return selected ? selected->getVertexPosition(i) : vec2f32();
}

vec2f32 Polygon2DList::selectedGetVertexUV(unsigned int i) {
    return selected ? selected->getVertexUV(i) : vec2f32();
}

vec2f32 Polygon2DList::selectedGetTranslate() {
    return selected ? selected->getTranslate() : vec2f32();
}

color4f32 Polygon2DList::selectedGetVertexColor(unsigned int i) {
    return selected ? selected->getVertexColor(i) : color4f32(0.f, 0.f, 0.f, 0.f);
}

vec2ui32 Polygon2DList::selectedGetFrames() {
    return selected ? selected->getFrames() : vec2ui32();
}

size2f32 Polygon2DList::selectedGetScale() {
    return selected ? selected->getScale() : size2f32(0.f, 0.f);
}

float32 Polygon2DList::selectedGetAngle() {
    return selected ? selected->getAngle() : 0.f;
}

float32 Polygon2DList::selectedGetCircleRadius() {
    return selected ? selected->getCircleRadius() : 0.f;
}

float32 Polygon2DList::selectedGetDensity() {
    return selected ? selected->getDensity() : 0.f;
}

float32 Polygon2DList::selectedGetFriction() {
    return selected ? selected->getFriction() : 0.f;
}

float32 Polygon2DList::selectedGetRestitution() {
    return selected ? selected->getRestitution() : 0.f;
}

bool Polygon2DList::selectedIsCircle() {
    return selected && selected->isCircle();
}

bool Polygon2DList::selectedIsLine() {
    return selected && selected->isLine();
}

} // namespace shape
} // namespace zelk
