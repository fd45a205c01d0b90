#ifndef ZELK_IMAGE2D_H
#define ZELK_IMAGE2D_H

#include "zelk/TypeSize.h"
#include "zelk/TypeVars.h"

namespace zelk {

// One decoded image in memory: rows from the top, one byte per channel
// (1 grey; 3 red, green, blue; 4 red, green, blue, alpha), no gap between
// rows. The image owns its pixels, its name and its file name.
class Image2D {
public:
    // Stream types answered by getStreamType.
    static constexpr uint8 streamJPEG = 33;
    static constexpr uint8 streamPNG = 34;

    Image2D();
    explicit Image2D(char* fileName);
    explicit Image2D(char const* fileName);
    ~Image2D();
    Image2D(const Image2D&) = delete;
    Image2D& operator=(const Image2D&) = delete;

    // An uninitialised image of 1 to 4 channels under a name that is not
    // empty.
    bool newImage(char* name, size2ui32 size, unsigned char channels);
    bool newImage(char const* name, size2ui32 size, unsigned char channels);
    bool newImage(char* name, unsigned int width, unsigned int height, unsigned char channels);
    bool newImage(char const* name, unsigned int width, unsigned int height,
                  unsigned char channels);

    // PNG (4 channels) or JPEG (1 or 3 channels), told apart by their first
    // bytes. A failed load leaves the image empty.
    bool loadFromFile(char* fileName);
    bool loadFromFile(char const* fileName);
    bool loadFromMemory(unsigned char* data, unsigned int size);
    // Every format SFML reads, always as 4 channels.
    bool loadFromFileToRGBA(char* fileName);
    bool loadFromFileToRGBA(char const* fileName);
    bool loadFromMemoryToRGBA(unsigned char* data, unsigned int size);

    // 1 or 3 channels as JPEG at quality 100; 4 channels through SFML in the
    // format the file name's extension names. Without a file name: the
    // image's name followed by ".jpg".
    bool saveToFile(char* fileName);
    bool saveToFile(char const* fileName);

    // Copies width x height x channels bytes from data over the pixels; data
    // must hold that many.
    bool draw(unsigned char* data);

    // streamJPEG, streamPNG, or 0 for anything else (or null). Reads the
    // first byte, then the second when the first is 0xFF, or up to the first
    // four otherwise: data must hold that many bytes.
    static uint8 getStreamType(unsigned char* data);
    // The same for data of a known length: data too short to tell is 0, and
    // no more than `size` bytes are read.
    static uint8 getStreamType(unsigned char* data, unsigned int size);

    bool setName(char* name);
    bool setName(char const* name);
    bool setFileName(char* fileName);
    bool setFileName(char const* fileName);
    void deleteImage();
    void deleteName();
    void deleteFileName();

    size2ui32 getSize() const { return size; }
    uint32 getWidth() const { return size.width; }
    uint32 width() const { return size.width; }
    uint32 getHeight() const { return size.height; }
    uint32 height() const { return size.height; }
    uint8 getChannels() const { return channels; }
    uint8* getPixels() const { return pixels; }
    char* getName() const { return imageName; }
    char* name() const { return imageName; }
    char* getFileName() const { return imageFileName; }
    char* fileName() const { return imageFileName; }
    bool haveImage() const { return pixels != nullptr; }
    bool haveName() const { return imageName != nullptr; }
    bool haveFileName() const { return imageFileName != nullptr; }

private:
    bool loadThroughSFML(unsigned char* data, unsigned int size);
    bool loadFile(char* fileName, bool toRGBA);
    bool saveThroughSFML(char* fileName);
    bool newPixels(size2ui32 size, uint8 channels);

    uint8* pixels;
    uint8 channels;
    size2ui32 size;
    char* imageName;
    char* imageFileName;
};

} // namespace zelk

#endif
