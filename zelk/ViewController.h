#ifndef ZELK_VIEWCONTROLLER_H
#define ZELK_VIEWCONTROLLER_H

#include "zelk/View.h"

namespace zelk {

// A view with an ordered list of child views: position 0 is drawn first (at
// the back), and mouse contacts go from the last position down. The
// controller never deletes a child. Removing a child that is not the last
// leaves a hole (a position holding null) that the next addition fills;
// drawing and contacts skip holes.
class ViewController : public View {
public:
    ViewController();
    explicit ViewController(rectf32 frame);
    // Forgets the children without touching them.
    ~ViewController() override;

    // The view itself, then its children inside its viewport, unless hidden.
    void draw(rectf32 outside) override;
    // Children from the last position down get the point relative to the
    // controller, while none has taken it; once one has, only buttons still
    // get it. A point outside the controller reaches no child. Without a
    // taker the controller takes it itself.
    bool contact(vec2f32 point, unsigned char state, vector::Stack<unsigned int>* buttons) override;
    bool isLeaf() override;

    // Stores the view (in a hole first) and calls its load(); false for null.
    // A view added twice is stored twice.
    bool addSubview(View* view);
    // Takes out the view's first position and calls its unload(); false for
    // null or a view not in the list.
    bool removeSubview(View* view);
    // Positions, holes included.
    uint32 getCount();
    // Null for a hole or a position past the end.
    View* getSubview(unsigned long long position);
    // The view's first position; getCount() + 1 for null or an absent view.
    uint32 getSubviewId(View* view);
    bool haveSubview(View* view);

    // Z-order. Every move needs a view both at the start and at the
    // destination; the views between shift by one.
    // One place up (towards the front) or down.
    bool bringSubviewIDUp(unsigned int id);
    bool bringSubviewIDDown(unsigned int id);
    bool bringSubviewUp(View* view);
    bool bringSubviewDown(View* view);
    // The view at id lands on position target.
    bool bringSubviewIDToIDFront(unsigned int id, unsigned int target);
    bool bringSubviewToIDFront(View* view, unsigned int target);
    // The view lands on the other view's position.
    bool bringSubviewToSubviewFront(View* view, View* other);
    // To the last position.
    bool bringSubviewIDToFront(unsigned int id);
    bool bringSubviewToFront(View* view);
    // times places up or down.
    bool bringSubviewIDUp(unsigned int id, unsigned int times);
    bool bringSubviewUp(View* view, unsigned int times);
    bool bringSubviewIDDown(unsigned int id, unsigned int times);
    bool bringSubviewDown(View* view, unsigned int times);

    vector::Stack<View*> subviews;
};

} // namespace zelk

#endif
