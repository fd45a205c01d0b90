#include "zelk/shd/Data.h"

#include "zelk/GU_GLSL.h"

namespace zelk {
namespace shd {

namespace {

// Overwrites the values in place when the stack holds as many, otherwise
// rebuilds it with them.
template <typename T, unsigned int count>
void store(vector::Stack<T>& stack, const T (&values)[count]) {
    if (stack.size() == count) {
        for (unsigned int at = 0; at < count; at++) {
            stack.set(at, values[at]);
        }
        return;
    }
    stack.clean();
    for (T value : values) {
        stack.pushBack(value);
    }
}

} // namespace

Data::Data() : ints(4), floats(4), location(-1), isInt(false) {}

Data::~Data() {
    cleanInts();
    cleanFloats();
}

void Data::cleanInts() {
    if (ints.size()) {
        ints.clean();
    }
}

void Data::cleanFloats() {
    if (floats.size()) {
        floats.clean();
    }
}

void Data::setData1i(int x) {
    store(ints, {x});
    isInt = true;
}

void Data::setData2i(int x, int y) {
    setData2i(vec2i32(x, y));
}

void Data::setData2i(vec2i32 value) {
    store(ints, {value.x, value.y});
    isInt = true;
}

void Data::setData3i(int x, int y, int z) {
    setData3i(vec3i32(x, y, z));
}

void Data::setData3i(vec3i32 value) {
    store(ints, {value.x, value.y, value.z});
    isInt = true;
}

void Data::setData4i(int x, int y, int z, int w) {
    setData4i(vec4i32(x, y, z, w));
}

void Data::setData4i(vec4i32 value) {
    store(ints, {value.x, value.y, value.z, value.w});
    isInt = true;
}

void Data::setData1f(float x) {
    store(floats, {x});
    isInt = false;
}

void Data::setData2f(float x, float y) {
    setData2f(vec2f32(x, y));
}

void Data::setData2f(vec2f32 value) {
    store(floats, {value.x, value.y});
    isInt = false;
}

void Data::setData3f(float x, float y, float z) {
    setData3f(vec3f32(x, y, z));
}

void Data::setData3f(vec3f32 value) {
    store(floats, {value.x, value.y, value.z});
    isInt = false;
}

void Data::setData4f(float x, float y, float z, float w) {
    setData4f(vec4f32(x, y, z, w));
}

void Data::setData4f(vec4f32 value) {
    store(floats, {value.x, value.y, value.z, value.w});
    isInt = false;
}

bool Data::updateData() {
    if (location == -1) {
        return false;
    }
    if (isInt) {
        switch (ints.size()) {
        case 1:
            GU_GLSL::guData1i32(location, ints.get(0));
            break;
        case 2:
            GU_GLSL::guData2i32(location, ints.get(0), ints.get(1));
            break;
        case 3:
            GU_GLSL::guData3i32(location, ints.get(0), ints.get(1), ints.get(2));
            break;
        case 4:
            GU_GLSL::guData4i32(location, ints.get(0), ints.get(1), ints.get(2), ints.get(3));
            break;
        }
        return true;
    }
    switch (floats.size()) {
    case 1:
        GU_GLSL::guData1f32(location, floats.get(0));
        break;
    case 2:
        GU_GLSL::guData2f32(location, floats.get(0), floats.get(1));
        break;
    case 3:
        GU_GLSL::guData3f32(location, floats.get(0), floats.get(1), floats.get(2));
        break;
    case 4:
        GU_GLSL::guData4f32(location, floats.get(0), floats.get(1), floats.get(2), floats.get(3));
        break;
    }
    return true;
}

} // namespace shd
} // namespace zelk
