#include "zelk/File.h"
#include "support/FileContents.h"
#include "support/TestSupport.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

// A block too big for any machine must come back as null, also under the
// address sanitizer, whose allocator would otherwise stop the program.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1";
}

namespace {

using zelk::File;
using zelk::test::readFileBytes;
using zelk::test::takeText;
using zelk::test::TempDir;
using zelk::test::writeFileBytes;

TEST(FileTest, TestLimits) {
    EXPECT_TRUE(zelk::testLimits(' ', " \t\n"));
    EXPECT_TRUE(zelk::testLimits('\n', " \t\n"));
    EXPECT_FALSE(zelk::testLimits('a', " \t\n"));
    EXPECT_FALSE(zelk::testLimits('\0', " \t\n"));
    EXPECT_FALSE(zelk::testLimits(' ', static_cast<char*>(nullptr)));
}

TEST(FileTest, OpeningClosingAndNames) {
    TempDir dir;
    std::string path = dir.file("a.txt");
    writeFileBytes(path, "abc");
    File file;
    EXPECT_FALSE(file.isOpened());
    EXPECT_EQ(file.getName(), nullptr);
    ASSERT_TRUE(file.openBinFile(path.c_str()));
    EXPECT_TRUE(file.isOpened());
    EXPECT_STREQ(file.getName(), path.c_str());
    EXPECT_EQ(file.getSeek64(), 0);

    EXPECT_FALSE(file.openBinFile(static_cast<const char*>(nullptr)));
    EXPECT_FALSE(file.isOpened());
    EXPECT_EQ(file.getName(), nullptr);

    EXPECT_FALSE(file.openTextFile(dir.file("missing").c_str()));
    EXPECT_FALSE(file.openBinFile(dir.path().c_str()));
    EXPECT_FALSE(file.openTextFile(dir.path().c_str()));
    EXPECT_FALSE(file.isOpened());
}

// A pipe with no writer would hold a reader forever: it is never opened.
TEST(FileTest, PipesAreNeitherOpenedNorWaitedOn) {
    TempDir dir;
    std::string pipe = dir.file("pipe");
    ASSERT_EQ(0, mkfifo(pipe.c_str(), 0600));
    File file;
    EXPECT_FALSE(file.openBinFile(pipe.c_str()));
    EXPECT_FALSE(file.openTextFile(pipe.c_str()));
    EXPECT_FALSE(file.isOpened());
    EXPECT_TRUE(File::fileExist(pipe.c_str()));
}

TEST(FileTest, StaticPathOperations) {
    TempDir dir;
    std::string path = dir.file("f.bin");
    std::string moved = dir.file("g.bin");
    EXPECT_FALSE(File::fileExist(path.c_str()));
    EXPECT_FALSE(File::fileExist(static_cast<const char*>(nullptr)));
    writeFileBytes(path, "content");
    EXPECT_TRUE(File::fileExist(path.c_str()));
    EXPECT_TRUE(File::createFile(path.c_str()));
    EXPECT_EQ(readFileBytes(path), "");
    EXPECT_TRUE(File::renameFile(path.c_str(), moved.c_str()));
    EXPECT_FALSE(File::fileExist(path.c_str()));
    EXPECT_FALSE(File::renameFile(path.c_str(), moved.c_str()));
    EXPECT_FALSE(File::renameFile(nullptr, moved.c_str()));
    EXPECT_TRUE(File::deleteFile(moved.c_str()));
    EXPECT_FALSE(File::deleteFile(moved.c_str()));
    EXPECT_FALSE(File::createFile(dir.file("no/such/folder").c_str()));
}

TEST(FileTest, DeleteTheOpenFile) {
    TempDir dir;
    std::string path = dir.file("d.bin");
    File file;
    EXPECT_FALSE(file.deleteFile());
    ASSERT_TRUE(file.createAndOpenBinFile(path.c_str()));
    EXPECT_TRUE(file.deleteFile());
    EXPECT_FALSE(file.isOpened());
    EXPECT_FALSE(File::fileExist(path.c_str()));
}

TEST(FileTest, WritersAppendTextAndBytes) {
    TempDir dir;
    std::string path = dir.file("w.bin");
    writeFileBytes(path, "old");
    File file;
    ASSERT_TRUE(file.createAndOpenTextFile(path.c_str()));
    EXPECT_TRUE(file.writeText('x'));
    EXPECT_TRUE(file.writeText("yz"));
    EXPECT_TRUE(file.writeText(-12));
    EXPECT_TRUE(file.writeText(4000000000u));
    EXPECT_TRUE(file.writeText(1.5f));
    EXPECT_FALSE(file.writeText(static_cast<const char*>(nullptr)));
    file.closeFile();
    EXPECT_EQ(readFileBytes(path), "xyz-1240000000001.500000");

    ASSERT_TRUE(file.openEndBinFile(path.c_str()));
    EXPECT_TRUE(file.writeBin("hello"));
    EXPECT_TRUE(file.writeBin(""));
    int number = 0x01020304;
    long long big = -2;
    EXPECT_TRUE(file.writeBin(&number));
    EXPECT_TRUE(file.writeBin(big));
    EXPECT_TRUE(file.writeBin('!'));
    EXPECT_FALSE(file.writeBin(static_cast<int*>(nullptr)));
    EXPECT_FALSE(file.writeBin(nullptr, 4));
    EXPECT_FALSE(file.writeBin(&number, 0));
    EXPECT_TRUE(file.flush());
    file.closeFile();
    std::string bytes = readFileBytes(path);
    ASSERT_EQ(bytes.size(), 24u + 5u + 4u + 8u + 1u);
    EXPECT_EQ(bytes.substr(24, 5), "hello");
    int readNumber = 0;
    long long readBig = 0;
    std::memcpy(&readNumber, bytes.data() + 29, 4);
    std::memcpy(&readBig, bytes.data() + 33, 8);
    EXPECT_EQ(readNumber, number);
    EXPECT_EQ(readBig, big);
    EXPECT_EQ(bytes.back(), '!');
}

TEST(FileTest, ClosedFileAnswersNothing) {
    File file;
    EXPECT_FALSE(file.writeText('a'));
    EXPECT_FALSE(file.writeBin(1));
    EXPECT_FALSE(file.flush());
    EXPECT_EQ(file.readTextChar(), 0);
    EXPECT_EQ(file.readTextInt(), 0);
    EXPECT_EQ(file.readTextString(' ', false), nullptr);
    EXPECT_EQ(file.readBinString(' ', false), nullptr);
    EXPECT_EQ(file.readBin(4), nullptr);
    EXPECT_EQ(file.readBinInt32(2), nullptr);
    EXPECT_EQ(file.readBinInt32(), 0);
    char buffer[4];
    EXPECT_FALSE(file.readBin(buffer, 4));
    EXPECT_EQ(file.getFileSize(), 0u);
    EXPECT_EQ(file.getSeek32(), 0);
    EXPECT_EQ(file.getSeek64(), 0);
    EXPECT_FALSE(file.seekStart());
    EXPECT_FALSE(file.endOfFile());
}

TEST(FileTest, WriteToAFullDeviceAnswersFalse) {
    File file;
    ASSERT_TRUE(file.openEndBinFile("/dev/full"));
    std::string block(1 << 20, 'x');
    EXPECT_FALSE(file.writeBin(&block[0], static_cast<unsigned int>(block.size())));
    EXPECT_FALSE(file.writeText(block.c_str()));
    file.writeBin('y');
    EXPECT_FALSE(file.flush());
}

TEST(FileTest, TokensUpToLimits) {
    TempDir dir;
    std::string path = dir.file("tokens.bvh");
    writeFileBytes(path, "HIERARCHY ROOT");
    File file;
    ASSERT_TRUE(file.openBinFile(path.c_str()));
    EXPECT_EQ(takeText(file.readBinString(' ', false)), "HIERARCHY");
    EXPECT_EQ(takeText(file.readBinString(' ', false)), "ROOT");
    EXPECT_TRUE(file.endOfFile());
    EXPECT_EQ(takeText(file.readBinString(' ', false)), "");

    ASSERT_TRUE(file.openBinFile(path.c_str()));
    EXPECT_EQ(takeText(file.readBinString(' ', true)), "HIERARCHY ");

    writeFileBytes(path, "\nOFFSET\t1.5 2\n");
    ASSERT_TRUE(file.openBinFile(path.c_str()));
    EXPECT_EQ(takeText(file.readBinString(" \t\n", false)), "");
    EXPECT_EQ(takeText(file.readBinString(" \t\n", true)), "OFFSET\t");
    EXPECT_EQ(takeText(file.readBinString(" \t\n", false)), "1.5");
    EXPECT_EQ(takeText(file.readBinString(" \t\n", false)), "2");
    EXPECT_EQ(takeText(file.readBinString(" \t\n", false)), "");

    writeFileBytes(path, std::string("ab\0cd", 5));
    ASSERT_TRUE(file.openBinFile(path.c_str()));
    EXPECT_EQ(takeText(file.readBinString(static_cast<const char*>(nullptr), true)), "ab");
    EXPECT_EQ(takeText(file.readBinString(static_cast<const char*>(nullptr), true)), "cd");
    EXPECT_EQ(file.readTextString(static_cast<const char*>(nullptr), true), nullptr);
}

TEST(FileTest, TextReaders) {
    TempDir dir;
    std::string path = dir.file("t.txt");
    writeFileBytes(path, "ab12 34 4000000000 2.5 rest;tail");
    File file;
    ASSERT_TRUE(file.openTextFile(path.c_str()));
    EXPECT_EQ(file.readTextChar(), 'a');
    EXPECT_EQ(file.readTextChar(), 'b');
    EXPECT_EQ(file.readTextInt(), 12);
    EXPECT_EQ(file.readTextInt(), 34);
    EXPECT_EQ(file.readTextUInt(), 4000000000u);
    EXPECT_FLOAT_EQ(file.readTextFloat(), 2.5f);
    EXPECT_EQ(file.readTextChar(), ' ');
    EXPECT_EQ(takeText(file.readTextString(';', true)), "rest;");
    EXPECT_EQ(takeText(file.readTextString("x", false)), "tail");
    EXPECT_EQ(file.readTextInt(), 0);
    EXPECT_EQ(file.readTextChar(), 0);
}

TEST(FileTest, SizeIsMeasuredOnceAndKeepsThePosition) {
    TempDir dir;
    std::string path = dir.file("s.bin");
    writeFileBytes(path, std::string(1000, 'q'));
    File file;
    ASSERT_TRUE(file.openBinFile(path.c_str()));
    EXPECT_EQ(file.getFileSize(), 1000u);
    EXPECT_EQ(file.getSeek64(), 0);
    EXPECT_TRUE(file.seekStart(10u));
    EXPECT_TRUE(file.seek(5));
    EXPECT_EQ(file.getSeek32(), 15);
    writeFileBytes(path, std::string(3000, 'q'));
    EXPECT_EQ(file.getFileSize(), 1000u);
    EXPECT_EQ(file.getSeek64(), 15);
    EXPECT_TRUE(file.seekEnd(-4));
    EXPECT_EQ(file.getSeek64(), 2996);

    std::string empty = dir.file("empty.bin");
    writeFileBytes(empty, "");
    File grows;
    ASSERT_TRUE(grows.openBinFile(empty.c_str()));
    EXPECT_EQ(grows.getFileSize(), 0u);
    writeFileBytes(empty, "12345");
    EXPECT_EQ(grows.getFileSize(), 5u);
}

TEST(FileTest, BlockReadsPastTheEndAreZeroFilled) {
    TempDir dir;
    std::string path = dir.file("r.bin");
    int values[3] = {7, -8, 9};
    writeFileBytes(path, std::string(reinterpret_cast<char*>(values), sizeof values) + "xyz");
    File file;
    ASSERT_TRUE(file.openBinFile(path.c_str()));
    int* read = file.readBinInt32(2LL);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read[0], 7);
    EXPECT_EQ(read[1], -8);
    delete[] read;
    EXPECT_EQ(file.readBinInt32(), 9);
    char* tail = file.readBin(8ULL);
    ASSERT_NE(tail, nullptr);
    EXPECT_EQ(std::string(tail, 8), std::string("xyz\0\0\0\0\0", 8));
    delete[] tail;
    EXPECT_TRUE(file.endOfFile());
    EXPECT_EQ(file.readBinLongInt(), 0);
    EXPECT_EQ(file.readBinFloat(), 0.0f);

