#include "zelk/codecs/DecoderJPEG.h"

#include "zelk/codecs/JPEGErrorManager.h"

#include <cstddef>
#include <cstdint>

namespace zelk {
namespace codecs {

namespace {

// The most pixels a stream may claim for each of its bytes. Huffman coding
// spends at least one bit on every 8 x 8 block of a component it codes, and
// a block of a component sampled at a quarter of the finest rate each way
// covers 32 x 32 pixels. Arithmetic coding may stop early and have the rest
// filled with zeros, so a claim beyond this is refused whatever the coding:
// the frame and the work are never sized by the header alone.
const std::uint64_t maxPixelsPerByte = 8 * 32 * 32;

} // namespace

// Everything libjpeg touches while it may jump back: plain structures only.
struct DecoderJPEG::Reader {
    jpeg_decompress_struct info;
    JPEGErrorManager error;
    unsigned char* encoded;
    unsigned int size;
};

bool DecoderJPEG::decode(unsigned char* encoded, unsigned int size) {
    if (!DecoderImage::decode(encoded, size))
        return false;
    Reader reader = {};
    reader.info.err = reader.error.start();
    reader.encoded = encoded;
    reader.size = size;
    return readRows(reader);
}

bool DecoderJPEG::decode(unsigned char const* encoded, unsigned int size) {
    return decode(const_cast<unsigned char*>(encoded), size);
}

bool DecoderJPEG::readRows(Reader& reader) {
    jpeg_decompress_struct& info = reader.info;
    if (setjmp(reader.error.jump)) {
        jpeg_destroy_decompress(&info);
        deleteFrame();
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reader.encoded, reader.size);
    bool done = false;
    if (jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK &&
        std::uint64_t(info.image_width) * info.image_height <=
            std::uint64_t(reader.size) * maxPixelsPerByte) {
        jpeg_start_decompress(&info);
        if (info.output_width != 0 && info.output_height != 0 && info.output_components > 0 &&
            info.output_components <= 255 &&
            newFrame(info.output_width, info.output_height,
                     static_cast<unsigned char>(info.output_components))) {
            std::size_t stride = std::size_t(info.output_width) * info.output_components;
            while (info.output_scanline < info.output_height) {
                JSAMPROW row = getFrame() + stride * info.output_scanline;
                jpeg_read_scanlines(&info, &row, 1);
            }
            jpeg_finish_decompress(&info);
            done = true;
        }
    }
    jpeg_destroy_decompress(&info);
    if (!done)
        deleteFrame();
    return done;
}

} // namespace codecs
} // namespace zelk
