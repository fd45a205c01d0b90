#include "zelk/bones/Bone2D.h"

#include "zelk/GU.h"

#include <cstdio>

namespace zelk {
namespace bones {

namespace {

// OpenGL's GL_LINES.
const unsigned int glLines = 1;

} // namespace

Bone2D::Bone2D() : position(), vector(0.f, 1.f), angle(0.f), canDelete(true) {}

Bone2D::Bone2D(char* name)
    : zelk::vector::Name(name), position(), vector(0.f, 1.f), angle(0.f), canDelete(true) {}

Bone2D::Bone2D(const char* name) : Bone2D(const_cast<char*>(name)) {}

Bone2D::~Bone2D() {
    if (canDelete) {
        cleanBone();
    } else {
        animationAngle.cantDeleteGroup();
        animationPosition.cantDeleteGroup();
        canDelete = true;
    }
}

void Bone2D::cantDelete() {
    zelk::vector::Name::cantDelete();
    nexts.cantDeleteNames();
    objects.cantDestruct();
    canDelete = false;
}

void Bone2D::cleanBone() {
    removeAllAnimations();
    removeAllNexts();
    removeAllConnectionObjects();
    deleteName();
    vector = vec2f32(0.f, 1.f);
    angle = 0.f;
}

bool Bone2D::addNext(Bone2D* bone) {
    // A bone under itself would make every walk of the tree endless.
    if (!bone || bone->haveInTree(this)) {
        return false;
    }
    return nexts.add(bone);
}

bool Bone2D::removeNext(Bone2D* bone) {
    return bone && nexts.getElement(bone) == bone && nexts.remove(bone);
}

void Bone2D::removeAllNexts() {
    // The tree frees its nodes; the children belong to the skeleton.
    nexts.clean();
}

bool Bone2D::removeNextByName(char* name) {
    return nexts.removeName(name);
}

bool Bone2D::removeNextByName(const char* name) {
    return removeNextByName(const_cast<char*>(name));
}

unsigned int Bone2D::getNextsSize() {
    return nexts.size();
}

Bone2D* Bone2D::getNextInPosition(unsigned int position) {
    return static_cast<Bone2D*>(nexts.getElementInPosition(position));
}

bool Bone2D::haveInTree(Bone2D* bone) {
    if (bone == this) {
        return true;
    }
    for (unsigned int at = 0; at < nexts.size(); at++) {
        Bone2D* next = getNextInPosition(at);
        if (next && next->haveInTree(bone)) {
            return true;
        }
    }
    return false;
}

bool Bone2D::addConnectionObject(Object2DValues* object) {
    return objects.addObject(object);
}

unsigned int Bone2D::getConnectionObjectSize() {
    return objects.size();
}

bool Bone2D::removeConnectionObject(Object2DValues* object) {
    return objects.removeObject(object);
}

bool Bone2D::removeConnectionObjectInPosition(unsigned int position) {
    return objects.removeObjectInPosition(position);
}

void Bone2D::removeAllConnectionObjects() {
    objects.clean();
}

void Bone2D::print() {
    forEachBone([](Bone2D* bone) {
        printf("\n%s position %.2f %.2f end %.2f %.2f angle %.2f", bone->name() ? bone->name() : "",
               bone->position.x, bone->position.y, bone->vector.x, bone->vector.y, bone->angle);
    });
}

void Bone2D::draw() {
    GU::guTranslate2f32(position);
    GU::guRotateYf32(angle);
    GU::guBegin(glLines);
    GU::guVertex2f32(0.f, 0.f);
    GU::guVertex2f32(vector);
    GU::guEnd();
    for (unsigned int at = 0; at < nexts.size(); at++) {
        if (Bone2D* next = getNextInPosition(at)) {
            next->draw();
        }
    }
    GU::guRotateYf32(-angle);
    GU::guTranslate2f32(position * -1.f);
}

} // namespace bones
} // namespace zelk
