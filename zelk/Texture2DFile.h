#ifndef ZELK_TEXTURE2DFILE_H
#define ZELK_TEXTURE2DFILE_H

#include "zelk/Image2D.h"
#include "zelk/Texture2D.h"

namespace zelk {

// A texture loaded from an image file or from an encoded image in memory,
// in any format SFML reads. The image is used only during a load: no pixels
// are kept once OpenGL holds them.
class Texture2DFile : public Texture2D {
public:
    Texture2DFile();
    explicit Texture2DFile(char* name);
    explicit Texture2DFile(char const* name);
    ~Texture2DFile() override;

    // Replace the texture; a failure leaves none.
    bool loadFromFile(char* fileName, unsigned int filter);
    bool loadFromFile(char const* fileName, unsigned int filter);
    bool loadFromMemory(unsigned char* data, unsigned int size, unsigned int filter);

private:
    // Makes the texture from the decoded image, names it after the image's
    // file name and empties the image.
    bool textureFromImage(unsigned int filter);

    Image2D image;
};

} // namespace zelk

#endif
