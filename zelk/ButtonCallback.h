#ifndef ZELK_BUTTONCALLBACK_H
#define ZELK_BUTTONCALLBACK_H

namespace zelk {

class ViewButton;

// The listener of a button (see ViewButton); mouse buttons are the input
// record's codes (1 left, 2 right, 3 middle, 4 and 5 the extra buttons).
// Listeners are registered by pointer and never deleted through this class.
class ButtonCallback {
public:
    // A mouse button was pressed on the enabled button.
    virtual void pressButton(ViewButton* button, unsigned int mouseButton) = 0;
    // A mouse button held on the button was released; inside is false when
    // it was released outside the button.
    virtual void releaseButton(ViewButton* button, unsigned int mouseButton, bool inside) = 0;
    // Every frame, for every held mouse button, while the mouse is over the
    // button.
    virtual void holdButton(ViewButton* button, unsigned int mouseButton) = 0;

protected:
    ~ButtonCallback() = default;
};

} // namespace zelk

#endif
