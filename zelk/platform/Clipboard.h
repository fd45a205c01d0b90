#ifndef ZELK_PLATFORM_CLIPBOARD_H
#define ZELK_PLATFORM_CLIPBOARD_H

namespace zelk {
namespace platform {

// The X11 clipboard. Texts are bytes: each byte travels as the character of
// the same number (Latin-1), so every byte comes back as it went; characters
// beyond 255 put there by other programs read as '?'. Every operation first
// checks that an X display can be opened and answers null or false when none
// can.
class Clipboard {
public:
    static bool available();
    // A new text (new[]) of the clipboard's contents up to the first NUL
    // character; null when there is none or it is empty.
    static char* read();
    static bool clean();
    // Puts the text on the clipboard; false for a null text.
    static bool write(const char* text);
};

} // namespace platform
} // namespace zelk

#endif
