#include "zelk/String.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using zelk::String;

// Without an X display the clipboard answers null and false instead of
// ending the process. The check runs in a child whose DISPLAY is unset, so
// it holds whether or not the tests themselves run on a display.
TEST(ClipboardHeadless, AnswersNullAndFalseWithoutADisplay) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        unsetenv("DISPLAY");
        int faults = 0;
        char* read = String::clipboardRead();
        faults += read != nullptr;
        delete[] read;
        faults += String::clipboardClean();
        faults += String::clipboardWrite("text");
        faults += String::clipboardWrite("");
        _exit(faults);
    }
    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    ASSERT_TRUE(WIFEXITED(status)) << "the child ended by signal " << WTERMSIG(status);
    EXPECT_EQ(0, WEXITSTATUS(status));
}
