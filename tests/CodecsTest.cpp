#include "zelk/codecs/CodecImage.h"
#include "zelk/codecs/DecoderJPEG.h"
#include "zelk/codecs/EncoderJPEG.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using zelk::size2ui32;
using zelk::codecs::CodecImage;
using zelk::codecs::DecoderJPEG;
using zelk::codecs::EncoderJPEG;

namespace {

// A smooth gradient, so that JPEG keeps every byte close to the original.
std::vector<unsigned char> gradient(unsigned int width, unsigned int height,
                                    unsigned int channels) {
    std::vector<unsigned char> pixels(std::size_t(width) * height * channels);
    for (unsigned int y = 0; y < height; ++y)
        for (unsigned int x = 0; x < width; ++x)
            for (unsigned int c = 0; c < channels; ++c)
                pixels[(std::size_t(y) * width + x) * channels + c] =
                    static_cast<unsigned char>(30 + (c == 1 ? width - x : x) * 120 / width +
                                               (c == 2 ? 2 * y : y) * 50 / height);
    return pixels;
}

std::vector<unsigned char> encodeJPEG(const std::vector<unsigned char>& pixels, unsigned int width,
                                      unsigned int height, unsigned char channels) {
    EncoderJPEG encoder;
    EXPECT_TRUE(encoder.encode(pixels.data(), width, height, channels, 100));
    return std::vector<unsigned char>(encoder.getEncoded(),
                                      encoder.getEncoded() + encoder.getEncodedSize());
}

// The offset of the start-of-frame marker's height field.
std::size_t frameHeaderSizeOffset(const std::vector<unsigned char>& jpeg) {
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0)
            return i + 5;
    ADD_FAILURE() << "no start-of-frame marker";
    return 0;
}

// An encoder that also hands its buffer over, as the codec base allows.
class TakingEncoder : public EncoderJPEG {
public:
    using EncoderJPEG::cleanEncoded;
};

} // namespace

TEST(CodecImage, FramesAndEncodedBuffers) {
    CodecImage codec;
    EXPECT_EQ(codec.getQuality(), 0u);
    EXPECT_EQ(codec.getFrame(), nullptr);
    EXPECT_EQ(codec.getFrameWidth(), 0u);

    ASSERT_TRUE(codec.newFrame(7, 5, 3));
    unsigned char* frame = codec.getFrame();
    EXPECT_EQ(codec.getFrameVectorSize(), 105u);
    EXPECT_EQ(codec.getFrameChannels(), 3u);
    EXPECT_TRUE(codec.newFrame(size2ui32(7u, 5u), 3));
    EXPECT_EQ(codec.getFrame(), frame) << "a frame of the same shape is kept";
    EXPECT_FALSE(codec.newFrame(7, 0, 3));
    EXPECT_EQ(codec.getFrame(), nullptr);
    EXPECT_EQ(codec.getFrameVectorSize(), 0u);

    ASSERT_TRUE(codec.newFrame(2, 2, 1));
    unsigned char* taken = codec.cleanFrame();
    EXPECT_NE(taken, nullptr);
    EXPECT_EQ(codec.getFrame(), nullptr);
    EXPECT_EQ(codec.getFrameSize(), size2ui32(0u, 0u));
    delete[] taken;

    EXPECT_FALSE(codec.newFrameEncoded(0));
    ASSERT_TRUE(codec.newFrameEncoded(16));
    unsigned char* encoded = codec.getEncoded();
    EXPECT_TRUE(codec.newFrameEncoded(16));
    EXPECT_EQ(codec.getEncoded(), encoded);
    ASSERT_TRUE(codec.newFrame(1, 1, 1));
    delete[] codec.cleanEncoded();
    EXPECT_EQ(codec.getEncodedSize(), 0u);
    EXPECT_NE(codec.getFrame(), nullptr) << "handing the encoded buffer over keeps the frame";
    EXPECT_EQ(*codec.getEncodedPosition(), nullptr);
    EXPECT_EQ(codec.getEncodedSizePosition(), codec.getEncodedSizePosition());

    EXPECT_FALSE(codec.setQuality(0));
    EXPECT_EQ(codec.getQuality(), 1u);
    EXPECT_TRUE(codec.setQuality(80));
    EXPECT_EQ(codec.getQuality(), 80u);
}

TEST(CodecImage, DrawFrameCopiesAndRefusesWhatDoesNotFitACount) {
    CodecImage codec;
    std::vector<unsigned char> pixels = gradient(3, 2, 2);
    ASSERT_TRUE(codec.drawFrame(pixels.data(), 3, 2, 2));
    EXPECT_EQ(std::vector<unsigned char>(codec.getFrame(), codec.getFrame() + 12), pixels);
    EXPECT_FALSE(codec.drawFrame(nullptr, 3, 2, 2));
    EXPECT_FALSE(codec.drawFrame(pixels.data(), 0, 2, 2));

    // 65536 x 65536 x 1 is one more than a 32-bit count; 65500 x 21858 x 3
    // would wrap to about 130 KB in 32-bit arithmetic.
    EXPECT_FALSE(codec.newFrame(65536, 65536, 1));
    EXPECT_FALSE(codec.newFrame(65500, 21858, 3));
    EXPECT_EQ(codec.getFrame(), nullptr);
    EXPECT_EQ(codec.getFrameVectorSize(), 0u);
}

