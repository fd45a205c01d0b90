#ifndef ZELK_TESTS_XMLTEXT_H
#define ZELK_TESTS_XMLTEXT_H

#include <string>

namespace zelk {

class XML;

namespace test {

// The whole document on one line, as XML::print writes it.
std::string documentText(XML& xml);

} // namespace test
} // namespace zelk

#endif
