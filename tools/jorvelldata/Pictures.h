#ifndef JORVELLDATA_PICTURES_H
#define JORVELLDATA_PICTURES_H

#include <string>

// The level's and the title's pictures. Each writer answers whether its file
// was written.
namespace jorvelldata {

// "JORVELL" in carved golden letters on a transparent ground, 640 x 200.
bool writeTitle(const std::string& path);
// A 1024 x 1024 opaque grid of panels that still reads when stretched 40:1.
bool writeTemplateTexture(const std::string& path);
// Four 64 x 64 slope cells in a row: the upper-left, lower-right, lower-left
// and upper-right half of a square, transparent elsewhere.
bool writeTileSet(const std::string& path);
// Three 64 x 64 frames of a "Z" button whose light swells from frame to frame.
bool writeButton(const std::string& path);
// A "WAIT" sign on a post, 288 x 256.
bool writeWaitSign(const std::string& path);

} // namespace jorvelldata

#endif
