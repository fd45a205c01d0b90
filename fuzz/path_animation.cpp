// The path animations of a document: "pathAnim_0" of one value,
// "pathAnim_1" of two and "pathAnim_2" of three, each read, played a few
// steps, written back and read again.
#include "FuzzInput.h"

#include "zelk/animation/Path1DGroup.h"
#include "zelk/animation/Path2DGroup.h"
#include "zelk/animation/Path3DGroup.h"

namespace {

template <typename Group> void readAndPlay(zelk::XML* xml, unsigned int id) {
    Group group;
    if (!group.readFromXML(xml, id)) {
        return;
    }
    group.playForward();
    for (int step = 0; step < 4; step++) {
        group.stepClockAnimation(0.3f);
    }
    zelk::fuzz::OutputDocument output;
    group.writeToXML(&output.xml, id);
    Group again;
    again.readFromXML(&output.xml, id);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zelk::animation;
    zelk::fuzz::InputDocument input(data, size);
    readAndPlay<Path1DGroup>(&input.xml, 0);
    readAndPlay<Path2DGroup>(&input.xml, 1);
    readAndPlay<Path3DGroup>(&input.xml, 2);
    return 0;
}
