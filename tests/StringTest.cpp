#include "zelk/String.h"

#include "support/TestSupport.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <string>

using zelk::String;
using zelk::test::captureStdout;
using zelk::test::takeText;

namespace {

// A writable copy of a literal, for the operations that take char* only.
struct Text {
    explicit Text(const char* literal) : bytes(literal) {}
    operator char*() { return bytes.data(); }
    std::string bytes;
};

} // namespace

TEST(String, SizesCopiesAndJoins) {
    EXPECT_EQ(0u, String::strSize((char*)nullptr));
    EXPECT_EQ(0u, String::strSize(""));
    EXPECT_EQ(5u, String::strSize("ab\x80yz"));

    char source[] = "name";
    char* copy = String::strCopy(source);
    EXPECT_NE(source, copy);
    EXPECT_EQ("name", takeText(copy));
    EXPECT_EQ("<null>", takeText(String::strCopy("")));
    EXPECT_EQ("<null>", takeText(String::strCopy((const char*)nullptr)));

    EXPECT_EQ("object_12", takeText(String::strCat("object_", "12")));
    EXPECT_EQ("", takeText(String::strCat("", "")));
    EXPECT_EQ("a", takeText(String::strCat("a", "")));
    EXPECT_EQ("<null>", takeText(String::strCat(static_cast<char*>(nullptr), "a")));
    EXPECT_EQ("<null>", takeText(String::strCat("a", static_cast<char*>(nullptr))));
    char id[] = "7";
    EXPECT_EQ("Level_7", takeText(String::strCat("Level_", id)));
    EXPECT_EQ("7.jpg", takeText(String::strCat(id, ".jpg")));
}

TEST(String, JoinsListsUpToTheNullArgument) {
    EXPECT_EQ("a/b/c.xml", takeText(String::strCatMulti("a", "/", "b", "/c", ".xml", nullptr)));
    EXPECT_EQ("a", takeText(String::strCatMulti("a", nullptr)));
    EXPECT_EQ("ac", takeText(String::strCatMulti("a", "", "c", nullptr)));
    EXPECT_EQ("<null>", takeText(String::strCatMulti("", "b", nullptr)));
    EXPECT_EQ("<null>", takeText(String::strCatMulti((const char*)nullptr, "b", nullptr)));
    char first[] = "x";
    char second[] = "y";
    EXPECT_EQ("xy", takeText(String::strCatMulti(first, second, nullptr)));
}

TEST(String, InvertsInPlace) {
    char text[] = "abc";
    EXPECT_TRUE(String::strInvert(text));
    EXPECT_STREQ("cba", text);
    char even[] = "abcd";
    EXPECT_TRUE(String::strInvert(even));
    EXPECT_STREQ("dcba", even);
    char one[] = "z";
    EXPECT_TRUE(String::strInvert(one));
    EXPECT_STREQ("z", one);
    char empty[] = "";
    EXPECT_FALSE(String::strInvert(empty));
    EXPECT_FALSE(String::strInvert((char*)nullptr));
}

TEST(String, ComparesNonEmptyTextsOnly) {
    EXPECT_TRUE(String::strCompare("a", "a"));
    EXPECT_FALSE(String::strCompare("a", "ab"));
    EXPECT_FALSE(String::strCompare("ab", "a"));
    EXPECT_FALSE(String::strCompare("", ""));
    EXPECT_FALSE(String::strCompare((char*)nullptr, "a"));
    EXPECT_FALSE(String::strCompare("a", (char*)nullptr));
    char mutableText[] = "a";
    EXPECT_TRUE(String::strCompare(mutableText, "a"));
    EXPECT_TRUE(String::strCompare("a", mutableText));
}

