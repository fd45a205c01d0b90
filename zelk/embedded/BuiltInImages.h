#ifndef ZELK_EMBEDDED_BUILTINIMAGES_H
#define ZELK_EMBEDDED_BUILTINIMAGES_H

#include "zelk/TypeVars.h"

// The images compiled into the engine, each as its bytes, their count and the
// name it is loaded under (the name of the file it was made from). They are
// drawn by tools/builtinimages and turned into the sources beside this header
// by scripts/make-builtin-images.sh. Load them from memory, e.g.
// Texture2DList::loadTextureFromMemory(name, bytes, size, filter).

// Button templates, 50 x 50 RGBA PNG, cut in nine parts: each corner of a
// button shows the matching quarter, the edges and the inside stretch the
// rows and columns at the centre, a plain fill dark enough for white labels.
// Normal, hovered (lighter) and pressed (darker).
extern zelk::uint32 ZELKButtonNormalTemplateSize;
extern zelk::char8 ZELKButtonNormalTemplateName[];
extern zelk::uchar8 ZELKButtonNormalTemplate[];
extern zelk::uint32 ZELKButtonUpTemplateSize;
extern zelk::char8 ZELKButtonUpTemplateName[];
extern zelk::uchar8 ZELKButtonUpTemplate[];
extern zelk::uint32 ZELKButtonPressedTemplateSize;
extern zelk::char8 ZELKButtonPressedTemplateName[];
extern zelk::uchar8 ZELKButtonPressedTemplate[];

// The menu's panel, 20 x 20 RGBA PNG, cut like the buttons; its name text is
// "ZELKmenuTemplateTexture.png".
extern zelk::uint32 ZELKMenuTemplateTextureSize;
extern zelk::char8 ZELKMenuTemplateTextureName[];
extern zelk::uchar8 ZELKMenuTextureTemplate[];

// The font, 256 x 256 RGBA PNG: 16 x 16 cells of 16 x 16 pixels counted row by
// row from the top-left; the glyph of character code c (Latin-1) is in cell
// c - 1. White glyphs on transparent.
extern zelk::uint32 ZELKFontTemplateSize;
extern zelk::char8 ZELKFontTemplateName[];
extern zelk::uchar8 ZELKFontTemplate[];

namespace zelk {

// The logo saying what powers the game: 926 x 1080 PNG with alpha, readable
// on black.
namespace poweredZELKColor {
extern uint32 size;
extern char8 name[];
extern uchar8 vec[];
} // namespace poweredZELKColor

// The same logo as a JPEG on white.
namespace poweredZELKWhite {
extern uint32 size;
extern char8 name[];
extern uchar8 vec[];
} // namespace poweredZELKWhite

} // namespace zelk

#endif
