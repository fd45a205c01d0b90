// The path animations of a document: "pathAnim_0" of one value,
// "pathAnim_1" of two and "pathAnim_2" of three, each read, played a few
// steps, written back and read again.
#include "FuzzInput.h"

#include "zelk/animation/Path1DGroup.h"
#include "zelk/animation/Path2DGroup.h"
#include "zelk/animation/Path3DGroup.h"

namespace {

void play(zelk::animation::PathGroup& group) {
    group.playForward();
    for (int step = 0; step < 4; step++) {
        group.stepClockAnimation(0.3f);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zelk::animation;
    using zelk::fuzz::readUseWriteRead;
    zelk::fuzz::InputDocument input(data, size);
    readUseWriteRead<Path1DGroup>(&input.xml, 0, play);
    readUseWriteRead<Path2DGroup>(&input.xml, 1, play);
    readUseWriteRead<Path3DGroup>(&input.xml, 2, play);
    return 0;
}
