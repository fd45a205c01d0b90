#include "zelk/codecs/EncoderImage.h"

namespace zelk {
namespace codecs {

bool EncoderImage::encode(unsigned char* frame, size2ui32 size, unsigned char channels,
                          unsigned int quality) {
    return frame != nullptr && size.width != 0 && size.height != 0 && quality != 0 && channels != 0;
}

bool EncoderImage::encode(unsigned char* frame, unsigned int width, unsigned int height,
                          unsigned char channels, unsigned int quality) {
    return encode(frame, size2ui32(width, height), channels, quality);
}

bool EncoderImage::encode(unsigned char const* frame, size2ui32 size, unsigned char channels,
                          unsigned int quality) {
    return encode(const_cast<unsigned char*>(frame), size, channels, quality);
}

bool EncoderImage::encode(unsigned char const* frame, unsigned int width, unsigned int height,
                          unsigned char channels, unsigned int quality) {
    return encode(const_cast<unsigned char*>(frame), width, height, channels, quality);
}

} // namespace codecs
} // namespace zelk
