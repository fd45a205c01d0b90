#ifndef ZELK_MATERIAL_MATERIAL_H
#define ZELK_MATERIAL_MATERIAL_H

#include "zelk/Texture2DList.h"
#include "zelk/TypeColor.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVars.h"

namespace zelk {

class XML;

namespace material {

// The surface of a mesh: the fixed-function material colours, the shininess
// and up to 32 textures from the shared texture list, in slots 0 to 31.
// Each filled slot holds one use of its texture in the list, which the
// destructor gives back unless cantDelete() was called.
//
// A copy holds the same textures without taking uses of its own: its
// receiver calls cantDelete() on it unless it takes those uses over. An
// assignment takes uses of the source's textures, gives back the target's
// old ones and leaves both sides marked cantDelete(): the target's holder
// then gives its textures back with removeAllTextures().
class Material {
public:
    static constexpr uint8 textureSlots = 32;

    Material();
    Material(const Material& other);
    virtual ~Material();
    Material operator=(Material source);

    void cantDelete() { canDeleteMaterial = false; }

    // Empty the slot, then fill it from the shared list; a failed load leaves
    // it empty. False for a position above 31.
    bool loadTexture(char* fileName, uint8 position, uint32 filter);
    bool loadTexture(const char* fileName, uint8 position, uint32 filter);
    bool loadTextureFromMemory(char* name, uint8* data, uint32 size, uint8 position, uint32 filter);
    bool loadTextureFromMemory(const char* name, uint8* data, uint32 size, uint8 position,
                               uint32 filter);

    // Three components are opaque.
    void setAmbient(float r, float g, float b, float a);
    void setAmbient(float r, float g, float b);
    void setAmbient(color4f32 color);
    void setAmbient(color3f32 color);
    void setDiffuse(float r, float g, float b, float a);
    void setDiffuse(float r, float g, float b);
    void setDiffuse(color4f32 color);
    void setDiffuse(color3f32 color);
    void setAmbientAndDiffuse(float r, float g, float b, float a);
    void setAmbientAndDiffuse(float r, float g, float b);
    void setAmbientAndDiffuse(color4f32 color);
    void setAmbientAndDiffuse(color3f32 color);
    void setSpecular(float r, float g, float b, float a);
    void setSpecular(float r, float g, float b);
    void setSpecular(color4f32 color);
    void setSpecular(color3f32 color);
    void setEmission(float r, float g, float b, float a);
    void setEmission(float r, float g, float b);
    void setEmission(color4f32 color);
    void setEmission(color3f32 color);
    // Only the first value reaches OpenGL.
    void setShininess(float r, float g, float b, float a);
    void setShininess(float r, float g, float b);
    void setShininess(color4f32 color);
    void setShininess(color3f32 color);

    // The slot's texture code; 0 for an empty slot or a position above 31.
    uint32 getTexture(uint8 position);
    // The list's size for the slot's code, (1, 1) for an empty slot or a
    // position above 31; the width and height are 0 for such a position.
    size2ui32 getTextureSize(uint8 position);
    uint32 getTextureWidth(uint8 position);
    uint32 getTextureHeight(uint8 position);

    // Give the slot's use back to the list (the answer is the list's) and
    // empty the slot; false for a position above 31.
    bool removeTexture(uint8 position);
    void removeAllTextures();
    // The same, but the list deletes the texture whatever its use count.
    bool deleteTexture(uint8 position);
    bool haveTexture() const { return textureCount != 0; }

    // Drawing: the colours alone, or texturing enabled with slot 0 bound, or
    // with every slot bound on its own texture unit (31 down to 1, then 0)
    // when GLEW is running. The end disables texturing and restores nothing
    // else.
    void useMaterialParameters();
    void drawNoTexture();
    void drawStartWithOneTexture();
    void drawStartWithMultiTexture();
    void drawEndWithTexture();
    void drawStart();
    void drawEnd();

    // The element "material_<id>" inside the selected node: the colours as
    // children "ambient" to "shininess" with attributes "value0" to
    // "value3", then "texture_<slot>" with the texture's name as text and
    // its filter as the attribute "filter". The cursor ends where it was.
    virtual bool writeToXML(XML* xml, unsigned int id);
    // Reads it back; every slot without an element ends empty, and a
    // texture that fails to load leaves its slot empty.
    virtual bool readFromXML(XML* xml, unsigned int id);

    void printTexture(uint8 position);
    void printAmbient();

private:
    bool emptySlot(uint8 position, bool whateverUses);
    bool fillSlot(uint8 position, uint32 code);

    float ambient[4];
    float diffuse[4];
    float specular[4];
    float emission[4];
    float shininess[4];
    uint32 textures[textureSlots];
    uint8 textureCount;
    Texture2DList textureList;
    bool canDeleteMaterial;
};

} // namespace material
} // namespace zelk

#endif
