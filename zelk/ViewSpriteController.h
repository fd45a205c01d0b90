#ifndef ZELK_VIEWSPRITECONTROLLER_H
#define ZELK_VIEWSPRITECONTROLLER_H

#include "zelk/Texture2DList.h"
#include "zelk/ViewController.h"

namespace zelk {

// A controller whose own quad shows a background texture of the shared
// texture list, in the colour its viewport set, under its children. Without
// a texture the quad shows the plain background colour.
class ViewSpriteController : public ViewController {
public:
    ViewSpriteController();
    explicit ViewSpriteController(rectf32 frame);
    ~ViewSpriteController() override;

    void drawPolygon(rectf32 outside) override;

    // As ViewSprite's; true when a texture code was obtained.
    bool loadSprite(char* name, unsigned int filter);
    bool loadSprite(const char* name, unsigned int filter);
    bool loadSpriteFromMemory(char* name, unsigned char* data, unsigned int size,
                              unsigned int filter);
    bool loadSpriteFromMemory(const char* name, unsigned char* data, unsigned int size,
                              unsigned int filter);
    void deleteSprite();

protected:
    uint32 spriteCode;
    Texture2DList textureList;
    uint32 spriteFilter;
};

} // namespace zelk

#endif
