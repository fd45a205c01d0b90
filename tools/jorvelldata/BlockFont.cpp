#include "BlockFont.h"

namespace jorvelldata {

namespace {

struct Glyph {
    char letter;
    const char* rows[7];
};

const Glyph glyphs[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'J', {"..###", "....#", "....#", "....#", "....#", "#...#", ".###."}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
};

const Glyph* glyphOf(char letter) {
    for (const Glyph& glyph : glyphs) {
        if (glyph.letter == letter) {
            return &glyph;
        }
    }
    return nullptr;
}

} // namespace

float BlockFont::textWidth(const std::string& text) const {
    return text.empty() ? 0.0f : (6.0f * float(text.size()) - 1.0f) * cell;
}

float BlockFont::distance(Vec p, const std::string& text, Vec topLeft) const {
    // Cells overlap a little, so neighbours join without a seam.
    float overlap = cell * 0.12f;
    Vec half = {cell * 0.5f + overlap, cell * 0.5f + overlap};
    float nearest = 1e30f;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph* glyph = glyphOf(text[i]);
        Vec corner = {topLeft.x + 6.0f * cell * float(i), topLeft.y};
        // Letters far from the point cannot be the nearest.
        float away = box(p, corner + Vec{2.5f * cell, 3.5f * cell},
                         Vec{2.5f * cell + overlap, 3.5f * cell + overlap}, 0.0f);
        if (!glyph || away > nearest) {
            continue;
        }
        for (int row = 0; row < 7; ++row) {
            for (int column = 0; column < 5; ++column) {
                if (glyph->rows[row][column] == '#') {
                    Vec centre =
                        corner + Vec{(float(column) + 0.5f) * cell, (float(row) + 0.5f) * cell};
                    nearest = std::min(nearest, box(p, centre, half, overlap));
                }
            }
        }
    }
    return nearest;
}

} // namespace jorvelldata
