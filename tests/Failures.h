#pragma once

#include "Util/Exception.h"

#include <gtest/gtest.h>

#include <string>

// What an action's failure says, as one string a test can compare.
namespace Linewright::Testing {

// The description of the format fault that `action` throws, after checking that the fault
// names `path`; "accepted" when the action reads without fault.
template <class Action>
std::string FormatFault(const std::string& path, Action action) {
    try {
        action();
    } catch (const Tessel::Util::XFileFormat& fault) {
        EXPECT_EQ(fault.GetPath(), path);
        return fault.GetDescription();
    }
    return "accepted";
}

// The text of the usage error that `action` raises, or "no usage error".
template <class Action>
std::string UsageText(Action action) {
    try {
        action();
    } catch (const Tessel::Util::XUsage& error) {
        return error.GetMessageText();
    }
    return "no usage error";
}

// The full text of the assertion failure that `action` causes, or "no assertion".
template <class Action>
std::string AssertionText(Action action) {
    try {
        action();
    } catch (const Tessel::Util::XAssertion& failure) {
        return failure.GetMessageText();
    }
    return "no assertion";
}

// The expression of the assertion check that `action` breaks, or "no assertion".
template <class Action>
std::string BrokenCheck(Action action) {
    try {
        action();
    } catch (const Tessel::Util::XAssertion& failure) {
        return failure.GetExpression();
    }
    return "no assertion";
}

}  // namespace Linewright::Testing
