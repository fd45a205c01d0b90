#include <GL/glew.h>

#include "support/GLContext.h"
#include "support/ImageSupport.h"
#include "support/TestSupport.h"
#include "support/TextureListProbe.h"
#include "zelk/Texture2DList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zelk::size2ui32;
using zelk::Texture2DList;
using zelk::test::Bytes;
using zelk::test::sizeOf;
using zelk::test::TempDir;
using zelk::test::TextureListProbe;

namespace {

class TextureListTest : public zelk::test::GLContextTest {
protected:
    void SetUp() override {
        GLContextTest::SetUp();
        ASSERT_EQ(TextureListProbe::byCode(), 0u);
        ASSERT_EQ(TextureListProbe::byName(), 0u);
        pixels = zelk::test::gradient(5, 3, 4);
        png = zelk::test::writePNG(folder.file("ramp.png"), 5, 3, pixels);
        ASSERT_FALSE(png.empty());
        path = folder.file("ramp.png");
    }

    // Each test leaves the shared list as it found it.
    void TearDown() override {
        EXPECT_EQ(TextureListProbe::byCode(), 0u);
        EXPECT_EQ(TextureListProbe::byName(), 0u);
        Texture2DList::deleteAllTextures();
        GLContextTest::TearDown();
    }

    void expectNothingListed() {
        EXPECT_EQ(TextureListProbe::byCode(), 0u);
        EXPECT_EQ(TextureListProbe::byName(), 0u);
    }