    ASSERT_TRUE(file.seekStart());
    char* text = file.readBinString(3L);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text[0], 7);
    delete[] text;
    EXPECT_EQ(file.readBinString(-1L), nullptr);
    EXPECT_EQ(file.readBin(0ULL), nullptr);
}

TEST(FileTest, ImpossibleCountsAndSizesAnswerNull) {
    TempDir dir;
    std::string path = dir.file("c.bin");
    writeFileBytes(path, "12345678");
    File file;
    ASSERT_TRUE(file.openBinFile(path.c_str()));
    EXPECT_EQ(file.readBinInt32(-1LL), nullptr);
    EXPECT_EQ(file.readBinInt32(0LL), nullptr);
    EXPECT_EQ(file.readBinFloat(-5LL), nullptr);
    EXPECT_EQ(file.readBinLongInt(0x2000000000000001LL), nullptr);
    EXPECT_EQ(file.readBinUint32(0ULL), nullptr);
    EXPECT_EQ(file.readBinUint32(0x4000000000000001ULL), nullptr);
    EXPECT_EQ(file.readBin(1ULL << 62), nullptr);
    EXPECT_EQ(file.readBin(~0ULL), nullptr);
    EXPECT_EQ(file.getSeek64(), 0);
    unsigned int* kept = file.readBinUint32(2ULL);
    ASSERT_NE(kept, nullptr);
    delete[] kept;
}

} // namespace
