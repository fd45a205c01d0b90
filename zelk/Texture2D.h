#ifndef ZELK_TEXTURE2D_H
#define ZELK_TEXTURE2D_H

#include "zelk/ObjectWithName.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVars.h"

namespace zelk {

// One OpenGL 2D texture as a named, counted object: its texture code, its
// size, its pixel format (GL_LUMINANCE, GL_RGB or GL_RGBA) and its filter.
// Needs a current OpenGL context.
//
// Its holders are 32-bit variables that hold the texture code: retaining
// writes the code into one, releasing writes 0, and the release of the last
// holder deletes the texture object itself.
class Texture2D : public ObjectWithName {
public:
    Texture2D();
    ~Texture2D() override;

    // Writes the texture code, or 0, into the 32-bit variable a holder
    // designates; a null holder is ignored.
    void saveObject(ObjectWithName** holder) override;
    void cleanObject(ObjectWithName** holder) override;

    // Replaces the texture with a new one of the given format; data may be
    // null for one without pixels.
    bool createTexture(unsigned int width, unsigned int height, unsigned int mode, void* data,
                       unsigned int filter);
    // Uploads new pixels of the texture's size and format; false without a
    // texture.
    bool drawToTexture(void* data);
    bool drawToTexture(void* data, unsigned int filter);

    uint32 getID() const { return id; }
    uint32 textureID() const { return id; }
    size2ui32 getSize() const { return size; }
    uint32 width() const { return size.width; }
    uint32 height() const { return size.height; }

    // Releases the texture and the name; the format and filter stay.
    void deleteTexture();
    static void deleteTextureID(unsigned int id);

    // Registers a code variable as a holder and writes the code into it; null
    // for a null holder or one registered already.
    Texture2D* retainObject(uint32* holder);
    // Writes 0 into the variable; the release of the last registered holder
    // deletes this texture, which the caller must not touch afterwards.
    bool releaseObject(uint32* holder);

protected:
    uint32 id;
    size2ui32 size;
    uint32 mode;
    uint32 filter;

private:
    static ObjectWithName** asHolder(uint32* code);
    static uint32* asCode(ObjectWithName** holder);
};

} // namespace zelk

#endif
