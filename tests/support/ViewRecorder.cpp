#include "support/ViewRecorder.h"

#include <sstream>

namespace zelk {
namespace test {

std::string pointText(vec2f32 point) {
    std::ostringstream text;
    text << point.x << "," << point.y;
    return text.str();
}

} // namespace test
} // namespace zelk
