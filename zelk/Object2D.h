#ifndef ZELK_OBJECT2D_H
#define ZELK_OBJECT2D_H

#include "zelk/Object2DValues.h"
#include "zelk/TypeColor.h"
#include "zelk/animation/Interpolation1DGroup.h"
#include "zelk/animation/Interpolation2DGroup.h"
#include "zelk/shape/Mesh2D.h"
#include "zelk/vector/Stack.h"

namespace zelk {

class XML;

// The thing a scene places and draws: meshes drawn under its placement (a
// point p of its own space lands at position + rotation(angle) * (size *
// (p - pivo))), and three key-frame animations that move, turn and resize it
// while they play.
//
// Ownership: meshes made by newMesh (and while reading XML) are the object's
// and die with it; meshes given to addMesh stay the caller's. The copy
// constructor is member-wise and shallow (the copy shares the mesh entries
// and the animations' frames); the copy or its source is told
// cantDeleteObject2D(), after which it frees nothing.
//
// The XML form is one element "object_<id>" with "pivoX", "pivoY",
// "positionX", "positionY", "sizeW", "sizeH" and "angle", its meshes as
// "mesh_<k>" and the animations as "anim_0" (position), "anim_1" (angle)
// and "anim_2" (size).
class Object2D : public Object2DValues {
public:
    // One mesh entry; deletes its mesh when it owns it.
    class MeshAlloc {
    public:
        MeshAlloc(shape::Mesh2D* mesh, bool owned) : owned(owned), mesh(mesh) {}
        ~MeshAlloc();
        MeshAlloc(const MeshAlloc&) = delete;
        MeshAlloc& operator=(const MeshAlloc&) = delete;

        shape::Mesh2D* getMesh() const { return mesh; }

    private:
        bool owned;
        shape::Mesh2D* mesh;
    };

    // The mesh entries at stable positions. A copy shares the entries.
    class MeshsStack : public vector::Stack<MeshAlloc*> {
    public:
        MeshsStack() : vector::Stack<MeshAlloc*>() {}
        MeshsStack(const MeshsStack& other) : vector::Stack<MeshAlloc*>(other) {}

        // Answers the position; 0 also when the entry could not be stored.
        unsigned int pushBackMesh(shape::Mesh2D* mesh, bool owned);
        // A new owned mesh, its position written through the pointer when
        // that is not null; null (and 0 written) when it cannot be stored.
        shape::Mesh2D* pushNewMesh(unsigned int* position);
        // Null for a position that is not live.
        shape::Mesh2D* getMesh(unsigned int position);
        // Deletes the entry, and its mesh when owned.
        bool removeMesh(unsigned int position);
        void removeAllMeshes();
    };

    Object2D();
    Object2D(const Object2D& other) = default;
    virtual ~Object2D();

    // Clears the selection and removes every mesh entry.
    virtual void cleanMeshes();
    virtual void removeAllMesh();
    // Advances the playing animations and applies their values, then the
    // meshes' frame animations; true when a placement value changed.
    virtual bool updateAnimations();
    virtual void print();
    // The meshes from the last position down to 0, so that mesh 0 is drawn
    // over the others, with GL_COLOR_MATERIAL on.
    virtual void draw();
    virtual void drawWire();
    virtual bool writeToXML(XML* xml, unsigned int id);
    // Reads the meshes up to the first missing "mesh_<k>"; a missing
    // placement attribute reads as 0 (so a missing size is 0).
    virtual bool readFromXML(XML* xml, unsigned int id);

    // A mesh that stays the caller's; 0 for null. The only mesh becomes the
    // selected one.
    unsigned int addMesh(shape::Mesh2D* mesh);
    shape::Mesh2D* newMesh(unsigned int* position);
    // Removing the selected mesh clears the selection.
    bool removeMesh(unsigned int position);
    bool selectMesh(unsigned int position);
    void cleanSelected() { selectedMesh = nullptr; }
    // The texture code in that slot of the selected mesh; 0 without one.
    uint32 selectedGetTextureID(uint8 slot);
    unsigned int getMeshSize() { return meshes.size(); }
    shape::Mesh2D* getMesh(unsigned int position) { return meshes.getMesh(position); }

    bool setPolygonColor(unsigned int mesh, color4f32 color);
    bool setPolygonColor(unsigned int mesh, float32 r, float32 g, float32 b, float32 a);
    void setPolygonsColor(color4f32 color);
    void setPolygonsColor(float32 r, float32 g, float32 b, float32 a);

    // Plays forward (or toggles the pause of) every polygon's frame
    // animation, of every mesh or of one.
    void playMeshAnimations();
    bool playMeshAnimations(unsigned int mesh);
    void pauseMeshAnimations();
    bool pauseMeshAnimations(unsigned int mesh);
    void updateMeshAnimations();
    bool updateMeshAnimations(unsigned int mesh);

    // A cross of that size over the position, untouched by angle and size.
    void drawPivo(float32 size, color3f32 color);

    void cantDeleteObject2D() { canDeleteObject = false; }
    // Owned copies of other's meshes, other's pivot, animations and
    // placement; marks other so that it frees nothing and answers a copy of
    // it that owns nothing.
    Object2D operator=(Object2D other);

    shape::Mesh2D* selectedMesh;
    animation::Interpolation2DGroup animationPosition;
    animation::Interpolation1DGroup animationAngle;
    animation::Interpolation2DGroup animationSize;
    vec2f32 pivo;
    // The destructor frees the owned meshes and the animations' frames.
    bool canDeleteObject;

protected:
    // Under the placement, each mesh with that operation, from the last
    // position down to 0.
    void drawMeshes(void (shape::Mesh2D::*drawMesh)());
    // Other is a shallow copy of this very object.
    bool sharesMeshesWith(Object2D& other);
    // Runs act on the mesh at a live position; false when there is none.
    template <typename Act> bool onMesh(unsigned int position, Act act) {
        shape::Mesh2D* mesh = meshes.getMesh(position);
        if (mesh) {
            act(mesh);
        }
        return mesh != nullptr;
    }
    // Every live mesh, in position order.
    template <typename Act> void forEachMesh(Act act) {
        for (unsigned int position = 0; position < meshes.size(); position++) {
            if (shape::Mesh2D* mesh = meshes.getMesh(position)) {
                act(mesh);
            }
        }
    }

    MeshsStack meshes;
};

} // namespace zelk

#endif
