#ifndef ZELK_TESTS_VIEWRECORDER_H
#define ZELK_TESTS_VIEWRECORDER_H

#include "zelk/View.h"

#include <string>
#include <utility>
#include <vector>

namespace zelk {
namespace test {

// What a set of recorded views went through, one line a call, in order.
typedef std::vector<std::string> Journal;

// "x,y" of a point, each in the shortest form ("30,20", "-2.5,0").
std::string pointText(vec2f32 point);

// A view of the kind Base (View or one of its subclasses) that writes every
// call the view tree makes on it into a journal, as "<name> <call>":
// "load", "unload", "update", "draw", "enter x,y", "leave x,y",
// "press x,y b", "move x,y b", "release x,y b". It then does what Base does.
// button makes isButton() answer true.
template <typename Base> class Recorded : public Base {
public:
    template <typename... Arguments>
    Recorded(std::string name, Journal& journal, Arguments&&... arguments)
        : Base(std::forward<Arguments>(arguments)...), name(std::move(name)), journal(journal),
          button(false) {}

    void load() override {
        note("load");
        Base::load();
    }
    void unload() override {
        note("unload");
        Base::unload();
    }
    void update(WindowEvents* events) override {
        note("update");
        Base::update(events);
    }
    void draw(rectf32 outside) override {
        note("draw");
        Base::draw(outside);
    }
    void eventMousePressed(vec2f32 point, unsigned int button) override {
        note("press " + pointText(point) + " " + std::to_string(button));
    }
    void eventMouseMoved(vec2f32 point, unsigned int button) override {
        note("move " + pointText(point) + " " + std::to_string(button));
    }
    void eventMouseReleased(vec2f32 point, unsigned int button) override {
        note("release " + pointText(point) + " " + std::to_string(button));
    }
    void eventMouseEntryInsideView(vec2f32 point) override { note("enter " + pointText(point)); }
    void eventMouseLeftView(vec2f32 point) override { note("leave " + pointText(point)); }
    bool isButton() override { return button; }

    std::string name;
    Journal& journal;
    bool button;

private:
    void note(const std::string& call) { journal.push_back(name + " " + call); }
};

} // namespace test
} // namespace zelk

#endif
