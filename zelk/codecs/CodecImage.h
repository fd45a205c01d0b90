#ifndef ZELK_CODECS_CODECIMAGE_H
#define ZELK_CODECS_CODECIMAGE_H

#include "zelk/TypeSize.h"
#include "zelk/TypeVars.h"

namespace zelk {
namespace codecs {

// A raw frame (rows from the top, one byte per channel, no gap between rows)
// and an encoded buffer, both owned by the codec. Every buffer the codec
// makes comes from new[], so a caller that takes one over with cleanFrame or
// cleanEncoded releases it with delete[].
class CodecImage {
public:
    CodecImage();
    virtual ~CodecImage();
    CodecImage(const CodecImage&) = delete;
    CodecImage& operator=(const CodecImage&) = delete;

    // Makes a frame of the given size, or keeps the one of that size and
    // channel count. A frame of more bytes than a 32-bit count holds, or one
    // that cannot be allocated, is refused.
    bool newFrame(size2ui32 size, unsigned char channels);
    bool newFrame(unsigned int width, unsigned int height, unsigned char channels);
    void deleteFrame();
    // Hands the frame over to the caller and forgets it.
    unsigned char* cleanFrame();

    bool newFrameEncoded(unsigned int size);
    void deleteEncoded();
    // Hands the encoded buffer over to the caller and forgets it.
    unsigned char* cleanEncoded();

    // Makes a frame and copies its byte count from data.
    bool drawFrame(unsigned char* data, size2ui32 size, unsigned char channels);
    bool drawFrame(unsigned char* data, unsigned int width, unsigned int height,
                   unsigned char channels);

    bool setQuality(unsigned int quality);
    unsigned int getQuality() const { return quality; }

    unsigned char* getFrame() const { return frame; }
    size2ui32 getFrameSize() const { return frameSize; }
    unsigned int getFrameWidth() const { return frameSize.width; }
    unsigned int getFrameHeight() const { return frameSize.height; }
    unsigned int getFrameChannels() const { return static_cast<unsigned int>(frameChannels); }
    unsigned int getFrameVectorSize() const { return frameVectorSize; }
    unsigned char* getEncoded() const { return encoded; }
    unsigned int getEncodedSize() const { return encodedSize; }
    unsigned char** getEncodedPosition() { return &encoded; }
    unsigned int* getEncodedSizePosition() { return &encodedSize; }

private:
    unsigned char* frame;
    float32 frameChannels;
    size2ui32 frameSize;
    uint32 frameVectorSize;
    unsigned char* encoded;
    uint32 encodedSize;
    uint32 quality;
};

} // namespace codecs
} // namespace zelk

#endif
