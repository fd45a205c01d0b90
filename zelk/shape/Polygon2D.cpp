#include "zelk/shape/Polygon2D.h"

#include "zelk/GU.h"
#include "zelk/Math.h"
#include "zelk/animation/Interpolation1DGroup.h"

#include <cstdio>

namespace zelk {
namespace shape {

namespace {
// OpenGL's primitive codes.
const unsigned int glLineLoop = 2, glPolygon = 9;
} // namespace

Polygon2D::Polygon2D()
    : polygonColor(), framesSize(1), frameUsing(), canDeleteVertex(false), vertexs(), angle(0.f),
      scale(), translate(), circleFlag(false), radius(1.f), lineFlag(false), collisionID(0),
      density(1.f), friction(0.f), restitution(0.f), frames(1u, 1u), animationFrames(nullptr),
      animationFramesCreator(false), heldAnimation(nullptr) {}

Polygon2D::Polygon2D(unsigned int n) : Polygon2D() {
    polygonColor = color4f32(0.f, 0.f, 0.f, 1.f);
    createPolygon(n);
}

Polygon2D::Polygon2D(const Polygon2D& other)
    : polygonColor(other.polygonColor), framesSize(other.framesSize), frameUsing(other.frameUsing),
      canDeleteVertex(other.canDeleteVertex), vertexs(other.vertexs), angle(other.angle),
      scale(other.scale), translate(other.translate), circleFlag(other.circleFlag),
      radius(other.radius), lineFlag(other.lineFlag), collisionID(other.collisionID),
      density(other.density), friction(other.friction), restitution(other.restitution),
      frames(other.frames), animationFrames(other.animationFrames),
      animationFramesCreator(other.animationFramesCreator), heldAnimation(nullptr) {}

Polygon2D::~Polygon2D() {
    if (canDeleteVertex) {
        Polygon2D::deletePolygon();
    } else {
        vertexs.cantDeleteVector();
    }
    framesRemoveAnimation();
}

bool Polygon2D::createPolygon(unsigned int n) {
    deletePolygon();
    if (!canDeleteVertex) {
        detachVertexs();
    }
    if (n < 2 || !vertexs.createArray(n)) {
        return false;
    }
    for (unsigned int i = 0; i < n; i++) {
        Vertex2D* vertex = new Vertex2D();
        vertex->color = polygonColor;
        vertexs.set(i, vertex);
    }
    canDeleteVertex = true;
    return true;
}

void Polygon2D::deletePolygon() {
    if (!canDeleteVertex) {
        return;
    }
    framesRemoveAnimation();
    for (unsigned int i = 0; i < vertexs.size(); i++) {
        delete vertexs.get(i);
    }
    vertexs.deleteArray();
    canDeleteVertex = false;
}

void Polygon2D::detachVertexs() {
    vertexs.cantDeleteVector();
    vertexs = vector::Array<Vertex2D*>();
}

size2f32 Polygon2D::getScale() {
    return scale;
}

float32 Polygon2D::getAngle() {
    return angle;
}

bool Polygon2D::isCircle() {
    return circleFlag;
}

bool Polygon2D::isRect() {
    return false;
}

bool Polygon2D::isLine() {
    return lineFlag;
}

void Polygon2D::print() {
    for (unsigned int i = 0; i < vertexs.size(); i++) {
        if (Vertex2D* vertex = vertexs.get(i)) {
            vertex->print(i);
        }
    }
}

void Polygon2D::draw() {
    drawPrimitive(glPolygon);
}

void Polygon2D::drawWire() {
    drawPrimitive(glLineLoop);
}

void Polygon2D::drawVertexs() {
    for (unsigned int i = 0; i < vertexs.size(); i++) {
        if (Vertex2D* vertex = vertexs.get(i)) {
            vertex->draw();
        }
    }
}

void Polygon2D::pushTransform() {
    GU::guPushMatrix();
    GU::guTranslate2f32(translate);
    GU::guRotateZf32(angle);
    GU::guScale2f32(scale);
}

void Polygon2D::drawPrimitive(unsigned int mode) {
    pushTransform();
    GU::guBegin(mode);
    drawVertexs();
    GU::guEnd();
    GU::guPopMatrix();
}

bool Polygon2D::setVertexPosition(unsigned int i, vec2f32 position) {
    Vertex2D* vertex = vertexs.get(i);
    if (!vertex) {
        return false;
    }
    vertex->position = position;
    return true;
}

bool Polygon2D::setVertexPosition(unsigned int i, float32 x, float32 y) {
    return setVertexPosition(i, vec2f32(x, y));
}

bool Polygon2D::setVertexColor(unsigned int i, color4f32 color) {
    Vertex2D* vertex = vertexs.get(i);
    if (!vertex) {
        return false;
    }
    vertex->color = color;
    return true;
}

bool Polygon2D::setVertexColor(unsigned int i, float32 r, float32 g, float32 b) {
    return setVertexColor(i, color4f32(r, g, b, 1.f));
}

bool Polygon2D::setVertexColor(unsigned int i, float32 r, float32 g, float32 b, float32 a) {
    return setVertexColor(i, color4f32(r, g, b, a));
}

bool Polygon2D::setPolygonColor(color4f32 color) {
    polygonColor = color;
    for (unsigned int i = 0; i < vertexs.size(); i++) {
        setVertexColor(i, color);
    }
    return vertexs.size() != 0;
}

bool Polygon2D::setPolygonColor(color3f32 color) {
    return setPolygonColor(color4f32(color.r, color.g, color.b, 1.f));
}

bool Polygon2D::setPolygonColor(float32 r, float32 g, float32 b) {
    return setPolygonColor(color4f32(r, g, b, 1.f));
}

bool Polygon2D::setPolygonColor(float32 r, float32 g, float32 b, float32 a) {
    return setPolygonColor(color4f32(r, g, b, a));
}

uint8 Polygon2D::getVertexType(unsigned int i) const {
    Vertex2D* vertex = vertexs.get(i);
    return vertex ? vertex->getType() : 0;
}

vec2f32 Polygon2D::getVertexPosition(unsigned int i) const {
    Vertex2D* vertex = vertexs.get(i);
    return vertex ? vertex->position : vec2f32();
}

color4f32 Polygon2D::getVertexColor(unsigned int i) const {
    Vertex2D* vertex = vertexs.get(i);
    return vertex ? vertex->color : color4f32(0.f, 0.f, 0.f, 0.f);
}

void Polygon2D::setTranslate(vec2f32 position) {
    translate = position;
}

void Polygon2D::setTranslate(float32 x, float32 y) {
    translate = vec2f32(x, y);
}

void Polygon2D::setScale(size2f32 size) {
    scale = size;
}

void Polygon2D::setScale(float32 width, float32 height) {
    scale = size2f32(width, height);
}

void Polygon2D::setAngle(float32 degrees) {
    angle = degrees;
}

void Polygon2D::setDensity(float32 value) {
    density = value;
}

void Polygon2D::setFriction(float32 value) {
    friction = value;
}

void Polygon2D::setRestitution(float32 value) {
    restitution = value;
}

Polygon2D Polygon2D::operator=(Polygon2D other) {
    // A copy of this very polygon shares its vertices: rebuilding would free
    // what it reads from.
    bool sameVertices = vertexs.size() != 0 && vertexs.size() == other.vertexs.size() &&
                        vertexs.get(0) == other.vertexs.get(0);
    if (!sameVertices) {
        // Held for the rebuild: letting go of this polygon's own animation
        // must not delete the one other shares with it.
        animation::InterpolationGroup* shared = nullptr;
        if (other.framesGetAnimation()) {
            other.framesGetAnimation()->retainObject(&shared);
        }
        deletePolygon();
        if (createPolygon(other.getVertexCount())) {
            for (unsigned int i = 0; i < vertexs.size(); i++) {
                setVertexPosition(i, other.getVertexPosition(i));
                setVertexColor(i, other.getVertexColor(i));
                uint8 type = other.getVertexType(i);
                if (type == 2 || type == 3) {
                    setVertexUV(i, other.getVertexUV(i));
                }
                if (type == 3) {
                    setVertexUVFrames(i, other.getFrames());
                }
            }
        }
        setPolygonUVFrames(other.getFrames());
        usePolygonUVFrame(other.frameUsing);
        setTranslate(other.getTranslate());
        setScale(other.scale);
        setAngle(other.angle);
        setDensity(other.getDensity());
        setFriction(other.getFriction());
        setRestitution(other.getRestitution());
        circleFlag = other.circleFlag;
        radius = other.radius;
        lineFlag = other.lineFlag;
        collisionID = other.collisionID;
        framesSetAnimation(other.framesGetAnimation());
        animationFramesCreator = other.animationFramesCreator;
        if (shared) {
            shared->releaseObject(&shared);
        }
    }
    other.cantDeletePolygon();
    return other;
}

bool Polygon2D::isCounterclockwise() {
    unsigned int count = vertexs.size();
    if (count < 3) {
        return false;
    }
    float32 sum = 0.f;
    for (unsigned int i = 0; i < count; i++) {
        vec2f32 from = getVertexPosition(i);
        vec2f32 to = getVertexPosition((i + 1) % count);
        float32 turn = Math::getAngleDistance(from, to);
        printf("\nAngle (%.2f,%.2f) (%.2f,%.2f) == %.2f", from.x, from.y, to.x, to.y, turn);
        sum += turn;
    }
    printf("\nSum == %.2f", sum);
    return false;
}

} // namespace shape
} // namespace zelk
