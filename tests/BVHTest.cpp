#include "zelk/File.h"
#include "zelk/bones/Body2D.h"

#include "support/FileContents.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iomanip>
#include <random>
#include <sstream>
#include <string>

using zelk::vec2f32;
using zelk::bones::Body2D;
using zelk::bones::Bone2D;

namespace {

// Motion files written into a folder of their own and read into a body.
class BVHFiles : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& text) {
        std::string path = folder.file(name);
        zelk::test::writeFileBytes(path, text);
        return path;
    }

    // Loads the text in a plane; the load must end well within any time a
    // machine under load could need for a few kilobytes.
    bool load(const std::string& text, unsigned char mode) {
        std::string path = write("motion.bvh", text);
        auto start = std::chrono::steady_clock::now();
        bool loaded = body.loadBVH(path.c_str(), mode);
        std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        EXPECT_LT(spent.count(), 20.0);
        return loaded;
    }

    zelk::test::TempDir folder;
    Body2D body;
};

// The key frames of a group, as "second:x" or "second:x,y" for every line's
// start and end.
template <typename Group> std::string frames(Group& group) {
    constexpr bool twoValues = std::is_same_v<Group, zelk::animation::Interpolation2DGroup>;
    std::ostringstream out;
    out << std::setprecision(9);
    for (unsigned int line = 0; line < group.getInterpolationSize(); line++) {
        float at = static_cast<float>(line);
        out << " " << group.getInterpolationStartSecond(at) << ":"
            << group.getInterpolationStartX(at);
        if constexpr (twoValues) {
            out << "," << group.getInterpolationStartY(at);
        }
        out << " " << group.getInterpolationEndSecond(at) << ":" << group.getInterpolationEndX(at);
        if constexpr (twoValues) {
            out << "," << group.getInterpolationEndY(at);
        }
    }
    return out.str();
}

// Every bone with its place, its children and its key frames.
std::string describe(Body2D& body) {
    std::ostringstream out;
    out << std::setprecision(9);
    for (unsigned int at = 0; at < body.getBonesSize(); at++) {
        Bone2D* bone = body.getBone(at);
        out << "\n[" << (bone->getName() ? bone->getName() : "") << "] at " << bone->position.x
            << "," << bone->position.y << " end " << bone->vector.x << "," << bone->vector.y
            << " angle " << bone->angle << " under it:";
        for (unsigned int next = 0; next < bone->getNextsSize(); next++) {
            out << " " << bone->getNextInPosition(next)->getName();
        }
        out << "\n  moves" << frames(bone->animationPosition);
        out << "\n  turns" << frames(bone->animationAngle);
    }
    return out.str();
}

const char* const hips =
    "HIERARCHY\n"
    "ROOT Hips\n"
    "{\n"
    "\tOFFSET 0 1 2\n"
    "\tCHANNELS 6 Xposition Yposition Zposition Xrotation Yrotation Zrotation\n"
    "}\n"
    "MOTION\n"
    "Frames: 2\n"
    "Frame Time: 0.5\n"
    "5 6 7 10 20 30\n"
    "1 2 3 4 5 6\n";

} // namespace

