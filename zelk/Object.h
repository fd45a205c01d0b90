#ifndef ZELK_OBJECT_H
#define ZELK_OBJECT_H

#include "zelk/vector/BinaryTree.h"

namespace zelk {

// An object shared by several pointer variables, its holders. T is the class
// that derives from it. retainObject registers a holder variable and points it
// at the object; releaseObject clears it, and the release of the last
// registered holder deletes the object. Destroying the object clears every
// variable still registered. A copy shares its source's holder set: one of the
// two must be told cantDestruct() before it is destroyed.
template <typename T> class Object {
public:
    Object() : dontDestruct(false) {}
    Object(const Object& other) : holders(other.holders), dontDestruct(other.dontDestruct) {}
    Object& operator=(const Object&) = delete;

    virtual ~Object() {
        if (dontDestruct) {
            holders.cantDestruct();
        } else {
            removeAll();
        }
        dontDestruct = false;
    }

    // Stores the handle of this object into a holder variable.
    virtual void saveObject(T** holder) {
        if (holder) {
            *holder = static_cast<T*>(this);
        }
    }
    virtual void cleanObject(T** holder) {
        if (holder) {
            *holder = nullptr;
        }
    }

    void cantDestruct() { dontDestruct = true; }

    // Registers the holder and points it at this object; null for a null
    // holder or one registered already.
    T* retainObject(T** holder) {
        if (!holder || !holders.add(holder)) {
            return nullptr;
        }
        saveObject(holder);
        return static_cast<T*>(this);
    }

    // Clears the holder variable; when it was the last registered holder the
    // object deletes itself, so the caller must not touch it afterwards. A
    // holder that was never registered is only cleared.
    bool releaseObject(T** holder) {
        if (!holder) {
            return false;
        }
        bool registered = holders.remove(holder);
        cleanObject(holder);
        if (registered && !holders.haveRoot()) {
            delete this;
        }
        return true;
    }

    // Unregisters and clears every holder, in the order they reach the root of
    // the holder set; the object stays.
    void removeAll() {
        while (holders.haveRoot()) {
            T** holder = holders.getRootValue();
            cleanObject(holder);
            holders.remove(holder);
        }
    }

    // At most one holder, none included.
    bool haveOneRetain() const { return !holders.haveRootChild(); }

protected:
    vector::BinaryTree<T**> holders;
    bool dontDestruct;
};

} // namespace zelk

#endif
