#pragma once

#include "Util/AbortHandler.h"
#include "Util/Exception.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <exception>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

// What the abort handler tests of every platform share: a handler that reports and ends the
// process, and faults that the compiler cannot fold away.

class ExitingHandler : public Tessel::Util::AbortHandler {
public:
    ExitingHandler() : AbortHandler("Linewright") {}
    [[noreturn]] void Report(const Tessel::Util::XProcessorException& exception) noexcept override {
        WriteErrorFile(exception);
        TellOnStandardError();
        std::_Exit(1);
    }
};

inline volatile int zero = 0;
inline volatile int sink;

// The volatile frame and the addition after the call keep the compiler from making a loop of it.
inline int Recurse(int depth) {
    volatile char frame[512] = {};
    frame[0] = static_cast<char>(depth);
    return zero == 0 ? Recurse(depth + 1) + frame[0] : 0;
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// Installs a handler for one scope: it is the instance, terminate goes to it and a second scope
// is refused; afterwards no handler is installed and terminate is as it was.
inline void ExpectInstalledOnlyInItsScope() {
    using namespace Tessel::Util;
    const auto terminateBefore = std::get_terminate();
    {
        ExitingHandler handler;
        AbortHandlerScope scope(handler);
        EXPECT_EQ(&AbortHandler::Instance(), &handler);
        EXPECT_NE(std::get_terminate(), terminateBefore);
        EXPECT_THROW(AbortHandlerScope{handler}, XAssertion);
    }
    EXPECT_EQ(std::get_terminate(), terminateBefore);
    EXPECT_THROW(AbortHandler::Instance(), XAssertion);
}

// The error file's layout for every fault: the version, the title, the code line when the fault
// has one (codeLine, a regular expression), the fault address, the registers and the call stack.
inline void ExpectErrorFile(const std::vector<std::string>& lines, const std::string& title, const char* codeLine) {
    ASSERT_GE(lines.size(), 15u) << title;
    EXPECT_EQ(lines[0], "Linewright Version 1,2,1,1 Error File");
    EXPECT_EQ(lines[1], title);
    EXPECT_EQ(lines[2], "");
    if (codeLine) {
        EXPECT_TRUE(std::regex_match(lines[3], std::regex(codeLine))) << lines[3];
    }
    const std::size_t next = codeLine ? 4 : 3;
    EXPECT_TRUE(lines[next].starts_with("Fault address: 0x")) << lines[next];
    EXPECT_EQ(lines[next + 1], "Registers:");
    EXPECT_TRUE(lines[next + 2].starts_with("RAX=0x")) << lines[next + 2];
    EXPECT_NE(lines[next + 6].find("RIP=0x"), std::string::npos) << lines[next + 6];
    EXPECT_EQ(lines[next + 9], "Call Stack");
    EXPECT_EQ(lines.back(), "End Call Stack");
}
