#ifndef ZELK_PLATFORM_CLIPBOARD_H
#define ZELK_PLATFORM_CLIPBOARD_H

#include <string>

namespace zelk {
namespace platform {

// The X11 clipboard through SFML. SFML hands the clipboard to other programs
// as 7-bit text only, so bytes of 0x80 and above reach them as '?'. The
// bytes this process last wrote are kept, and while the clipboard still holds
// their 7-bit form, reading answers them exactly. Characters other programs
// put there read as their Latin-1 byte, or '?' beyond 255. Every operation
// first checks that an X display can be opened (SFML ends the process when it
// cannot open one) and answers null or false when none can.
class Clipboard {
public:
    // The clipboard's contents up to the first NUL character; empty when
    // there is none.
    static std::string read();
    static bool clean();
    // Puts the text on the clipboard; false for a null text.
    static bool write(const char* text);
};

} // namespace platform
} // namespace zelk

#endif
