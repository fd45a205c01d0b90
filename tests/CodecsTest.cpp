#include "zelk/codecs/CodecImage.h"
#include "zelk/codecs/DecoderJPEG.h"
#include "zelk/codecs/EncoderJPEG.h"

#include "support/ImageSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

using zelk::size2ui32;
using zelk::codecs::CodecImage;
using zelk::codecs::DecoderJPEG;
using zelk::codecs::EncoderJPEG;
using zelk::test::Bytes;
using zelk::test::encodeJPEG;
using zelk::test::gradient;
using zelk::test::readBytes;
using zelk::test::sizeOf;
using zelk::test::writeBytes;

namespace {

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
    EXPECT_EQ(*codec.getEncodedPosition(), encoded);
    EXPECT_EQ(*codec.getEncodedSizePosition(), 16u);
    EXPECT_TRUE(codec.newFrameEncoded(16));
    EXPECT_EQ(codec.getEncoded(), encoded);
    ASSERT_TRUE(codec.newFrame(1, 1, 1));
    delete[] codec.cleanEncoded();
    EXPECT_EQ(codec.getEncodedSize(), 0u);
    EXPECT_EQ(codec.getEncoded(), nullptr);
    EXPECT_NE(codec.getFrame(), nullptr) << "handing the encoded buffer over keeps the frame";

    EXPECT_FALSE(codec.setQuality(0));
    EXPECT_EQ(codec.getQuality(), 1u);
    EXPECT_TRUE(codec.setQuality(80));
    EXPECT_EQ(codec.getQuality(), 80u);
}

TEST(CodecImage, DrawFrameCopiesAndRefusesWhatDoesNotFitACount) {
    CodecImage codec;
    Bytes pixels = gradient(3, 2, 2);
    ASSERT_TRUE(codec.drawFrame(pixels.data(), 3, 2, 2));
    EXPECT_EQ(Bytes(codec.getFrame(), codec.getFrame() + 12), pixels);
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
        Bytes pixels = gradient(37, 21, channels);
        Bytes jpeg = encodeJPEG(pixels, 37, 21, channels);
        ASSERT_GT(jpeg.size(), 2u);
        EXPECT_EQ(jpeg[0], 0xFF);
        EXPECT_EQ(jpeg[1], 0xD8);

        DecoderJPEG decoder;
        ASSERT_TRUE(decoder.decode(jpeg.data(), sizeOf(jpeg)));
        ASSERT_EQ(decoder.getFrameWidth(), 37u);
        ASSERT_EQ(decoder.getFrameHeight(), 21u);
        ASSERT_EQ(decoder.getFrameChannels(), channels);
        EXPECT_LE(zelk::test::largestDifference(decoder.getFrame(), pixels.data(), pixels.size()),
                  6)
            << int(channels) << " channels";
    }
}

TEST(JPEG, DecoderFrameIsHandedOverByCleanFrame) {
    Bytes jpeg = encodeJPEG(gradient(8, 8, 3), 8, 8, 3);
    const unsigned char* constData = jpeg.data();
    DecoderJPEG decoder;
    ASSERT_TRUE(decoder.decode(constData, sizeOf(jpeg)));
    unsigned char* frame = decoder.cleanFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(decoder.getFrame(), nullptr);
    delete[] frame;
    EXPECT_FALSE(decoder.decode(static_cast<unsigned char*>(nullptr), 10));
    EXPECT_FALSE(decoder.decode(jpeg.data(), 0));
}

// Stray bytes between two header segments only draw a warning from the
// library; the picture is whole and decodes as usual.
TEST(JPEG, StrayBytesBetweenSegmentsStillDecode) {
    Bytes pixels = gradient(16, 8, 3);
    Bytes jpeg = encodeJPEG(pixels, 16, 8, 3);
    ASSERT_GT(jpeg.size(), 6u);
    ASSERT_EQ(0xE0, jpeg[3]) << "the encoder starts with a JFIF segment";
    std::size_t afterFirstSegment = 4u + (std::size_t(jpeg[4]) << 8 | jpeg[5]);
    jpeg.insert(jpeg.begin() + afterFirstSegment, {0x12, 0x34, 0x56});
    DecoderJPEG decoder;
    ASSERT_TRUE(decoder.decode(jpeg.data(), sizeOf(jpeg)));
    EXPECT_EQ(decoder.getFrameWidth(), 16u);
    EXPECT_LE(zelk::test::largestDifference(decoder.getFrame(), pixels.data(), pixels.size()), 6);
}

