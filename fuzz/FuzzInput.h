#ifndef ZELK_FUZZ_FUZZINPUT_H
#define ZELK_FUZZ_FUZZINPUT_H

#include "zelk/XML.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace zelk {
namespace fuzz {

// A fuzz input as text: its bytes up to the first NUL, then a NUL.
std::string textOf(const uint8_t* data, size_t size);

// A fuzz input loaded as an XML document with its root element selected:
// where the engine's writers put their elements and its readers look for
// them. A document that does not parse is empty, with nothing selected.
class InputDocument {
public:
    InputDocument(const uint8_t* data, size_t size);

    XML xml;
};

// Writes a fuzz input into a file of this process under the temp folder and
// answers its path; the same path for every input of the run (the extension
// of the first call, ".bvh" say, ends it). The file goes when the run ends.
std::string inputFile(const uint8_t* data, size_t size, const char* extension);

// The scratch document a target writes what it read into: the document
// "<root/>" with its root selected.
class OutputDocument {
public:
    OutputDocument();

    XML xml;
};

// The round trip of an XML reader: the element of that id read from the
// input into a new Reader; when it reads, use(reader) drives what was read,
// then it is written into a scratch document and read from there into
// another new Reader.
template <typename Reader, typename Use>
void readUseWriteRead(XML* input, unsigned int id, Use use) {
    Reader reader;
    if (!reader.readFromXML(input, id)) {
        return;
    }
    use(reader);
    OutputDocument output;
    reader.writeToXML(&output.xml, id);
    Reader again;
    again.readFromXML(&output.xml, id);
}

} // namespace fuzz
} // namespace zelk

#endif
