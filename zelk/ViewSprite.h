#ifndef ZELK_VIEWSPRITE_H
#define ZELK_VIEWSPRITE_H

#include "zelk/Texture2DList.h"
#include "zelk/View.h"

namespace zelk {

// A leaf view that shows one texture of the shared texture list over its
// rectangle, tinted by its background colour, the image's first row at the
// top. Without a texture it shows the plain background colour. The texture is
// held from loading until deleteSprite() or destruction.
class ViewSprite : public View {
public:
    ViewSprite();
    explicit ViewSprite(rectf32 frame);
    ~ViewSprite() override;

    void drawPolygon(rectf32 outside) override;

    // Replaces the sprite with the image file loaded with the OpenGL filter;
    // false (no sprite, filter 0) for a null name or a file that does not load.
    bool loadSprite(char* name, unsigned int filter);
    bool loadSprite(const char* name, unsigned int filter);
    // The same from encoded image bytes shared under the name; name, data and
    // a size above 0 are needed.
    bool loadSpriteFromMemory(char* name, unsigned char* data, unsigned int size,
                              unsigned int filter);
    bool loadSpriteFromMemory(const char* name, unsigned char* data, unsigned int size,
                              unsigned int filter);
    // Gives the texture back to the list; code, filter and size become 0.
    void deleteSprite();
    // Pixels; (0, 0) without a sprite.
    size2ui32 getSpriteSize();
    uint32 getSpriteCode();

protected:
    // Keeps a code just loaded with its filter and size; false for 0.
    bool keepSprite(uint32 code, unsigned int filter);

    Texture2DList textureList;
    uint32 spriteCode;
    uint32 spriteFilter;
    size2ui32 spriteSize;
};

} // namespace zelk

#endif
