#include "zelk/TypeColor.h"
#include "zelk/TypeRect.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVec2.h"
#include "zelk/TypeVec3.h"
#include "zelk/TypeVec4.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <type_traits>

using namespace zelk;

TEST(ValueTypes, DefaultsDifferByKind) {
    rectf32 rect;
    EXPECT_EQ(0.f, rect.origin.x);
    EXPECT_EQ(0.f, rect.origin.y);
    EXPECT_EQ(0.f, rect.size.width);
    EXPECT_EQ(0.f, rect.size.height);

    EXPECT_EQ(size2f32(1.f, 1.f), size2f32());
    EXPECT_EQ(size2i32(1, 1), size2i32());
    EXPECT_EQ(size2ui32(1u, 1u), size2ui32());

    EXPECT_EQ(vec2f32(0.f, 0.f), vec2f32());
    EXPECT_EQ(vec4i64(0, 0, 0, 0), vec4i64());

    color4f32 white;
    EXPECT_EQ(1.f, white.r);
    EXPECT_EQ(1.f, white.a);
    color3ui8 bytes;
    EXPECT_EQ(255, bytes.r);
    EXPECT_EQ(255, bytes.b);
    EXPECT_EQ(1.f, color3f32().g);
}

TEST(ValueTypes, MembersLieInOrder) {
    static_assert(sizeof(rectf32) == 4 * sizeof(float), "rect is four floats");
    static_assert(sizeof(vec4f64) == 4 * sizeof(double), "no padding or hidden members");
    static_assert(std::is_trivially_copyable_v<vec3f32>, "plain record");
    rectf32 rect(1.f, 2.f, 3.f, 4.f);
    const float* values = &rect.origin.x;
    EXPECT_EQ(2.f, values[1]);
    EXPECT_EQ(3.f, values[2]);
    EXPECT_EQ(4.f, values[3]);
}

TEST(ValueTypes, ColourConversions) {
    color3ui8 clamped(300u, 256u, 255u);
    EXPECT_EQ(255, clamped.r);
    EXPECT_EQ(255, clamped.g);
    EXPECT_EQ(255, clamped.b);
    color3ui8 kept(254u, 0u, 1u);
    EXPECT_EQ(254, kept.r);
    EXPECT_EQ(0, kept.g);
    EXPECT_EQ(1, kept.b);
    color3ui8 negative(static_cast<uint32>(-1), 3u, 4u);
    EXPECT_EQ(255, negative.r);

    color4f32 colour(0.f, 0.f, 0.f, 0.f);
    color4f32 returned = (colour = color3ui8(92u, 148u, 252u));
    EXPECT_FLOAT_EQ(92.f / 255.f, colour.r);
    EXPECT_FLOAT_EQ(148.f / 255.f, colour.g);
    EXPECT_FLOAT_EQ(252.f / 255.f, colour.b);
    EXPECT_EQ(1.f, colour.a);
    EXPECT_EQ(colour.b, returned.b);

    color4f32 unscaled(255, 0, 0, 1);
    EXPECT_EQ(255.f, unscaled.r);
    EXPECT_EQ(0.f, unscaled.g);
    EXPECT_EQ(1.f, unscaled.a);

    color4f32 called = colour(0.5f, 0.25f, 0.125f, 0.f);
    EXPECT_EQ(0.25f, colour.g);
    EXPECT_EQ(0.125f, called.b);
}

TEST(ValueTypes, IntegerProductsWrapInTheirWidth) {
    EXPECT_EQ(vec2ui8(144, 144), vec2ui8(200, 2) * vec2ui8(2, 200));
    EXPECT_EQ(vec2i8(-56, 56), vec2i8(100, -100) * vec2i8(2, 2));
    // Signed 32- and 64-bit products overflow without undefined behaviour.
    vec2i32 big = vec2i32(2147483647, -2147483647 - 1) * vec2i32(2, 2);
    EXPECT_EQ(-2, big.x);
    EXPECT_EQ(0, big.y);
    vec3i64 huge = vec3i64(std::numeric_limits<int64>::max(), 3, -1) * vec3i64(2, 3, 5);
    EXPECT_EQ(-2, huge.x);
    EXPECT_EQ(9, huge.y);
    EXPECT_EQ(-5, huge.z);
    vec4ui16 wide = vec4ui16(65535, 256, 1, 0) * vec4ui16(65535, 256, 2, 9);
    EXPECT_EQ(1, wide.x);
    EXPECT_EQ(0, wide.y);
    EXPECT_EQ(2, wide.z);
    vec2ui32 unsignedPair = vec2ui32(4294967295u, 65536u) * vec2ui32(2u, 65536u);
    EXPECT_EQ(vec2ui32(4294967294u, 0u), unsignedPair);
}

