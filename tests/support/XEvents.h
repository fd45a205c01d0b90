#ifndef ZELK_TESTS_XEVENTS_H
#define ZELK_TESTS_XEVENTS_H

namespace zelk {
namespace test {

// Sends a key press or release of an X key symbol (XK_Escape, ...) to one
// window, as the X server would deliver it, from a display connection of its
// own. The display's pointer and keyboard are left alone, so tests running
// beside it are not disturbed. False when no display could be opened or the
// event could not be sent.
bool sendKey(unsigned long window, bool press, unsigned long keySymbol);

} // namespace test
} // namespace zelk

#endif
