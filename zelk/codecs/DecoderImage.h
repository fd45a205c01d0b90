#ifndef ZELK_CODECS_DECODERIMAGE_H
#define ZELK_CODECS_DECODERIMAGE_H

#include "zelk/File.h"
#include "zelk/codecs/CodecImage.h"

namespace zelk {
namespace codecs {

// The decoders' interface: encoded data in, a raw frame out. The frame stays
// in the decoder until the next decode, deleteFrame, cleanFrame or the end of
// the decoder.
class DecoderImage : protected CodecImage {
public:
    DecoderImage() = default;
    virtual ~DecoderImage() = default;

    // The check every decoder runs first: data and a size were given.
    virtual bool decode(unsigned char* encoded, unsigned int size);
    virtual bool decode(unsigned char const* encoded, unsigned int size);

    // Reads the whole file and decodes it; true when a frame came out.
    bool decodeFromFile(char* fileName);
    bool decodeFromFile(char const* fileName);

    using CodecImage::cleanFrame;
    using CodecImage::deleteFrame;
    using CodecImage::getFrame;
    using CodecImage::getFrameChannels;
    using CodecImage::getFrameHeight;
    using CodecImage::getFrameWidth;

private:
    File file;
};

} // namespace codecs
} // namespace zelk

#endif