TEST_F(BVHFiles, ProjectsOffsetsPositionsAndRotationsOntoEachPlane) {
    struct Plane {
        unsigned char mode;
        vec2f32 start;
        const char* moves;
        const char* turns;
    };
    // XY keeps X, Y and the Z rotation; XZ keeps X, Z and the Y rotation;
    // YZ keeps Y, Z and the X rotation. Rotations change sign.
    for (Plane plane : {Plane{0, vec2f32(0.f, 1.f), " 0:5,6 0.5:1,2", " 0:-30 0.5:-6"},
                        Plane{1, vec2f32(0.f, 2.f), " 0:5,7 0.5:1,3", " 0:-20 0.5:-5"},
                        Plane{2, vec2f32(1.f, 2.f), " 0:6,7 0.5:2,3", " 0:-10 0.5:-4"}}) {
        ASSERT_TRUE(load(hips, plane.mode));
        EXPECT_EQ(1u, body.getBonesSize());
        Bone2D* root = body.getBoneByName("Hips");
        ASSERT_EQ(body.getBone(0), root);
        EXPECT_EQ(plane.start, root->position);
        EXPECT_EQ(plane.moves, frames(root->animationPosition));
        EXPECT_EQ(plane.turns, frames(root->animationAngle));
    }
    // No other plane drives anything.
    Body2D other;
    ASSERT_TRUE(other.loadBVH(write("hips.bvh", hips).c_str(), 3));
    EXPECT_EQ(vec2f32(), other.getBone(0)->position);
    EXPECT_EQ(0u, other.getBone(0)->animationAngle.getInterpolationSize());
}

TEST_F(BVHFiles, AJointsOffsetIsItsStartAndItsParentsEnd) {
    const std::string legs = "HIERARCHY\n"
                             "ROOT Hips\n"
                             "{\n"
                             "\tOFFSET 0 0 0\n"
                             "\tJOINT LeftLeg\n"
                             "\t{\n"
                             "\t\tOFFSET 1 -4 0\n"
                             "\t\tEnd Site\n"
                             "\t\t{\n"
                             "\t\t\tOFFSET 0 -2 3\n"
                             "\t\t}\n"
                             "\t}\n"
                             "}\n";
    ASSERT_TRUE(load(legs, 0));
    Bone2D* leg = body.getBoneByName("LeftLeg");
    ASSERT_NE(nullptr, leg);
    EXPECT_EQ(vec2f32(1.f, -4.f), body.getBone(0)->vector);
    EXPECT_EQ(vec2f32(1.f, -4.f), leg->position);
    EXPECT_EQ(vec2f32(0.f, -2.f), leg->vector);
    EXPECT_EQ(leg, body.getBone(0)->getNextInPosition(0));

    ASSERT_TRUE(load(legs, 1));
    leg = body.getBoneByName("LeftLeg");
    EXPECT_EQ(vec2f32(1.f, 0.f), leg->position);
    EXPECT_EQ(vec2f32(0.f, 3.f), leg->vector);
    ASSERT_TRUE(load(legs, 2));
    EXPECT_EQ(vec2f32(-4.f, 0.f), body.getBoneByName("LeftLeg")->position);
}

TEST_F(BVHFiles, FourteenJointsMakeFifteenBones) {
    std::string text = "HIERARCHY\nROOT base\n{\n";
    for (int joint = 0; joint < 14; joint++) {
        text += "JOINT j" + std::to_string(joint) + "\n{\nOFFSET 1 0 0\n}\n";
    }
    text += "}\n";
    ASSERT_TRUE(load(text, 1));
    EXPECT_EQ(15u, body.getBonesSize());
    EXPECT_EQ(14u, body.getBone(0)->getNextsSize());
    EXPECT_EQ(nullptr, body.getBone(15));
}

TEST_F(BVHFiles, APositionWithoutItsXKeepsTheBonesX) {
    ASSERT_TRUE(load("HIERARCHY\nROOT r\n{\nOFFSET 3 0 4\nCHANNELS 1 Zposition\n}\n"
                     "MOTION\nFrames: 2\nFrame Time: 1\n5\n6\n",
                     1));
    EXPECT_EQ(" 0:3,5 1:3,6", frames(body.getBone(0)->animationPosition));
}

TEST_F(BVHFiles, TheLastValueOfAFrameRunsToTheEndOfItsLine) {
    // Extra values on a line are dropped; a short line takes its last value
    // from the next line.
    ASSERT_TRUE(load("HIERARCHY\nROOT r\n{\nCHANNELS 2 Xrotation Yrotation\n}\n"
                     "MOTION\nFrames: 3\nFrame Time: 1\n1 2 99 98\n3\n4 97\n5 6\n",
                     1));
    EXPECT_EQ(" 0:-2 1:-4 1:-4 2:-6", frames(body.getBone(0)->animationAngle));
}

