#include "zelk/SQLGroup.h"

#include "zelk/String.h"

namespace zelk {

namespace {

// Joining with an empty text copies the text, keeping an empty one empty
// (a plain copy would answer null, which reads as an SQL NULL).
char* copyValue(char* text) {
    return String::strCat(text, "");
}

template <typename T> void deleteElements(vector::Stack<T*>& list) {
    for (unsigned int position = 0; position < list.size(); position++)
        delete list.get(position);
    list.clean();
}

} // namespace

SQLNode::SQLNode(char* name, char* value)
    : name(copyValue(name)), value(copyValue(value)), canDelete(true) {}

SQLNode::~SQLNode() {
    if (canDelete) {
        delete[] name;
        delete[] value;
    }
    name = nullptr;
    value = nullptr;
}

SQLNodes::SQLNodes() : vector::Stack<SQLNode*>(5) {}

SQLNodes::~SQLNodes() {
    deleteElements(*this);
}

bool SQLNodes::addNode(char* name, char* value) {
    if (!name)
        return false;
    SQLNode* node = new SQLNode(name, value);
    return get(pushBack(node)) == node;
}

bool SQLNodes::addNode(const char* name, const char* value) {
    return addNode(const_cast<char*>(name), const_cast<char*>(value));
}

SQLGroup::~SQLGroup() {
    deleteElements(*this);
}

unsigned int SQLGroup::newGroup() {
    return pushBack(new SQLNodes());
}

SQLNodes* SQLGroup::getNewGroup() {
    return getGroup(newGroup());
}

SQLNodes* SQLGroup::getGroup(unsigned int position) {
    return haveGroup(position) ? get(position) : nullptr;
}

bool SQLGroup::haveGroup(unsigned int position) {
    return havePos(position);
}

} // namespace zelk
