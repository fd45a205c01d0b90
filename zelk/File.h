#ifndef ZELK_FILE_H
#define ZELK_FILE_H

#include <cstdio>

namespace zelk {

// True when the character is one of the NUL-terminated limits; false for null
// limits or a NUL character.
bool testLimits(char c, char* limits);
bool testLimits(char c, const char* limits);

// A file over one stdio stream, opened for text or bytes (the same on this
// platform), for reading or for appending. Every text or block a reader
// returns is a new array the caller deletes with delete[]. Operations on a
// closed file answer false, 0 or null.
class File {
public:
    File();
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Each open closes what was open first. Reading needs a regular file.
    bool openTextFile(char* path);
    bool openTextFile(const char* path);
    bool openBinFile(char* path);
    bool openBinFile(const char* path);
    bool openEndTextFile(char* path);
    bool openEndTextFile(const char* path);
    bool openEndBinFile(char* path);
    bool openEndBinFile(const char* path);
    // A new, empty file open for appending.
    bool createAndOpenTextFile(char* path);
    bool createAndOpenTextFile(const char* path);
    bool createAndOpenBinFile(char* path);
    bool createAndOpenBinFile(const char* path);
    void closeFile();
    bool isOpened();
    // The path of the open file (the object's own copy); null when closed.
    char* getName();
    // Closes the open file and deletes it.
    bool deleteFile();

    static bool fileExist(char* path);
    static bool fileExist(const char* path);
    // Creates the file, or empties it when it exists.
    static bool createFile(char* path);
    static bool createFile(const char* path);
    static bool deleteFile(char* path);
    static bool deleteFile(const char* path);
    static bool renameFile(char* oldPath, char* newPath);
    static bool renameFile(const char* oldPath, const char* newPath);

    // Writers answer false when the runtime reports a failure.
    bool writeText(char c);
    bool writeText(char* text);
    bool writeText(const char* text);
    bool writeText(int value);
    bool writeText(unsigned int value);
    // Six decimals.
    bool writeText(float value);
    bool writeBin(void* buffer, unsigned int size);
    bool writeBin(char c);
    // The text's bytes without the terminator.
    bool writeBin(char* text);
    bool writeBin(const char* text);
    bool writeBin(int value);
    bool writeBin(unsigned int value);
    bool writeBin(float value);
    bool writeBin(long long value);
    bool writeBin(int* value);
    bool writeBin(unsigned int* value);
    bool writeBin(float* value);
    bool writeBin(long long* value);
    bool flush();

    // Text readers; 0 when nothing could be read.
    char readTextChar();
    int readTextInt();
    unsigned int readTextUInt();
    float readTextFloat();
    // The text up to the limit (or any of the limits), the end of the file or
    // a NUL; the stop character is consumed and, with keepLimit, a limit is
    // kept at the end. An empty text at the end of the file; null limits give
    // null.
    char* readTextString(char limit, bool keepLimit);
    char* readTextString(char* limits, bool keepLimit);
    char* readTextString(const char* limits, bool keepLimit);

    // Reads size bytes into the buffer; the part beyond the end of the file
    // is zeroed. False without a buffer, a size or an open file.
    bool readBin(void* buffer, unsigned long long size);
    // A new block of the next size bytes; null for size 0 or a size that
    // cannot be allocated.
    char* readBin(unsigned long long size);
    char readBinChar();
    int readBinInt32();
    unsigned int readBinUInt32();
    float readBinFloat();
    long long readBinLongInt();
    // New arrays of count values; null for a count of 0 or less, or one whose
    // byte size does not fit.
    int* readBinInt32(long long count);
    unsigned int* readBinUint32(unsigned long long count);
    float* readBinFloat(long long count);
    long long* readBinLongInt(long long count);
    // The next size bytes, no terminator added; null for a negative size.
    char* readBinString(long size);
    // As readTextString; null limits stop only at a NUL or the end.
    char* readBinString(char limit, bool keepLimit);
    char* readBinString(char* limits, bool keepLimit);
    char* readBinString(const char* limits, bool keepLimit);
    bool readEnd();
    bool endOfFile();

    // Relative to the current position; true when the seek was issued.
    bool seek(unsigned int offset);
    bool seek(int offset);
    bool seek(unsigned long long offset);
    bool seek(long long offset);
    bool seekStart();
    bool seekStart(unsigned int offset);
    bool seekStart(unsigned long long offset);
    bool seekEnd();
    bool seekEnd(int offset);
    bool seekEnd(long long offset);
    int getSeek32();
    long long getSeek64();
    // Measured once per opening and then answered from the cache; an empty
    // file is measured again on every call.
    unsigned long long getFileSize();

private:
    bool open(const char* path, const char* mode, bool forReading);
    bool seekTo(long long offset, int origin);
    char* readStringFromTheFile(const char* limits, bool keepLimit);
    template <typename T> T readValue();
    template <typename T> T* readValues(unsigned long long count);

    std::FILE* stream;
    unsigned long long sizeCache;
    char* name;
};

} // namespace zelk

#endif
