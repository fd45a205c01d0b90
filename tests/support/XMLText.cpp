#include "support/XMLText.h"

#include "support/TestSupport.h"
#include "zelk/XML.h"

namespace zelk {
namespace test {

RootDocument::RootDocument(const std::string& children)
    : xml(("<root>" + children + "</root>").c_str()) {
    xml.selectRoot();
}

std::string documentText(XML& xml) {
    return captureStdout([&xml] { xml.print(); });
}

} // namespace test
} // namespace zelk
