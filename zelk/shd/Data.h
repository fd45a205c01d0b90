#ifndef ZELK_SHD_DATA_H
#define ZELK_SHD_DATA_H

#include "zelk/TypeVec2.h"
#include "zelk/TypeVec3.h"
#include "zelk/TypeVec4.h"
#include "zelk/vector/Name.h"
#include "zelk/vector/Stack.h"

namespace zelk {
namespace shd {

// One uniform of a shader program, named as in the shader source: one to four
// integers or one to four floats and the uniform's location in its program.
// Only the values of the last setter are sent; the other kind stays as it was.
class Data : public vector::Name {
public:
    Data();
    ~Data() override;

    void cleanInts();
    void cleanFloats();

    void setData1i(int x);
    void setData2i(int x, int y);
    void setData2i(vec2i32 value);
    void setData3i(int x, int y, int z);
    void setData3i(vec3i32 value);
    void setData4i(int x, int y, int z, int w);
    void setData4i(vec4i32 value);
    void setData1f(float x);
    void setData2f(float x, float y);
    void setData2f(vec2f32 value);
    void setData3f(float x, float y, float z);
    void setData3f(vec3f32 value);
    void setData4f(float x, float y, float z, float w);
    void setData4f(vec4f32 value);

    // Sends the values to the uniform of the program in use; false while the
    // location is -1.
    bool updateData();

    vector::Stack<int> ints;
    vector::Stack<float> floats;
    int location;
    // The last values set were integers.
    bool isInt;
};

} // namespace shd
} // namespace zelk

#endif
