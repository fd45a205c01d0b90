// The "object_0" element of a document: read, its animations played a few
// steps, written back and read again.
#include "FuzzInput.h"

#include "zelk/Object2D.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zelk::fuzz::InputDocument input(data, size);
    zelk::fuzz::readUseWriteRead<zelk::Object2D>(&input.xml, 0, [](zelk::Object2D& object) {
        object.animationPosition.playForward();
        object.animationAngle.playForward();
        object.animationSize.playForward();
        object.playMeshAnimations();
        for (int step = 0; step < 3; step++) {
            object.animationPosition.stepClockAnimation(0.25f);
            object.animationAngle.stepClockAnimation(0.25f);
            object.animationSize.stepClockAnimation(0.25f);
            object.updateAnimations();
        }
    });
    return 0;
}
