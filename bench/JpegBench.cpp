// Decoding and encoding a 2048 x 2048 colour JPEG through the engine's codecs
// and through libjpeg called directly on the same bytes. The codecs should stay
// within 1.05x of the direct calls.
#include "zelk/codecs/DecoderJPEG.h"
#include "zelk/codecs/EncoderJPEG.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

namespace {

constexpr unsigned int side = 2048;
constexpr unsigned int quality = 90;

// Ramps with a little texture, so that the coder has detail to work on.
const std::vector<unsigned char>& pixels() {
    static const std::vector<unsigned char> frame = [] {
        std::vector<unsigned char> made(std::size_t(side) * side * 3);
        unsigned int noise = 12345;
        for (std::size_t i = 0; i < made.size(); ++i) {
            noise = noise * 1103515245u + 12345u;
            std::size_t x = (i / 3) % side, y = i / 3 / side;
            made[i] = static_cast<unsigned char>((x + y * (i % 3 + 1)) / 16 + (noise >> 28));
        }
        return made;
    }();
    return frame;
}

const std::vector<unsigned char>& stream() {
    static const std::vector<unsigned char> jpeg = [] {
        zelk::codecs::EncoderJPEG encoder;
        encoder.encode(pixels().data(), side, side, 3, quality);
        return std::vector<unsigned char>(encoder.getEncoded(),
                                          encoder.getEncoded() + encoder.getEncodedSize());
    }();
    return jpeg;
}

void CodecDecode(benchmark::State& state) {
    const std::vector<unsigned char>& jpeg = stream();
    for (auto _ : state) {
        zelk::codecs::DecoderJPEG decoder;
        bool decoded = decoder.decode(jpeg.data(), static_cast<unsigned int>(jpeg.size()));
        benchmark::DoNotOptimize(decoded);
        benchmark::DoNotOptimize(decoder.getFrame());
    }
}

void LibjpegDecode(benchmark::State& state) {
    const std::vector<unsigned char>& jpeg = stream();
    for (auto _ : state) {
        jpeg_decompress_struct info;
        jpeg_error_mgr error;
        info.err = jpeg_std_error(&error);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, jpeg.data(), jpeg.size());
        jpeg_read_header(&info, TRUE);
        jpeg_start_decompress(&info);
        std::size_t stride = std::size_t(info.output_width) * info.output_components;
        unsigned char* frame = new unsigned char[stride * info.output_height];
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = frame + stride * info.output_scanline;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        benchmark::DoNotOptimize(frame);
        delete[] frame;
    }
}

void CodecEncode(benchmark::State& state) {
    const std::vector<unsigned char>& frame = pixels();
    for (auto _ : state) {
        zelk::codecs::EncoderJPEG encoder;
        bool encoded = encoder.encode(frame.data(), side, side, 3, quality);
        benchmark::DoNotOptimize(encoded);
        benchmark::DoNotOptimize(encoder.getEncoded());
    }
}

void LibjpegEncode(benchmark::State& state) {
    const std::vector<unsigned char>& frame = pixels();
    for (auto _ : state) {
        jpeg_compress_struct info;
        jpeg_error_mgr error;
        info.err = jpeg_std_error(&error);
        jpeg_create_compress(&info);
        unsigned char* out = nullptr;
        unsigned long outSize = 0;
        jpeg_mem_dest(&info, &out, &outSize);
        info.image_width = side;
        info.image_height = side;
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, quality, TRUE);
        jpeg_start_compress(&info, TRUE);
        while (info.next_scanline < info.image_height) {
            JSAMPROW row = const_cast<unsigned char*>(frame.data()) +
                           std::size_t(side) * 3 * info.next_scanline;
            jpeg_write_scanlines(&info, &row, 1);
        }
        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        benchmark::DoNotOptimize(out);
        std::free(out);
    }
}

} // namespace

BENCHMARK(CodecDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(LibjpegDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(CodecEncode)->Unit(benchmark::kMillisecond);
BENCHMARK(LibjpegEncode)->Unit(benchmark::kMillisecond);
