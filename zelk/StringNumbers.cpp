#include "zelk/String.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <type_traits>

namespace zelk {

namespace {

template <typename T> bool isNegative(T value) {
    if constexpr (std::is_signed_v<T>) {
        return value < 0;
    } else {
        return false;
    }
}

// The magnitude of a value, without overflow for the most negative signed
// values.
template <typename T> uint64 magnitude(T value) {
    uint64 bits = static_cast<uint64>(value);
    return isNegative(value) ? 0 - bits : bits;
}

uint32 digitCount(uint64 value) {
    uint32 count = 0;
    for (; value > 0; value /= 10) {
        ++count;
    }
    return count;
}

// Writes the decimal digits of value so that the last one lands just before
// end, and answers where the first one landed.
char* writeDigits(uint64 value, char* end) {
    do {
        *--end = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    return end;
}

// The decimal text of a magnitude, with a minus sign in front when asked.
char* decimalText(uint64 value, bool minus) {
    size_t size = (value == 0 ? 1 : digitCount(value)) + (minus ? 1 : 0);
    char* text = new char[size + 1];
    text[size] = 0;
    char* first = writeDigits(value, text + size);
    if (minus) {
        first[-1] = '-';
    }
    return text;
}

bool copyDigits(uint64 value, char* buffer, int32 n) {
    if (!buffer || n <= 0) {
        return false;
    }
    for (int32 i = n - 1; i >= 0; --i) {
        buffer[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return true;
}

// Values from -2^31 up to (not including) 2^31 have an integer part that
// fits 32 bits.
template <typename F> bool fitsInt32(F value) {
    return value >= F(-2147483648.0) && value < F(2147483648.0);
}

// The integer part of a finite value: a value between -1 and 0 keeps its
// minus sign ("-0"); parts beyond 32 bits are written in full.
template <typename F> char* integerText(F value, F whole) {
    if (!fitsInt32(value)) {
        int size = snprintf(nullptr, 0, "%.0f", static_cast<double>(whole));
        char* text = new char[size + 1];
        snprintf(text, size + 1, "%.0f", static_cast<double>(whole));
        return text;
    }
    int64 part = static_cast<int32>(whole);
    return value < 0 ? String::int64ToMinusStr(part) : String::int64ToStr(part);
}

// The number of fractional digits a fraction needs: the number of times it
// is multiplied by 10 until the product has no fractional part. The count
// ends because a float of 2^23 or more has none.
uint32 neededDigits(float32 fraction) {
    uint32 count = 0;
    for (float32 t = fraction; t - std::trunc(t) != 0; t = t * 10.0f) {
        ++count;
    }
    return count;
}

// A point and count digits of the fraction, each one the integer part of
// the running product by 10; ".0" when there is no fraction.
template <typename F> char* fractionText(F fraction, uint32 count) {
    if (!(fraction > 0)) {
        return String::strCopy(".0");
    }
    char* text = new char[count + 2];
    text[0] = '.';
    for (uint32 i = 1; i <= count; ++i) {
        fraction = fraction * F(10);
        F digit = std::trunc(fraction);
        fraction = fraction - digit;
        text[i] = static_cast<char>('0' + static_cast<int>(digit));
    }
    text[count + 1] = 0;
    return text;
}

// "nan", "inf" or "-inf" for values that are not finite, else null.
template <typename F> char* nonFiniteText(F value) {
    if (std::isnan(value)) {
        return String::strCopy("nan");
    }
    if (std::isinf(value)) {
        return String::strCopy(value < 0 ? "-inf" : "inf");
    }
    return nullptr;
}

// The integer part of the value joined with its fraction text: free length
// when digits is negative, else exactly digits digits.
template <typename F> char* floatText(F value, int32 digits) {
    if (char* text = nonFiniteText(value)) {
        return text;
    }
    F whole = std::trunc(value);
    F fraction = std::fabs(value - whole);
    uint32 count;
    if constexpr (std::is_same_v<F, float32>) {
        count = digits < 0 ? neededDigits(fraction) : static_cast<uint32>(digits);
    } else {
        count = static_cast<uint32>(digits);
    }
    char* integer = integerText(value, whole);
    char* point = fractionText(fraction, count);
    char* text = String::strCat(integer, point);
    delete[] integer;
    delete[] point;
    return text;
}

template <typename T> char* vecText(const T* values, uint32 n) {
    if (!values || n == 0) {
        return nullptr;
    }
    size_t size = 0;
    for (uint32 i = 0; i < n; ++i) {
        uint64 value = magnitude(values[i]);
        size += (value == 0 ? 1 : digitCount(value)) + (isNegative(values[i]) ? 1 : 0) + 1;
    }
    char* text = new char[size];
    char* at = text;
    for (uint32 i = 0; i < n; ++i) {
        uint64 value = magnitude(values[i]);
        if (isNegative(values[i])) {
            *at++ = '-';
        }
        at += value == 0 ? 1 : digitCount(value);
        writeDigits(value, at);
        *at++ = ' ';
    }
    at[-1] = 0;
    return text;
}

// Reads one number at the text as strtoll (strtoull for 64-bit unsigned
// elements) reads it, and keeps its low bits in the element's width.
template <typename T> T readNumber(const char* text) {
    if constexpr (std::is_same_v<T, uint64>) {
        return strtoull(text, nullptr, 10);
    } else {
        return static_cast<T>(static_cast<uint64>(strtoll(text, nullptr, 10)));
    }
}

// Walks the places of a text where the vector readers read a number, one
// after each blank that ends a word, and hands each to visit until it
// answers false or n places were visited; answers how many were visited.
template <typename Visit> uint32 walkNumbers(const char* text, uint32 n, Visit visit) {
    uint32 count = 0;
    for (const char* at = text; *at && count < n;) {
        if (!visit(at)) {
            break;
        }
        ++count;
        ++at;
        while (*at && *at != ' ') {
            ++at;
        }
        if (*at == ' ') {
            ++at;
        }
    }
    return count;
}

template <typename T> bool vecRead(const char* text, T* values, uint32 n) {
    if (!text || !values || n == 0) {
        return false;
    }
    walkNumbers(text, n, [&values](const char* at) {
        *values++ = readNumber<T>(at);
        return true;
    });
    return true;
}

} // namespace

uint32 String::sizeOfInt32(int32 value) {
    return digitCount(magnitude(value));
}

uint32 String::sizeOfInt64(int64 value) {
    return digitCount(magnitude(value));
}

bool String::copyInt32ToStr(int32 value, char* buffer, int32 n) {
    return copyDigits(magnitude(value), buffer, n);
}

bool String::copyInt64ToStr(int64 value, char* buffer, int32 n) {
    return copyDigits(magnitude(value), buffer, n);
}

char* String::int32ToStr(int32 value) {
    return decimalText(magnitude(value), value < 0);
}

char* String::int64ToStr(int64 value) {
    return decimalText(magnitude(value), value < 0);
}

char* String::uint32ToStr(uint32 value) {
    return decimalText(value, false);
}

char* String::int32ToMinusStr(int32 value) {
    return decimalText(magnitude(value), true);
}

char* String::int64ToMinusStr(int64 value) {
    return decimalText(magnitude(value), true);
}

char* String::float32ToStr(float32 value) {
    return floatText(value, -1);
}

char* String::float32ToStr(float32 value, int32 digits) {
    return floatText(value, digits < 0 ? 0 : digits);
}

char* String::float64ToStr(float64 value, int32 digits) {
    return floatText(value, digits < 0 ? 0 : digits);
}

char* String::vecInt8toStr(int8* values, uint32 n) {
    return vecText(values, n);
}
char* String::vecInt16toStr(int16* values, uint32 n) {
    return vecText(values, n);
}
char* String::vecInt32toStr(int32* values, uint32 n) {
    return vecText(values, n);
}
char* String::vecInt64toStr(int64* values, uint32 n) {
    return vecText(values, n);
}
char* String::vecUint8toStr(uint8* values, uint32 n) {
    return vecText(values, n);
}
char* String::vecUint16toStr(uint16* values, uint32 n) {
    return vecText(values, n);
}
char* String::vecUint64toStr(uint64* values, uint32 n) {
    return vecText(values, n);
}

char* String::vecUint32toStr(uint32* values, uint32 n) {
    if (!values || n == 0) {
        return nullptr;
    }
    putchar(10);
    return vecText(values, n);
}

int32 String::strToInt32(char* text) {
    return text ? static_cast<int32>(static_cast<uint64>(strtol(text, nullptr, 10))) : 0;
}

int64 String::strToInt64(char* text) {
    return text ? strtoll(text, nullptr, 10) : 0;
}

float32 String::strToFloat32(char* text) {
    return text ? static_cast<float32>(strtod(text, nullptr)) : 0;
}

float64 String::strToFloat64(char* text) {
    return text ? strtod(text, nullptr) : 0;
}

bool String::strToVecInt8(char* text, int8* values, uint32 n) {
    return vecRead(text, values, n);
}
bool String::strToVecInt16(char* text, int16* values, uint32 n) {
    return vecRead(text, values, n);
}
bool String::strToVecInt32(char* text, int32* values, uint32 n) {
    return vecRead(text, values, n);
}
bool String::strToVecInt64(char* text, int64* values, uint32 n) {
    return vecRead(text, values, n);
}
bool String::strToVecUint8(char* text, uint8* values, uint32 n) {
    return vecRead(text, values, n);
}
bool String::strToVecUint16(char* text, uint16* values, uint32 n) {
    return vecRead(text, values, n);
}
bool String::strToVecUint32(char* text, uint32* values, uint32 n) {
    return vecRead(text, values, n);
}
bool String::strToVecUint64(char* text, uint64* values, uint32 n) {
    return vecRead(text, values, n);
}

uint32 String::strVecNumberCount(char* text, uint32 n) {
    if (!text) {
        return 0;
    }
    return walkNumbers(text, n, [](const char* at) {
        while (std::isspace(static_cast<unsigned char>(*at))) {
            ++at;
        }
        if (*at == '+' || *at == '-') {
            ++at;
        }
        return std::isdigit(static_cast<unsigned char>(*at)) != 0;
    });
}

} // namespace zelk
