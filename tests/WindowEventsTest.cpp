#include "zelk/WindowEvents.h"
#include "zelk/WindowEventsLoader.h"

#include <SFML/Window/Event.hpp>
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

using zelk::size2i32;
using zelk::size2ui32;
using zelk::vec2i32;
using zelk::WindowEvents;
using zelk::WindowEventsLoader;
using zelk::vector::Stack;

namespace {

// The window system as a script: what a test sets is what the loader reads.
struct ScriptedInput : zelk::WindowSystemInput {
    size2ui32 size = size2ui32(800u, 600u);
    vec2i32 mouse;
    vec2i32 desktop;
    std::set<int> keysDown;
    std::set<int> buttonsDown;

    size2ui32 getWindowSize() override { return size; }
    vec2i32 getMousePosition() override { return mouse; }
    vec2i32 getMouseDesktopPosition() override { return desktop; }
    bool isKeyDown(int key) override { return keysDown.count(key) != 0; }
    bool isMouseButtonDown(int button) override { return buttonsDown.count(button) != 0; }
};

// A window's input as the loader fills it, one frame per poll.
struct Window {
    WindowEvents events;
    vec2i32 lastMousePos;
    bool hasFocus = true;
    bool mouseInside = false;
    size2ui32 windowSize = size2ui32(800u, 600u);
    ScriptedInput system;
    std::vector<bool> resizeAnswers;

    zelk::WindowInputFields fields() {
        return {events, lastMousePos, hasFocus, mouseInside, windowSize};
    }
    void poll(const std::vector<sf::Event>& queue) {
        events.clean();
        resizeAnswers.clear();
        for (const sf::Event& event : queue) {
            resizeAnswers.push_back(WindowEventsLoader::loadEvent(event, fields(), system));
        }
        WindowEventsLoader::endPoll(fields(), system);
    }
};

sf::Event event(sf::Event::EventType type) {
    sf::Event made{};
    made.type = type;
    return made;
}
sf::Event key(sf::Event::EventType type, sf::Keyboard::Key code) {
    sf::Event made = event(type);
    made.key.code = code;
    return made;
}
sf::Event button(sf::Event::EventType type, sf::Mouse::Button code) {
    sf::Event made = event(type);
    made.mouseButton.button = code;
    made.mouseButton.x = -7;
    made.mouseButton.y = -7;
    return made;
}
sf::Event wheel(int delta) {
    sf::Event made = event(sf::Event::MouseWheelMoved);
    made.mouseWheel.delta = delta;
    return made;
}
// The event's own coordinates are never read: the loader asks for the
// cursor's position now.
sf::Event move() {
    sf::Event made = event(sf::Event::MouseMoved);
    made.mouseMove.x = 1000;
    made.mouseMove.y = 1000;
    return made;
}

std::vector<unsigned int> codes(Stack<unsigned int>& list) {
    std::vector<unsigned int> values;
    for (unsigned int position = 0; position < list.size(); position++) {
        values.push_back(list[position]);
    }
    return values;
}

typedef std::vector<unsigned int> Codes;

} // namespace

TEST(WindowEvents, StartsCleanWithTheFocus) {
    WindowEvents events;
    EXPECT_TRUE(events.windowFocus);
    EXPECT_FALSE(events.windowClose || events.windowLostFocus || events.windowGainedFocus ||
                 events.windowResize || events.mouseMoved || events.mouseEnter || events.mouseExit);
    EXPECT_EQ(size2i32(0, 0), events.resizeDelta);
    EXPECT_EQ(size2ui32(0u, 0u), events.windowSize);
    EXPECT_EQ(vec2i32(0, 0), events.mousePos);
    EXPECT_EQ(0, events.mouseScrollWheel);
    EXPECT_EQ(0u, events.keyPressed.size() + events.keyRelease.size() + events.keyHolded.size() +
                      events.mousePressed.size() + events.mouseRelease.size() +
                      events.mouseHolded.size() + events.mouseMovedButtons.size() +
                      events.ctrlPressedList.size());
}

