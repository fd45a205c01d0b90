// The key-frame animations of a document: "anim_0" of one value, "anim_1" of
// two and "anim_2" of three, each read, played a few steps both ways,
// written back and read again.
#include "FuzzInput.h"

#include "zelk/animation/Interpolation1DGroup.h"
#include "zelk/animation/Interpolation2DGroup.h"
#include "zelk/animation/Interpolation3DGroup.h"

namespace {

template <typename Group, typename Value>
void readAndPlay(zelk::XML* xml, unsigned int id, Value value) {
    Group group;
    if (!group.readFromXML(xml, id)) {
        return;
    }
    group.playForward();
    for (int step = 0; step < 3; step++) {
        group.stepClockAnimation(0.3f);
        value(group);
    }
    group.playRewind();
    group.stepClockAnimation(0.7f);
    value(group);
    zelk::fuzz::OutputDocument output;
    group.writeToXML(&output.xml, id);
    Group again;
    again.readFromXML(&output.xml, id);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zelk::animation;
    zelk::fuzz::InputDocument input(data, size);
    readAndPlay<Interpolation1DGroup>(&input.xml, 0,
                                      [](Interpolation1DGroup& g) { g.getClockX(nullptr); });
    readAndPlay<Interpolation2DGroup>(&input.xml, 1,
                                      [](Interpolation2DGroup& g) { g.getClockY(nullptr); });
    readAndPlay<Interpolation3DGroup>(&input.xml, 2,
                                      [](Interpolation3DGroup& g) { g.getClockZ(nullptr); });
    return 0;
}
