#include "JorvellCharacter.h"

#include "zelk/shape/Polygon2D.h"

#include <initializer_list>

namespace {

struct PolygonShape {
    std::initializer_list<zelk::vec2f32> vertices;
    zelk::color4f32 color;
};

// In units of the object's size; the foot reaches 0.01 below the halves.
const PolygonShape leftHalf{{{0.f, 0.495f}, {-0.5f, 0.495f}, {-0.5f, -0.35f}, {0.f, -0.5f}},
                            {0.f, 0.f, 1.f, 1.f}};
const PolygonShape rightHalf{{{0.f, 0.495f}, {0.f, -0.5f}, {0.5f, -0.35f}, {0.5f, 0.495f}},
                             {0.f, 1.f, 0.f, 1.f}};
const PolygonShape foot{{{-0.48f, -0.2f}, {0.f, -0.51f}, {0.48f, -0.2f}}, {1.f, 0.f, 0.f, 1.f}};
const PolygonShape headStrip{{{-0.45f, 0.5f}, {-0.4f, 0.35f}, {0.4f, 0.35f}, {0.45f, 0.5f}},
                             {0.f, 1.f, 1.f, 1.f}};

void fillPolygon(zelk::shape::Polygon2D& polygon, const PolygonShape& shape) {
    polygon.createPolygon(static_cast<unsigned int>(shape.vertices.size()));
    unsigned int i = 0;
    for (zelk::vec2f32 vertex : shape.vertices) {
        polygon.setVertexPosition(i++, vertex);
    }
    polygon.setPolygonColor(shape.color);
}

} // namespace

JorvellCharacter::JorvellCharacter() {
    for (const PolygonShape* shape : {&leftHalf, &rightHalf, &foot, &headStrip}) {
        zelk::shape::Polygon2D polygon;
        fillPolygon(polygon, *shape);
        if (shape == &foot) {
            polygon.setFriction(1.f);
        }
        debugMesh.addPolygon(polygon);
        physicObject.physicsMesh.addPolygon(polygon);
    }
    physicObject.fixedRotation = true;
    physicObject.canSleep = false;
}

JorvellCharacter::~JorvellCharacter() {
    physicObject.removeAllMesh();
    debugMesh.cleanPolygons();
    debugMesh.cleanTextures();
}
