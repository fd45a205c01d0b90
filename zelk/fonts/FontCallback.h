#ifndef ZELK_FONTS_FONTCALLBACK_H
#define ZELK_FONTS_FONTCALLBACK_H

namespace zelk {
namespace fonts {

class FontMap;

// The listener of a text map's reveal animations (see FontMap). Each
// operation does nothing unless overridden. Listeners are registered by
// pointer and never deleted through this class.
class FontCallback {
public:
    // The first-character animation entered an empty cell (once a run).
    virtual void originReachedEmpty() {}
    // The last-character animation entered an empty cell (once a run).
    virtual void lastReachedEmpty() {}
    // A reveal animation ended; origin tells whether it was the
    // first-character one.
    virtual void revealEnd(FontMap*, bool) {}

protected:
    ~FontCallback() = default;
};

} // namespace fonts
} // namespace zelk

#endif
