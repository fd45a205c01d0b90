#include "zelk/Image2D.h"
#include "zelk/OpenLamp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using zelk::color3ui8;
using zelk::Image2D;
using zelk::OpenLamp;
using zelk::size2ui32;

namespace {

// An image of one value in every byte.
void fill(Image2D& image, unsigned int width, unsigned int height, unsigned char channels,
          unsigned char value) {
    ASSERT_TRUE(image.newImage("source", width, height, channels));
    std::memset(image.getPixels(), value, std::size_t(width) * height * channels);
}

void expectEveryPixel(const Image2D& map, unsigned char r, unsigned char g, unsigned char b) {
    ASSERT_TRUE(map.haveImage());
    ASSERT_EQ(map.getChannels(), 3);
    for (unsigned int i = 0; i < map.getWidth() * map.getHeight(); ++i) {
        ASSERT_EQ(map.getPixels()[i * 3], r) << "pixel " << i;
        ASSERT_EQ(map.getPixels()[i * 3 + 1], g) << "pixel " << i;
        ASSERT_EQ(map.getPixels()[i * 3 + 2], b) << "pixel " << i;
    }
}

} // namespace

TEST(OpenLamp, PixelTilts) {
    color3ui8 flat = OpenLamp::pixelToNormal(90, 90, 40, 40, 77);
    EXPECT_EQ(flat.r, 127);
    EXPECT_EQ(flat.g, 127);
    EXPECT_EQ(flat.b, 77);

    // A full difference tilts by 90 degrees: sin 90 x 127 + 127.
    EXPECT_EQ(OpenLamp::pixelToNormal(255, 0, 9, 9, 0).g, 254);
    EXPECT_EQ(OpenLamp::pixelToNormal(0, 255, 9, 9, 0).g, 0);
    EXPECT_EQ(OpenLamp::pixelToNormal(9, 9, 0, 255, 0).r, 254);
    EXPECT_EQ(OpenLamp::pixelToNormal(9, 9, 255, 0, 0).r, 0);
    // 72 / 255 x 90 = 25.4 gives 25 degrees; sin 25 x 127 + 127 = 180.7.
    EXPECT_EQ(OpenLamp::pixelToNormal(200, 128, 9, 9, 0).g, 180);
    // -72 gives -25 degrees: 127 - 53.7 = 73.3.
    EXPECT_EQ(OpenLamp::pixelToNormal(9, 9, 200, 128, 0).r, 73);
}

TEST(OpenLamp, BlueFromTheTiltsIs255WhenFlatAndFallsWithTheTilt) {
    color3ui8 flat = OpenLamp::pixelToNormal(5, 5, 200, 200);
    EXPECT_EQ(flat.r, 127);
    EXPECT_EQ(flat.g, 127);
    EXPECT_EQ(flat.b, 255);
    // Half way between cos 90 = 0 and cos 0 = 1, scaled by 128, plus 127.
    EXPECT_EQ(OpenLamp::pixelToNormal(255, 0, 9, 9).b, 191);
    EXPECT_EQ(OpenLamp::pixelToNormal(9, 9, 0, 255).b, 191);
    EXPECT_EQ(OpenLamp::pixelToNormal(255, 0, 0, 255).b, 127);
    unsigned char gentle = OpenLamp::pixelToNormal(150, 128, 9, 9).b;
    EXPECT_GT(gentle, 191);
    EXPECT_LT(gentle, 255);
}

TEST(OpenLamp, EqualImagesGiveAFlatMap) {
    Image2D first, second, third, fourth, fifth, map;
    fill(first, 4, 3, 1, 100);
    fill(second, 4, 3, 3, 100);
    fill(third, 4, 3, 4, 100);
    fill(fourth, 4, 3, 1, 100);
    fill(fifth, 4, 3, 3, 42);
    ASSERT_TRUE(OpenLamp::imageToNormal(&first, &second, &third, &fourth, &fifth, &map));
    EXPECT_STREQ(map.getName(), "normalMap");
    EXPECT_EQ(map.getSize(), size2ui32(4u, 3u));
    expectEveryPixel(map, 127, 127, 42);

    ASSERT_TRUE(OpenLamp::imageToNormal(&first, &second, &third, &fourth, nullptr, &map));
    expectEveryPixel(map, 127, 127, 255);
}

