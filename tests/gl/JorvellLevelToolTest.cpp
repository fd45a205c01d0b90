#include "support/FileContents.h"
#include "support/GameFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// The level tool run again, on the display the tests have, into a folder of
// its own holding the game's pictures: it writes the same two documents the
// build left in the data folder, byte for byte.

namespace {

// The tool's command. In a sanitizer build it runs leak-checked, so a leak
// at its exit (its window's OpenGL driver included) fails it.
std::string tool(const std::string& arguments) {
    return std::string("\"") + JORVELL_LEVEL_TOOL + "\" " + arguments;
}

} // namespace

TEST(LevelTool, WritesTheSameDocumentsAgain) {
    zelk::test::GameFolder again(JORVELL_DATA_DIR);
    ASSERT_TRUE(again.ready());
    for (const char* name : {"player/cenarioWin64.xml", "player/cenarioTest.xml"}) {
        ASSERT_EQ(0, std::remove((again.path() + "/" + name).c_str()));
    }
    std::string command = tool("\"" + again.path() + "\" > /dev/null");
    ASSERT_EQ(0, std::system(command.c_str()));
    for (const char* name : {"player/cenarioWin64.xml", "player/cenarioTest.xml"}) {
        std::string made = zelk::test::readFileBytes(again.path() + "/" + name);
        EXPECT_FALSE(made.empty()) << name;
        EXPECT_EQ(zelk::test::readFileBytes(std::string(JORVELL_DATA_DIR) + "/" + name), made)
            << name;
    }
}

TEST(LevelTool, RefusesAFolderItCannotWorkIn) {
    EXPECT_NE(0, std::system(tool("/proc/nowhere 2> /dev/null").c_str()));
    EXPECT_NE(0, std::system(tool("2> /dev/null").c_str()));
}
