#ifndef ZELK_VIEWBUTTON_H
#define ZELK_VIEWBUTTON_H

#include "zelk/ButtonCallback.h"
#include "zelk/Camera2D.h"
#include "zelk/TypeColor.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVars.h"
#include "zelk/ViewSprite.h"
#include "zelk/fonts/FontMap.h"
#include "zelk/vector/BinaryTree.h"

namespace zelk {

// The clickable widget: a sprite view that draws its template image in nine
// parts around a border (see viewDrawing::ninePartFrame), an optional symbol
// fitted inside, and a text label. A new button shows the built-in templates:
// the normal sprite, a lighter one while the mouse is over it and a darker one
// while it is pressed.
//
// It tracks the mouse buttons pressed on it until they are released, and
// tells its listener of every press, every release (inside or not) and, once
// a frame, of every button held while the mouse is over it. A disabled button
// ignores the mouse hooks, but update() still ends holds released outside and
// still reports holds. The textures are held until deleted or destruction.
class ViewButton : public ViewSprite {
public:
    ViewButton();
    explicit ViewButton(rectf32 frame);
    ~ViewButton() override;

    void update(WindowEvents* events) override;
    void eventMousePressed(vec2f32 point, unsigned int button) override;
    void eventMouseMoved(vec2f32 point, unsigned int button) override;
    // A point with a negative x counts as outside the button.
    void eventMouseReleased(vec2f32 point, unsigned int button) override;
    void eventMouseEntryInsideView(vec2f32 point) override;
    void eventMouseLeftView(vec2f32 point) override;
    bool isButton() override;
    void drawPolygon(rectf32 outside) override;

    // Hooks for subclasses, called beside the listener's operations.
    virtual void eventPressButton(unsigned int button);
    virtual void eventReleaseButton(unsigned int button, bool inside);
    virtual void eventHoldButton(unsigned int button);

    // The border width in pixels of the frame; 0 sets 50 and answers false.
    bool setBorderSize(unsigned int size);
    // Not owned; false for null.
    bool setCallback(ButtonCallback* callback);
    void removeCallback();

    // Each replaces the image of its kind with one loaded through the shared
    // texture list; false, with none left, for a null name or an image that
    // does not load. Pressed and up images of 0 show the normal sprite (the
    // normal symbol); the normal sprite loads with loadSprite.
    bool loadSpritePressed(char* name, unsigned int filter);
    bool loadSpritePressed(const char* name, unsigned int filter);
    bool loadSpritePressedFromMemory(char* name, unsigned char* data, unsigned int size,
                                     unsigned int filter);
    bool loadSpritePressedFromMemory(const char* name, unsigned char* data, unsigned int size,
                                     unsigned int filter);
    bool loadSpriteUp(char* name, unsigned int filter);
    bool loadSpriteUp(const char* name, unsigned int filter);
    bool loadSpriteUpFromMemory(char* name, unsigned char* data, unsigned int size,
                                unsigned int filter);
    bool loadSpriteUpFromMemory(const char* name, unsigned char* data, unsigned int size,
                                unsigned int filter);
    // The symbol also records its size.
    bool loadSymbol(char* name, unsigned int filter);
    bool loadSymbol(const char* name, unsigned int filter);
    bool loadSymbolFromMemory(char* name, unsigned char* data, unsigned int size,
                              unsigned int filter);
    bool loadSymbolFromMemory(const char* name, unsigned char* data, unsigned int size,
                              unsigned int filter);
    bool loadSymbolPressed(char* name, unsigned int filter);
    bool loadSymbolPressed(const char* name, unsigned int filter);
    bool loadSymbolPressedFromMemory(char* name, unsigned char* data, unsigned int size,
                                     unsigned int filter);
    bool loadSymbolPressedFromMemory(const char* name, unsigned char* data, unsigned int size,
                                     unsigned int filter);
    bool loadSymbolUp(char* name, unsigned int filter);
    bool loadSymbolUp(const char* name, unsigned int filter);
    bool loadSymbolUpFromMemory(char* name, unsigned char* data, unsigned int size,
                                unsigned int filter);
    bool loadSymbolUpFromMemory(const char* name, unsigned char* data, unsigned int size,
                                unsigned int filter);

    void deleteSpritePressed();
    void deleteSpriteUp();
    // The normal, pressed and up sprites.
    void deleteAllSprites();
    void deleteSymbol();
    void deleteSymbolPressed();
    void deleteSymbolUp();
    void deleteAllSymbols();

    // An extra scale of the symbol.
    void scaleInside(size2f32 scale);
    void scaleInside(float width, float height);

    // 0 normal, 1 pressed, 2 up (the mouse over it, nothing held).
    void setState(unsigned char state);
    void on();
    void off();
    bool isOn();

    // The label, one row per text line.
    bool addButtonText(char* text);
    bool addButtonText(const char* text);
    // The label's font (see fonts::FontMap).
    bool loadFontImage(char* name, unsigned int filter, color4f32 color);
    bool loadFontImage(const char* name, unsigned int filter, color4f32 color);
    bool loadFontImageFromMemory(char* name, unsigned char* data, unsigned int size,
                                 unsigned int filter, color4f32 color);
    bool loadFontImageFromMemory(const char* name, unsigned char* data, unsigned int size,
                                 unsigned int filter, color4f32 color);
    void deleteButtonText();

protected:
    // Replaces the texture a code variable holds with one loaded through the
    // list; false, with the variable 0, for a null name or an image that does
    // not load.
    bool replaceTexture(uint32& code, char* name, unsigned int filter);
    bool replaceTextureFromMemory(uint32& code, char* name, unsigned char* data, unsigned int size,
                                  unsigned int filter);
    // Records the size of a symbol just loaded, (0, 0) when none was.
    bool keepSymbolSize(bool loaded);
    // Gives the texture back to the list; the variable becomes 0.
    void releaseTexture(uint32& code);
    // Tells the hook and the listener of a release.
    void reportRelease(unsigned int button, bool inside);
    // The symbol fitted into the inside area (iw x ih pixels), scaled by
    // insideScale.
    void drawSymbol(uint32 image, size2f32 inside, double iw, double ih);
    // The label fitted into the inside area, in a viewport of its own.
    void drawLabel(rectf32 outside, size2f32 inside, double iw, double ih);

    vector::BinaryTree<unsigned int> holdButtons;
    bool insideButton;
    uint32 spritePressed;
    uint32 spriteUp;
    uint32 symbol;
    uint32 symbolPressed;
    uint32 symbolUp;
    size2ui32 symbolSize;
    uint8 state;
    bool enabled;
    fonts::FontMap text;
    size2f32 insideScale;
    ButtonCallback* callback;
    Camera2D camera;
    double borderSize;
};

} // namespace zelk

#endif
