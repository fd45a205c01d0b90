#ifndef ZELK_VIEWMENU_H
#define ZELK_VIEWMENU_H

#include "zelk/Camera2D.h"
#include "zelk/TypeRect.h"
#include "zelk/TypeSize.h"
#include "zelk/ViewSpriteController.h"

namespace zelk {

// A panel: a sprite controller whose background, the built-in menu template
// at first, is drawn in nine parts around a border (see
// viewDrawing::ninePartFrame). The menu and its children are drawn border
// pixels right of where its frame puts them; its y stays.
class ViewMenu : public ViewSpriteController {
public:
    ViewMenu();
    explicit ViewMenu(rectf32 frame);
    ~ViewMenu() override;

    void draw(rectf32 outside) override;
    void drawPolygon(rectf32 outside) override;

    // The border width in pixels of the frame; 0 sets 50 and answers false.
    bool setBorderSize(unsigned int size);
    // (0, 0) and the frame's size less two borders, in whole pixels (0 when
    // the borders take the whole side).
    rectui32 getInsideFrame();
    size2ui32 getInsideSize();

protected:
    Camera2D camera;
    double borderSize;
};

} // namespace zelk

#endif
