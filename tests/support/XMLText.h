#ifndef ZELK_TESTS_XMLTEXT_H
#define ZELK_TESTS_XMLTEXT_H

#include "zelk/XML.h"

#include <string>

namespace zelk {
namespace test {

// The document "<root>children</root>" with the root element selected.
struct RootDocument {
    explicit RootDocument(const std::string& children = "");
    XML xml;
};

// The whole document on one line, as XML::print writes it.
std::string documentText(XML& xml);

} // namespace test
} // namespace zelk

#endif
