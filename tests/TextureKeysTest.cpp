// The texture list's keys and use counts, which need no OpenGL context.
#include "zelk/Texture2DList.h"

#include <gtest/gtest.h>

using TextureCode = zelk::Texture2DList::TextureCode;
using zelk::Texture2DList;

namespace {

struct Key {
    TextureCode entry;
    Key(const char* name, unsigned int filter, unsigned int code = 0) {
        entry.setName(name);
        entry.filter = filter;
        entry.code = code;
    }
};

TEST(TextureKeys, NameFilterOrderTakesTheFilterFirstThenSignedBytes) {
    Texture2DList::NameFilterTree tree;
    Key a("a", 9729), b("b", 9728), high("\xC3\xA9", 9728), same("b", 9728), other("b", 9729);
    EXPECT_TRUE(tree.firstBiggerSecond(&a.entry, &b.entry));
    EXPECT_FALSE(tree.firstBiggerSecond(&b.entry, &a.entry));
    // A byte above 0x7F counts as negative.
    EXPECT_TRUE(tree.firstBiggerSecond(&b.entry, &high.entry));
    EXPECT_FALSE(tree.firstBiggerSecond(&high.entry, &b.entry));
    EXPECT_TRUE(tree.firstEqualSecond(&b.entry, &same.entry));
    EXPECT_FALSE(tree.firstEqualSecond(&b.entry, &other.entry));

    Key unnamed(nullptr, 9999), empty("", 9728);
    EXPECT_FALSE(tree.firstBiggerSecond(&unnamed.entry, &a.entry));
    EXPECT_FALSE(tree.firstBiggerSecond(&a.entry, &unnamed.entry));
    EXPECT_FALSE(tree.firstEqualSecond(&empty.entry, &empty.entry));
    EXPECT_FALSE(tree.firstEqualSecond(nullptr, &a.entry));
    EXPECT_FALSE(tree.firstBiggerSecond(&a.entry, nullptr));

    // Each is found again by a probe holding only its key.
    EXPECT_TRUE(tree.add(&a.entry));
    EXPECT_TRUE(tree.add(&b.entry));
    EXPECT_TRUE(tree.add(&high.entry));
    EXPECT_FALSE(tree.add(&same.entry));
    Key probe("\xC3\xA9", 9728);
    EXPECT_EQ(tree.getElement(&probe.entry), &high.entry);
    EXPECT_EQ(tree.getElementInPosition(0), &high.entry);
    EXPECT_EQ(tree.getElementInPosition(2), &a.entry);
}

TEST(TextureKeys, CodeOrderIsUnsigned) {
    Texture2DList::TextureCodeTree tree;
    Key low("x", 0, 5), top("x", 0, 0x80000000u), equal("y", 1, 5);
    EXPECT_TRUE(tree.firstBiggerSecond(&top.entry, &low.entry));
    EXPECT_FALSE(tree.firstBiggerSecond(&low.entry, &top.entry));
    EXPECT_TRUE(tree.firstEqualSecond(&low.entry, &equal.entry));
    EXPECT_FALSE(tree.firstEqualSecond(&low.entry, nullptr));
}

TEST(TextureKeys, UseCountNeverGoesBelowZero) {
    TextureCode entry;
    EXPECT_EQ(entry.retainCount, 0u);
    EXPECT_TRUE(entry.haveOneRetain());
    EXPECT_FALSE(entry.releaseTexture());
    entry.retainTexture();
    EXPECT_TRUE(entry.haveOneRetain());
    entry.retainTexture();
    EXPECT_FALSE(entry.haveOneRetain());
    EXPECT_TRUE(entry.releaseTexture());
    EXPECT_TRUE(entry.releaseTexture());
    EXPECT_FALSE(entry.releaseTexture());
    EXPECT_EQ(entry.retainCount, 0u);

    // Emptying keeps the count and drops the key.
    entry.retainTexture();
    entry.setName("key");
    entry.filter = 9728;
    entry.deleteTexture();
    EXPECT_EQ(entry.name(), nullptr);
    EXPECT_EQ(entry.filter, 0u);
    EXPECT_EQ(entry.retainCount, 1u);
}

TEST(TextureKeys, ArgumentsAreCheckedBeforeAnythingIsDecoded) {
    TextureCode entry;
    unsigned char bytes[4] = {1, 2, 3, 4};
    EXPECT_FALSE(entry.loadFromMemory(nullptr, bytes, 4, 9728));
    EXPECT_FALSE(entry.loadFromMemory(const_cast<char*>("name"), nullptr, 4, 9728));
    EXPECT_FALSE(entry.loadFromFile(nullptr, 9728));
    EXPECT_EQ(entry.texture, nullptr);
    EXPECT_EQ(entry.code, 0u);
    EXPECT_EQ(Texture2DList::loadTexture(static_cast<const char*>(nullptr), 9728), 0u);
    EXPECT_EQ(Texture2DList::getTextureSize("never listed", 9728), zelk::size2ui32(1u, 1u));
}

} // namespace
