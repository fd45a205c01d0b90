#include "zelk/File.h"
#include "zelk/Image2D.h"
#include "zelk/codecs/DecoderJPEG.h"

#include "support/ImageSupport.h"
#include "support/TestSupport.h"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <jpeglib.h>
#include <string>

using zelk::Image2D;
using zelk::size2ui32;
using zelk::test::Bytes;
using zelk::test::encodeJPEG;
using zelk::test::gradient;
using zelk::test::readBytes;
using zelk::test::sizeOf;
using zelk::test::TempDir;
using zelk::test::writeBytes;

namespace {

void expectEmpty(const Image2D& image) {
    EXPECT_FALSE(image.haveImage());
    EXPECT_EQ(image.getPixels(), nullptr);
    EXPECT_EQ(image.getChannels(), 0);
    EXPECT_EQ(image.getSize(), size2ui32(0u, 0u));
}

// A four-component (CMYK) JPEG, written with libjpeg directly since the
// engine's encoder takes only grey and RGB.
Bytes cmykJPEG(unsigned int width, unsigned int height) {
    Bytes pixels = gradient(width, height, 4);
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* stream = nullptr;
    unsigned long streamSize = 0;
    jpeg_mem_dest(&info, &stream, &streamSize);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < height) {
        JSAMPROW row = pixels.data() + std::size_t(info.next_scanline) * width * 4;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes jpeg(stream, stream + streamSize);
    std::free(stream);
    return jpeg;
}

// A BMP stream, written through SFML into a file of the folder.
Bytes bmpStream(const TempDir& dir) {
    sf::Image image;
    image.create(3, 2, sf::Color(10, 20, 30));
    std::string path = dir.file("made.bmp");
    EXPECT_TRUE(image.saveToFile(path));
    return readBytes(path);
}

} // namespace

TEST(Image2D, FreshImagesAndNewImage) {
    Image2D image;
    EXPECT_EQ(image.getSize(), size2ui32(1u, 1u));
    EXPECT_FALSE(image.haveImage());
    EXPECT_FALSE(image.haveName());
    EXPECT_FALSE(image.haveFileName());

    ASSERT_TRUE(image.newImage("tile", 7, 5, 3));
    EXPECT_TRUE(image.haveImage());
    EXPECT_STREQ(image.getName(), "tile");
    EXPECT_EQ(image.name(), image.getName());
    EXPECT_EQ(image.width(), 7u);
    EXPECT_EQ(image.getHeight(), 5u);
    EXPECT_EQ(image.getChannels(), 3);

    ASSERT_TRUE(image.newImage("grey", size2ui32(2u, 2u), 1));
    EXPECT_EQ(image.getSize(), size2ui32(2u, 2u));

    for (unsigned char channels : {0, 5}) {
        EXPECT_FALSE(image.newImage("a", 2, 2, channels));
        expectEmpty(image);
        EXPECT_FALSE(image.haveName());
    }
    EXPECT_FALSE(image.newImage("a", 0, 2, 3));
    EXPECT_FALSE(image.newImage("a", 2, 0, 3));
    EXPECT_FALSE(image.newImage("", 2, 2, 3));
    EXPECT_FALSE(image.newImage(static_cast<char*>(nullptr), 2, 2, 3));
    // More bytes than a 32-bit count holds.
    EXPECT_FALSE(image.newImage("huge", 65536, 65536, 4));
    expectEmpty(image);
    EXPECT_FALSE(image.haveName());
}

