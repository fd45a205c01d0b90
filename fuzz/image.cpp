// An encoded image in memory, decoded by Image2D (JPEG through the engine's
// decoder, PNG through SFML), without OpenGL.
#include "FuzzInput.h"

#include "zelk/Image2D.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zelk::Image2D image;
    image.loadFromMemory(const_cast<uint8_t*>(data), static_cast<unsigned int>(size));
    return 0;
}
