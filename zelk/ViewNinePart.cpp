#include "zelk/ViewNinePart.h"

#include "zelk/GU.h"
#include "zelk/ViewDrawing.h"

namespace zelk {
namespace viewDrawing {

namespace {

// One corner of a part: its texture coordinate, and its place as an index
// into the frame's four columns (0, border, width - border, width) and rows.
struct Corner {
    float s;
    float t;
    unsigned char column;
    unsigned char row;
};

// The four corner quads, then the four edges and the inside.
const Corner cornerParts[4][4] = {
    {{0.f, 1.f, 0, 0}, {0.f, 0.5f, 0, 1}, {0.5f, 0.5f, 1, 1}, {0.5f, 1.f, 1, 0}},
    {{0.f, 0.5f, 0, 2}, {0.f, 0.f, 0, 3}, {0.5f, 0.f, 1, 3}, {0.5f, 0.5f, 1, 2}},
    {{0.5f, 0.5f, 2, 2}, {0.5f, 0.f, 2, 3}, {1.f, 0.f, 3, 3}, {1.f, 0.5f, 3, 2}},
    {{0.5f, 1.f, 2, 0}, {0.5f, 0.5f, 2, 1}, {1.f, 0.5f, 3, 1}, {1.f, 1.f, 3, 0}},
};
const Corner bandParts[5][4] = {
    {{0.f, 0.515f, 0, 1}, {0.f, 0.515f, 0, 2}, {0.5f, 0.495f, 1, 2}, {0.5f, 0.495f, 1, 1}},
    {{0.515f, 0.5f, 1, 2}, {0.515f, 0.f, 1, 3}, {0.495f, 0.f, 2, 3}, {0.495f, 0.5f, 2, 2}},
    {{0.5f, 0.515f, 2, 1}, {0.5f, 0.515f, 2, 2}, {1.f, 0.495f, 3, 2}, {1.f, 0.495f, 3, 1}},
    {{0.515f, 1.f, 1, 0}, {0.515f, 0.5f, 1, 1}, {0.495f, 0.5f, 2, 1}, {0.495f, 1.f, 2, 0}},
    {{0.495f, 0.515f, 1, 1},
     {0.495f, 0.495f, 1, 2},
     {0.515f, 0.495f, 2, 2},
     {0.515f, 0.515f, 2, 1}},
};

template <unsigned int count>
void drawParts(const Corner (&parts)[count][4], const double (&columns)[4],
               const double (&rows)[4]) {
    for (const auto& part : parts) {
        GU::guBegin(quads);
        for (const Corner& corner : part) {
            GU::guVertexTex2f32(corner.s, corner.t);
            GU::guVertex2f64(columns[corner.column], rows[corner.row]);
        }
        GU::guEnd();
    }
}

} // namespace

void ninePartFrame(Camera2D& camera, float width, float height, double border,
                   unsigned int texture) {
    camera.setRect(0.f, 0.f, width, height);
    cameraProjection(camera);
    GU::guUseMatrix(modelViewMatrix);
    GU::guEnable(texture2D);
    GU::guUseTexture2D(texture);
    const double columns[4] = {0.0, border, width - border, width};
    const double rows[4] = {0.0, border, height - border, height};
    drawParts(cornerParts, columns, rows);
    GU::guColor3f32(1.f, 1.f, 1.f);
    drawParts(bandParts, columns, rows);
}

} // namespace viewDrawing
} // namespace zelk
