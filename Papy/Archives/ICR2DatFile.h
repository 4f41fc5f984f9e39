#pragma once

#include "Papy/Archives/DatFile.h"

#include <vector>

namespace Tessel::Papy {

// The DAT archive of the GPL and N2 families: a count, a directory of fixed 27-byte records with
// 8.3 names, and the members' bytes, always stored.
class ICR2DatFile : public DatFile {
public:
    // Opens an archive and reads its directory: XFileOpen, XFileRead, or XFileFormat with the
    // archive's path and the fault.
    ICR2DatFile(const std::string& path, bool writable);
    // Reads an archive from an open stream, named with the archive's path.
    explicit ICR2DatFile(std::shared_ptr<Util::BinaryStream> stream);
    // A new, empty archive, written only by Build.
    ICR2DatFile(NewArchive, const std::string& path);

    // The most members the 16-bit count holds.
    static constexpr std::uint32_t MaxMembers = 32767;

    // True when the file's first bytes look like this format's: a positive count and a record
    // that starts with signature 5 and method 0. Throws XFileOpen when the file cannot be opened.
    static bool HasHeader(const std::string& path);

    std::uint32_t GetMemberCount() const override { return static_cast<std::uint32_t>(members.size()); }
    std::string GetMemberName(std::uint32_t index) const override { return members[index].name; }
    std::string GetMemberFolder(std::uint32_t) const override { return ""; }
    std::uint32_t GetMemberSize(std::uint32_t index) const override { return members[index].size; }
    std::uint32_t GetMemberStoredSize(std::uint32_t index) const override { return members[index].size; }
    std::shared_ptr<Util::BinaryStream> OpenMember(std::uint32_t index) override;

    // Adds the file of the archive's folder called fileName as a member; XUsage when the name
    // is longer than the 12 characters of an 8.3 name.
    void AddMember(const std::string& fileName);
    // Takes the folder's files with an archive extension or a car-setup name, all 8.3. The
    // report lists the included files and the excluded ones with the reason.
    void GatherFiles(std::ostream* report) override;
    // Refuses (XUsage) an empty member list and one of more than MaxMembers.
    void Build() override;

private:
    struct DatMember {
        std::string name;
        std::uint32_t offset = 0;
        std::uint32_t size = 0;
    };

    void ReadDirectory();
    void WriteMembers(Util::BinaryStream& out);

    std::vector<DatMember> members;
};

}  // namespace Tessel::Papy
