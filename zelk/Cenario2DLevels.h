#ifndef ZELK_CENARIO2DLEVELS_H
#define ZELK_CENARIO2DLEVELS_H

#include "zelk/Cenario2D.h"

#include <vector>

namespace zelk {

// One entry of a level: an object at a depth. The entry deletes nothing; the
// tree that holds it deletes the object when created is set.
class Cenario2D::ObjClass {
public:
    ObjClass(bool created, Object2D* object, double depth)
        : depth(depth), moving(false), created(created), object(object) {}

    Object2D* getObject() { return object; }
    bool haveCreated() { return created; }

    double depth;
    // The object's paths moved it in the last update.
    bool moving;
    bool created;
    Object2D* object;
};

// The entries of a level, ascending by depth (no two share one), with an
// inner tree of the same entries by object address to find an object's
// entry. print() draws the objects in ascending depth and update() runs
// their animations in descending depth. The tree owns its entries and the
// objects they say it created.
class Cenario2D::TreeObjDepth : public vector::BinaryTree<ObjClass*> {
public:
    class TreeObj : public vector::BinaryTree<ObjClass*> {
    public:
        bool firstBiggerSecond(ObjClass* first, ObjClass* second) override;
        bool firstEqualSecond(ObjClass* first, ObjClass* second) override;
    };

    TreeObjDepth() {}
    ~TreeObjDepth() override;
    TreeObjDepth(const TreeObjDepth&) = delete;
    TreeObjDepth& operator=(const TreeObjDepth&) = delete;

    bool firstBiggerSecond(ObjClass* first, ObjClass* second) override;
    bool firstEqualSecond(ObjClass* first, ObjClass* second) override;
    void printElement(ObjClass* entry) override;
    void updateElement(ObjClass* entry) override;

    // False for a null object, a NaN depth, a depth taken or an object the
    // tree holds already; the tree then keeps nothing of the call.
    virtual bool addObject(bool created, Object2D* object, double depth);
    // Each deletes the entry, and the object when the tree created it.
    bool deleteObj(Object2D* object);
    bool deleteObjInPosition(unsigned int position);
    void deleteAll();
    bool haveObject(Object2D* object);
    ObjClass* getObjClass(Object2D* object);
    Object2D* getObjectInPosition(unsigned int position);
    ObjClass* getObjClassFromDepth(double depth);
    Object2D* getObjectFromDepth(double depth);
    // The highest depth; 0.0 when empty.
    double getLastLevel();

    // "Objects_<id>" with the entry count as its text and an "obj_<j>" per
    // entry (j its position in ascending depth, the depth as its text)
    // holding the object's element.
    bool writeToXML(XML* xml, unsigned int id);
    // Adds the objects of "Objects_<id>", created by the tree, with their
    // animations started; false without the element. Of the "obj_<j>"
    // elements below the count, the first of each number is read, and of
    // objects with the same depth the one with the lower number stays.
    bool readFromXML(XML* xml, unsigned int id);

protected:
    // The object read from the selected "obj_<id>", or null.
    virtual Object2D* readObject(XML* xml, unsigned int id);
    virtual void writeObject(XML* xml, Object2D* object, unsigned int id);
    virtual void startAnimations(Object2D* object);
    // Runs before an entry goes.
    virtual void leave(ObjClass*) {}

    // Takes the entry out of both trees, deletes it, and the object when
    // created.
    void drop(ObjClass* entry);
    // Files entries of distinct depths, sorted by depth, middle first, so
    // that a long run of ascending depths still makes a shallow tree;
    // answers the entries refused.
    std::vector<ObjClass*> addSorted(const std::vector<ObjClass*>& sorted);

    TreeObj objects;
};

// The entries of a physics level: physics objects, taken out of the world
// before their entries go.
class Cenario2D::TreePhysObjDepth : public TreeObjDepth {
public:
    explicit TreePhysObjDepth(physics2D::World2D* world) : world(world) {}
    ~TreePhysObjDepth() override;

    // Only physics objects.
    bool addObject(bool created, Object2D* object, double depth) override;
    // Moves the object along its paths and its body after it.
    void updateElement(ObjClass* entry) override;
    // The same, with the paths advanced by the given seconds, descending.
    void stepAnimations(float seconds);

    physics2D::PhysicObject2D* getPhysicObject(ObjClass* entry);

    physics2D::World2D* world;

protected:
    Object2D* readObject(XML* xml, unsigned int id) override;
    void writeObject(XML* xml, Object2D* object, unsigned int id) override;
    void startAnimations(Object2D* object) override;
    void leave(ObjClass* entry) override;

private:
    void follow(ObjClass* entry, bool moved);
};

// What a level holds: at most one of the three, all owned by the scene.
class Cenario2D::LevelObj {
public:
    LevelObj() : objects(nullptr), physicsObjects(nullptr), tileMap(nullptr) {}
    LevelObj(const LevelObj&) = delete;
    LevelObj& operator=(const LevelObj&) = delete;

    bool haveSome() { return objects || physicsObjects || tileMap; }
    // Forgets the three without deleting them.
    void clean() {
        objects = nullptr;
        physicsObjects = nullptr;
        tileMap = nullptr;
    }

    TreeObjDepth* objects;
    TreePhysObjDepth* physicsObjects;
    tiles::TileMap2D* tileMap;
};

} // namespace zelk

#endif
