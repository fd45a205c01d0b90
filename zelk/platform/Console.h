#ifndef ZELK_PLATFORM_CONSOLE_H
#define ZELK_PLATFORM_CONSOLE_H

namespace zelk {
namespace platform {

// The process's console: standard input read key by key, standard output
// cleared with the terminal's clear-screen sequence.
class Console {
public:
    // The next byte of standard input, 0 to 255, read without echo and without
    // waiting for a whole line when it is a terminal; -1 at the end of input.
    static int getch();
    // Non-zero when getch would answer without waiting (a byte is waiting, or
    // the input has ended).
    static int kbhit();
    // Writes the ANSI clear-screen sequence to standard output; answers 0.
    static int clear();
};

} // namespace platform
} // namespace zelk

#endif
