// The "physicObject_0" element of a document: read, made a body of a world
// for one step, written back and read again.
#include "FuzzInput.h"

#include "zelk/physics2D/PhysicObject2D.h"
#include "zelk/physics2D/World2D.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using zelk::physics2D::PhysicObject2D;
    zelk::fuzz::InputDocument input(data, size);
    PhysicObject2D object;
    if (!object.readFromXML(&input.xml, 0)) {
        return 0;
    }
    PhysicObject2D::readFromXMLisSensor(&input.xml, 0);
    {
        zelk::physics2D::World2D world;
        if (world.addObject(&object)) {
            world.nextStep(1.f / 60.f, 4, 2);
            world.removeObject(&object);
        }
    }
    zelk::fuzz::OutputDocument output;
    object.writeToXML(&output.xml, 0, true);
    PhysicObject2D again;
    again.readFromXML(&output.xml, 0);
    return 0;
}
