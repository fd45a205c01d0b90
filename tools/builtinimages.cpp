// Draws the engine's built-in images into a folder:
//
//   builtinimages folder [fontFolder]
//
// - ZELKButtonNormalTemplate.png, ZELKButtonUpTemplate.png and
//   ZELKButtonPressedTemplate.png: 50 x 50 button templates;
// - ZELKmenuTemplateTexture.png: the 20 x 20 menu template;
// - ZELKFontTemplate.png: the 256 x 256 font sheet;
// - poweredZELKColor.png: the 926 x 1080 logo, on transparent;
// - poweredZELKWhite.jpg: the same logo on white.
//
// The glyphs come from the DejaVu fonts (Debian's fonts-dejavu-core), by
// default from /usr/share/fonts/truetype/dejavu. Text is drawn through SFML,
// so the program needs an X display (xvfb-run will do).
// scripts/make-builtin-images.sh turns the images into the engine's sources.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Text.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

// The templates are cut in nine parts: each corner of the drawn frame shows
// the matching quarter of the image, and the edges and the inside stretch the
// one or two rows and columns at the image's centre. So the frame is a
// symmetric rounded rectangle whose middle rows and columns are straight,
// with a plain fill at the centre, and a one-pixel transparent ring around
// it (linear filtering blends the outer ring with the opposite side).
struct FrameStyle {
    unsigned int size;
    float radius;
    float outlineWidth;
    float highlightWidth;
    sf::Color outline;
    sf::Color highlight;
    sf::Color fill;
};

FrameStyle coloured(FrameStyle shape, sf::Color outline, sf::Color highlight, sf::Color fill) {
    shape.outline = outline;
    shape.highlight = highlight;
    shape.fill = fill;
    return shape;
}

// Signed distance from the point to the rounded rectangle that fills the
// image but its outer pixel ring: negative inside.
float distanceToFrame(const FrameStyle& style, float x, float y) {
    float centre = style.size / 2.f;
    float straight = centre - 1.f - style.radius;
    float qx = std::fabs(x - centre) - straight;
    float qy = std::fabs(y - centre) - straight;
    float outside = std::hypot(std::max(qx, 0.f), std::max(qy, 0.f));
    return outside + std::min(std::max(qx, qy), 0.f) - style.radius;
}

sf::Color frameColourAt(const FrameStyle& style, float x, float y) {
    float distance = distanceToFrame(style, x, y);
    if (distance > 0.f) {
        return sf::Color::Transparent;
    }
    if (distance > -style.outlineWidth) {
        return style.outline;
    }
    if (distance > -style.outlineWidth - style.highlightWidth) {
        return style.highlight;
    }
    return style.fill;
}

// Each pixel averages 4 x 4 samples, colours weighted by their coverage.
sf::Image drawFrame(const FrameStyle& style) {
    const int samples = 4;
    sf::Image image;
    image.create(style.size, style.size, sf::Color::Transparent);
    for (unsigned int y = 0; y < style.size; ++y) {
        for (unsigned int x = 0; x < style.size; ++x) {
            unsigned int red = 0, green = 0, blue = 0, covered = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    sf::Color colour =
                        frameColourAt(style, x + (sx + 0.5f) / samples, y + (sy + 0.5f) / samples);
                    if (colour.a != 0) {
                        red += colour.r;
                        green += colour.g;
                        blue += colour.b;
                        ++covered;
                    }
                }
            }
            if (covered != 0) {
                image.setPixel(x, y,
                               sf::Color(red / covered, green / covered, blue / covered,
                                         covered * 255 / (samples * samples)));
            }
        }
    }
    return image;
}

// SFML blends onto a transparent target with colours weighted by their alpha;
// the image keeps plain colours.
sf::Image unweighted(const sf::Image& drawn) {
    sf::Image image = drawn;
    sf::Vector2u size = image.getSize();
    for (unsigned int y = 0; y < size.y; ++y) {
        for (unsigned int x = 0; x < size.x; ++x) {
            sf::Color colour = image.getPixel(x, y);
            if (colour.a != 0 && colour.a != 255) {
                colour.r = static_cast<sf::Uint8>(std::min(255, colour.r * 255 / colour.a));
                colour.g = static_cast<sf::Uint8>(std::min(255, colour.g * 255 / colour.a));
                colour.b = static_cast<sf::Uint8>(std::min(255, colour.b * 255 / colour.a));
                image.setPixel(x, y, colour);
            }
        }
    }
    return image;
}

// The font sheet: 16 x 16 cells of 16 x 16 pixels, numbered row by row from
// the top-left cell; the glyph of character code c sits in cell c - 1. Every
// printable ASCII and Latin-1 character is drawn white on transparent, all on
// one baseline, centred on its advance.
const unsigned int cell = 16;

bool printable(unsigned int code) {
    return (code >= 33 && code <= 126) || (code >= 161 && code <= 255);
}

// The largest character size whose glyphs all fit a cell's height, and the
// baseline that fits them.
unsigned int fontSizeForCells(const sf::Font& font, int& baseline) {
    for (unsigned int size = cell; size > 4; --size) {
        float top = 0.f;
        float bottom = 0.f;
        for (unsigned int code = 0; code < 256; ++code) {
            if (printable(code)) {
                sf::FloatRect bounds = font.getGlyph(code, size, false).bounds;
                top = std::min(top, bounds.top);
                bottom = std::max(bottom, bounds.top + bounds.height);
            }
        }
        baseline = static_cast<int>(std::ceil(-top));
        if (baseline + std::ceil(bottom) <= cell) {
            return size;
        }
    }
    return 0;
}

