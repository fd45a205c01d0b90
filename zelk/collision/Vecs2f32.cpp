#include "zelk/collision/Vecs2f32.h"

namespace zelk {
namespace collision {

Vecs2f32::Vecs2f32(unsigned int blockSize) : blockSize(blockSize), points(blockSize) {}

Vecs2f32::Vecs2f32(const Vecs2f32& other) : blockSize(other.blockSize), points(other.blockSize) {
    append(other);
}

Vecs2f32& Vecs2f32::operator=(const Vecs2f32& other) {
    if (this != &other) {
        points.clean();
        append(other);
    }
    return *this;
}

Vecs2f32::~Vecs2f32() {}

vec2f32 Vecs2f32::get(unsigned int position) {
    return points.get(position);
}

unsigned int Vecs2f32::pushBack(vec2f32 point) {
    return points.pushBack(point);
}

Vecs2f32 Vecs2f32::operator+=(Vecs2f32 other) {
    append(other);
    return other;
}

void Vecs2f32::append(const Vecs2f32& other) {
    for (unsigned int i = 0; i < other.points.size(); i++) {
        points.pushBack(other.points.get(i));
    }
}

} // namespace collision
} // namespace zelk
