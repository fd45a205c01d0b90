#include "zelk/platform/GLDriver.h"

#include <atomic>
#include <cstring>
#include <dlfcn.h>
#include <link.h>

namespace zelk {
namespace platform {

void keepGLDriverLoaded() {
    // Once the driver is held, every later window or context finds it held.
    static std::atomic<bool> held(false);
    if (held) {
        return;
    }
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void*) {
            const char* name = info->dlpi_name;
            size_t length = name ? std::strlen(name) : 0;
            if (length > 7 && std::strcmp(name + length - 7, "_dri.so") == 0 &&
                // Another reference with RTLD_NODELETE; never closed on purpose.
                dlopen(name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE)) {
                held = true;
            }
            return 0;
        },
        nullptr);
}

} // namespace platform
} // namespace zelk