TEST(OpenLamp, MissingOrMismatchedSourcesCountAs128) {
    Image2D first, small, third, fourth, map;
    fill(first, 5, 2, 1, 200);
    fill(small, 4, 2, 1, 0);
    fill(third, 5, 2, 3, 128);
    fill(fourth, 5, 2, 1, 128);
    ASSERT_TRUE(OpenLamp::imageToNormal(&first, nullptr, &third, &fourth, nullptr, &map));
    unsigned char green = OpenLamp::pixelToNormal(200, 128, 128, 128).g;
    unsigned char blue = OpenLamp::pixelToNormal(200, 128, 128, 128).b;
    EXPECT_EQ(green, 180);
    expectEveryPixel(map, 127, green, blue);

    ASSERT_TRUE(OpenLamp::imageToNormal(&first, &small, &third, &fourth, nullptr, &map));
    expectEveryPixel(map, 127, green, blue);

    ASSERT_TRUE(OpenLamp::imageToNormal(&first, nullptr, nullptr, &fourth, nullptr, &map));
    expectEveryPixel(map, 127, green, blue);
}

TEST(OpenLamp, ReadsTheFirstByteOfEachSourcePixel) {
    // Two pixels of three channels: only bytes 0 and 3 count.
    unsigned char first[6] = {255, 1, 2, 0, 3, 4};
    unsigned char second[2] = {0, 255};
    unsigned char fourth[2] = {128, 128};
    unsigned char out[6] = {};
    ASSERT_TRUE(
        OpenLamp::vectorToNormal(first, 3, second, 1, nullptr, 0, fourth, 1, nullptr, 0, out, 2));
    EXPECT_EQ(out[0], 127);
    EXPECT_EQ(out[1], 254);
    EXPECT_EQ(out[3], 127);
    EXPECT_EQ(out[4], 0);
}

TEST(OpenLamp, IncompleteInputsWriteNothing) {
    Image2D first, second, map;
    fill(first, 3, 3, 1, 10);
    fill(second, 3, 3, 1, 250);

    ASSERT_TRUE(map.newImage("old", 2, 2, 3));
    EXPECT_FALSE(OpenLamp::imageToNormal(nullptr, &second, &second, nullptr, nullptr, &map));
    EXPECT_FALSE(map.haveImage());
    EXPECT_EQ(map.getSize(), size2ui32(0u, 0u));

    // Without the third and fourth images the map is made, cleared and left.
    EXPECT_FALSE(OpenLamp::imageToNormal(&first, &second, nullptr, nullptr, nullptr, &map));
    ASSERT_EQ(map.getSize(), size2ui32(3u, 3u));
    expectEveryPixel(map, 0, 0, 0);

    unsigned char bytes[3] = {1, 2, 3};
    unsigned char out[3] = {9, 9, 9};
    EXPECT_FALSE(
        OpenLamp::vectorToNormal(bytes, 1, bytes, 1, nullptr, 0, bytes, 0, nullptr, 0, out, 3));
    EXPECT_FALSE(
        OpenLamp::vectorToNormal(bytes, 1, nullptr, 0, bytes, 1, nullptr, 0, nullptr, 0, out, 0));
    EXPECT_FALSE(OpenLamp::vectorToNormal(bytes, 1, nullptr, 0, bytes, 1, nullptr, 0, nullptr, 0,
                                          nullptr, 1));
    EXPECT_EQ(out[0], 9);
}

TEST(OpenLamp, RefusesAMissingOrSharedOutput) {
    Image2D first, second;
    fill(first, 2, 2, 1, 60);
    fill(second, 2, 2, 1, 30);
    EXPECT_FALSE(OpenLamp::imageToNormal(&first, &second, &first, &second, nullptr, nullptr));
    EXPECT_FALSE(OpenLamp::imageToNormal(&first, &second, &first, &second, nullptr, &second));
    ASSERT_TRUE(second.haveImage()) << "a source is never emptied";
    EXPECT_EQ(second.getPixels()[0], 30);

    std::vector<unsigned char> shared(12, 50);
    EXPECT_FALSE(OpenLamp::vectorToNormal(shared.data(), 1, nullptr, 0, shared.data() + 2, 1,
                                          nullptr, 0, nullptr, 0, shared.data() + 1, 3));
    EXPECT_EQ(shared, std::vector<unsigned char>(12, 50));
}
