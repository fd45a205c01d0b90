#include "zelk/platform/GLDriver.h"

#include <cstring>
#include <dlfcn.h>
#include <link.h>

namespace zelk {
namespace platform {

void keepGLDriverLoaded() {
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void*) {
            const char* name = info->dlpi_name;
            size_t length = name ? std::strlen(name) : 0;
            if (length > 7 && std::strcmp(name + length - 7, "_dri.so") == 0) {
                // Another reference with RTLD_NODELETE; never closed on purpose.
                dlopen(name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
            }
            return 0;
        },
        nullptr);
}

} // namespace platform
} // namespace zelk
