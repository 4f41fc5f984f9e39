#pragma once

#include <string>

// The exception family through which every failure of the library travels. Each object renders
// itself as a complete message of one or more lines; the family has no standard-library base.
namespace Tessel::Util {

class Exception {
public:
    virtual ~Exception() = default;
    virtual std::string GetMessageText() const = 0;
};

// A broken internal rule.
class LogicError : public Exception {};

// Bad input, a failed file operation or a failed system call.
class RuntimeError : public Exception {};

class XAssertion : public LogicError {
public:
    // expression and file point at string literals and are not copied.
    XAssertion(const char* expression, const char* file, int line);
    std::string GetMessageText() const override;
    const char* GetExpression() const { return expression; }

private:
    const char* expression;
    const char* file;
    int line;
};

class XUsage : public RuntimeError {
public:
    explicit XUsage(std::string message);
    std::string GetMessageText() const override;

private:
    std::string message;
};

class XFileOpen : public RuntimeError {
public:
    XFileOpen(std::string path, std::string reason);
    std::string GetMessageText() const override;
    const std::string& GetPath() const { return path; }
    const std::string& GetReason() const { return reason; }

private:
    std::string path;
    std::string reason;
};

// An output that is already there when it was not to be replaced: the system's text for an
// existing file ("File exists") as an XFileOpen of the output's path.
class XFileExists : public XFileOpen {
public:
    explicit XFileExists(std::string path);
};

// Read, write and seek failures carry the stream's name and, when the system gave one, its
// reason ("No space left on device"), shown on a line of its own.
class XFileStream : public RuntimeError {
public:
    const std::string& GetName() const { return name; }
    const std::string& GetReason() const { return reason; }

protected:
    XFileStream(std::string name, std::string reason) : name(std::move(name)), reason(std::move(reason)) {}
    // "<what> <name>\n", then the reason and a newline when there is one.
    std::string MessageText(const std::string& what) const;
    std::string name;
    std::string reason;
};

class XFileRead : public XFileStream {
public:
    explicit XFileRead(std::string name);
    std::string GetMessageText() const override;
};

class XFileWrite : public XFileStream {
public:
    explicit XFileWrite(std::string name, std::string reason = "");
    std::string GetMessageText() const override;
};

class XFileSeek : public XFileStream {
public:
    explicit XFileSeek(std::string name);
    std::string GetMessageText() const override;
};

class XFileFormat : public RuntimeError {
public:
    XFileFormat(std::string path, std::string description);
    std::string GetMessageText() const override;
    const std::string& GetPath() const { return path; }
    const std::string& GetDescription() const { return description; }

private:
    std::string path;
    std::string description;
};

// Throws XAssertion; never returns.
[[noreturn]] void AssertionFailed(const char* expression, const char* file, int line);

}  // namespace Tessel::Util

// Checks a condition in every build; a false condition throws XAssertion naming the
// condition's text, the source file (relative to the source tree) and the line.
#define TESSEL_CHECK(condition)                                                  \
    do {                                                                         \
        if (!(condition))                                                        \
            ::Tessel::Util::AssertionFailed(#condition, __FILE__, __LINE__);     \
    } while (false)
