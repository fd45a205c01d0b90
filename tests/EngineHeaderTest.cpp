#include "zelk/zelk.h"

#include <gtest/gtest.h>

// The engine header brings in every module at once without clashes.
TEST(EngineHeader, IncludesEveryModuleTogether) {
    zelk::vector::Stack<zelk::vec2f32> points;
    points.pushBack(zelk::vec2f32(3.f, 4.f));
    EXPECT_EQ(5.f, zelk::Math::pythagoras2f(points.get(0)));
    char* text = zelk::String::float32ToStr(1.1f);
    EXPECT_STREQ("1.10000002", text);
    delete[] text;
}
