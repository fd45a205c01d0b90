#ifndef ZELK_CODECS_ENCODERJPEG_H
#define ZELK_CODECS_ENCODERJPEG_H

#include "zelk/codecs/EncoderImage.h"

namespace zelk {
namespace codecs {

// Encodes a frame of 1 (grey) or 3 (red, green, blue) channels as a baseline
// JPEG stream through libjpeg. The encoded buffer is made with new[].
class EncoderJPEG : public EncoderImage {
public:
    EncoderJPEG() = default;
    virtual ~EncoderJPEG() = default;

    using EncoderImage::encode;
    bool encode(unsigned char* frame, size2ui32 size, unsigned char channels,
                unsigned int quality) override;
    bool encode(unsigned char* frame, unsigned int width, unsigned int height,
                unsigned char channels, unsigned int quality) override;

private:
    struct Writer;
    bool writeRows(Writer& writer);
};

} // namespace codecs
} // namespace zelk

#endif