TEST(ValueTypes, ConstructionConvertsMemberByMember) {
    vec2f32 fromUnsigned(4294967295u, 0u);
    EXPECT_EQ(4294967296.0f, fromUnsigned.x);
    EXPECT_EQ(0.f, fromUnsigned.y);
    vec2f32 fromDouble(0.1, 2.0);
    EXPECT_EQ(0.1f, fromDouble.x);
    vec2i32 bits(4294967295u, 2147483648u);
    EXPECT_EQ(-1, bits.x);
    EXPECT_EQ(-2147483647 - 1, bits.y);
    rectf32 fromInts(1, -2, 3, 4);
    EXPECT_EQ(-2.f, fromInts.origin.y);
    rectui32 whole(1u, 2u, 3u, 4u);
    EXPECT_EQ(3u, whole.size.width);
    size2f32 fromUnsignedSize(4294967295u, 1u);
    EXPECT_EQ(4294967296.0f, fromUnsignedSize.width);
}

TEST(ValueTypes, FloatEqualityIsExact) {
    float nan = std::numeric_limits<float>::quiet_NaN();
    vec2f32 withNan(nan, 1.f);
    EXPECT_FALSE(withNan == withNan);
    EXPECT_TRUE(vec2f32(0.f, 1.f) == vec2f32(-0.f, 1.f));
    EXPECT_FALSE(vec2f32(0.1f, 1.f) == vec2f32(0.1f + 1e-7f, 1.f));
    EXPECT_FALSE(vec4f32(1, 2, 3, nan) == vec4f32(1, 2, 3, nan));
}

TEST(ValueTypes, VectorOperators) {
    vec3f32 v;
    vec3f32 returned = (v = 2.5f);
    EXPECT_EQ(vec3f32(2.5f, 2.5f, 2.5f), v);
    EXPECT_EQ(v, returned);
    v /= 2.f;
    EXPECT_EQ(vec3f32(1.25f, 1.25f, 1.25f), v);
    EXPECT_EQ(vec3f32(2.5f, 5.f, 1.25f), v * vec3f32(2.f, 4.f, 1.f));

    vec2f32 a(1.f, 2.f);
    vec2f32 b(3.f, 5.f);
    EXPECT_EQ(vec2f32(-2.f, -3.f), a - b);
    EXPECT_EQ(vec2f32(4.f, 7.f), a + b);
    EXPECT_EQ(vec2f32(3.f, 10.f), a * b);
    EXPECT_EQ(vec2f32(0.5f, 1.f), a * 0.5f);
    EXPECT_EQ(vec2f32(1.f, 2.f), a) << "binary operators leave their operands alone";
    a += b;
    EXPECT_EQ(vec2f32(4.f, 7.f), a);
    a += 1.5f;
    EXPECT_EQ(vec2f32(5.5f, 8.5f), a);
    a += 2;
    EXPECT_EQ(vec2f32(7.5f, 10.5f), a);

    vec4f32 q(2.f, 4.f, 6.f, 8.f);
    q /= 2.f;
    EXPECT_EQ(vec4f32(1.f, 2.f, 3.f, 4.f), q);
    q = 0.f;
    EXPECT_EQ(vec4f32(), q);
}

TEST(ValueTypes, SizeOperators) {
    size2f32 s(4.f, 6.f);
    s /= size2f32(2.f, 3.f);
    EXPECT_EQ(size2f32(2.f, 2.f), s);
    s -= 1;
    EXPECT_EQ(size2f32(1.f, 1.f), s);
    s *= 2.5;
    EXPECT_EQ(size2f32(2.5f, 2.5f), s);
    s *= 2.f;
    EXPECT_EQ(size2f32(5.f, 5.f), s);
    EXPECT_EQ(size2f32(10.f, 15.f), s * size2f32(2.f, 3.f));
    EXPECT_EQ(size2f32(0.5f, 0.5f), s * 0.1);
    EXPECT_EQ(size2f32(15.f, 15.f), s * 3);
    size2f32 called = s(7, 8);
    EXPECT_EQ(size2f32(7.f, 8.f), s);
    EXPECT_EQ(s, called);
    s(0.5f, 0.25f);
    EXPECT_EQ(0.25f, s.height);
    // A double scalar is narrowed to float before the product.
    size2f32 narrowed(3.f, 1.f);
    EXPECT_EQ(3.f * static_cast<float>(0.1), (narrowed * 0.1).width);
}
