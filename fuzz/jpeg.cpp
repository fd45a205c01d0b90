// A JPEG stream in memory, decoded by the engine's libjpeg decoder.
#include "FuzzInput.h"

#include "zelk/codecs/DecoderJPEG.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zelk::codecs::DecoderJPEG decoder;
    decoder.decode(data, static_cast<unsigned int>(size));
    return 0;
}
