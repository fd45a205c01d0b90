#include "zelk/codecs/EncoderJPEG.h"

#include "zelk/codecs/JPEGErrorManager.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace zelk {
namespace codecs {

// Everything libjpeg touches while it may jump back: plain structures only.
// The library's memory destination grows `stream` with malloc and reports its
// byte count in an unsigned long of its own.
struct EncoderJPEG::Writer {
    jpeg_compress_struct info;
    JPEGErrorManager error;
    unsigned char* frame;
    size2ui32 size;
    int channels;
    int quality;
    unsigned char* stream;
    unsigned long streamSize;
};

bool EncoderJPEG::encode(unsigned char* frame, size2ui32 size, unsigned char channels,
                         unsigned int quality) {
    deleteEncoded();
    if (!EncoderImage::encode(frame, size, channels, quality) || (channels != 1 && channels != 3))
        return false;
    Writer writer = {};
    writer.info.err = writer.error.start();
    writer.frame = frame;
    writer.size = size;
    writer.channels = channels;
    writer.quality = quality > 100 ? 100 : static_cast<int>(quality);
    writer.stream = nullptr;
    writer.streamSize = 0;
    bool written = writeRows(writer) && writer.streamSize != 0 && writer.streamSize <= UINT32_MAX &&
                   newFrameEncoded(static_cast<unsigned int>(writer.streamSize));
    if (written)
        std::memcpy(getEncoded(), writer.stream, writer.streamSize);
    std::free(writer.stream);
    return written;
}

bool EncoderJPEG::encode(unsigned char* frame, unsigned int width, unsigned int height,
                         unsigned char channels, unsigned int quality) {
    return encode(frame, size2ui32(width, height), channels, quality);
}

bool EncoderJPEG::writeRows(Writer& writer) {
    jpeg_compress_struct& info = writer.info;
    if (setjmp(writer.error.jump)) {
        // The destination reports the buffer it holds now, which may have
        // replaced the one it started with, so that it can be freed.
        if (info.dest != nullptr)
            info.dest->term_destination(&info);
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    info.image_width = writer.size.width;
    info.image_height = writer.size.height;
    info.input_components = writer.channels;
    info.in_color_space = writer.channels == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, writer.quality, TRUE);
    jpeg_mem_dest(&info, &writer.stream, &writer.streamSize);
    jpeg_start_compress(&info, TRUE);
    std::size_t stride = std::size_t(writer.size.width) * writer.channels;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = writer.frame + stride * info.next_scanline;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace codecs
} // namespace zelk
