#ifndef ZELK_SHAPE_POLYGON2DLIST_H
#define ZELK_SHAPE_POLYGON2DLIST_H

#include "zelk/TypeColor.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVars.h"
#include "zelk/TypeVec2.h"
#include "zelk/shape/Polygon2D.h"
#include "zelk/vector/Stack.h"

namespace zelk {

class XML;

namespace shape {

// A list of heap copies of polygons at stable positions (a removed position
// stays empty until a later add fills it), one of them selected for the
// operations whose names begin with "selected"; without a selection those
// answer false, 0, (0, 0) or (0, 0, 0, 0).
//
// The list owns the copies it makes. The copy constructor is shallow: the
// copy shares the positions, the polygons and the selection, and one of the
// two must be told cantDeleteList().
//
// The XML form is one element "mesh_<id>" with "pCount", the number of
// positions, and a "polygon_<k>" child for every live position k.
class Polygon2DList {
public:
    Polygon2DList();
    Polygon2DList(const Polygon2DList& other);
    virtual ~Polygon2DList();

    // Stores a copy of the polygon, selects it and answers its position: a
    // line becomes a Lines2D, a polygon of more than 2 vertices a Polygon2D,
    // one of exactly 2 a Rectangle2D; one of fewer than 2 is not stored and
    // answers 0, as does a store that fails (nothing is kept or selected).
    virtual unsigned int addPolygon(Polygon2D polygon);
    virtual bool writeToXML(XML* xml, unsigned int id);
    // Replaces the polygons by those of the element "polygon_<k>" for every
    // k below "pCount" that the document holds, in the order of k. A
    // "pCount" below 0 or above 2^24 answers false with nothing changed.
    virtual bool readFromXML(XML* xml, unsigned int id);
    virtual void printPolygons();
    virtual void drawPolygons();
    virtual void drawWirePolygons();

    // Positions, freed ones included.
    unsigned int getPolygonSize() { return polygons.size(); }
    // Deletes the polygon at a live position; removing the selected one
    // clears the selection.
    bool removePolygon(unsigned int position);
    void cleanPolygons();

    bool selectPolygon(unsigned int position);
    void freeSelected() { selected = nullptr; }
    bool haveSelected() const { return selected != nullptr; }

    // setPolygonColor on every polygon; false when the list has no position.
    bool setPolygonsColor(color4f32 color);
    bool setPolygonsColor(color3f32 color);
    bool setPolygonsColor(float32 r, float32 g, float32 b);
    bool setPolygonsColor(float32 r, float32 g, float32 b, float32 a);
    bool setPolygonDensity(unsigned int position, float32 value);
    bool setPolygonFriction(unsigned int position, float32 value);
    bool setPolygonRestitution(unsigned int position, float32 value);
    void setDensity(float32 value);
    void setFriction(float32 value);
    void setRestitution(float32 value);
    // 1, 0 and 0 for a position that is not live.
    float32 getPolygonDensity(unsigned int position);
    float32 getPolygonFriction(unsigned int position);
    float32 getPolygonRestitution(unsigned int position);

    void cantDeleteList();
    // Replaces the polygons by copies of other's (through addPolygon) and
    // selects the copy of other's selected polygon (position 0 when other had
    // none); marks other cantDeleteList() and answers a copy of it that owns
    // nothing.
    Polygon2DList operator=(Polygon2DList other);

    bool selectedSetVertexPosition(unsigned int i, vec2f32 position);
    bool selectedSetVertexPosition(unsigned int i, float32 x, float32 y);
    bool selectedSetVertexColor(unsigned int i, color4f32 color);
    bool selectedSetVertexColor(unsigned int i, float32 r, float32 g, float32 b);
    bool selectedSetVertexColor(unsigned int i, float32 r, float32 g, float32 b, float32 a);
    bool selectedSetPolygonColor(color4f32 color);
    bool selectedSetPolygonColor(float32 r, float32 g, float32 b);
    bool selectedSetPolygonColor(float32 r, float32 g, float32 b, float32 a);
    bool selectedSetVertexUV(unsigned int i, vec2f32 uv);
    bool selectedSetVertexUV(unsigned int i, float32 u, float32 v);
    bool selectedSetPolygonUVFrames(vec2ui32 frames);
    bool selectedSetPolygonUVFrames(unsigned int columns, unsigned int rows);
    bool selectedSetPolygonUVFramesX(unsigned int columns);
    bool selectedSetPolygonUVFramesY(unsigned int rows);
    bool selectedRemoveVertexUV(unsigned int i);
    // These answer true whenever a polygon is selected.
    bool selectedUsePolygonUVFrame(vec2ui32 frame);
    bool selectedUsePolygonUVFrame(unsigned int column, unsigned int row);
    bool selectedUsePolygonUVFramePosition(unsigned int p);
    bool selectedUsePolygonUVFrameX(unsigned int column);
    bool selectedUsePolygonUVFrameY(unsigned int row);
    bool selectedSetDensity(float32 value);
    bool selectedSetFriction(float32 value);
    bool selectedSetRestitution(float32 value);
    bool selectedRemovePolygonUV();
    bool selectedCleanPolygonUVAnimation();

    unsigned int selectedGetVertexCount();
    uint8 selectedGetVertexType(unsigned int i);
    uint8 selectedGetCollisionID();
    vec2f32 selectedGetVertexPosition(unsigned int i);
    vec2f32 selectedGetVertexUV(unsigned int i);
    vec2f32 selectedGetTranslate();
    color4f32 selectedGetVertexColor(unsigned int i);
    vec2ui32 selectedGetFrames();
    size2f32 selectedGetScale();
    float32 selectedGetAngle();
    float32 selectedGetCircleRadius();
    float32 selectedGetDensity();
    float32 selectedGetFriction();
    float32 selectedGetRestitution();
    bool selectedIsCircle();
    bool selectedIsLine();

    // The list's own copies at their positions.
    vector::Stack<Polygon2D*> polygons;
    // The polygon the selected operations work on; null for none.
    Polygon2D* selected;
    // The destructor deletes the polygons.
    bool canDeletePolygons;

protected:
    // Deletes a polygon taken out of the list, and forgets it wherever the
    // list still points at it.
    virtual void releasePolygon(Polygon2D* polygon);
    // "pCount" and the polygons, into or from the selected element.
    void writePolygons(XML* xml);
    bool readPolygons(XML* xml);
    // Other is a shallow copy of this very list.
    bool sharesPolygonsWith(Polygon2DList& other);
    // Runs act on the polygon at a live position (on the selected one);
    // false when there is none.
    template <typename Act> bool onPolygon(unsigned int position, Act act) {
        return run(polygons.get(position), act);
    }
    template <typename Act> bool withSelected(Act act) { return run(selected, act); }
    template <typename Act> static bool run(Polygon2D* polygon, Act act) {
        if (polygon) {
            act(polygon);
        }
        return polygon != nullptr;
    }
};

} // namespace shape
} // namespace zelk

#endif