TEST(String, ComparesWithFilterSkippingFilterBytes) {
    const char* tabs = "\t\n";
    EXPECT_TRUE(String::strCompareWithFilter("a\tb", "ab", tabs));
    EXPECT_TRUE(String::strCompareWithFilter("\n\ta\nb\t", "a\tb", tabs));
    EXPECT_FALSE(String::strCompareWithFilter("\t\t", "\t", tabs));
    EXPECT_FALSE(String::strCompareWithFilter("\t\t", "", tabs));
    EXPECT_FALSE(String::strCompareWithFilter("ab", "abc", tabs));
    EXPECT_FALSE(String::strCompareWithFilter("abc", "a\tb", tabs));
    EXPECT_FALSE(String::strCompareWithFilter((char*)nullptr, "a", tabs));
    // Without a filter it is the plain comparison.
    EXPECT_FALSE(String::strCompareWithFilter("a\tb", "ab", ""));
    EXPECT_TRUE(String::strCompareWithFilter("ab", "ab", (char*)nullptr));
    EXPECT_FALSE(String::strCompareWithFilter("", "", (char*)nullptr));
}

TEST(String, SizesAndCopiesWithFilter) {
    EXPECT_EQ(2u, String::strSizeWithFilter("\ta\nb\t", "\t\n"));
    EXPECT_EQ(5u, String::strSizeWithFilter("\ta\nb\t", ""));
    EXPECT_EQ(0u, String::strSizeWithFilter((char*)nullptr, "\t"));
    EXPECT_EQ("ab", takeText(String::strCopyWithFilter("\ta\n\tb\n", "\t\n")));
    EXPECT_EQ("<null>", takeText(String::strCopyWithFilter("\t\n\t", "\t\n")));
    EXPECT_EQ("a\tb", takeText(String::strCopyWithFilter("a\tb", "")));
    EXPECT_EQ("<null>", takeText(String::strCopyWithFilter("", (char*)nullptr)));
    EXPECT_EQ("<null>", takeText(String::strCopyWithFilter((char*)nullptr, "\t")));
}

TEST(String, CountsBytes) {
    EXPECT_EQ(3u, String::stringHaveChar("banana", 'a'));
    EXPECT_EQ(0u, String::stringHaveChar("banana", 'z'));
    EXPECT_EQ(0u, String::stringHaveChar("banana", '\0'));
    EXPECT_EQ(0u, String::stringHaveChar((char*)nullptr, 'a'));
    const char buffer[6] = {'a', 0, 'a', 0, 'a', 0};
    EXPECT_EQ(2u, String::stringHaveChar(buffer, 3ull, 'a'));
    EXPECT_EQ(3u, String::stringHaveChar(buffer, 6ull, '\0'));
    EXPECT_EQ(0u, String::stringHaveChar((const char*)nullptr, 6ull, 'a'));
}

TEST(String, CutsAroundLimits) {
    EXPECT_EQ("key", takeText(String::strCut("key=value", '=', false)));
    EXPECT_EQ("key=", takeText(String::strCut("key=value", '=', true)));
    EXPECT_EQ("", takeText(String::strCut("=value", '=', false)));
    EXPECT_EQ("<null>", takeText(String::strCut("value", '=', false)));
    EXPECT_EQ("value", takeText(String::strCut('=', "key=value", false)));
    EXPECT_EQ("=value", takeText(String::strCut('=', "key=value", true)));
    EXPECT_EQ("<null>", takeText(String::strCut('=', "key=", false)));
    EXPECT_EQ("=", takeText(String::strCut('=', "key=", true)));
    EXPECT_EQ("<null>", takeText(String::strCut('=', "key", true)));
    EXPECT_EQ("bc", takeText(String::strCut("a(bc)d", '(', ')')));
    EXPECT_EQ("", takeText(String::strCut("a()", '(', ')')));
    EXPECT_EQ("<null>", takeText(String::strCut("abc", '(', ')')));
    EXPECT_EQ("<null>", takeText(String::strCut("a(bc", '(', ')')));
    EXPECT_EQ("mid", takeText(String::strCut("x|mid|y|", '|', '|')));
    EXPECT_EQ("<null>", takeText(String::strCut((char*)nullptr, '(', ')')));
    EXPECT_EQ("<null>", takeText(String::strCut('=', (const char*)nullptr, true)));
}

