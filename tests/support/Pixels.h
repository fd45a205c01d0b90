#ifndef ZELK_TESTS_PIXELS_H
#define ZELK_TESTS_PIXELS_H

#include <vector>

namespace zelk {
namespace test {

// One opaque RGBA pixel as readPixels answers it.
typedef std::vector<unsigned char> Pixel;

const Pixel blackPixel{0, 0, 0, 255};
const Pixel redPixel{255, 0, 0, 255};
const Pixel greenPixel{0, 255, 0, 255};
const Pixel bluePixel{0, 0, 255, 255};
const Pixel whitePixel{255, 255, 255, 255};
const Pixel yellowPixel{255, 255, 0, 255};

} // namespace test
} // namespace zelk

#endif
