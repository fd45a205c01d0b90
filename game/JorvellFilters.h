#ifndef JORVELL_FILTERS_H
#define JORVELL_FILTERS_H

// The texture filters the game loads its images with, as OpenGL numbers them:
// the engine passes filters through to OpenGL unchanged.
namespace jorvell {

const unsigned int nearestFilter = 0x2600;
const unsigned int linearFilter = 0x2601;

} // namespace jorvell

#endif
