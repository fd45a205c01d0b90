#ifndef ZELK_VIEWDRAWING_H
#define ZELK_VIEWDRAWING_H

#include "zelk/Camera2D.h"
#include "zelk/TypeRect.h"
#include "zelk/TypeVars.h"

namespace zelk {

// What the view classes share of their drawing: the OpenGL numbers they pass
// through GU and the unit quads. Internal to the views.
namespace viewDrawing {

const unsigned int modelViewMatrix = 0x1700;
const unsigned int projectionMatrix = 0x1701;
const unsigned int quads = 7;
const unsigned int texture2D = 0x0DE1;
const unsigned int nearestFilter = 0x2600;

// The unit quad (0, 0), (0, 1), (1, 1), (1, 0) in the current colour.
void unitQuad();
// The unit quad with the texture bound (0 for none), texturing switched on
// around it. upright puts the image's first row at the top (an uploaded
// image); otherwise it is at the bottom (a framebuffer's texture).
void texturedUnitQuad(unsigned int texture, bool upright);

// Selects the projection matrix and multiplies the camera onto it.
void cameraProjection(Camera2D& camera);

// A pixel value truncated towards zero into a signed 32-bit integer; values
// beyond the range give its ends, NaN gives 0.
int32 toPixel(float value);

// The window rectangle, bottom-left origin, of a rectangle given in its
// parent's top-down pixels inside the parent's viewport outside, each value
// truncated towards zero; a negative size becomes 0.
rectf32 viewportIn(rectf32 outside, rectf32 rectangle);

} // namespace viewDrawing
} // namespace zelk

#endif