TEST(String, NeverFindsNulAsALimit) {
    // The bytes after the terminator must not be read: ASan sees a read of
    // the heap block's end.
    char* text = String::strCopy("ab");
    EXPECT_EQ("<null>", takeText(String::strCut(text, '\0', true)));
    EXPECT_EQ("<null>", takeText(String::strCut('\0', text, true)));
    EXPECT_EQ("<null>", takeText(String::strCut(text, '\0', '\0')));
    EXPECT_EQ("<null>", takeText(String::strCut(text, 'a', '\0')));
    delete[] text;
}

TEST(String, WritesIntegers) {
    EXPECT_EQ("-45", takeText(String::int32ToStr(-45)));
    EXPECT_EQ("0", takeText(String::int32ToStr(0)));
    EXPECT_EQ("2147483647", takeText(String::int32ToStr(INT_MAX)));
    EXPECT_EQ("-2147483648", takeText(String::int32ToStr(INT_MIN)));
    EXPECT_EQ("-9223372036854775808", takeText(String::int64ToStr(LLONG_MIN)));
    EXPECT_EQ("9223372036854775807", takeText(String::int64ToStr(LLONG_MAX)));
    EXPECT_EQ("4294967295", takeText(String::uint32ToStr(4294967295u)));
    EXPECT_EQ("0", takeText(String::uint32ToStr(0)));
    EXPECT_EQ("-0", takeText(String::int64ToMinusStr(0)));
    EXPECT_EQ("-7", takeText(String::int64ToMinusStr(7)));
    EXPECT_EQ("-7", takeText(String::int32ToMinusStr(-7)));
    EXPECT_EQ("-2147483648", takeText(String::int32ToMinusStr(INT_MIN)));

    EXPECT_EQ(0u, String::sizeOfInt32(0));
    EXPECT_EQ(3u, String::sizeOfInt32(-100));
    EXPECT_EQ(10u, String::sizeOfInt32(INT_MIN));
    EXPECT_EQ(19u, String::sizeOfInt64(LLONG_MIN));
    EXPECT_EQ(1u, String::sizeOfInt64(9));
}

TEST(String, CopiesFixedDigitCounts) {
    char buffer[8];
    memset(buffer, 'x', sizeof buffer);
    EXPECT_TRUE(String::copyInt32ToStr(42, buffer, 4));
    EXPECT_EQ("0042xxxx", std::string(buffer, 8));
    EXPECT_TRUE(String::copyInt32ToStr(-42, buffer, 1));
    EXPECT_EQ("2042xxxx", std::string(buffer, 8));
    EXPECT_TRUE(String::copyInt32ToStr(INT_MIN, buffer, 3));
    EXPECT_EQ("648", std::string(buffer, 3));
    EXPECT_TRUE(String::copyInt64ToStr(LLONG_MIN, buffer, 2));
    EXPECT_EQ("08", std::string(buffer, 2));
    memset(buffer, 'x', sizeof buffer);
    EXPECT_FALSE(String::copyInt32ToStr(42, buffer, 0));
    EXPECT_FALSE(String::copyInt32ToStr(42, buffer, -1));
    EXPECT_FALSE(String::copyInt64ToStr(42, buffer, -5));
    EXPECT_EQ("xxxxxxxx", std::string(buffer, 8));
    EXPECT_FALSE(String::copyInt64ToStr(42, nullptr, 2));
}

