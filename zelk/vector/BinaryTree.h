#ifndef ZELK_VECTOR_BINARYTREE_H
#define ZELK_VECTOR_BINARYTREE_H

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

namespace zelk {
namespace vector {

// Visits the ranges of the positions 0 to count - 1 that halving makes, the
// whole first, as visit(first, middle, last) with last past the range, without
// recursion: the middle of a range is the node whose subtrees hold the
// halves in a tree of least height over sorted elements.
template <typename Visit> void forEachRangeMiddleFirst(size_t count, Visit visit) {
    std::vector<std::pair<size_t, size_t>> ranges{{0, count}};
    while (!ranges.empty()) {
        std::pair<size_t, size_t> range = ranges.back();
        ranges.pop_back();
        if (range.first >= range.second) {
            continue;
        }
        size_t middle = range.first + (range.second - range.first) / 2;
        visit(range.first, middle, range.second);
        ranges.push_back({range.first, middle});
        ranges.push_back({middle + 1, range.second});
    }
}

// Visits the positions 0 to count - 1 middle first, then the middles of both
// halves, and so on: sorted elements added to a tree in this order make a
// tree of least height.
template <typename Visit> void forEachMiddleFirst(size_t count, Visit visit) {
    forEachRangeMiddleFirst(count, [&visit](size_t, size_t middle, size_t) { visit(middle); });
}

// One node of a BinaryTree. Deleting a node frees neither its children nor its
// element.
template <typename T> class BinaryLeaf {
public:
    BinaryLeaf() : left(nullptr), right(nullptr), value() {}
    ~BinaryLeaf() {
        left = nullptr;
        right = nullptr;
        value = T();
    }

    BinaryLeaf<T>* left;
    BinaryLeaf<T>* right;
    T value;
};

// An unbalanced binary search tree without duplicates. Derived trees override
// the order and identity hooks; the tree always asks
// firstEqualSecond(stored, other) and firstBiggerSecond(other, stored), and
// sends an element to the right when it is bigger. The tree owns its nodes,
// never its elements. A copy shares its source's nodes: one of the two must be
// told cantDestruct() before it is destroyed.
template <typename T> class BinaryTree {
public:
    BinaryTree() : errorCode(0), root(nullptr), treeSize(0), dontDestruct(false) {}
    BinaryTree(const BinaryTree<T>& other)
        : errorCode(other.errorCode), root(other.root), treeSize(other.treeSize),
          dontDestruct(other.dontDestruct) {}
    BinaryTree& operator=(const BinaryTree<T>&) = delete;

    virtual ~BinaryTree() {
        if (!dontDestruct) {
            BinaryTree<T>::clean();
            root = nullptr;
            treeSize = 0;
        }
        dontDestruct = false;
    }

    // Frees every node, never an element.
    virtual void clean() {
        if (root) {
            treeSize = 0;
        }
        // Rotating each left child up turns the tree into a right-leaning
        // list, which is then freed node by node without a stack.
        BinaryLeaf<T>* node = root;
        while (node) {
            if (node->left) {
                BinaryLeaf<T>* up = node->left;
                node->left = up->right;
                up->right = node;
                node = up;
            } else {
                BinaryLeaf<T>* next = node->right;
                delete node;
                node = next;
            }
        }
        root = nullptr;
    }

    // The order hook: by default the greater value, addresses for pointers.
    virtual bool firstBiggerSecond(T first, T second) {
        if constexpr (std::is_pointer_v<T>) {
            return reinterpret_cast<std::uintptr_t>(first) >
                   reinterpret_cast<std::uintptr_t>(second);
        } else if constexpr (std::is_integral_v<T>) {
            return static_cast<std::make_unsigned_t<T>>(first) >
                   static_cast<std::make_unsigned_t<T>>(second);
        } else {
            return first > second;
        }
    }
    // The identity hook: by default the very same value.
    virtual bool firstEqualSecond(T first, T second) { return first == second; }
    virtual void printElement(T) {}
    virtual void updateElement(T) {}

    // Stores the element as a new leaf; false (and errorCode 100) when an
    // equal element is stored already.
    bool add(T element) {
        BinaryLeaf<T>* leaf = new BinaryLeaf<T>();
        leaf->value = element;
        if (!root) {
            root = leaf;
            incrementSize();
            return true;
        }
        BinaryLeaf<T>* node = root;
        while (true) {
            if (firstEqualSecond(node->value, element)) {
                delete leaf;
                errorCode = 100;
                return false;
            }
            BinaryLeaf<T>** child =
                firstBiggerSecond(element, node->value) ? &node->right : &node->left;
            if (!*child) {
                *child = leaf;
                incrementSize();
                return true;
            }
            node = *child;
        }
    }

    // Stores the element as add() does; then, when its leaf lies deeper than
    // log base 3/2 of the size, relinks one subtree on the leaf's path middle
    // first: the lowest that is itself deeper than log base 3/2 of its own
    // size, or the lowest above that whose relinking brings the leaf within
    // the depth allowed (a tree that plain adds made deep). The elements,
    // their nodes and their order stay; only the shape changes. So elements
    // that arrive in ascending order (objects allocated one after another,
    // kept by address) still make a tree of logarithmic height, at a
    // logarithmic cost per element over time. Only for an order under which
    // no two stored elements tie.
    bool addBalanced(T element) {
        if (!add(element)) {
            return false;
        }
        std::vector<BinaryLeaf<T>*> path = pathTo(element);
        size_t allowed = allowedDepth(size());
        if (path.size() - 1 <= allowed) {
            return true;
        }
        size_t below = 1;
        bool unbalanced = false;
        for (size_t i = path.size() - 1; i-- > 0;) {
            BinaryLeaf<T>* node = path[i];
            below += 1 + countOf(node->left == path[i + 1] ? node->right : node->left);
            unbalanced = unbalanced || path.size() - 1 - i > allowedDepth(below);
            if (!unbalanced || i + leastHeight(below) > allowed) {
                continue;
            }
            BinaryLeaf<T>** place =
                i == 0 ? &root
                       : (path[i - 1]->left == node ? &path[i - 1]->left : &path[i - 1]->right);
            *place = relinkMiddleFirst(node);
            break;
        }
        return true;
    }

    // Unlinks and frees the node of the stored element equal to the argument.
    bool remove(T element) {
        BinaryLeaf<T>* mother = findMother(element);
        if (!mother) {
            return false;
        }
        BinaryLeaf<T>** place = nullptr;
        if (mother->left && firstEqualSecond(mother->left->value, element)) {
            place = &mother->left;
        } else if (mother->right && firstEqualSecond(mother->right->value, element)) {
            place = &mother->right;
        } else if (mother == root) {
            place = &root;
        } else {
            return false;
        }
        BinaryLeaf<T>* victim = *place;
        *place = replacementOf(victim);
        delete victim;
        decrementSize();
        return true;
    }

    // The stored element equal to the argument (a probe), or null (0).
    T getElement(T element) {
        BinaryLeaf<T>* node = find(element);
        return node ? node->value : T();
    }
    bool haveElement(T element) { return find(element) != nullptr; }

    // The element at a 0-based ascending position, or null (0).
    T getElementInPosition(unsigned int position) {
        if (size() <= position) {
            return T();
        }
        T found = T();
        unsigned int counter = 0;
        walk(true, [&](BinaryLeaf<T>* node) {
            if (counter == position) {
                found = node->value;
                return false;
            }
            counter++;
            return true;
        });
        return found;
    }

    unsigned int size() const { return treeSize; }
    unsigned int getSize() const { return treeSize; }

    // Hands every element to printElement, ascending.
    void print() {
        walk(true, [this](BinaryLeaf<T>* node) {
            printElement(node->value);
            return true;
        });
    }
    // Hands every element to updateElement, descending.
    void update() {
        walk(false, [this](BinaryLeaf<T>* node) {
            updateElement(node->value);
            return true;
        });
    }
    // Every element, ascending, in one walk.
    std::vector<T> elements() {
        std::vector<T> all;
        all.reserve(size());
        walk(true, [&all](BinaryLeaf<T>* node) {
            all.push_back(node->value);
            return true;
        });
        return all;
    }

    void cantDestruct() { dontDestruct = true; }
    bool haveRoot() const { return root != nullptr; }
    bool haveRootChild() const { return root && (root->left || root->right); }
    T getRootValue() const { return root ? root->value : T(); }

protected:
    // Visits the nodes in ascending order, or descending, until the visitor
    // answers false. A node's far child is read only after its visit, as a
    // recursive walk would; the pending nodes live on the heap, so a tree as
    // deep as it is large does not exhaust the call stack.
    template <typename Visit> void walk(bool ascending, Visit visit) {
        walkFrom(root, ascending, visit);
    }
    // The same over the subtree under start.
    template <typename Visit> void walkFrom(BinaryLeaf<T>* start, bool ascending, Visit visit) {
        std::vector<BinaryLeaf<T>*> pending;
        BinaryLeaf<T>* node = start;
        while (node || !pending.empty()) {
            while (node) {
                pending.push_back(node);
                node = ascending ? node->left : node->right;
            }
            node = pending.back();
            pending.pop_back();
            if (!visit(node)) {
                return;
            }
            node = ascending ? node->right : node->left;
        }
    }

    // The node whose child holds the element equal to the argument; the root
    // when the root holds it; null when none does.
    BinaryLeaf<T>* findMother(T element) {
        if (!root) {
            return nullptr;
        }
        if (firstEqualSecond(root->value, element)) {
            return root;
        }
        BinaryLeaf<T>* node = root;
        while (true) {
            BinaryLeaf<T>* child =
                firstBiggerSecond(element, node->value) ? node->right : node->left;
            if (!child) {
                return nullptr;
            }
            if (firstEqualSecond(child->value, element)) {
                return node;
            }
            node = child;
        }
    }

    BinaryLeaf<T>* find(T element) {
        BinaryLeaf<T>* mother = findMother(element);
        if (!mother) {
            return nullptr;
        }
        if (firstEqualSecond(mother->value, element)) {
            return mother;
        }
        if (mother->left && firstEqualSecond(mother->left->value, element)) {
            return mother->left;
        }
        if (mother->right && firstEqualSecond(mother->right->value, element)) {
            return mother->right;
        }
        return nullptr;
    }

    // Null when start is null or has no left child; otherwise the parent of
    // the leftmost node under start.
    static BinaryLeaf<T>* findMotherLeftLeaf(BinaryLeaf<T>* start) {
        if (!start || !start->left) {
            return nullptr;
        }
        while (start->left->left) {
            start = start->left;
        }
        return start;
    }
    static BinaryLeaf<T>* findMotherRightLeaf(BinaryLeaf<T>* start) {
        if (!start || !start->right) {
            return nullptr;
        }
        while (start->right->right) {
            start = start->right;
        }
        return start;
    }

    void incrementSize() { treeSize++; }
    bool decrementSize() {
        if (treeSize == 0) {
            return false;
        }
        treeSize--;
        return true;
    }

    unsigned short errorCode;
    BinaryLeaf<T>* root;
    unsigned int treeSize;
    bool dontDestruct;

private:
    // The nodes from the root down to the stored element equal to the
    // argument, as add() and find() go; the last holds the element when it
    // is stored.
    std::vector<BinaryLeaf<T>*> pathTo(T element) {
        std::vector<BinaryLeaf<T>*> path;
        BinaryLeaf<T>* node = root;
        while (node) {
            path.push_back(node);
            if (firstEqualSecond(node->value, element)) {
                break;
            }
            node = firstBiggerSecond(element, node->value) ? node->right : node->left;
        }
        return path;
    }

    // The whole part of log base 3/2 of count: the deepest a leaf may lie in
    // a balanced tree of count nodes.
    static size_t allowedDepth(size_t count) {
        size_t depth = 0;
        for (double reach = 1.5; reach <= static_cast<double>(count); reach *= 1.5) {
            depth++;
        }
        return depth;
    }

    // The whole part of log base 2 of count: the depth of the deepest leaf
    // once count nodes are linked middle first.
    static size_t leastHeight(size_t count) {
        size_t height = 0;
        while (count > 1) {
            count /= 2;
            height++;
        }
        return height;
    }

    size_t countOf(BinaryLeaf<T>* start) {
        size_t count = 0;
        walkFrom(start, true, [&count](BinaryLeaf<T>*) {
            count++;
            return true;
        });
        return count;
    }

    // Links the nodes of the subtree under top into a subtree of least height
    // over the same ascending sequence; answers its new top.
    BinaryLeaf<T>* relinkMiddleFirst(BinaryLeaf<T>* top) {
        std::vector<BinaryLeaf<T>*> nodes;
        walkFrom(top, true, [&nodes](BinaryLeaf<T>* node) {
            nodes.push_back(node);
            return true;
        });
        auto middleOf = [&nodes](size_t first, size_t last) -> BinaryLeaf<T>* {
            return first < last ? nodes[first + (last - first) / 2] : nullptr;
        };
        forEachRangeMiddleFirst(nodes.size(), [&](size_t first, size_t middle, size_t last) {
            nodes[middle]->left = middleOf(first, middle);
            nodes[middle]->right = middleOf(middle + 1, last);
        });
        return middleOf(0, nodes.size());
    }

    // The node that takes a removed node's place, relinked to the removed
    // node's subtrees: the in-order successor, else the predecessor.
    static BinaryLeaf<T>* replacementOf(BinaryLeaf<T>* victim) {
        if (victim->right) {
            BinaryLeaf<T>* mother = findMotherLeftLeaf(victim->right);
            if (!mother) {
                victim->right->left = victim->left;
                return victim->right;
            }
            BinaryLeaf<T>* successor = mother->left;
            mother->left = successor->right;
            successor->left = victim->left;
            successor->right = victim->right;
            return successor;
        }
        if (victim->left) {
            BinaryLeaf<T>* mother = findMotherRightLeaf(victim->left);
            if (!mother) {
                return victim->left;
            }
            BinaryLeaf<T>* predecessor = mother->right;
            mother->right = predecessor->left;
            predecessor->left = victim->left;
            predecessor->right = victim->right;
            return predecessor;
        }
        return nullptr;
    }
};

} // namespace vector
} // namespace zelk

#endif
