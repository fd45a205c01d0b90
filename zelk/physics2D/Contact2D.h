#ifndef ZELK_PHYSICS2D_CONTACT2D_H
#define ZELK_PHYSICS2D_CONTACT2D_H

#include "zelk/TypeVars.h"
#include "zelk/TypeVec2.h"
#include "zelk/vector/Array.h"
#include "zelk/vector/BinaryTree.h"

#include <cstddef>
#include <vector>

namespace zelk {
namespace physics2D {

class PhysicObject2D;

// One touch between two physics objects as the world's listeners hear it,
// from its begin until its end: the two objects, the indexes of the physics
// polygons that touch, the objects' speeds, the contact points in world
// coordinates (and in each object's own unit space: turned back by its angle
// and divided by its size), and the normal impulse at each point once the
// solver has run. A listener disables the contact to let the objects pass
// through each other until some listener enables it again.
//
// The world owns the record; listeners do not keep the pointer past the end
// of the touch.
class Contact2D {
public:
    explicit Contact2D(void* contactPointer);
    Contact2D(const Contact2D&) = delete;
    Contact2D& operator=(const Contact2D&) = delete;

    uint8 getMaxPoints() { return 2; }
    void* getContactPointer() { return contactPointer; }
    void disableContact() { enabled = false; }
    void enableContact() { enabled = true; }
    void setEnabled(bool value) { enabled = value; }
    bool isEnabled() { return enabled; }

    PhysicObject2D* objectA;
    PhysicObject2D* objectB;
    uint32 polygonA;
    uint32 polygonB;
    float speedA;
    float speedB;
    vector::Array<vec2f32> positions;
    vector::Array<vec2f32> positionsA;
    vector::Array<vec2f32> positionsB;
    vector::Array<float> impulses;
    uint8 points;
    // The Box2D contact this record stands for; its key.
    void* contactPointer;
    bool enabled;
};

// The live contact records, ascending by Box2D contact address (added
// balanced, as Box2D hands out contacts in ascending order). Records are
// added and removed through addContact and removeContact, which also keep
// the index that getContact answers from: the listener looks a record up
// for every touching contact in every step.
class TreeConcacts : public vector::BinaryTree<Contact2D*> {
public:
    TreeConcacts() : slots(), used(0) {}
    TreeConcacts(const TreeConcacts&) = delete;

    bool firstBiggerSecond(Contact2D* first, Contact2D* second) override;
    bool firstEqualSecond(Contact2D* first, Contact2D* second) override;

    // False, with nothing stored, for null or a contact already recorded.
    bool addContact(Contact2D* contact);
    // Takes the record out; the caller deletes it.
    bool removeContact(Contact2D* contact);
    // Deletes every record.
    void deleteContacts();
    // The record of a Box2D contact, or null.
    Contact2D* getContact(void* contactPointer);

private:
    // The index: an open-addressed table of records by contact pointer,
    // probed linearly from a multiplicative hash, its size a power of two at
    // least twice the number of records.
    struct Slot {
        void* key;
        Contact2D* record;
    };
    size_t home(void* key) const;
    // The slot holding the key, or the empty slot where it would go.
    size_t probe(void* key) const;
    void insert(Contact2D* record);
    void erase(size_t slot);

    std::vector<Slot> slots;
    size_t used;
};

} // namespace physics2D
} // namespace zelk

#endif
