#ifndef ZELK_TESTS_SHADERPROBES_H
#define ZELK_TESTS_SHADERPROBES_H

#include "zelk/shd/DataList.h"
#include "zelk/shd/GLSL.h"

#include <string>

namespace zelk {
namespace test {

// Read access to what a uniform list keeps to itself.
template <typename List> class ListProbe : public List {
public:
    unsigned int dataCount() { return this->datas.size(); }
    shd::Data* data(const char* name) {
        return static_cast<shd::Data*>(this->datas.getElementByName(name));
    }
    shd::Data* selectedData() { return this->selected; }
};

typedef ListProbe<shd::DataList> DataListProbe;

// Read access to a program's links as well.
class ProgramProbe : public ListProbe<shd::GLSL> {
public:
    unsigned int linkCount() { return shaders.size(); }
    shaderLink* link(const char* name) { return shaders.getShaderByName(const_cast<char*>(name)); }
    // The links' names in the order they were added.
    std::string linkOrder() {
        std::string order;
        for (unsigned int position = 0; position < shaders.size(); position++) {
            order += std::string(order.empty() ? "" : " ") +
                     shaders.getElementInPosition(position)->getName();
        }
        return order;
    }
};

} // namespace test
} // namespace zelk

#endif
