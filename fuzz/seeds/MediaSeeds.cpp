// Seeds of the BVH reader and the image decoders.
#include "Seeds.h"

#include "Motion.h"
#include "zelk/Image2D.h"
#include "zelk/codecs/EncoderJPEG.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace zelk {
namespace fuzz {

namespace {

// A small picture of gradients, channels bytes a pixel.
std::vector<unsigned char> gradient(unsigned int width, unsigned int height,
                                    unsigned int channels) {
    std::vector<unsigned char> pixels;
    for (unsigned int y = 0; y < height; y++) {
        for (unsigned int x = 0; x < width; x++) {
            for (unsigned int c = 0; c < channels; c++) {
                pixels.push_back(static_cast<unsigned char>(x * 16 + y * 8 + c * 64));
            }
        }
    }
    return pixels;
}

std::vector<unsigned char> jpeg(unsigned int width, unsigned int height, unsigned char channels,
                                unsigned int quality) {
    std::vector<unsigned char> pixels = gradient(width, height, channels);
    codecs::EncoderJPEG encoder;
    if (!encoder.encode(pixels.data(), width, height, channels, quality)) {
        return {};
    }
    return std::vector<unsigned char>(encoder.getEncoded(),
                                      encoder.getEncoded() + encoder.getEncodedSize());
}

// The motion's hierarchy and its first frame alone.
std::string firstFrameOnly(const std::string& motion) {
    size_t frames = motion.find("Frames: ");
    size_t firstLine = motion.find("Frame Time:");
    if (frames == std::string::npos || firstLine == std::string::npos) {
        return "";
    }
    size_t firstEnd = motion.find('\n', motion.find('\n', firstLine) + 1);
    return motion.substr(0, frames) + "Frames: 1\n" +
           motion.substr(firstLine, firstEnd + 1 - firstLine);
}

} // namespace

bool writeBVHSeeds(const std::string& root) {
    SeedFolder bvh(root, "bvh");
    std::string path = bvh.path + "/mannequin.bvh";
    if (!jorvelldata::writeMotion(path)) {
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    std::string motion((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::string still = firstFrameOnly(motion);
    return !still.empty() && bvh.write("still.bvh", still);
}

bool writeImageSeeds(const std::string& root) {
    SeedFolder decoder(root, "jpeg");
    SeedFolder images(root, "image");
    std::vector<unsigned char> colour = jpeg(16, 8, 3, 90);
    std::vector<unsigned char> grey = jpeg(8, 8, 1, 50);
    bool written = !colour.empty() && !grey.empty() && decoder.write("colour.jpg", colour) &&
                   decoder.write("grey.jpg", grey) && images.write("colour.jpg", colour) &&
                   images.write("grey.jpg", grey);
    Image2D picture;
    std::string png = images.path + "/picture.png";
    written &= picture.newImage("picture", 8, 4, 4) && picture.draw(gradient(8, 4, 4).data()) &&
               picture.saveToFile(png.c_str());
    return written;
}

} // namespace fuzz
} // namespace zelk
