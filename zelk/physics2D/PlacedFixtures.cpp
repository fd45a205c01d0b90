#include "zelk/physics2D/PlacedFixtures.h"

#include "zelk/Math.h"
#include "zelk/physics2D/PhysicObject2D.h"

#include <algorithm>

namespace zelk {
namespace physics2D {

namespace {

// Box2D's polygon vertex limit, also the most points of a line.
const unsigned int mostVertices = 8;

// Where the selected polygon's vertices land in the body's frame.
class Placement {
public:
    Placement(shape::Polygon2DList& mesh, size2f32 size)
        : scale(mesh.selectedGetScale()), translate(mesh.selectedGetTranslate()),
          offset(translate.x * size.width, translate.y * size.height),
          angle(mesh.selectedGetAngle()) {
        scale.width *= size.width;
        scale.height *= size.height;
    }

    vec2f32 scaled(vec2f32 vertex) const {
        return vec2f32(vertex.x * scale.width, vertex.y * scale.height);
    }
    // A scaled point turned by the polygon's angle and moved by the offset.
    vec2f32 placed(vec2f32 point) const {
        if (angle != 0.0f) {
            point = Math::rotate2f(point, Math::getAngle2f(point) + angle);
        }
        return point + offset;
    }

    size2f32 scale;
    vec2f32 translate;
    vec2f32 offset;
    float angle;
};

std::vector<vec2f32> placedVertices(shape::Polygon2DList& mesh, const Placement& placement) {
    unsigned int count = std::min(mesh.selectedGetVertexCount(), mostVertices);
    std::vector<vec2f32> points;
    for (unsigned int i = 0; i < count; i++) {
        points.push_back(placement.placed(placement.scaled(mesh.selectedGetVertexPosition(i))));
    }
    return points;
}

// A rectangle given by two corners.
void addRectangle(shape::Polygon2DList& mesh, const Placement& placement,
                  const Box2DAdapter::Fixture& value, std::vector<Box2DAdapter::Fixture>* list) {
    vec2f32 first = placement.scaled(mesh.selectedGetVertexPosition(0));
    vec2f32 second = placement.scaled(mesh.selectedGetVertexPosition(1));
    vec2f32 extent = second - first;
    if (first.x == -second.x && first.y == -second.y && placement.translate == vec2f32() &&
        placement.angle == 0.0f) {
        Box2DAdapter::addBox(extent.x * 0.5f, extent.y * 0.5f, value, list);
        return;
    }
    std::vector<vec2f32> corners = {first, vec2f32(second.x, first.y), second,
                                    vec2f32(first.x, second.y)};
    for (vec2f32& corner : corners) {
        corner = placement.placed(corner);
    }
    Box2DAdapter::addPolygon(corners, value, list);
}

} // namespace

std::vector<Box2DAdapter::Fixture> placedFixtures(PhysicObject2D* object) {
    std::vector<Box2DAdapter::Fixture> fixtures;
    if (!Box2DAdapter::usable(object->size)) {
        return fixtures;
    }
    shape::Polygon2DList& mesh = object->physicsMesh;
    for (unsigned int i = 0; i < mesh.getPolygonSize(); i++) {
        if (!mesh.selectPolygon(i)) {
            continue;
        }
        Box2DAdapter::Fixture value;
        value.index = i;
        value.density = mesh.selectedGetDensity();
        value.friction = mesh.selectedGetFriction();
        value.restitution = mesh.selectedGetRestitution();
        Placement placement(mesh, object->size);
        unsigned int count = mesh.selectedGetVertexCount();
        if (mesh.selectedIsCircle()) {
            Box2DAdapter::addCircle(placement.offset,
                                    placement.scale.width * mesh.selectedGetCircleRadius(), value,
                                    &fixtures);
        } else if (mesh.selectedIsLine()) {
            Box2DAdapter::addLine(placedVertices(mesh, placement), value, &fixtures);
        } else if (count == 2) {
            addRectangle(mesh, placement, value, &fixtures);
        } else if (count > 2) {
            Box2DAdapter::addPolygon(placedVertices(mesh, placement), value, &fixtures);
        }
    }
    return fixtures;
}

} // namespace physics2D
} // namespace zelk