TEST(JPEG, ColourAndGreyRoundTripsStayWithinTolerance) {
    for (unsigned char channels : {3, 1}) {
        std::vector<unsigned char> pixels = gradient(37, 21, channels);
        std::vector<unsigned char> jpeg = encodeJPEG(pixels, 37, 21, channels);
        ASSERT_GT(jpeg.size(), 2u);
        EXPECT_EQ(jpeg[0], 0xFF);
        EXPECT_EQ(jpeg[1], 0xD8);

        DecoderJPEG decoder;
        ASSERT_TRUE(decoder.decode(jpeg.data(), static_cast<unsigned int>(jpeg.size())));
        ASSERT_EQ(decoder.getFrameWidth(), 37u);
        ASSERT_EQ(decoder.getFrameHeight(), 21u);
        ASSERT_EQ(decoder.getFrameChannels(), channels);
        int worst = 0;
        for (std::size_t i = 0; i < pixels.size(); ++i)
            worst = std::max(worst, std::abs(int(decoder.getFrame()[i]) - int(pixels[i])));
        EXPECT_LE(worst, 8) << int(channels) << " channels";
    }
}

TEST(JPEG, DecoderFrameIsHandedOverByCleanFrame) {
    std::vector<unsigned char> jpeg = encodeJPEG(gradient(8, 8, 3), 8, 8, 3);
    const unsigned char* constData = jpeg.data();
    DecoderJPEG decoder;
    ASSERT_TRUE(decoder.decode(constData, static_cast<unsigned int>(jpeg.size())));
    unsigned char* frame = decoder.cleanFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(decoder.getFrame(), nullptr);
    delete[] frame;
    EXPECT_FALSE(decoder.decode(static_cast<unsigned char*>(nullptr), 10));
    EXPECT_FALSE(decoder.decode(jpeg.data(), 0));
}

TEST(JPEG, EncoderRefusesWhatItCannotWrite) {
    std::vector<unsigned char> pixels = gradient(4, 4, 4);
    EncoderJPEG encoder;
    EXPECT_FALSE(encoder.encode(pixels.data(), 4, 4, 4, 90));
    EXPECT_FALSE(encoder.encode(pixels.data(), 4, 4, 2, 90));
    EXPECT_FALSE(encoder.encode(pixels.data(), 4, 4, 3, 0));
    EXPECT_FALSE(encoder.encode(pixels.data(), 0, 4, 3, 90));
    EXPECT_FALSE(encoder.encode(static_cast<unsigned char*>(nullptr), 4, 4, 3, 90));
    EXPECT_EQ(encoder.getEncoded(), nullptr);
    EXPECT_EQ(encoder.getEncodedSize(), 0u);
    // Wider than JPEG allows: the library's own error comes back as false.
    std::vector<unsigned char> wide(70000, 128);
    EXPECT_FALSE(encoder.encode(wide.data(), 70000, 1, 1, 90));
    EXPECT_EQ(encoder.getEncoded(), nullptr);
}

// Run with ASAN_OPTIONS=alloc_dealloc_mismatch=1: the buffer handed over
// comes from new[] whatever the library allocated, and a second encode
// releases the first buffer.
TEST(JPEG, EncodedBuffersAreReleasedWithDeleteArray) {
    std::vector<unsigned char> pixels = gradient(300, 200, 3);
    TakingEncoder encoder;
    ASSERT_TRUE(encoder.encode(pixels.data(), 300, 200, 3, 100));
    unsigned int firstSize = encoder.getEncodedSize();
    ASSERT_TRUE(encoder.encode(pixels.data(), 300, 200, 3, 10));
    EXPECT_LT(encoder.getEncodedSize(), firstSize);
    unsigned int takenSize = encoder.getEncodedSize();
    unsigned char* taken = encoder.cleanEncoded();
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(encoder.getEncoded(), nullptr);
    DecoderJPEG decoder;
    EXPECT_TRUE(decoder.decode(taken, takenSize));
    delete[] taken;
}

TEST(JPEG, DamagedStreamsAnswerFalseAndLeaveNoFrame) {
    std::vector<unsigned char> jpeg = encodeJPEG(gradient(16, 16, 3), 16, 16, 3);
    DecoderJPEG decoder;

    // Every truncation, from the bare signature to a stream missing its end.
    for (std::size_t length = 2; length < jpeg.size(); ++length) {
        ASSERT_TRUE(decoder.decode(jpeg.data(), static_cast<unsigned int>(jpeg.size())));
        EXPECT_FALSE(decoder.decode(jpeg.data(), static_cast<unsigned int>(length)))
            << "truncated to " << length;
        EXPECT_EQ(decoder.getFrame(), nullptr);
        EXPECT_EQ(decoder.getFrameWidth(), 0u);
    }

    std::vector<unsigned char> garbage = {0xFF, 0xD8, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
    EXPECT_FALSE(decoder.decode(garbage.data(), static_cast<unsigned int>(garbage.size())));

    // A marker in the middle of the coded data.
    std::vector<unsigned char> marked = jpeg;
    marked[marked.size() - 40] = 0xFF;
    marked[marked.size() - 39] = 0xC4;
    EXPECT_FALSE(decoder.decode(marked.data(), static_cast<unsigned int>(marked.size())));
    EXPECT_EQ(decoder.getFrame(), nullptr);
}

TEST(JPEG, HugeDimensionsInTheHeaderAnswerFalse) {
    std::vector<unsigned char> jpeg = encodeJPEG(gradient(16, 16, 3), 16, 16, 3);
    std::size_t at = frameHeaderSizeOffset(jpeg);
    for (unsigned int height : {65500u, 21858u}) {
        std::vector<unsigned char> huge = jpeg;
        huge[at] = static_cast<unsigned char>(height >> 8);
        huge[at + 1] = static_cast<unsigned char>(height & 0xFF);
        huge[at + 2] = 65500 >> 8;
        huge[at + 3] = 65500 & 0xFF;
        DecoderJPEG decoder;
        EXPECT_FALSE(decoder.decode(huge.data(), static_cast<unsigned int>(huge.size())));
        EXPECT_EQ(decoder.getFrame(), nullptr);
    }
}
