#include "zelk/String.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <string>

using zelk::String;

namespace {

// The clipboard's text, released; "<null>" when there is none.
std::string clipboardText() {
    return zelk::test::takeText(String::clipboardRead());
}

} // namespace

// The clipboard belongs to the whole display, and test programs run side by
// side, so every clipboard check is in this one test.
TEST(Clipboard, WritesReadsAndEmpties) {
    EXPECT_TRUE(String::clipboardWrite("level_3 = 42"));
    EXPECT_EQ("level_3 = 42", clipboardText());
    char text[] = "second";
    EXPECT_TRUE(String::clipboardWrite(text));
    EXPECT_EQ("second", clipboardText());

    // Every byte comes back, also those that are not valid UTF-8 (a lone
    // continuation byte and a cut-off sequence at the end).
    std::string bytes;
    for (int b = 1; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    bytes += "\x80\xc3";
    EXPECT_TRUE(String::clipboardWrite(bytes.c_str()));
    EXPECT_EQ(bytes, clipboardText());

    EXPECT_TRUE(String::clipboardClean());
    EXPECT_EQ("<null>", clipboardText());

    // An empty or null text empties the clipboard and answers false.
    ASSERT_TRUE(String::clipboardWrite("something"));
    EXPECT_FALSE(String::clipboardWrite(""));
    EXPECT_EQ("<null>", clipboardText());
    ASSERT_TRUE(String::clipboardWrite("something"));
    EXPECT_FALSE(String::clipboardWrite((char*)nullptr));
    EXPECT_EQ("<null>", clipboardText());
}