TEST_F(BVHFiles, AChannelThatDrivesNothingKeepsItsPlace) {
    ASSERT_TRUE(load("HIERARCHY\nROOT r\n{\nCHANNELS 3 Xrotation Twist Yrotation\n}\n"
                     "MOTION\nFrames: 2\nFrame Time: 1\n1 2 3\n4 5 6\n",
                     1));
    EXPECT_EQ(" 0:-3 1:-6", frames(body.getBone(0)->animationAngle));
}

TEST_F(BVHFiles, PathsGainTheExtensionUnlessTheyEndInIt) {
    auto root = [](const std::string& name) { return "HIERARCHY\nROOT " + name + "\n{\n}\n"; };
    write("walk.bvh", root("walk"));
    write("a.bv", root("wrong"));
    write("a.bv.bvh", root("bv"));
    write("x.BVH", root("wrong"));
    write("x.BVH.bvh", root("upper"));
    struct Case {
        std::string path, rootName;
    };
    for (const Case& c : {Case{"walk", "walk"}, Case{"walk.bvh", "walk"}, Case{"a.bv", "bv"},
                          Case{"x.BVH", "upper"}}) {
        EXPECT_TRUE(body.loadBVHXZ(folder.file(c.path).c_str())) << c.path;
        EXPECT_STREQ(c.rootName.c_str(), body.getBone(0)->getName()) << c.path;
    }
    std::string walk = folder.file("walk");
    EXPECT_TRUE(body.loadBVHXY(walk.c_str()));
    EXPECT_TRUE(body.loadBVHYZ(const_cast<char*>(walk.c_str())));
    EXPECT_TRUE(body.loadBVH(const_cast<char*>(walk.c_str()), 1));
}

TEST_F(BVHFiles, FailuresLeaveTheSkeletonCleared) {
    std::string empty = write("empty.bvh", "");
    std::string legs = write("legs.bvh", "HIERARCHY\nROOT r\n{\nJOINT a\n{\n}\n}\n");
    for (const char* path : {static_cast<const char*>(nullptr), "/nonexistent/x.bvh", empty.c_str(),
                             folder.path().c_str()}) {
        ASSERT_TRUE(body.loadBVHXZ(legs.c_str()));
        ASSERT_EQ(2u, body.getBonesSize());
        EXPECT_FALSE(body.loadBVHXZ(path));
        EXPECT_EQ(1u, body.getBonesSize());
        EXPECT_EQ(nullptr, body.getBone(0)->getName());
        EXPECT_EQ(vec2f32(0.f, 1.f), body.getBone(0)->vector);
    }
    // A file that holds anything is read, even without a skeleton in it.
    EXPECT_TRUE(load("no motion here", 1));
    EXPECT_EQ(1u, body.getBonesSize());
}

TEST_F(BVHFiles, ADuplicateJointsChannelsAreReadAndAppliedToNothing) {
    ASSERT_TRUE(load("HIERARCHY\nROOT Hips\n{\nOFFSET 0 0 0\nCHANNELS 1 Yrotation\n"
                     "JOINT Leg\n{\nOFFSET 1 0 0\nCHANNELS 1 Yrotation\n}\n"
                     "JOINT Leg\n{\nOFFSET 2 0 0\nCHANNELS 1 Yrotation\n}\n"
                     "JOINT Arm\n{\nOFFSET 3 0 0\nCHANNELS 1 Yrotation\n}\n}\n"
                     "MOTION\nFrames: 2\nFrame Time: 1\n1 2 3 4\n5 6 7 8\n",
                     1));
    EXPECT_EQ(3u, body.getBonesSize());
    EXPECT_EQ(" 0:-1 1:-5", frames(body.getBoneByName("Hips")->animationAngle));
    EXPECT_EQ(" 0:-2 1:-6", frames(body.getBoneByName("Leg")->animationAngle));
    EXPECT_EQ(" 0:-4 1:-8", frames(body.getBoneByName("Arm")->animationAngle));
    EXPECT_EQ(vec2f32(1.f, 0.f), body.getBoneByName("Leg")->position);
}

