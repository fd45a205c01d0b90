#ifndef ZELK_NETWORK_PACKAGEGROUP_H
#define ZELK_NETWORK_PACKAGEGROUP_H

#include "zelk/network/Package.h"
#include "zelk/vector/BinaryTree.h"

#include <vector>

namespace zelk {
namespace network {

// The packages of one byte vector. A sending group splits a vector into
// packages of packSize payload bytes (addVector), to be sent one by one.
// A receiving group collects the packets of one vector in any order
// (addPackageBegin, addPackage for each, addPackageEnd once full) and joins
// their payloads back into the vector. While receiving, packSize holds the
// package count the first packet announced.
//
// A received packet is taken only when it is well formed and fits what the
// group holds: same id and count, a new position below the count. Packages
// carry no checksum, so a forged packet with the right fields is taken.
// Over TCP, which keeps no packet boundaries, only one package may be in
// flight at a time.
class PackageGroup {
public:
    // The packages ordered by position; a second package at a position is
    // refused. The tree does not own them: the group does.
    //
    // Packages mostly come in position order, which makes the tree a list.
    // So the tree keeps the leaf of the greatest position, where a package
    // past it is appended at once, and the state of its last in-order walk,
    // which reading position after position continues. Change it through
    // its own add, remove and clean, never through a BinaryTree reference,
    // which would bypass them.
    class PackageTree : public zelk::vector::BinaryTree<Package*> {
    public:
        PackageTree();
        ~PackageTree() override;
        PackageTree(const PackageTree&) = delete;
        PackageTree& operator=(const PackageTree&) = delete;

        bool firstBiggerSecond(Package* first, Package* second) override;
        bool firstEqualSecond(Package* first, Package* second) override;
        bool add(Package* package);
        bool remove(Package* package);
        void clean() override;
        // The package at the position, or null.
        Package* getPackage(unsigned int position);
        // The package at an ascending index, or null past the end.
        Package* getPackageInPosition(unsigned int index);
        // Visits the packages in ascending position order.
        template <typename Visit> void forEach(Visit visit) {
            walk(true, [&visit](Leaf* node) {
                visit(node->value);
                return true;
            });
        }

    private:
        typedef zelk::vector::BinaryLeaf<Package*> Leaf;

        void forgetWalk();
        void pushLeftSide(Leaf* node);

        Leaf* greatest;
        // Leaves still to be visited, the next on top; walked counts the
        // leaves visited, the last of them being visited.
        std::vector<Leaf*> pending;
        Leaf* visited;
        unsigned int walked;
    };

    static const unsigned int defaultPackSize = 1000;

    PackageGroup();
    ~PackageGroup();
    PackageGroup(const PackageGroup&) = delete;
    PackageGroup& operator=(const PackageGroup&) = delete;

    // 0 sets the default; 1 is refused (false, unchanged): a package of one
    // payload byte is too short for any receiver to take.
    bool setPackSize(unsigned int size);
    // Splits size bytes into packages at positions 0, 1, ... of the vector
    // id, each announcing the count; a package size other than 0 replaces
    // packSize first. With 0, a group that was receiving splits with the
    // default size. On failure the group is left empty.
    bool addVector(void* data, unsigned int size, unsigned int id, unsigned int packSize);

    unsigned int getPackages();
    // The i-th package in position order: whether there is one, its packet,
    // the packet's length and the package's position.
    bool haveVector(unsigned int i);
    void* getVector(unsigned int i);
    unsigned int getVectorSize(unsigned int i);
    unsigned int getPackageID(unsigned int i);
    // The count announced by the package of the lowest position; 0 when empty.
    unsigned int getTotalPackages();

    void addPackageBegin();
    // Takes one received packet of length bytes; false, with the group
    // unchanged, when it is refused.
    bool addPackage(void* data, unsigned int length);
    bool isPackagesFull();
    // Joins the payloads in position order into the vector and deletes the
    // packages. False when the group is not full, or when the payloads
    // together exceed 4 GiB (the group is then left as it was).
    bool addPackageEnd();
    void* getVector();
    unsigned int getVectorSize();
    unsigned int getID();
    void deleteVector();
    void cleanGroup();

private:
    Package* packageAt(unsigned int i);

    PackageTree tree;
    uint8* vector;
    unsigned int vectorSize;
    unsigned int packSize;
    // packSize holds the count a received packet announced, not a payload
    // size, until the next setPackSize.
    bool packSizeIsCount;
    unsigned int id;
};

} // namespace network
} // namespace zelk

#endif