TEST(WindowEvents, CleanKeepsTheFocusAndTheListsNothingFills) {
    WindowEvents events;
    events.windowFocus = false;
    events.windowClose = events.windowLostFocus = events.windowGainedFocus = true;
    events.windowResize = events.mouseMoved = events.mouseEnter = events.mouseExit = true;
    events.resizeDelta = size2i32(3, 4);
    events.windowSize = size2ui32(5u, 6u);
    for (Stack<unsigned int>* list :
         {&events.keyPressed, &events.keyRelease, &events.keyHolded, &events.mousePressed,
          &events.mouseRelease, &events.mouseHolded, &events.mouseMovedButtons}) {
        list->pushBack(1);
    }
    events.mousePos = events.mousePosDesktop = events.mouseMove = vec2i32(7, 8);
    events.mouseScrollWheel = 2;

    events.clean();

    EXPECT_FALSE(events.windowFocus);
    EXPECT_EQ(1u, events.mouseMovedButtons.size());
    EXPECT_FALSE(events.windowClose || events.windowLostFocus || events.windowGainedFocus ||
                 events.windowResize || events.mouseMoved || events.mouseEnter || events.mouseExit);
    EXPECT_EQ(size2i32(0, 0), events.resizeDelta);
    EXPECT_EQ(size2ui32(0u, 0u), events.windowSize);
    EXPECT_EQ(0u, events.keyPressed.size() + events.keyRelease.size() + events.keyHolded.size() +
                      events.mousePressed.size() + events.mouseRelease.size() +
                      events.mouseHolded.size());
    EXPECT_EQ(vec2i32(0, 0), events.mousePos);
    EXPECT_EQ(vec2i32(0, 0), events.mousePosDesktop);
    EXPECT_EQ(vec2i32(0, 0), events.mouseMove);
    EXPECT_EQ(0, events.mouseScrollWheel);
}

// Every key SFML knows, by enumerator, with the engine code it must become.
TEST(WindowEventsLoader, KeyCodesFollowTheTable) {
    using K = sf::Keyboard;
    const std::vector<std::pair<K::Key, unsigned int>> table = {
        {K::A, 'a'},         {K::B, 'b'},         {K::C, 'c'},        {K::D, 'd'},
        {K::E, 'e'},         {K::F, 'f'},         {K::G, 'g'},        {K::H, 'h'},
        {K::I, 'i'},         {K::J, 'j'},         {K::K, 'k'},        {K::L, 'l'},
        {K::M, 'm'},         {K::N, 'n'},         {K::O, 'o'},        {K::P, 'p'},
        {K::Q, 'q'},         {K::R, 'r'},         {K::S, 's'},        {K::T, 't'},
        {K::U, 'u'},         {K::V, 'v'},         {K::W, 'w'},        {K::X, 'x'},
        {K::Y, 'y'},         {K::Z, 'z'},         {K::Num0, '0'},     {K::Num1, '1'},
        {K::Num2, '2'},      {K::Num3, '3'},      {K::Num4, '4'},     {K::Num5, '5'},
        {K::Num6, '6'},      {K::Num7, '7'},      {K::Num8, '8'},     {K::Num9, '9'},
        {K::Escape, 256},    {K::LControl, 257},  {K::LShift, 258},   {K::LAlt, 259},
        {K::LSystem, 260},   {K::RControl, 261},  {K::RShift, 262},   {K::RAlt, 263},
        {K::RSystem, 264},   {K::Menu, 265},      {K::LBracket, 266}, {K::RBracket, 267},
        {K::Semicolon, 268}, {K::Comma, 269},     {K::Period, 270},   {K::Quote, 271},
        {K::Slash, 272},     {K::Backslash, 273}, {K::Tilde, 274},    {K::Equal, 275},
        {K::Hyphen, 276},    {K::Space, 277},     {K::Enter, 278},    {K::Backspace, 279},
        {K::Tab, 280},       {K::PageUp, 281},    {K::PageDown, 282}, {K::End, 283},
        {K::Home, 284},      {K::Insert, 285},    {K::Delete, 286},   {K::Add, 287},
        {K::Subtract, 288},  {K::Multiply, 289},  {K::Divide, 290},   {K::Left, 291},
        {K::Right, 292},     {K::Up, 293},        {K::Down, 294},     {K::Numpad0, 295},
        {K::Numpad1, 296},   {K::Numpad2, 297},   {K::Numpad3, 298},  {K::Numpad4, 299},
        {K::Numpad5, 300},   {K::Numpad6, 301},   {K::Numpad7, 302},  {K::Numpad8, 303},
        {K::Numpad9, 304},   {K::F1, 305},        {K::F2, 306},       {K::F3, 307},
        {K::F4, 308},        {K::F5, 309},        {K::F6, 310},       {K::F7, 311},
        {K::F8, 312},        {K::F9, 313},        {K::F10, 314},      {K::F11, 315},
        {K::F12, 316},       {K::F13, 317},       {K::F14, 318},      {K::F15, 319},
        {K::Pause, 320},     {K::Unknown, 219}};
    std::set<int> keys;
    for (const auto& [code, engineCode] : table) {
        keys.insert(code);
        EXPECT_EQ(engineCode, WindowEventsLoader::keyCode(code)) << "SFML key " << code;
    }
    EXPECT_EQ(static_cast<size_t>(K::KeyCount) + 1, keys.size());

    // Pressed, released and held keys share the rule.
    Window window;
    window.system.keysDown = {K::Enter, K::Z};
    window.poll({key(sf::Event::KeyPressed, K::Left), key(sf::Event::KeyReleased, K::Num0)});
    EXPECT_EQ(Codes({291}), codes(window.events.keyPressed));
    EXPECT_EQ(Codes({'0'}), codes(window.events.keyRelease));
    EXPECT_EQ(Codes({'z', 278}), codes(window.events.keyHolded));
}

