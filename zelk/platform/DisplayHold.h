#ifndef ZELK_PLATFORM_DISPLAYHOLD_H
#define ZELK_PLATFORM_DISPLAYHOLD_H

namespace zelk {
namespace platform {

// A connection of its own to the X display, held for as long as the object
// lives. SFML ends the process when it cannot open the display, so whatever
// calls SFML's windowing first opens one here and gives up when opened() is
// false. Holding it open also keeps the server from resetting (as a server
// does when its last client leaves) while SFML opens its own connection.
class DisplayHold {
public:
    DisplayHold();
    ~DisplayHold();
    DisplayHold(const DisplayHold&) = delete;
    DisplayHold& operator=(const DisplayHold&) = delete;

    bool opened() const { return display != nullptr; }

protected:
    // The X Display of the connection, null when none could be opened.
    void* connection() const { return display; }

private:
    void* display;
};

} // namespace platform
} // namespace zelk

#endif
