#pragma once

#include "Util/BinaryStream.h"

#include <memory>

namespace Tessel::Util {

// A BinaryStream over an operating-system file. The open functions throw XFileOpen with the
// absolute path and the system's error text (an empty reason when the path cannot be made
// absolute or is 260 characters or longer). A file opened for reading is remembered as an input
// of this process (Util/InputFiles.h).
class BinaryFile : public BinaryStream {
public:
    // How the open functions below open a file.
    enum class Disposition { OpenRead, OpenReadWrite, CreateNew, CreateAlways };

    static std::unique_ptr<BinaryFile> OpenRead(const std::string& path);
    static std::unique_ptr<BinaryFile> OpenReadWrite(const std::string& path);
    // Fails when the file exists.
    static std::unique_ptr<BinaryFile> CreateNew(const std::string& path);
    // Creates the file or truncates an existing one.
    static std::unique_ptr<BinaryFile> CreateAlways(const std::string& path);
    static std::unique_ptr<BinaryFile> Create(const std::string& path, bool overwrite);
    // Every byte of the file at path, opened for reading as OpenRead opens it. Throws what
    // OpenRead throws, and XFileRead for a file of 4 GiB or more or one that cannot be read.
    static std::string ReadWhole(const std::string& path);

    ~BinaryFile() override;
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;

    void Read(std::uint32_t count, void* buffer) override;
    void Write(std::uint32_t count, const void* buffer) override;
    std::uint64_t GetPosition() override;
    void Seek(std::uint64_t position) override;
    std::uint64_t GetSize() override;
    bool IsAtEnd() override;
    std::string GetName() const override;
    // The name that GetName and every failure give from now on: a temporary file speaks for
    // the file it is to become.
    void SetName(const std::string& name);
    // Ends the file at the current position; throws XFileWrite.
    virtual void Truncate();
    // Writes the file's bytes through to the disk, so that a crash after it is renamed into
    // place cannot leave an empty file there; throws XFileWrite.
    void Sync();

private:
    // The platform's own part: the handle and how it opens.
    struct Impl;
    explicit BinaryFile(std::unique_ptr<Impl> impl);
    static std::unique_ptr<BinaryFile> Open(const std::string& path, Disposition disposition);

    std::unique_ptr<Impl> impl;
};

}  // namespace Tessel::Util
