#ifndef ZELK_VIEWGU2D_H
#define ZELK_VIEWGU2D_H

#include "zelk/Camera2D.h"
#include "zelk/ViewGU.h"

namespace zelk {

// A scene view whose scene is seen through its own 2D camera: the viewport
// shows exactly the camera's rectangle, y upwards.
class ViewGU2D : public ViewGU {
public:
    ViewGU2D();
    explicit ViewGU2D(rectf32 frame);
    ~ViewGU2D() override;

    // The background quad, then the camera, then drawScene in the model-view
    // matrix.
    void drawPolygon(rectf32 outside) override;
    // Multiplies the camera onto the projection matrix.
    void drawCamera2D();

    Camera2D camera;
};

} // namespace zelk

#endif
