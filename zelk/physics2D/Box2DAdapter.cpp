#include "zelk/physics2D/Box2DAdapter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zelk {
namespace physics2D {

namespace {

// Box2D merges polygon points closer than half its linear slop; they are
// merged here a little farther apart, so that Box2D finds none left to merge.
const float mergeDistance = 0.55f * b2_linearSlop;
// A hull vertex whose turn (the sine of its angle) is below this is taken as
// lying on the line through its neighbours.
const double leastTurn = 1e-5;
// Coordinates beyond this are refused, so that Box2D's products of
// coordinate differences stay far inside the float range.
const float farthest = 1e15f;
// Box2D asserts an area above FLT_EPSILON, computed in float with an error
// of about a millionth of the square of the shape's extent; the area must
// clear both by a margin.
const double areaPerSquaredExtent = 4e-6;
// A centred inertia that is not clearly above float rounding of the inertia
// about the body's origin is not trusted.
const float leastCentredInertia = 1e-5f;

struct Point {
    double x;
    double y;
};

double cross(Point o, Point a, Point b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

double distance(Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The counter-clockwise convex hull of at least 3 points, with every vertex
// whose turn is below leastTurn dropped.
std::vector<Point> hullOf(std::vector<Point> points) {
    std::sort(points.begin(), points.end(),
              [](Point a, Point b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    std::vector<Point> hull(2 * points.size());
    size_t k = 0;
    for (size_t i = 0; i < points.size(); i++) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) {
            k--;
        }
        hull[k++] = points[i];
    }
    for (size_t i = points.size() - 1, lower = k + 1; i > 0; i--) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i - 1]) <= 0) {
            k--;
        }
        hull[k++] = points[i - 1];
    }
    hull.resize(k - 1);
    for (size_t i = 0; hull.size() >= 3 && i < hull.size();) {
        Point previous = hull[(i + hull.size() - 1) % hull.size()];
        Point next = hull[(i + 1) % hull.size()];
        double turn = cross(previous, hull[i], next);
        if (turn <= leastTurn * distance(previous, hull[i]) * distance(hull[i], next)) {
            hull.erase(hull.begin() + static_cast<long>(i));
            i = 0;
        } else {
            i++;
        }
    }
    return hull;
}

double areaOf(const std::vector<Point>& hull) {
    double twice = 0;
    for (size_t i = 0; i < hull.size(); i++) {
        Point a = hull[i];
        Point b = hull[(i + 1) % hull.size()];
        twice += a.x * b.y - a.y * b.x;
    }
    return twice / 2;
}

double squaredExtentOf(const std::vector<Point>& hull) {
    double largest = 0;
    for (Point a : hull) {
        for (Point b : hull) {
            largest = std::max(largest, (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y));
        }
    }
    return largest;
}

// The points, each farther than mergeDistance from every point kept before.
std::vector<Point> mergedPoints(const std::vector<vec2f32>& points) {
    std::vector<Point> kept;
    for (vec2f32 point : points) {
        b2Vec2 candidate(point.x, point.y);
        bool apart = std::all_of(kept.begin(), kept.end(), [candidate](Point other) {
            b2Vec2 keptPoint(static_cast<float>(other.x), static_cast<float>(other.y));
            return b2DistanceSquared(candidate, keptPoint) >= mergeDistance * mergeDistance;
        });
        if (apart) {
            kept.push_back(Point{point.x, point.y});
        }
    }
    return kept;
}

} // namespace

Box2DAdapter::Fixture::Fixture()
    : kind(b2Shape::e_polygon), circle(), edge(), polygon(), index(0), density(1.0f),
      friction(0.0f), restitution(0.0f) {}

const b2Shape* Box2DAdapter::Fixture::shape() const {
    switch (kind) {
    case b2Shape::e_circle:
        return &circle;
    case b2Shape::e_edge:
        return &edge;
    default:
        return &polygon;
    }
}

bool Box2DAdapter::usable(float value) {
    return std::isfinite(value);
}

bool Box2DAdapter::usable(vec2f32 vector) {
    return usable(vector.x) && usable(vector.y);
}

bool Box2DAdapter::usable(size2f32 size) {
    return usable(size.width) && usable(size.height);
}

bool Box2DAdapter::placeable(vec2f32 point) {
    return usable(point) && std::fabs(point.x) <= farthest && std::fabs(point.y) <= farthest;
}

bool Box2DAdapter::usableMaterial(const Fixture& value) {
    return usable(value.density) && value.density >= 0.0f && usable(value.friction) &&
           value.friction >= 0.0f && usable(value.restitution);
}

bool Box2DAdapter::addCircle(vec2f32 centre, float radius, Fixture value,
                             std::vector<Fixture>* list) {
    radius = std::fabs(radius);
    if (!usableMaterial(value) || !placeable(centre) || !(radius > 0.0f) || radius > farthest) {
        return false;
    }
    value.kind = b2Shape::e_circle;
    value.circle.m_p = toBox2D(centre);
    value.circle.m_radius = radius;
    list->push_back(value);
    return true;
}

bool Box2DAdapter::addLine(const std::vector<vec2f32>& points, Fixture value,
                           std::vector<Fixture>* list) {
    if (!usableMaterial(value) ||
        !std::all_of(points.begin(), points.end(), [](vec2f32 p) { return placeable(p); })) {
        return false;
    }
    value.kind = b2Shape::e_edge;
    size_t before = list->size();
    const vec2f32* last = points.empty() ? nullptr : &points[0];
    for (size_t i = 1; i < points.size(); i++) {
        b2Vec2 start = toBox2D(*last);
        b2Vec2 end = toBox2D(points[i]);
        if (b2DistanceSquared(start, end) > b2_linearSlop * b2_linearSlop) {
            value.edge.SetTwoSided(start, end);
            list->push_back(value);
            last = &points[i];
        }
    }
    return list->size() > before;
}

