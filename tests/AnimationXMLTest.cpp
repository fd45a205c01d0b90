#include "zelk/XML.h"
#include "zelk/animation/Interpolation3DGroup.h"
#include "zelk/animation/Path3DGroup.h"

#include "support/FileContents.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace zelk;
using namespace zelk::animation;

namespace {

// A scene document in a file of its own: save writes elements under the root
// "scene" and answers the file's text; load reads a file back with the root
// selected.
class SceneFile {
public:
    std::string save(const std::function<void(XML*)>& write, const char* name = "scene.xml") {
        XML out;
        out.addNewRoot("scene");
        out.selectRoot();
        write(&out);
        EXPECT_STREQ("scene", out.getSelectedName()) << "the writer comes back to the root";
        out.saveToFile(dir.file(name).c_str());
        return test::readFileBytes(dir.file(name));
    }
    void load(XML* in, const char* name = "scene.xml") {
        ASSERT_TRUE(in->loadFile(dir.file(name).c_str()));
        in->selectRoot();
    }
    // A hand-written document, loaded.
    void loadText(XML* in, const std::string& text) {
        test::writeFileBytes(dir.file("hand.xml"), text);
        load(in, "hand.xml");
    }

private:
    test::TempDir dir;
};

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(KeyFrameXML, AOneValueAnimationRoundTripsWithExactTexts) {
    Interpolation1DGroup group;
    group.addNewInterpolationLine(0, 0);
    group.addNewInterpolationLine(1, 0.25f);
    group.addNewInterpolationLine(2, 1.1f);
    group.loopOn();
    group.setInterpolationP1X(1, 1.25f, 3);
    group.addNewAnimationName("wave", 0, 1);
    group.addNewAnimationName("all", 0, 2);
    SceneFile file;
    std::string text = file.save([&](XML* xml) { EXPECT_TRUE(group.writeToXML(xml, 3)); });
    EXPECT_TRUE(contains(text, "<anim_3 loop=\"on\">")) << text;
    EXPECT_TRUE(contains(text, "<frame_0 second=\"0.0\" x=\"0.0\" />"));
    EXPECT_TRUE(contains(text, "<frame_1 second=\"1.0\" x=\"0.25\" />"));
    EXPECT_TRUE(contains(text, "<frame_2 second=\"2.0\" x=\"1.10000002\" />"));
    EXPECT_FALSE(contains(text, "frame_3"));
    EXPECT_TRUE(contains(text, "<curveX_1 p1W=\"1.25\" p1H=\"3.0\" p2W=\"1.75\" p2H=\"0.8875\" />"))
        << text;
    EXPECT_FALSE(contains(text, "curveX_0"));
    EXPECT_TRUE(contains(text, "<animationName_0 start=\"0.0\" end=\"2.0\">all</animationName_0>"));
    EXPECT_TRUE(
        contains(text, "<animationName_1 start=\"0.0\" end=\"1.0\">wave</animationName_1>"));

    XML in;
    file.load(&in);
    Interpolation1DGroup copy;
    copy.addNewInterpolationLine(9, 9);
    EXPECT_TRUE(copy.readFromXML(&in, 3));
    EXPECT_STREQ("scene", in.getSelectedName());
    ASSERT_EQ(2u, copy.getInterpolationSize());
    EXPECT_TRUE(copy.isLooping());
    EXPECT_EQ(1.1f, copy.getInterpolationEndX(1));
    EXPECT_TRUE(copy.getInterpolationIsCurveX(1));
    EXPECT_FALSE(copy.getInterpolationIsCurveX(0));
    EXPECT_TRUE(copy.haveAnimationName("wave"));
    EXPECT_EQ(text, file.save([&](XML* xml) { copy.writeToXML(xml, 3); }, "again.xml"));
}

TEST(KeyFrameXML, AWaitingFrameIsWrittenAloneAndReadBackAsOne) {
    Interpolation2DGroup group;
    group.addNewInterpolationLine(1.5f, 2, 3);
    SceneFile file;
    std::string text = file.save([&](XML* xml) { group.writeToXML(xml, 0); });
    EXPECT_TRUE(contains(text, "<anim_0 loop=\"off\">"));
    EXPECT_TRUE(contains(text, "<frame_0 second=\"1.5\" x=\"2.0\" y=\"3.0\" />"));
    EXPECT_FALSE(contains(text, "frame_1"));

    XML in;
    file.load(&in);
    Interpolation2DGroup copy;
    copy.loopOn();
    EXPECT_TRUE(copy.readFromXML(&in, 0));
    EXPECT_FALSE(copy.isLooping());
    EXPECT_TRUE(copy.selectTempFrame(1.5f));
    EXPECT_EQ(0u, copy.getInterpolationSize());
    copy.addNewInterpolationLine(0, 0, 0);
    EXPECT_EQ(3.f, copy.getInterpolationEndY(0));
}

TEST(KeyFrameXML, CurvesOfEveryAxisRoundTrip) {
    Interpolation3DGroup group;
    group.addNewInterpolationLine(0, 0, 0, 0);
    group.addNewInterpolationLine(2, 2, 4, 8);
    group.setInterpolationCurveY(0);
    group.setInterpolationCurveZ(0);
    group.setInterpolationP2Z(0, 1, -3);
    SceneFile file;
    std::string text = file.save([&](XML* xml) { group.writeToXML(xml, 1); });
    EXPECT_TRUE(contains(text, "<frame_1 second=\"2.0\" x=\"2.0\" y=\"4.0\" z=\"8.0\" />"));
    EXPECT_TRUE(contains(text, "<curveY_0 p1W=\"0.5\" p1H=\"1.0\" p2W=\"1.5\" p2H=\"3.0\" />"));
    EXPECT_TRUE(contains(text, "<curveZ_0 p1W=\"0.5\" p1H=\"2.0\" p2W=\"1.0\" p2H=\"-3.0\" />"));
    EXPECT_LT(text.find("curveY_0"), text.find("curveZ_0"));

    XML in;
    file.load(&in);
    Interpolation3DGroup copy;
    EXPECT_TRUE(copy.readFromXML(&in, 1));
    EXPECT_FALSE(copy.getInterpolationIsCurveX(0));
    EXPECT_TRUE(copy.getInterpolationIsCurveY(0));
    EXPECT_TRUE(copy.getInterpolationIsCurveZ(0));
    copy.playForwardIn(1);
    EXPECT_EQ(group.playForwardIn(1), true);
    EXPECT_EQ(group.getClockZ(nullptr), copy.getClockZ(nullptr));
    EXPECT_EQ(text, file.save([&](XML* xml) { copy.writeToXML(xml, 1); }, "again.xml"));
}

TEST(KeyFrameXML, PlainGroupsWriteSecondsOnly) {
    InterpolationGroup group;
    group.addNewInterpolationLine(0.f);
    group.addNewInterpolationLine(0.5f);
    SceneFile file;
    std::string text = file.save([&](XML* xml) { group.writeToXML(xml, 2); });
    EXPECT_TRUE(contains(text, "<frame_1 second=\"0.5\" />"));
    XML in;
    file.load(&in);
    InterpolationGroup copy;
    EXPECT_TRUE(copy.readFromXML(&in, 2));
    EXPECT_EQ(0.5f, copy.getInterpolationEndSecond(0));
}

TEST(KeyFrameXML, AMissingValueKeepsThePreviousFramesAndAMissingSecondIsZero) {
    SceneFile file;
    XML in;
    file.loadText(&in, "<scene><anim_0 loop=\"sometimes\">"
                       "<frame_0 second=\"1\" x=\"5\"/><frame_1 second=\"2\"/>"
                       "<frame_2 x=\"9\"/><frame_4 second=\"7\" x=\"1\"/>"
                       "<curveX_7 p1W=\"1\"/>"
                       "<animationName_0 start=\"0\" end=\"2\">\n\tjump\t\n</animationName_0>"
                       "<animationName_1 start=\"0\" end=\"1\">jump</animationName_1>"
                       "</anim_0></scene>");
    Interpolation1DGroup group;
    group.loopOn();
    EXPECT_TRUE(group.readFromXML(&in, 0));
    EXPECT_TRUE(group.isLooping()) << "an unknown loop text leaves the flag";
    ASSERT_EQ(2u, group.getInterpolationSize()) << "reading stops at the gap";
    EXPECT_EQ(0.f, group.getInterpolationStartSecond(0));
    EXPECT_EQ(9.f, group.getInterpolationStartX(0));
    EXPECT_EQ(5.f, group.getInterpolationEndX(0));
    EXPECT_EQ(5.f, group.getInterpolationEndX(1));
    EXPECT_TRUE(group.haveAnimationName("jump"));
    group.playNameForward("jump");
    group.playForwardIn(10);
    EXPECT_EQ(2.f, group.getAnimationSecond()) << "the first clip of the name is kept";
}

TEST(KeyFrameXML, HostileDocumentsChangeNothingOrReadAsZero) {
    SceneFile file;
    XML in;
    file.loadText(&in,
                  "<scene><anim_1 loop=\"on\"/>"
                  "<anim_2><frame_0 second=\"abc\" x=\"1e40\"/><frame_1 second=\"nan\" x=\"inf\"/>"
                  "<animationName_0 start=\"0\" end=\"5\">long</animationName_0>"
                  "<animationName_1 start=\"0\" end=\"0\">\t\n</animationName_1>"
                  "</anim_2></scene>");
    Interpolation1DGroup group;
    group.addNewInterpolationLine(0, 1);
    group.addNewInterpolationLine(1, 2);
    EXPECT_FALSE(group.readFromXML(nullptr, 1));
    EXPECT_FALSE(group.readFromXML(&in, 9));
    EXPECT_EQ(1u, group.getInterpolationSize()) << "no element, nothing changed";
    EXPECT_FALSE(group.readFromXML(&in, 1)) << "an element without frames";
    EXPECT_EQ(0u, group.getInterpolationSize());
    EXPECT_TRUE(group.isLooping());
    EXPECT_TRUE(group.readFromXML(&in, 2));
    ASSERT_EQ(1u, group.getInterpolationSize());
    EXPECT_EQ(0.f, group.getInterpolationEndSecond(0)) << "nan reads 0";
    EXPECT_EQ(0.f, group.getInterpolationStartX(0)) << "1e40 is no float: 0";
    EXPECT_EQ(0.f, group.getInterpolationEndX(0));
    EXPECT_FALSE(group.haveAnimationName("long"));
    EXPECT_STREQ("scene", in.getSelectedName());
    EXPECT_FALSE(group.writeToXML(nullptr, 0));

    AnimationName unnamed;
    XML out;
    out.addNewRoot("scene");
    out.selectRoot();
    EXPECT_FALSE(unnamed.writeToXML(&out, 0));
    EXPECT_FALSE(unnamed.readFromXML(&out, 0));
    EXPECT_FALSE(unnamed.readFromXML(nullptr, 0));
}

TEST(KeyFrameXML, TheLargestIdNamesItsElement) {
    Interpolation1DGroup group;
    group.addNewInterpolationLine(0, 1);
    SceneFile file;
    std::string text = file.save([&](XML* xml) { group.writeToXML(xml, 4294967295u); });
    EXPECT_TRUE(contains(text, "<anim_4294967295 loop=\"off\">"));
    XML in;
    file.load(&in);
    Interpolation1DGroup copy;
    EXPECT_TRUE(copy.readFromXML(&in, 4294967295u));
    EXPECT_TRUE(copy.selectTempFrame(0));
}

TEST(PathXML, ATwoValuePathRoundTripsWithExactTexts) {
    Path2DGroup path;
    path.addNewFrame(1, 9, 25);
    path.addNewFrame(5, 0, 25);
    path.addNewFrame(0.5f, 0, 50);
    path.loopOn();
    path.addNewAnimationName("up", 0, 1);
    path.addNewAnimationName("all", 0, 2);
    SceneFile file;
    std::string text = file.save([&](XML* xml) { EXPECT_TRUE(path.writeToXML(xml, 0)); });
    EXPECT_TRUE(contains(text, "<pathAnim_0 loop=\"on\">")) << text;
    EXPECT_TRUE(contains(text, "<frame_0 second=\"1.0\" x=\"9.0\" y=\"25.0\" />"));
    EXPECT_TRUE(contains(text, "<frame_2 second=\"0.5\" x=\"0.0\" y=\"50.0\" />"));
    EXPECT_TRUE(
        contains(text, "<animationPathName_0 start=\"0.0\" end=\"2.0\">all</animationPathName_0>"));
    EXPECT_TRUE(
        contains(text, "<animationPathName_1 start=\"0.0\" end=\"1.0\">up</animationPathName_1>"));

    XML in;
    file.load(&in);
    Path2DGroup copy;
    copy.addNewFrame(7, 7, 7);
    EXPECT_TRUE(copy.readFromXML(&in, 0));
    EXPECT_STREQ("scene", in.getSelectedName());
    EXPECT_EQ(3u, copy.size());
    EXPECT_TRUE(copy.isLopping());
    EXPECT_TRUE(copy.haveAnimationName("up"));
    EXPECT_EQ(text, file.save([&](XML* xml) { copy.writeToXML(xml, 0); }, "again.xml"));
}

TEST(PathXML, EveryKindOfPathRoundTrips) {
    PathGroup times;
    times.addNewFrame(2.f);
    Path1DGroup line;
    line.addNewFrame(1, -0.5f);
    Path3DGroup space;
    space.addNewFrame(1, 1, 2, 3);
    SceneFile file;
    std::string text = file.save([&](XML* xml) {
        EXPECT_TRUE(times.writeToXML(xml, 0));
        EXPECT_TRUE(line.writeToXML(xml, 1));
        EXPECT_TRUE(space.writeToXML(xml, 2));
    });
    EXPECT_TRUE(contains(text, "<pathAnim_0 loop=\"off\">\n\t\t<frame_0 second=\"2.0\" />"));
    EXPECT_TRUE(contains(text, "<frame_0 second=\"1.0\" x=\"-0.5\" />"));
    EXPECT_TRUE(contains(text, "<frame_0 second=\"1.0\" x=\"1.0\" y=\"2.0\" z=\"3.0\" />"));
    XML in;
    file.load(&in);
    PathGroup timesCopy;
    Path1DGroup lineCopy;
    Path3DGroup spaceCopy;
    EXPECT_TRUE(timesCopy.readFromXML(&in, 0));
    EXPECT_TRUE(lineCopy.readFromXML(&in, 1));
    EXPECT_TRUE(spaceCopy.readFromXML(&in, 2));
    EXPECT_EQ(text, file.save(
                        [&](XML* xml) {
                            timesCopy.writeToXML(xml, 0);
                            lineCopy.writeToXML(xml, 1);
                            spaceCopy.writeToXML(xml, 2);
                        },
                        "again.xml"));
}

TEST(PathXML, HostilePathDocumentsAreReadSafely) {
    SceneFile file;
    XML in;
    file.loadText(&in, "<scene><pathAnim_0 loop=\"off\"><frame_0 second=\"1\" y=\"4\"/>"
                       "<frame_1 x=\"2\"/><frame_3 second=\"1\"/>"
                       "<animationPathName_0 start=\"1\" end=\"0\">back</animationPathName_0>"
                       "<animationPathName_1 start=\"-5\" end=\"1e30\">wide</animationPathName_1>"
                       "<animationPathName_2 start=\"0\" end=\"1\">keep</animationPathName_2>"
                       "</pathAnim_0><pathAnim_1/></scene>");
    Path2DGroup path;
    path.addNewFrame(1, 1, 1);
    path.addNewAnimationName("keep", 0, 0);
    path.loopOn();
    EXPECT_FALSE(path.readFromXML(nullptr, 0));
    EXPECT_FALSE(path.readFromXML(&in, 5));
    EXPECT_EQ(1u, path.size());
    EXPECT_TRUE(path.readFromXML(&in, 0));
    EXPECT_FALSE(path.isLopping());
    EXPECT_EQ(2u, path.size()) << "reading stops at the gap";
    EXPECT_FALSE(path.haveAnimationName("back")) << "start above end";
    EXPECT_TRUE(path.haveAnimationName("wide")) << "clamped into the positions";
    EXPECT_TRUE(path.playNameForward("wide"));
    path.stepClockAnimation(0.5f);
    EXPECT_EQ(0.f, path.getX()) << "the first frame has no x: 0";
    EXPECT_EQ(4.f, path.getY());
    EXPECT_FALSE(path.readFromXML(&in, 1));
    EXPECT_EQ(0u, path.size());
    EXPECT_TRUE(path.haveAnimationName("keep")) << "the clips stay";

    PathGroup::AnimationPathNames unnamed;
    EXPECT_FALSE(unnamed.writeToXML(&in, 0));
    EXPECT_FALSE(unnamed.readFromXML(nullptr, 0));
}
