#include "zelk/vector/BinaryTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

using zelk::vector::BinaryLeaf;
using zelk::vector::BinaryTree;

namespace {

// A number tree that shows its shape and its error code, records what its
// walks hand to the hooks, and can grow a chain directly (the shape that
// sorted adds build, without their quadratic cost).
class ShapeTree : public BinaryTree<unsigned int> {
public:
    std::vector<unsigned int> printed;
    std::vector<unsigned int> updated;

    void printElement(unsigned int value) override { printed.push_back(value); }
    void updateElement(unsigned int value) override { updated.push_back(value); }

    unsigned short error() const { return errorCode; }
    // The tree in parenthesised form: (left value right), "-" for no node.
    std::string shape() const { return shapeOf(root); }
    // The nodes on the longest path from the root, counted without recursion.
    unsigned int height() const {
        unsigned int highest = 0;
        std::vector<std::pair<const BinaryLeaf<unsigned int>*, unsigned int>> pending{{root, 1}};
        while (!pending.empty()) {
            auto [node, depth] = pending.back();
            pending.pop_back();
            if (node) {
                highest = std::max(highest, depth);
                pending.push_back({node->left, depth + 1});
                pending.push_back({node->right, depth + 1});
            }
        }
        return highest;
    }

    void growAscendingChain(unsigned int count) {
        BinaryLeaf<unsigned int>** place = &root;
        while (*place) {
            place = &(*place)->right;
        }
        for (unsigned int value = treeSize + 1; count > 0; count--, value++) {
            *place = new BinaryLeaf<unsigned int>();
            (*place)->value = value;
            place = &(*place)->right;
            treeSize++;
        }
    }

private:
    static std::string shapeOf(const BinaryLeaf<unsigned int>* node) {
        if (!node) {
            return "-";
        }
        if (!node->left && !node->right) {
            return std::to_string(node->value);
        }
        return "(" + shapeOf(node->left) + " " + std::to_string(node->value) + " " +
               shapeOf(node->right) + ")";
    }
};

ShapeTree* filled(ShapeTree* tree, std::initializer_list<unsigned int> values) {
    for (unsigned int value : values) {
        EXPECT_TRUE(tree->add(value));
    }
    return tree;
}

std::vector<unsigned int> byPosition(BinaryTree<unsigned int>& tree) {
    std::vector<unsigned int> values;
    for (unsigned int position = 0; position < tree.size(); position++) {
        values.push_back(tree.getElementInPosition(position));
    }
    return values;
}

// A keyed record and a tree over it that logs every hook call.
struct Keyed {
    int key;
};

class LoggingTree : public BinaryTree<Keyed*> {
public:
    struct Call {
        char hook;
        Keyed* first;
        Keyed* second;
    };
    std::vector<Call> calls;

    bool firstBiggerSecond(Keyed* first, Keyed* second) override {
        calls.push_back({'B', first, second});
        return first->key > second->key;
    }
    bool firstEqualSecond(Keyed* first, Keyed* second) override {
        calls.push_back({'E', first, second});
        return first->key == second->key;
    }
};

// Every key compares as a tie: neither is ever bigger.
class TieTree : public BinaryTree<Keyed*> {
public:
    bool firstBiggerSecond(Keyed*, Keyed*) override { return false; }
    bool firstEqualSecond(Keyed* first, Keyed* second) override {
        return first->key == second->key;
    }
};

} // namespace

TEST(BinaryTree, EmptyTreeAnswersNothingAndCallsNoHook) {
    ShapeTree tree;
    EXPECT_EQ(0u, tree.size());
    EXPECT_FALSE(tree.remove(1));
    EXPECT_FALSE(tree.haveElement(1));
    EXPECT_EQ(0u, tree.getElement(1));
    EXPECT_EQ(0u, tree.getRootValue());
    EXPECT_EQ(0u, tree.getElementInPosition(0));
    EXPECT_FALSE(tree.haveRoot());
    EXPECT_FALSE(tree.haveRootChild());
    tree.print();
    tree.update();
    tree.clean();
    EXPECT_TRUE(tree.printed.empty());
    EXPECT_TRUE(tree.updated.empty());
    EXPECT_EQ(0u, tree.size());
    EXPECT_EQ("-", tree.shape());

    LoggingTree logging;
    Keyed first{7};
    EXPECT_TRUE(logging.add(&first));
    EXPECT_TRUE(logging.calls.empty());
    EXPECT_EQ(&first, logging.getRootValue());
}

