#ifndef ZELK_BINARYCONVERTER_H
#define ZELK_BINARYCONVERTER_H

namespace zelk {

// Helpers that show and change the bits of integers. Bit 0 is the least
// significant; multi-byte values are read through their bytes in memory.
class BinaryConverter {
public:
    BinaryConverter() {}

    // The eight bits of the byte, bit 7 first, as '0' and '1'.
    static void printBits(unsigned char value);
    // Every byte in turn, each followed by " " and, with perLine, a line feed.
    static void printBits(unsigned char* bytes, unsigned int count, bool perLine);
    static void printBits(char* bytes, unsigned int count, bool perLine);
    static void printBits(const char* bytes, unsigned int count, bool perLine);
    // The same from the last byte down to the first.
    static void printBitsInverted(unsigned char* bytes, unsigned int count, bool perLine);
    static void printBitsInverted(char* bytes, unsigned int count, bool perLine);
    static void printBitsInverted(const char* bytes, unsigned int count, bool perLine);
    // The value's own bytes from the last in memory down to the first.
    static void printBits(unsigned short value, bool perLine);
    static void printBits(unsigned int value, bool perLine);
    static void printBits(unsigned long long value, bool perLine);

    static unsigned short swapBytes(unsigned short value);
    static unsigned int swapBytes(unsigned int value);
    static unsigned long long swapBytes(unsigned long long value);

    // Bits 0 to 7 of the byte; anything else (or a null byte) changes nothing.
    static void setBitTrue(unsigned char* byte, unsigned int bit);
    static void setBitFalse(unsigned char* byte, unsigned int bit);
    // Bits 0 to 31 of the value; a bit number of 32 or more returns it unchanged.
    static unsigned int setBitTrue(unsigned int value, unsigned char bit);
    static unsigned int setBitFalse(unsigned int value, unsigned char bit);

    static bool testBit(unsigned char value, unsigned char bit);
};

} // namespace zelk

#endif
