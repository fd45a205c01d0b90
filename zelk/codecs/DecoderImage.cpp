#include "zelk/codecs/DecoderImage.h"

#include <cstdint>

namespace zelk {
namespace codecs {

bool DecoderImage::decode(unsigned char* encoded, unsigned int size) {
    return encoded != nullptr && size != 0;
}

bool DecoderImage::decode(unsigned char const* encoded, unsigned int size) {
    return decode(const_cast<unsigned char*>(encoded), size);
}

bool DecoderImage::decodeFromFile(char* fileName) {
    if (!file.openBinFile(fileName))
        return false;
    uint64 size = file.getFileSize();
    bool decoded = false;
    if (size != 0 && size <= UINT32_MAX && newFrameEncoded(static_cast<unsigned int>(size))) {
        decoded = file.readBin(getEncoded(), getEncodedSize()) &&
                  decode(getEncoded(), getEncodedSize()) && getFrame() != nullptr &&
                  getFrameWidth() != 0 && getFrameHeight() != 0;
        deleteEncoded();
    }
    file.closeFile();
    return decoded;
}

bool DecoderImage::decodeFromFile(char const* fileName) {
    return decodeFromFile(const_cast<char*>(fileName));
}

} // namespace codecs
} // namespace zelk
