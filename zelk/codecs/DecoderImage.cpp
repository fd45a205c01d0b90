#include "zelk/codecs/DecoderImage.h"

namespace zelk {
namespace codecs {

bool DecoderImage::decode(unsigned char* encoded, unsigned int size) {
    return encoded != nullptr && size != 0;
}

bool DecoderImage::decode(unsigned char const* encoded, unsigned int size) {
    return decode(const_cast<unsigned char*>(encoded), size);
}

} // namespace codecs
} // namespace zelk