TEST_F(BVHFiles, CountsBeyondTheFileStopAtItsEnd) {
    const std::string joint = "HIERARCHY\nROOT r\n{\nCHANNELS 2 Xrotation Yrotation\n}\n";
    // A negative frame count reads no frame.
    ASSERT_TRUE(load(joint + "MOTION\nFrames: -1\nFrame Time: 1\n1 2\n3 4\n", 1));
    EXPECT_EQ(0u, body.getBone(0)->animationAngle.getInterpolationSize());
    EXPECT_FALSE(body.getBone(0)->animationAngle.haveTempFrame());

    // Frames present are kept, the last one completed with zeros, and none
    // is made up beyond it.
    ASSERT_TRUE(load(joint + "MOTION\nFrames: 2000000000\nFrame Time: 1\n1 2\n3 4\n5", 1));
    EXPECT_EQ(" 0:-2 1:-4 1:-4 2:-0", frames(body.getBone(0)->animationAngle));

    // A channel count running past the end of the file.
    ASSERT_TRUE(load("HIERARCHY\nROOT r\n{\nCHANNELS 2147483647 Xrotation Yrotation", 1));
    EXPECT_STREQ("r", body.getBone(0)->getName());
    ASSERT_TRUE(load("HIERARCHY\nROOT r\n{\nCHANNELS 4000000000\n}\nMOTION\nFrames: 9\n"
                     "Frame Time: 1\n1 2 3\n",
                     1));
    ASSERT_TRUE(load("HIERARCHY\nROOT r\n{\nCHANNELS -5 Yrotation\n}\nMOTION\nFrames: 2\n"
                     "Frame Time: 1\n1\n2\n",
                     1));
    EXPECT_EQ(0u, body.getBone(0)->animationAngle.getInterpolationSize());

    // Frames without channels carry nothing, however many are declared.
    ASSERT_TRUE(load("HIERARCHY\nROOT r\n{\n}\nMOTION\nFrames: 2147483647\nFrame Time: 1\n" +
                         std::string(1000, 'x'),
                     1));
}

TEST_F(BVHFiles, DeepNestingIsCutOffWithoutExhaustingTheStack) {
    std::string braces = "HIERARCHY\nROOT r\n";
    for (int level = 0; level < 10000; level++) {
        braces += "{\n";
    }
    ASSERT_TRUE(load(braces, 1));
    EXPECT_EQ(1u, body.getBonesSize());

    // A chain of joints as deep: the tree stops growing at a bounded depth,
    // and the bones below the cut are not made.
    std::string chain = "HIERARCHY\nROOT r\n{\n";
    for (int level = 0; level < 10000; level++) {
        chain += "JOINT j" + std::to_string(level) + "\n{\nCHANNELS 1 Yrotation\n";
    }
    for (int level = 0; level < 10000; level++) {
        chain += "}\n";
    }
    chain += "}\nMOTION\nFrames: 1\nFrame Time: 1\n1 2 3\n";
    ASSERT_TRUE(load(chain, 1));
    unsigned int bones = body.getBonesSize();
    EXPECT_GT(bones, 100u);
    EXPECT_LT(bones, 1000u);
    unsigned int depth = 0;
    for (Bone2D* bone = body.getBone(0); bone->getNextsSize() > 0;
         bone = bone->getNextInPosition(0)) {
        depth++;
    }
    EXPECT_EQ(bones - 1, depth);
    // Every walk of the tree goes down and back.
    body.updateObjects();
    body.updateAnimations();
    std::string printed = zelk::test::captureStdout([&] { body.print(); });
    EXPECT_NE(std::string::npos, printed.find("\nj0 position"));
}

