#ifndef ZELK_TILES_TILEMAP2D_H
#define ZELK_TILES_TILEMAP2D_H

#include "zelk/TypeColor.h"
#include "zelk/TypeRect.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVec2.h"
#include "zelk/physics2D/ContactCallback2D.h"
#include "zelk/physics2D/PhysicObject2D.h"
#include "zelk/physics2D/World2D.h"
#include "zelk/tiles/TileSet2D.h"
#include "zelk/tiles/tileCallback.h"
#include "zelk/vector/BinaryTree.h"

#include <vector>

namespace zelk {

class XML;

namespace tiles {

// A grid of tile IDs laid over a tile set: width x height cells, each cell a
// square of scaleMap world units. Cell (x, y) lies at the world point
// ((x + positionMap.x) x scaleMap.width, (height - 1 - y + positionMap.y) x
// scaleMap.height): row 0 is the top row and the last row sits on the map's
// position. positionMap is kept in cell units.
//
// With a world and a tile set, the cells whose tile has a physics template
// can become physics tiles: physics objects in the world, copies of the
// template, one per cell. The cell then holds 0 and the physics tile keeps
// the ID, which goes back into the cell when the physics tile goes. Physics
// tiles follow the map when it is moved or rescaled.
//
// The map registers itself with its world as a contact listener and passes
// every contact that touches one of its physics tiles on to its tile
// listeners, with the tiles' IDs and cells.
//
// The map owns its grid and its physics tiles; the tile set, the world and
// the listeners stay their owners'. Cell operations treat a map without a
// grid as empty.
//
// Its XML form is "tileMap_<id>" with "sizeMapW", "sizeMapH", "scaleMapW",
// "scaleMapH", "posMapX" and "posMapY" (the world position), and a child
// "tileMap" whose text holds the width x height IDs, row 0 first.
class TileMap2D : public physics2D::ContactCallback2D {
public:
    // One physics tile: its cell, its object and the ID the cell held.
    class PhysicsTiles {
    public:
        explicit PhysicsTiles(physics2D::PhysicObject2D* object)
            : position(), object(object), id(0) {}

        vec2ui32 position;
        physics2D::PhysicObject2D* object;
        unsigned int id;
    };

    // The physics tiles by cell, x first, then y.
    class TreePhysicsPosition : public vector::BinaryTree<PhysicsTiles*> {
    public:
        TreePhysicsPosition() {}
        TreePhysicsPosition(const TreePhysicsPosition&) = delete;

        bool firstBiggerSecond(PhysicsTiles* first, PhysicsTiles* second) override;
        bool firstEqualSecond(PhysicsTiles* first, PhysicsTiles* second) override;
    };

    // The physics tiles by object address, with the same records by cell in
    // positions; every record is in both trees. The tree owns its records and
    // the objects it made. Its update() draws every physics tile.
    class TreePhysicsTiles : public vector::BinaryTree<PhysicsTiles*> {
    public:
        TreePhysicsTiles();
        ~TreePhysicsTiles() override;
        TreePhysicsTiles(const TreePhysicsTiles&) = delete;
        TreePhysicsTiles& operator=(const TreePhysicsTiles&) = delete;

        bool firstBiggerSecond(PhysicsTiles* first, PhysicsTiles* second) override;
        bool firstEqualSecond(PhysicsTiles* first, PhysicsTiles* second) override;
        // Draws the physics tile with its tile, at its object's pose.
        void updateElement(PhysicsTiles* record) override;

        // A new physics object of that kind (type 0, 1 or 2, sensor or not)
        // recorded at the cell; null when a record sits there already or the
        // type is another number.
        physics2D::PhysicObject2D* newObjectInPosition(vec2ui32 cell, unsigned int id,
                                                       unsigned char type, bool isSensor);
        bool setTileSet(TileSet2D* set);
        bool haveObject(physics2D::PhysicObject2D* object);
        bool havePosition(vec2ui32 cell);
        unsigned int getIDInPosition(vec2ui32 cell);
        // The object of the i-th record by ascending object address.
        physics2D::PhysicObject2D* getObjectInPosition(unsigned int i);
        vec2ui32 getPositionOfObject(physics2D::PhysicObject2D* object);
        PhysicsTiles* getPhysicsTileObject(physics2D::PhysicObject2D* object);
        PhysicsTiles* getPhysicsTileInPosition(vec2ui32 cell);
        physics2D::PhysicObject2D* getPhysicsObjectInPosition(vec2ui32 cell);
        // Take the record out of both trees and delete it with its object.
        bool deleteObject(physics2D::PhysicObject2D* object);
        bool deletePhysicsTiles(PhysicsTiles* record);
        void deleteAll();
        // The records in ascending object address.
        std::vector<PhysicsTiles*> records();

        TreePhysicsPosition positions;
        TileSet2D* tileSet;
    };

    TileMap2D();
    explicit TileMap2D(TileSet2D* set);
    virtual ~TileMap2D();
    TileMap2D(const TileMap2D&) = delete;
    TileMap2D& operator=(const TileMap2D&) = delete;

    // The physics tiles go first; false for null.
    bool setTileSet(TileSet2D* set);
    void removeTileSet();

