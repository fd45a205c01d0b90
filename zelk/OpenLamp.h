#ifndef ZELK_OPENLAMP_H
#define ZELK_OPENLAMP_H

#include "zelk/Image2D.h"
#include "zelk/TypeColor.h"

namespace zelk {

// Builds normal maps from up to five greyscale or colour images of one size.
// The first minus the second tilts green, the fourth minus the third tilts
// red; the fifth gives blue, or blue comes from the two tilts. Only the first
// byte of each source pixel is read, and a missing source counts as 128.
class OpenLamp {
public:
    OpenLamp() {}

    // Makes normalMap a 3-channel image named "normalMap" of the first
    // image's size, cleared to zero, and fills it. A source that is null,
    // empty or of another size counts as missing. False when normalMap is null
    // or one of the sources, and when nothing was written.
    static bool imageToNormal(Image2D* first, Image2D* second, Image2D* third, Image2D* fourth,
                              Image2D* fifth, Image2D* normalMap);

    // The same over pixel buffers: 3 bytes per pixel go to out. A source is
    // present when its pointer and channel count are not 0. Nothing is
    // written, and the answer is false, without an output, when out overlaps
    // a source, or when both sources of a pair are missing.
    static bool vectorToNormal(unsigned char* first, unsigned char firstChannels,
                               unsigned char* second, unsigned char secondChannels,
                               unsigned char* third, unsigned char thirdChannels,
                               unsigned char* fourth, unsigned char fourthChannels,
                               unsigned char* fifth, unsigned char fifthChannels,
                               unsigned char* out, unsigned int pixelCount);

    // One pixel with blue given.
    static color3ui8 pixelToNormal(unsigned char first, unsigned char second, unsigned char third,
                                   unsigned char fourth, unsigned char fifth);
    // One pixel with blue from the cosines of the two tilts: 255 when flat,
    // down to 127.
    static color3ui8 pixelToNormal(unsigned char first, unsigned char second, unsigned char third,
                                   unsigned char fourth);
};

} // namespace zelk

#endif
