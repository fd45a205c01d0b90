#ifndef JORVELL_PICTURE_H
#define JORVELL_PICTURE_H

#include "zelk/Object2D.h"
#include "zelk/shape/Mesh2D.h"

// A whole picture shown by one object, as the logo and title screens show
// theirs.
namespace jorvell {

// The mesh, whose slot 0 holds the picture, becomes one white rectangle
// centred on the object, and the object takes the picture's size in pixels.
void showPicture(zelk::Object2D& object, zelk::shape::Mesh2D& mesh);
// Takes the mesh off the object and empties it, picture included.
void hidePicture(zelk::Object2D& object, zelk::shape::Mesh2D& mesh);

} // namespace jorvell

#endif
