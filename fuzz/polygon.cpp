// The "polygon_0" element of a document: read, written back and read again.
#include "FuzzInput.h"

#include "zelk/shape/Polygon2D.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zelk::fuzz::InputDocument input(data, size);
    zelk::shape::Polygon2D polygon;
    if (polygon.readFromXML(&input.xml, 0)) {
        zelk::fuzz::OutputDocument output;
        polygon.writeToXML(&output.xml, 0);
        zelk::shape::Polygon2D again;
        again.readFromXML(&output.xml, 0);
    }
    return 0;
}
