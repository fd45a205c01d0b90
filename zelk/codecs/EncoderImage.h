#ifndef ZELK_CODECS_ENCODERIMAGE_H
#define ZELK_CODECS_ENCODERIMAGE_H

#include "zelk/File.h"
#include "zelk/codecs/CodecImage.h"

namespace zelk {
namespace codecs {

// The encoders' interface: a raw frame in, an encoded buffer out. The buffer
// stays in the encoder until the next encode, deleteEncoded, cleanEncoded or
// the end of the encoder.
class EncoderImage : protected CodecImage {
public:
    EncoderImage() = default;
    virtual ~EncoderImage() = default;

    // The check every encoder runs first: a frame, a size, channels and a
    // quality were given.
    virtual bool encode(unsigned char* frame, size2ui32 size, unsigned char channels,
                        unsigned int quality);
    virtual bool encode(unsigned char* frame, unsigned int width, unsigned int height,
                        unsigned char channels, unsigned int quality);
    virtual bool encode(unsigned char const* frame, size2ui32 size, unsigned char channels,
                        unsigned int quality);
    virtual bool encode(unsigned char const* frame, unsigned int width, unsigned int height,
                        unsigned char channels, unsigned int quality);

    // Encodes the frame and, only when that succeeded, creates or replaces
    // the file with the encoded bytes; true when all of them were written.
    bool encodeToFile(unsigned char* frame, size2ui32 size, unsigned char channels,
                      unsigned int quality, char* fileName);
    bool encodeToFile(unsigned char* frame, size2ui32 size, unsigned char channels,
                      unsigned int quality, char const* fileName);
    bool encodeToFile(unsigned char const* frame, size2ui32 size, unsigned char channels,
                      unsigned int quality, char* fileName);
    bool encodeToFile(unsigned char const* frame, size2ui32 size, unsigned char channels,
                      unsigned int quality, char const* fileName);
    bool encodeToFile(unsigned char* frame, unsigned int width, unsigned int height,
                      unsigned char channels, unsigned int quality, char* fileName);
    bool encodeToFile(unsigned char* frame, unsigned int width, unsigned int height,
                      unsigned char channels, unsigned int quality, char const* fileName);
    bool encodeToFile(unsigned char const* frame, unsigned int width, unsigned int height,
                      unsigned char channels, unsigned int quality, char* fileName);
    bool encodeToFile(unsigned char const* frame, unsigned int width, unsigned int height,
                      unsigned char channels, unsigned int quality, char const* fileName);

    using CodecImage::deleteEncoded;
    using CodecImage::getEncoded;
    using CodecImage::getEncodedSize;

private:
    bool writeEncoded(char* fileName);

    File file;
};

} // namespace codecs
} // namespace zelk

#endif