bool Box2DAdapter::addPolygon(const std::vector<vec2f32>& points, Fixture value,
                              std::vector<Fixture>* list) {
    if (!usableMaterial(value) || points.size() < 3 || points.size() > b2_maxPolygonVertices ||
        !std::all_of(points.begin(), points.end(), [](vec2f32 p) { return placeable(p); })) {
        return false;
    }
    std::vector<Point> kept = mergedPoints(points);
    if (kept.size() < 3) {
        return false;
    }
    std::vector<Point> hull = hullOf(kept);
    if (hull.size() < 3 ||
        !(areaOf(hull) > 4.0 * b2_epsilon + areaPerSquaredExtent * squaredExtentOf(hull))) {
        return false;
    }
    b2Vec2 vertices[b2_maxPolygonVertices];
    for (size_t i = 0; i < hull.size(); i++) {
        vertices[i].Set(static_cast<float>(hull[i].x), static_cast<float>(hull[i].y));
    }
    value.kind = b2Shape::e_polygon;
    value.polygon.Set(vertices, static_cast<int32>(hull.size()));
    list->push_back(value);
    return true;
}

bool Box2DAdapter::addBox(float halfWidth, float halfHeight, Fixture value,
                          std::vector<Fixture>* list) {
    halfWidth = std::fabs(halfWidth);
    halfHeight = std::fabs(halfHeight);
    std::vector<vec2f32> corners = {vec2f32(-halfWidth, -halfHeight),
                                    vec2f32(halfWidth, -halfHeight), vec2f32(halfWidth, halfHeight),
                                    vec2f32(-halfWidth, halfHeight)};
    std::vector<Fixture> checked;
    if (!addPolygon(corners, value, &checked)) {
        return false;
    }
    value.kind = b2Shape::e_polygon;
    value.polygon.SetAsBox(halfWidth, halfHeight, b2Vec2(0.0f, 0.0f), 0.0f);
    list->push_back(value);
    return true;
}

b2Body* Box2DAdapter::createBody(b2World* world, uint8 type, bool fixedRotation, vec2f32 position,
                                 float degrees, PhysicObject2D* object,
                                 const std::vector<Fixture>& fixtures) {
    if (world->IsLocked() || type > b2_dynamicBody || fixtures.empty() || !placeable(position) ||
        !usable(degrees)) {
        return nullptr;
    }
    b2BodyDef definition;
    definition.type = static_cast<b2BodyType>(type);
    definition.fixedRotation = fixedRotation;
    definition.position = toBox2D(position);
    definition.angle = toRadians(degrees);
    definition.userData.pointer = reinterpret_cast<std::uintptr_t>(object);
    b2Body* body = world->CreateBody(&definition);
    if (!body) {
        return nullptr;
    }
    for (const Fixture& fixture : fixtures) {
        // Made without density, so that Box2D does not work out the mass
        // unchecked; settleMass does it once for all of them.
        b2FixtureDef definition;
        definition.shape = fixture.shape();
        definition.density = 0.0f;
        definition.friction = fixture.friction;
        definition.restitution = fixture.restitution;
        definition.userData.pointer = fixture.index;
        body->CreateFixture(&definition)->SetDensity(fixture.density);
    }
    settleMass(body);
    return body;
}

void Box2DAdapter::settleMass(b2Body* body) {
    if (body->GetType() != b2_dynamicBody) {
        return;
    }
    float mass = 0.0f;
    float inertia = 0.0f;
    b2Vec2 centre(0.0f, 0.0f);
    for (b2Fixture* fixture = body->GetFixtureList(); fixture; fixture = fixture->GetNext()) {
        if (fixture->GetDensity() == 0.0f) {
            continue;
        }
        b2MassData data;
        fixture->GetMassData(&data);
        mass += data.mass;
        centre += data.mass * data.center;
        inertia += data.I;
    }
    if (mass > 0.0f) {
        centre *= 1.0f / mass;
    }
    float centred = inertia - mass * b2Dot(centre, centre);
    bool turns = inertia > 0.0f && !body->IsFixedRotation();
    b2MassData settled;
    settled.mass = 1.0f;
    settled.center.SetZero();
    settled.I = 0.0f;
    if (!usable(mass) || !usable(fromBox2D(centre))) {
        body->SetMassData(&settled);
    } else if (!turns || (usable(centred) && centred > leastCentredInertia * inertia)) {
        body->ResetMassData();
    } else {
        settled.mass = mass;
        settled.center = centre;
        body->SetMassData(&settled);
    }
    if (body->GetMass() == 0.0f) {
        settled.mass = 1.0f;
        settled.center.SetZero();
        settled.I = 0.0f;
        body->SetMassData(&settled);
    }
}

bool Box2DAdapter::destroyBody(b2World* world, b2Body* body) {
    if (world->IsLocked()) {
        return false;
    }
    world->DestroyBody(body);
    return true;
}

PhysicObject2D* Box2DAdapter::objectOf(b2Body* body) {
    return reinterpret_cast<PhysicObject2D*>(body->GetUserData().pointer);
}

uint32 Box2DAdapter::polygonOf(b2Fixture* fixture) {
    return static_cast<uint32>(fixture->GetUserData().pointer);
}

} // namespace physics2D
} // namespace zelk
