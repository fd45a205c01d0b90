#include "zelk/shape/Polygon2D.h"

#include "zelk/animation/Interpolation1DGroup.h"
#include "zelk/shape/Vertex2DAnimatedUV.h"

namespace zelk {
namespace shape {

namespace {

// The framed vertex, or null for a missing vertex or another kind.
Vertex2DAnimatedUV* framed(Vertex2D* vertex) {
    return vertex && vertex->getType() == 3 ? static_cast<Vertex2DAnimatedUV*>(vertex) : nullptr;
}

// Runs show on every framed vertex; true when there was one.
template <typename Show> bool showOnFramed(const vector::Array<Vertex2D*>& vertexs, Show show) {
    bool shown = false;
    for (unsigned int i = 0; i < vertexs.size(); i++) {
        if (Vertex2DAnimatedUV* vertex = framed(vertexs.get(i))) {
            show(vertex);
            shown = true;
        }
    }
    return shown;
}

} // namespace

Vertex2D* Polygon2D::replaceVertex(unsigned int i, Vertex2D* replacement) {
    Vertex2D* old = vertexs.get(i);
    replacement->position = old->position;
    replacement->color = old->color;
    vertexs.set(i, replacement);
    delete old;
    return replacement;
}

vec2f32 Polygon2D::getVertexUV(unsigned int i) const {
    Vertex2D* vertex = vertexs.get(i);
    if (Vertex2DAnimatedUV* animated = framed(vertex)) {
        return animated->getSaved();
    }
    if (vertex && vertex->getType() == 2) {
        return static_cast<Vertex2DWithUV*>(vertex)->getUV();
    }
    return vec2f32();
}

bool Polygon2D::setVertexUV(unsigned int i, vec2f32 uv) {
    frameUsing = vec2ui32(0u, 0u);
    Vertex2D* vertex = vertexs.get(i);
    if (!vertex) {
        return false;
    }
    if (vertex->getType() == 1) {
        vertex = replaceVertex(i, new Vertex2DWithUV());
    }
    static_cast<Vertex2DWithUV*>(vertex)->setUV(uv);
    return true;
}

bool Polygon2D::setVertexUV(unsigned int i, float32 u, float32 v) {
    return setVertexUV(i, vec2f32(u, v));
}

bool Polygon2D::removeVertexUV(unsigned int i) {
    frameUsing = vec2ui32(0u, 0u);
    Vertex2D* vertex = vertexs.get(i);
    if (!vertex || vertex->getType() == 1) {
        return false;
    }
    replaceVertex(i, new Vertex2D());
    return true;
}

void Polygon2D::removePolygonUV() {
    for (unsigned int i = 0; i < vertexs.size(); i++) {
        removeVertexUV(i);
    }
}

bool Polygon2D::setVertexUVFrames(unsigned int i, vec2ui32 grid) {
    Vertex2D* vertex = vertexs.get(i);
    if (!vertex) {
        return false;
    }
    Vertex2DAnimatedUV* animated = framed(vertex);
    if (!animated) {
        bool textured = vertex->getType() == 2;
        vec2f32 uv = textured ? static_cast<Vertex2DWithUV*>(vertex)->getUV() : vec2f32();
        animated = static_cast<Vertex2DAnimatedUV*>(replaceVertex(i, new Vertex2DAnimatedUV()));
        if (textured) {
            animated->setUV(uv);
        }
    }
    return animated->setUVFrames(grid);
}

bool Polygon2D::setPolygonUVFrames(vec2ui32 grid) {
    frameUsing = vec2ui32(0u, 0u);
    if (grid.x == 0 || grid.y == 0) {
        return false;
    }
    frames = grid;
    for (unsigned int i = 0; i < vertexs.size(); i++) {
        setVertexUVFrames(i, grid);
    }
    updateFramesSize();
    return true;
}

bool Polygon2D::setPolygonUVFrames(unsigned int columns, unsigned int rows) {
    return setPolygonUVFrames(vec2ui32(columns, rows));
}

bool Polygon2D::setPolygonUVFramesX(unsigned int columns) {
    if (columns != 0) {
        frames.x = columns;
    }
    return setPolygonUVFrames(vec2ui32(columns, frames.y));
}

bool Polygon2D::setPolygonUVFramesY(unsigned int rows) {
    if (rows != 0) {
        frames.y = rows;
    }
    return setPolygonUVFrames(vec2ui32(frames.x, rows));
}

void Polygon2D::usePolygonUVFrame(vec2ui32 frame) {
    frameUsing = vec2ui32(0u, 0u);
    if (showOnFramed(vertexs, [frame](Vertex2DAnimatedUV* vertex) { vertex->useUVFrame(frame); })) {
        frameUsing = frame;
    }
}

void Polygon2D::usePolygonUVFramePosition(unsigned int p) {
    if (frames.x == 0 || frames.y == 0) {
        return;
    }
    vec2ui32 frame(p % frames.x, p / frames.x);
    showOnFramed(vertexs, [frame](Vertex2DAnimatedUV* vertex) { vertex->useUVFrame(frame); });
    frameUsing = frame;
}

void Polygon2D::usePolygonUVFrameX(unsigned int column) {
    if (showOnFramed(vertexs,
                     [column](Vertex2DAnimatedUV* vertex) { vertex->useUVFrameX(column); })) {
        frameUsing.x = column;
    }
}

void Polygon2D::usePolygonUVFrameY(unsigned int row) {
    if (showOnFramed(vertexs, [row](Vertex2DAnimatedUV* vertex) { vertex->useUVFrameY(row); })) {
        frameUsing.y = row;
    }
}

void Polygon2D::cleanPolygonUVAnimation() {
    showOnFramed(vertexs, [](Vertex2DAnimatedUV* vertex) { vertex->cleanUVAnimation(); });
}

void Polygon2D::updateFramesSize() {
    framesSize = frames.x * frames.y;
}

bool Polygon2D::framesCreateAnimation() {
    framesRemoveAnimation();
    animation::Interpolation1DGroup* group = new animation::Interpolation1DGroup();
    animationFramesCreator = framesSetAnimation(group);
    if (!animationFramesCreator) {
        delete group;
    }
    return animationFramesCreator;
}

bool Polygon2D::framesSetAnimation(animation::Interpolation1DGroup* group) {
    if (!group) {
        return false;
    }
    if (group == animationFrames && heldAnimation) {
        return true;
    }
    framesRemoveAnimation();
    if (!group->retainObject(&heldAnimation)) {
        return false;
    }
    animationFrames = group;
    return true;
}

void Polygon2D::framesRemoveAnimation() {
    animationFramesCreator = false;
    animationFrames = nullptr;
    if (heldAnimation) {
        heldAnimation->releaseObject(&heldAnimation);
    }
}

} // namespace shape
} // namespace zelk
