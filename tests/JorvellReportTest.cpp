#include "JorvellReport.h"
#include "JorvellData.h"
#include "JorvellGameplay.h"

#include "support/FileContents.h"
#include "support/GameFolder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <sstream>
#include <string>

// What the player reads on standard error when the game's data is damaged:
// files broken in a copy of the data folder, the level screen loaded there
// without a display.

namespace {

const bool silentOutput = setenv("ALSOFT_DRIVERS", "null", 0) == 0;

std::string garbage(std::size_t size, unsigned int seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

// The lines of a text, each once.
std::set<std::string> linesOf(const std::string& text) {
    std::set<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.insert(line);
    }
    return lines;
}

class DamagedData : public ::testing::Test {
protected:
    void TearDown() override {
        if (loaded) {
            gameplay.unload();
        }
    }
    // Puts the bytes in place of the data folder's file (never through the
    // folder's link into the build's own data).
    void damage(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(folder.ready());
        std::remove(name.c_str());
        zelk::test::writeFileBytes(name, bytes);
    }
    void cutInHalf(const std::string& name) {
        std::string whole = zelk::test::readFileBytes(name);
        ASSERT_GT(whole.size(), 100u);
        damage(name, whole.substr(0, whole.size() / 2));
    }
    void removeFile(const std::string& name) {
        ASSERT_TRUE(folder.ready());
        ASSERT_EQ(0, std::remove(name.c_str()));
    }
    // What a load of the level writes to standard error; standard output
    // stays empty.
    std::string loadLevel() {
        std::string out;
        std::string err = zelk::test::captureStderr([&] {
            out = zelk::test::captureStdout([&] {
                if (loaded) {
                    gameplay.unload();
                }
                gameplay.load();
                loaded = true;
            });
        });
        EXPECT_EQ("", out);
        return err;
    }

    zelk::test::GameFolder folder{JORVELL_DATA_DIR};
    JorvellGameplay gameplay;
    bool loaded = false;
};

TEST_F(DamagedData, EachBrokenFileIsNamedOnceARunAndTheLevelStillLoads) {
    cutInHalf(jorvell::levelDocument);
    damage(jorvell::motionFile, garbage(4000, 1));
    damage(jorvell::templatePicture, garbage(4000, 2));
    damage("./player/cabeca.png", "");
    damage(jorvell::jumpSound, garbage(4000, 3));
    removeFile(jorvell::music);

    JorvellReport report;
    std::string told = loadLevel();
    EXPECT_EQ(std::set<std::string>({
                  "jorvell: ./player/cenarioWin64.xml: not a readable document",
                  "jorvell: ./player/WoodManequinAnimation2.bvh: not a motion file",
                  "jorvell: templateTexture1024x1024.jpg: not a picture",
                  "jorvell: ./player/cabeca.png: not a picture",
                  "jorvell: ./player/playerJump.ogg: not a sound",
                  "jorvell: ./little town - orchestral.ogg: missing",
              }),
              linesOf(told))
        << told;
    EXPECT_EQ(6, std::count(told.begin(), told.end(), '\n'))
        << "one line a file, though the level tries its template picture again and again, "
           "with nothing of the decoders' own: "
        << told;
    EXPECT_NE(nullptr, gameplay.endObject) << "the level goes on as built";

    EXPECT_EQ("", loadLevel()) << "a second level in the same run tells nothing again";
}

TEST_F(DamagedData, TheDocumentAndTheMotionAreNamedForEachWayTheyBreak) {
    struct Damage {
        const char* file;
        std::string bytes;
        const char* problem;
    };
    const Damage damages[] = {
        {jorvell::levelDocument, garbage(8000, 4), "not a readable document"},
        {jorvell::levelDocument, "<level><floor/></level>", "not a readable document"},
        {jorvell::motionFile, "", "not a motion file"},
    };
    for (const Damage& broken : damages) {
        damage(broken.file, broken.bytes);
        JorvellReport report;
        EXPECT_EQ(std::string("jorvell: ") + broken.file + ": " + broken.problem + "\n",
                  loadLevel());
        folder.replace(broken.file, std::string(JORVELL_DATA_DIR) + "/" + broken.file);
    }

    removeFile(jorvell::levelDocument);
    JorvellReport report;
    EXPECT_EQ("jorvell: ./player/cenarioWin64.xml: missing\n", loadLevel());
}

TEST_F(DamagedData, TheGameKnowsItsDataFolderByAnyOneOfItsFiles) {
    ASSERT_TRUE(folder.ready());
    EXPECT_TRUE(jorvell::dataFolderHere());
    for (const char* file : {jorvell::levelDocument, jorvell::motionFile, jorvell::jumpSound,
                             jorvell::music, jorvell::titlePicture, jorvell::templatePicture,
                             jorvell::tileSheet, jorvell::buttonStrip}) {
        removeFile(file);
    }
    EXPECT_TRUE(jorvell::dataFolderHere()) << "the wait sign is left";
    removeFile(jorvell::waitSign);
    EXPECT_FALSE(jorvell::dataFolderHere());
}

} // namespace