TEST(Image2D, NamesDrawAndDelete) {
    Image2D image;
    EXPECT_FALSE(image.setName(static_cast<char*>(nullptr)));
    EXPECT_FALSE(image.setName(""));
    EXPECT_TRUE(image.setName("n"));
    EXPECT_TRUE(image.setFileName("dir/n.png"));
    EXPECT_STREQ(image.fileName(), "dir/n.png");
    EXPECT_FALSE(image.setFileName(static_cast<char*>(nullptr)));
    EXPECT_FALSE(image.haveFileName());
    image.deleteName();
    EXPECT_EQ(image.getName(), nullptr);

    unsigned char data[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_FALSE(image.draw(data)) << "no image yet";
    ASSERT_TRUE(image.newImage("n", 2, 2, 3));
    EXPECT_FALSE(image.draw(nullptr));
    ASSERT_TRUE(image.draw(data));
    EXPECT_EQ(std::memcmp(image.getPixels(), data, 12), 0);

    image.deleteImage();
    expectEmpty(image);
    EXPECT_FALSE(image.haveName());
}

// The texts handed in may be the image's own, which the operation replaces.
TEST(Image2D, NamesTakenFromTheImageItself) {
    Image2D image;
    ASSERT_TRUE(image.newImage("tile", 4, 4, 3));
    EXPECT_TRUE(image.setName(image.getName()));
    EXPECT_STREQ(image.getName(), "tile");

    ASSERT_TRUE(image.newImage(image.getName(), 2, 3, 1));
    EXPECT_STREQ(image.getName(), "tile");
    EXPECT_EQ(image.getSize(), size2ui32(2u, 3u));
    EXPECT_EQ(image.getChannels(), 1);

    ASSERT_TRUE(image.setFileName("dir/tile.png"));
    EXPECT_TRUE(image.setFileName(image.getFileName()));
    EXPECT_STREQ(image.getFileName(), "dir/tile.png");
}

// Each stream in a heap block of just the bytes the type needs, so that a
// read beyond them shows under AddressSanitizer.
uint8_t streamTypeOf(std::initializer_list<unsigned char> bytes) {
    unsigned char* block = new unsigned char[bytes.size()];
    std::copy(bytes.begin(), bytes.end(), block);
    uint8_t type = Image2D::getStreamType(block);
    delete[] block;
    return type;
}

TEST(Image2D, StreamTypeOfUnmeasuredDataReadsOnlyTheBytesThatDecide) {
    EXPECT_EQ(streamTypeOf({0xFF, 0xD8}), 33);
    EXPECT_EQ(streamTypeOf({0xFF, 0xD8, 0xFF, 0xE0, 0x00}), 33);
    EXPECT_EQ(streamTypeOf({0xFF, 0xD8, 0x00, 0x00}), 33);
    EXPECT_EQ(streamTypeOf({0x89, 'P', 'N', 'G'}), 34);
    EXPECT_EQ(streamTypeOf({0xFF, 0xD9}), 0);
    EXPECT_EQ(streamTypeOf({0x89, 'P', 'N', 'g'}), 0);
    EXPECT_EQ(streamTypeOf({'G', 'I', 'F', '8', '9', 'a'}), 0);
    EXPECT_EQ(streamTypeOf({'B', 'M', 0x36, 0x00}), 0);
    EXPECT_EQ(Image2D::getStreamType(nullptr), 0);
}

TEST(Image2D, StreamTypesReadNoFurtherThanTheData) {
    Bytes jpeg = {0xFF, 0xD8, 0x00};
    Bytes png = {0x89, 'P', 'N', 'G'};
    Bytes endMarker = {0xFF, 0xD9, 0xFF, 0xD8};
    Bytes gif = {'G', 'I', 'F', '8', '9', 'a'};
    EXPECT_EQ(Image2D::getStreamType(jpeg.data(), 2), 33);
    EXPECT_EQ(Image2D::getStreamType(jpeg.data(), 3), 33);
    EXPECT_EQ(Image2D::getStreamType(png.data(), 4), 34);
    EXPECT_EQ(Image2D::getStreamType(png.data(), 3), 0);
    EXPECT_EQ(Image2D::getStreamType(endMarker.data(), 4), 0);
    EXPECT_EQ(Image2D::getStreamType(gif.data(), 6), 0);
    EXPECT_EQ(Image2D::getStreamType(nullptr, 4), 0);
    // Heap blocks of the exact length, so that a read beyond them shows under
    // AddressSanitizer.
    unsigned char* one = new unsigned char[1]{0xFF};
    EXPECT_EQ(Image2D::getStreamType(one, 1), 0);
    delete[] one;
    unsigned char* three = new unsigned char[3]{0x89, 'P', 'N'};
    EXPECT_EQ(Image2D::getStreamType(three, 3), 0);
    delete[] three;
}

TEST(Image2D, LoadsJPEGAsGreyOrColourAndAnythingAsRGBA) {
    Image2D image;
    for (unsigned char channels : {3, 1}) {
        Bytes pixels = gradient(9, 6, channels);
        Bytes jpeg = encodeJPEG(pixels, 9, 6, channels);
        ASSERT_TRUE(image.loadFromMemory(jpeg.data(), sizeOf(jpeg)));
        EXPECT_EQ(image.getSize(), size2ui32(9u, 6u));
        ASSERT_EQ(image.getChannels(), channels);
        EXPECT_LE(zelk::test::largestDifference(image.getPixels(), pixels.data(), pixels.size()), 6)
            << int(channels);
        EXPECT_FALSE(image.haveName());

        ASSERT_TRUE(image.loadFromMemoryToRGBA(jpeg.data(), sizeOf(jpeg)));
        EXPECT_EQ(image.getChannels(), 4);
        EXPECT_EQ(image.getSize(), size2ui32(9u, 6u));
    }

    TempDir dir;
    Bytes bmp = bmpStream(dir);
    EXPECT_FALSE(image.loadFromMemory(bmp.data(), sizeOf(bmp)));
    expectEmpty(image);
    ASSERT_TRUE(image.loadFromMemoryToRGBA(bmp.data(), sizeOf(bmp)));
    EXPECT_EQ(image.getSize(), size2ui32(3u, 2u));
    EXPECT_EQ(image.getChannels(), 4);
    EXPECT_EQ(image.getPixels()[0], 10);
    EXPECT_EQ(image.getPixels()[3], 255);

    EXPECT_FALSE(image.loadFromMemoryToRGBA(nullptr, 10));
    expectEmpty(image);
}

TEST(Image2D, RefusesCMYKJPEG) {
    Bytes jpeg = cmykJPEG(8, 8);
    zelk::codecs::DecoderJPEG decoder;
    ASSERT_TRUE(decoder.decode(jpeg.data(), sizeOf(jpeg)));
    ASSERT_EQ(decoder.getFrameChannels(), 4u) << "the stream itself decodes";
    Image2D image;
    EXPECT_FALSE(image.loadFromMemory(jpeg.data(), sizeOf(jpeg)));
    expectEmpty(image);
}

TEST(Image2D, DamagedJPEGInMemoryAndOnDiskLeavesTheImageEmpty) {
    Bytes jpeg = encodeJPEG(gradient(16, 16, 3), 16, 16, 3);
    Bytes truncated(jpeg.begin(), jpeg.begin() + jpeg.size() * 2 / 3);
    Bytes huge = jpeg;
    std::size_t at = zelk::test::frameHeightOffset(huge);
    ASSERT_NE(at, 0u);
    huge[at] = huge[at + 2] = 0xFF;
    huge[at + 1] = huge[at + 3] = 0xDC;
    Bytes corrupt = jpeg;
    std::memset(corrupt.data() + 4, 0x5A, 40);

    TempDir dir;
    int index = 0;
    for (const Bytes& bad : {truncated, huge, corrupt}) {
        Image2D image;
        ASSERT_TRUE(image.loadFromMemory(jpeg.data(), sizeOf(jpeg)));
        EXPECT_FALSE(image.loadFromMemory(const_cast<unsigned char*>(bad.data()), sizeOf(bad)))
            << "case " << index;
        expectEmpty(image);

        std::string path = dir.file("bad" + std::to_string(index++) + ".jpg");
        writeBytes(path, bad);
        ASSERT_TRUE(image.loadFromMemory(jpeg.data(), sizeOf(jpeg)));
        EXPECT_FALSE(image.loadFromFile(path.c_str()));
        expectEmpty(image);
        Image2D constructed(path.c_str());
        expectEmpty(constructed);
    }
}

TEST(Image2D, PathsThatAreNotImageFilesAnswerFalse) {
    TempDir dir;
    std::string empty = dir.file("empty.png");
    writeBytes(empty, Bytes());
    for (const std::string& path :
         {dir.path(), std::string("/dev/zero"), dir.file("missing.png"), empty}) {
        Image2D image;
        EXPECT_FALSE(image.loadFromFile(path.c_str())) << path;
        expectEmpty(image);
        EXPECT_FALSE(image.loadFromFileToRGBA(path.c_str())) << path;
        expectEmpty(image);
    }
    Image2D image;
    EXPECT_FALSE(image.loadFromFile(static_cast<char*>(nullptr)));
}

TEST(Image2D, SavesJPEGUnderItsNameAndLoadsItBack) {
    TempDir dir;
    std::string name = dir.file("a");
    for (unsigned char channels : {3, 1}) {
        Bytes pixels = gradient(7, 5, channels);
        Image2D image;
        ASSERT_TRUE(image.newImage(name.c_str(), 7, 5, channels));
        ASSERT_TRUE(image.draw(pixels.data()));
        ASSERT_TRUE(image.saveToFile(static_cast<char*>(nullptr)));

        Image2D loaded((name + ".jpg").c_str());
        ASSERT_EQ(loaded.getSize(), size2ui32(7u, 5u));
        ASSERT_EQ(loaded.getChannels(), channels);
        EXPECT_LE(zelk::test::largestDifference(loaded.getPixels(), pixels.data(), pixels.size()),
                  6)
            << int(channels);
        EXPECT_FALSE(loaded.saveToFile(static_cast<char*>(nullptr)))
            << "a loaded image has no name";

        ASSERT_TRUE(loaded.loadFromFileToRGBA((name + ".jpg").c_str()));
        EXPECT_EQ(loaded.getChannels(), 4);
    }

    // JPEG whatever the extension says.
    Image2D image;
    ASSERT_TRUE(image.newImage("b", 4, 4, 3));
    ASSERT_TRUE(image.draw(gradient(4, 4, 3).data()));
    std::string misnamed = dir.file("b.png");
    ASSERT_TRUE(image.saveToFile(misnamed.c_str()));
    Bytes written = readBytes(misnamed);
    ASSERT_GE(written.size(), 2u);
    EXPECT_EQ(Image2D::getStreamType(written.data(), sizeOf(written)), 33);
}

TEST(Image2D, FourChannelPNGRoundTripIsExact) {
    TempDir dir;
    Bytes pixels(13 * 11 * 4);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<unsigned char>(i * 37 + i / 5);
    Image2D image;
    ASSERT_TRUE(image.newImage("p", 13, 11, 4));
    ASSERT_TRUE(image.draw(pixels.data()));
    std::string path = dir.file("p.png");
    ASSERT_TRUE(image.saveToFile(path.c_str()));

    Image2D loaded;
    ASSERT_TRUE(loaded.loadFromFile(path.c_str()));
    ASSERT_EQ(loaded.getSize(), size2ui32(13u, 11u));
    ASSERT_EQ(loaded.getChannels(), 4);
    EXPECT_EQ(Bytes(loaded.getPixels(), loaded.getPixels() + pixels.size()), pixels);
}

TEST(Image2D, SavingNothingOrTwoChannelsWritesNothing) {
    TempDir dir;
    std::string path = dir.file("two.jpg");
    Image2D image;
    EXPECT_FALSE(image.saveToFile(path.c_str()));
    ASSERT_TRUE(image.newImage("two", 3, 3, 2));
    EXPECT_FALSE(image.saveToFile(path.c_str()));
    EXPECT_FALSE(zelk::File::fileExist(path.c_str()));
}
