#ifndef ZELK_STRING_H
#define ZELK_STRING_H

#include "zelk/TypeVars.h"

// Static helpers over NUL-terminated byte texts. Every text an operation
// returns is a new array made with new[]; the caller releases it with
// delete[]. Null texts, null arrays and zero counts answer null, 0 or false.
// A filter is a text used as a set of bytes; a null or empty filter filters
// nothing. The const char* forms behave exactly as the char* forms.
namespace zelk {

class String {
public:
    // Size, copy and join.
    static uint64 strSize(char* text);
    static uint64 strSize(const char* text) { return strSize(const_cast<char*>(text)); }
    // Null for a null text and for an empty one: an empty text has no copy.
    static char* strCopy(char* text);
    static char* strCopy(const char* text) { return strCopy(const_cast<char*>(text)); }
    // Null when either text is null; two empty texts give an empty text.
    static char* strCat(char* first, char* second);
    static char* strCat(const char* first, const char* second) {
        return strCat(const_cast<char*>(first), const_cast<char*>(second));
    }
    // The mixed forms let a literal be joined with a char* without a cast.
    static char* strCat(const char* first, char* second) {
        return strCat(const_cast<char*>(first), second);
    }
    static char* strCat(char* first, const char* second) {
        return strCat(first, const_cast<char*>(second));
    }
    // The first text followed by every further text up to the nullptr that
    // ends the list; null when the first text is null or empty.
    static char* strCatMulti(char* first, ...) __attribute__((sentinel));
    static char* strCatMulti(const char* first, ...) __attribute__((sentinel));
    // Reverses the text in place; false for a null or empty text. The
    // const char* form writes into its argument too, so it must be writable.
    static bool strInvert(char* text);
    static bool strInvert(const char* text) { return strInvert(const_cast<char*>(text)); }

    // Comparison, filtering and counting.
    // True when both texts are non-empty and equal; two empty texts differ.
    static bool strCompare(char* a, char* b);
    static bool strCompare(const char* a, char* b) { return strCompare(const_cast<char*>(a), b); }
    static bool strCompare(char* a, const char* b) { return strCompare(a, const_cast<char*>(b)); }
    static bool strCompare(const char* a, const char* b) {
        return strCompare(const_cast<char*>(a), const_cast<char*>(b));
    }
    // The texts read with every filter byte skipped must hold the same bytes
    // and at least one that is not a filter byte.
    static bool strCompareWithFilter(char* a, char* b, char* filter);
    static bool strCompareWithFilter(char* a, char* b, const char* filter) {
        return strCompareWithFilter(a, b, const_cast<char*>(filter));
    }
    static bool strCompareWithFilter(char* a, const char* b, char* filter) {
        return strCompareWithFilter(a, const_cast<char*>(b), filter);
    }
    static bool strCompareWithFilter(char* a, const char* b, const char* filter) {
        return strCompareWithFilter(a, const_cast<char*>(b), const_cast<char*>(filter));
    }
    static bool strCompareWithFilter(const char* a, char* b, char* filter) {
        return strCompareWithFilter(const_cast<char*>(a), b, filter);
    }
    static bool strCompareWithFilter(const char* a, char* b, const char* filter) {
        return strCompareWithFilter(const_cast<char*>(a), b, const_cast<char*>(filter));
    }
    static bool strCompareWithFilter(const char* a, const char* b, char* filter) {
        return strCompareWithFilter(const_cast<char*>(a), const_cast<char*>(b), filter);
    }
    static bool strCompareWithFilter(const char* a, const char* b, const char* filter) {
        return strCompareWithFilter(const_cast<char*>(a), const_cast<char*>(b),
                                    const_cast<char*>(filter));
    }
    // The number of bytes of the text that are not in the filter.
    static uint64 strSizeWithFilter(char* text, char* filter);
    static uint64 strSizeWithFilter(char* text, const char* filter) {
        return strSizeWithFilter(text, const_cast<char*>(filter));
    }
    static uint64 strSizeWithFilter(const char* text, char* filter) {
        return strSizeWithFilter(const_cast<char*>(text), filter);
    }
    static uint64 strSizeWithFilter(const char* text, const char* filter) {
        return strSizeWithFilter(const_cast<char*>(text), const_cast<char*>(filter));
    }
    // The bytes of the text that are not in the filter; null when none remain.
    static char* strCopyWithFilter(char* text, char* filter);
    static char* strCopyWithFilter(char* text, const char* filter) {
        return strCopyWithFilter(text, const_cast<char*>(filter));
    }
    static char* strCopyWithFilter(const char* text, char* filter) {
        return strCopyWithFilter(const_cast<char*>(text), filter);
    }
    static char* strCopyWithFilter(const char* text, const char* filter) {
        return strCopyWithFilter(const_cast<char*>(text), const_cast<char*>(filter));
    }
    // How many bytes before the NUL equal c (so a NUL is never counted).
    static uint32 stringHaveChar(char* text, char c);
    static uint32 stringHaveChar(const char* text, char c) {
        return stringHaveChar(const_cast<char*>(text), c);
    }
    // How many of the first n bytes equal c, NUL bytes included.
    static uint32 stringHaveChar(char* text, unsigned long long n, char c);
    static uint32 stringHaveChar(const char* text, unsigned long long n, char c) {
        return stringHaveChar(const_cast<char*>(text), n, c);
    }

