#include "zelk/FileToH.h"
#include "support/FileContents.h"
#include "support/TestSupport.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using zelk::FileToH;
using zelk::test::readFileBytes;
using zelk::test::TempDir;
using zelk::test::writeFileBytes;

// Works inside a temporary folder, so the generated names are plain
// relative file names, and returns to the previous folder afterwards.
class FileToHTest : public ::testing::Test {
protected:
    void SetUp() override {
        char* previous = getcwd(nullptr, 0);
        ASSERT_NE(previous, nullptr);
        home = previous;
        free(previous);
        ASSERT_EQ(chdir(dir.path().c_str()), 0);
    }
    void TearDown() override { ASSERT_EQ(chdir(home.c_str()), 0); }

    static bool exists(const std::string& path) {
        struct stat status {};
        return stat(path.c_str(), &status) == 0;
    }

    static std::string bytesFrom(int first, int count) {
        std::string bytes;
        for (int i = 0; i < count; ++i)
            bytes += static_cast<char>(first + i);
        return bytes;
    }

    TempDir dir;
    std::string home;
};

std::string baseName(const char* path) {
    return zelk::test::takeText(FileToH::readFileName(path));
}

TEST_F(FileToHTest, BaseNames) {
    EXPECT_EQ(baseName("logo.png"), "logo");
    EXPECT_EQ(baseName("logo.tar.gz"), "logo.tar");
    EXPECT_EQ(baseName("a."), "a");
    EXPECT_EQ(baseName("images/logo.png"), "images/logo");
    EXPECT_EQ(baseName("logo"), "<null>");
    EXPECT_EQ(baseName(".png"), "<null>");
    EXPECT_EQ(baseName(""), "<null>");
    EXPECT_EQ(baseName(nullptr), "<null>");
    EXPECT_EQ(baseName("assets.v2/logo"), "<null>");
    EXPECT_EQ(baseName("assets.v2/.hidden"), "<null>");
}

TEST_F(FileToHTest, ExactHeaderAndSourceOfThreeBytes) {
    writeFileBytes("abc.bin", std::string("\x01\x02\xff", 3));
    ASSERT_TRUE(FileToH::writeToFile("abc.bin", 0));
    EXPECT_EQ(readFileBytes("abc.h"), "#ifndef abc_H\n"
                                      "#define abc_H\n"
                                      "\n"
                                      "\n"
                                      "unsigned int abcSize;\n"
                                      "char abcName[8];\n"
                                      "unsigned char abc[3];\n"
                                      "\n"
                                      "#endif");
    EXPECT_EQ(readFileBytes("abc.c"), "#include \"abc.h\"\n"
                                      "\n"
                                      "unsigned int abcSize = 3u;\n"
                                      "char abcName[8] = \"abc.bin\";\n"
                                      "unsigned char abc[3] = { \\\n"
                                      "1,2,255\n"
                                      "};\n");
}

TEST_F(FileToHTest, EngineTypeNames) {
    writeFileBytes("abc.bin", std::string("\x07", 1));
    ASSERT_TRUE(FileToH::writeToZELKFile("abc.bin", 0));
    EXPECT_EQ(readFileBytes("abc.h"), "#ifndef abc_H\n"
                                      "#define abc_H\n"
                                      "\n"
                                      "#include \"zelk/TypeVars.h\"\n"
                                      "\n"
                                      "zelk::uint32 abcSize;\n"
                                      "zelk::char8 abcName[8];\n"
                                      "zelk::uchar8 abc[1];\n"
                                      "\n"
                                      "#endif");
    EXPECT_EQ(readFileBytes("abc.c"), "#include \"abc.h\"\n"
                                      "\n"
                                      "zelk::uint32 abcSize = 1u;\n"
                                      "zelk::char8 abcName[8] = \"abc.bin\";\n"
                                      "zelk::uchar8 abc[1] = { \\\n"
                                      "7\n"
                                      "};\n");
}

TEST_F(FileToHTest, LineBreaksAmongTheValues) {
    writeFileBytes("d.bin", bytesFrom(1, 12));
    ASSERT_TRUE(FileToH::writeToFile("d.bin", 0));
    std::string source = readFileBytes("d.c");
    EXPECT_NE(source.find("{ \\\n1,2,3,4,5,6,7,8,9,10,11,12 \\\n};\n"), std::string::npos);

    writeFileBytes("d.bin", bytesFrom(1, 23));
    ASSERT_TRUE(FileToH::writeToFile("d.bin", 10));
    source = readFileBytes("d.c");
    EXPECT_NE(source.find("{ \\\n1,2,3,4,5,6,7,8,9,10,11,12 \\\n"
                          ",13,14,15,16,17,18,19,20,21,22,23 \\\n};\n"),
              std::string::npos);

    writeFileBytes("d.bin", bytesFrom(1, 5));
    ASSERT_TRUE(FileToH::writeToFile("d.bin", 2));
    EXPECT_NE(readFileBytes("d.c").find("{ \\\n1,2,3,4 \\\n,5\n};\n"), std::string::npos);

    writeFileBytes("d.bin", std::string(1000, 'a'));
    ASSERT_TRUE(FileToH::writeToFile("d.bin", 300));
    source = readFileBytes("d.c");
    std::string values = source.substr(source.find("{ \\\n") + 4);
    EXPECT_EQ(values.find('\n'), 1000u * 2 + 999);
    EXPECT_EQ(values.substr(values.find('\n')), "\n};\n");
}

