// The key-frame animations of a document: "anim_0" of one value, "anim_1" of
// two and "anim_2" of three, each read, played a few steps both ways,
// written back and read again.
#include "FuzzInput.h"

#include "zelk/animation/Interpolation1DGroup.h"
#include "zelk/animation/Interpolation2DGroup.h"
#include "zelk/animation/Interpolation3DGroup.h"

namespace {

// Plays the group forward, then back, asking for its value after each step.
template <typename Group, typename Value> auto play(Value value) {
    return [value](Group& group) {
        group.playForward();
        for (int step = 0; step < 3; step++) {
            group.stepClockAnimation(0.3f);
            value(group);
        }
        group.playRewind();
        group.stepClockAnimation(0.7f);
        value(group);
    };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zelk::animation;
    using zelk::fuzz::readUseWriteRead;
    zelk::fuzz::InputDocument input(data, size);
    readUseWriteRead<Interpolation1DGroup>(
        &input.xml, 0, play<Interpolation1DGroup>([](auto& g) { g.getClockX(nullptr); }));
    readUseWriteRead<Interpolation2DGroup>(
        &input.xml, 1, play<Interpolation2DGroup>([](auto& g) { g.getClockY(nullptr); }));
    readUseWriteRead<Interpolation3DGroup>(
        &input.xml, 2, play<Interpolation3DGroup>([](auto& g) { g.getClockZ(nullptr); }));
    return 0;
}