TEST(BinaryTree, PositionsAndWalksFollowTheOrder) {
    ShapeTree tree;
    filled(&tree, {5, 3, 8, 4});
    EXPECT_EQ((std::vector<unsigned int>{3, 4, 5, 8}), byPosition(tree));
    EXPECT_EQ(0u, tree.getElementInPosition(4));
    EXPECT_EQ(4u, tree.getSize());
    tree.print();
    tree.update();
    EXPECT_EQ((std::vector<unsigned int>{3, 4, 5, 8}), tree.printed);
    EXPECT_EQ((std::vector<unsigned int>{8, 5, 4, 3}), tree.updated);
    EXPECT_EQ("((- 3 4) 5 8)", tree.shape());
    EXPECT_EQ((std::vector<unsigned int>{3, 4, 5, 8}), tree.elements());
}

TEST(BinaryTree, SortedValuesAddedMiddleFirstMakeAShallowTree) {
    ShapeTree tree;
    std::vector<unsigned int> visited;
    zelk::vector::forEachMiddleFirst(7, [&](size_t position) {
        visited.push_back(static_cast<unsigned int>(position));
        tree.add(static_cast<unsigned int>(position) + 1);
    });
    EXPECT_EQ((std::vector<unsigned int>{3, 5, 6, 4, 1, 2, 0}), visited);
    EXPECT_EQ("((1 2 3) 4 (5 6 7))", tree.shape());
    zelk::vector::forEachMiddleFirst(0, [&](size_t) { ADD_FAILURE(); });
}

TEST(BinaryTree, RefusedAddKeepsTheErrorCode) {
    ShapeTree tree;
    filled(&tree, {5, 3, 8, 4});
    EXPECT_EQ(0, tree.error());
    EXPECT_FALSE(tree.add(4));
    EXPECT_EQ(4u, tree.size());
    EXPECT_EQ(100, tree.error());
    EXPECT_TRUE(tree.add(9));
    EXPECT_EQ(5u, tree.size());
    EXPECT_EQ(100, tree.error());
}

TEST(BinaryTree, RemoveRelinksSuccessorOrPredecessor) {
    ShapeTree inner;
    filled(&inner, {5, 3, 8, 7, 9, 6});
    EXPECT_TRUE(inner.remove(5));
    EXPECT_EQ("(3 6 (7 8 9))", inner.shape());
    EXPECT_EQ((std::vector<unsigned int>{3, 6, 7, 8, 9}), byPosition(inner));

    ShapeTree rightChild;
    filled(&rightChild, {5, 3, 8, 9, 1});
    EXPECT_TRUE(rightChild.remove(5));
    EXPECT_EQ("((1 3 -) 8 9)", rightChild.shape());

    ShapeTree predecessor;
    filled(&predecessor, {10, 20, 15, 12, 17});
    EXPECT_TRUE(predecessor.remove(20));
    EXPECT_EQ("(- 10 ((12 15 -) 17 -))", predecessor.shape());

    ShapeTree leftChild;
    filled(&leftChild, {10, 20, 15, 12});
    EXPECT_TRUE(leftChild.remove(20));
    EXPECT_EQ("(- 10 (12 15 -))", leftChild.shape());

    ShapeTree leaves;
    filled(&leaves, {5, 3, 8});
    EXPECT_TRUE(leaves.remove(3));
    EXPECT_TRUE(leaves.haveRootChild());
    EXPECT_TRUE(leaves.remove(8));
    EXPECT_FALSE(leaves.haveRootChild());
    EXPECT_FALSE(leaves.remove(8));
    EXPECT_EQ(1u, leaves.size());
    EXPECT_EQ(5u, leaves.getRootValue());
}

