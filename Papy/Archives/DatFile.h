#pragma once

#include "Util/BinaryStream.h"
#include "Util/PathName.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace Tessel::Papy {

// Tag for the constructors that make a new, empty archive instead of opening one; replacing
// lets Build replace a file that is there already, as one whole.
struct NewArchive {
    bool replacing = false;
};

// A DAT archive: many small game files in one, each member readable as a BinaryStream so that
// format readers read archived and loose files alike. An index is a member number below
// GetMemberCount; the operations trust it. An opened archive never changes; a new one is filled
// by GatherFiles and written by Build.
class DatFile {
public:
    virtual ~DatFile() = default;

    const Util::PathName& GetPathName() const { return path; }
    virtual std::uint32_t GetMemberCount() const = 0;
    // The member's name as stored, with its folders (separated by backslashes) and extension.
    virtual std::string GetMemberName(std::uint32_t index) const = 0;
    virtual std::string GetMemberBaseName(std::uint32_t index) const;
    // Without the dot; empty when the name has none.
    virtual std::string GetMemberExtension(std::uint32_t index) const;
    // The part of the name before its last backslash; empty without one.
    virtual std::string GetMemberFolder(std::uint32_t index) const;
    // The size of the member's contents.
    virtual std::uint32_t GetMemberSize(std::uint32_t index) const = 0;
    // The size the member takes in the archive.
    virtual std::uint32_t GetMemberStoredSize(std::uint32_t index) const = 0;
    virtual bool IsMemberImploded(std::uint32_t /*index*/) const { return false; }

    // A new stream over the member's contents. Stored members read through the archive's own
    // stream (which they keep open); imploded ones are unpacked now, so corrupt packed data
    // break an assertion here.
    virtual std::shared_ptr<Util::BinaryStream> OpenMember(std::uint32_t index) = 0;
    // Opens the first member whose whole stored name equals name without regard to case;
    // an empty pointer when there is none.
    std::shared_ptr<Util::BinaryStream> FindMember(const std::string& name);

    // Replaces the member list by the eligible files of the archive's folder; when report is
    // given, says on it what was gathered.
    virtual void GatherFiles(std::ostream* report) = 0;
    // Writes the archive from the member list, reading each member from the archive's folder.
    // The file appears whole or not at all: XFileExists when it exists meanwhile (and the
    // archive is not replacing), XUsage when the member list cannot be written in this format,
    // stream errors from the members' files.
    virtual void Build() = 0;

protected:
    DatFile(const std::string& path, bool writable);
    explicit DatFile(std::shared_ptr<Util::BinaryStream> stream);
    // For a new archive: throws XFileOpen when its folder does not exist, and XFileExists
    // when the file does unless the archive is replacing.
    DatFile(NewArchive, const std::string& path);

    // The archive's stream; a new archive has none until Build wrote it (an assertion breaks).
    Util::BinaryStream& GetStream() { return *GetSharedStream(); }
    const std::shared_ptr<Util::BinaryStream>& GetSharedStream() const;
    // Where a member's file lies below the archive's folder; backslashes name its sub-folders.
    std::string GetMemberSourcePath(const std::string& memberName) const;
    // Writes the archive atomically with write, then reopens it for reading.
    void WriteArchive(const std::function<void(Util::BinaryStream&)>& write);
    // A size or offset for a 32-bit field; XUsage when the archive would pass 4 GiB.
    std::uint32_t To32Bits(std::uint64_t value) const;
    // The entries of a folder sorted by name, so that an archive's member order does not
    // depend on the file system.
    static std::vector<Util::DirectoryEntry> ListFolder(const Util::PathName& folder);

private:
    Util::PathName path;
    std::shared_ptr<Util::BinaryStream> stream;
    bool replacing = false;
};

// Copies size bytes from source to target in pieces.
void CopyBytes(Util::BinaryStream& source, Util::BinaryStream& target, std::uint64_t size);

}  // namespace Tessel::Papy
