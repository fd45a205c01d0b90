#include "zelk/platform/Paths.h"

#include <sys/stat.h>

namespace zelk {
namespace platform {

bool isRegularFile(const char* path) {
    struct stat status {};
    return path && stat(path, &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace platform
} // namespace zelk
