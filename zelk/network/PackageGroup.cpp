#include "zelk/network/PackageGroup.h"

#include <cstring>

namespace zelk {
namespace network {

PackageGroup::PackageTree::PackageTree() : greatest(nullptr), visited(nullptr), walked(0) {}

PackageGroup::PackageTree::~PackageTree() {
    clean();
}

bool PackageGroup::PackageTree::firstBiggerSecond(Package* first, Package* second) {
    return first->getPosition() > second->getPosition();
}

bool PackageGroup::PackageTree::firstEqualSecond(Package* first, Package* second) {
    return first->getPosition() == second->getPosition();
}

bool PackageGroup::PackageTree::add(Package* package) {
    forgetWalk();
    if (greatest && !greatest->right && firstBiggerSecond(package, greatest->value)) {
        Leaf* leaf = new Leaf();
        leaf->value = package;
        greatest->right = leaf;
        greatest = leaf;
        incrementSize();
        return true;
    }
    if (!BinaryTree<Package*>::add(package))
        return false;
    if (!greatest || firstBiggerSecond(package, greatest->value)) {
        greatest = root;
        while (greatest->right)
            greatest = greatest->right;
    }
    return true;
}

bool PackageGroup::PackageTree::remove(Package* package) {
    forgetWalk();
    greatest = nullptr;
    if (!BinaryTree<Package*>::remove(package))
        return false;
    for (greatest = root; greatest && greatest->right;)
        greatest = greatest->right;
    return true;
}

void PackageGroup::PackageTree::clean() {
    forgetWalk();
    greatest = nullptr;
    BinaryTree<Package*>::clean();
}

Package* PackageGroup::PackageTree::getPackage(unsigned int position) {
    Package probe;
    probe.setHeader(position, 0, 0);
    return getElement(&probe);
}

Package* PackageGroup::PackageTree::getPackageInPosition(unsigned int index) {
    if (index >= size())
        return nullptr;
    if (walked == 0 || index + 1 < walked) {
        forgetWalk();
        pushLeftSide(root);
    }
    while (walked <= index) {
        visited = pending.back();
        pending.pop_back();
        pushLeftSide(visited->right);
        walked++;
    }
    return visited->value;
}

void PackageGroup::PackageTree::forgetWalk() {
    pending.clear();
    visited = nullptr;
    walked = 0;
}

void PackageGroup::PackageTree::pushLeftSide(Leaf* node) {
    for (; node; node = node->left)
        pending.push_back(node);
}

PackageGroup::PackageGroup()
    : vector(nullptr), vectorSize(0), packSize(defaultPackSize), packSizeIsCount(false), id(0) {}

PackageGroup::~PackageGroup() {
    cleanGroup();
    deleteVector();
}

bool PackageGroup::setPackSize(unsigned int size) {
    if (size == 1)
        return false;
    packSize = size ? size : defaultPackSize;
    packSizeIsCount = false;
    return true;
}

bool PackageGroup::addVector(void* data, unsigned int size, unsigned int vectorId,
                             unsigned int newPackSize) {
    if (!data || size == 0)
        return false;
    // A count left from receiving is no payload size: without a size of
    // the caller's, the default takes its place.
    if ((newPackSize && newPackSize != packSize) || packSizeIsCount) {
        if (!setPackSize(newPackSize)) {
            cleanGroup();
            return false;
        }
    }
    unsigned int whole = size / packSize;
    unsigned int rest = size % packSize;
    unsigned int count = whole + (rest ? 1 : 0);
    uint8* bytes = static_cast<uint8*>(data);
    for (unsigned int position = 0; position <= whole; position++) {
        unsigned int payload = position < whole ? packSize : rest;
        if (payload == 0)
            break;
        Package* package = new Package();
        if (!package->drawVector(bytes + static_cast<size_t>(position) * packSize, payload,
                                 packSize, position, vectorId, count) ||
            !tree.add(package)) {
            delete package;
            cleanGroup();
            return false;
        }
    }
    return true;
}

unsigned int PackageGroup::getPackages() {
    return tree.size();
}

bool PackageGroup::haveVector(unsigned int i) {
    return packageAt(i) != nullptr;
}

void* PackageGroup::getVector(unsigned int i) {
    Package* package = packageAt(i);
    return package ? package->getVec() : nullptr;
}

unsigned int PackageGroup::getVectorSize(unsigned int i) {
    Package* package = packageAt(i);
    return package ? package->getVecSize() : 0;
}

unsigned int PackageGroup::getPackageID(unsigned int i) {
    Package* package = packageAt(i);
    return package ? package->getPosition() : 0;
}

unsigned int PackageGroup::getTotalPackages() {
    Package* first = packageAt(0);
    return first ? first->getPackages() : 0;
}

void PackageGroup::addPackageBegin() {
    cleanGroup();
    deleteVector();
}

bool PackageGroup::addPackage(void* data, unsigned int length) {
    // Nothing of the packet is read before its length is known to hold a
    // header and a payload byte.
    if (!data || length <= Package::headerBytes + 1 || Package::headerIsBroken(data))
        return false;
    unsigned int count = Package::getHeaderPackages(data);
    unsigned int vectorId = Package::getHeaderId(data);
    bool first = tree.size() == 0;
    if (count == 0 || Package::getHeaderPosition(data) >= count)
        return false;
    if (!first && (count != packSize || vectorId != id))
        return false;
    Package* package = new Package();
    if (!package->addPackage(data, length) || !tree.add(package)) {
        delete package;
        return false;
    }
    if (first) {
        packSize = count;
        packSizeIsCount = true;
        id = vectorId;
    }
    return true;
}

bool PackageGroup::isPackagesFull() {
    return packSize != 0 && tree.size() == packSize;
}

bool PackageGroup::addPackageEnd() {
    if (!isPackagesFull())
        return false;
    uint64 total = 0;
    tree.forEach([&total](Package* package) { total += package->getPackageSize(); });
    if (total > 0xFFFFFFFFull)
        return false;
    deleteVector();
    vector = new uint8[total];
    vectorSize = static_cast<unsigned int>(total);
    size_t at = 0;
    tree.forEach([this, &at](Package* package) {
        std::memcpy(vector + at, package->getPackageVector(), package->getPackageSize());
        at += package->getPackageSize();
    });
    cleanGroup();
    return true;
}

void* PackageGroup::getVector() {
    return vector;
}

unsigned int PackageGroup::getVectorSize() {
    return vectorSize;
}

unsigned int PackageGroup::getID() {
    return id;
}

void PackageGroup::deleteVector() {
    delete[] vector;
    vector = nullptr;
    vectorSize = 0;
    id = 0;
}

void PackageGroup::cleanGroup() {
    tree.forEach([](Package* package) { delete package; });
    tree.clean();
}

Package* PackageGroup::packageAt(unsigned int i) {
    return tree.getPackageInPosition(i);
}

} // namespace network
} // namespace zelk
