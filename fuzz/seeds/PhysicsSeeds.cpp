// Seeds of the physics object and physics world readers.
#include "Seeds.h"

#include "zelk/physics2D/DynamicObject2D.h"
#include "zelk/physics2D/KinematicObject2D.h"
#include "zelk/physics2D/StaticObject2D.h"
#include "zelk/physics2D/StaticSensor2D.h"
#include "zelk/physics2D/World2D.h"
#include "zelk/shape/Circle2D.h"
#include "zelk/shape/Lines2D.h"

namespace zelk {
namespace fuzz {

namespace {

// A box of the given half side around its position, turned a little, with a
// circle and a line beside it in its physics mesh.
void shapeObject(physics2D::PhysicObject2D* object, vec2f32 position, float half) {
    shape::Polygon2D corners(2);
    corners.setVertexPosition(0, -half, -half);
    corners.setVertexPosition(1, half, half);
    object->physicsMesh.addPolygon(corners);
    object->physicsMesh.addPolygon(shape::Circle2D(8, half / 2.f));
    shape::Lines2D line;
    line.createPolygon(2);
    line.setVertexPosition(0, -half, -2.f * half);
    line.setVertexPosition(1, half, -2.f * half);
    line.setCollisionID(3);
    object->physicsMesh.addPolygon(line);
    object->position = position;
    object->size = size2f32(1.f, 1.f);
    object->angle = 10.f;
}

} // namespace

bool writePhysicsSeeds(const std::string& root) {
    using namespace physics2D;
    SeedFolder objects(root, "physic_object");
    bool written = objects.writeDocument("dynamic.xml", [](XML* xml) {
        DynamicObject2D object;
        shapeObject(&object, vec2f32(1.5f, -2.f), 0.5f);
        object.fixedRotation = true;
        object.canSleep = false;
        object.addCollisionGroup(4);
        object.addNotCollisionGroup(7);
        object.positionPath.addNewFrame(1.f, 3.f, 4.f);
        object.positionPath.addNewFrame(2.f, 0.f, 4.f);
        object.anglePath.addNewFrame(2.f, 45.f);
        object.writeToXML(xml, 0, true);
    });
    written &= objects.writeDocument("sensor.xml", [](XML* xml) {
        StaticSensor2D sensor;
        shapeObject(&sensor, vec2f32(0.f, 0.f), 2.f);
        sensor.writeToXML(xml, 0, false);
    });

    SeedFolder worlds(root, "physics_world");
    written &= worlds.writeDocument("world.xml", [](XML* xml) {
        World2D world;
        StaticObject2D ground;
        DynamicObject2D box;
        KinematicObject2D platform;
        StaticSensor2D sensor;
        shapeObject(&ground, vec2f32(0.f, -5.f), 4.f);
        shapeObject(&box, vec2f32(0.f, 2.f), 0.5f);
        shapeObject(&platform, vec2f32(6.f, 0.f), 1.f);
        shapeObject(&sensor, vec2f32(-6.f, 0.f), 1.f);
        box.addCollisionGroup(2);
        world.addObject(&ground);
        world.addObject(&box);
        world.addObject(&platform);
        world.addObject(&sensor);
        world.writeToXML(xml, 0);
        world.removeObject(&sensor);
        world.removeObject(&platform);
        world.removeObject(&box);
        world.removeObject(&ground);
    });
    written &= worlds.writeDocument("empty.xml", [](XML* xml) {
        World2D world;
        world.writeToXML(xml, 0);
    });
    return written;
}

} // namespace fuzz
} // namespace zelk
