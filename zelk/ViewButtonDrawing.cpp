#include "zelk/ViewButton.h"

#include "zelk/GU.h"
#include "zelk/ViewDrawing.h"
#include "zelk/ViewNinePart.h"

#include <cmath>

namespace zelk {

using namespace viewDrawing;

namespace {

// The label's share of the inside area.
const double labelScale = 0.95;

// The identity projection with the camera multiplied onto it, then the
// model-view matrix, cleared.
void cameraOnIdentity(Camera2D& camera) {
    GU::guUseMatrix(projectionMatrix);
    GU::guLoadIdentity();
    camera.draw();
    GU::guUseMatrix(modelViewMatrix);
    GU::guLoadIdentity();
}

} // namespace

void ViewButton::drawPolygon(rectf32 outside) {
    uint32 sprite = spriteCode;
    uint32 image = symbol;
    if (state == 1) {
        sprite = spritePressed != 0 ? spritePressed : sprite;
        image = symbolPressed != 0 ? symbolPressed : image;
    } else if (state == 2) {
        sprite = spriteUp != 0 ? spriteUp : sprite;
        image = symbolUp != 0 ? symbolUp : image;
    }
    float width = frame.size.width;
    float height = frame.size.height;
    size2f32 inside(static_cast<float>(width - borderSize),
                    static_cast<float>(height - borderSize));
    // The inside area in whole pixels; a frame no wider or higher than the
    // border has none, and then neither symbol nor label is drawn.
    double iw = 0.0;
    double ih = 0.0;
    if (inside.width > 0.f && inside.height > 0.f) {
        iw = std::trunc(width) - std::trunc(borderSize);
        ih = std::trunc(height) - std::trunc(borderSize);
    }
    ninePartFrame(camera, width, height, borderSize, sprite);
    bool haveInside = iw > 0.0 && ih > 0.0;
    size2f32 scale(0.f, 0.f);
    if (haveInside) {
        scale = size2f32(inside.width / width, inside.height / height);
    }
    if (image != 0 && haveInside) {
        drawSymbol(image, scale, iw, ih);
    }
    GU::guUseTexture2D(0);
    GU::guDisable(texture2D);
    if (text.haveText() && haveInside) {
        drawLabel(outside, scale, iw, ih);
    }
}

void ViewButton::drawSymbol(uint32 image, size2f32 scale, double iw, double ih) {
    double symbolWidth = symbolSize.width;
    double symbolHeight = symbolSize.height;
    if (symbolWidth == 0.0 || symbolHeight == 0.0) {
        return;
    }
    camera.setRect(0.f, 0.f, 1.f, 1.f);
    cameraOnIdentity(camera);
    GU::guUseTexture2D(image);
    GU::guScale2f32(scale);
    if (iw / ih >= symbolWidth / symbolHeight) {
        GU::guScale2f64(ih / symbolHeight * symbolWidth / iw, 1.0);
    } else {
        GU::guScale2f64(1.0, iw / symbolWidth * symbolHeight / ih);
    }
    GU::guScale2f32(insideScale);
    GU::guBegin(quads);
    GU::guVertexTex2f32(0.f, 1.f);
    GU::guVertex2f32(-1.f, -1.f);
    GU::guVertexTex2f32(0.f, 0.f);
    GU::guVertex2f32(-1.f, 1.f);
    GU::guVertexTex2f32(1.f, 0.f);
    GU::guVertex2f32(1.f, 1.f);
    GU::guVertexTex2f32(1.f, 1.f);
    GU::guVertex2f32(1.f, -1.f);
    GU::guEnd();
}

void ViewButton::drawLabel(rectf32 outside, size2f32 scale, double iw, double ih) {
    double mapWidth = text.getMapSizeWidth();
    double mapHeight = text.getMapSizeHeight();
    if (mapWidth == 0.0 || mapHeight == 0.0) {
        return;
    }
    // The map's cells are unit squares centred on (column, rows - 1 - line).
    camera.setRect(static_cast<float>((mapWidth - 1.0) / 2.0),
                   static_cast<float>((mapHeight - 1.0) / 2.0), static_cast<float>(mapWidth / 2.0),
                   static_cast<float>(mapHeight / 2.0));
    cameraOnIdentity(camera);
    GU::guScale2f64(labelScale * scale.width, labelScale * scale.height);
    // The largest rectangle of the map's aspect inside the inside area,
    // centred in it (the inside area counts from the border).
    double labelWidth = iw;
    double labelHeight = ih;
    if (iw / ih >= mapWidth / mapHeight) {
        labelWidth = ih * mapWidth / mapHeight;
    } else {
        labelHeight = iw * mapHeight / mapWidth;
    }
    double x = borderSize + outside.origin.x + animatedFrame.origin.x + iw / 2.0 - labelWidth / 2.0;
    double y = borderSize +
               (static_cast<double>(outside.origin.y) + outside.size.height -
                animatedFrame.origin.y - animatedFrame.size.height) +
               ih / 2.0 - labelHeight / 2.0;
    GU::guSetViewport(static_cast<unsigned int>(toPixel(static_cast<float>(x))),
                      static_cast<unsigned int>(toPixel(static_cast<float>(y))),
                      static_cast<unsigned int>(toPixel(static_cast<float>(labelWidth))),
                      static_cast<unsigned int>(toPixel(static_cast<float>(labelHeight))));
    text.draw();
}

} // namespace zelk
