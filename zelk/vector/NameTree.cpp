#include "zelk/vector/NameTree.h"

namespace zelk {
namespace vector {

NameTree::NameTree() : canDeleteNames(true) {}

NameTree::NameTree(const NameTree& other)
    : BinaryTree<Name*>(other), canDeleteNames(other.canDeleteNames) {}

NameTree::~NameTree() {
    if (canDeleteNames) {
        deleteAllNames();
    } else {
        cantDestruct();
    }
    canDeleteNames = false;
}

// A lookup passes a temporary name carrying the text as the probe.
Name* NameTree::getElementByName(const char* text) {
    Name probe(text);
    return getElement(&probe);
}

bool NameTree::haveName(const char* text) {
    Name probe(text);
    return haveElement(&probe);
}

bool NameTree::removeName(const char* text) {
    Name probe(text);
    return remove(&probe);
}

void NameTree::deleteAllNames() {
    walk(true, [](BinaryLeaf<Name*>* node) {
        delete node->value;
        return true;
    });
    clean();
}

void NameTree::cantDeleteNames() {
    canDeleteNames = false;
}

bool NameTree::firstBiggerSecond(Name* first, Name* second) {
    return first && second && first->nameBiggerThan(second->getName());
}

bool NameTree::firstEqualSecond(Name* first, Name* second) {
    return first && second && first->nameEqual(second->getName());
}

} // namespace vector
} // namespace zelk
