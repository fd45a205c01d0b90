#include "zelk/physics2D/PhysicsMesh2D.h"

#include "zelk/Math.h"

#include <algorithm>

namespace zelk {
namespace physics2D {

namespace {

// Box2D's polygon vertex limit: a fan holds the pivot and 7 hull points.
const unsigned int fanPoints = 7;

vec2f32 pointOf(const vec3f32* point) {
    return vec2f32(point->x, point->y);
}

// The lowest vertex, the leftmost among equally low ones, the first among
// exact repeats.
vec2f32 pivotOf(shape::Polygon2D& polygon) {
    vec2f32 pivot = polygon.getVertexPosition(0);
    for (unsigned int i = 1; i < polygon.getVertexCount(); i++) {
        vec2f32 vertex = polygon.getVertexPosition(i);
        if (vertex.y < pivot.y || (vertex.y == pivot.y && vertex.x < pivot.x)) {
            pivot = vertex;
        }
    }
    return pivot;
}

// Fills the tree with every vertex but the pivot. Points are added one angle
// at a time, the angles in an order that keeps the tree shallow; points of
// one angle go in vertex order, so the tree still puts the later one first.
void fillTree(shape::Polygon2D& polygon, vec2f32 pivot, PhysicsMesh2D::ConvexTree* tree) {
    std::vector<vec3f32> points;
    for (unsigned int i = 0; i < polygon.getVertexCount(); i++) {
        vec2f32 vertex = polygon.getVertexPosition(i);
        if (!(vertex == pivot)) {
            points.push_back(vec3f32(vertex.x, vertex.y, Math::getAngle2f(vertex - pivot)));
        }
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const vec3f32& a, const vec3f32& b) { return a.z < b.z; });
    std::vector<std::pair<size_t, size_t>> angles;
    for (size_t start = 0; start < points.size();) {
        size_t end = start + 1;
        while (end < points.size() && points[end].z == points[start].z) {
            end++;
        }
        angles.push_back(std::make_pair(start, end));
        start = end;
    }
    // Middle angle first, then the middles of both halves.
    vector::forEachMiddleFirst(angles.size(), [&](size_t middle) {
        for (size_t i = angles[middle].first; i < angles[middle].second; i++) {
            tree->addPoint(new vec3f32(points[i]));
        }
    });
}

// The one-step hull pass over the points in ascending angle: a point that
// does not turn strictly counter-clockwise into the next one, as seen from
// the point before it (or the pivot), is dropped.
std::vector<vec3f32*> hullOf(const std::vector<vec3f32*>& points, vec2f32 pivot) {
    std::vector<vec3f32*> kept;
    for (vec3f32* point : points) {
        if (kept.empty()) {
            kept.push_back(point);
            continue;
        }
        vec2f32 last = kept.size() >= 2 ? pointOf(kept[kept.size() - 2]) : pivot;
        vec2f32 toPrevious = pointOf(kept.back()) - last;
        vec2f32 toCurrent = pointOf(point) - last;
        if (Math::getAngleDistance(toCurrent, toPrevious) >= 0.0f) {
            kept.pop_back();
        }
        kept.push_back(point);
    }
    return kept;
}

} // namespace

PhysicsMesh2D::ConvexTree::~ConvexTree() {
    for (vec3f32* point : ascending()) {
        delete point;
    }
}

bool PhysicsMesh2D::ConvexTree::firstBiggerSecond(vec3f32* first, vec3f32* second) {
    return first->z > second->z;
}

bool PhysicsMesh2D::ConvexTree::firstEqualSecond(vec3f32* first, vec3f32* second) {
    return first->x == second->x && first->y == second->y && first->z == second->z;
}

bool PhysicsMesh2D::ConvexTree::addPoint(vec3f32* point) {
    if (add(point)) {
        return true;
    }
    delete point;
    return false;
}

std::vector<vec3f32*> PhysicsMesh2D::ConvexTree::ascending() {
    std::vector<vec3f32*> points;
    points.reserve(size());
    walk(true, [&points](vector::BinaryLeaf<vec3f32*>* node) {
        points.push_back(node->value);
        return true;
    });
    return points;
}

unsigned int PhysicsMesh2D::addPolygon(shape::Polygon2D polygon) {
    polygon.cantDeletePolygon();
    if (polygon.isLine() || polygon.isCircle() || polygon.getVertexCount() == 2) {
        return shape::Polygon2DList::addPolygon(polygon);
    }
    return addConvexPieces(polygon);
}

unsigned int PhysicsMesh2D::addConvexPieces(shape::Polygon2D& polygon) {
    if (polygon.getVertexCount() == 0) {
        return 0;
    }
    shape::Polygon2D piece;
    piece = polygon;
    // Assignment copies the vertex colours; the pieces' new vertices take the
    // polygon colour.
    piece.polygonColor = polygon.polygonColor;
    vec2f32 pivot = pivotOf(polygon);
    ConvexTree tree;
    fillTree(polygon, pivot, &tree);
    std::vector<vec3f32*> hull = hullOf(tree.ascending(), pivot);

    unsigned int result = 0;
    size_t first = 0;
    while (first < hull.size()) {
        // A full fan when more than 7 points remain; its last point starts
        // the next one.
        size_t count = std::min<size_t>(hull.size() - first, fanPoints);
        piece.createPolygon(static_cast<unsigned int>(count + 1));
        piece.setVertexPosition(0, pivot);
        for (size_t i = 0; i < count; i++) {
            piece.setVertexPosition(static_cast<unsigned int>(i + 1), pointOf(hull[first + i]));
        }
        result = shape::Polygon2DList::addPolygon(piece);
        first += hull.size() - first > fanPoints ? fanPoints - 1 : count;
    }
    return result;
}

} // namespace physics2D
} // namespace zelk
