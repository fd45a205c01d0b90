#ifndef ZELK_PHYSICS2D_PHYSICSMESH2D_H
#define ZELK_PHYSICS2D_PHYSICSMESH2D_H

#include "zelk/TypeVec3.h"
#include "zelk/shape/Polygon2DList.h"
#include "zelk/vector/BinaryTree.h"

#include <vector>

namespace zelk {
namespace physics2D {

// The polygons a physics object's body is made of, in the object's own
// space. Lines, circles and two-corner rectangles are stored as given; every
// other polygon is stored as the convex hull of its vertices, cut into fans
// of at most 8 vertices (Box2D's limit) that share the lowest vertex, each
// counter-clockwise from it. The hull is found in one pass that looks back
// one step only, so a piece can keep a reflex vertex.
//
// Polygons read from a document pass through the same cut.
class PhysicsMesh2D : public shape::Polygon2DList {
public:
    // A point (x, y) with its angle around the pivot in degrees as z, in
    // ascending angle. Points of equal angle come later-added first; an exact
    // repeat of a stored point is refused. The tree owns the points it holds.
    class ConvexTree : public vector::BinaryTree<vec3f32*> {
    public:
        ConvexTree() {}
        ~ConvexTree() override;

        bool firstBiggerSecond(vec3f32* first, vec3f32* second) override;
        bool firstEqualSecond(vec3f32* first, vec3f32* second) override;

        // Takes the point; frees it and answers false when it is refused.
        bool addPoint(vec3f32* point);
        // The points in ascending order; they stay the tree's.
        std::vector<vec3f32*> ascending();
    };

    // Answers the position of the last polygon stored, 0 when none was.
    unsigned int addPolygon(shape::Polygon2D polygon) override;

private:
    // The convex fans of a polygon of any vertex count other than 2.
    unsigned int addConvexPieces(shape::Polygon2D& polygon);
};

} // namespace physics2D
} // namespace zelk

#endif