TEST(BinaryTree, BalancedAddRelinksAPathTooDeepForTheSizeMiddleFirst) {
    ShapeTree tree;
    for (unsigned int value = 1; value <= 4; value++) {
        EXPECT_TRUE(tree.addBalanced(value));
    }
    EXPECT_EQ("(- 1 (- 2 (- 3 4)))", tree.shape());
    // Depth 4 is beyond log base 3/2 of 5, and only the whole chain is deeper
    // than log base 3/2 of its size.
    EXPECT_TRUE(tree.addBalanced(5));
    EXPECT_EQ("((1 2 -) 3 (4 5 -))", tree.shape());
    EXPECT_FALSE(tree.addBalanced(4));
    EXPECT_EQ(100, tree.error());
    EXPECT_EQ(5u, tree.size());
    EXPECT_EQ("((1 2 -) 3 (4 5 -))", tree.shape());
    // Depth 3 is within log base 3/2 of 6.
    EXPECT_TRUE(tree.addBalanced(0));
    EXPECT_EQ("(((0 1 -) 2 -) 3 (4 5 -))", tree.shape());
}

TEST(BinaryTree, BalancedAddsInOrderKeepTheOrderAndALogarithmicHeight) {
    const unsigned int count = 100000;
    ShapeTree ascending;
    ShapeTree descending;
    std::vector<unsigned int> expected;
    for (unsigned int value = 1; value <= count; value++) {
        ASSERT_TRUE(ascending.addBalanced(value));
        ASSERT_TRUE(descending.addBalanced(count + 1 - value));
        expected.push_back(value);
    }
    // log base 3/2 of 100,000 is 28.4.
    EXPECT_LE(ascending.height(), 29u);
    EXPECT_LE(descending.height(), 29u);
    EXPECT_EQ(expected, ascending.elements());
    EXPECT_EQ(expected, descending.elements());
    EXPECT_EQ(500u, ascending.getElementInPosition(499));
    EXPECT_TRUE(descending.haveElement(count));

    // A chain that plain adds grew is relinked by the next balanced add.
    ShapeTree chain;
    chain.growAscendingChain(1000);
    EXPECT_TRUE(chain.addBalanced(1001));
    EXPECT_LE(chain.height(), 18u);
    EXPECT_EQ(1001u, chain.size());
    EXPECT_EQ(1001u, chain.getElementInPosition(1000));
}

TEST(BinaryTree, MatchesASetUnderRandomPlainAndBalancedAddsAndRemoves) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<unsigned int> value(0, 299);
    ShapeTree tree;
    std::set<unsigned int> model;
    for (int step = 0; step < 20000; step++) {
        unsigned int element = value(random);
        if (random() % 3 == 0) {
            EXPECT_EQ(model.erase(element) == 1, tree.remove(element));
        } else if (random() % 2 == 0) {
            EXPECT_EQ(model.insert(element).second, tree.add(element));
        } else {
            EXPECT_EQ(model.insert(element).second, tree.addBalanced(element));
        }
        ASSERT_EQ(model.size(), tree.size());
        unsigned int probe = value(random);
        ASSERT_EQ(model.count(probe) == 1, tree.haveElement(probe));
        if (step % 500 == 0) {
            ASSERT_EQ(std::vector<unsigned int>(model.begin(), model.end()), byPosition(tree));
        }
    }
    tree.print();
    EXPECT_EQ(std::vector<unsigned int>(model.begin(), model.end()), tree.printed);
    tree.clean();
    EXPECT_EQ(0u, tree.size());
    EXPECT_FALSE(tree.haveRoot());
}

TEST(BinaryTree, HooksGetStoredAndProbeInTheirOrder) {
    std::vector<Keyed> stored = {{50}, {20}, {80}, {70}, {90}, {10}, {30}};
    LoggingTree tree;
    for (Keyed& element : stored) {
        EXPECT_TRUE(tree.add(&element));
    }
    auto isStored = [&](Keyed* element) {
        return element >= stored.data() && element < stored.data() + stored.size();
    };
    // Elements were added in vector order, so the stored side of every call
    // made by an add lies before the new element.
    ASSERT_FALSE(tree.calls.empty());
    for (const LoggingTree::Call& call : tree.calls) {
        Keyed* storedSide = call.hook == 'E' ? call.first : call.second;
        Keyed* otherSide = call.hook == 'E' ? call.second : call.first;
        EXPECT_LT(storedSide, otherSide);
    }

    Keyed probe{70};
    tree.calls.clear();
    EXPECT_EQ(&stored[3], tree.getElement(&probe));
    EXPECT_FALSE(tree.calls.empty());
    for (const LoggingTree::Call& call : tree.calls) {
        Keyed* storedSide = call.hook == 'E' ? call.first : call.second;
        Keyed* otherSide = call.hook == 'E' ? call.second : call.first;
        EXPECT_TRUE(isStored(storedSide)) << call.hook;
        EXPECT_EQ(&probe, otherSide) << call.hook;
    }
    Keyed duplicate{20};
    EXPECT_FALSE(tree.add(&duplicate));
    EXPECT_TRUE(tree.remove(&probe));
    EXPECT_FALSE(tree.haveElement(&probe));
    EXPECT_EQ(6u, tree.size());
}

