#include <GL/glew.h>

#include "support/GLContext.h"
#include "support/ImageSupport.h"
#include "support/TestSupport.h"
#include "zelk/Texture2D.h"
#include "zelk/Texture2DFile.h"

#include <gtest/gtest.h>

#include <cstdint>

using zelk::size2ui32;
using zelk::Texture2D;
using zelk::Texture2DFile;
using zelk::uint32;
using zelk::test::Bytes;
using zelk::test::readTexture;
using zelk::test::sizeOf;
using zelk::test::TempDir;
using zelk::test::textureParameter;

namespace {

// Shows the format and filter a texture keeps.
struct ProbedTexture : Texture2D {
    uint32 getMode() const { return mode; }
    uint32 getFilter() const { return filter; }
};

// Three by two RGBA pixels, every byte different.
Bytes smallRGBA() {
    Bytes pixels(3 * 2 * 4);
    for (size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<unsigned char>(10 + 9 * i);
    }
    return pixels;
}

class TextureTest : public zelk::test::GLContextTest {};

TEST_F(TextureTest, CreateUploadsAndDeleteKeepsFormatAndFilter) {
    ProbedTexture texture;
    EXPECT_EQ(texture.getID(), 0u);
    EXPECT_EQ(texture.getSize(), size2ui32(1u, 1u));
    EXPECT_EQ(texture.getMode(), 0u);
    EXPECT_EQ(texture.getName(), nullptr);

    Bytes rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    ASSERT_TRUE(texture.createTexture(5, 1, GL_RGB, rgb.data(), GL_LINEAR));
    unsigned int first = texture.getID();
    EXPECT_NE(first, 0u);
    EXPECT_EQ(texture.textureID(), first);
    EXPECT_EQ(texture.getSize(), size2ui32(5u, 1u));
    EXPECT_EQ(texture.width(), 5u);
    EXPECT_EQ(texture.height(), 1u);
    EXPECT_EQ(texture.getMode(), unsigned(GL_RGB));
    EXPECT_EQ(readTexture(first, GL_RGB), rgb);

    // A new texture replaces the old one on the OpenGL side too.
    ASSERT_TRUE(texture.createTexture(2, 2, GL_LUMINANCE, rgb.data(), GL_NEAREST));
    EXPECT_FALSE(glIsTexture(first));
    EXPECT_EQ(readTexture(texture.getID(), GL_LUMINANCE), Bytes(rgb.begin(), rgb.begin() + 4));

    unsigned int second = texture.getID();
    texture.setName("kept until deleted");
    texture.deleteTexture();
    EXPECT_FALSE(glIsTexture(second));
    EXPECT_EQ(texture.getID(), 0u);
    EXPECT_EQ(texture.getSize(), size2ui32(0u, 0u));
    EXPECT_EQ(texture.getName(), nullptr);
    EXPECT_EQ(texture.getMode(), unsigned(GL_LUMINANCE));
    EXPECT_EQ(texture.getFilter(), unsigned(GL_NEAREST));
}

TEST_F(TextureTest, UnknownFormatMakesNothing) {
    ProbedTexture texture;
    Bytes alpha(4, 200);
    ASSERT_TRUE(texture.createTexture(2, 2, GL_RGBA, nullptr, GL_LINEAR));
    unsigned int previous = texture.getID();
    EXPECT_FALSE(texture.createTexture(2, 2, GL_ALPHA, alpha.data(), GL_LINEAR));
    EXPECT_FALSE(glIsTexture(previous));
    EXPECT_EQ(texture.getID(), 0u);
    EXPECT_EQ(texture.getSize(), size2ui32(0u, 0u));
}

TEST_F(TextureTest, DrawToTextureNeedsATextureAndStoresTheNewFilter) {
    ProbedTexture texture;
    Bytes pixels = smallRGBA();
    EXPECT_FALSE(texture.drawToTexture(pixels.data()));
    EXPECT_FALSE(texture.drawToTexture(pixels.data(), GL_NEAREST));
    EXPECT_EQ(texture.getFilter(), 0u);

    ASSERT_TRUE(texture.createTexture(3, 2, GL_RGBA, nullptr, GL_LINEAR));
    EXPECT_TRUE(texture.drawToTexture(pixels.data(), GL_NEAREST));
    EXPECT_EQ(texture.getFilter(), unsigned(GL_NEAREST));
    EXPECT_EQ(textureParameter(texture.getID(), GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(readTexture(texture.getID(), GL_RGBA), pixels);

    // Without a filter the stored one is used again.
    Bytes other(pixels.rbegin(), pixels.rend());
    EXPECT_TRUE(texture.drawToTexture(other.data()));
    EXPECT_EQ(textureParameter(texture.getID(), GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    EXPECT_EQ(readTexture(texture.getID(), GL_RGBA), other);
}

TEST_F(TextureTest, FileLoadsFromFileAndMemory) {
    TempDir folder;
    Bytes pixels = smallRGBA();
    Bytes png = zelk::test::writePNG(folder.file("small.png"), 3, 2, pixels);
    ASSERT_FALSE(png.empty());

    Texture2DFile texture("a name");
    EXPECT_STREQ(texture.getName(), "a name");
    EXPECT_EQ(texture.getID(), 0u);

    ASSERT_TRUE(texture.loadFromFile(folder.file("small.png").c_str(), GL_NEAREST));
    unsigned int fromFile = texture.getID();
    EXPECT_NE(fromFile, 0u);
    EXPECT_EQ(texture.getSize(), size2ui32(3u, 2u));
    // The image keeps no file name, so the texture ends without a name.
    EXPECT_EQ(texture.getName(), nullptr);
    EXPECT_EQ(readTexture(fromFile, GL_RGBA), pixels);
    EXPECT_EQ(textureParameter(fromFile, GL_TEXTURE_MIN_FILTER), GL_NEAREST);

    ASSERT_TRUE(texture.loadFromMemory(png.data(), sizeOf(png), GL_LINEAR));
    EXPECT_FALSE(glIsTexture(fromFile));
    EXPECT_EQ(readTexture(texture.getID(), GL_RGBA), pixels);
    EXPECT_EQ(textureParameter(texture.getID(), GL_TEXTURE_MIN_FILTER), GL_LINEAR);

    // A JPEG arrives as four channels too.
    Bytes grey = zelk::test::gradient(8, 4, 1);
    Bytes jpeg = zelk::test::encodeJPEG(grey, 8, 4, 1);
    ASSERT_TRUE(texture.loadFromMemory(jpeg.data(), sizeOf(jpeg), GL_LINEAR));
    Bytes read = readTexture(texture.getID(), GL_RGBA);
    ASSERT_EQ(read.size(), 8u * 4u * 4u);
    for (size_t pixel = 0; pixel < grey.size(); ++pixel) {
        EXPECT_NEAR(read[pixel * 4], grey[pixel], 3);
        EXPECT_EQ(read[pixel * 4 + 3], 255);
    }
}

// A texture named after its file loads that file through its own name, which
// the load releases first.
TEST_F(TextureTest, LoadsTheFileItsNameNames) {
    TempDir folder;
    Bytes pixels = smallRGBA();
    ASSERT_FALSE(zelk::test::writePNG(folder.file("small.png"), 3, 2, pixels).empty());

    Texture2DFile texture(folder.file("small.png").c_str());
    ASSERT_TRUE(texture.loadFromFile(texture.getName(), GL_NEAREST));
    EXPECT_EQ(texture.getSize(), size2ui32(3u, 2u));
    EXPECT_EQ(readTexture(texture.getID(), GL_RGBA), pixels);
}

TEST_F(TextureTest, FailedLoadsLeaveNoTexture) {
    TempDir folder;
    Bytes png = zelk::test::writePNG(folder.file("small.png"), 3, 2, smallRGBA());
    Bytes garbage(100, 0x5A);
    zelk::test::writeBytes(folder.file("garbage.png"), garbage);

    Texture2DFile texture;
    ASSERT_TRUE(texture.loadFromMemory(png.data(), sizeOf(png), GL_LINEAR));
    unsigned int previous = texture.getID();
    EXPECT_FALSE(texture.loadFromMemory(nullptr, sizeOf(png), GL_LINEAR));
    EXPECT_FALSE(glIsTexture(previous));
    EXPECT_EQ(texture.getSize(), size2ui32(0u, 0u));

    ASSERT_TRUE(texture.loadFromMemory(png.data(), sizeOf(png), GL_LINEAR));
    previous = texture.getID();
    EXPECT_FALSE(texture.loadFromMemory(png.data(), 0, GL_LINEAR));
    EXPECT_FALSE(glIsTexture(previous));

    EXPECT_FALSE(texture.loadFromMemory(garbage.data(), sizeOf(garbage), GL_LINEAR));
    EXPECT_FALSE(texture.loadFromFile(folder.file("garbage.png").c_str(), GL_LINEAR));
    EXPECT_FALSE(texture.loadFromFile(folder.file("missing.png").c_str(), GL_LINEAR));
    EXPECT_FALSE(texture.loadFromFile(static_cast<char*>(nullptr), GL_LINEAR));
    EXPECT_EQ(texture.getID(), 0u);
    EXPECT_EQ(texture.getSize(), size2ui32(0u, 0u));
}

// The code variables sit beside guard words: a write of a whole pointer into
// one of them would reach its guard.
struct Holders {
    uint32 first = 0;
    uint32 firstGuard = 0xA5A5A5A5u;
    uint32 second = 0;
    uint32 secondGuard = 0x5A5A5A5Au;
};

TEST_F(TextureTest, HoldersAreCodeVariablesAndTheLastReleaseDeletesTheTexture) {
    Bytes pixels = smallRGBA();
    Texture2D* texture = new Texture2D();
    ASSERT_TRUE(texture->createTexture(3, 2, GL_RGBA, pixels.data(), GL_LINEAR));
    unsigned int code = texture->getID();

    Holders holders;
    EXPECT_EQ(texture->retainObject(&holders.first), texture);
    EXPECT_EQ(texture->retainObject(&holders.second), texture);
    EXPECT_EQ(texture->retainObject(&holders.first), nullptr);
    EXPECT_EQ(texture->retainObject(nullptr), nullptr);
    EXPECT_EQ(holders.first, code);
    EXPECT_EQ(holders.second, code);

    EXPECT_TRUE(texture->releaseObject(&holders.first));
    EXPECT_EQ(holders.first, 0u);
    EXPECT_TRUE(glIsTexture(code));
    EXPECT_FALSE(texture->releaseObject(nullptr));

    // The last holder's release deletes the object and with it the texture.
    EXPECT_TRUE(texture->releaseObject(&holders.second));
    EXPECT_EQ(holders.second, 0u);
    EXPECT_FALSE(glIsTexture(code));
    EXPECT_EQ(holders.firstGuard, 0xA5A5A5A5u);
    EXPECT_EQ(holders.secondGuard, 0x5A5A5A5Au);
}

TEST_F(TextureTest, DestroyingATextureClearsItsHoldersOnly) {
    TempDir folder;
    Bytes png = zelk::test::writePNG(folder.file("small.png"), 3, 2, smallRGBA());
    Holders holders;
    unsigned int code = 0;
    {
        Texture2DFile texture;
        ASSERT_TRUE(texture.loadFromMemory(png.data(), sizeOf(png), GL_LINEAR));
        code = texture.getID();
        texture.retainObject(&holders.first);
        texture.retainObject(&holders.second);
        EXPECT_EQ(holders.second, code);
    }
    EXPECT_FALSE(glIsTexture(code));
    EXPECT_EQ(holders.first, 0u);
    EXPECT_EQ(holders.second, 0u);
    EXPECT_EQ(holders.firstGuard, 0xA5A5A5A5u);
    EXPECT_EQ(holders.secondGuard, 0x5A5A5A5Au);

    {
        Texture2D plain;
        ASSERT_TRUE(plain.createTexture(1, 1, GL_RGB, nullptr, GL_LINEAR));
        plain.retainObject(&holders.first);
    }
    EXPECT_EQ(holders.first, 0u);
    EXPECT_EQ(holders.firstGuard, 0xA5A5A5A5u);
}

} // namespace