TEST(String, WritesFloatsWithTheDigitsTheyNeed) {
    EXPECT_EQ("1.10000002", takeText(String::float32ToStr(1.1f)));
    EXPECT_EQ("123.45600128", takeText(String::float32ToStr(123.456f)));
    EXPECT_EQ("0.0010000001", takeText(String::float32ToStr(0.001f)));
    EXPECT_EQ("0.1", takeText(String::float32ToStr(0.1f)));
    EXPECT_EQ("0.3", takeText(String::float32ToStr(0.3f)));
    EXPECT_EQ("2.5", takeText(String::float32ToStr(2.5f)));
    EXPECT_EQ("3.0", takeText(String::float32ToStr(3.0f)));
    EXPECT_EQ("0.0", takeText(String::float32ToStr(0.0f)));
    EXPECT_EQ("0.0", takeText(String::float32ToStr(-0.0f)));
    EXPECT_EQ("-0.5", takeText(String::float32ToStr(-0.5f)));
    EXPECT_EQ("-3.25", takeText(String::float32ToStr(-3.25f)));
    EXPECT_EQ("-2147483648.0", takeText(String::float32ToStr(-2147483648.0f)));
}

TEST(String, WritesFloatsWithFixedDigits) {
    EXPECT_EQ("3.", takeText(String::float32ToStr(3.5f, 0)));
    EXPECT_EQ("1.250", takeText(String::float32ToStr(1.25f, 3)));
    EXPECT_EQ("-0.50", takeText(String::float32ToStr(-0.5f, 2)));
    EXPECT_EQ("3.0", takeText(String::float32ToStr(3.0f, 4)));
    EXPECT_EQ("3.", takeText(String::float32ToStr(3.5f, -3)));
    EXPECT_EQ("-0.5", takeText(String::float64ToStr(-0.5, 1)));
    EXPECT_EQ("2.500", takeText(String::float64ToStr(2.5, 3)));
    EXPECT_EQ("0.1000000000", takeText(String::float64ToStr(0.1, 10)));
    EXPECT_EQ("7.0", takeText(String::float64ToStr(7.0, 0)));
    EXPECT_EQ("1.", takeText(String::float64ToStr(1.75, -1)));
}

TEST(String, WritesNonFiniteAndHugeFloats) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ("nan", takeText(String::float32ToStr(nan)));
    EXPECT_EQ("inf", takeText(String::float32ToStr(inf)));
    EXPECT_EQ("-inf", takeText(String::float32ToStr(-inf)));
    EXPECT_EQ("nan", takeText(String::float32ToStr(nan, 3)));
    EXPECT_EQ("-inf", takeText(String::float64ToStr(-std::numeric_limits<double>::infinity(), 2)));
    EXPECT_EQ("nan", takeText(String::float64ToStr(std::nan(""), 2)));

    EXPECT_EQ("2147483648.0", takeText(String::float32ToStr(2147483648.0f)));
    EXPECT_EQ("10000000000.0", takeText(String::float32ToStr(1e10f)));
    EXPECT_EQ("-3000000000.0", takeText(String::float32ToStr(-3e9f, 2)));
    std::string largest = takeText(String::float32ToStr(std::numeric_limits<float>::max()));
    EXPECT_EQ(41u, largest.size());
    EXPECT_EQ("340282346638528859811704183484516925440.0", largest);
    EXPECT_EQ("4294967296.5", takeText(String::float64ToStr(4294967296.5, 1)));
    EXPECT_EQ("-4294967296.50", takeText(String::float64ToStr(-4294967296.5, 2)));

    // The smallest float needs one digit for each halving.
    std::string tiny = takeText(String::float32ToStr(std::numeric_limits<float>::denorm_min()));
    EXPECT_EQ("0.0000000000000000000000000000000000000000000014", tiny.substr(0, 48));
}

TEST(String, WritesIntegerArrays) {
    int values[] = {1, -20, 0};
    EXPECT_EQ("1 -20 0", takeText(String::vecInt32toStr(values, 3)));
    EXPECT_EQ("1", takeText(String::vecInt32toStr(values, 1)));
    EXPECT_EQ("<null>", takeText(String::vecInt32toStr(values, 0)));
    EXPECT_EQ("<null>", takeText(String::vecInt32toStr(nullptr, 3)));
    signed char small[] = {-128, 127, 0};
    EXPECT_EQ("-128 127 0", takeText(String::vecInt8toStr(small, 3)));
    unsigned short shorts[] = {65535, 7};
    EXPECT_EQ("65535 7", takeText(String::vecUint16toStr(shorts, 2)));
    unsigned long long big[] = {18446744073709551615ull, 9223372036854775808ull};
    EXPECT_EQ("18446744073709551615 9223372036854775808", takeText(String::vecUint64toStr(big, 2)));
}

