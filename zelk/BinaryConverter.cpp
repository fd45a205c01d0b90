#include "zelk/BinaryConverter.h"

#include <cstdio>
#include <cstring>

namespace zelk {

namespace {

void endByte(bool perLine) {
    if (perLine) {
        puts(" ");
    } else {
        putchar(' ');
    }
}

template <typename T> T reverseBytes(T value) {
    unsigned char bytes[sizeof(T)];
    memcpy(bytes, &value, sizeof(T));
    for (unsigned int i = 0u; i < sizeof(T) / 2u; i++) {
        unsigned char keep = bytes[i];
        bytes[i] = bytes[sizeof(T) - 1u - i];
        bytes[sizeof(T) - 1u - i] = keep;
    }
    memcpy(&value, bytes, sizeof(T));
    return value;
}

template <typename T> void printValue(T value, bool perLine) {
    unsigned char bytes[sizeof(T)];
    memcpy(bytes, &value, sizeof(T));
    BinaryConverter::printBitsInverted(bytes, sizeof(T), perLine);
}

// Applies a byte operation to the byte of a copy of the value that holds the bit.
unsigned int changeBit(unsigned int value, unsigned char bit,
                       void (*change)(unsigned char*, unsigned int)) {
    if (bit >= 32u) {
        return value;
    }
    unsigned char bytes[sizeof(value)];
    memcpy(bytes, &value, sizeof(value));
    change(&bytes[bit / 8u], bit % 8u);
    memcpy(&value, bytes, sizeof(value));
    return value;
}

} // namespace

void BinaryConverter::printBits(unsigned char value) {
    for (int bit = 7; bit >= 0; bit--) {
        putchar((value >> bit) & 1u ? '1' : '0');
    }
}

void BinaryConverter::printBits(unsigned char* bytes, unsigned int count, bool perLine) {
    if (!bytes) {
        return;
    }
    for (unsigned int i = 0u; i < count; i++) {
        printBits(bytes[i]);
        endByte(perLine);
    }
}

void BinaryConverter::printBits(char* bytes, unsigned int count, bool perLine) {
    printBits(reinterpret_cast<unsigned char*>(bytes), count, perLine);
}

void BinaryConverter::printBits(const char* bytes, unsigned int count, bool perLine) {
    printBits(reinterpret_cast<unsigned char*>(const_cast<char*>(bytes)), count, perLine);
}

void BinaryConverter::printBitsInverted(unsigned char* bytes, unsigned int count, bool perLine) {
    if (!bytes) {
        return;
    }
    for (unsigned int i = count; i > 0u; i--) {
        printBits(bytes[i - 1u]);
        endByte(perLine);
    }
}

void BinaryConverter::printBitsInverted(char* bytes, unsigned int count, bool perLine) {
    printBitsInverted(reinterpret_cast<unsigned char*>(bytes), count, perLine);
}

void BinaryConverter::printBitsInverted(const char* bytes, unsigned int count, bool perLine) {
    printBitsInverted(reinterpret_cast<unsigned char*>(const_cast<char*>(bytes)), count, perLine);
}

void BinaryConverter::printBits(unsigned short value, bool perLine) {
    printValue(value, perLine);
}

void BinaryConverter::printBits(unsigned int value, bool perLine) {
    printValue(value, perLine);
}

void BinaryConverter::printBits(unsigned long long value, bool perLine) {
    printValue(value, perLine);
}

unsigned short BinaryConverter::swapBytes(unsigned short value) {
    return reverseBytes(value);
}

unsigned int BinaryConverter::swapBytes(unsigned int value) {
    return reverseBytes(value);
}

unsigned long long BinaryConverter::swapBytes(unsigned long long value) {
    return reverseBytes(value);
}

void BinaryConverter::setBitTrue(unsigned char* byte, unsigned int bit) {
    if (byte && bit < 8u) {
        *byte = static_cast<unsigned char>(*byte | (1u << bit));
    }
}

void BinaryConverter::setBitFalse(unsigned char* byte, unsigned int bit) {
    if (byte && bit < 8u) {
        *byte = static_cast<unsigned char>(*byte & ~(1u << bit));
    }
}

unsigned int BinaryConverter::setBitTrue(unsigned int value, unsigned char bit) {
    return changeBit(value, bit, setBitTrue);
}

unsigned int BinaryConverter::setBitFalse(unsigned int value, unsigned char bit) {
    return changeBit(value, bit, setBitFalse);
}

bool BinaryConverter::testBit(unsigned char value, unsigned char bit) {
    if (!value || bit >= 8u) {
        return false;
    }
    return (value >> bit) & 1u;
}

} // namespace zelk
