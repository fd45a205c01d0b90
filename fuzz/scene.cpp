// The "Cenario_0" element of a document: the scene read, its physics objects
// put into its world, one step of physics and animation, written back and
// read again.
#include "FuzzInput.h"

#include "zelk/Cenario2D.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zelk::fuzz::InputDocument input(data, size);
    zelk::fuzz::readUseWriteRead<zelk::Cenario2D>(&input.xml, 0, [](zelk::Cenario2D& scene) {
        scene.loadPhysicObjectsToWorld();
        scene.world.nextStep(1.f / 60.f, 4, 2);
        scene.stepAnimations(0.25f);
    });
    return 0;
}
