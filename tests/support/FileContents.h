#ifndef ZELK_TESTS_FILECONTENTS_H
#define ZELK_TESTS_FILECONTENTS_H

#include <string>

namespace zelk {
namespace test {

// The whole file as bytes; empty when it cannot be read.
std::string readFileBytes(const std::string& path);
// Replaces the file's content with the bytes.
void writeFileBytes(const std::string& path, const std::string& bytes);

} // namespace test
} // namespace zelk

#endif
