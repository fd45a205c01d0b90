#ifndef ZELK_PLATFORM_GLDRIVER_H
#define ZELK_PLATFORM_GLDRIVER_H

namespace zelk {
namespace platform {

// Keeps the OpenGL driver the process has loaded (Mesa's "..._dri.so") in
// memory until the process ends. Mesa unloads it with the last context, and
// the leak check at exit could then no longer name the driver's own blocks,
// nor suppress them. Call it once a context exists; later calls change
// nothing.
void keepGLDriverLoaded();

} // namespace platform
} // namespace zelk

#endif