TEST(String, Uint32ArraysPrintALineFeedAndComeBack) {
    unsigned int tiles[] = {0, 1, 2147483648u, 4294967295u};
    char* text = nullptr;
    EXPECT_EQ("\n", captureStdout([&] { text = String::vecUint32toStr(tiles, 4); }));
    ASSERT_NE(nullptr, text);
    EXPECT_STREQ("0 1 2147483648 4294967295", text);
    unsigned int back[4] = {9, 9, 9, 9};
    EXPECT_TRUE(String::strToVecUint32(text, back, 4));
    delete[] text;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(tiles[i], back[i]);
    }
    // Nothing is printed when there is nothing to write.
    EXPECT_EQ("", captureStdout([&] { EXPECT_EQ(nullptr, String::vecUint32toStr(tiles, 0)); }));
}

TEST(String, SignedAndWideArraysComeBack) {
    long long extremes[] = {LLONG_MIN, LLONG_MAX, -1, 0};
    char* text = String::vecInt64toStr(extremes, 4);
    long long back[4] = {};
    EXPECT_TRUE(String::strToVecInt64(text, back, 4));
    delete[] text;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(extremes[i], back[i]);
    }

    unsigned long long wide[] = {0, 18446744073709551615ull, 9223372036854775808ull};
    text = String::vecUint64toStr(wide, 3);
    unsigned long long wideBack[3] = {};
    EXPECT_TRUE(String::strToVecUint64(text, wideBack, 3));
    delete[] text;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(wide[i], wideBack[i]);
    }

    int ints[] = {INT_MIN, INT_MAX, -5};
    text = String::vecInt32toStr(ints, 3);
    int intsBack[3] = {};
    EXPECT_TRUE(String::strToVecInt32(text, intsBack, 3));
    delete[] text;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ints[i], intsBack[i]);
    }

    signed char bytes[256];
    for (int i = 0; i < 256; ++i) {
        bytes[i] = static_cast<signed char>(i - 128);
    }
    text = String::vecInt8toStr(bytes, 256);
    signed char bytesBack[256] = {};
    EXPECT_TRUE(String::strToVecInt8(text, bytesBack, 256));
    delete[] text;
    EXPECT_EQ(0, memcmp(bytes, bytesBack, 256));
}

TEST(String, CountsTheNumbersTheVectorReadersWouldFind) {
    EXPECT_EQ(3u, String::strVecNumberCount("1 2 3", 5));
    EXPECT_EQ(2u, String::strVecNumberCount("1 2 3", 2));
    EXPECT_EQ(2u, String::strVecNumberCount("4  5", 3));
    EXPECT_EQ(2u, String::strVecNumberCount("-1 +2 ", 3));
    EXPECT_EQ(2u, String::strVecNumberCount("1 2 x 4", 4)) << "the count ends at the word";
    EXPECT_EQ(1u, String::strVecNumberCount("7\n8", 2)) << "the line feed hides the 8";
    EXPECT_EQ(0u, String::strVecNumberCount("", 2));
    EXPECT_EQ(0u, String::strVecNumberCount(static_cast<char*>(nullptr), 2));
}

