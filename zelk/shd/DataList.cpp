#include "zelk/shd/DataList.h"

namespace zelk {
namespace shd {

DataList::DataList() : selected(nullptr) {}

DataList::~DataList() {
    selected = nullptr;
    cleanDatas();
}

bool DataList::selectData(char* name) {
    selected = static_cast<Data*>(datas.getElementByName(name));
    if (selected) {
        return true;
    }
    newData(name);
    selected = static_cast<Data*>(datas.getElementByName(name));
    return selected != nullptr;
}

bool DataList::selectData(const char* name) {
    return selectData(const_cast<char*>(name));
}

bool DataList::newData(const char* name) {
    return newData(const_cast<char*>(name));
}

bool DataList::newData(char* name) {
    if (!name) {
        return false;
    }
    Data* data = new Data();
    if (!data->setName(name) || !datas.add(data)) {
        delete data;
        return false;
    }
    return true;
}

bool DataList::updateData(const char* name) {
    return updateData(const_cast<char*>(name));
}

bool DataList::updateData(char* name) {
    if (!selectData(name)) {
        return false;
    }
    selected->updateData();
    return true;
}

bool DataList::setDataID(char* name, int location) {
    if (!selectData(name) || location == -1) {
        return false;
    }
    selected->location = location;
    return true;
}

bool DataList::setDataID(const char* name, int location) {
    return setDataID(const_cast<char*>(name), location);
}

template <typename Set> bool DataList::setSelected(char* name, Set set) {
    if (!selectData(name)) {
        return false;
    }
    set(*selected);
    return true;
}

bool DataList::setData1i(char* name, int x) {
    return setSelected(name, [&](Data& data) { data.setData1i(x); });
}

bool DataList::setData1i(const char* name, int x) {
    return setData1i(const_cast<char*>(name), x);
}

bool DataList::setData2i(char* name, int x, int y) {
    return setSelected(name, [&](Data& data) { data.setData2i(x, y); });
}

bool DataList::setData2i(const char* name, int x, int y) {
    return setData2i(const_cast<char*>(name), x, y);
}

bool DataList::setData2i(char* name, vec2i32 value) {
    return setSelected(name, [&](Data& data) { data.setData2i(value); });
}

bool DataList::setData2i(const char* name, vec2i32 value) {
    return setData2i(const_cast<char*>(name), value);
}

bool DataList::setData3i(char* name, int x, int y, int z) {
    return setSelected(name, [&](Data& data) { data.setData3i(x, y, z); });
}

bool DataList::setData3i(const char* name, int x, int y, int z) {
    return setData3i(const_cast<char*>(name), x, y, z);
}

bool DataList::setData3i(char* name, vec3i32 value) {
    return setSelected(name, [&](Data& data) { data.setData3i(value); });
}

bool DataList::setData3i(const char* name, vec3i32 value) {
    return setData3i(const_cast<char*>(name), value);
}

bool DataList::setData4i(char* name, int x, int y, int z, int w) {
    return setSelected(name, [&](Data& data) { data.setData4i(x, y, z, w); });
}

bool DataList::setData4i(const char* name, int x, int y, int z, int w) {
    return setData4i(const_cast<char*>(name), x, y, z, w);
}

bool DataList::setData4i(char* name, vec4i32 value) {
    return setSelected(name, [&](Data& data) { data.setData4i(value); });
}

bool DataList::setData4i(const char* name, vec4i32 value) {
    return setData4i(const_cast<char*>(name), value);
}

bool DataList::setData1f(char* name, float x) {
    return setSelected(name, [&](Data& data) { data.setData1f(x); });
}

bool DataList::setData1f(const char* name, float x) {
    return setData1f(const_cast<char*>(name), x);
}

bool DataList::setData2f(char* name, float x, float y) {
    return setSelected(name, [&](Data& data) { data.setData2f(x, y); });
}

bool DataList::setData2f(const char* name, float x, float y) {
    return setData2f(const_cast<char*>(name), x, y);
}

bool DataList::setData2f(char* name, vec2f32 value) {
    return setSelected(name, [&](Data& data) { data.setData2f(value); });
}

bool DataList::setData2f(const char* name, vec2f32 value) {
    return setData2f(const_cast<char*>(name), value);
}

bool DataList::setData3f(char* name, float x, float y, float z) {
    return setSelected(name, [&](Data& data) { data.setData3f(x, y, z); });
}

bool DataList::setData3f(const char* name, float x, float y, float z) {
    return setData3f(const_cast<char*>(name), x, y, z);
}

bool DataList::setData3f(char* name, vec3f32 value) {
    return setSelected(name, [&](Data& data) { data.setData3f(value); });
}

bool DataList::setData3f(const char* name, vec3f32 value) {
    return setData3f(const_cast<char*>(name), value);
}

bool DataList::setData4f(char* name, float x, float y, float z, float w) {
    return setSelected(name, [&](Data& data) { data.setData4f(x, y, z, w); });
}

bool DataList::setData4f(const char* name, float x, float y, float z, float w) {
    return setData4f(const_cast<char*>(name), x, y, z, w);
}

bool DataList::setData4f(char* name, vec4f32 value) {
    return setSelected(name, [&](Data& data) { data.setData4f(value); });
}

bool DataList::setData4f(const char* name, vec4f32 value) {
    return setData4f(const_cast<char*>(name), value);
}

bool DataList::updateAllDatas() {
    unsigned int count = datas.size();
    if (count == 0) {
        return false;
    }
    for (unsigned int position = 0; position < count; position++) {
        selected = static_cast<Data*>(datas.getElementInPosition(position));
        selected->updateData();
    }
    return true;
}

void DataList::deleteData(char* name) {
    if (selectData(name)) {
        datas.remove(selected);
        delete selected;
    }
    selected = nullptr;
}

void DataList::deleteData(const char* name) {
    deleteData(const_cast<char*>(name));
}

void DataList::cleanDatas() {
    datas.deleteAllNames();
}

} // namespace shd
} // namespace zelk
