#include "zelk/OpenLamp.h"

#include "zelk/Math.h"

#include <cstdint>
#include <cstring>

namespace zelk {

namespace {

// The tilt of a pair in whole degrees, -90 to 90.
int32 tilt(unsigned char p, unsigned char q) {
    return static_cast<int32>(static_cast<float32>(int32(p) - int32(q)) / 255.0f * 90.0f);
}

// A sine of -1 to 1 as a byte of 0 to 254.
uint8 sineByte(int32 angle) {
    return static_cast<uint8>(Math::getSinInt32(angle) * 127.0f + 127.0f);
}

// One source buffer walked pixel by pixel; a missing one reads 128.
struct Source {
    unsigned char* data;
    unsigned char channels;

    bool present() const { return data != nullptr && channels != 0; }
    unsigned char next() {
        if (!present())
            return 128;
        unsigned char value = *data;
        data += channels;
        return value;
    }
    bool overlaps(const unsigned char* out, unsigned int pixelCount) const {
        if (!present())
            return false;
        std::uintptr_t begin = reinterpret_cast<std::uintptr_t>(data);
        std::uintptr_t end = begin + std::uintptr_t(pixelCount) * channels;
        std::uintptr_t outBegin = reinterpret_cast<std::uintptr_t>(out);
        std::uintptr_t outEnd = outBegin + std::uintptr_t(pixelCount) * 3;
        return begin < outEnd && outBegin < end;
    }
};

Source sourceOf(Image2D* image, Image2D* first) {
    if (image == nullptr || !image->haveImage() || first == nullptr || !first->haveImage() ||
        !(image->getSize() == first->getSize()))
        return Source{nullptr, 0};
    return Source{image->getPixels(), image->getChannels()};
}

} // namespace

color3ui8 OpenLamp::pixelToNormal(unsigned char first, unsigned char second, unsigned char third,
                                  unsigned char fourth, unsigned char fifth) {
    return color3ui8(sineByte(tilt(fourth, third)), sineByte(tilt(first, second)), fifth);
}

color3ui8 OpenLamp::pixelToNormal(unsigned char first, unsigned char second, unsigned char third,
                                  unsigned char fourth) {
    int32 red = tilt(fourth, third), green = tilt(first, second);
    // Half way between the two cosines (each 0 to 1), scaled to 0 to 128.
    float32 between = (Math::getCosinInt32(red) + Math::getCosinInt32(green)) * 0.5f;
    uint8 blue = static_cast<uint8>(static_cast<int32>(between * 128.0f) + 127);
    return color3ui8(sineByte(red), sineByte(green), blue);
}

bool OpenLamp::vectorToNormal(unsigned char* first, unsigned char firstChannels,
                              unsigned char* second, unsigned char secondChannels,
                              unsigned char* third, unsigned char thirdChannels,
                              unsigned char* fourth, unsigned char fourthChannels,
                              unsigned char* fifth, unsigned char fifthChannels, unsigned char* out,
                              unsigned int pixelCount) {
    Source sources[5] = {{first, firstChannels},
                         {second, secondChannels},
                         {third, thirdChannels},
                         {fourth, fourthChannels},
                         {fifth, fifthChannels}};
    if (out == nullptr || pixelCount == 0)
        return false;
    if ((!sources[0].present() && !sources[1].present()) ||
        (!sources[2].present() && !sources[3].present()))
        return false;
    for (const Source& source : sources)
        if (source.overlaps(out, pixelCount))
            return false;
    bool withBlue = sources[4].present();
    for (unsigned int i = 0; i < pixelCount; ++i) {
        unsigned char a = sources[0].next(), b = sources[1].next();
        unsigned char c = sources[2].next(), d = sources[3].next();
        color3ui8 normal =
            withBlue ? pixelToNormal(a, b, c, d, sources[4].next()) : pixelToNormal(a, b, c, d);
        *out++ = normal.r;
        *out++ = normal.g;
        *out++ = normal.b;
    }
    return true;
}

bool OpenLamp::imageToNormal(Image2D* first, Image2D* second, Image2D* third, Image2D* fourth,
                             Image2D* fifth, Image2D* normalMap) {
    if (normalMap == nullptr || normalMap == first || normalMap == second || normalMap == third ||
        normalMap == fourth || normalMap == fifth)
        return false;
    Source sources[5] = {sourceOf(first, first), sourceOf(second, first), sourceOf(third, first),
                         sourceOf(fourth, first), sourceOf(fifth, first)};
    size2ui32 size = sources[0].present() ? first->getSize() : size2ui32(0u, 0u);
    if (!normalMap->newImage("normalMap", size, 3))
        return false;
    unsigned int pixelCount = size.width * size.height;
    std::memset(normalMap->getPixels(), 0, std::size_t(pixelCount) * 3);
    return vectorToNormal(sources[0].data, sources[0].channels, sources[1].data,
                          sources[1].channels, sources[2].data, sources[2].channels,
                          sources[3].data, sources[3].channels, sources[4].data,
                          sources[4].channels, normalMap->getPixels(), pixelCount);
}

} // namespace zelk
