// The "physWorld_0" element of a document: its objects made bodies of a
// world, stepped, written back and read into a second world.
#include "FuzzInput.h"

#include "zelk/physics2D/World2D.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zelk::fuzz::InputDocument input(data, size);
    zelk::fuzz::readUseWriteRead<zelk::physics2D::World2D>(
        &input.xml, 0, [](zelk::physics2D::World2D& world) { world.nextStep(1.f / 60.f, 4, 2); });
    return 0;
}
