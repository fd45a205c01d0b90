#include "Canvas.h"

#include "zelk/Image2D.h"

#include <cmath>

namespace jorvelldata {

namespace {

float clamp01(float v) {
    return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}

unsigned char toByte(float v) {
    return static_cast<unsigned char>(std::lround(clamp01(v) * 255.0f));
}

} // namespace

Color mix(Color a, Color b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Color shade(Color c, float factor) {
    return {clamp01(c.r * factor), clamp01(c.g * factor), clamp01(c.b * factor), c.a};
}

Canvas::Canvas(unsigned int width, unsigned int height)
    : columns(width), rows(height), origin{0.0f, 0.0f}, step{1.0f, 1.0f},
      pixels(std::size_t(width) * height, Color{0.0f, 0.0f, 0.0f, 0.0f}) {}

void Canvas::setFrame(Vec topLeft, Vec pixel) {
    origin = topLeft;
    step = pixel;
}

Vec Canvas::pointOf(unsigned int x, unsigned int y) const {
    return {origin.x + (float(x) + 0.5f) * step.x, origin.y + (float(y) + 0.5f) * step.y};
}

void Canvas::paint(const std::function<float(Vec)>& shape,
                   const std::function<Color(Vec, float)>& color) {
    std::vector<float> distances(pixels.size());
    for (unsigned int y = 0; y < rows; ++y) {
        for (unsigned int x = 0; x < columns; ++x) {
            distances[std::size_t(y) * columns + x] = shape(pointOf(x, y));
        }
    }
    float pixelSize = (std::fabs(step.x) + std::fabs(step.y)) * 0.5f;
    for (unsigned int y = 0; y < rows; ++y) {
        for (unsigned int x = 0; x < columns; ++x) {
            float distance = distances[std::size_t(y) * columns + x];
            float cover = clamp01(0.5f - distance / pixelSize);
            if (cover <= 0.0f) {
                continue;
            }
            float depth = -distance;
            if (distance < 0.0f) {
                depth = std::max(depth, depthOf(distances, x, y));
            }
            Color src = color(pointOf(x, y), depth);
            float alpha = src.a * cover;
            Color& dst = pixels[std::size_t(y) * columns + x];
            float outAlpha = alpha + dst.a * (1.0f - alpha);
            if (outAlpha <= 0.0f) {
                continue;
            }
            float keep = dst.a * (1.0f - alpha);
            dst = {(src.r * alpha + dst.r * keep) / outAlpha,
                   (src.g * alpha + dst.g * keep) / outAlpha,
                   (src.b * alpha + dst.b * keep) / outAlpha, outAlpha};
        }
    }
}

// Where shapes overlap, each one's own distance runs out at seams that lie
// inside the others; the nearest pixel outside them all tells the depth.
float Canvas::depthOf(const std::vector<float>& distances, unsigned int x, unsigned int y) const {
    const int reach = 12;
    float nearest = float(reach) * std::max(std::fabs(step.x), std::fabs(step.y));
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            long qx = long(x) + dx;
            long qy = long(y) + dy;
            if (qx < 0 || qy < 0 || qx >= long(columns) || qy >= long(rows) ||
                distances[std::size_t(qy) * columns + std::size_t(qx)] < 0.0f) {
                continue;
            }
            float ux = float(dx) * step.x;
            float uy = float(dy) * step.y;
            nearest = std::min(nearest, std::sqrt(ux * ux + uy * uy));
        }
    }
    return nearest - 0.5f * (std::fabs(step.x) + std::fabs(step.y)) * 0.5f;
}

void Canvas::fill(const std::function<Color(Vec)>& color) {
    for (unsigned int y = 0; y < rows; ++y) {
        for (unsigned int x = 0; x < columns; ++x) {
            pixels[std::size_t(y) * columns + x] = color(pointOf(x, y));
        }
    }
}

std::vector<unsigned char> Canvas::bytes(unsigned int channels) const {
    std::vector<unsigned char> out;
    out.reserve(pixels.size() * channels);
    for (const Color& c : pixels) {
        // Fully transparent pixels keep no colour.
        bool clear = channels == 4 && toByte(c.a) == 0;
        out.push_back(clear ? 0 : toByte(c.r));
        out.push_back(clear ? 0 : toByte(c.g));
        out.push_back(clear ? 0 : toByte(c.b));
        if (channels == 4) {
            out.push_back(toByte(c.a));
        }
    }
    return out;
}

bool Canvas::savePNG(const std::string& path) const {
    zelk::Image2D image;
    std::vector<unsigned char> rgba = bytes(4);
    return image.newImage(path.c_str(), columns, rows, 4) && image.draw(rgba.data()) &&
           image.saveToFile(path.c_str());
}

bool Canvas::saveJPEG(const std::string& path) const {
    zelk::Image2D image;
    std::vector<unsigned char> rgb = bytes(3);
    return image.newImage(path.c_str(), columns, rows, 3) && image.draw(rgb.data()) &&
           image.saveToFile(path.c_str());
}

} // namespace jorvelldata
