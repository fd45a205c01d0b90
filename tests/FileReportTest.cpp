#include "zelk/FileReport.h"
#include "zelk/AudioBuffer.h"
#include "zelk/Image2D.h"
#include "zelk/XML.h"
#include "zelk/bones/Body2D.h"

#include "support/FileContents.h"
#include "support/SoundFiles.h"
#include "support/TestSupport.h"

#include <SFML/System/Err.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using zelk::FileReport;
using zelk::test::TempDir;
using zelk::test::writeFileBytes;

namespace {

const bool silentOutput = setenv("ALSOFT_DRIVERS", "null", 0) == 0;

typedef std::vector<std::pair<std::string, FileReport::Problem>> Heard;

class Recorder : public FileReport::Listener {
public:
    void fileFailed(const char* path, FileReport::Problem problem) override {
        heard.emplace_back(path, problem);
    }
    // What was heard since the last call.
    Heard take() {
        Heard taken;
        taken.swap(heard);
        return taken;
    }

private:
    Heard heard;
};

std::string garbage(std::size_t size) {
    std::mt19937 random(7);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

class FileReports : public ::testing::Test {
protected:
    void SetUp() override {
        FileReport::setListener(&recorder);
        writeFileBytes(random, garbage(3000));
        writeFileBytes(empty, "");
    }
    void TearDown() override { FileReport::setListener(nullptr); }

    Heard one(const std::string& path, FileReport::Problem problem) { return {{path, problem}}; }

    Recorder recorder;
    TempDir folder;
    const std::string missing = folder.file("missing");
    const std::string random = folder.file("random");
    const std::string empty = folder.file("empty");
};

TEST_F(FileReports, DocumentsAreMissingUnreadableOrNotDocuments) {
    zelk::XML document;
    EXPECT_FALSE(document.loadFile(missing.c_str()));
    EXPECT_EQ(one(missing, FileReport::missing), recorder.take());
    EXPECT_FALSE(document.loadFile(folder.path().c_str()));
    EXPECT_EQ(one(folder.path(), FileReport::unreadable), recorder.take()) << "a folder";
    EXPECT_FALSE(document.loadFile(random.c_str()));
    EXPECT_EQ(one(random, FileReport::notDocument), recorder.take());
    EXPECT_FALSE(document.loadFile(empty.c_str()));
    EXPECT_EQ(one(empty, FileReport::notDocument), recorder.take());

    std::string half = folder.file("half.xml");
    writeFileBytes(half, "<Cenario_0><levels><level_0 count=\"3\">");
    EXPECT_FALSE(document.loadFile(half.c_str()));
    EXPECT_EQ(one(half, FileReport::notDocument), recorder.take());

    std::string whole = folder.file("whole.xml");
    writeFileBytes(whole, "<Cenario_0><levels/></Cenario_0>");
    EXPECT_TRUE(document.loadFile(whole.c_str()));
    EXPECT_TRUE(recorder.take().empty());
}

TEST_F(FileReports, PicturesAreMissingOrNotPicturesInBothDecodings) {
    zelk::Image2D image;
    for (bool toRGBA : {false, true}) {
        auto load = [&](const std::string& path) {
            return toRGBA ? image.loadFromFileToRGBA(path.c_str())
                          : image.loadFromFile(path.c_str());
        };
        EXPECT_FALSE(load(missing));
        EXPECT_EQ(one(missing, FileReport::missing), recorder.take());
        EXPECT_FALSE(load(random));
        EXPECT_EQ(one(random, FileReport::notPicture), recorder.take());
        EXPECT_FALSE(load(empty));
        EXPECT_EQ(one(empty, FileReport::notPicture), recorder.take());
    }

    zelk::Image2D drawn;
    ASSERT_TRUE(drawn.newImage("dot", 2, 2, 4));
    std::string picture = folder.file("dot.png");
    ASSERT_TRUE(drawn.saveToFile(picture.c_str()));
    EXPECT_TRUE(image.loadFromFileToRGBA(picture.c_str()));
    EXPECT_TRUE(image.loadFromFile(picture.c_str()));
    EXPECT_TRUE(recorder.take().empty());
}

TEST_F(FileReports, SoundsAreMissingOrNotSounds) {
    zelk::AudioBuffer sound;
    EXPECT_FALSE(sound.loadBufferFromFile(missing.c_str()));
    EXPECT_EQ(one(missing, FileReport::missing), recorder.take());
    EXPECT_FALSE(sound.loadBufferFromFile(random.c_str()));
    EXPECT_EQ(one(random, FileReport::notSound), recorder.take());
    EXPECT_FALSE(sound.loadBufferFromFile(folder.path().c_str()));
    EXPECT_EQ(one(folder.path(), FileReport::unreadable), recorder.take());

    std::string tone = folder.file("tone.ogg");
    ASSERT_TRUE(zelk::test::writeTone(tone, 440.f, 0.2f));
    EXPECT_TRUE(sound.loadBufferFromFile(tone.c_str()));
    EXPECT_TRUE(recorder.take().empty());
}

TEST_F(FileReports, MotionFilesWithoutASkeletonAreNotMotionFiles) {
    zelk::bones::Body2D body;
    body.loadBVH(missing.c_str(), 1);
    EXPECT_EQ(one(missing + ".bvh", FileReport::missing), recorder.take())
        << "the path tried, with the extension the loader adds";
    body.loadBVH(random.c_str(), 1);
    EXPECT_EQ(one(random + ".bvh", FileReport::missing), recorder.take());

    std::string randomMotion = folder.file("random.bvh");
    std::string emptyMotion = folder.file("empty.bvh");
    writeFileBytes(randomMotion, garbage(3000));
    writeFileBytes(emptyMotion, "");
    body.loadBVH(randomMotion.c_str(), 1);
    EXPECT_EQ(one(randomMotion, FileReport::notMotion), recorder.take());
    EXPECT_FALSE(body.loadBVH(emptyMotion.c_str(), 1));
    EXPECT_EQ(one(emptyMotion, FileReport::notMotion), recorder.take());

    std::string motion = folder.file("bone.bvh");
    writeFileBytes(motion, "HIERARCHY\nROOT r\n{\nOFFSET 0 0 0\nCHANNELS 1 Zposition\n"
                           "End Site\n{\nOFFSET 1 0 0\n}\n}\nMOTION\nFrames: 1\n"
                           "Frame Time: 0.04\n2\n");
    EXPECT_TRUE(body.loadBVH(motion.c_str(), 1));
    EXPECT_TRUE(recorder.take().empty());
}

// SFML explains a failed decoding on its error stream without the file's
// name. While a listener hears the named report, that text is dropped; with
// nobody listening it reaches the stream as before.
TEST_F(FileReports, TheNamedReportStandsInForSFMLsOwnTextOnlyWhileSomebodyListens) {
    std::stringbuf stream;
    std::streambuf* before = sf::err().rdbuf(&stream);
    zelk::Image2D image;
    zelk::AudioBuffer sound;

    EXPECT_FALSE(image.loadFromFileToRGBA(random.c_str()));
    EXPECT_FALSE(sound.loadBufferFromFile(random.c_str()));
    EXPECT_EQ(2u, recorder.take().size());
    EXPECT_EQ("", stream.str());

    FileReport::setListener(nullptr);
    EXPECT_FALSE(image.loadFromFileToRGBA(random.c_str()));
    std::string pictureText = stream.str();
    EXPECT_NE(std::string::npos, pictureText.find("Failed to load image")) << pictureText;
    EXPECT_FALSE(sound.loadBufferFromFile(random.c_str()));
    EXPECT_NE(std::string::npos, stream.str().find("sound file", pictureText.size()))
        << stream.str();
    EXPECT_TRUE(recorder.take().empty());

    EXPECT_EQ(&stream, sf::err().rdbuf()) << "each load gives the stream back";
    sf::err().rdbuf(before);
}

} // namespace