TEST(WindowEventsLoader, MouseButtonsAreNumberedFromOne) {
    using M = sf::Mouse;
    const std::vector<std::pair<M::Button, unsigned int>> table = {
        {M::Left, 1}, {M::Right, 2}, {M::Middle, 3}, {M::XButton1, 4}, {M::XButton2, 5}};
    Window window;
    std::vector<sf::Event> presses;
    std::vector<sf::Event> releases;
    Codes expected;
    for (const auto& [code, engineCode] : table) {
        EXPECT_EQ(engineCode, WindowEventsLoader::mouseButtonCode(code));
        presses.push_back(button(sf::Event::MouseButtonPressed, code));
        releases.push_back(button(sf::Event::MouseButtonReleased, code));
        window.system.buttonsDown.insert(code);
        expected.push_back(engineCode);
    }
    window.poll(presses);
    EXPECT_EQ(expected, codes(window.events.mousePressed));
    EXPECT_EQ(0u, window.events.mouseRelease.size());
    EXPECT_EQ(expected, codes(window.events.mouseHolded));

    window.system.buttonsDown.clear();
    window.poll(releases);
    EXPECT_EQ(expected, codes(window.events.mouseRelease));
    EXPECT_EQ(0u, window.events.mousePressed.size() + window.events.mouseHolded.size());
}

TEST(WindowEventsLoader, EscapePressedAndReleasedInOneFrameIsInBothListsButNotHeld) {
    Window window;
    window.poll({key(sf::Event::KeyPressed, sf::Keyboard::Escape),
                 key(sf::Event::KeyReleased, sf::Keyboard::Escape)});
    EXPECT_EQ(Codes({256}), codes(window.events.keyPressed));
    EXPECT_EQ(Codes({256}), codes(window.events.keyRelease));
    EXPECT_EQ(0u, window.events.keyHolded.size());
}

TEST(WindowEventsLoader, AKeyHeldOverFramesIsPressedOnceAndOnEveryRepeat) {
    Window window;
    window.system.keysDown = {sf::Keyboard::Up};
    window.poll({key(sf::Event::KeyPressed, sf::Keyboard::Up)});
    EXPECT_EQ(Codes({293}), codes(window.events.keyPressed));
    EXPECT_EQ(Codes({293}), codes(window.events.keyHolded));

    window.poll({});
    EXPECT_EQ(0u, window.events.keyPressed.size());
    EXPECT_EQ(Codes({293}), codes(window.events.keyHolded));

    window.poll({key(sf::Event::KeyPressed, sf::Keyboard::Up),
                 key(sf::Event::KeyPressed, sf::Keyboard::Up)});
    EXPECT_EQ(Codes({293, 293}), codes(window.events.keyPressed));

    window.system.keysDown.clear();
    window.poll({key(sf::Event::KeyReleased, sf::Keyboard::Up)});
    EXPECT_EQ(0u, window.events.keyPressed.size() + window.events.keyHolded.size());
    EXPECT_EQ(Codes({293}), codes(window.events.keyRelease));
}

