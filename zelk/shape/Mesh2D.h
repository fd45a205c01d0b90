#ifndef ZELK_SHAPE_MESH2D_H
#define ZELK_SHAPE_MESH2D_H

#include "zelk/material/Material.h"
#include "zelk/shape/AnimatedPolygon2DList.h"

namespace zelk {
namespace shape {

// An animated polygon list with a material of up to 32 textures: what a
// placed object draws. The mesh gives its textures back to the shared list
// when it goes, unless it was told cantDeleteMesh() (a by-value copy, which
// then frees neither textures nor polygons).
//
// Its XML form is the list's "mesh_<id>" element with the material's
// "material_0" inside.
class Mesh2D : public AnimatedPolygon2DList {
public:
    Mesh2D();
    Mesh2D(const Mesh2D& other);
    ~Mesh2D() override;

    bool writeToXML(XML* xml, unsigned int id) override;
    // The polygons as the list reads them, then the material's textures and
    // colours; a texture that does not load leaves its slot empty.
    bool readFromXML(XML* xml, unsigned int id) override;
    virtual void print();
    // The polygons with texture slot 0 bound (every slot on its own unit in
    // the multi-texture form), or with the material's colours alone when it
    // has no texture.
    virtual void drawOneTexture();
    virtual void drawMultiTexture();
    virtual void drawWire();

    // Gives the slot's texture back; the slot is cut to 8 bits.
    bool removeTexture(unsigned int slot);
    void cleanTextures();
    void cantDeleteMesh() { canDeleteMesh = false; }
    // Copies of other's polygons and other's material (its textures now
    // used by this mesh too); marks other so that it frees nothing and
    // answers a copy of it that owns nothing. The selected animation is not
    // copied.
    Mesh2D operator=(Mesh2D other);

    material::Material material;
    // The destructor gives the textures back (and the list frees the
    // polygons).
    bool canDeleteMesh;

protected:
    // The polygons between that start of the material and its end, or with
    // its colours alone when it has no texture.
    void drawTextured(void (material::Material::*start)());
};

} // namespace shape
} // namespace zelk

#endif
