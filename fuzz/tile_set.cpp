// The "tileSet_0" element of a document: read, written back and read again.
#include "FuzzInput.h"

#include "zelk/tiles/TileSet2D.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zelk::fuzz::InputDocument input(data, size);
    zelk::tiles::TileSet2D set;
    if (set.readFromXML(&input.xml, 0)) {
        zelk::fuzz::OutputDocument output;
        set.writeToXML(&output.xml, 0);
        zelk::tiles::TileSet2D again;
        again.readFromXML(&output.xml, 0);
    }
    return 0;
}