TEST(JPEG, EncoderRefusesWhatItCannotWrite) {
    Bytes pixels = gradient(4, 4, 4);
    EncoderJPEG encoder;
    EXPECT_FALSE(encoder.encode(pixels.data(), 4, 4, 4, 90));
    EXPECT_FALSE(encoder.encode(pixels.data(), 4, 4, 2, 90));
    EXPECT_FALSE(encoder.encode(pixels.data(), 4, 4, 3, 0));
    EXPECT_FALSE(encoder.encode(pixels.data(), 0, 4, 3, 90));
    EXPECT_FALSE(encoder.encode(static_cast<unsigned char*>(nullptr), 4, 4, 3, 90));
    EXPECT_EQ(encoder.getEncoded(), nullptr);
    EXPECT_EQ(encoder.getEncodedSize(), 0u);
    // Wider than JPEG allows: the library's own error comes back as false.
    Bytes wide(70000, 128);
    EXPECT_FALSE(encoder.encode(wide.data(), 70000, 1, 1, 90));
    EXPECT_EQ(encoder.getEncoded(), nullptr);
}

// Run with ASAN_OPTIONS=alloc_dealloc_mismatch=1: the buffer handed over
// comes from new[] whatever the library allocated, and a second encode
// releases the first buffer.
TEST(JPEG, EncodedBuffersAreReleasedWithDeleteArray) {
    Bytes pixels = gradient(300, 200, 3);
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
    Bytes jpeg = encodeJPEG(gradient(16, 16, 3), 16, 16, 3);
    DecoderJPEG decoder;

    // Every truncation, from the bare signature to a stream missing its end.
    for (std::size_t length = 2; length < jpeg.size(); ++length) {
        ASSERT_TRUE(decoder.decode(jpeg.data(), sizeOf(jpeg)));
        EXPECT_FALSE(decoder.decode(jpeg.data(), static_cast<unsigned int>(length)))
            << "truncated to " << length;
        EXPECT_EQ(decoder.getFrame(), nullptr);
        EXPECT_EQ(decoder.getFrameWidth(), 0u);
    }

    Bytes garbage = {0xFF, 0xD8, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
    EXPECT_FALSE(decoder.decode(garbage.data(), sizeOf(garbage)));

    // A marker in the middle of the coded data.
    Bytes marked = jpeg;
    marked[marked.size() - 40] = 0xFF;
    marked[marked.size() - 39] = 0xC4;
    EXPECT_FALSE(decoder.decode(marked.data(), sizeOf(marked)));
    EXPECT_EQ(decoder.getFrame(), nullptr);
}

TEST(JPEG, HugeDimensionsInTheHeaderAnswerFalse) {
    Bytes jpeg = encodeJPEG(gradient(16, 16, 3), 16, 16, 3);
    std::size_t at = zelk::test::frameHeightOffset(jpeg);
    ASSERT_NE(at, 0u);
    for (unsigned int height : {65500u, 21858u}) {
        Bytes huge = jpeg;
        huge[at] = static_cast<unsigned char>(height >> 8);
        huge[at + 1] = static_cast<unsigned char>(height & 0xFF);
        huge[at + 2] = 65500 >> 8;
        huge[at + 3] = 65500 & 0xFF;
        DecoderJPEG decoder;
        EXPECT_FALSE(decoder.decode(huge.data(), sizeOf(huge)));
        EXPECT_EQ(decoder.getFrame(), nullptr);
    }
}

// A 736-byte stream whose header claimed 36000 x 36000 pixels had the decoder
// ask for a 3.9 GB frame before it read any coded data. An arithmetic-coded
// stream may even end early by the rules (the decoder fills in zeros), so
// such a header decoded into a frame of made-up pixels.
TEST(JPEG, HeadersClaimingMorePixelsThanTheStreamCanHoldAnswerFalse) {
    Bytes jpeg = encodeJPEG(gradient(16, 16, 3), 16, 16, 3);
    std::size_t at = zelk::test::frameHeightOffset(jpeg);
    ASSERT_NE(at, 0u);
    ASSERT_EQ(jpeg[at - 5], 0xFFu);
    for (unsigned char frameMarker : {0xC0, 0xC9}) {
        Bytes claiming = jpeg;
        claiming[at - 4] = frameMarker;
        for (std::size_t side = at; side < at + 4; side += 2) {
            claiming[side] = 4096 >> 8;
            claiming[side + 1] = 4096 & 0xFF;
        }
        DecoderJPEG decoder;
        EXPECT_FALSE(decoder.decode(claiming.data(), sizeOf(claiming)));
        EXPECT_EQ(decoder.getFrame(), nullptr);
    }
}

TEST(JPEGFiles, EncodeToFileWritesTheStreamAndReleasesIt) {
    zelk::test::TempDir dir;
    std::string path = dir.file("out.jpg");
    Bytes pixels = gradient(20, 10, 3);
    EncoderJPEG encoder;
    ASSERT_TRUE(encoder.encodeToFile(pixels.data(), 20, 10, 3, 100, path.c_str()));
    EXPECT_EQ(encoder.getEncoded(), nullptr);
    EXPECT_EQ(readBytes(path), encodeJPEG(pixels, 20, 10, 3));

    DecoderJPEG decoder;
    ASSERT_TRUE(decoder.decodeFromFile(path.c_str()));
    EXPECT_EQ(decoder.getFrameWidth(), 20u);
    EXPECT_EQ(decoder.getFrameHeight(), 10u);
    EXPECT_EQ(decoder.getFrameChannels(), 3u);
}

TEST(JPEGFiles, FailedEncodingLeavesTheFileAlone) {
    zelk::test::TempDir dir;
    Bytes pixels = gradient(4, 4, 4);
    const Bytes before = {1, 2, 3};
    std::string kept = dir.file("kept.jpg");
    writeBytes(kept, before);
    EncoderJPEG encoder;
    EXPECT_FALSE(encoder.encodeToFile(pixels.data(), 4, 4, 4, 100, kept.c_str()));
    EXPECT_EQ(readBytes(kept), before);

    std::string absent = dir.file("absent.jpg");
    EXPECT_FALSE(encoder.encodeToFile(pixels.data(), size2ui32(4u, 4u), 4, 100, absent.c_str()));
    EXPECT_FALSE(zelk::File::fileExist(absent.c_str()));
    EXPECT_FALSE(encoder.encodeToFile(pixels.data(), 4, 4, 3, 100, static_cast<char*>(nullptr)));
}

TEST(JPEGFiles, WritesThatDoNotArriveAnswerFalse) {
    zelk::test::TempDir dir;
    Bytes pixels = gradient(64, 64, 3);
    EncoderJPEG encoder;
    EXPECT_FALSE(encoder.encodeToFile(pixels.data(), 64, 64, 3, 100, "/dev/full"));
    EXPECT_FALSE(encoder.encodeToFile(pixels.data(), 64, 64, 3, 100, dir.path().c_str()));
    EXPECT_EQ(encoder.getEncoded(), nullptr);
}

TEST(JPEGFiles, DecodeFromFileRefusesWhatIsNotAJPEGFile) {
    zelk::test::TempDir dir;
    DecoderJPEG decoder;
    EXPECT_FALSE(decoder.decodeFromFile(dir.path().c_str()));
    EXPECT_FALSE(decoder.decodeFromFile(dir.file("missing.jpg").c_str()));
    EXPECT_FALSE(decoder.decodeFromFile(static_cast<char*>(nullptr)));

    std::string empty = dir.file("empty.jpg");
    writeBytes(empty, Bytes());
    EXPECT_FALSE(decoder.decodeFromFile(empty.c_str()));

    Bytes jpeg = encodeJPEG(gradient(16, 16, 1), 16, 16, 1);
    std::string truncated = dir.file("truncated.jpg");
    writeBytes(truncated, Bytes(jpeg.begin(), jpeg.begin() + jpeg.size() / 2));
    EXPECT_FALSE(decoder.decodeFromFile(truncated.c_str()));
    EXPECT_EQ(decoder.getFrame(), nullptr);
}