TEST(WindowEventsLoader, AnUnknownKeyIs219AndNeverHeld) {
    Window window;
    window.system.keysDown = {sf::Keyboard::Unknown, sf::Keyboard::KeyCount};
    window.poll({key(sf::Event::KeyPressed, sf::Keyboard::Unknown),
                 key(sf::Event::KeyReleased, sf::Keyboard::Unknown)});
    EXPECT_EQ(Codes({219}), codes(window.events.keyPressed));
    EXPECT_EQ(Codes({219}), codes(window.events.keyRelease));
    EXPECT_EQ(0u, window.events.keyHolded.size());
}

TEST(WindowEventsLoader, MovesMeasureFromTheLastFramesPosition) {
    Window window;
    window.system.mouse = vec2i32(10, 20);
    window.system.desktop = vec2i32(110, 220);
    window.poll({});
    EXPECT_FALSE(window.events.mouseMoved);
    EXPECT_EQ(vec2i32(10, 20), window.events.mousePos);
    EXPECT_EQ(vec2i32(110, 220), window.events.mousePosDesktop);
    EXPECT_EQ(vec2i32(10, 20), window.lastMousePos);

    window.system.mouse = vec2i32(4, 25);
    window.poll({move(), move()});
    EXPECT_TRUE(window.events.mouseMoved);
    EXPECT_EQ(vec2i32(-6, 5), window.events.mouseMove);
    EXPECT_EQ(vec2i32(4, 25), window.events.mousePos);
    EXPECT_EQ(vec2i32(4, 25), window.lastMousePos);
}

TEST(WindowEventsLoader, AnyLaterEventButAMoveUndoesTheMovesDelta) {
    for (sf::Event later : {button(sf::Event::MouseButtonPressed, sf::Mouse::Left),
                            event(sf::Event::MouseWheelScrolled), event(sf::Event::TextEntered),
                            event(sf::Event::JoystickMoved), event(sf::Event::SensorChanged)}) {
        Window window;
        window.system.mouse = vec2i32(30, 40);
        window.poll({move(), later});
        EXPECT_TRUE(window.events.mouseMoved) << later.type;
        EXPECT_EQ(vec2i32(0, 0), window.events.mouseMove) << later.type;
        EXPECT_EQ(vec2i32(30, 40), window.events.mousePos) << later.type;
    }
}

TEST(WindowEventsLoader, ResizesOfAFrameAreSummed) {
    Window window;
    // The window's size at the moment counts, not the event's fields.
    sf::Event resized = event(sf::Event::Resized);
    resized.size.width = 1;
    resized.size.height = 1;
    window.system.size = size2ui32(900u, 650u);
    window.poll({resized, event(sf::Event::Closed)});
    EXPECT_EQ(std::vector<bool>({true, false}), window.resizeAnswers);
    EXPECT_TRUE(window.events.windowResize);
    EXPECT_TRUE(window.events.windowClose);
    EXPECT_EQ(size2i32(100, 50), window.events.resizeDelta);
    EXPECT_EQ(size2ui32(900u, 650u), window.events.windowSize);

    // Two resizes in one poll, the window growing and then shrinking.
    window.events.clean();
    window.system.size = size2ui32(950u, 700u);
    EXPECT_TRUE(WindowEventsLoader::loadEvent(resized, window.fields(), window.system));
    window.system.size = size2ui32(850u, 720u);
    EXPECT_TRUE(WindowEventsLoader::loadEvent(resized, window.fields(), window.system));
    EXPECT_EQ(size2i32(-50, 70), window.events.resizeDelta);
    EXPECT_EQ(size2ui32(850u, 720u), window.events.windowSize);
    EXPECT_EQ(size2ui32(850u, 720u), window.windowSize);

    window.poll({});
    EXPECT_FALSE(window.events.windowResize);
    EXPECT_EQ(size2i32(0, 0), window.events.resizeDelta);
    EXPECT_EQ(size2ui32(0u, 0u), window.events.windowSize);
    EXPECT_EQ(size2ui32(850u, 720u), window.windowSize);
}