    // Cutting. Only the bytes before the NUL are searched, so a NUL limit,
    // start or end is never found.
    // The bytes before the first limit, with the limit when keepLimit is true.
    static char* strCut(char* text, char limit, bool keepLimit);
    static char* strCut(const char* text, char limit, bool keepLimit) {
        return strCut(const_cast<char*>(text), limit, keepLimit);
    }
    // The bytes after the first limit, or from the limit on when keepLimit is
    // true; null when nothing follows and the limit is not kept.
    static char* strCut(char limit, char* text, bool keepLimit);
    static char* strCut(char limit, const char* text, bool keepLimit) {
        return strCut(limit, const_cast<char*>(text), keepLimit);
    }
    // The bytes strictly between the first start and the first end after it.
    static char* strCut(char* text, char start, char end);
    static char* strCut(const char* text, char start, char end) {
        return strCut(const_cast<char*>(text), start, end);
    }

    // Numbers to text. Magnitudes are taken without overflow, so the most
    // negative values are written in full.
    // Decimal digits of the magnitude; 0 for 0.
    static uint32 sizeOfInt32(int32 value);
    static uint32 sizeOfInt64(int64 value);
    // Exactly n digits of the magnitude into buffer[0..n-1], zero-filled on the
    // left, leading digits dropped; no sign, no NUL. False for a null buffer
    // or n of 0 or less.
    static bool copyInt32ToStr(int32 value, char* buffer, int32 n);
    static bool copyInt64ToStr(int64 value, char* buffer, int32 n);
    static char* int32ToStr(int32 value);
    static char* int64ToStr(int64 value);
    static char* uint32ToStr(uint32 value);
    // A minus sign and the digits of the magnitude, whatever the sign.
    static char* int32ToMinusStr(int32 value);
    static char* int64ToMinusStr(int64 value);
    // Integer part, a point and the fractional digits the value needs:
    // 1.1f gives "1.10000002", 3 gives "3.0". NaN and the infinities give
    // "nan", "inf" and "-inf"; integer parts beyond 32 bits are written in
    // full.
    static char* float32ToStr(float32 value);
    // Integer part, a point and exactly digits fractional digits (a negative
    // count counts as 0); a value without a fraction ends in ".0".
    static char* float32ToStr(float32 value, int32 digits);
    static char* float64ToStr(float64 value, int32 digits);
    // The n values in decimal joined by single blanks; null for a null array
    // or n = 0.
    static char* vecInt8toStr(int8* values, uint32 n);
    static char* vecInt16toStr(int16* values, uint32 n);
    static char* vecInt32toStr(int32* values, uint32 n);
    static char* vecInt64toStr(int64* values, uint32 n);
    static char* vecUint8toStr(uint8* values, uint32 n);
    static char* vecUint16toStr(uint16* values, uint32 n);
    // Writes a line feed to standard output before it builds the text.
    static char* vecUint32toStr(uint32* values, uint32 n);
    static char* vecUint64toStr(uint64* values, uint32 n);

    // Text to numbers; a null text gives 0.
    static int32 strToInt32(char* text);
    static int32 strToInt32(const char* text) { return strToInt32(const_cast<char*>(text)); }
    static int64 strToInt64(char* text);
    static int64 strToInt64(const char* text) { return strToInt64(const_cast<char*>(text)); }
    static float32 strToFloat32(char* text);
    static float32 strToFloat32(const char* text) { return strToFloat32(const_cast<char*>(text)); }
    static float64 strToFloat64(char* text);
    static float64 strToFloat64(const char* text) { return strToFloat64(const_cast<char*>(text)); }
    // Reads up to n blank-separated numbers into the array, each narrowed
    // modulo the element's width, so every text the matching vec...toStr
    // writes comes back. Entries past the last number keep their values.
    // False for a null text, a null array or n = 0.
    static bool strToVecInt8(char* text, int8* values, uint32 n);
    static bool strToVecInt16(char* text, int16* values, uint32 n);
    static bool strToVecInt32(char* text, int32* values, uint32 n);
    static bool strToVecInt64(char* text, int64* values, uint32 n);
    static bool strToVecUint8(char* text, uint8* values, uint32 n);
    static bool strToVecUint16(char* text, uint16* values, uint32 n);
    static bool strToVecUint32(char* text, uint32* values, uint32 n);
    static bool strToVecUint64(char* text, uint64* values, uint32 n);
    // How many of the first n places where those readers read a number hold
    // one (a digit after blanks and a sign); the count ends at the first
    // place that does not. 0 for a null text.
    static uint32 strVecNumberCount(char* text, uint32 n);
    static uint32 strVecNumberCount(const char* text, uint32 n) {
        return strVecNumberCount(const_cast<char*>(text), n);
    }

    // The console.
    static bool consoleKeyPressed();
    static int consoleReadKey();
    // One typed line, as readFromTheConsole(0) reads it.
    static char* consoleReadString();
    // Clears the terminal; answers 0.
    static int consoleClear();

    // The system clipboard, holding bytes as Latin-1 characters. Without a
    // reachable clipboard these answer null or false.
    static char* clipboardRead();
    static bool clipboardClean();
    // Empties the clipboard and then puts the text on it; a null or empty text
    // only empties it and answers false.
    static bool clipboardWrite(char* text);
    static bool clipboardWrite(const char* text) { return clipboardWrite(const_cast<char*>(text)); }
};

// The next byte typed on the console, without echo; -1 at the end of input.
int zelkGetch();
// Non-zero when zelkGetch would answer without waiting.
int zelkKbhit();

// The value negated when it is below 0 (the most negative integers come back
// unchanged; -0.0 and NaN too).
int32 zelkModuleInt32(int32 value);
int64 zelkModuleInt64(int64 value);
float32 zelkModuleFloat32(float32 value);
float64 zelkModuleFloat64(float64 value);

// Reads one line from the console key by key, echoing what is typed;
// backspace and delete erase the last character. Carriage return, line feed
// or the end of input end the line. position is the number of characters the
// caller has already gathered on this line; the result holds those typed from
// here on (an empty text when none).
char* readFromTheConsole(uint32 position);

} // namespace zelk

#endif
