// Seeds of the key-frame and path animation readers.
#include "Seeds.h"

#include "zelk/animation/Interpolation1DGroup.h"
#include "zelk/animation/Interpolation2DGroup.h"
#include "zelk/animation/Interpolation3DGroup.h"
#include "zelk/animation/Path3DGroup.h"

namespace zelk {
namespace fuzz {

bool writeAnimationSeeds(const std::string& root) {
    using namespace animation;
    SeedFolder groups(root, "animation");
    bool written = groups.writeDocument("groups.xml", [](XML* xml) {
        Interpolation1DGroup one;
        one.addNewInterpolationLine(0.f, 0.f);
        one.addNewInterpolationLine(1.f, 10.f);
        one.addNewInterpolationLine(2.5f, -4.f);
        one.setInterpolationCurveX(1);
        one.setInterpolationP1X(1, 1.5f, 3.f);
        one.addNewAnimationName("jump", 0.f, 1.f);
        one.loopOn();
        one.writeToXML(xml, 0);
        Interpolation2DGroup two;
        two.addNewInterpolationLine(0.f, 0.f, 1.f);
        two.addNewInterpolationLine(0.5f, 2.f, 3.f);
        two.setInterpolationCurveY(0);
        two.writeToXML(xml, 1);
        Interpolation3DGroup three;
        three.addNewInterpolationLine(0.f, 1.f, 2.f, 3.f);
        three.addNewInterpolationLine(1.f, 4.f, 5.f, 6.f);
        three.addNewInterpolationLine(3.f, 7.f, 8.f, 9.f);
        three.addNewAnimationName("all", 0.f, 3.f);
        three.writeToXML(xml, 2);
    });
    written &= groups.writeDocument("waiting.xml", [](XML* xml) {
        Interpolation1DGroup one;
        one.addNewInterpolationLine(0.5f, 2.f);
        one.writeToXML(xml, 0);
    });

    SeedFolder paths(root, "path_animation");
    written &= paths.writeDocument("paths.xml", [](XML* xml) {
        Path1DGroup one;
        one.addNewFrame(0.f, 0.f);
        one.addNewFrame(1.f, 5.f);
        one.addNewAnimationName("there", 0, 1);
        one.loopOn();
        one.writeToXML(xml, 0);
        Path2DGroup two;
        two.addNewFrame(0.5f, 1.f, 2.f);
        two.addNewFrame(1.f, -1.f, 4.f);
        two.addNewFrame(0.f, 3.f, 3.f);
        two.writeToXML(xml, 1);
        Path3DGroup three;
        three.addNewFrame(1.f, 1.f, 2.f, 3.f);
        three.addNewFrame(2.f, 0.f, 0.f, 0.f);
        three.writeToXML(xml, 2);
    });
    return written;
}

} // namespace fuzz
} // namespace zelk
