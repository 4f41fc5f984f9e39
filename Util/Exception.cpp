#include "Util/Exception.h"

#include <cerrno>
#include <cstring>
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

XFileExists::XFileExists(std::string path) : XFileOpen(std::move(path), std::strerror(EEXIST)) {}

std::string XFileStream::MessageText(const std::string& what) const {
    return what + ' ' + name + '\n' + (reason.empty() ? "" : reason + '\n');
}

XFileRead::XFileRead(std::string name) : XFileStream(std::move(name), "") {}

std::string XFileRead::GetMessageText() const { return MessageText("Couldn't read from"); }

XFileWrite::XFileWrite(std::string name, std::string reason) : XFileStream(std::move(name), std::move(reason)) {}

std::string XFileWrite::GetMessageText() const { return MessageText("Couldn't write to"); }

XFileSeek::XFileSeek(std::string name) : XFileStream(std::move(name), "") {}

std::string XFileSeek::GetMessageText() const { return MessageText("Couldn't seek in"); }

XFileFormat::XFileFormat(std::string path, std::string description)
    : path(std::move(path)), description(std::move(description)) {}

std::string XFileFormat::GetMessageText() const {
    return "A possible error was found in file " + path + '\n' + description + '\n';
}

void AssertionFailed(const char* expression, const char* file, int line) {
    throw XAssertion(expression, file, line);
}

}  // namespace Tessel::Util
