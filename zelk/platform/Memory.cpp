#include "zelk/platform/Memory.h"

#include <malloc.h>

namespace zelk {
namespace platform {

void returnLargeBlocksToSystem() {
    // Setting the threshold also stops the library from moving it.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
}

} // namespace platform
} // namespace zelk
