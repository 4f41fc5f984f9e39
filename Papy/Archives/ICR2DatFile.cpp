#include "Papy/Archives/ICR2DatFile.h"

#include "Papy/Archives/DatFormats.h"
#include "Papy/Factory/FileHead.h"
#include "Papy/Factory/StrictChecks.h"
#include "Papy/Archives/UncompressedSubFile.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/RecordView.h"

#include <array>
#include <cstring>
#include <ostream>

namespace Tessel::Papy {

namespace {

using Util::ReadValue;
using Util::WriteValue;

// Format notes: the file begins with the member count (2 bytes, signed, above 0), then one
// directory record per member:
//    0  signature (1 byte, 5)
//    1  method (1 byte, 0 = stored)
//    2  size (4)
//    6  size again (4)
//   10  the name, zero-padded to 13 bytes
//   23  the data's offset in the file (4)
// The members' data follow the directory.
constexpr std::uint32_t RecordSize = 27;
constexpr std::uint32_t NameFieldSize = 13;
constexpr std::uint8_t Signature = DatIds::recordSignature;
constexpr std::uint8_t StoredMethod = 0;
constexpr std::size_t MaxNameLength = 12;

constexpr std::array<const char*, 11> ArchiveExtensions = {"3do", "cam", "lyt", "m16", "mip", "pbf",
                                                           "pmp", "srb", "trk", "win", "wav"};
constexpr std::array<const char*, 7> SetupCodes = {"bb", "br", "co", "ea", "fe", "lo", "mu"};

bool IsSetupExtension(const std::string& extension) {
    return extension.size() == 3 && extension[2] >= '1' && extension[2] <= '3' &&
           Util::EqualsOneOfNoCase(extension.substr(0, 2), SetupCodes);
}

// Why a file stays out of the archive; empty when it goes in.
std::string ExclusionReason(const Util::PathName& file) {
    if (file.baseName.size() > 8 || file.extension.size() > 3)
        return "Name not 8.3";
    if (Util::EqualsOneOfNoCase(file.extension, ArchiveExtensions))
        return "";
    if (Util::CompareNoCase(file.baseName, "setup") != 0)
        return "Unsuitable extension";
    return IsSetupExtension(file.extension) ? "" : "Unknown setup type";
}

void WriteRecord(Util::BinaryStream& out, const std::string& name, std::uint32_t size, std::uint32_t offset) {
    TESSEL_CHECK(name.size() <= MaxNameLength);
    std::array<char, NameFieldSize> field{};
    std::memcpy(field.data(), name.data(), name.size());
    WriteValue(out, Signature);
    WriteValue(out, StoredMethod);
    WriteValue(out, size);
    WriteValue(out, size);
    out.Write(NameFieldSize, field.data());
    WriteValue(out, offset);
}

}  // namespace

ICR2DatFile::ICR2DatFile(const std::string& path, bool writable) : DatFile(path, writable) { ReadDirectory(); }

ICR2DatFile::ICR2DatFile(std::shared_ptr<Util::BinaryStream> stream) : DatFile(std::move(stream)) {
    ReadDirectory();
}

ICR2DatFile::ICR2DatFile(NewArchive tag, const std::string& path) : DatFile(tag, path) {}

bool ICR2DatFile::HasHeader(const std::string& path) {
    return IsICR2DatHead(Util::RecordView(path, ReadHead(path, DatIds::icr2HeaderSize)));
}

void ICR2DatFile::ReadDirectory() {
    Util::BinaryStream& stream = GetStream();
    const std::string& archive = GetPathName().full;
    const auto count = ReadValue<std::int16_t>(stream);
    if (count <= 0)
        throw Util::XFileFormat(archive, "ICR2 dat file subfile count error");
    if (static_cast<std::uint64_t>(count) > stream.GetRemaining() / RecordSize)
        throw Util::XFileRead(stream.GetName());  // as reading the directory would
    members.reserve(static_cast<std::size_t>(count));
    for (int index = 0; index < count; ++index) {
        std::array<unsigned char, RecordSize> bytes;
        stream.Read(RecordSize, bytes.data());
        const Util::RecordView record(archive, bytes.data(), bytes.size());
        if (record.Get<std::uint8_t>(0) != Signature)
            throw Util::XFileFormat(archive, "ICR2 dat file signature not 5");
        if (record.Get<std::uint8_t>(1) != StoredMethod)
            throw Util::XFileFormat(archive, "ICR2 dat file unknown compression method");
        DatMember member;
        member.size = record.Get<std::uint32_t>(2);
        if (record.Get<std::uint32_t>(6) != member.size)
            throw Util::XFileFormat(archive, "ICR2 dat file subfile size mismatch");
        member.name = record.GetText(10, NameFieldSize);
        if (IsStrictChecks() && member.name.size() > MaxNameLength)
            throw Util::XFileFormat(archive, "ICR2 dat file subfile name not 8.3");
        member.offset = record.Get<std::uint32_t>(10 + NameFieldSize);
        members.push_back(std::move(member));
    }
}

std::shared_ptr<Util::BinaryStream> ICR2DatFile::OpenMember(std::uint32_t index) {
    const DatMember& member = members[index];
    return std::make_shared<UncompressedSubFile>(GetSharedStream(), member.name, member.offset, member.size);
}

void ICR2DatFile::AddMember(const std::string& fileName) {
    if (fileName.size() > MaxNameLength)
        throw Util::XUsage(GetPathName().full + ": the member name " + fileName + " is longer than 8.3");
    members.push_back({fileName, 0, 0});
}

void ICR2DatFile::GatherFiles(std::ostream* report) {
    members.clear();
    std::vector<std::string> included;
    std::vector<std::pair<std::string, std::string>> excluded;
    for (const Util::DirectoryEntry& entry : ListFolder(Util::PathName(GetPathName().directory))) {
        if (entry.isDirectory)
            continue;
        const std::string reason = ExclusionReason(entry.path);
        if (!reason.empty()) {
            excluded.emplace_back(entry.path.fileName, reason);
            continue;
        }
        AddMember(entry.path.fileName);
        included.push_back(entry.path.fileName);
    }
    if (!report)
        return;
    *report << "Included files\n\n";
    for (const std::string& name : included)
        *report << name << '\n';
    *report << "\nExcluded files\n\n";
    for (const auto& [name, reason] : excluded)
        *report << name << '\t' << reason << '\n';
}

void ICR2DatFile::Build() {
    if (members.empty())
        throw Util::XUsage(GetPathName().full + ": nothing to archive; an ICR2 dat file needs at least one member");
    if (members.size() > MaxMembers)
        throw Util::XUsage(GetPathName().full + ": too many files; an ICR2 dat file holds at most 32767 members");
    WriteArchive([this](Util::BinaryStream& out) { WriteMembers(out); });
}

void ICR2DatFile::WriteMembers(Util::BinaryStream& out) {
    out.Seek(0);
    WriteValue(out, static_cast<std::int16_t>(members.size()));
    for (const DatMember& member : members)
        WriteRecord(out, member.name, 0, 0);
    for (DatMember& member : members) {
        member.offset = To32Bits(out.GetPosition());
        auto source = Util::BinaryFile::OpenRead(GetMemberSourcePath(member.name));
        member.size = To32Bits(source->GetSize());
        To32Bits(std::uint64_t{member.offset} + member.size);
        CopyBytes(*source, out, member.size);
    }
    out.Seek(2);
    for (const DatMember& member : members)
        WriteRecord(out, member.name, member.size, member.offset);
}

}  // namespace Tessel::Papy
