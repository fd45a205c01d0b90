// The "tileMap_0" element of a document: read, written back and read again.
#include "FuzzInput.h"

#include "zelk/tiles/TileMap2D.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zelk::fuzz::InputDocument input(data, size);
    zelk::tiles::TileMap2D map;
    if (map.readFromXML(&input.xml, 0)) {
        zelk::fuzz::OutputDocument output;
        map.writeToXML(&output.xml, 0);
        zelk::tiles::TileMap2D again;
        again.readFromXML(&output.xml, 0);
    }
    return 0;
}