TEST_F(BVHFiles, JointsBeyondTheLimitAreReadWithoutBones) {
    std::vector<int> order(5000);
    for (int at = 0; at < 5000; at++) {
        order[at] = at;
    }
    std::shuffle(order.begin(), order.end(), std::mt19937(3));
    std::string text = "HIERARCHY\nROOT r\n{\nCHANNELS 1 Yrotation\n";
    for (int joint : order) {
        text += "JOINT j" + std::to_string(joint) + "\n{\nCHANNELS 1 Yrotation\n}\n";
    }
    text += "}\nMOTION\nFrames: 2\nFrame Time: 1\n";
    for (int frame = 1; frame <= 2; frame++) {
        for (int value = 0; value < 5001; value++) {
            text += std::to_string(frame) + (value < 5000 ? " " : "\n");
        }
    }
    ASSERT_TRUE(load(text, 1));
    EXPECT_EQ(4096u, body.getBonesSize());
    EXPECT_EQ(" 0:-1 1:-2", frames(body.getBone(0)->animationAngle));
    Bone2D* last = body.getBoneByName(("j" + std::to_string(order[4094])).c_str());
    ASSERT_NE(nullptr, last);
    EXPECT_EQ(" 0:-1 1:-2", frames(last->animationAngle));
    EXPECT_EQ(nullptr, body.getBoneByName(("j" + std::to_string(order[4095])).c_str()));
}

TEST_F(BVHFiles, GarbageEndsWithoutACrash) {
    std::mt19937 random(14);
    std::string noise;
    for (int at = 0; at < 20000; at++) {
        noise += static_cast<char>(random() & 0xFF);
    }
    EXPECT_TRUE(load(noise, 1));
    // Keywords with nothing sensible after them.
    EXPECT_TRUE(load("MOTION MOTION Frames: Frames: 3 Frame Time: nan 1 2 3 HIERARCHY ROOT", 1));
    EXPECT_TRUE(load("HIERARCHY\nROOT r\n{\nCHANNELS 1 Yrotation\n}\nMOTION\nFrames: 3\n"
                     "Frame Time: nan\n1\n2\n3\n",
                     1));
    // A NUL ends a word, and the root's name.
    const char withNul[] = "HIERARCHY\nROOT r\0x\n{\nOFFSET 1\0 2 3\n}\n";
    EXPECT_TRUE(load(std::string(withNul, sizeof withNul - 1), 1));
    EXPECT_STREQ("r", body.getBone(0)->getName());
}

