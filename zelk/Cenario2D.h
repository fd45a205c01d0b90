#ifndef ZELK_CENARIO2D_H
#define ZELK_CENARIO2D_H

#include "zelk/Object2D.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVec2.h"
#include "zelk/physics/BodyType.h"
#include "zelk/physics2D/ContactCallback2D.h"
#include "zelk/physics2D/PhysicObject2D.h"
#include "zelk/physics2D/StaticSensor2D.h"
#include "zelk/physics2D/World2D.h"
#include "zelk/tiles/TileMap2D.h"
#include "zelk/tiles/TileSet2D.h"
#include "zelk/tiles/tileCallback.h"
#include "zelk/vector/Stack.h"

namespace zelk {

class XML;

// The level scene: a numbered stack of levels drawn one over the other, each
// holding plain objects, physics objects or one tile map, over one physics
// world and one tile set that the scene owns. Inside a level the objects are
// ordered by a depth number, lower depths drawn first, and no two share one.
//
// Levels are numbered from 1 in every operation (level n is stack position
// n - 1), except where an operation says it takes a stack position; level 0
// is refused. Placing an object in a level that does not exist yet makes the
// levels up to it, empty; at most mostLevels levels are made.
//
// Ownership: the scene deletes its levels, their trees and tile maps, and
// the objects it made (new... operations, and everything read from a
// document); objects given through add... stay the caller's. Physics objects
// placed in a level are not in the world until loadPhysicObjectToWorld or
// loadPhysicObjectsToWorld puts them there; an object always leaves the world
// before its entry (and, when the scene made it, the object) goes.
//
// getObject and getPhysycObject come as (level, float depth) and (level,
// unsigned int position): call sites write 0u or 0.0f for a literal.
//
// The XML form is "Cenario_<id>" with the tile set, the levels and the
// joints of the world between objects of the scene. Reading costs what the
// document holds: its counts only select the numbered elements below them,
// and the levels read end at the highest one present. Distance joints carry
// their spring frequency as "frequency"; a document without it has the
// joint's anchors read as world points and its distance as the frequency.
class Cenario2D : public physics2D::ContactCallback2D, public tiles::tileCallback {
public:
    class ObjClass;
    class TreeObjDepth;
    class TreePhysObjDepth;
    class LevelObj;

    // Where a joint end lies in the scene: a physics object of a physics
    // level, by depth, or a physics tile of a tile-map level, by cell.
    class PhysicsPosition {
    public:
        static constexpr uint8 none = 0;
        static constexpr uint8 physicObject = 241;
        static constexpr uint8 physicTile = 242;

        PhysicsPosition() : level(0), objectType(none), depth(0.0f), mapPosition(0u, 0u) {}

        // The level's stack position, counted from 0.
        uint32 level;
        uint8 objectType;
        float depth;
        vec2ui32 mapPosition;
    };

    static constexpr unsigned int mostLevels = 65536;

    Cenario2D();
    virtual ~Cenario2D();
    Cenario2D(const Cenario2D&) = delete;
    Cenario2D& operator=(const Cenario2D&) = delete;

    // The document; the cursor ends on the node selected before the call.
    virtual bool writeToXML(XML* xml, unsigned int id);
    virtual bool readFromXML(XML* xml, unsigned int id);

    // Without a depth an object goes one above the level's highest (0.0 in an
    // empty level). The new... operations answer the object, or null with
    // nothing left behind.
    Object2D* newObject(unsigned int level);
    Object2D* newObject(unsigned int level, float depth);
    bool addObject(unsigned int level, Object2D* object);
    bool addObject(unsigned int level, Object2D* object, float depth);
    Object2D* getObject(unsigned int level, float depth);
    // By position in ascending depth.
    Object2D* getObject(unsigned int level, unsigned int position);
    // A level whose last object goes is emptied.
    bool deleteObject(unsigned int level, Object2D* object);
    // Takes a stack position; the emptied tree stays.
    bool deleteAllObjects(unsigned int position);
    void deleteAllObjects();

    // Type 0 static, 1 kinematic, 2 dynamic; any other gives null.
    physics2D::PhysicObject2D* newPhysycObject(unsigned int level, physics::bodyType type);
    physics2D::PhysicObject2D* newPhysycObject(unsigned int level, physics::bodyType type,
                                               float depth);
    // A static sensor for type 0, a kinematic one for 1 or 2.
    physics2D::StaticSensor2D* newPhysycSensor(unsigned int level, physics::bodyType type);
    physics2D::StaticSensor2D* newPhysycSensor(unsigned int level, physics::bodyType type,
                                               float depth);
    bool addPhysycObject(unsigned int level, physics2D::PhysicObject2D* object);
    bool addPhysycObject(unsigned int level, physics2D::PhysicObject2D* object, float depth);
    bool addPhysycSensor(unsigned int level, physics2D::StaticSensor2D* sensor);
    bool addPhysycSensor(unsigned int level, physics2D::StaticSensor2D* sensor, float depth);
    physics2D::PhysicObject2D* getPhysycObject(unsigned int level, float depth);
    physics2D::PhysicObject2D* getPhysycObject(unsigned int level, unsigned int position);
    // The world's answer when the object is in that level.
    bool loadPhysicObjectToWorld(unsigned int level, physics2D::PhysicObject2D* object);
    // A physics level puts every object into the world afresh (which drops
    // the joints they had); a tile-map level loads its physics tiles.
    bool loadPhysicObjectsToWorld(unsigned int level);
    void loadPhysicObjectsToWorld();
    bool deletePhysycObject(unsigned int level, physics2D::PhysicObject2D* object);
    // The emptied tree stays.
    bool deleteAllPhysycObjects(unsigned int level);
    void deleteAllPhysycObjects();

