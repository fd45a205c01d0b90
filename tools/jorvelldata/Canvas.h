#ifndef JORVELLDATA_CANVAS_H
#define JORVELLDATA_CANVAS_H

#include "Shapes.h"

#include <functional>
#include <string>
#include <vector>

namespace jorvelldata {

// A colour with straight (not premultiplied) alpha, each part 0 to 1.
struct Color {
    float r, g, b, a;
};

Color mix(Color a, Color b, float t);
Color shade(Color c, float factor);

// An RGBA picture drawn with shapes given by signed distance. Points are in
// the canvas's own units: by default pixels with y down, or any rectangle of
// the plane chosen with setFrame.
class Canvas {
public:
    Canvas(unsigned int width, unsigned int height);

    // The point of the top-left corner of the picture and the size of one
    // pixel in units (negative height for y up).
    void setFrame(Vec topLeft, Vec pixel);

    // Paints where the shape is, its edge smoothed over one pixel, with the
    // colour picked per point; the colour is also told how deep inside the
    // shape the point lies (up to 12 pixels).
    void paint(const std::function<float(Vec)>& shape,
               const std::function<Color(Vec, float depth)>& color);
    // Paints every pixel with the colour picked for its point.
    void fill(const std::function<Color(Vec)>& color);

    unsigned int width() const { return columns; }
    unsigned int height() const { return rows; }
    Color at(unsigned int x, unsigned int y) const { return pixels[y * columns + x]; }

    bool savePNG(const std::string& path) const;
    // Opaque RGB at JPEG quality 100.
    bool saveJPEG(const std::string& path) const;

private:
    Vec pointOf(unsigned int x, unsigned int y) const;
    // How deep inside a painted shape the pixel lies, in units, found from
    // the pixels outside it; pixels beyond the picture do not count.
    float depthOf(const std::vector<float>& distances, unsigned int x, unsigned int y) const;
    std::vector<unsigned char> bytes(unsigned int channels) const;

    unsigned int columns;
    unsigned int rows;
    Vec origin;
    Vec step;
    std::vector<Color> pixels;
};

} // namespace jorvelldata

#endif
