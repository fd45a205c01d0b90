#include "zelk/Object2D.h"

namespace zelk {

Object2D::MeshAlloc::~MeshAlloc() {
    if (owned) {
        delete mesh;
    }
}

unsigned int Object2D::MeshsStack::pushBackMesh(shape::Mesh2D* mesh, bool owned) {
    MeshAlloc* entry = new MeshAlloc(mesh, owned);
    unsigned int position = pushBack(entry);
    if (get(position) != entry) {
        delete entry;
        return 0;
    }
    return position;
}

shape::Mesh2D* Object2D::MeshsStack::pushNewMesh(unsigned int* position) {
    MeshAlloc* entry = new MeshAlloc(new shape::Mesh2D(), true);
    unsigned int at = pushBack(entry);
    shape::Mesh2D* mesh = entry->getMesh();
    if (get(at) != entry) {
        delete entry;
        mesh = nullptr;
        at = 0;
    }
    if (position) {
        *position = at;
    }
    return mesh;
}

shape::Mesh2D* Object2D::MeshsStack::getMesh(unsigned int position) {
    MeshAlloc* entry = get(position);
    return entry ? entry->getMesh() : nullptr;
}

bool Object2D::MeshsStack::removeMesh(unsigned int position) {
    if (!havePos(position)) {
        return false;
    }
    delete remove(position);
    return true;
}

void Object2D::MeshsStack::removeAllMeshes() {
    for (unsigned int position = 0; position < size(); position++) {
        delete get(position);
    }
    clean();
}

Object2D::Object2D()
    : Object2DValues(), selectedMesh(nullptr), animationPosition(), animationAngle(),
      animationSize(), pivo(), canDeleteObject(true), meshes() {}

Object2D::~Object2D() {
    if (canDeleteObject) {
        Object2D::cleanMeshes();
        return;
    }
    meshes.cantDestroy();
    animationPosition.cantDeleteGroup();
    animationAngle.cantDeleteGroup();
    animationSize.cantDeleteGroup();
}

void Object2D::cleanMeshes() {
    selectedMesh = nullptr;
    meshes.removeAllMeshes();
}

void Object2D::removeAllMesh() {
    cleanMeshes();
}

unsigned int Object2D::addMesh(shape::Mesh2D* mesh) {
    if (!mesh) {
        return 0;
    }
    unsigned int position = meshes.pushBackMesh(mesh, false);
    if (meshes.size() == 1) {
        selectMesh(0);
    }
    return position;
}

shape::Mesh2D* Object2D::newMesh(unsigned int* position) {
    return meshes.pushNewMesh(position);
}

bool Object2D::removeMesh(unsigned int position) {
    shape::Mesh2D* mesh = meshes.getMesh(position);
    if (mesh && mesh == selectedMesh) {
        selectedMesh = nullptr;
    }
    return meshes.removeMesh(position);
}

bool Object2D::selectMesh(unsigned int position) {
    selectedMesh = meshes.getMesh(position);
    return selectedMesh != nullptr;
}

uint32 Object2D::selectedGetTextureID(uint8 slot) {
    return selectedMesh ? selectedMesh->material.getTexture(slot) : 0;
}

bool Object2D::setPolygonColor(unsigned int mesh, color4f32 color) {
    return onMesh(mesh, [color](shape::Mesh2D* target) { target->setPolygonsColor(color); });
}

bool Object2D::setPolygonColor(unsigned int mesh, float32 r, float32 g, float32 b, float32 a) {
    return setPolygonColor(mesh, color4f32(r, g, b, a));
}

void Object2D::setPolygonsColor(color4f32 color) {
    forEachMesh([color](shape::Mesh2D* mesh) { mesh->setPolygonsColor(color); });
}

void Object2D::setPolygonsColor(float32 r, float32 g, float32 b, float32 a) {
    setPolygonsColor(color4f32(r, g, b, a));
}

namespace {

// Selects the frame animation of every polygon of the mesh in turn and runs
// act on the list with it selected; polygons without one are passed over.
template <typename Act> void forEachPolygonAnimation(shape::Mesh2D* mesh, Act act) {
    for (unsigned int position = 0; position < mesh->getPolygonSize(); position++) {
        if (mesh->selectAnimationFramesFromPolygon(position)) {
            act(mesh);
        }
    }
}

void playAll(shape::Mesh2D* mesh) {
    forEachPolygonAnimation(mesh, [](shape::Mesh2D* m) { m->selectedAnimationPlayForward(); });
}

void pauseAll(shape::Mesh2D* mesh) {
    forEachPolygonAnimation(mesh, [](shape::Mesh2D* m) { m->selectedAnimationPause(); });
}

void updateAll(shape::Mesh2D* mesh) {
    mesh->updateFramesAnimations();
}

} // namespace

void Object2D::playMeshAnimations() {
    forEachMesh(playAll);
}

bool Object2D::playMeshAnimations(unsigned int mesh) {
    return onMesh(mesh, playAll);
}

void Object2D::pauseMeshAnimations() {
    forEachMesh(pauseAll);
}

bool Object2D::pauseMeshAnimations(unsigned int mesh) {
    return onMesh(mesh, pauseAll);
}

void Object2D::updateMeshAnimations() {
    forEachMesh(updateAll);
}

bool Object2D::updateMeshAnimations(unsigned int mesh) {
    return onMesh(mesh, updateAll);
}

bool Object2D::sharesMeshesWith(Object2D& other) {
    for (unsigned int position = 0; position < meshes.size(); position++) {
        if (meshes.havePos(position)) {
            return other.meshes.get(position) == meshes.get(position);
        }
    }
    return false;
}

} // namespace zelk
