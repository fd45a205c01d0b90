#ifndef ZELK_COLLISION_VECS2F32_H
#define ZELK_COLLISION_VECS2F32_H

#include "zelk/TypeVec2.h"
#include "zelk/vector/Stack.h"

namespace zelk {
namespace collision {

// The points an intersection test found, in the order it found them. Each
// list holds its points by value, so copies are independent and results can
// be passed and returned freely.
class Vecs2f32 {
public:
    explicit Vecs2f32(unsigned int blockSize);
    Vecs2f32(const Vecs2f32& other);
    Vecs2f32& operator=(const Vecs2f32& other);
    virtual ~Vecs2f32();

    unsigned int size() const { return points.size(); }
    // (0, 0) when there is no point at that position.
    vec2f32 get(unsigned int position);
    vec2f32 operator[](unsigned int position) { return get(position); }
    // Answers the point's position.
    unsigned int pushBack(vec2f32 point);
    // Appends other's points in order and answers a copy of other.
    Vecs2f32 operator+=(Vecs2f32 other);
    // Kept for callers of the shared-point form: a copy owns its own points,
    // so there is nothing a destruction could free twice.
    void cantDeleteVector() {}

private:
    void append(const Vecs2f32& other);

    unsigned int blockSize;
    // Read through const operations too; the stack's readers are not const.
    mutable vector::Stack<vec2f32> points;
};

} // namespace collision
} // namespace zelk

#endif
