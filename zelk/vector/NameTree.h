#ifndef ZELK_VECTOR_NAMETREE_H
#define ZELK_VECTOR_NAMETREE_H

#include "zelk/vector/BinaryTree.h"
#include "zelk/vector/Name.h"

namespace zelk {
namespace vector {

// A tree of names ordered by their texts. It deletes the names it still holds
// when it dies, unless told cantDeleteNames(): a copy shares its source's
// nodes and names, and only one of the two may free them.
class NameTree : public BinaryTree<Name*> {
public:
    NameTree();
    NameTree(const NameTree& other);
    ~NameTree() override;

    Name* getElementByName(const char* text);
    bool haveName(const char* text);
    // Takes the name out of the tree without deleting it.
    bool removeName(const char* text);

    // Deletes every stored name, then frees the nodes.
    void deleteAllNames();
    void cantDeleteNames();

    bool firstBiggerSecond(Name* first, Name* second) override;
    bool firstEqualSecond(Name* first, Name* second) override;

protected:
    bool canDeleteNames;
};

} // namespace vector
} // namespace zelk

#endif
