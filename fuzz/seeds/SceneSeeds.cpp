// Seeds of the scene reader.
#include "Seeds.h"

#include "zelk/Cenario2D.h"

namespace zelk {
namespace fuzz {

namespace {

// A unit box of the scene's level, drawn blue.
physics2D::PhysicObject2D* box(Cenario2D& scene, unsigned int level, physics::bodyType type,
                               vec2f32 position) {
    physics2D::PhysicObject2D* object = scene.newPhysycObject(level, type);
    object->position = position;
    shape::Polygon2D corners(2);
    corners.setVertexPosition(0, -0.5f, -0.5f);
    corners.setVertexPosition(1, 0.5f, 0.5f);
    object->physicsMesh.addPolygon(corners);
    object->newMesh(nullptr)->addPolygon(corners);
    return object;
}

// A scene of every kind its document holds: a tile set with a solid and an
// animated tile, a level of plain objects, a level of physics objects with
// a path and a sensor, a tile map with physics tiles, and joints between
// bodies and to a physics tile.
void fillScene(Cenario2D& scene) {
    color4f32 white(1.f, 1.f, 1.f, 1.f);
    unsigned int solid = scene.tileSet.newTile(white);
    scene.tileSet.setTilePhysics(solid, physics::staticBody);
    unsigned int animated = scene.tileSet.newTile(color4f32(1.f, 0.f, 0.f, 1.f));
    scene.tileSet.setTileFramesUV(animated, 2, 1);
    scene.tileSet.addFrameInterpolation(animated, 0.f, 1.f);
    scene.tileSet.addFrameInterpolation(animated, 1.f, 2.f);

    Object2D* turning = scene.newObject(1);
    shape::Polygon2D triangle(3);
    triangle.setVertexPosition(1, 1.f, 0.f);
    triangle.setVertexPosition(2, 0.f, 1.f);
    turning->newMesh(nullptr)->addPolygon(triangle);
    turning->animationAngle.addFirstInterpolationLine(0.f, 0.f, 10.f, 360.f);
    scene.newObject(1, 2.5f)->position = vec2f32(3.f, 1.f);

    physics2D::PhysicObject2D* ground = box(scene, 2, physics::staticBody, vec2f32(0.f, -5.f));
    physics2D::PhysicObject2D* lift = box(scene, 2, physics::kinematicBody, vec2f32(10.f, 0.f));
    lift->positionPath.addNewFrame(1.f, 10.f, 0.f);
    lift->positionPath.addNewFrame(2.f, 10.f, 4.f);
    physics2D::PhysicObject2D* first = box(scene, 2, physics::dynamicBody, vec2f32(0.f, 1.5f));
    physics2D::PhysicObject2D* second = box(scene, 2, physics::dynamicBody, vec2f32(2.f, 1.5f));
    physics2D::StaticSensor2D* sensor = scene.newPhysycSensor(2, physics::staticBody);
    shape::Polygon2D corners(2);
    corners.setVertexPosition(1, 1.f, 1.f);
    sensor->physicsMesh.addPolygon(corners);

    tiles::TileMap2D* map = scene.newTileMapInPosition(3, 4, 3);
    map->setScaleMap(1.f, 0.5f);
    map->setPosition(-12.f, -8.f);
    for (unsigned int x = 0; x < 4; x++) {
        map->setTile(solid, x, 2);
    }
    map->setTile(animated, 1, 0);
    scene.loadPhysicObjectsToWorld();

    vec2f32 up(0.f, 0.5f);
    scene.world.createRevoluteJoint(first, up, ground, vec2f32(0.f, 0.5f), false);
    scene.world.createDistanceJoint(first, up, second, up, 2.f, 3.f, false);
    scene.world.createPrismaticJoint(second, up, ground, vec2f32(2.f, 0.5f), vec2f32(1.f, 0.f),
                                     -1.f, 2.f, false);
    scene.world.createRopeJoint(first, up, second, up, 2.5f, true);
    scene.world.createRevoluteJoint(second, up, map->getPhysicTile(2u, 2u), up, false);
}

} // namespace

bool writeSceneSeeds(const std::string& root) {
    SeedFolder scenes(root, "scene");
    bool written = scenes.writeDocument("scene.xml", [](XML* xml) {
        Cenario2D scene;
        fillScene(scene);
        scene.writeToXML(xml, 0);
    });
    written &= scenes.writeDocument("empty.xml", [](XML* xml) {
        Cenario2D scene;
        scene.writeToXML(xml, 0);
    });
    return written;
}

} // namespace fuzz
} // namespace zelk
