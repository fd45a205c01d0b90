#ifndef ZELK_VIEWGU_H
#define ZELK_VIEWGU_H

#include "zelk/ViewSpriteController.h"

namespace zelk {

// The OpenGL scene view: its background quad (with its background texture,
// if any), then the scene its subclass draws in drawScene.
class ViewGU : public ViewSpriteController {
public:
    ViewGU();
    explicit ViewGU(rectf32 frame);
    ~ViewGU() override;

    bool isGU() override;
    void drawPolygon(rectf32 outside) override;
    // Draws the scene, under the projection and in the model-view matrix the
    // view left selected; outside is the rectangle drawPolygon got.
    virtual void drawScene(rectf32 outside);

    // The background texture, loaded with GL_NEAREST.
    bool loadBackground(char* name);
    bool loadBackground(const char* name);
    void deleteBackground();
};

} // namespace zelk

#endif