TEST(WindowEventsLoader, LostFocusHidesHeldKeysUntilTheFocusComesBack) {
    Window window;
    window.system.keysDown = {sf::Keyboard::Right};
    window.system.buttonsDown = {sf::Mouse::Left};
    window.mouseInside = true;
    window.poll({event(sf::Event::LostFocus), key(sf::Event::KeyPressed, sf::Keyboard::Space),
                 button(sf::Event::MouseButtonPressed, sf::Mouse::Left)});
    EXPECT_TRUE(window.events.windowLostFocus);
    EXPECT_FALSE(window.events.windowFocus);
    EXPECT_FALSE(window.hasFocus);
    EXPECT_EQ(Codes({277}), codes(window.events.keyPressed));
    EXPECT_EQ(Codes({1}), codes(window.events.mousePressed));
    EXPECT_EQ(0u, window.events.keyHolded.size() + window.events.mouseHolded.size());

    window.poll({});
    EXPECT_FALSE(window.events.windowLostFocus);
    EXPECT_FALSE(window.events.windowFocus);
    EXPECT_EQ(0u, window.events.keyHolded.size());

    window.poll({event(sf::Event::GainedFocus)});
    EXPECT_TRUE(window.events.windowGainedFocus);
    EXPECT_TRUE(window.events.windowFocus);
    EXPECT_TRUE(window.hasFocus);
    EXPECT_EQ(Codes({292}), codes(window.events.keyHolded));
    EXPECT_EQ(Codes({1}), codes(window.events.mouseHolded));

    window.poll({});
    EXPECT_FALSE(window.events.windowGainedFocus);
    EXPECT_TRUE(window.events.windowFocus);
}

TEST(WindowEventsLoader, HeldButtonsNeedTheMouseInside) {
    Window window;
    window.system.buttonsDown = {sf::Mouse::Right};
    window.poll({});
    EXPECT_FALSE(window.mouseInside);
    EXPECT_EQ(0u, window.events.mouseHolded.size());

    window.poll({event(sf::Event::MouseEntered)});
    EXPECT_TRUE(window.events.mouseEnter);
    EXPECT_TRUE(window.mouseInside);
    EXPECT_EQ(Codes({2}), codes(window.events.mouseHolded));

    window.poll({event(sf::Event::MouseLeft)});
    EXPECT_TRUE(window.events.mouseExit);
    EXPECT_FALSE(window.events.mouseEnter);
    EXPECT_FALSE(window.mouseInside);
    EXPECT_EQ(0u, window.events.mouseHolded.size());

    // A press or a wheel turn comes from inside the window.
    window.poll({button(sf::Event::MouseButtonReleased, sf::Mouse::Right)});
    EXPECT_FALSE(window.mouseInside);
    window.poll({button(sf::Event::MouseButtonPressed, sf::Mouse::Right)});
    EXPECT_TRUE(window.mouseInside);
    window.mouseInside = false;
    window.poll({wheel(-2)});
    EXPECT_TRUE(window.mouseInside);
    EXPECT_EQ(Codes({2}), codes(window.events.mouseHolded));
}

TEST(WindowEventsLoader, TheWheelKeepsTheFramesLastDelta) {
    Window window;
    window.poll({wheel(3), event(sf::Event::MouseWheelScrolled), wheel(-1)});
    EXPECT_EQ(-1, window.events.mouseScrollWheel);
    // The newer scroll event alone is not the wheel event.
    window.mouseInside = false;
    window.poll({event(sf::Event::MouseWheelScrolled)});
    EXPECT_EQ(0, window.events.mouseScrollWheel);
    EXPECT_FALSE(window.mouseInside);
}
