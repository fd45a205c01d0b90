#ifndef ZELK_SHD_DATALIST_H
#define ZELK_SHD_DATALIST_H

#include "zelk/ObjectWithName.h"
#include "zelk/shd/Data.h"
#include "zelk/vector/NameTree.h"

namespace zelk {
namespace shd {

// The uniforms of a list, ordered and found by name; the tree deletes those it
// still holds when it dies.
class dataTREE : public vector::NameTree {
public:
    dataTREE() {}
    ~dataTREE() override {}
};

// A named, counted set of uniforms. A call that names a missing uniform
// creates it through the virtual newData first, so a derived list decides
// which names may exist.
class DataList : public ObjectWithName {
public:
    DataList();
    ~DataList() override;

    // Makes the uniform of that name the selected one, creating it when
    // missing; false when there is none afterwards.
    bool selectData(char* name);
    bool selectData(const char* name);

    // Creates an empty uniform with location -1; false for a null name or
    // one the list holds already.
    virtual bool newData(const char* name);
    virtual bool newData(char* name);
    // Sends the uniform's values; true whenever the uniform exists.
    virtual bool updateData(const char* name);
    virtual bool updateData(char* name);

    // Gives the uniform its location; false for -1.
    bool setDataID(char* name, int location);
    bool setDataID(const char* name, int location);

    bool setData1i(char* name, int x);
    bool setData1i(const char* name, int x);
    bool setData2i(char* name, int x, int y);
    bool setData2i(const char* name, int x, int y);
    bool setData2i(char* name, vec2i32 value);
    bool setData2i(const char* name, vec2i32 value);
    bool setData3i(char* name, int x, int y, int z);
    bool setData3i(const char* name, int x, int y, int z);
    bool setData3i(char* name, vec3i32 value);
    bool setData3i(const char* name, vec3i32 value);
    bool setData4i(char* name, int x, int y, int z, int w);
    bool setData4i(const char* name, int x, int y, int z, int w);
    bool setData4i(char* name, vec4i32 value);
    bool setData4i(const char* name, vec4i32 value);
    bool setData1f(char* name, float x);
    bool setData1f(const char* name, float x);
    bool setData2f(char* name, float x, float y);
    bool setData2f(const char* name, float x, float y);
    bool setData2f(char* name, vec2f32 value);
    bool setData2f(const char* name, vec2f32 value);
    bool setData3f(char* name, float x, float y, float z);
    bool setData3f(const char* name, float x, float y, float z);
    bool setData3f(char* name, vec3f32 value);
    bool setData3f(const char* name, vec3f32 value);
    bool setData4f(char* name, float x, float y, float z, float w);
    bool setData4f(const char* name, float x, float y, float z, float w);
    bool setData4f(char* name, vec4f32 value);
    bool setData4f(const char* name, vec4f32 value);

    // Sends every uniform in ascending name order, leaving the last one
    // selected; false for an empty list.
    bool updateAllDatas();

    void deleteData(char* name);
    void deleteData(const char* name);
    void cleanDatas();

protected:
    dataTREE datas;
    // The uniform found by the last selection; never owned.
    Data* selected;

private:
    // Selects the uniform and hands it to the setter.
    template <typename Set> bool setSelected(char* name, Set set);
};

} // namespace shd
} // namespace zelk

#endif