    // A grid of zeros in place of the old one; false (with no grid left) for
    // a zero side or more cells than a map may hold.
    bool newTileMap(size2ui32 size);
    bool newTileMap(unsigned int w, unsigned int h);
    void deleteTileMap();
    bool haveTileMap() { return tileMap != nullptr; }
    void cleanTiles();
    // False outside the map.
    bool setTile(unsigned int id, vec2ui32 cell);
    bool setTile(unsigned int id, unsigned int x, unsigned int y);
    // 0 outside the map.
    unsigned int getTileID(vec2ui32 cell);
    unsigned int getTileID(unsigned int x, unsigned int y);
    size2ui32 getMapSize() { return sizeMap; }
    size2f32 getScaleMap() { return scaleMap; }

    // The world position of the map; a value that is not finite is refused.
    void setPosition(vec2f32 position);
    void setPosition(float x, float y);
    vec2f32 getPosition();
    float getPositionX();
    float getPositionY();
    // The cell size, keeping the world position; false for a side that is 0
    // or not finite.
    bool setScaleMap(size2f32 scale);
    bool setScaleMap(float width, float height);
    // The world point of a cell; (0, 0) outside the map.
    vec2f32 getTileWorldPosition(vec2f32 cell);
    vec2f32 getTileWorldPosition(unsigned int x, unsigned int y);

    // Registers the map with the world's contact listeners; false for null.
    bool setWorld(physics2D::World2D* world);
    // Takes the physics tiles out and forgets the world.
    void cleanWorldPointer();

    // Needs a world and a tile set: every cell whose tile has a physics
    // template becomes a physics tile.
    bool loadPhysicsTiles();
    bool loadPhysicTile(vec2ui32 cell);
    bool loadPhysicTile(unsigned int x, unsigned int y);
    // The IDs go back into their cells.
    void deletePhysicsTiles();
    bool deletePhysicTile(vec2ui32 cell);
    bool deletePhysicTile(unsigned int x, unsigned int y);
    // Null without a world, a tile set or a physics tile at the cell.
    physics2D::PhysicObject2D* getPhysicTile(vec2ui32 cell);
    physics2D::PhysicObject2D* getPhysicTile(unsigned int x, unsigned int y);
    bool havePhysicObject(physics2D::PhysicObject2D* object);
    // The cell of a physics tile; (0, 0) for another object.
    vec2ui32 getPhysicObjectPosition(physics2D::PhysicObject2D* object);

    // Needs a tile set: every cell, then the physics tiles.
    void draw(color4f32 color);
    // The cells x in [origin.x, end.x) and y in [origin.y, end.y), then every
    // physics tile.
    void draw(vec2ui32 origin, size2ui32 end, color4f32 color);
    // The cells that cover a world rectangle; nothing for a rectangle with a
    // value that is not finite.
    void drawInsideWorldRect(rectf32 rect, color4f32 color);
    // With a tile set: "\n%u %u [%u] " for every cell, row 0 first.
    void print();

    // Pass contacts that touch a physics tile on to the tile listeners.
    void contact2DBegin(physics2D::Contact2D* contact) override;
    void contact2DEnd(physics2D::Contact2D* contact) override;
    void contact2DKeepBegin(physics2D::Contact2D* contact) override;
    void contact2DKeepEnd(physics2D::Contact2D* contact) override;
    void sensor2DBegin(physics2D::Contact2D* contact) override;
    void sensor2DEnd(physics2D::Contact2D* contact) override;
    void sensor2DKeeping(physics2D::Contact2D* contact) override;

    // False for null or a listener already there (or absent, to remove).
    bool addTileCallback(tileCallback* callback);
    bool removeTileCallback(tileCallback* callback);

    // Physics cells are written with their tile's ID.
    bool writeToXML(XML* xml, unsigned int id);
    // False when the element is missing. Its "tileMap" text replaces the grid
    // only when it holds at least width x height numbers and the size is
    // within what a map may hold; otherwise the old grid stays and the answer
    // is false. A scale that is 0 or not finite is refused too.
    bool readFromXML(XML* xml, unsigned int id);

    // The most cells a map may hold.
    static constexpr unsigned long long maxCells = 1ull << 24;

protected:
    // Hands a contact that touches a physics tile to every tile listener's
    // operation.
    void dispatch(void (tileCallback::*operation)(tileContact2D, physics2D::Contact2D*),
                  physics2D::Contact2D* contact);
    bool insideMap(unsigned int x, unsigned int y);
    // Frees the rows, without touching the physics tiles; no grid is left.
    void freeGrid();
    // The world point of a cell for a map at place (in cell units) with
    // cells of scale.
    vec2f32 cellPoint(vec2ui32 cell, vec2f32 place, size2f32 scale);
    // The tile of a cell drawn at row r counted from the bottom, the map
    // lying at origin.
    void drawCell(unsigned int x, unsigned int y, unsigned int row, vec2f32 origin,
                  color4f32 color);
    // The physics tile of a cell holding an ID whose tile has a template.
    bool makePhysicTile(unsigned int x, unsigned int y);
    // Takes the physics tile out of the world and puts its ID back into its
    // cell; false when the world refuses to let it go (during a step).
    bool releasePhysicTile(PhysicsTiles* record);
    // Moves the physics tiles (bodies included) with the map after its
    // position or scale changed from those given.
    void followMap(vec2f32 oldPosition, size2f32 oldScale);

    TileSet2D* tileSet;
    physics2D::World2D* world;
    vector::BinaryTree<tileCallback*> callbacks;
    // Rows of width IDs; null without a grid.
    unsigned int** tileMap;
    size2ui32 sizeMap;
    size2f32 scaleMap;
    vec2f32 positionMap;
    TreePhysicsTiles physicsTiles;
};

} // namespace tiles
} // namespace zelk

#endif