TEST(BinaryTree, TiesGoLeftAndAreStillFound) {
    std::vector<Keyed> elements = {{1}, {2}, {3}, {4}};
    TieTree tree;
    for (Keyed& element : elements) {
        EXPECT_TRUE(tree.add(&element));
    }
    for (int key = 1; key <= 4; key++) {
        Keyed probe{key};
        EXPECT_EQ(&elements[key - 1], tree.getElement(&probe));
    }
    // A chain to the left: ascending positions are the reverse of the adds.
    EXPECT_EQ(&elements[3], tree.getElementInPosition(0));
    EXPECT_EQ(&elements[0], tree.getElementInPosition(3));
}

TEST(BinaryTree, PointerTreeOrdersByAddressAndFindsOnlyTheSamePointer) {
    Keyed elements[3] = {{1}, {1}, {1}};
    BinaryTree<Keyed*> tree;
    EXPECT_TRUE(tree.add(&elements[2]));
    EXPECT_TRUE(tree.add(&elements[0]));
    EXPECT_TRUE(tree.add(&elements[1]));
    for (unsigned int position = 0; position < 3; position++) {
        EXPECT_EQ(&elements[position], tree.getElementInPosition(position));
    }
    Keyed twin{1};
    EXPECT_EQ(nullptr, tree.getElement(&twin));
    EXPECT_EQ(&elements[1], tree.getElement(&elements[1]));
}

TEST(BinaryTree, StoredZeroLooksMissingButIsThere) {
    BinaryTree<unsigned int> tree;
    EXPECT_TRUE(tree.add(0));
    EXPECT_EQ(0u, tree.getElement(0));
    EXPECT_TRUE(tree.haveElement(0));
    EXPECT_TRUE(tree.haveRoot());
    EXPECT_FALSE(tree.add(0));
}

TEST(BinaryTree, WalksAChainOfTwoHundredThousandWithoutRecursion) {
    const unsigned int count = 200000;
    ShapeTree tree;
    tree.growAscendingChain(count);
    ASSERT_EQ(count, tree.size());
    EXPECT_EQ(count, tree.getElementInPosition(count - 1));
    EXPECT_EQ(1u, tree.getElementInPosition(0));
    tree.print();
    tree.update();
    ASSERT_EQ(count, tree.printed.size());
    ASSERT_EQ(count, tree.updated.size());
    EXPECT_EQ(1u, tree.printed.front());
    EXPECT_EQ(count, tree.printed.back());
    EXPECT_EQ(count, tree.updated.front());
    EXPECT_EQ(1u, tree.updated.back());
    // The deepest element is reached and removed; an add past it goes deeper still.
    EXPECT_TRUE(tree.haveElement(count));
    EXPECT_TRUE(tree.remove(count));
    EXPECT_TRUE(tree.add(count + 1));
    EXPECT_EQ(count, tree.size());
    tree.clean();
    EXPECT_EQ(0u, tree.size());

    // The destructor frees a chain as well.
    ShapeTree dropped;
    dropped.growAscendingChain(count);
}

TEST(BinaryTree, CopyMarkedCantDestructLeavesTheNodesToItsSource) {
    ShapeTree source;
    filled(&source, {5, 3, 8});
    {
        BinaryTree<unsigned int>* copy = new BinaryTree<unsigned int>(source);
        EXPECT_EQ(3u, copy->size());
        EXPECT_TRUE(copy->haveElement(8));
        copy->cantDestruct();
        delete copy;
    }
    EXPECT_EQ((std::vector<unsigned int>{3, 5, 8}), byPosition(source));
    EXPECT_TRUE(source.add(4));
    EXPECT_TRUE(source.remove(5));
    EXPECT_EQ((std::vector<unsigned int>{3, 4, 8}), byPosition(source));
}