    // A map of that size bound to the tile set and the world, replacing a
    // map the level held; null for a level holding objects.
    tiles::TileMap2D* newTileMapInPosition(unsigned int level, size2ui32 size);
    tiles::TileMap2D* newTileMapInPosition(unsigned int level, unsigned int width,
                                           unsigned int height);
    // The same in the first existing empty level, else a new last one;
    // answers the level, 0 on failure.
    unsigned int newTileMap(size2ui32 size);
    unsigned int newTileMap(unsigned int width, unsigned int height);
    tiles::TileMap2D* getTileMap(unsigned int level);
    // The level holding the map; 0 when none does.
    unsigned int getTileMapID(tiles::TileMap2D* map);
    bool deleteTileMap(unsigned int level);
    bool deleteTileMap(tiles::TileMap2D* map);
    // Answers the number of stack positions visited.
    unsigned int deleteAllTileMaps();

    // The selected map's operations; false, 0 or (0, 0) with no selection.
    bool selectTileMap(unsigned int level);
    void cleanSelectedTileMap() { selectedTileMap = nullptr; }
    bool selectedTileMapSetTile(unsigned int tile, vec2ui32 cell);
    bool selectedTileMapSetTile(unsigned int tile, unsigned int x, unsigned int y);
    bool selectedTileMapSetPosition(vec2f32 position);
    bool selectedTileMapSetPosition(float x, float y);
    vec2f32 selectedTileMapGetTileWorldPosition(vec2f32 cell);
    vec2f32 selectedTileMapGetTileWorldPosition(unsigned int x, unsigned int y);
    bool selectedTileMapSetScaleMap(size2f32 scale);
    bool selectedTileMapSetScaleMap(float width, float height);
    bool selectedTileDeletePhysicsTiles();
    bool selectedTileDeletePhysicTile(vec2ui32 cell);
    bool selectedTileDeletePhysicTile(unsigned int x, unsigned int y);
    bool selectedTileLoadPhysicsTiles();
    bool selectedTileLoadPhysicTile(vec2ui32 cell);
    bool selectedTileLoadPhysicTile(unsigned int x, unsigned int y);

    // Empties the level; it stays in the stack.
    bool deleteLevel(unsigned int level);
    void deleteAllLevels();
    // The highest depth in the level; -1.0 for a missing, empty or tile-map
    // level, 0.0 for an emptied tree that was kept.
    double getHigherLevel(unsigned int level);

    void worldSetClockScale(float scale) { world.setClockScale(scale); }
    void worldClockStart() { world.clockStart(); }
    // A world step by the real time since the last one.
    void updatePhysics(int velocityIterations, int positionIterations);
    // Every level's objects, in stack order, then the tile set. A physics
    // object moved by its paths has its body sent after it; a kinematic one
    // whose paths stopped has its body stopped once.
    void updateAnimations();
    // One level, by stack position; false when there is none.
    bool updateAnimation(unsigned int position);
    // updateAnimations() with the physics objects' paths advanced by the
    // given seconds instead of the real time since their last update.
    void stepAnimations(float seconds);
    // Level 1 first; objects in ascending depth, physics objects through
    // their drawn meshes, tile maps in opaque white.
    void draw();

    // The scene's joint ends. getPhysicsObjectLevelDepth answers, like
    // getPhysicsLevelObject, the level's stack position.
    bool getPhysicsLevelObject(Object2D* object, PhysicsPosition* position);
    physics2D::PhysicObject2D* getPhysicsObjectInLevel(PhysicsPosition position);
    bool getPhysicsObjectLevelDepth(Object2D* object, unsigned int* level, float* depth);

    physics2D::World2D world;
    tiles::TileSet2D tileSet;
    tiles::TileMap2D* selectedTileMap;
    vector::Stack<LevelObj*> levels;

private:
    // Exactly one of the two objects is given.
    bool addObjectToLevel(Object2D* object, physics2D::PhysicObject2D* physicsObject,
                          unsigned int level, double depth, bool created);
    // The level of that number, or null.
    LevelObj* levelAt(unsigned int level);
    // The same, made with the empty levels below it when missing.
    LevelObj* makeLevel(unsigned int level);
    TreeObjDepth* objectTree(unsigned int level);
    TreePhysObjDepth* physicsTree(unsigned int level);
    float nextDepth(unsigned int level);
    template <typename Kind> Kind* placeNew(unsigned int level, double depth);
    // The object's entry goes; a tree left empty goes with it.
    bool deleteFromTree(unsigned int level, TreeObjDepth* tree, Object2D* object);
    // Every tree of that kind, with the levels holding them cleared.
    template <typename Tree> void deleteTrees(Tree* LevelObj::*kind);
    // Deletes what the level holds and clears it.
    void emptyLevel(LevelObj* level);
    void deleteMapOf(LevelObj* level);

    // The count in the selected element's text; 0 for none or a negative one.
    static uint32 readCount(XML* xml);
    // The text goes into the selected element and is deleted.
    static void writeText(XML* xml, char* text);
    void writeLevels(XML* xml);
    // A joint end as "objectA" or "objectB".
    static void writeEnd(XML* xml, const char* name, PhysicsPosition end);
    void writeJoints(XML* xml);
    void readLevels(XML* xml);
    void readLevel(XML* xml, LevelObj* level);
    void readJoints(XML* xml);
};

} // namespace zelk

#include "zelk/Cenario2DLevels.h"

#endif
