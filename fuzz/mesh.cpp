// The "mesh_0" element of a document as a mesh: read, written back and read
// again. Texture names lead nowhere: the run has no OpenGL context, and a
// name that is a real image file only fails to become a texture.
#include "FuzzInput.h"

#include "zelk/shape/Mesh2D.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zelk::fuzz::InputDocument input(data, size);
    zelk::fuzz::readUseWriteRead<zelk::shape::Mesh2D>(&input.xml, 0, [](zelk::shape::Mesh2D&) {});
    return 0;
}
