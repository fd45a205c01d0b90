#ifndef ZELK_CAMERA2D_H
#define ZELK_CAMERA2D_H

#include "zelk/TypeRect.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVec2.h"

namespace zelk {

// The visible rectangle of a 2D scene, held as its centre and half its size,
// and applied as an orthographic projection. The y axis points up.
class Camera2D {
public:
    Camera2D();
    Camera2D(vec2f32 position);
    Camera2D(float x, float y);
    virtual ~Camera2D() {}

    // Centre (0, 0), size 1 by 1.
    void start();

    // Strictly positive sizes only; the centre stays.
    bool setSize(size2f32 size);
    bool setSize(float width, float height);
    // Any rectangle whose width and height are not exactly 0, negative ones too.
    bool setRect(rectf32 rect);
    bool setRect(vec2f32 origin, size2f32 size);
    bool setRect(float x, float y, float width, float height);
    // The rectangle from a lower-left to an upper-right corner.
    bool setPoints(vec2f32 first, vec2f32 second);
    bool setPoints(float x1, float y1, float x2, float y2);

    size2f32 getSize();
    rectf32 getRect();

    // Multiplies the camera onto the projection matrix and leaves that matrix
    // selected. It expects the view's unit projection there, ortho(0, 1, 0, 1),
    // which is why the half-size counts three times on the left and bottom:
    // together they show exactly the camera's rectangle.
    void draw();

    void moveLeft(float d);
    void moveLeft(double d);
    void moveRight(float d);
    void moveRight(double d);
    void moveUp(float d);
    void moveUp(double d);
    void moveDown(float d);
    void moveDown(double d);
    void move(vec2f32 d);
    void move(float x, float y);

    // Grow the visible width or height by d; no check.
    void scaleX(float d);
    void scaleX(double d);
    void scaleY(float d);
    void scaleY(double d);

    // The centre of the visible rectangle.
    vec2f32 position;
    // Half the visible width and height.
    size2f32 halfSize;
};

} // namespace zelk

#endif
