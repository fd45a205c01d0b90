#ifndef ZELK_TESTS_IMAGESUPPORT_H
#define ZELK_TESTS_IMAGESUPPORT_H

#include <cstddef>
#include <string>
#include <vector>

namespace zelk {
namespace test {

typedef std::vector<unsigned char> Bytes;

// The byte count as the engine's 32-bit size.
inline unsigned int sizeOf(const Bytes& bytes) {
    return static_cast<unsigned int>(bytes.size());
}

// Smooth ramps that differ per channel, so that JPEG keeps every byte close
// to the original.
Bytes gradient(unsigned int width, unsigned int height, unsigned int channels);

// A JPEG stream of the pixels at quality 100, made by the engine's encoder.
Bytes encodeJPEG(const Bytes& pixels, unsigned int width, unsigned int height,
                 unsigned char channels);

// The largest difference between two byte ranges of the same length.
int largestDifference(const unsigned char* a, const unsigned char* b, std::size_t count);

// The offset of the baseline start-of-frame's height field (width follows);
// 0 when the stream has none.
std::size_t frameHeightOffset(const Bytes& jpeg);

// Writes RGBA pixels (rows from the top) as a PNG file through SFML and
// answers the file's bytes, empty when it could not be written.
Bytes writePNG(const std::string& path, unsigned int width, unsigned int height, const Bytes& rgba);

Bytes readBytes(const std::string& path);
void writeBytes(const std::string& path, const Bytes& bytes);

} // namespace test
} // namespace zelk

#endif
