#ifndef ZELK_FONTS_FONTMAP_H
#define ZELK_FONTS_FONTMAP_H

#include "zelk/TypeColor.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVars.h"
#include "zelk/TypeVec2.h"
#include "zelk/animation/AnimationCallback.h"
#include "zelk/animation/Interpolation1DGroup.h"
#include "zelk/fonts/FontCallback.h"
#include "zelk/fonts/FontSet.h"
#include "zelk/fonts/fontSetList.h"
#include "zelk/tiles/TileMap2D.h"
#include "zelk/vector/BinaryTree.h"
#include "zelk/vector/Stack.h"

#include <vector>

namespace zelk {
namespace fonts {

// Text shown as a tile map: a UTF-8 text laid out as a grid of character
// codes, one text line (or one wrapped line) per row, drawn with the tiles of
// a shared font set. Cell (column, line) holds the code of its character, 0
// for an empty cell; a character's index counts cells row by row: line x map
// width + column.
//
// What draw() shows runs from a first to a last character. Two key-frame
// animations can move them over time to reveal text: the first-character
// animation is keyed at the index, the last-character one at the index + 1.
// Both run at their faster speed over blanks and tell the listeners when they
// enter an empty cell and when they end.
//
// A new map holds the built-in font (white glyphs, GL_NEAREST) and no text.
// The map registers itself with its own animations, so it is not copied.
class FontMap : public animation::AnimationCallback {
public:
    // One line of a layout in progress: size cells of tile IDs, all 0 at
    // first.
    class FontLine {
    public:
        explicit FontLine(unsigned int size);
        ~FontLine();
        FontLine(const FontLine&) = delete;
        FontLine& operator=(const FontLine&) = delete;

        // False outside the line.
        bool setValue(unsigned int position, unsigned int id);
        // 0 outside the line.
        unsigned int getValue(unsigned int position);
        bool haveLine() { return values != nullptr; }
        bool havePosition(unsigned int position) { return position < size; }
        unsigned int getSize() { return size; }

    private:
        unsigned int size;
        unsigned int* values;
    };

    FontMap();
    virtual ~FontMap();
    FontMap(const FontMap&) = delete;
    FontMap& operator=(const FontMap&) = delete;

    // Told by either reveal animation when it ends.
    void animationEnd(animation::InterpolationGroup* group) override;

    // The tile ID of the character at text, the bytes it takes stored in
    // bytes: Latin-1 for the UTF-8 letters C3 80 to C3 BD the font has, a
    // blank for C4 A9, C5 A9 and E1 BA BD, and any other byte as itself. Never
    // reads past the terminator. 0 for a null text or bytes.
    uint32 getTileID(char* text, unsigned char* bytes);
    uint32 getTileID(const char* text, unsigned char* bytes);
    // Lays the text out one row per text line; a run of line breaks (CR and
    // LF alike) leaves one empty row less than it has breaks. Selects every
    // character. False, with the old text kept, when nothing is laid out.
    bool createStringMap(char* text);
    bool createStringMap(const char* text);
    // Wraps the text to width characters: words that do not fit start the
    // next row, longer ones are cut; a single line break joins two lines, a
    // double one starts a new row. False for a width of 0 or above what a
    // tile map may hold.
    bool createStringMap(char* text, unsigned int width);
    bool createStringMap(const char* text, unsigned int width);
    void deleteMap();
    bool haveText();

    // Replaces the font with the shared font set of the image; false, with no
    // font left, when it does not load. The const char* forms also make color
    // the colour of draw().
    bool loadFontImage(char* name, unsigned int filter, color4f32 color);
    bool loadFontImage(const char* name, unsigned int filter, color4f32 color);
    bool loadFontImageFromMemory(char* name, unsigned char* data, unsigned int size,
                                 unsigned int filter, color4f32 color);
    bool loadFontImageFromMemory(const char* name, unsigned char* data, unsigned int size,
                                 unsigned int filter, color4f32 color);
    // Gives the font set back to the list.
    void removeFontImage();

    // (0, 0) for an index past the text.
    vec2ui32 getCharacterPosition(unsigned int index);
    // 0 for a position past the text.
    uint32 getCharacterID(vec2ui32 position);
    bool haveID(unsigned int index);
    // From the first character to the last.
    void selectAll();
    // The last column and line, 0 without text.
    vec2ui32 getTheLastPosition();
    uint32 getTheLastPositionX();
    uint32 getTheLastPositionY();

    // In characters; (0, 0) without text.
    size2ui32 getMapSize();
    uint32 getMapSizeWidth();
    uint32 getMapSizeHeight();
    // The size of a character cell and the map's place, in world units.
    size2f32 getMapScale();
    float getMapScaleWidth();
    float getMapScaleHeight();
    void setPosition(vec2f32 position);
    void setPosition(float x, float y);
    vec2f32 getPosition();
    float getPositionX();
    float getPositionY();
    // False for a side that is 0.
    bool setScale(size2f32 scale);
    bool setScale(float width, float height);

