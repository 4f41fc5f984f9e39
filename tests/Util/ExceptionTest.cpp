#include "Util/Exception.h"

#include <gtest/gtest.h>

using namespace Tessel::Util;

TEST(Exception, MessageTextsOfEveryClass) {
    EXPECT_EQ(XAssertion("x > 0", "Foo", 12).GetMessageText(), "Assertion failure at Foo: 12\nx > 0\n");
    EXPECT_EQ(XUsage("no newline added").GetMessageText(), "no newline added");
    EXPECT_EQ(XFileOpen("/a/b", "").GetMessageText(), "Couldn't open /a/b\n\n");
    EXPECT_EQ(XFileOpen("/a/b", "No such file or directory").GetMessageText(),
              "Couldn't open /a/b\nNo such file or directory\n");
    EXPECT_EQ(XFileRead("").GetMessageText(), "Couldn't read from \n");
    EXPECT_EQ(XFileWrite("out").GetMessageText(), "Couldn't write to out\n");
    EXPECT_EQ(XFileWrite("/a/race.lp", "No space left on device").GetMessageText(),
              "Couldn't write to /a/race.lp\nNo space left on device\n");
    EXPECT_EQ(XFileExists("/a/race.lp").GetMessageText(), "Couldn't open /a/race.lp\nFile exists\n");
    EXPECT_EQ(XFileSeek("buf").GetMessageText(), "Couldn't seek in buf\n");
    EXPECT_EQ(XFileFormat("/t.rpy", "GPL rpy file id not RPLY").GetMessageText(),
              "A possible error was found in file /t.rpy\nGPL rpy file id not RPLY\n");
}

TEST(Exception, CheckNamesConditionAndSourceRelativeToTree) {
    const int line = __LINE__ + 2;
    try {
        TESSEL_CHECK(1 + 1 == 3);
        FAIL() << "the check did not throw";
    } catch (const XAssertion& error) {
        EXPECT_EQ(error.GetMessageText(), "Assertion failure at tests/Util/ExceptionTest.cpp: " +
                                              std::to_string(line) + "\n1 + 1 == 3\n");
    }
    EXPECT_NO_THROW(TESSEL_CHECK(2 > 1));
}
