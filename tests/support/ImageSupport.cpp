#include "support/ImageSupport.h"

#include "zelk/codecs/EncoderJPEG.h"

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace zelk {
namespace test {

Bytes gradient(unsigned int width, unsigned int height, unsigned int channels) {
    // At least 30 pixels per ramp, so that a step is never more than 4.
    unsigned int spanX = std::max(width, 30u), spanY = std::max(height, 30u);
    Bytes pixels(std::size_t(width) * height * channels);
    for (unsigned int y = 0; y < height; ++y)
        for (unsigned int x = 0; x < width; ++x)
            for (unsigned int c = 0; c < channels; ++c)
                pixels[(std::size_t(y) * width + x) * channels + c] =
                    static_cast<unsigned char>(30 + (c == 1 ? width - x : x) * 120 / spanX +
                                               (c == 2 ? 2 * y : y) * 50 / spanY);
    return pixels;
}

Bytes encodeJPEG(const Bytes& pixels, unsigned int width, unsigned int height,
                 unsigned char channels) {
    codecs::EncoderJPEG encoder;
    if (!encoder.encode(pixels.data(), width, height, channels, 100))
        return Bytes();
    return Bytes(encoder.getEncoded(), encoder.getEncoded() + encoder.getEncodedSize());
}

int largestDifference(const unsigned char* a, const unsigned char* b, std::size_t count) {
    int largest = 0;
    for (std::size_t i = 0; i < count; ++i)
        largest = std::max(largest, std::abs(int(a[i]) - int(b[i])));
    return largest;
}

std::size_t frameHeightOffset(const Bytes& jpeg) {
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0)
            return i + 5;
    return 0;
}

Bytes writePNG(const std::string& path, unsigned int width, unsigned int height,
               const Bytes& rgba) {
    sf::Image image;
    image.create(width, height, rgba.data());
    return image.saveToFile(path) ? readBytes(path) : Bytes();
}

Bytes readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

} // namespace test
} // namespace zelk
