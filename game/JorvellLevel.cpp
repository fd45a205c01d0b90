#include "JorvellLevel.h"

#include "JorvellData.h"
#include "JorvellFilters.h"

#include "zelk/shape/Circle2D.h"
#include "zelk/shape/Mesh2D.h"
#include "zelk/shape/Polygon2D.h"
#include "zelk/shape/Rectangle2D.h"
#include "zelk/shape/Triangle2D.h"

#include <initializer_list>

namespace jorvell {

namespace {

using zelk::color4f32;
using zelk::size2f32;
using zelk::vec2f32;
using zelk::physics2D::PhysicObject2D;
using zelk::shape::Polygon2D;

const color4f32 white(1.f, 1.f, 1.f, 1.f);

// One object of the level: its shape, the image on it (null for none), its
// size, position and angle.
struct Placement {
    Polygon2D* shape;
    const char* texture;
    size2f32 size;
    vec2f32 position;
    float angle;
};

// Gives the object a mesh of its own holding a copy of the shape, the image,
// the size, position and angle; answers the mesh, or null (the object then
// stays bare).
zelk::shape::Mesh2D* dress(zelk::Object2D* object, const Placement& placement) {
    if (!object) {
        return nullptr;
    }
    zelk::shape::Mesh2D* mesh = object->newMesh(nullptr);
    if (!mesh) {
        return nullptr;
    }
    mesh->addPolygon(*placement.shape);
    if (placement.texture) {
        mesh->material.loadTexture(placement.texture, 0, nearestFilter);
    }
    object->size = placement.size;
    object->position = placement.position;
    object->angle = placement.angle;
    return mesh;
}

// A physics object of the level: dressed, with a copy of the shape as its
// physics mesh.
PhysicObject2D* physical(PhysicObject2D* object, const Placement& placement) {
    if (dress(object, placement)) {
        object->physicsMesh.addPolygon(*placement.shape);
    }
    return object;
}

void setVertices(Polygon2D& polygon, std::initializer_list<vec2f32> vertices) {
    unsigned int i = 0;
    for (vec2f32 vertex : vertices) {
        polygon.setVertexPosition(i++, vertex);
    }
}

// The tile set: the template image, the four slope cells, the three button
// cells and an animated button tile; the template and the slopes are solid.
// Answers the animated tile's ID.
unsigned int buildTiles(zelk::tiles::TileSet2D& tiles) {
    tiles.newTile(templatePicture, nearestFilter, white);
    tiles.loadImageTiles(tileSheet, 4, 1, nearestFilter, white);
    tiles.loadImageTiles(buttonStrip, 3, 1, nearestFilter, white);
    unsigned int animated = tiles.newTile(buttonStrip, nearestFilter, white);
    tiles.setTileFramesUV(animated, 3, 1);
    tiles.setTileFrameUVinPosition(animated, 1);
    tiles.addFrameInterpolation(animated, 0.f, 1.f);
    tiles.addFrameInterpolation(animated, 0.75f, 3.99f);
    tiles.addFrameInterpolation(animated, 1.5f, 1.f);
    tiles.loopOn(animated);
    tiles.playForward(animated);
    for (unsigned int id = 1; id <= 5; id++) {
        tiles.setTilePhysics(id, zelk::physics::staticBody);
    }

    zelk::shape::Rectangle2D box;
    box.setPivoToCenter();
    box.setScale(1.03f, 1.03f);
    box.setRestitution(0.2f);
    box.setFriction(0.5f);
    tiles.addTilePhysicsPolygon(1, box);
    tiles.addTilePhysicsPolygon(6, box);

    zelk::shape::Triangle2D slope;
    slope.setRestitution(0.2f);
    slope.setFriction(0.f);
    const vec2f32 slopes[4][3] = {
        {{-0.5f, -0.5f}, {0.5f, 0.5f}, {-0.5f, 0.5f}},
        {{-0.5f, -0.5f}, {0.5f, -0.5f}, {0.5f, 0.5f}},
        {{-0.5f, -0.5f}, {0.5f, -0.5f}, {-0.5f, 0.5f}},
        {{0.5f, 0.5f}, {0.5f, -0.5f}, {-0.5f, 0.5f}},
    };
    for (unsigned int i = 0; i < 4; i++) {
        setVertices(slope, {slopes[i][0], slopes[i][1], slopes[i][2]});
        tiles.addTilePhysicsPolygon(2 + i, slope);
    }
    return animated;
}

// The map of level 7: a floor and a ceiling of template tiles, a ledge with
// slopes at its ends and animated tiles in its middle, and the whole set
// shown along the ceiling.
void layTiles(zelk::tiles::TileMap2D* map, unsigned int tileCount, unsigned int animated) {
    const unsigned int width = 15;
    for (unsigned int row : {0u, 1u, 26u, 27u}) {
        for (unsigned int x = 0; x < width; x++) {
            map->setTile(1, x, row);
        }
    }
    for (unsigned int row : {13u, 14u}) {
        for (unsigned int x = 4; x <= 11; x++) {
            map->setTile(1, x, row);
        }
    }
    for (unsigned int i = 0; i < tileCount; i++) {
        map->setTile(i + 1, i, 0);
    }
    map->setTile(3, 3, 13);
    map->setTile(5, 3, 14);
    map->setTile(4, 12, 13);
    map->setTile(2, 12, 14);
    for (unsigned int row : {13u, 14u}) {
        for (unsigned int x = 6; x <= 9; x++) {
            map->setTile(animated, x, row);
        }
    }
    map->setPosition(25.f, 49.75f);
    map->setScaleMap(1.f, 0.5f);
}

} // namespace

LevelParts buildLevel(zelk::Cenario2D& scene) {
    using zelk::physics::dynamicBody;
    using zelk::physics::kinematicBody;
    using zelk::physics::staticBody;

    LevelParts parts;

    zelk::shape::Rectangle2D box;
    box.setPivoToCenter();
    box.setFriction(0.5f);

    zelk::shape::Rectangle2D heavyBox;
    heavyBox.setPivoToCenter();
    heavyBox.setFriction(0.01f);
    heavyBox.setDensity(10.f);
    heavyBox.setPolygonColor(0.f, 1.f, 1.f, 1.f);

    zelk::shape::Circle2D disc;
    disc.setPolygonColor(1.f, 1.f, 1.f, 0.5f);
    disc.createPolygon(12, 2.5f);

    Polygon2D pole;
    pole.setPolygonColor(1.f, 1.f, 1.f, 0.5f);
    pole.createPolygon(5);
    const vec2f32 polePoints[5] = {
        {0.f, 10.f}, {-0.5f, 9.f}, {-0.5f, -10.f}, {0.5f, -10.f}, {0.5f, 9.f}};
    const vec2f32 poleUV[5] = {{0.5f, 1.f}, {0.f, 0.95f}, {0.f, 0.f}, {1.f, 0.f}, {1.f, 0.95f}};
    for (unsigned int i = 0; i < 5; i++) {
        pole.setVertexPosition(i, polePoints[i]);
        pole.setVertexUV(i, poleUV[i]);
    }

    zelk::shape::Triangle2D tip;
    setVertices(tip, {{0.f, 10.f}, {-0.5f, 9.f}, {0.5f, 9.f}});

    auto ground = [&](size2f32 size, vec2f32 position, float angle) {
        physical(scene.newPhysycObject(groundLevel, staticBody),
                 {&box, templatePicture, size, position, angle});
    };
    ground({1.f, 20.f}, {-20.5f, 5.5f}, 0.f);
    ground({40.f, 1.f}, {0.f, -4.f}, 0.f);
    ground({10.f, 1.f}, {30.f, -4.f}, 0.f);
    ground({50.f, 1.f}, {68.f, -4.f}, 0.f);
    ground({1.f, 6.f}, {68.f, -0.5f}, 0.f);
    ground({20.f, 1.f}, {58.5f, 2.5f}, 0.f);

    Polygon2D ramp;
    ramp.createPolygon(4);
    setVertices(ramp, {{0.f, 0.f}, {1.f, 0.f}, {1.f, 1.f}, {0.f, 0.2f}});
    for (unsigned int i = 0; i < 4; i++) {
        ramp.setVertexUV(i, ramp.getVertexPosition(i));
    }
    ramp.setPolygonColor(0.f, 1.f, 1.f, 1.f);
    physical(scene.newPhysycObject(groundLevel, staticBody),
             {&ramp, templatePicture, {10.f, 4.f}, {82.f, 0.5f}, 0.f});

    ground({10.f, 1.f}, {75.5f, 9.5f}, -25.f);
    ground({1.f, 20.f}, {92.5f, 5.5f}, 0.f);
    ground({20.f, 1.f}, {62.5f, 12.5f}, 0.f);

    dress(scene.newObject(decorationLevel),
          {&pole, templatePicture, {1.f, 1.f}, {45.f, 5.5f}, 0.f});

    tip.setPolygonColor(1.f, 1.f, 0.f, 1.f);
    parts.jointBase = physical(scene.newPhysycObject(groundLevel, staticBody),
                               {&tip, nullptr, {1.f, 1.f}, {45.f, 5.5f}, 0.f});
    scene.loadPhysicObjectToWorld(groundLevel, parts.jointBase);
    parts.jointArm = physical(scene.newPhysycObject(groundLevel, dynamicBody),
                              {&heavyBox, templatePicture, {12.f, 1.f}, {45.f, 16.f}, 0.f});
    scene.loadPhysicObjectToWorld(groundLevel, parts.jointArm);
    if (parts.jointBase && parts.jointArm) {
        scene.world.createRevoluteAngleJoint(parts.jointBase, parts.jointArm,
                                             parts.jointArm->position - vec2f32(0.f, 0.5f), -30.f,
                                             30.f, true);
    }

    ground({20.f, 1.f}, {25.f, 25.f}, 0.f);

    box.setFriction(10.f);
    parts.platform = physical(scene.newPhysycObject(platformLevel, kinematicBody),
                              {&box, templatePicture, {10.f, 1.f}, {0.f, 25.f}, 0.f});
    box.setFriction(0.5f);
    if (parts.platform) {
        if (zelk::shape::Mesh2D* mesh = parts.platform->getMesh(0)) {
            mesh->setPolygonsColor(1.f, 0.f, 0.f, 1.f);
        }
        zelk::animation::Path2DGroup& path = parts.platform->positionPath;
        path.addNewFrame(1.f, 9.f, 25.f);
        path.addNewFrame(5.f, 0.f, 25.f);
        path.addNewFrame(5.f, 0.f, 50.f);
        path.addNewFrame(1.f, 0.f, 50.f);
        path.addNewFrame(5.f, 0.f, 25.f);
        path.addNewFrame(5.f, 9.f, 25.f);
        path.loopOn();
        path.playForward();
    }

    disc.createPolygon(100, 5.f);
    zelk::Object2D* wheel = scene.newObject(decorationLevel);
    if (dress(wheel, {&disc, templatePicture, {7.f, 7.f}, {0.f, 30.f}, 0.f})) {
        wheel->animationAngle.addFirstInterpolationLine(0.f, 0.f, 10.f, 360.f);
        wheel->animationAngle.loopOn();
        wheel->animationAngle.playForward();
    }

    ground({20.f, 1.f}, {15.f, 50.f}, 0.f);

    if (zelk::shape::Mesh2D* sign = dress(scene.newObject(decorationLevel),
                                          {&box, waitSign, {4.5f, 4.f}, {18.f, 30.f}, 0.f})) {
        sign->setPolygonsColor(1.f, 1.f, 1.f, 0.75f);
    }

    unsigned int animated = buildTiles(scene.tileSet);
    parts.tileMap = scene.newTileMapInPosition(tileMapLevel, 15, 28);
    if (parts.tileMap) {
        layTiles(parts.tileMap, scene.tileSet.getTileSize(), animated);
    }

    ground({20.f, 1.f}, {55.f, 50.f}, 0.f);
    ground({20.f, 1.f}, {65.f, 59.5f}, 90.f);

    if (PhysicObject2D* end = scene.newPhysycSensor(endLevel, staticBody)) {
        end->size = size2f32(0.5f, 0.5f);
        end->position = vec2f32(60.f, 50.5f);
        end->physicsMesh.addPolygon(box);
    }

    if (zelk::shape::Mesh2D* door = dress(scene.newObject(decorationLevel),
                                          {&box, nullptr, {3.f, 6.f}, {60.f, 53.5f}, 0.f})) {
        door->setPolygonsColor(1.f, 1.f, 1.f, 0.5f);
    }
    zelk::shape::Triangle2D corner;
    setVertices(corner, {{0.f, 0.f}, {1.f, 0.f}, {0.f, 1.f}});
    if (zelk::shape::Mesh2D* mesh = dress(scene.newObject(decorationLevel),
                                          {&corner, nullptr, {3.f, 6.f}, {61.5f, 50.5f}, 0.f})) {
        mesh->setPolygonsColor(1.f, 1.f, 1.f, 0.75f);
    }
    return parts;
}

} // namespace jorvell
