#include "zelk/String.h"

#include "support/TestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <unistd.h>

using zelk::String;
using zelk::test::captureStdout;

namespace {

// Runs the function with standard input reading the given bytes from a pipe,
// its write end closed (so the bytes are followed by the end of input) unless
// keepOpen is set; standard input is restored afterwards. The bytes are
// written from a thread of their own, as a pipe holds fewer than a long line.
void withInput(const std::string& bytes, const std::function<void()>& run, bool keepOpen = false) {
    int ends[2];
    ASSERT_EQ(0, pipe(ends));
    std::thread writer([&] {
        for (size_t done = 0; done < bytes.size();) {
            ssize_t wrote = write(ends[1], bytes.data() + done, bytes.size() - done);
            if (wrote <= 0) {
                break;
            }
            done += static_cast<size_t>(wrote);
        }
        if (!keepOpen) {
            close(ends[1]);
        }
    });
    if (keepOpen) {
        writer.join();
    }
    int saved = dup(STDIN_FILENO);
    dup2(ends[0], STDIN_FILENO);
    close(ends[0]);
    run();
    dup2(saved, STDIN_FILENO);
    close(saved);
    if (keepOpen) {
        close(ends[1]);
    } else {
        writer.join();
    }
}

// The line read from the given input, and what was echoed while reading it.
struct Typed {
    std::string line;
    std::string echo;
    bool null = false;
};

Typed typeLine(const std::string& keys) {
    Typed typed;
    withInput(keys, [&] {
        char* line = nullptr;
        typed.echo = captureStdout([&] { line = String::consoleReadString(); });
        typed.null = line == nullptr;
        if (line) {
            typed.line = line;
        }
        delete[] line;
    });
    return typed;
}

} // namespace

TEST(Console, BackspaceErasesTheLastCharacter) {
    Typed typed = typeLine("ab\x08"
                           "c\rrest");
    EXPECT_EQ("ac", typed.line);
    EXPECT_EQ("ab\b \bc", typed.echo);

    typed = typeLine("xy\x7f\n");
    EXPECT_EQ("x", typed.line);
    EXPECT_EQ("xy\b \b", typed.echo);
}

TEST(Console, BackspaceOnAnEmptyLinePrintsNothing) {
    Typed typed = typeLine("\x08\x7f"
                           "z\r");
    EXPECT_EQ("z", typed.line);
    EXPECT_EQ("z", typed.echo);
}

TEST(Console, EmptyLineIsAnEmptyText) {
    Typed typed = typeLine("\r");
    EXPECT_FALSE(typed.null);
    EXPECT_EQ("", typed.line);
    EXPECT_EQ("", typed.echo);
}

TEST(Console, EndOfInputEndsTheLine) {
    Typed typed = typeLine("abc");
    EXPECT_EQ("abc", typed.line);
    EXPECT_EQ("abc", typed.echo);

    typed = typeLine("");
    EXPECT_FALSE(typed.null);
    EXPECT_EQ("", typed.line);
}

TEST(Console, LongLinesAreReadWhole) {
    std::string keys(200000, 'k');
    keys[1000] = '\xff';
    Typed typed = typeLine(keys + "\n");
    EXPECT_EQ(keys, typed.line);
}

TEST(Console, LineStopsAtItsEndingKey) {
    withInput("one\ntwo\r", [] {
        captureStdout([] {
            char* first = zelk::readFromTheConsole(0);
            char* second = zelk::readFromTheConsole(0);
            EXPECT_STREQ("one", first);
            EXPECT_STREQ("two", second);
            delete[] first;
            delete[] second;
        });
    });
}

TEST(Console, ReadsKeysAsBytesThenEndOfInput) {
    withInput("A\xff", [] {
        EXPECT_EQ('A', String::consoleReadKey());
        EXPECT_EQ(255, zelk::zelkGetch());
        EXPECT_EQ(-1, zelk::zelkGetch());
    });
}

TEST(Console, KeyPressedOnlyWhenInputWaits) {
    withInput(
        "", [] { EXPECT_FALSE(String::consoleKeyPressed()); }, true);
    withInput(
        "q",
        [] {
            EXPECT_NE(0, zelk::zelkKbhit());
            EXPECT_EQ('q', zelk::zelkGetch());
            EXPECT_EQ(0, zelk::zelkKbhit());
        },
        true);
}

TEST(Console, ClearWritesTheClearScreenSequence) {
    int result = -1;
    EXPECT_EQ("\033[H\033[2J", captureStdout([&] { result = String::consoleClear(); }));
    EXPECT_EQ(0, result);
}
