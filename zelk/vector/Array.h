#ifndef ZELK_VECTOR_ARRAY_H
#define ZELK_VECTOR_ARRAY_H

namespace zelk {
namespace vector {

// A heap array whose length is fixed when it is created. Every read and write
// tests the position first: out of range, reads give a default element and
// writes give false. A by-value copy shares the storage; the copy is told
// cantDeleteVector() so that only one of them frees it.
template <typename T> class Array {
public:
    Array() : vector(nullptr), vectorSize(0), canDeleteVector(false) {}
    ~Array() {
        if (canDeleteVector) {
            delete[] vector;
        }
    }

    // Replaces the storage with size value-initialised elements; false for 0.
    bool createArray(unsigned int size) {
        deleteArray();
        if (size == 0) {
            return false;
        }
        vector = new T[size]();
        vectorSize = size;
        canDeleteVector = true;
        return true;
    }

    // Frees the storage, owned or not.
    void deleteArray() {
        delete[] vector;
        vector = nullptr;
        vectorSize = 0;
        canDeleteVector = false;
    }

    void cantDeleteVector() { canDeleteVector = false; }

    bool have(unsigned int position) const { return vector && position < vectorSize; }

    T get(unsigned int position) const { return have(position) ? vector[position] : T(); }
    T operator[](unsigned int position) const { return get(position); }

    bool set(unsigned int position, T value) {
        if (!have(position)) {
            return false;
        }
        vector[position] = value;
        return true;
    }

    unsigned int size() const { return vectorSize; }
    unsigned int getSize() const { return vectorSize; }

protected:
    T* vector;
    unsigned int vectorSize;
    bool canDeleteVector;
};

} // namespace vector
} // namespace zelk

#endif