bool drawFontSheet(const std::string& fontFile, sf::Image& sheet) {
    sf::Font font;
    int baseline = 0;
    unsigned int size = 0;
    if (!font.loadFromFile(fontFile) || (size = fontSizeForCells(font, baseline)) == 0) {
        return false;
    }
    sf::RenderTexture target;
    if (!target.create(cell, cell)) {
        return false;
    }
    sheet.create(cell * 16, cell * 16, sf::Color(255, 255, 255, 0));
    for (unsigned int code = 1; code <= 256; ++code) {
        if (!printable(code)) {
            continue;
        }
        sf::Text text(sf::String(static_cast<sf::Uint32>(code)), font, size);
        float advance = font.getGlyph(code, size, false).advance;
        // The text's first line has its baseline one character size down.
        text.setPosition(std::floor((cell - advance) / 2.f),
                         static_cast<float>(baseline - static_cast<int>(size)));
        target.clear(sf::Color::Transparent);
        target.draw(text);
        target.display();
        sf::Image glyph = target.getTexture().copyToImage();
        unsigned int left = (code - 1) % 16 * cell;
        unsigned int top = (code - 1) / 16 * cell;
        for (unsigned int y = 0; y < cell; ++y) {
            for (unsigned int x = 0; x < cell; ++x) {
                sheet.setPixel(left + x, top + y, sf::Color(255, 255, 255, glyph.getPixel(x, y).a));
            }
        }
    }
    return true;
}

// The logo: "powered by" over a large "ZELK" with a bar and a line beneath,
// centred on a 926 x 1080 page.
struct LogoStyle {
    sf::Color background;
    sf::Color words;
    sf::Color name;
    sf::Color nameOutline;
};

void centre(sf::Text& text, float y) {
    sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(std::floor(bounds.left + bounds.width / 2.f),
                   std::floor(bounds.top + bounds.height / 2.f));
    text.setPosition(463.f, y);
}

bool drawLogo(const sf::Font& bold, const sf::Font& regular, const LogoStyle& style,
              sf::Image& logo) {
    sf::RenderTexture target;
    if (!target.create(926, 1080)) {
        return false;
    }
    target.setSmooth(true);
    target.clear(style.background);

    sf::Text powered("powered by", regular, 84);
    powered.setFillColor(style.words);
    centre(powered, 350.f);
    target.draw(powered);

    sf::Text name("ZELK", bold, 250);
    name.setFillColor(style.name);
    name.setOutlineColor(style.nameOutline);
    name.setOutlineThickness(6.f);
    centre(name, 550.f);
    target.draw(name);

    sf::RectangleShape bar(sf::Vector2f(700.f, 14.f));
    bar.setFillColor(style.name);
    bar.setPosition(113.f, 700.f);
    target.draw(bar);

    sf::Text line("2D GAME ENGINE", regular, 56);
    line.setFillColor(style.words);
    centre(line, 790.f);
    target.draw(line);

    target.display();
    logo = unweighted(target.getTexture().copyToImage());
    return true;
}

bool save(const sf::Image& image, const std::string& folder, const char* name) {
    std::string path = folder + "/" + name;
    if (!image.saveToFile(path)) {
        std::fprintf(stderr, "builtinimages: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s folder [fontFolder]\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    std::string fonts = argc == 3 ? argv[2] : "/usr/share/fonts/truetype/dejavu";

    // Every fill is dark enough for white labels; the hovered frame is
    // lighter, the pressed one darker.
    const FrameStyle button = {50, 12.f, 3.f, 1.5f, {}, {}, {}};
    const FrameStyle normal = coloured(button, {170, 180, 200}, {80, 92, 120}, {44, 52, 72});
    const FrameStyle up = coloured(button, {235, 240, 250}, {104, 120, 156}, {60, 72, 100});
    const FrameStyle pressed = coloured(button, {120, 128, 146}, {22, 26, 38}, {32, 38, 54});
    const FrameStyle menu =
        coloured({20, 5.f, 2.f, 0.f, {}, {}, {}}, {150, 160, 180}, {150, 160, 180}, {36, 40, 52});

    sf::Font bold;
    sf::Font regular;
    if (!bold.loadFromFile(fonts + "/DejaVuSans-Bold.ttf") ||
        !regular.loadFromFile(fonts + "/DejaVuSans.ttf")) {
        std::fprintf(stderr, "builtinimages: no DejaVu fonts in %s\n", fonts.c_str());
        return 1;
    }
    sf::Image sheet;
    sf::Image colour;
    sf::Image white;
    bool drawn = drawFontSheet(fonts + "/DejaVuSansMono-Bold.ttf", sheet) &&
                 drawLogo(bold, regular,
                          {sf::Color::Transparent, sf::Color(225, 225, 225),
                           sf::Color(255, 150, 30), sf::Color(150, 60, 0)},
                          colour) &&
                 drawLogo(bold, regular,
                          {sf::Color::White, sf::Color(70, 70, 70), sf::Color(230, 120, 0),
                           sf::Color(120, 50, 0)},
                          white);
    if (!drawn) {
        std::fprintf(stderr, "builtinimages: drawing failed\n");
        return 1;
    }
    bool saved = save(drawFrame(normal), folder, "ZELKButtonNormalTemplate.png") &&
                 save(drawFrame(up), folder, "ZELKButtonUpTemplate.png") &&
                 save(drawFrame(pressed), folder, "ZELKButtonPressedTemplate.png") &&
                 save(drawFrame(menu), folder, "ZELKmenuTemplateTexture.png") &&
                 save(sheet, folder, "ZELKFontTemplate.png") &&
                 save(colour, folder, "poweredZELKColor.png") &&
                 save(white, folder, "poweredZELKWhite.jpg");
    return saved ? 0 : 1;
}
