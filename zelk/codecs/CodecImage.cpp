#include "zelk/codecs/CodecImage.h"

#include <cstdint>
#include <cstring>
#include <new>

namespace zelk {
namespace codecs {

CodecImage::CodecImage()
    : frame(nullptr), frameChannels(0.f), frameSize(0u, 0u), frameVectorSize(0), encoded(nullptr),
      encodedSize(0), quality(0) {}

CodecImage::~CodecImage() {
    deleteEncoded();
    deleteFrame();
}

bool CodecImage::newFrame(size2ui32 size, unsigned char channels) {
    if (size.width == 0 || size.height == 0 || channels == 0) {
        deleteFrame();
        return false;
    }
    if (frame != nullptr && frameSize == size && getFrameChannels() == channels)
        return true;
    deleteFrame();
    uint64 bytes = uint64(size.width) * size.height * channels;
    if (bytes > UINT32_MAX)
        return false;
    frame = new (std::nothrow) unsigned char[bytes];
    if (frame == nullptr)
        return false;
    frameVectorSize = static_cast<uint32>(bytes);
    frameSize = size;
    frameChannels = static_cast<float32>(channels);
    return true;
}

bool CodecImage::newFrame(unsigned int width, unsigned int height, unsigned char channels) {
    return newFrame(size2ui32(width, height), channels);
}

void CodecImage::deleteFrame() {
    delete[] cleanFrame();
}

unsigned char* CodecImage::cleanFrame() {
    unsigned char* taken = frame;
    frame = nullptr;
    frameSize = size2ui32(0u, 0u);
    frameChannels = 0.f;
    frameVectorSize = 0;
    return taken;
}

bool CodecImage::newFrameEncoded(unsigned int size) {
    if (size == 0) {
        deleteEncoded();
        return false;
    }
    if (encoded != nullptr && encodedSize == size)
        return true;
    deleteEncoded();
    encoded = new (std::nothrow) unsigned char[size];
    if (encoded == nullptr)
        return false;
    encodedSize = size;
    return true;
}

void CodecImage::deleteEncoded() {
    delete[] cleanEncoded();
}

unsigned char* CodecImage::cleanEncoded() {
    unsigned char* taken = encoded;
    encoded = nullptr;
    encodedSize = 0;
    return taken;
}

bool CodecImage::drawFrame(unsigned char* data, size2ui32 size, unsigned char channels) {
    if (data == nullptr || !newFrame(size, channels))
        return false;
    std::memcpy(frame, data, frameVectorSize);
    return true;
}

bool CodecImage::drawFrame(unsigned char* data, unsigned int width, unsigned int height,
                           unsigned char channels) {
    return drawFrame(data, size2ui32(width, height), channels);
}

bool CodecImage::setQuality(unsigned int quality) {
    this->quality = 1;
    if (quality == 0)
        return false;
    this->quality = quality;
    return true;
}

} // namespace codecs
} // namespace zelk
