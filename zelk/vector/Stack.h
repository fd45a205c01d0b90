#ifndef ZELK_VECTOR_STACK_H
#define ZELK_VECTOR_STACK_H

#include "zelk/vector/Array.h"
#include "zelk/vector/BinaryTree.h"

namespace zelk {
namespace vector {

// One block of a Stack: its elements and the links to its neighbours, which it
// never frees.
template <typename T> class StackCel : public Array<T> {
public:
    explicit StackCel(unsigned int size) : next(nullptr), previous(nullptr) {
        this->createArray(size);
    }
    StackCel(const StackCel&) = delete;
    StackCel& operator=(const StackCel&) = delete;
    ~StackCel() {
        next = nullptr;
        previous = nullptr;
    }

    StackCel<T>* next;
    StackCel<T>* previous;
};

// The engine's indexed list: a chain of blocks of arraySize elements. Stored
// elements never move; remove leaves a freed position that a later pushBack
// fills, so a position is a stable handle. Callers walk positions 0 to
// size() - 1 and skip those for which havePos is false. A copy shares its
// source's blocks and must be told cantDestroy() before it is destroyed.
// Elements are never deleted.
template <typename T> class Stack {
public:
    Stack() : Stack(10) {}
    explicit Stack(unsigned int size)
        : first(nullptr), last(nullptr), cursor(nullptr), cursorIndex(0), stackSize(0),
          arraySize(size ? size : 10), canDestroy(true) {}
    Stack(const Stack& other)
        : first(other.first), last(other.last), cursor(nullptr), cursorIndex(0),
          freePositions(other.freePositions), stackSize(other.stackSize),
          arraySize(other.arraySize), canDestroy(other.canDestroy) {}
    Stack& operator=(const Stack&) = delete;

    ~Stack() {
        if (canDestroy) {
            clean();
        } else {
            freePositions.cantDestruct();
        }
    }

    void cantDestroy() { canDestroy = false; }

    // Frees every block (never an element) and forgets the freed positions.
    void clean() {
        while (first) {
            StackCel<T>* next = first->next;
            delete first;
            first = next;
        }
        last = nullptr;
        cursor = nullptr;
        stackSize = 0;
        freePositions.clean();
    }
    void clean(unsigned int size) {
        clean();
        arraySize = size ? size : 10;
    }

    // Live and freed positions together.
    unsigned int size() const { return stackSize; }

    // True while some position below size() is a freed one.
    bool haveFreePositions() { return freePositions.haveRoot(); }

    bool havePos(unsigned int position) {
        return position < stackSize && !freePositions.haveElement(position);
    }

    T get(unsigned int position) { return havePos(position) ? read(position) : T(); }
    T operator[](unsigned int position) { return get(position); }

    bool set(unsigned int position, T value) { return havePos(position) && write(position, value); }

    // Stores the value in the freed position at the root of the freed-position
    // tree, else appends it; answers its position.
    unsigned int pushBack(T value) {
        if (freePositions.haveRoot()) {
            unsigned int position = freePositions.getRootValue();
            if (freePositions.remove(position)) {
                set(position, value);
                return position;
            }
        }
        if (stackSize % arraySize == 0) {
            createNewArray();
        }
        if (!last) {
            return 0;
        }
        last->set(stackSize % arraySize, value);
        stackSize++;
        return stackSize - 1;
    }

    // Takes the last position and then drops every freed position that has
    // become the end; answers the element taken, or a zero element when the
    // last position was a freed one.
    T popBack() {
        T result = T();
        bool taken = false;
        while (stackSize) {
            stackSize--;
            unsigned int slot = stackSize % arraySize;
            if (!freePositions.remove(stackSize) && !taken) {
                result = last->get(slot);
                taken = true;
            }
            if (slot == 0) {
                freeLastBlock();
            }
            if (stackSize == 0 || !freePositions.haveElement(stackSize - 1)) {
                break;
            }
        }
        return result;
    }

    // Takes the element out of a live position. The last position is popped;
    // any other keeps a zero element and becomes a freed position.
    T remove(unsigned int position) {
        if (!havePos(position)) {
            return T();
        }
        if (position == stackSize - 1) {
            return popBack();
        }
        T element = read(position);
        write(position, T());
        freePositions.add(position);
        return element;
    }

    // Exchanges two positions below size(); a freed position travels with its
    // zero element.
    bool swap(unsigned int a, unsigned int b) {
        if (a >= stackSize || b >= stackSize) {
            return false;
        }
        bool aLive = havePos(a);
        bool bLive = havePos(b);
        freePositions.remove(a);
        freePositions.remove(b);
        T elementA = read(a);
        T elementB = read(b);
        write(a, elementB);
        write(b, elementA);
        if (!aLive) {
            freePositions.add(b);
        }
        if (!bLive) {
            freePositions.add(a);
        }
        return true;
    }

    bool bringPositionTo(unsigned int from, unsigned int to) {
        if (to > from) {
            return bringPositionPlusTimes(from, to - from);
        }
        return bringPositionMinusTimes(from, from - to);
    }

    bool bringPositionPlusOne(unsigned int position) {
        return havePos(position) && position < stackSize - 1 && swap(position, position + 1);
    }
    bool bringPositionMinusOne(unsigned int position) {
        return havePos(position) && position > 0 && swap(position, position - 1);
    }

    // Moves the element times positions up, the ones between down by one; false
    // when either end is not live or lies beyond the 32-bit range.
    bool bringPositionPlusTimes(unsigned int position, unsigned int times) {
        unsigned int destination = position + times;
        if (destination < position || !havePos(position) || !havePos(destination)) {
            return false;
        }
        for (unsigned int at = position; at < destination; at++) {
            swap(at, at + 1);
        }
        return true;
    }
    bool bringPositionMinusTimes(unsigned int position, unsigned int times) {
        if (!havePos(position) || position < times || !havePos(position - times)) {
            return false;
        }
        for (unsigned int at = position; at > position - times; at--) {
            swap(at, at - 1);
        }
        return true;
    }

    // Appends one block to the chain.
    bool createNewArray() {
        StackCel<T>* block = new StackCel<T>(arraySize);
        if (last) {
            last->next = block;
            block->previous = last;
        } else {
            first = block;
        }
        last = block;
        return true;
    }

private:
    // The block of a position. The walk starts from whichever of the first
    // block, the last block and the block found last lies nearest, and runs
    // forward or back, so walking the positions in either order costs one
    // step per block instead of a walk from the first block every time.
    StackCel<T>* blockOf(unsigned int position) const {
        unsigned int index = position / arraySize;
        StackCel<T>* block = first;
        unsigned int at = 0;
        unsigned int lastIndex = stackSize ? (stackSize - 1) / arraySize : 0;
        if (last && index <= lastIndex && lastIndex - index < index) {
            block = last;
            at = lastIndex;
        }
        if (cursor && distance(cursorIndex, index) < distance(at, index)) {
            block = cursor;
            at = cursorIndex;
        }
        for (; block && at < index; at++) {
            block = block->next;
        }
        for (; block && at > index; at--) {
            block = block->previous;
        }
        if (block) {
            cursor = block;
            cursorIndex = index;
        }
        return block;
    }
    static unsigned int distance(unsigned int a, unsigned int b) { return a > b ? a - b : b - a; }
    T read(unsigned int position) const {
        StackCel<T>* block = blockOf(position);
        return block ? block->get(position % arraySize) : T();
    }
    bool write(unsigned int position, T value) {
        StackCel<T>* block = blockOf(position);
        return block && block->set(position % arraySize, value);
    }
    void freeLastBlock() {
        StackCel<T>* block = last;
        if (cursor == block) {
            cursor = nullptr;
        }
        last = block->previous;
        if (last) {
            last->next = nullptr;
        } else {
            first = nullptr;
        }
        delete block;
    }

protected:
    StackCel<T>* first;
    StackCel<T>* last;
    mutable StackCel<T>* cursor;
    mutable unsigned int cursorIndex;
    BinaryTree<unsigned int> freePositions;
    unsigned int stackSize;
    unsigned int arraySize;
    bool canDestroy;
};

} // namespace vector
} // namespace zelk

#endif