    // Draws the characters from first to last, both included, row by row; a
    // last past the text stops at its end. Nothing without text or font.
    void draw(vec2ui32 first, vec2ui32 last, color4f32 color);
    void draw(unsigned int firstIndex, unsigned int lastIndex, color4f32 color);
    void draw(vec2ui32 first, unsigned int lastIndex, color4f32 color);
    void draw(unsigned int firstIndex, vec2ui32 last, color4f32 color);
    // The selected characters.
    void draw(color4f32 color);
    void draw();

    // Key frames of the reveal: at second, the first character drawn is
    // firstIndex and the last lastIndex. False unless both are in the text.
    bool addInterpolation(float second, unsigned int firstIndex, unsigned int lastIndex);
    bool addInterpolation(float second, vec2ui32 first, vec2ui32 last);
    bool addInterpolation(float second, unsigned int firstColumn, unsigned int firstLine,
                          unsigned int lastColumn, unsigned int lastLine);
    bool addInterpolationOrigin(float second, unsigned int index);
    bool addInterpolationOrigin(float second, vec2ui32 position);
    bool addInterpolationOrigin(float second, unsigned int column, unsigned int line);
    bool addInterpolationLast(float second, unsigned int index);
    bool addInterpolationLast(float second, vec2ui32 position);
    bool addInterpolationLast(float second, unsigned int column, unsigned int line);

    // The speeds over characters and over blanks; they take effect when the
    // animation enters its next cell.
    void setAnimationSpeedOrigin(float speed);
    void setAtimationFasterSpeedOrigin(float speed);
    void setAnimationSpeedLast(float speed);
    void setAtimationFasterSpeedLast(float speed);
    // A speed for the animation's next step only.
    void forceSpeedInOrigin(float speed);
    void forceSpeedInLast(float speed);

    // Both reveal animations; true when both did it (pause: both now play).
    bool playForward();
    bool playForwardIn(float second);
    bool playRewind();
    bool playRewindIn(float second);
    bool pause();
    bool stop();
    void setLoop(bool loop);
    void loopOn();
    void loopOff();

    // Listeners, not owned; false for null or one already there.
    bool addCallback(FontCallback* callback);
    bool removeCallback(FontCallback* callback);
    void cleanCallbacks();

    // Advances the reveal by the real time since the previous update; true
    // when either animation moved. Once a frame.
    bool updateAnimations();
    // The same with an elapsed time given in seconds, for fixed steps.
    bool stepAnimations(float seconds);

protected:
    // One reveal animation with the fields it moves.
    struct Reveal {
        animation::Interpolation1DGroup* animation;
        uint32* index;
        vec2ui32* position;
        bool* force;
        float* forcedSpeed;
        float speed;
        float fasterSpeed;
        void (FontCallback::*reachedEmpty)();
    };
    Reveal originReveal();
    Reveal lastReveal();
    // Moves one reveal animation by the stopwatch (seconds below 0) or by the
    // seconds given; true when it has a value.
    bool advance(Reveal reveal, float seconds);
    bool advanceBoth(float seconds);
    // Does it to both reveal animations; true when both answered true.
    template <typename Act> bool onBoth(Act act) {
        bool first = act(animationOrigin);
        return act(animationLast) && first;
    }
    // The listeners in ascending order, taken before they are called: a
    // listener may remove itself.
    std::vector<FontCallback*> listeners();

    // The characters of a word (up to a blank, a line break or the end) and
    // of a line (up to a line break or the end).
    uint32 wordSize(char* text);
    uint32 lineSize(char* text);
    // Appends a line of that size to the layout; null (nothing appended) for
    // 0.
    FontLine* newLine(unsigned int size);
    void cleanLines();
    // Makes the tile map of the layout's lines, width cells wide; false
    // without lines.
    bool finishLayout(unsigned int width);
    // The tile ID of the character at text; moves text past it.
    uint32 readCharacter(char*& text);
    // Copies count characters of text into the line from its cell at; moves
    // text past them and answers the new cell.
    unsigned int copyCharacters(char*& text, FontLine* line, unsigned int at, unsigned int count);
    // Draws with the font set just taken from the list; without one, or when
    // the map refuses it, gives it back.
    bool useFontSet(FontSet* set);
    // The text's size in characters; (0, 0) without a grid.
    size2ui32 textSize();

    tiles::TileMap2D mapText;
    fontSetList fontList;
    FontSet* fontSet;
    color4f32 color;
    uint32 originIndex;
    uint32 lastIndex;
    vec2ui32 origin;
    vec2ui32 last;
    bool forceOrigin;
    bool forceLast;
    float forcedSpeedOrigin;
    float forcedSpeedLast;
    animation::Interpolation1DGroup animationOrigin;
    animation::Interpolation1DGroup animationLast;
    float speedOrigin;
    float fasterSpeedOrigin;
    float speedLast;
    float fasterSpeedLast;
    bool emptyReached;
    vector::BinaryTree<FontCallback*> callbacks;
    vector::Stack<FontLine*> lines;
    uint32 mapWidth;
};

} // namespace fonts
} // namespace zelk

#endif
