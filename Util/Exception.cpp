#include "Util/Exception.h"

#include <sstream>

namespace Tessel::Util {

XAssertion::XAssertion(const char* expression, const char* file, int line)
    : expression(expression), file(file), line(line) {}

std::string XAssertion::GetMessageText() const {
    std::ostringstream text;
    text << "Assertion failure at " << file << ": " << line << '\n' << expression << '\n';
    return text.str();
}

XUsage::XUsage(std::string message) : message(std::move(message)) {}

std::string XUsage::GetMessageText() const { return message; }

XFileOpen::XFileOpen(std::string path, std::string reason)
    : path(std::move(path)), reason(std::move(reason)) {}

std::string XFileOpen::GetMessageText() const {
    return "Couldn't open " + path + '\n' + reason + '\n';
}

XFileRead::XFileRead(std::string name) : XFileStream(std::move(name)) {}

std::string XFileRead::GetMessageText() const { return "Couldn't read from " + name + '\n'; }

XFileWrite::XFileWrite(std::string name) : XFileStream(std::move(name)) {}

std::string XFileWrite::GetMessageText() const { return "Couldn't write to " + name + '\n'; }

XFileSeek::XFileSeek(std::string name) : XFileStream(std::move(name)) {}

std::string XFileSeek::GetMessageText() const { return "Couldn't seek in " + name + '\n'; }

XFileFormat::XFileFormat(std::string path, std::string description)
    : path(std::move(path)), description(std::move(description)) {}

std::string XFileFormat::GetMessageText() const {
    return "A possible error was found in file " + path + '\n' + description + '\n';
}

void AssertionFailed(const char* expression, const char* file, int line) {
    throw XAssertion(expression, file, line);
}

}  // namespace Tessel::Util
