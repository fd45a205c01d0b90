#include "zelk/Texture2DFile.h"

#include "zelk/String.h"

namespace zelk {

namespace {

// OpenGL's pixel formats by channel count.
const unsigned int luminanceMode = 6409, rgbMode = 6407, rgbaMode = 6408;

} // namespace

Texture2DFile::Texture2DFile() {}

Texture2DFile::Texture2DFile(char* name) {
    setName(name);
}

Texture2DFile::Texture2DFile(char const* name) {
    setName(name);
}

Texture2DFile::~Texture2DFile() {
    deleteTexture();
    deleteName();
    removeAll();
}

bool Texture2DFile::loadFromFile(char* fileName, unsigned int filter) {
    // The file name may be this texture's own name, which deleteTexture
    // releases.
    char* path = String::strCopy(fileName);
    deleteTexture();
    bool loaded = image.loadFromFileToRGBA(path) && textureFromImage(filter);
    delete[] path;
    return loaded;
}

bool Texture2DFile::loadFromFile(char const* fileName, unsigned int filter) {
    return loadFromFile(const_cast<char*>(fileName), filter);
}

bool Texture2DFile::loadFromMemory(unsigned char* data, unsigned int size, unsigned int filter) {
    deleteTexture();
    if (!data || size == 0 || !image.loadFromMemoryToRGBA(data, size)) {
        return false;
    }
    return textureFromImage(filter);
}

bool Texture2DFile::textureFromImage(unsigned int filter) {
    unsigned int format = 0;
    switch (image.getChannels()) {
    case 1:
        format = luminanceMode;
        break;
    case 3:
        format = rgbMode;
        break;
    case 4:
        format = rgbaMode;
        break;
    default:
        break;
    }
    if (format != 0) {
        createTexture(image.getWidth(), image.getHeight(), format, image.getPixels(), filter);
    }
    if (id != 0) {
        setName(image.getFileName());
    }
    image.deleteImage();
    return id != 0;
}

} // namespace zelk
