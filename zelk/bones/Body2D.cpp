#include "zelk/bones/Body2D.h"

#include "zelk/GU.h"
#include "zelk/bones/PlacementMatrix.h"

namespace zelk {
namespace bones {

bool Body2D::TreeBoneName::firstBiggerSecond(Bone2D* first, Bone2D* second) {
    return first && second && first->nameBiggerThan(second->getName());
}

bool Body2D::TreeBoneName::firstEqualSecond(Bone2D* first, Bone2D* second) {
    return first && second && first->nameEqual(second->getName());
}

Bone2D* Body2D::TreeBoneName::getElementByName(char* name) {
    Bone2D probe(name);
    return getElement(&probe);
}

Bone2D* Body2D::TreeBoneName::getElementByName(const char* name) {
    return getElementByName(const_cast<char*>(name));
}

void Body2D::TreeBoneName::deleteAllBones() {
    walk(true, [](zelk::vector::BinaryLeaf<Bone2D*>* node) {
        delete node->value;
        node->value = nullptr;
        return true;
    });
    clean();
}

Body2D::Body2D() : selected(&root), canDelete(true) {
    root.vector = vec2f32(0.f, 0.001f);
}

Body2D::Body2D(const Body2D& other)
    : Object2DValues(other), root(other.root),
      selected(other.selected == &other.root ? &root : other.selected), canDelete(other.canDelete),
      bones(other.bones) {}

Body2D::~Body2D() {
    if (canDelete) {
        deleteAllBones();
    } else {
        canDelete = true;
    }
}

void Body2D::cantDelete() {
    canDelete = false;
    root.cantDelete();
    // The copy shares the source's nodes as well as its bones.
    bones.cantDestruct();
}

Bone2D* Body2D::createBoneToSelected(char* name) {
    return createBoneToSelected(name, 0.f, 0.f, 0.f);
}

Bone2D* Body2D::createBoneToSelected(const char* name) {
    return createBoneToSelected(const_cast<char*>(name));
}

Bone2D* Body2D::createBoneToSelected(char* name, vec2f32 position) {
    return createBoneToSelected(name, position.x, position.y, 0.f);
}

Bone2D* Body2D::createBoneToSelected(const char* name, vec2f32 position) {
    return createBoneToSelected(const_cast<char*>(name), position);
}

Bone2D* Body2D::createBoneToSelected(char* name, float x, float y) {
    return createBoneToSelected(name, x, y, 0.f);
}

Bone2D* Body2D::createBoneToSelected(const char* name, float x, float y) {
    return createBoneToSelected(const_cast<char*>(name), x, y);
}

Bone2D* Body2D::createBoneToSelected(char* name, vec2f32 position, float angle) {
    return createBoneToSelected(name, position.x, position.y, angle);
}

Bone2D* Body2D::createBoneToSelected(const char* name, vec2f32 position, float angle) {
    return createBoneToSelected(const_cast<char*>(name), position, angle);
}

Bone2D* Body2D::createBoneToSelected(char* name, float x, float y, float angle) {
    if (!name) {
        return nullptr;
    }
    Bone2D* bone = new Bone2D(name);
    // A bone without a name, or under the root's name, could never be found.
    if (!bone->getName() || root.nameEqual(name) || !bones.add(bone)) {
        delete bone;
        return nullptr;
    }
    selected->vector = vec2f32(x, y);
    bone->position = vec2f32(x, y);
    bone->angle = angle;
    selected->addNext(bone);
    return bone;
}

Bone2D* Body2D::createBoneToSelected(const char* name, float x, float y, float angle) {
    return createBoneToSelected(const_cast<char*>(name), x, y, angle);
}

Bone2D* Body2D::storedBone(Bone2D* bone) {
    return bone ? bones.getElement(bone) : nullptr;
}

bool Body2D::addBoneToSelected(Bone2D* bone) {
    Bone2D* stored = storedBone(bone);
    // Under itself or below itself the tree would become a cycle.
    if (!stored || stored->haveInTree(selected)) {
        return false;
    }
    detachBone(stored);
    return selected->addNext(stored);
}

bool Body2D::addBoneToSelected(char* name) {
    return addBoneToSelected(getBoneByName(name));
}

bool Body2D::addBoneToSelected(const char* name) {
    return addBoneToSelected(const_cast<char*>(name));
}

bool Body2D::detachBone(Bone2D* bone) {
    return detachBone(&root, bone);
}

bool Body2D::detachBone(Bone2D* parent, Bone2D* bone) {
    if (parent->removeNext(bone)) {
        return true;
    }
    for (unsigned int at = 0; at < parent->getNextsSize(); at++) {
        Bone2D* next = parent->getNextInPosition(at);
        if (next && next->getNextsSize() > 0 && detachBone(next, bone)) {
            return true;
        }
    }
    return false;
}

bool Body2D::selectBone(Bone2D* bone) {
    selected = &root;
    if (bone == &root) {
        return true;
    }
    Bone2D* stored = storedBone(bone);
    if (stored) {
        selected = stored;
    }
    return stored != nullptr;
}

bool Body2D::selectBoneByName(char* name) {
    Bone2D* bone = getBoneByName(name);
    selected = bone ? bone : &root;
    return bone != nullptr;
}

bool Body2D::selectBoneByName(const char* name) {
    return selectBoneByName(const_cast<char*>(name));
}

bool Body2D::selectedSetPosition(vec2f32 position) {
    selected->position = position;
    return false;
}

bool Body2D::selectedSetPosition(float x, float y) {
    return selectedSetPosition(vec2f32(x, y));
}

bool Body2D::selectedSetVector(vec2f32 vector) {
    selected->vector = vector;
    return false;
}

bool Body2D::selectedSetVector(float x, float y) {
    return selectedSetVector(vec2f32(x, y));
}

bool Body2D::selectedSetAngle(float angle) {
    selected->angle = angle;
    return false;
}

unsigned int Body2D::getBonesSize() {
    return bones.size() + 1;
}

Bone2D* Body2D::getBone(unsigned int position) {
    return position == 0 ? &root : bones.getElementInPosition(position - 1);
}

Bone2D* Body2D::getBoneByName(char* name) {
    if (!name) {
        return nullptr;
    }
    if (root.nameEqual(name)) {
        return &root;
    }
    return bones.getElementByName(name);
}

Bone2D* Body2D::getBoneByName(const char* name) {
    return getBoneByName(const_cast<char*>(name));
}

void Body2D::cleanSelected() {
    selected = &root;
}

bool Body2D::deleteBone(Bone2D* bone) {
    Bone2D* stored = storedBone(bone);
    if (!stored) {
        return false;
    }
    detachBone(stored);
    if (!bones.remove(stored)) {
        return false;
    }
    if (selected == stored) {
        selected = &root;
    }
    delete stored;
    return true;
}

bool Body2D::deleteBone(char* name) {
    return name && deleteBone(bones.getElementByName(name));
}

bool Body2D::deleteBone(const char* name) {
    return deleteBone(const_cast<char*>(name));
}

void Body2D::deleteAllBones() {
    selected = &root;
    bones.deleteAllBones();
    root.cleanBone();
}

bool Body2D::addConnectionObject(char* name, Object2DValues* object) {
    Bone2D* bone = getBoneByName(name);
    return bone && bone->addConnectionObject(object);
}

bool Body2D::addConnectionObject(const char* name, Object2DValues* object) {
    return addConnectionObject(const_cast<char*>(name), object);
}

unsigned int Body2D::getConnectionObjectSize(char* name) {
    Bone2D* bone = getBoneByName(name);
    return bone ? bone->getConnectionObjectSize() : 0;
}

unsigned int Body2D::getConnectionObjectSize(const char* name) {
    return getConnectionObjectSize(const_cast<char*>(name));
}

bool Body2D::removeConnectionObject(char* name, Object2DValues* object) {
    Bone2D* bone = getBoneByName(name);
    return bone && bone->removeConnectionObject(object);
}

bool Body2D::removeConnectionObject(const char* name, Object2DValues* object) {
    return removeConnectionObject(const_cast<char*>(name), object);
}

bool Body2D::removeConnectionObjectInPosition(char* name, unsigned int position) {
    Bone2D* bone = getBoneByName(name);
    return bone && bone->removeConnectionObjectInPosition(position);
}

bool Body2D::removeConnectionObjectInPosition(const char* name, unsigned int position) {
    return removeConnectionObjectInPosition(const_cast<char*>(name), position);
}

bool Body2D::removeAllConnectionObjects(char* name) {
    Bone2D* bone = getBoneByName(name);
    if (!bone) {
        return false;
    }
    bone->removeAllConnectionObjects();
    return true;
}

bool Body2D::removeAllConnectionObjects(const char* name) {
    return removeAllConnectionObjects(const_cast<char*>(name));
}

void Body2D::removeAllConnectionObjects() {
    for (unsigned int at = 0; at < bones.size(); at++) {
        if (Bone2D* bone = bones.getElementInPosition(at)) {
            bone->removeAllConnectionObjects();
        }
    }
}

void Body2D::updateObjects() {
    // A mirrored width turns the objects half round; a mirror on one axis
    // reverses every angle.
    float angleRemove = size.width < 0.f && size.height >= 0.f ? 180.f : 0.f;
    float angleMultiply = (size.width < 0.f) != (size.height < 0.f) ? -1.f : 1.f;
    float matrix[3][3];
    placementMatrix(position, angle, size, true, &matrix);
    root.updateObjects(angle, size, &matrix, angleRemove, angleMultiply);
}

vec2f32 Body2D::getBoneWorldVector(Bone2D* bone, bool* found) {
    bool ownFound = false;
    if (!found) {
        found = &ownFound;
    }
    if (!bone) {
        return vec2f32();
    }
    *found = false;
    float matrix[3][3];
    placementMatrix(position, angle, size, false, &matrix);
    return root.getWorldVector(bone, found, angle, size, &matrix);
}

void Body2D::calculateInverseKinematic(Bone2D* bone, vec2f32 goal, unsigned int tail,
                                       unsigned int times) {
    if (!bone) {
        return;
    }
    for (unsigned int pass = 0; pass < times; pass++) {
        float matrix[3][3];
        placementMatrix(position, angle, size, false, &matrix);
        bool found = false;
        unsigned int count = 0;
        root.calculateInverseKinematic(bone, &found, goal, tail, &count, angle, size, &matrix);
    }
}

void Body2D::calculateInverseKinematic(char* name, vec2f32 goal, unsigned int tail,
                                       unsigned int times) {
    calculateInverseKinematic(getBoneByName(name), goal, tail, times);
}

void Body2D::calculateInverseKinematic(const char* name, vec2f32 goal, unsigned int tail,
                                       unsigned int times) {
    calculateInverseKinematic(const_cast<char*>(name), goal, tail, times);
}

void Body2D::draw() {
    GU::guPushMatrix();
    GU::guTranslate2f32(position);
    GU::guRotateYf32(angle);
    GU::guScale2f32(size);
    root.draw();
    GU::guPopMatrix();
}

void Body2D::print() {
    root.print();
}

} // namespace bones
} // namespace zelk
