#include "Papy/Archives/N4DatFile.h"

#include "Papy/Archives/DatFormats.h"
#include "Papy/Factory/FileHead.h"
#include "Papy/Archives/CompressedSubFile.h"
#include "Papy/Archives/PkCompression.h"
#include "Papy/Archives/UncompressedSubFile.h"
#include "Util/BinaryFile.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"
#include "Util/RecordView.h"

#include <array>
#include <ostream>

namespace Tessel::Papy {

namespace {

using Util::ReadValue;
using Util::WriteValue;

// Format notes: the header is
//    0  minus the member count (2 bytes, signed)
//    2  the directory's size in bytes (4)
//    6  reserved, zero (4)
// and the directory that follows holds one record per member:
//    0  type (1 byte, 5)
//    1  method (1 byte, 0 = stored, 2 = imploded)
//    2  unpacked size (4)
//    6  stored size (4)
//   10  the data's offset in the file (4)
//   14  the name's length (1)
//   15  the name and a zero; folders are separated by backslashes
// The members' data follow the directory.
constexpr std::uint32_t HeaderSize = 10;
constexpr std::uint32_t RecordFixedSize = 15;
constexpr std::uint8_t RecordType = DatIds::recordSignature;

constexpr std::array<const char*, 15> ArchiveExtensions = {"3do", "bff", "cam", "ces", "ini", "lyt", "mip", "ogg",
                                                           "pmf", "ptf", "rx",  "stp", "txt", "wav", "win"};
constexpr std::array<const char*, 3> StoredExtensions = {"bff", "mip", "stp"};
constexpr std::array<const char*, 3> SkippedFiles = {"track.ini", "trklogo.stp", "trkshot.stp"};
constexpr std::array<const char*, 5> GatheredFolders = {"art", "bkgrnds", "stamps", "trackmat", "widgets"};

}  // namespace

N4DatFile::N4DatFile(const std::string& path, bool writable) : DatFile(path, writable) { ReadDirectory(); }

N4DatFile::N4DatFile(std::shared_ptr<Util::BinaryStream> stream) : DatFile(std::move(stream)) {
    ReadDirectory();
}

N4DatFile::N4DatFile(NewArchive tag, const std::string& path) : DatFile(tag, path) {}

bool N4DatFile::HasHeader(const std::string& path) {
    return IsN4DatHead(Util::RecordView(path, ReadHead(path, DatIds::n4HeaderSize)));
}

void N4DatFile::ReadDirectory() {
    Util::BinaryStream& stream = GetStream();
    const std::string& archive = GetPathName().full;
    std::array<unsigned char, HeaderSize> headerBytes;
    stream.Read(HeaderSize, headerBytes.data());
    const Util::RecordView header(archive, headerBytes.data(), headerBytes.size());
    const auto negCount = header.Get<std::int16_t>(0);
    const auto directorySize = header.Get<std::uint32_t>(2);
    if (header.Get<std::uint32_t>(6) != 0)
        throw Util::XFileFormat(archive, "N4 dat file reserved not zero");
    if (directorySize > stream.GetRemaining())
        throw Util::XFileRead(stream.GetName());  // as reading the directory would
    std::vector<unsigned char> directoryBytes(directorySize);
    stream.Read(directorySize, directoryBytes.data());
    Util::CharBuffer directory(archive, directorySize, directoryBytes.data());
    while (directory.GetPosition() < directorySize) {
        std::array<unsigned char, RecordFixedSize> fixedBytes;
        directory.Read(RecordFixedSize, fixedBytes.data());
        const Util::RecordView record(archive, fixedBytes.data(), fixedBytes.size());
        if (record.Get<std::uint8_t>(0) != RecordType)
            throw Util::XFileFormat(archive, "N4 dat file subfile type error");
        N4DatMember member;
        member.method = record.Get<std::uint8_t>(1);
        if (member.method != Stored && member.method != Imploded)
            throw Util::XFileFormat(archive, "N4 dat file unknown compression method");
        member.size = record.Get<std::uint32_t>(2);
        member.storedSize = record.Get<std::uint32_t>(6);
        if (member.method == Stored && member.storedSize != member.size)
            throw Util::XFileFormat(archive, "N4 dat file compressed size error");
        member.offset = record.Get<std::uint32_t>(10);
        const std::uint32_t nameSize = record.Get<std::uint8_t>(14) + 1u;
        std::array<char, MaxNameLength + 1> name;
        directory.Read(nameSize, name.data());
        member.name = Util::RecordView(archive, name.data(), nameSize).GetText(0, nameSize);
        members.push_back(std::move(member));
    }
    if (members.size() != static_cast<std::size_t>(-negCount))
        throw Util::XFileFormat(archive, "N4 dat file subfile count mismatch");
}

std::shared_ptr<Util::BinaryStream> N4DatFile::OpenMember(std::uint32_t index) {
    const N4DatMember& member = members[index];
    if (member.method == Imploded)
        return std::make_shared<CompressedSubFile>(GetStream(), member.name, member.offset, member.storedSize,
                                                   member.size);
    return std::make_shared<UncompressedSubFile>(GetSharedStream(), member.name, member.offset, member.storedSize);
}

void N4DatFile::GatherFiles(std::ostream* report) {
    members.clear();
    Gather(Util::PathName(GetPathName().directory), "");
    if (report)
        *report << "N4 Dat file created\n";
}

void N4DatFile::Gather(const Util::PathName& folder, const std::string& prefix) {
    for (const Util::DirectoryEntry& entry : ListFolder(folder)) {
        const std::string& fileName = entry.path.fileName;
        if (entry.isDirectory) {
            if (Util::EqualsOneOfNoCase(fileName, GatheredFolders))
                Gather(entry.path, prefix + fileName + '\\');
            continue;
        }
        const std::string& extension = entry.path.extension;
        if (!Util::EqualsOneOfNoCase(extension, ArchiveExtensions) || Util::EqualsOneOfNoCase(fileName, SkippedFiles))
            continue;
        AddMember(prefix + fileName, !Util::EqualsOneOfNoCase(extension, StoredExtensions));
    }
}

void N4DatFile::AddMember(const std::string& name, bool imploded) {
    N4DatMember member;
    member.method = imploded ? Imploded : Stored;
    member.name = name;
    members.push_back(std::move(member));
}

void N4DatFile::Build() {
    CheckWritable();
    WriteArchive([this](Util::BinaryStream& out) { WriteMembers(out); });
}

void N4DatFile::CheckWritable() const {
    const std::string& archive = GetPathName().full;
    if (members.size() > MaxMembers)
        throw Util::XUsage(archive + ": too many files; an N4 dat file holds at most 32768 members");
    for (const N4DatMember& member : members) {
        if (member.name.size() > MaxNameLength)
            throw Util::XUsage(archive + ": the member name " + member.name +
                               " is longer than the 255 characters an N4 dat file can record");
    }
}

namespace {

void WriteRecord(Util::BinaryStream& out, std::uint8_t method, std::uint32_t size, std::uint32_t storedSize,
                 std::uint32_t offset, const std::string& name) {
    WriteValue(out, RecordType);
    WriteValue(out, method);
    WriteValue(out, size);
    WriteValue(out, storedSize);
    WriteValue(out, offset);
    WriteValue(out, static_cast<std::uint8_t>(name.size()));
    out.Write(static_cast<std::uint32_t>(name.size() + 1), name.c_str());
}

void WriteHeader(Util::BinaryStream& out, std::size_t count, std::uint32_t directorySize) {
    out.Seek(0);
    WriteValue(out, static_cast<std::int16_t>(-static_cast<int>(count)));
    WriteValue(out, directorySize);
    WriteValue(out, std::uint32_t{0});
}

}  // namespace

void N4DatFile::WriteMembers(Util::BinaryStream& out) {
    WriteHeader(out, members.size(), 0);
    for (const N4DatMember& member : members)
        WriteRecord(out, member.method, 0, 0, 0, member.name);
    const std::uint32_t directorySize = To32Bits(out.GetPosition() - HeaderSize);
    std::vector<unsigned char> unpacked;
    std::vector<unsigned char> packed;
    for (N4DatMember& member : members) {
        member.offset = To32Bits(out.GetPosition());
        auto source = Util::BinaryFile::OpenRead(GetMemberSourcePath(member.name));
        member.size = To32Bits(source->GetSize());
        if (member.method == Stored) {
            member.storedSize = member.size;
            CopyBytes(*source, out, member.size);
        } else {
            unpacked.resize(member.size);
            source->Read(member.size, unpacked.data());
            packed.resize(To32Bits(PkCompression::MaxImplodedSize(member.size)));
            member.storedSize = PkCompression::Implode(unpacked.data(), member.size, packed.data(),
                                                       static_cast<std::uint32_t>(packed.size()));
            out.Write(member.storedSize, packed.data());
        }
        To32Bits(std::uint64_t{member.offset} + member.storedSize);
    }
    WriteHeader(out, members.size(), directorySize);
    for (const N4DatMember& member : members)
        WriteRecord(out, member.method, member.size, member.storedSize, member.offset, member.name);
}

}  // namespace Tessel::Papy
