#ifndef ZELK_SHAPE_POLYGON2D_H
#define ZELK_SHAPE_POLYGON2D_H

#include "zelk/TypeColor.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVars.h"
#include "zelk/TypeVec2.h"
#include "zelk/shape/Vertex2D.h"
#include "zelk/vector/Array.h"

namespace zelk {

class XML;

namespace animation {
class InterpolationGroup;
class Interpolation1DGroup;
} // namespace animation

namespace shape {

// The engine's drawable and saveable polygon: vertices of the three kinds
// with their own translation, angle and scale (a vertex v lands at
// translate + rotation(angle) * (scale * v)), the physical values a physics
// fixture takes from it, a circle or line marker for the physics world, a
// grid of texture frames for sprite sheets and an optional one-value
// animation whose value is the frame to show.
//
// Ownership: the polygon that created its vertices (createPolygon) deletes
// them. The copy constructor is shallow: the copy shares the vertices and the
// animation and copies the flags, so whoever receives a polygon by value
// calls cantDeletePolygon() on it before it goes. The frame animation is a
// shared counted object that the polygon holds through its own pointer
// variable; a copy does not hold it.
//
// Kind-changing operations (setVertexUV, setVertexUVFrames, removeVertexUV)
// replace a vertex object by a new one, so vertex pointers taken earlier go
// stale.
class Polygon2D {
public:
    Polygon2D();
    // Black polygon colour, then createPolygon(n).
    explicit Polygon2D(unsigned int n);
    Polygon2D(const Polygon2D& other);
    virtual ~Polygon2D();

    // Replaces every vertex by n plain ones in the polygon colour; fewer than
    // 2 answer false and leave no vertices.
    virtual bool createPolygon(unsigned int n);
    // Frees the vertices (and lets go of the animation) when they are owned.
    virtual void deletePolygon();
    virtual size2f32 getScale();
    virtual float32 getAngle();
    virtual bool isCircle();
    // False for every kind: a rectangle is told by its 2 vertices.
    virtual bool isRect();
    virtual bool isLine();
    virtual void print();
    // Filled (GL_POLYGON) and outline (GL_LINE_LOOP).
    virtual void draw();
    virtual void drawWire();
    virtual void drawVertexs();

    unsigned int getVertexCount() const { return vertexs.size(); }
    Vertex2D* getVertexPointer(unsigned int i) const { return vertexs.get(i); }

    // False beyond the vertex count.
    bool setVertexPosition(unsigned int i, vec2f32 position);
    bool setVertexPosition(unsigned int i, float32 x, float32 y);
    bool setVertexColor(unsigned int i, color4f32 color);
    bool setVertexColor(unsigned int i, float32 r, float32 g, float32 b);
    bool setVertexColor(unsigned int i, float32 r, float32 g, float32 b, float32 a);
    // Sets the polygon colour and gives it to every vertex; false when there
    // is no vertex (the colour is kept all the same).
    bool setPolygonColor(color4f32 color);
    bool setPolygonColor(color3f32 color);
    bool setPolygonColor(float32 r, float32 g, float32 b);
    bool setPolygonColor(float32 r, float32 g, float32 b, float32 a);

    // Missing vertices answer 0, (0, 0) and (0, 0, 0, 0).
    uint8 getVertexType(unsigned int i) const;
    vec2f32 getVertexPosition(unsigned int i) const;
    color4f32 getVertexColor(unsigned int i) const;
    // The coordinate of a textured vertex, the saved one of a framed vertex.
    vec2f32 getVertexUV(unsigned int i) const;

    // Shows frame (0, 0), turns a plain vertex into a textured one and sets
    // its shown coordinate.
    bool setVertexUV(unsigned int i, vec2f32 uv);
    bool setVertexUV(unsigned int i, float32 u, float32 v);
    // Shows frame (0, 0) and turns a textured or framed vertex into a plain
    // one; false for a missing or plain vertex.
    bool removeVertexUV(unsigned int i);
    void removePolygonUV();
    // Turns the vertex into a framed one (a textured one's coordinate becomes
    // its saved one) and gives it the grid.
    bool setVertexUVFrames(unsigned int i, vec2ui32 frames);

