#include "Pictures.h"

#include "BlockFont.h"
#include "Canvas.h"
#include "Random.h"

#include <cmath>

namespace jorvelldata {

namespace {

const Color ink = {0.24f, 0.13f, 0.05f, 1.0f};
const Color shadow = {0.0f, 0.0f, 0.0f, 0.3f};
const Color gold = {0.99f, 0.80f, 0.36f, 1.0f};
const Color amber = {0.80f, 0.42f, 0.14f, 1.0f};
const Color plank = {0.76f, 0.55f, 0.32f, 1.0f};

// Paints a shape with a dark rim of the given width around a fill.
void paintOutlined(Canvas& canvas, const std::function<float(Vec)>& shape, float rim,
                   const std::function<Color(Vec, float)>& fill) {
    canvas.paint([&](Vec p) { return shape(p) - rim; }, [](Vec, float) { return ink; });
    canvas.paint(shape, fill);
}

// Planks of wood with a grain that wanders along x.
Color woodAt(Vec p, const Noise& grain, Color base) {
    float wobble = grain.at(p.x * 0.05f) * 3.0f + grain.at(p.x * 0.011f + 40.0f) * 6.0f;
    float line = 0.5f + 0.5f * std::sin((p.y + wobble) * 0.9f);
    return shade(base, 1.0f - 0.16f * line * line * line * line);
}

} // namespace

bool writeTitle(const std::string& path) {
    Canvas canvas(640, 200);
    BlockFont font(14.0f);
    const std::string word = "JORVELL";
    Vec corner = {(640.0f - font.textWidth(word)) * 0.5f, 34.0f};
    auto letters = [&](Vec p) { return font.distance(p, word, corner); };
    Noise grain(11, 64);
    auto bar = [](Vec p) { return box(p, {320.0f, 166.0f}, {250.0f, 7.0f}, 7.0f); };

    canvas.paint(
        [&](Vec p) {
            return std::min(letters(p - Vec{6, 7}), bar(p - Vec{6, 7})) - 5.0f;
        },
        [](Vec, float) { return shadow; });
    paintOutlined(canvas, bar, 4.0f, [&](Vec p, float) { return woodAt(p, grain, plank); });
    paintOutlined(canvas, letters, 5.0f, [&](Vec p, float depth) {
        float down = (p.y - corner.y) / font.textHeight();
        Color body = mix(gold, amber, down < 0.0f ? 0.0f : (down > 1.0f ? 1.0f : down));
        // A bevel: lighter just inside the edge.
        return depth < 3.0f ? shade(body, 1.18f) : body;
    });
    return canvas.savePNG(path);
}

bool writeTemplateTexture(const std::string& path) {
    Canvas canvas(1024, 1024);
    const Color light = {0.86f, 0.84f, 0.79f, 1.0f};
    const Color dark = {0.74f, 0.72f, 0.68f, 1.0f};
    const Color fine = {0.62f, 0.60f, 0.57f, 1.0f};
    const Color bold = {0.33f, 0.33f, 0.37f, 1.0f};
    canvas.fill([&](Vec p) {
        int x = int(p.x);
        int y = int(p.y);
        if (x < 12 || y < 12 || x >= 1012 || y >= 1012) {
            return bold;
        }
        if (x % 128 < 3 || y % 128 < 3 || x % 128 > 124 || y % 128 > 124) {
            return bold;
        }
        if (x % 32 < 2 || y % 32 < 2) {
            return fine;
        }
        return ((x / 128 + y / 128) % 2) ? dark : light;
    });
    return canvas.saveJPEG(path);
}

bool writeTileSet(const std::string& path) {
    Canvas canvas(256, 64);
    const Color earth = {0.66f, 0.50f, 0.33f, 1.0f};
    // Each cell's solid half, corners clockwise on screen (y down), in the
    // order of the tiles' collision triangles.
    const Vec halves[4][3] = {{{0, 64}, {0, 0}, {64, 0}},
                              {{0, 64}, {64, 0}, {64, 64}},
                              {{0, 0}, {64, 64}, {0, 64}},
                              {{0, 0}, {64, 0}, {64, 64}}};
    Noise grain(23, 64);
    for (int cell = 0; cell < 4; ++cell) {
        Vec shift = {64.0f * float(cell), 0.0f};
        const Vec* t = halves[cell];
        auto half = [&, shift, t](Vec p) { return convex(p - shift, {t[0], t[1], t[2]}); };
        // The slope is the cell's diagonal; it gets the dark rim, the sides
        // that meet the neighbouring cells stay open.
        Vec a = cell < 2 ? Vec{0, 64} : Vec{0, 0};
        Vec b = cell < 2 ? Vec{64, 0} : Vec{64, 64};
        canvas.paint(half, [&, shift, a, b](Vec p, float) {
            Vec q = p - shift;
            Vec edge = b - a;
            float slope = std::fabs((q.x - a.x) * edge.y - (q.y - a.y) * edge.x) / length(edge);
            return slope < 4.0f ? ink : woodAt(q, grain, earth);
        });
    }
    return canvas.savePNG(path);
}

bool writeButton(const std::string& path) {
    Canvas canvas(192, 64);
    BlockFont font(4.0f);
    const Color rim = {0.10f, 0.12f, 0.22f, 1.0f};
    const Color face = {0.22f, 0.32f, 0.56f, 1.0f};
    const Color glow = {0.95f, 0.92f, 0.62f, 1.0f};
    for (int frame = 0; frame < 3; ++frame) {
        float light = 0.3f + 0.35f * float(frame);
        Vec centre = {32.0f + 64.0f * float(frame), 32.0f};
        auto square = [centre](Vec p) { return box(p, centre, {28.0f, 28.0f}, 10.0f); };
        canvas.paint([&](Vec p) { return square(p) - 2.0f; }, [&](Vec, float) { return rim; });
        canvas.paint(square, [&](Vec p, float depth) {
            Color body = mix(shade(face, 1.25f), face, (p.y - 4.0f) / 56.0f);
            float halo = 1.0f - length(p - centre) / 26.0f;
            body = mix(body, glow, halo > 0.0f ? halo * light * 0.8f : 0.0f);
            return depth < 3.0f ? shade(body, 1.2f) : body;
        });
        Vec corner = centre - Vec{font.textWidth("Z") * 0.5f, font.textHeight() * 0.5f};
        canvas.paint([&](Vec p) { return font.distance(p, "Z", corner); },
                     [&](Vec, float) {
                         return mix(rim, Color{1, 1, 1, 1}, light);
                     });
    }
    return canvas.savePNG(path);
}

bool writeWaitSign(const std::string& path) {
    Canvas canvas(288, 256);
    BlockFont font(9.0f);
    const Color post = {0.45f, 0.30f, 0.16f, 1.0f};
    const Color board = {0.97f, 0.78f, 0.28f, 1.0f};
    Noise grain(37, 64);
    auto pole = [](Vec p) { return box(p, {144.0f, 214.0f}, {10.0f, 40.0f}, 3.0f); };
    auto panel = [](Vec p) { return box(p, {144.0f, 100.0f}, {132.0f, 84.0f}, 18.0f); };
    paintOutlined(canvas, pole, 3.0f, [&](Vec p, float) { return woodAt(p, grain, post); });
    paintOutlined(canvas, panel, 5.0f, [&](Vec p, float depth) {
        return depth < 8.0f ? shade(board, 0.85f) : woodAt(p, grain, board);
    });
    const std::string word = "WAIT";
    Vec corner = {144.0f - font.textWidth(word) * 0.5f, 100.0f - font.textHeight() * 0.5f};
    canvas.paint([&](Vec p) { return font.distance(p, word, corner); },
                 [](Vec, float) { return ink; });
    return canvas.savePNG(path);
}

} // namespace jorvelldata
