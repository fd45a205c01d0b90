#ifndef ZELK_SQLGROUP_H
#define ZELK_SQLGROUP_H

#include "zelk/vector/Stack.h"

namespace zelk {

// One column of a result row: the column's name and its value as text, both
// the node's own copies. An SQL NULL has a null value; an empty text stays
// an empty text. With canDelete false the destructor keeps both texts.
class SQLNode {
public:
    SQLNode(char* name, char* value);
    ~SQLNode();
    SQLNode(const SQLNode&) = delete;
    SQLNode& operator=(const SQLNode&) = delete;

    char* name;
    char* value;
    bool canDelete;
};

// One result row: its columns in the order SQLite reports them. The row owns
// its nodes and deletes them with itself.
class SQLNodes : public vector::Stack<SQLNode*> {
public:
    SQLNodes();
    ~SQLNodes();
    SQLNodes(const SQLNodes&) = delete;
    SQLNodes& operator=(const SQLNodes&) = delete;

    // Appends a column holding copies of both texts; false for a null name.
    bool addNode(char* name, char* value);
    bool addNode(const char* name, const char* value);
};

// One result set: its rows in the order SQLite delivers them, row 0 first.
// The group owns its rows and deletes them with itself.
class SQLGroup : public vector::Stack<SQLNodes*> {
public:
    SQLGroup() = default;
    ~SQLGroup();
    SQLGroup(const SQLGroup&) = delete;
    SQLGroup& operator=(const SQLGroup&) = delete;

    // Appends an empty row and answers its position.
    unsigned int newGroup();
    SQLNodes* getNewGroup();
    // The row at a position; null where there is none.
    SQLNodes* getGroup(unsigned int position);
    bool haveGroup(unsigned int position);
};

} // namespace zelk

#endif