TEST_F(FileToHTest, QuotesAndBackslashesAreEscapedInTheName) {
    const std::string path = "q\"b\\c.bin";
    writeFileBytes(path, "x");
    ASSERT_TRUE(FileToH::writeToFile(path.c_str(), 0));
    EXPECT_NE(readFileBytes("q\"b\\c.c").find("char q\"b\\cName[10] = \"q\\\"b\\\\c.bin\";\n"),
              std::string::npos);
}

TEST_F(FileToHTest, NothingIsWrittenForEmptyOrMissingInput) {
    writeFileBytes("empty.bin", "");
    EXPECT_FALSE(FileToH::writeToFile("empty.bin", 0));
    EXPECT_FALSE(exists("empty.h"));
    EXPECT_FALSE(exists("empty.c"));
    EXPECT_FALSE(FileToH::writeToFile("missing.bin", 0));
    EXPECT_FALSE(exists("missing.c"));
    EXPECT_FALSE(FileToH::writeToFile(static_cast<const char*>(nullptr), 0));
    writeFileBytes("noextension", "x");
    EXPECT_FALSE(FileToH::writeToZELKFile("noextension", 0));
}

TEST_F(FileToHTest, AnInputNamedLikeAnOutputIsLeftAlone) {
    writeFileBytes("table.h", "int table;");
    EXPECT_FALSE(FileToH::writeToFile("table.h", 0));
    EXPECT_EQ(readFileBytes("table.h"), "int table;");
    EXPECT_FALSE(exists("table.c"));

    writeFileBytes("code.c", "int code;");
    EXPECT_FALSE(FileToH::writeToZELKFile("code.c", 0));
    EXPECT_EQ(readFileBytes("code.c"), "int code;");
    EXPECT_FALSE(exists("code.h"));
}

TEST_F(FileToHTest, AHeaderThatCannotBeMadeIsSkipped) {
    writeFileBytes("h.bin", "xy");
    ASSERT_EQ(mkdir("h.h", 0700), 0);
    EXPECT_TRUE(FileToH::writeToFile("h.bin", 0));
    EXPECT_NE(readFileBytes("h.c").find("120,121\n};\n"), std::string::npos);
    ASSERT_EQ(mkdir("s.c", 0700), 0);
    writeFileBytes("s.bin", "xy");
    EXPECT_FALSE(FileToH::writeToFile("s.bin", 0));
    EXPECT_NE(readFileBytes("s.h").find("#endif"), std::string::npos);
}

TEST_F(FileToHTest, GeneratedFilesCompileAndHoldTheBytes) {
    std::string bytes;
    for (int i = 0; i < 777; ++i)
        bytes += static_cast<char>((i * 37 + 11) % 256);
    writeFileBytes("logo.png", bytes);
    ASSERT_TRUE(FileToH::writeToFile("logo.png", 0));
    writeFileBytes("check.c", "#include <stdio.h>\n"
                              "#include <string.h>\n"
                              "#include \"logo.c\"\n"
                              "int main(void) {\n"
                              "    unsigned char file[1000];\n"
                              "    FILE* in = fopen(\"logo.png\", \"rb\");\n"
                              "    size_t n = in ? fread(file, 1, sizeof file, in) : 0;\n"
                              "    if (in) fclose(in);\n"
                              "    if (n != logoSize || sizeof logo != logoSize) return 1;\n"
                              "    if (strcmp(logoName, \"logo.png\") != 0) return 2;\n"
                              "    if (sizeof logoName != 9) return 3;\n"
                              "    return memcmp(file, logo, n) == 0 ? 0 : 4;\n"
                              "}\n");
    ASSERT_EQ(std::system("cc -std=c99 -Wall -Werror -c logo.c -o logo.o"), 0);
    ASSERT_EQ(std::system("cc -std=c99 -Wall -Werror check.c -o check"), 0);
    EXPECT_EQ(std::system("./check"), 0);
}

} // namespace
