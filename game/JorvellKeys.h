#ifndef JORVELL_KEYS_H
#define JORVELL_KEYS_H

#include "zelk/WindowEvents.h"
#include "zelk/vector/Stack.h"

// The engine's input codes the game reacts to, and the skip the logo and
// title screens share.
namespace jorvell {

const unsigned int keyEscape = 256;
const unsigned int keyReturn = 278;
const unsigned int keyLeft = 291;
const unsigned int keyRight = 292;
const unsigned int keyUp = 293;
const unsigned int mouseLeft = 1;

// The code is among the list's.
bool haveCode(zelk::vector::Stack<unsigned int>& codes, unsigned int code);
// Escape or Return pressed, or the left mouse button released, this frame;
// false without a record.
bool skipRequested(zelk::WindowEvents* events);

} // namespace jorvell

#endif
