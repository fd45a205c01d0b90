#ifndef ZELK_VIEWGU2DTEXTURE_H
#define ZELK_VIEWGU2DTEXTURE_H

#include "zelk/Camera2D.h"
#include "zelk/ViewGUTexture.h"

namespace zelk {

// A render-to-texture scene view seen through its own 2D camera.
class ViewGU2DTexture : public ViewGUTexture {
public:
    explicit ViewGU2DTexture(size2ui32 size);
    ViewGU2DTexture(unsigned int width, unsigned int height);
    ~ViewGU2DTexture() override;

    // As ViewGU2D's, into the texture.
    void drawPolygon(rectf32 outside) override;
    void drawCamera2D();

    Camera2D camera;
};

} // namespace zelk

#endif
