#ifndef ZELK_CODECS_DECODERJPEG_H
#define ZELK_CODECS_DECODERJPEG_H

#include "zelk/codecs/DecoderImage.h"

namespace zelk {
namespace codecs {

// Decodes a JPEG stream through libjpeg into a frame of 1 (grey) or 3 (red,
// green, blue) channels, or of as many channels as the stream holds.
// Damaged, truncated or unsupported data answers false and leaves no frame,
// as does a header that claims more pixels than the stream's length can code
// (8192 pixels a byte).
class DecoderJPEG : public DecoderImage {
public:
    DecoderJPEG() = default;
    virtual ~DecoderJPEG() = default;

    bool decode(unsigned char* encoded, unsigned int size) override;
    bool decode(unsigned char const* encoded, unsigned int size) override;

private:
    struct Reader;
    bool readRows(Reader& reader);
};

} // namespace codecs
} // namespace zelk

#endif
