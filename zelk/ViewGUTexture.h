#ifndef ZELK_VIEWGUTEXTURE_H
#define ZELK_VIEWGUTEXTURE_H

#include "zelk/Texture2DRender.h"
#include "zelk/ViewGU.h"

namespace zelk {

// A scene view that draws its background and scene into a texture of its own
// size first (render to texture), then shows the texture over its rectangle.
// Its children are not drawn; they still take contacts. The render target
// needs GLEW: without it, or when the target could not be made, the scene is
// not drawn and the view shows a plain quad.
class ViewGUTexture : public ViewGU {
public:
    // The render target is made with the size, in pixels; a current OpenGL
    // context is needed then (setTextureSize makes it again later).
    explicit ViewGUTexture(size2ui32 size);
    ViewGUTexture(unsigned int width, unsigned int height);
    ~ViewGUTexture() override;

    void draw(rectf32 outside) override;

    // Makes the render target again at the size; false when it could not be
    // made (a zero side, no GLEW).
    bool setTextureSize(size2ui32 size);
    bool setTextureSize(unsigned int width, unsigned int height);

    Texture2DRender render;
};

} // namespace zelk

#endif
