#ifndef ZELK_VIEWNINEPART_H
#define ZELK_VIEWNINEPART_H

#include "zelk/Camera2D.h"

namespace zelk {
namespace viewDrawing {

// Draws a template image in nine parts over a frame of width x height pixels
// with a border of border pixels, the way buttons and menus draw: each corner
// shows the matching quarter of the image, the edges and the inside stretch
// the thin band between 0.495 and 0.515 of the image's width or height. The
// camera is set to the frame and multiplied onto the view's unit projection,
// so the frame's pixels count from its bottom-left corner. The corners keep
// the current colour, the rest is drawn white. The template stays bound with
// texturing on.
void ninePartFrame(Camera2D& camera, float width, float height, double border,
                   unsigned int texture);

} // namespace viewDrawing
} // namespace zelk

#endif
