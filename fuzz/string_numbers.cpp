// The text-to-number helpers of zelk::String on the input as text.
#include "FuzzInput.h"

#include "zelk/String.h"

#include <vector>

namespace {

// From 1 to 64 places, picked by the text's length, so that the count may be
// short, exact or long.
template <typename Number>
void readVector(char* text, size_t length, bool (*read)(char*, Number*, zelk::uint32)) {
    Number values[64] = {};
    read(text, values, static_cast<zelk::uint32>(length % 64 + 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using zelk::String;
    std::string input = zelk::fuzz::textOf(data, size);
    std::vector<char> text(input.c_str(), input.c_str() + input.size() + 1);
    char* chars = text.data();
    String::strToInt32(chars);
    String::strToInt64(chars);
    String::strToFloat32(chars);
    String::strToFloat64(chars);
    String::strVecNumberCount(chars, 64);
    readVector(chars, input.size(), String::strToVecInt8);
    readVector(chars, input.size(), String::strToVecInt16);
    readVector(chars, input.size(), String::strToVecInt32);
    readVector(chars, input.size(), String::strToVecInt64);
    readVector(chars, input.size(), String::strToVecUint8);
    readVector(chars, input.size(), String::strToVecUint16);
    readVector(chars, input.size(), String::strToVecUint32);
    readVector(chars, input.size(), String::strToVecUint64);
    return 0;
}
