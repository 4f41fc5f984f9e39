#pragma once

#include "Papy/Archives/DatFile.h"

#include <vector>

namespace Tessel::Papy {

// The DAT archive of N4 and N2003: a header, a directory of variable-length records whose names
// carry folders (separated by backslashes), and the members' bytes, stored or imploded.
class N4DatFile : public DatFile {
public:
    // Opens an archive and reads its directory: XFileOpen, XFileRead, or XFileFormat with the
    // archive's path and the fault.
    N4DatFile(const std::string& path, bool writable);
    // Reads an archive from an open stream, named with the archive's path.
    explicit N4DatFile(std::shared_ptr<Util::BinaryStream> stream);
    // A new, empty archive, written only by Build.
    N4DatFile(NewArchive, const std::string& path);

    // The longest name and the most members that the directory can record.
    static constexpr std::size_t MaxNameLength = 255;
    static constexpr std::uint32_t MaxMembers = 32768;

    // True when the file's first 11 bytes look like this format's header and first record.
    // Throws XFileOpen when the file cannot be opened.
    static bool HasHeader(const std::string& path);

    std::uint32_t GetMemberCount() const override { return static_cast<std::uint32_t>(members.size()); }
    std::string GetMemberName(std::uint32_t index) const override { return members[index].name; }
    std::uint32_t GetMemberSize(std::uint32_t index) const override { return members[index].size; }
    std::uint32_t GetMemberStoredSize(std::uint32_t index) const override { return members[index].storedSize; }
    bool IsMemberImploded(std::uint32_t index) const override { return members[index].method == Imploded; }
    std::shared_ptr<Util::BinaryStream> OpenMember(std::uint32_t index) override;

    // Adds the file called name below the archive's folder (backslashes name sub-folders) as
    // a member, imploded or stored.
    void AddMember(const std::string& name, bool imploded);
    // Takes the track folder's files of the game's kinds, also from its art, bkgrnds, stamps,
    // trackmat and widgets sub-folders; textures and stamps stay stored, the rest is imploded.
    void GatherFiles(std::ostream* report) override;
    // Refuses (XUsage) names longer than MaxNameLength and more than MaxMembers members.
    void Build() override;

private:
    enum Method : std::uint8_t { Stored = 0, Imploded = 2 };

    struct N4DatMember {
        std::uint8_t method = Stored;
        std::uint32_t size = 0;
        std::uint32_t storedSize = 0;
        std::uint32_t offset = 0;
        std::string name;
    };

    void ReadDirectory();
    void Gather(const Util::PathName& folder, const std::string& prefix);
    void CheckWritable() const;
    void WriteMembers(Util::BinaryStream& out);

    std::vector<N4DatMember> members;
};

}  // namespace Tessel::Papy