TEST(String, ReadsBlankSeparatedNumbers) {
    int values[3] = {7, 7, 7};
    EXPECT_TRUE(String::strToVecInt32(Text("1 2 3"), values, 2));
    EXPECT_EQ(1, values[0]);
    EXPECT_EQ(2, values[1]);
    EXPECT_EQ(7, values[2]);

    int untouched[2] = {7, 7};
    EXPECT_TRUE(String::strToVecInt32(Text(""), untouched, 2));
    EXPECT_EQ(7, untouched[0]);

    int trailing[3] = {7, 7, 7};
    EXPECT_TRUE(String::strToVecInt32(Text("1 2 "), trailing, 3));
    EXPECT_EQ(2, trailing[1]);
    EXPECT_EQ(7, trailing[2]);

    int doubled[3] = {7, 7, 7};
    EXPECT_TRUE(String::strToVecInt32(Text("4  5"), doubled, 3));
    EXPECT_EQ(4, doubled[0]);
    EXPECT_EQ(5, doubled[1]);
    EXPECT_EQ(7, doubled[2]);

    unsigned int minusOne[1] = {};
    EXPECT_TRUE(String::strToVecUint32(Text("-1"), minusOne, 1));
    EXPECT_EQ(4294967295u, minusOne[0]);
    unsigned char wrapped[2] = {};
    EXPECT_TRUE(String::strToVecUint8(Text("300 -1"), wrapped, 2));
    EXPECT_EQ(44, wrapped[0]);
    EXPECT_EQ(255, wrapped[1]);
    short shorts[1] = {};
    EXPECT_TRUE(String::strToVecInt16(Text("-32768"), shorts, 1));
    EXPECT_EQ(-32768, shorts[0]);
    unsigned short ushorts[1] = {};
    EXPECT_TRUE(String::strToVecUint16(Text("65535"), ushorts, 1));
    EXPECT_EQ(65535, ushorts[0]);

    EXPECT_FALSE(String::strToVecInt32(nullptr, values, 2));
    EXPECT_FALSE(String::strToVecInt32(Text("1"), nullptr, 2));
    EXPECT_FALSE(String::strToVecInt32(Text("1"), values, 0));
}

TEST(String, ReadsLeadingNumbers) {
    EXPECT_EQ(-12, String::strToInt32("  -12abc"));
    EXPECT_EQ(0, String::strToInt32("abc"));
    EXPECT_EQ(0, String::strToInt32((char*)nullptr));
    EXPECT_EQ(-1, String::strToInt32("4294967295"));
    EXPECT_EQ(LLONG_MIN, String::strToInt64("-9223372036854775808"));
    EXPECT_EQ(4294967296ll, String::strToInt64("4294967296"));
    EXPECT_EQ(0, String::strToInt64((const char*)nullptr));
    EXPECT_EQ(150.0f, String::strToFloat32(" 1.5e2x"));
    EXPECT_EQ(1.1f, String::strToFloat32("1.10000002"));
    EXPECT_EQ(0.0f, String::strToFloat32((char*)nullptr));
    EXPECT_EQ(0.1, String::strToFloat64("0.1"));
    EXPECT_EQ(0.0, String::strToFloat64((const char*)nullptr));
}

TEST(String, FloatTextsReadBack) {
    const float samples[] = {1.1f, 123.456f, 0.001f, -3.25f, 16777215.5f, -0.75f};
    for (float value : samples) {
        char* text = String::float32ToStr(value);
        EXPECT_EQ(value, String::strToFloat32(text)) << text;
        delete[] text;
    }
}

TEST(String, TakesAbsoluteValues) {
    EXPECT_EQ(5, zelk::zelkModuleInt32(-5));
    EXPECT_EQ(5, zelk::zelkModuleInt32(5));
    EXPECT_EQ(INT_MIN, zelk::zelkModuleInt32(INT_MIN));
    EXPECT_EQ(LLONG_MIN, zelk::zelkModuleInt64(LLONG_MIN));
    EXPECT_EQ(3ll, zelk::zelkModuleInt64(-3));
    EXPECT_EQ(2.5f, zelk::zelkModuleFloat32(-2.5f));
    EXPECT_TRUE(std::signbit(zelk::zelkModuleFloat32(-0.0f)));
    EXPECT_TRUE(std::isnan(zelk::zelkModuleFloat64(std::nan(""))));
    EXPECT_EQ(1e300, zelk::zelkModuleFloat64(-1e300));
}
