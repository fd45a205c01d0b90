#include "zelk/tiles/Tile2D.h"

#include "zelk/ElementXML.h"
#include "zelk/XML.h"
#include "zelk/physics2D/DynamicObject2D.h"
#include "zelk/physics2D/KinematicObject2D.h"
#include "zelk/physics2D/StaticObject2D.h"
#include "zelk/shape/Quadrangle2D.h"
#include "zelk/shape/Rectangle2D.h"

namespace zelk {
namespace tiles {

Tile2D::Tile2D()
    : object(), physicsObject(nullptr), savedSize(), defaultPhysicsPolygon(false), mesh() {
    shape::Quadrangle2D quadrangle;
    quadrangle.setPolygonColor(1.f, 1.f, 1.f, 1.f);
    const vec2f32 corners[4] = {vec2f32(-0.5f, -0.5f), vec2f32(-0.5f, 0.5f), vec2f32(0.5f, 0.5f),
                                vec2f32(0.5f, -0.5f)};
    const vec2f32 coordinates[4] = {vec2f32(0.f, 1.f), vec2f32(0.f, 0.f), vec2f32(1.f, 0.f),
                                    vec2f32(1.f, 1.f)};
    for (unsigned int i = 0; i < 4; i++) {
        quadrangle.setVertexPosition(i, corners[i]);
        quadrangle.setVertexUV(i, coordinates[i]);
    }
    mesh.addPolygon(quadrangle);
    mesh.selectPolygon(0);
    object.addMesh(&mesh);
    object.selectMesh(0);
}

Tile2D::~Tile2D() {
    object.removeAllMesh();
    deletePhysics();
    mesh.cleanTextures();
}

void Tile2D::setPosition(vec2f32 position) {
    object.position = position;
}

void Tile2D::setPosition(float x, float y) {
    setPosition(vec2f32(x, y));
}

vec2f32 Tile2D::getPosition() {
    return object.position;
}

float Tile2D::getPositionX() {
    return object.position.x;
}

float Tile2D::getPositionY() {
    return object.position.y;
}

void Tile2D::setColor(color4f32 color) {
    mesh.selectedSetPolygonColor(color);
}

void Tile2D::setColor(float r, float g, float b, float a) {
    setColor(color4f32(r, g, b, a));
}

void Tile2D::setRect(rectf32 rect) {
    object.position = rect.origin;
    object.size = rect.size;
}

void Tile2D::setRect(vec2f32 origin, size2f32 size) {
    setRect(rectf32(origin.x, origin.y, size.width, size.height));
}

void Tile2D::setRect(float x, float y, float w, float h) {
    setRect(rectf32(x, y, w, h));
}

void Tile2D::setFrame(rectf32 frame) {
    object.size = frame.size;
    object.position.x = static_cast<float>(static_cast<double>(frame.origin.x) -
                                           static_cast<double>(frame.size.width) * 0.5);
    object.position.y = static_cast<float>(static_cast<double>(frame.origin.y) -
                                           static_cast<double>(frame.size.height) * 0.5);
}

void Tile2D::setFrame(vec2f32 origin, size2f32 size) {
    setFrame(rectf32(origin.x, origin.y, size.width, size.height));
}

void Tile2D::setFrame(float x, float y, float w, float h) {
    setFrame(rectf32(x, y, w, h));
}

void Tile2D::setRectUV(rectf32 rect) {
    mesh.selectedSetVertexUV(0, rect.origin.x, rect.origin.y);
    mesh.selectedSetVertexUV(1, rect.origin.x, rect.size.height);
    mesh.selectedSetVertexUV(2, rect.size.width, rect.size.height);
    mesh.selectedSetVertexUV(3, rect.size.width, rect.origin.y);
}

void Tile2D::setRectUV(vec2f32 origin, size2f32 corner) {
    setRectUV(rectf32(origin.x, origin.y, corner.width, corner.height));
}

void Tile2D::setRectUV(float x, float y, float w, float h) {
    setRectUV(rectf32(x, y, w, h));
}

size2f32 Tile2D::getSize() {
    return object.size;
}

float Tile2D::getWidth() {
    return object.size.width;
}

float Tile2D::getHeight() {
    return object.size.height;
}

bool Tile2D::setFramesUV(vec2ui32 frames) {
    return mesh.selectedSetPolygonUVFrames(frames);
}

bool Tile2D::setFramesUV(unsigned int columns, unsigned int rows) {
    return setFramesUV(vec2ui32(columns, rows));
}

bool Tile2D::useFrameUV(vec2ui32 frame) {
    return mesh.selectedUsePolygonUVFrame(frame);
}

bool Tile2D::useFrameUV(unsigned int column, unsigned int row) {
    return useFrameUV(vec2ui32(column, row));
}

bool Tile2D::useFrameUVinPosition(unsigned int n) {
    return mesh.selectedUsePolygonUVFramePosition(n);
}

bool Tile2D::loadImage(char* name, unsigned int filter) {
    return name && mesh.material.loadTexture(name, 0, filter);
}

bool Tile2D::loadImage(const char* name, unsigned int filter) {
    return loadImage(const_cast<char*>(name), filter);
}

bool Tile2D::loadImageFromMemory(char* name, unsigned char* data, unsigned int size,
                                 unsigned int filter) {
    return name && mesh.material.loadTextureFromMemory(name, data, size, 0, filter);
}

bool Tile2D::loadImageFromMemory(const char* name, unsigned char* data, unsigned int size,
                                 unsigned int filter) {
    return loadImageFromMemory(const_cast<char*>(name), data, size, filter);
}

bool Tile2D::selectAnimation() {
    if (mesh.selectAnimationFramesFromPolygon(0)) {
        return true;
    }
    return mesh.newAnimationFramesToPolygon(0) && mesh.selectAnimationFramesFromPolygon(0);
}

bool Tile2D::addFrameInterpolation(float second, float frame) {
    return selectAnimation() && mesh.selectedAnimationAddInterpolationLine(second, frame);
}

unsigned int Tile2D::getInterpolationSize() {
    return selectAnimation() ? mesh.selectedAnimationGetInterpolationSize() : 0;
}

bool Tile2D::cleanFames() {
    return selectAnimation() && mesh.selectedAnimationCleanFrames();
}

bool Tile2D::playForward() {
    return selectAnimation() && mesh.selectedAnimationPlayForward();
}

bool Tile2D::playForwardIn(float second) {
    return selectAnimation() && mesh.selectedAnimationPlayForwardIn(second);
}

bool Tile2D::playRewind() {
    return selectAnimation() && mesh.selectedAnimationPlayRewind();
}

bool Tile2D::playRewindIn(float second) {
    return selectAnimation() && mesh.selectedAnimationPlayRewindIn(second);
}

bool Tile2D::pause() {
    return selectAnimation() && mesh.selectedAnimationPause();
}

bool Tile2D::stop() {
    return selectAnimation() && mesh.selectedAnimationStop();
}

bool Tile2D::setLoop(bool loop) {
    return selectAnimation() && mesh.selectedAnimationSetLoop(loop);
}

bool Tile2D::loopOn() {
    return selectAnimation() && mesh.selectedAnimationLoopOn();
}

bool Tile2D::loopOff() {
    return selectAnimation() && mesh.selectedAnimationLoopOff();
}

float Tile2D::getSecond() {
    return selectAnimation() ? mesh.selectedAnimationGetSecond() : 0.f;
}

bool Tile2D::isPlaying() {
    return selectAnimation() && mesh.selectedAnimationIsPlaying();
}

bool Tile2D::addAnimationName(char* name, float start, float end) {
    return selectAnimation() && mesh.selectedAnimationAddAnimationName(name, start, end);
}

bool Tile2D::addAnimationName(const char* name, float start, float end) {
    return addAnimationName(const_cast<char*>(name), start, end);
}

bool Tile2D::haveAnimationName(char* name) {
    return selectAnimation() && mesh.selectedAnimationHaveAnimationName(name);
}

bool Tile2D::haveAnimationName(const char* name) {
    return haveAnimationName(const_cast<char*>(name));
}

bool Tile2D::playNameForward(char* name) {
    return selectAnimation() && mesh.selectedAnimationPlayNameForward(name);
}

bool Tile2D::playNameForward(const char* name) {
    return playNameForward(const_cast<char*>(name));
}

bool Tile2D::playNameRewind(char* name) {
    return selectAnimation() && mesh.selectedAnimationPlayNameRewind(name);
}

bool Tile2D::playNameRewind(const char* name) {
    return playNameRewind(const_cast<char*>(name));
}

bool Tile2D::removeAnimationName(char* name) {
    return selectAnimation() && mesh.selectedAnimationRemoveAnimationName(name);
}

bool Tile2D::removeAnimationName(const char* name) {
    return removeAnimationName(const_cast<char*>(name));
}

bool Tile2D::setCurveX(unsigned int line) {
    return selectAnimation() && mesh.selectedAnimationSetCurveX(line);
}

bool Tile2D::setNotCurveX(unsigned int line) {
    return selectAnimation() && mesh.selectedAnimationSetNotCurveX(line);
}

bool Tile2D::getIsCurveX(unsigned int line) {
    return selectAnimation() && mesh.selectedAnimationGetIsCurveX(line);
}

bool Tile2D::setCurveP1X(unsigned int line, float second, float x) {
    return selectAnimation() && mesh.selectedAnimationSetCurveP1X(line, second, x);
}

bool Tile2D::setCurveP2X(unsigned int line, float second, float x) {
    return selectAnimation() && mesh.selectedAnimationSetCurveP2X(line, second, x);
}

void Tile2D::updateAnimation() {
    mesh.updateFramesAnimations();
}

bool Tile2D::setPhysics(physics::bodyType type) {
    deletePhysics();
    switch (type) {
    case physics::staticBody:
        physicsObject = new physics2D::StaticObject2D();
        break;
    case physics::kinematicBody:
        physicsObject = new physics2D::KinematicObject2D();
        break;
    case physics::dynamicBody:
        physicsObject = new physics2D::DynamicObject2D();
        break;
    default:
        return false;
    }
    return cleanPhysicsPolygons();
}

bool Tile2D::cleanPhysicsPolygons() {
    if (!physicsObject) {
        return false;
    }
    shape::Rectangle2D rectangle;
    rectangle.setPivoToCenter();
    rectangle.setScale(1.01f, 1.01f);
    rectangle.setRestitution(0.1f);
    rectangle.setFriction(0.5f);
    physicsObject->physicsMesh.cleanPolygons();
    physicsObject->physicsMesh.addPolygon(rectangle);
    defaultPhysicsPolygon = true;
    return true;
}

bool Tile2D::addPhysicsPolygon(shape::Polygon2D polygon) {
    polygon.cantDeletePolygon();
    // A polygon the physics mesh cannot store would leave the template
    // without the default rectangle and with nothing in its place.
    if (!physicsObject || polygon.getVertexCount() < 2) {
        return false;
    }
    if (defaultPhysicsPolygon) {
        physicsObject->physicsMesh.cleanPolygons();
    }
    physicsObject->physicsMesh.addPolygon(polygon);
    defaultPhysicsPolygon = false;
    return true;
}

void Tile2D::deletePhysics() {
    delete physicsObject;
    physicsObject = nullptr;
    defaultPhysicsPolygon = false;
}

void Tile2D::draw(float angle, size2f32 size) {
    savedSize = object.size;
    object.angle = angle;
    object.size = size;
    object.draw();
    object.angle = 0.f;
    object.size = savedSize;
}

void Tile2D::drawPhysic(float angle, size2f32 size) {
    if (!physicsObject) {
        return;
    }
    // The outline is drawn where the tile is; the template keeps its own
    // placement.
    vec2f32 ownPosition = physicsObject->position;
    float ownAngle = physicsObject->angle;
    size2f32 ownSize = physicsObject->size;
    physicsObject->position = object.position;
    physicsObject->angle = angle;
    physicsObject->size = size;
    physicsObject->drawWirePhysics();
    physicsObject->position = ownPosition;
    physicsObject->angle = ownAngle;
    physicsObject->size = ownSize;
}

bool Tile2D::writeToXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::open(xml, "tile_", id)) {
        return false;
    }
    ElementXML::writeFloat(xml, "tSizeW", savedSize.width);
    ElementXML::writeFloat(xml, "tSizeH", savedSize.height);
    object.writeToXML(xml, 0);
    if (physicsObject) {
        physicsObject->writeToXML(xml, 0, false);
    }
    ElementXML::close(xml);
    return true;
}

bool Tile2D::readFromXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::select(xml, "tile_", id)) {
        return false;
    }
    object.removeAllMesh();
    mesh.cleanPolygons();
    if (object.readFromXML(xml, 0)) {
        if (shape::Mesh2D* read = object.getMesh(0)) {
            mesh = *read;
        }
        object.removeAllMesh();
    }
    object.addMesh(&mesh);
    object.selectMesh(0);
    mesh.selectPolygon(0);

    deletePhysics();
    physicsObject = new physics2D::PhysicObject2D();
    if (!physicsObject->readFromXML(xml, 0)) {
        deletePhysics();
    }
    savedSize =
        size2f32(ElementXML::readFloat(xml, "tSizeW"), ElementXML::readFloat(xml, "tSizeH"));
    ElementXML::close(xml);
    return true;
}

} // namespace tiles
} // namespace zelk
