#include "zelk/Image2D.h"

#include "zelk/File.h"
#include "zelk/FileReport.h"
#include "zelk/SFMLErrorHold.h"
#include "zelk/String.h"
#include "zelk/codecs/DecoderJPEG.h"
#include "zelk/codecs/EncoderJPEG.h"

#include <SFML/Graphics/Image.hpp>

#include <cstdint>
#include <cstring>
#include <new>
#include <string>

namespace zelk {

Image2D::Image2D()
    : pixels(nullptr), channels(0), size(), imageName(nullptr), imageFileName(nullptr) {}

Image2D::Image2D(char* fileName) : Image2D() {
    loadFromFile(fileName);
}

Image2D::Image2D(char const* fileName) : Image2D(const_cast<char*>(fileName)) {}

Image2D::~Image2D() {
    deleteImage();
}

bool Image2D::newPixels(size2ui32 size, uint8 channels) {
    uint64 bytes = uint64(size.width) * size.height * channels;
    if (bytes == 0 || bytes > UINT32_MAX)
        return false;
    pixels = new (std::nothrow) uint8[bytes];
    if (pixels == nullptr)
        return false;
    this->size = size;
    this->channels = channels;
    return true;
}

bool Image2D::newImage(char* name, size2ui32 size, unsigned char channels) {
    // Copied before the image is cleared: the name may be the image's own.
    char* copy = name != nullptr ? String::strCopy(name) : nullptr;
    deleteImage();
    if (copy != nullptr && channels >= 1 && channels <= 4 && newPixels(size, channels)) {
        imageName = copy;
        return true;
    }
    delete[] copy;
    deleteImage();
    return false;
}

bool Image2D::newImage(char const* name, size2ui32 size, unsigned char channels) {
    return newImage(const_cast<char*>(name), size, channels);
}

bool Image2D::newImage(char* name, unsigned int width, unsigned int height,
                       unsigned char channels) {
    return newImage(name, size2ui32(width, height), channels);
}

bool Image2D::newImage(char const* name, unsigned int width, unsigned int height,
                       unsigned char channels) {
    return newImage(const_cast<char*>(name), size2ui32(width, height), channels);
}

bool Image2D::loadFile(char* fileName, bool toRGBA) {
    File file;
    bool opened = file.openBinFile(fileName);
    uint64 fileSize = opened ? file.getFileSize() : 0;
    if (fileSize == 0 || fileSize > UINT32_MAX) {
        deleteImage();
        deleteFileName();
        if (opened) {
            FileReport::report(fileName, FileReport::notPicture);
        } else {
            FileReport::reportUnopened(fileName);
        }
        return false;
    }
    unsigned char* data = new (std::nothrow) unsigned char[fileSize];
    bool decoded = false;
    if (data != nullptr && file.readBin(data, fileSize)) {
        SFMLErrorHold errors;
        decoded = toRGBA ? loadFromMemoryToRGBA(data, static_cast<unsigned int>(fileSize))
                         : loadFromMemory(data, static_cast<unsigned int>(fileSize));
        if (!decoded && FileReport::report(fileName, FileReport::notPicture)) {
            errors.drop();
        }
    } else if (data != nullptr) {
        deleteImage();
        FileReport::report(fileName, FileReport::unreadable);
    }
    delete[] data;
    return decoded;
}

bool Image2D::loadFromFile(char* fileName) {
    return loadFile(fileName, false);
}

bool Image2D::loadFromFile(char const* fileName) {
    return loadFile(const_cast<char*>(fileName), false);
}

bool Image2D::loadFromFileToRGBA(char* fileName) {
    return loadFile(fileName, true);
}

bool Image2D::loadFromFileToRGBA(char const* fileName) {
    return loadFile(const_cast<char*>(fileName), true);
}

bool Image2D::loadFromMemory(unsigned char* data, unsigned int size) {
    deleteImage();
    switch (getStreamType(data, size)) {
    case streamJPEG: {
        codecs::DecoderJPEG decoder;
        unsigned int frameChannels = decoder.decode(data, size) ? decoder.getFrameChannels() : 0;
        // Other channel counts (CMYK) would pass for red, green, blue, alpha.
        if (decoder.getFrame() == nullptr || (frameChannels != 1 && frameChannels != 3))
            return false;
        this->size = size2ui32(decoder.getFrameWidth(), decoder.getFrameHeight());
        channels = static_cast<uint8>(frameChannels);
        pixels = decoder.cleanFrame();
        return true;
    }
    case streamPNG:
        return loadThroughSFML(data, size);
    default:
        return false;
    }
}

bool Image2D::loadFromMemoryToRGBA(unsigned char* data, unsigned int size) {
    deleteImage();
    return data != nullptr && size != 0 && loadThroughSFML(data, size);
}

bool Image2D::loadThroughSFML(unsigned char* data, unsigned int size) {
    sf::Image image;
    if (!image.loadFromMemory(data, size) ||
        !newPixels(size2ui32(image.getSize().x, image.getSize().y), 4)) {
        deleteImage();
        return false;
    }
    std::memcpy(pixels, image.getPixelsPtr(),
                std::size_t(this->size.width) * this->size.height * 4);
    return true;
}

bool Image2D::saveToFile(char* fileName) {
    if (pixels == nullptr)
        return false;
    char* madeName = fileName == nullptr ? String::strCat(imageName, ".jpg") : nullptr;
    char* name = fileName != nullptr ? fileName : madeName;
    bool saved = false;
    if (name != nullptr) {
        if (channels == 1 || channels == 3) {
            codecs::EncoderJPEG encoder;
            saved = encoder.encodeToFile(pixels, size, channels, 100, name);
        } else if (channels == 4) {
            saved = saveThroughSFML(name);
        }
    }
    delete[] madeName;
    return saved;
}

bool Image2D::saveToFile(char const* fileName) {
    return saveToFile(const_cast<char*>(fileName));
}

bool Image2D::saveThroughSFML(char* fileName) {
    sf::Image image;
    image.create(size.width, size.height, pixels);
    return image.saveToFile(std::string(fileName));
}

bool Image2D::draw(unsigned char* data) {
    if (data == nullptr || pixels == nullptr)
        return false;
    std::memcpy(pixels, data, std::size_t(size.width) * size.height * channels);
    return true;
}

uint8 Image2D::getStreamType(unsigned char* data) {
    if (data == nullptr)
        return 0;
    if (data[0] == 0xFF)
        return data[1] == 0xD8 ? streamJPEG : 0;
    if (data[0] == 0x89 && data[1] == 'P' && data[2] == 'N' && data[3] == 'G')
        return streamPNG;
    return 0;
}

uint8 Image2D::getStreamType(unsigned char* data, unsigned int size) {
    if (data == nullptr || size < 2 || (data[0] != 0xFF && size < 4))
        return 0;
    return getStreamType(data);
}

// The copy is made before the old text goes, which may be the very same.
bool Image2D::setName(char* name) {
    char* copy = name != nullptr ? String::strCopy(name) : nullptr;
    deleteName();
    imageName = copy;
    return imageName != nullptr;
}

bool Image2D::setName(char const* name) {
    return setName(const_cast<char*>(name));
}

bool Image2D::setFileName(char* fileName) {
    char* copy = fileName != nullptr ? String::strCopy(fileName) : nullptr;
    deleteFileName();
    imageFileName = copy;
    return imageFileName != nullptr;
}

bool Image2D::setFileName(char const* fileName) {
    return setFileName(const_cast<char*>(fileName));
}

void Image2D::deleteImage() {
    delete[] pixels;
    pixels = nullptr;
    channels = 0;
    size = size2ui32(0u, 0u);
    deleteName();
    deleteFileName();
}

void Image2D::deleteName() {
    delete[] imageName;
    imageName = nullptr;
}

void Image2D::deleteFileName() {
    delete[] imageFileName;
    imageFileName = nullptr;
}

} // namespace zelk
