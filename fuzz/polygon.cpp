// The "polygon_0" element of a document: read, written back and read again.
#include "FuzzInput.h"

#include "zelk/shape/Polygon2D.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zelk::fuzz::InputDocument input(data, size);
    zelk::fuzz::readUseWriteRead<zelk::shape::Polygon2D>(&input.xml, 0,
                                                         [](zelk::shape::Polygon2D&) {});
    return 0;
}