namespace {

const char* const strictLayout = "HIERARCHY\n"
                                 "ROOT Hips\n"
                                 "{\n"
                                 "\tOFFSET 0.5 1 2\n"
                                 "\tCHANNELS 6 Xposition Yposition Zposition Zrotation "
                                 "Xrotation Yrotation\n"
                                 "\tJOINT Chest\n"
                                 "\t{\n"
                                 "\t\tOFFSET -1 0 0.25\n"
                                 "\t\tCHANNELS 3 Zrotation Xrotation Yrotation\n"
                                 "\t\tEnd Site\n"
                                 "\t\t{\n"
                                 "\t\t\tOFFSET -1 0 0\n"
                                 "\t\t}\n"
                                 "\t}\n"
                                 "\tJOINT Leg\n"
                                 "\t{\n"
                                 "\t\tOFFSET 1 0 0\n"
                                 "\t\tCHANNELS 3 Zrotation Xrotation Yrotation\n"
                                 "\t\tEnd Site\n"
                                 "\t\t{\n"
                                 "\t\t\tOFFSET 0 0 1\n"
                                 "\t\t}\n"
                                 "\t}\n"
                                 "}\n"
                                 "MOTION\n"
                                 "Frames: 3\n"
                                 "Frame Time: 0.04\n"
                                 "0.1 0 0.2 0 0 10 0 0 -5 1 2 3\n"
                                 "0.2 0 0.3 0 0 20 0 0 -6 4 5 6\n"
                                 "0.3 0 0.4 0 0 30 0 0 -7.5 7 8 9\n";

// The same file as other tools write it: a byte-order mark, CR LF line ends,
// every line indented with spaces and tabs, runs of blanks between words and
// after them, and the motion values in right-aligned columns.
std::string otherToolsLayout(const std::string& strict) {
    std::istringstream in(strict);
    std::ostringstream out;
    out << "\xEF\xBB\xBF";
    bool motion = false;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::vector<std::string> split;
        for (std::string word; words >> word;) {
            split.push_back(word);
        }
        bool values = motion && split.size() > 3;
        out << (values ? "" : "  \t");
        for (std::size_t at = 0; at < split.size(); at++) {
            if (values) {
                out << std::setw(8) << split[at];
            } else {
                out << (at ? " \t  " : "") << split[at];
            }
        }
        out << " \t\r\n";
        motion = motion || line == "MOTION";
    }
    return out.str();
}

} // namespace

TEST_F(BVHFiles, AnotherToolsLayoutGivesTheSameSkeletonAndFrames) {
    ASSERT_TRUE(load(strictLayout, 1));
    std::string strict = describe(body);
    ASSERT_EQ(3u, body.getBonesSize());
    EXPECT_EQ(vec2f32(-1.f, 0.25f), body.getBoneByName("Chest")->position);
    EXPECT_EQ(2u, body.getBoneByName("Leg")->animationAngle.getInterpolationSize());
    EXPECT_EQ(2u, body.getBone(0)->animationPosition.getInterpolationSize());

    std::string messy = otherToolsLayout(strictLayout);
    ASSERT_NE(std::string::npos, messy.find("\r\n"));
    ASSERT_NE(std::string::npos, messy.find("    0.1"));
    ASSERT_TRUE(load(messy, 1));
    EXPECT_EQ(strict, describe(body));
    EXPECT_STREQ("Hips", body.getBone(0)->getName());
}

namespace {

// Opens the hierarchy reader for a test.
class HierarchyBody : public Body2D {
public:
    using Body2D::loadHierarkhy;
};

} // namespace

TEST_F(BVHFiles, TheHierarchyReaderLeavesTheFileAfterItsBlock) {
    std::string path = write("block.txt", "OFFSET 1 2 3\nCHANNELS 2 Yrotation Twist\n"
                                          "JOINT a\n{\nOFFSET 4 5 6\nCHANNELS 1 Xrotation\n}\n"
                                          "}\nREST");
    zelk::File file;
    ASSERT_TRUE(file.openBinFile(path.c_str()));
    HierarchyBody reader;
    Bone2D* root = reader.getBone(0);
    zelk::vector::Stack<Body2D::ChannelLink> channels(3);
    EXPECT_EQ(0u, reader.loadHierarkhy(nullptr, nullptr, root, 0, &channels));
    EXPECT_EQ(3u, reader.loadHierarkhy(&file, nullptr, root, 0, &channels));
    EXPECT_EQ(vec2f32(1.f, 2.f), root->position);
    EXPECT_EQ(vec2f32(4.f, 5.f), root->vector);
    ASSERT_EQ(3u, channels.size());
    EXPECT_EQ(root, channels[0].bone);
    EXPECT_EQ(5, channels[0].channel);
    EXPECT_EQ(0, channels[1].channel);
    EXPECT_EQ(reader.getBoneByName("a"), channels[2].bone);
    EXPECT_EQ(4, channels[2].channel);
    EXPECT_EQ("REST", zelk::test::takeText(file.readBinString('\n', false)));
}
