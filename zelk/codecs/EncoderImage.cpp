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

bool EncoderImage::encodeToFile(unsigned char* frame, size2ui32 size, unsigned char channels,
                                unsigned int quality, char* fileName) {
    if (frame == nullptr || fileName == nullptr || size.width == 0 || size.height == 0 ||
        quality == 0)
        return false;
    bool written = encode(frame, size, channels, quality) && getEncoded() != nullptr &&
                   getEncodedSize() != 0 && writeEncoded(fileName);
    deleteEncoded();
    return written;
}

// Writes the encoded bytes, then measures the file to see that all of them
// arrived.
bool EncoderImage::writeEncoded(char* fileName) {
    if (!file.createAndOpenBinFile(fileName))
        return false;
    bool written = file.writeBin(getEncoded(), getEncodedSize()) && file.flush();
    file.closeFile();
    written = written && file.openBinFile(fileName) && file.getFileSize() == getEncodedSize();
    file.closeFile();
    return written;
}

bool EncoderImage::encodeToFile(unsigned char* frame, size2ui32 size, unsigned char channels,
                                unsigned int quality, char const* fileName) {
    return encodeToFile(frame, size, channels, quality, const_cast<char*>(fileName));
}

bool EncoderImage::encodeToFile(unsigned char const* frame, size2ui32 size, unsigned char channels,
                                unsigned int quality, char* fileName) {
    return encodeToFile(const_cast<unsigned char*>(frame), size, channels, quality, fileName);
}

bool EncoderImage::encodeToFile(unsigned char const* frame, size2ui32 size, unsigned char channels,
                                unsigned int quality, char const* fileName) {
    return encodeToFile(const_cast<unsigned char*>(frame), size, channels, quality,
                        const_cast<char*>(fileName));
}

bool EncoderImage::encodeToFile(unsigned char* frame, unsigned int width, unsigned int height,
                                unsigned char channels, unsigned int quality, char* fileName) {
    return encodeToFile(frame, size2ui32(width, height), channels, quality, fileName);
}

bool EncoderImage::encodeToFile(unsigned char* frame, unsigned int width, unsigned int height,
                                unsigned char channels, unsigned int quality,
                                char const* fileName) {
    return encodeToFile(frame, size2ui32(width, height), channels, quality,
                        const_cast<char*>(fileName));
}

bool EncoderImage::encodeToFile(unsigned char const* frame, unsigned int width, unsigned int height,
                                unsigned char channels, unsigned int quality, char* fileName) {
    return encodeToFile(const_cast<unsigned char*>(frame), size2ui32(width, height), channels,
                        quality, fileName);
}

bool EncoderImage::encodeToFile(unsigned char const* frame, unsigned int width, unsigned int height,
                                unsigned char channels, unsigned int quality,
                                char const* fileName) {
    return encodeToFile(const_cast<unsigned char*>(frame), size2ui32(width, height), channels,
                        quality, const_cast<char*>(fileName));
}

} // namespace codecs
} // namespace zelk
