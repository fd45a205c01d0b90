#include "support/XMLText.h"

#include "support/TestSupport.h"
#include "zelk/XML.h"

namespace zelk {
namespace test {

std::string documentText(XML& xml) {
    return captureStdout([&xml] { xml.print(); });
}

} // namespace test
} // namespace zelk
