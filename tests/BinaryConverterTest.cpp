#include "zelk/BinaryConverter.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using zelk::BinaryConverter;
using zelk::test::captureStdout;

TEST(BinaryConverter, PrintsBytesMostSignificantBitFirst) {
    EXPECT_EQ("10100101", captureStdout([] { BinaryConverter::printBits((unsigned char)165); }));
    EXPECT_EQ("00000000", captureStdout([] { BinaryConverter::printBits((unsigned char)0); }));
}

TEST(BinaryConverter, PrintsArraysForwardAndBackward) {
    unsigned char bytes[] = {65, 66};
    EXPECT_EQ("01000001 \n01000010 \n",
              captureStdout([&] { BinaryConverter::printBits(bytes, 2, true); }));
    EXPECT_EQ("01000001 01000010 ",
              captureStdout([&] { BinaryConverter::printBits(bytes, 2, false); }));
    EXPECT_EQ("01000010 01000001 ",
              captureStdout([&] { BinaryConverter::printBitsInverted(bytes, 2, false); }));
    EXPECT_EQ("01000010 \n01000001 \n",
              captureStdout([] { BinaryConverter::printBitsInverted("AB", 2, true); }));
    EXPECT_EQ("01000001 ", captureStdout([] { BinaryConverter::printBits("AB", 1, false); }));
}

TEST(BinaryConverter, PrintsNothingForNullOrEmpty) {
    unsigned char byte = 1;
    EXPECT_EQ("", captureStdout([] {
                  BinaryConverter::printBits((unsigned char*)nullptr, 4, true);
                  BinaryConverter::printBitsInverted((const char*)nullptr, 4, false);
              }));
    EXPECT_EQ("", captureStdout([&] {
                  BinaryConverter::printBits(&byte, 0, true);
                  BinaryConverter::printBitsInverted(&byte, 0, true);
              }));
}

TEST(BinaryConverter, PrintsIntegersHighestByteFirst) {
    EXPECT_EQ("00000000 00000000 00000000 00000001 ",
              captureStdout([] { BinaryConverter::printBits(1u, false); }));
    EXPECT_EQ("00010010 \n00110100 \n",
              captureStdout([] { BinaryConverter::printBits((unsigned short)0x1234, true); }));
    std::string wide =
        captureStdout([] { BinaryConverter::printBits(0x8000000000000001ull, false); });
    EXPECT_EQ("10000000 00000000 00000000 00000000 00000000 00000000 00000000 00000001 ", wide);
}

TEST(BinaryConverter, SwapsEveryByteIntoItsMirroredPlace) {
    EXPECT_EQ(0x0807060504030201ull, BinaryConverter::swapBytes(0x0102030405060708ull));
    EXPECT_EQ(1ull << 31, BinaryConverter::swapBytes(1ull << 39));
    EXPECT_EQ((unsigned short)0x1234, BinaryConverter::swapBytes((unsigned short)0x3412));
    EXPECT_EQ(0x78563412u, BinaryConverter::swapBytes(0x12345678u));
}

TEST(BinaryConverter, SetsAndClearsBitsOfBytes) {
    unsigned char byte = 0;
    BinaryConverter::setBitTrue(&byte, 3);
    EXPECT_EQ(8, byte);
    BinaryConverter::setBitTrue(&byte, 8);
    EXPECT_EQ(8, byte);
    BinaryConverter::setBitFalse(&byte, 3);
    EXPECT_EQ(0, byte);
    BinaryConverter::setBitTrue(nullptr, 1);
    BinaryConverter::setBitFalse(nullptr, 1);
    byte = 255;
    BinaryConverter::setBitFalse(&byte, 200);
    EXPECT_EQ(255, byte);
}

TEST(BinaryConverter, SetsAndClearsBitsOfWords) {
    EXPECT_EQ(0x80000000u, BinaryConverter::setBitTrue(0u, (unsigned char)31));
    EXPECT_EQ(0xFFFFFFFEu, BinaryConverter::setBitFalse(0xFFFFFFFFu, (unsigned char)0));
    EXPECT_EQ(0x00010000u, BinaryConverter::setBitTrue(0u, (unsigned char)16));
    for (unsigned int bit = 32; bit < 256; bit++) {
        EXPECT_EQ(0x12345678u, BinaryConverter::setBitTrue(0x12345678u, (unsigned char)bit));
        EXPECT_EQ(0x12345678u, BinaryConverter::setBitFalse(0x12345678u, (unsigned char)bit));
    }
}

TEST(BinaryConverter, TestsBits) {
    EXPECT_TRUE(BinaryConverter::testBit(128, 7));
    EXPECT_FALSE(BinaryConverter::testBit(128, 8));
    EXPECT_FALSE(BinaryConverter::testBit(0, 3));
    EXPECT_FALSE(BinaryConverter::testBit(127, 7));
    EXPECT_TRUE(BinaryConverter::testBit(1, 0));
}
