#include "zelk/String.h"
#include "zelk/WrapInt.h"
#include "zelk/platform/Clipboard.h"
#include "zelk/platform/Console.h"

#include <cstdio>
#include <string>

namespace zelk {

int zelkGetch() {
    return platform::Console::getch();
}

int zelkKbhit() {
    return platform::Console::kbhit();
}

int32 zelkModuleInt32(int32 value) {
    return value < 0 ? wrap::neg(value) : value;
}

int64 zelkModuleInt64(int64 value) {
    return value < 0 ? wrap::neg(value) : value;
}

float32 zelkModuleFloat32(float32 value) {
    return value < 0 ? -value : value;
}

float64 zelkModuleFloat64(float64 value) {
    return value < 0 ? -value : value;
}

char* readFromTheConsole(uint32) {
    std::string line;
    for (;;) {
        int key = zelkGetch();
        if (key < 0 || key == 13 || key == 10) {
            break;
        }
        if (key == 8 || key == 127) {
            if (!line.empty()) {
                line.pop_back();
                printf("%c %c", 8, 8);
            }
        } else {
            line += static_cast<char>(key);
            putchar(key);
        }
        fflush(stdout);
    }
    char* text = new char[line.size() + 1];
    line.copy(text, line.size());
    text[line.size()] = 0;
    return text;
}

bool String::consoleKeyPressed() {
    return zelkKbhit() != 0;
}

int String::consoleReadKey() {
    return zelkGetch();
}

char* String::consoleReadString() {
    return readFromTheConsole(0);
}

int String::consoleClear() {
    return platform::Console::clear();
}

char* String::clipboardRead() {
    std::string contents = platform::Clipboard::read();
    return contents.empty() ? nullptr : strCopy(contents.c_str());
}

bool String::clipboardClean() {
    return platform::Clipboard::clean();
}

bool String::clipboardWrite(char* text) {
    bool cleaned = clipboardClean();
    if (!cleaned || !text || text[0] == 0) {
        return false;
    }
    return platform::Clipboard::write(text);
}

} // namespace zelk
