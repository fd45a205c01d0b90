// The "tileSet_0" element of a document: read, written back and read again.
#include "FuzzInput.h"

#include "zelk/tiles/TileSet2D.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zelk::fuzz::InputDocument input(data, size);
    zelk::fuzz::readUseWriteRead<zelk::tiles::TileSet2D>(&input.xml, 0,
                                                         [](zelk::tiles::TileSet2D&) {});
    return 0;
}