    TempDir folder;
    Bytes pixels;
    Bytes png;
    std::string path;
};

TEST_F(TextureListTest, OneNameAndFilterShareACodeUntilTheLastRemoval) {
    Texture2DList list;
    unsigned int code = list.loadTexture(path.c_str(), GL_NEAREST);
    ASSERT_NE(code, 0u);
    EXPECT_EQ(list.loadTexture(path.c_str(), GL_NEAREST), code);
    EXPECT_EQ(TextureListProbe::uses(code), 2u);
    EXPECT_EQ(TextureListProbe::byCode(), 1u);
    EXPECT_EQ(zelk::test::readTexture(code, GL_RGBA), pixels);

    EXPECT_STREQ(list.getTextureName(code), path.c_str());
    EXPECT_EQ(list.getTextureFilter(code), unsigned(GL_NEAREST));
    EXPECT_EQ(list.getTextureSize(code), size2ui32(5u, 3u));
    EXPECT_EQ(list.getTextureSize(path.c_str(), GL_NEAREST), size2ui32(5u, 3u));
    EXPECT_EQ(list.getTextureWidth(code), 5u);
    EXPECT_EQ(list.getTextureHeight(path.c_str(), GL_NEAREST), 3u);
    EXPECT_TRUE(list.haveTexture(code));
    EXPECT_TRUE(list.haveTexture(path.c_str(), GL_NEAREST));
    EXPECT_FALSE(list.haveTexture(path.c_str(), GL_LINEAR));

    EXPECT_TRUE(list.removeTexture(code));
    EXPECT_TRUE(glIsTexture(code));
    EXPECT_EQ(TextureListProbe::uses(code), 1u);
    EXPECT_TRUE(list.removeTexture(code));
    EXPECT_FALSE(glIsTexture(code));
    expectNothingListed();

    // Gone: every question about the code answers as for an unlisted one.
    EXPECT_FALSE(list.removeTexture(code));
    EXPECT_FALSE(list.haveTexture(code));
    EXPECT_EQ(list.getTextureName(code), nullptr);
}

TEST_F(TextureListTest, UsesCountThroughRetainAndRemovalByName) {
    unsigned int code = Texture2DList::loadTexture(path.c_str(), GL_LINEAR);
    ASSERT_NE(code, 0u);
    EXPECT_TRUE(Texture2DList::retainTexture(code));
    EXPECT_FALSE(Texture2DList::retainTexture(code + 1000));
    EXPECT_FALSE(Texture2DList::retainTexture(0));
    EXPECT_EQ(TextureListProbe::uses(code), 2u);

    EXPECT_FALSE(Texture2DList::removeTexture(path.c_str(), GL_NEAREST));
    EXPECT_TRUE(Texture2DList::removeTexture(path.c_str(), GL_LINEAR));
    EXPECT_TRUE(glIsTexture(code));
    EXPECT_TRUE(Texture2DList::removeTexture(path.c_str(), GL_LINEAR));
    EXPECT_FALSE(glIsTexture(code));
    expectNothingListed();
}

TEST_F(TextureListTest, TwoFiltersMakeTwoTextures) {
    unsigned int nearest = Texture2DList::loadTexture(path.c_str(), GL_NEAREST);
    unsigned int linear = Texture2DList::loadTexture(path.c_str(), GL_LINEAR);
    ASSERT_NE(nearest, 0u);
    ASSERT_NE(linear, 0u);
    EXPECT_NE(nearest, linear);
    EXPECT_EQ(TextureListProbe::byCode(), 2u);
    EXPECT_EQ(TextureListProbe::byName(), 2u);
    EXPECT_EQ(zelk::test::textureParameter(nearest, GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(zelk::test::textureParameter(linear, GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(Texture2DList::getTextureFilter(linear), unsigned(GL_LINEAR));

    EXPECT_TRUE(Texture2DList::removeTexture(nearest));
    EXPECT_FALSE(glIsTexture(nearest));
    EXPECT_TRUE(Texture2DList::haveTexture(path.c_str(), GL_LINEAR));
    EXPECT_TRUE(Texture2DList::removeTexture(linear));
    expectNothingListed();
}

TEST_F(TextureListTest, DeleteIgnoresTheUseCount) {
    unsigned int code = Texture2DList::loadTexture(path.c_str(), GL_LINEAR);
    ASSERT_NE(code, 0u);
    Texture2DList::loadTexture(path.c_str(), GL_LINEAR);
    Texture2DList::loadTexture(path.c_str(), GL_LINEAR);
    EXPECT_EQ(TextureListProbe::uses(code), 3u);
    EXPECT_TRUE(Texture2DList::deleteTexture(code));
    EXPECT_FALSE(glIsTexture(code));
    expectNothingListed();
    EXPECT_FALSE(Texture2DList::removeTexture(code));
    EXPECT_FALSE(Texture2DList::deleteTexture(code));

    code = Texture2DList::loadTexture(path.c_str(), GL_NEAREST);
    EXPECT_FALSE(Texture2DList::deleteTexture(path.c_str(), GL_LINEAR));
    EXPECT_TRUE(Texture2DList::deleteTexture(path.c_str(), GL_NEAREST));
    EXPECT_FALSE(glIsTexture(code));
}

TEST_F(TextureListTest, FailedLoadsListNothing) {
    Bytes garbage(64, 0x42);
    zelk::test::writeBytes(folder.file("garbage.png"), garbage);

    EXPECT_EQ(Texture2DList::loadTexture(folder.file("garbage.png").c_str(), GL_LINEAR), 0u);
    expectNothingListed();
    EXPECT_EQ(Texture2DList::loadTexture(folder.file("missing.png").c_str(), GL_LINEAR), 0u);
    expectNothingListed();
    EXPECT_EQ(Texture2DList::loadTexture(static_cast<char*>(nullptr), GL_LINEAR), 0u);
    EXPECT_EQ(
        Texture2DList::loadTextureFromMemory("garbage", garbage.data(), sizeOf(garbage), GL_LINEAR),
        0u);
    expectNothingListed();

    // The arguments are refused before anything is decoded.
    EXPECT_EQ(Texture2DList::loadTextureFromMemory(static_cast<char*>(nullptr), png.data(),
                                                   sizeOf(png), GL_LINEAR),
              0u);
    EXPECT_EQ(Texture2DList::loadTextureFromMemory("ramp", nullptr, sizeOf(png), GL_LINEAR), 0u);
    EXPECT_EQ(Texture2DList::loadTextureFromMemory("ramp", png.data(), 0, GL_LINEAR), 0u);

    // An empty name cannot be a key: the decoded texture is not kept.
    GLuint before = 0;
    glGenTextures(1, &before);
    EXPECT_EQ(Texture2DList::loadTextureFromMemory("", png.data(), sizeOf(png), GL_LINEAR), 0u);
    expectNothingListed();
    GLuint after = 0;
    glGenTextures(1, &after);
    for (GLuint name = before + 1; name < after; ++name) {
        EXPECT_FALSE(glIsTexture(name)) << name;
    }
    glDeleteTextures(1, &before);
    glDeleteTextures(1, &after);
}

TEST_F(TextureListTest, CodeZeroAndUnlistedKeysAnswerNothing) {
    EXPECT_FALSE(Texture2DList::removeTexture(0u));
    EXPECT_FALSE(Texture2DList::deleteTexture(0u));
    EXPECT_FALSE(Texture2DList::removeTexture(static_cast<char*>(nullptr), GL_LINEAR));
    EXPECT_FALSE(Texture2DList::deleteTexture(static_cast<const char*>(nullptr), GL_LINEAR));
    EXPECT_FALSE(Texture2DList::haveTexture(0u));
    EXPECT_FALSE(Texture2DList::haveTexture("nothing", GL_LINEAR));

    EXPECT_EQ(Texture2DList::getTextureSize(12345u), size2ui32(1u, 1u));
    EXPECT_EQ(Texture2DList::getTextureSize("nothing", GL_LINEAR), size2ui32(1u, 1u));
    EXPECT_EQ(Texture2DList::getTextureWidth(0u), 1u);
    EXPECT_EQ(Texture2DList::getTextureHeight("nothing", GL_LINEAR), 1u);
    EXPECT_EQ(Texture2DList::getTextureFilter(12345u), 0u);
    EXPECT_EQ(Texture2DList::getTextureName(12345u), nullptr);
}

TEST_F(TextureListTest, MemoryImagesAreSharedByNameWithoutDecodingAgain) {
    unsigned int code =
        Texture2DList::loadTextureFromMemory("ramp", png.data(), sizeOf(png), GL_LINEAR);
    ASSERT_NE(code, 0u);
    EXPECT_STREQ(Texture2DList::getTextureName(code), "ramp");
    EXPECT_EQ(zelk::test::readTexture(code, GL_RGBA), pixels);

    Bytes garbage(64, 0x42);
    EXPECT_EQ(
        Texture2DList::loadTextureFromMemory("ramp", garbage.data(), sizeOf(garbage), GL_LINEAR),
        code);
    EXPECT_EQ(TextureListProbe::uses(code), 2u);

    // A JPEG in memory is listed as well.
    Bytes rgb = zelk::test::gradient(6, 2, 3);
    Bytes jpeg = zelk::test::encodeJPEG(rgb, 6, 2, 3);
    unsigned int fromJPEG =
        Texture2DList::loadTextureFromMemory("ramp.jpg", jpeg.data(), sizeOf(jpeg), GL_LINEAR);
    ASSERT_NE(fromJPEG, 0u);
    EXPECT_EQ(Texture2DList::getTextureSize("ramp.jpg", GL_LINEAR), size2ui32(6u, 2u));

    Texture2DList::deleteAllTextures();
    EXPECT_FALSE(glIsTexture(code));
    EXPECT_FALSE(glIsTexture(fromJPEG));
}

TEST_F(TextureListTest, NamesOfEveryByteAreFoundAgain) {
    // Equal filters, so the names alone order the entries; several use bytes
    // above 0x7F, which sort below the plain ones.
    std::vector<std::string> names = {"m.png",    "\xC3\xA9t\xC3\xA9.png", "a.png", "\xFF", "z.png",
                                      "\x80.png", "m.png\xC3\xA9",         "M.png"};
    std::vector<unsigned int> codes;
    for (const std::string& name : names) {
        codes.push_back(
            Texture2DList::loadTextureFromMemory(name.c_str(), png.data(), sizeOf(png), GL_LINEAR));
        ASSERT_NE(codes.back(), 0u) << name;
    }
    EXPECT_EQ(TextureListProbe::byCode(), names.size());
    EXPECT_EQ(TextureListProbe::byName(), names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_STREQ(Texture2DList::getTextureName(codes[i]), names[i].c_str());
        EXPECT_TRUE(Texture2DList::haveTexture(names[i].c_str(), GL_LINEAR)) << names[i];
        EXPECT_EQ(Texture2DList::loadTextureFromMemory(names[i].c_str(), png.data(), sizeOf(png),
                                                       GL_LINEAR),
                  codes[i]);
        EXPECT_EQ(TextureListProbe::uses(codes[i]), 2u);
    }

    // A file whose own name has such bytes loads from the disk by that name.
    std::string accented = folder.file("d\xC3\xA9j\xC3\xA0.png");
    ASSERT_FALSE(zelk::test::writePNG(accented, 5, 3, pixels).empty());
    unsigned int fromFile = Texture2DList::loadTexture(accented.c_str(), GL_LINEAR);
    ASSERT_NE(fromFile, 0u);
    EXPECT_STREQ(Texture2DList::getTextureName(fromFile), accented.c_str());

    // Removing from the middle of the trees keeps the others reachable.
    EXPECT_TRUE(Texture2DList::deleteTexture(names[0].c_str(), GL_LINEAR));
    EXPECT_TRUE(Texture2DList::deleteTexture(codes[3]));
    for (size_t i = 1; i < names.size(); ++i) {
        EXPECT_EQ(Texture2DList::haveTexture(names[i].c_str(), GL_LINEAR), i != 3) << names[i];
    }

    Texture2DList::deleteAllTextures();
    expectNothingListed();
    for (unsigned int code : codes) {
        EXPECT_FALSE(glIsTexture(code));
    }
    EXPECT_FALSE(glIsTexture(fromFile));
}

} // namespace