    // The grid of frames for every vertex; false, showing frame (0, 0) and
    // changing nothing else, when a count is 0.
    bool setPolygonUVFrames(vec2ui32 frames);
    bool setPolygonUVFrames(unsigned int columns, unsigned int rows);
    bool setPolygonUVFramesX(unsigned int columns);
    bool setPolygonUVFramesY(unsigned int rows);
    // Every framed vertex shows the frame; there is no bound on it.
    void usePolygonUVFrame(vec2ui32 frame);
    // Frame (p mod columns, p div columns).
    void usePolygonUVFramePosition(unsigned int p);
    void usePolygonUVFrameX(unsigned int column);
    void usePolygonUVFrameY(unsigned int row);
    // Every framed vertex shows its saved coordinate, unscaled.
    void cleanPolygonUVAnimation();
    vec2ui32 getFrames() const { return frames; }
    void updateFramesSize();

    void setTranslate(vec2f32 position);
    void setTranslate(float32 x, float32 y);
    vec2f32 getTranslate() const { return translate; }
    void setScale(size2f32 size);
    void setScale(float32 width, float32 height);
    void setAngle(float32 degrees);
    void setDensity(float32 value);
    void setFriction(float32 value);
    void setRestitution(float32 value);
    float32 getDensity() const { return density; }
    float32 getFriction() const { return friction; }
    float32 getRestitution() const { return restitution; }
    float32 getCircleRadius() const { return radius; }
    uint8 getCollisionID() const { return collisionID; }

    // The frame animation. The polygon never advances it: the animated list
    // reads its value and shows that frame.
    bool framesCreateAnimation();
    bool framesSetAnimation(animation::Interpolation1DGroup* group);
    void framesRemoveAnimation();
    animation::Interpolation1DGroup* framesGetAnimation() const { return animationFrames; }
    bool framesHaveAnimation() const { return animationFrames != nullptr; }
    bool framesIsAnimationCreator() const { return animationFramesCreator; }

    void cantDeletePolygon() { canDeleteVertex = false; }
    // Rebuilds this polygon from copies of other's parts through its own
    // virtual operations (so a kind keeps its vertex count), shares other's
    // animation, marks other cantDeletePolygon() and answers a copy of other
    // that owns nothing. The vertices come back framed with other's grid.
    Polygon2D operator=(Polygon2D other);
    // A diagnostic: prints the angles between consecutive vertices and always
    // answers false.
    bool isCounterclockwise();

    // The element "polygon_<id>" under the selected node; the cursor ends on
    // the node it started from.
    bool writeToXML(XML* xml, unsigned int id);
    // Reads it back. A "vCount" of 0, below 0 or above 65,536 answers false
    // and makes no vertices; the circle or line marker of the element's text
    // is kept all the same. The count makes no more than 64 vertices plus 8
    // for every "Vertex_<k>" element below it that the element holds.
    bool readFromXML(XML* xml, unsigned int id);

    // Given to new vertices and by setPolygonColor.
    color4f32 polygonColor;
    // Columns times rows of the grid.
    uint32 framesSize;
    // The frame shown: column, row.
    vec2ui32 frameUsing;
    // The polygon created its vertices and frees them.
    bool canDeleteVertex;

protected:
    // Pushes the matrix and applies translate, angle and scale, in that order.
    void pushTransform();
    // pushTransform(), the primitive with drawVertexs(), pop.
    void drawPrimitive(unsigned int mode);
    // Forgets a vertex storage this polygon does not own, without freeing it.
    void detachVertexs();
    // Puts a new vertex of another kind in place of vertex i, with its
    // position and colour, and deletes the old one; answers the new one.
    Vertex2D* replaceVertex(unsigned int i, Vertex2D* replacement);

    vector::Array<Vertex2D*> vertexs;
    float32 angle;
    size2f32 scale;
    vec2f32 translate;
    bool circleFlag;
    float32 radius;
    bool lineFlag;
    uint8 collisionID;
    float32 density;
    float32 friction;
    float32 restitution;
    vec2ui32 frames;
    animation::Interpolation1DGroup* animationFrames;
    bool animationFramesCreator;

private:
    // A list reads its polygon elements in place while it walks them.
    friend class Polygon2DList;

    // Reads the "polygon_" element the cursor is on and leaves the cursor
    // there; the answer of readFromXML.
    bool readElement(XML* xml);
    void readVertices(XML* xml, unsigned int count);
    void readVertex(unsigned int k, XML* xml);
    void readGrid(XML* xml);
    void readTransformation(XML* xml);
    void readPhysics(XML* xml);
    void readAnimation(XML* xml);

    // The variable this polygon holds the animation through, registered with
    // it; null when it holds none. A shallow copy shares `animationFrames`
    // without holding the animation.
    animation::InterpolationGroup* heldAnimation;
};

} // namespace shape
} // namespace zelk

#endif
