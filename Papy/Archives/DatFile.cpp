#include "Papy/Archives/DatFile.h"

#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/ReplacingFile.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace Tessel::Papy {

namespace {

std::string FileNamePart(const std::string& name) { return name.substr(name.rfind('\\') + 1); }

std::shared_ptr<Util::BinaryStream> OpenArchive(const std::string& path, bool writable) {
    if (writable)
        return Util::BinaryFile::OpenReadWrite(path);
    return Util::BinaryFile::OpenRead(path);
}

}  // namespace

DatFile::DatFile(const std::string& path, bool writable) : stream(OpenArchive(path, writable)) {
    this->path = Util::PathName(stream->GetName());
}

DatFile::DatFile(std::shared_ptr<Util::BinaryStream> stream)
    : path(stream->GetName()), stream(std::move(stream)) {}

DatFile::DatFile(NewArchive tag, const std::string& path) : path(path), replacing(tag.replacing) {
    if (!replacing && Util::GetEntryKind(this->path.full) != Util::EntryKind::Missing)
        throw Util::XFileExists(this->path.full);
    if (!Util::IsFolder(this->path.directory))
        throw Util::XFileOpen(this->path.full, Util::DescribeError(std::make_error_code(std::errc::no_such_file_or_directory)));
}

std::string DatFile::GetMemberBaseName(std::uint32_t index) const {
    const std::string fileName = FileNamePart(GetMemberName(index));
    return fileName.substr(0, fileName.rfind('.'));
}

std::string DatFile::GetMemberExtension(std::uint32_t index) const {
    const std::string fileName = FileNamePart(GetMemberName(index));
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string::npos ? "" : fileName.substr(dot + 1);
}

std::string DatFile::GetMemberFolder(std::uint32_t index) const {
    const std::string name = GetMemberName(index);
    const std::size_t separator = name.rfind('\\');
    return separator == std::string::npos ? "" : name.substr(0, separator);
}

std::shared_ptr<Util::BinaryStream> DatFile::FindMember(const std::string& name) {
    for (std::uint32_t index = 0; index < GetMemberCount(); ++index) {
        if (Util::CompareNoCase(GetMemberName(index), name) == 0)
            return OpenMember(index);
    }
    return nullptr;
}

const std::shared_ptr<Util::BinaryStream>& DatFile::GetSharedStream() const {
    TESSEL_CHECK(stream != nullptr);
    return stream;
}

std::string DatFile::GetMemberSourcePath(const std::string& memberName) const {
    std::string relative = memberName;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    return path.directory + relative;
}

void DatFile::WriteArchive(const std::function<void(Util::BinaryStream&)>& write) {
    Util::ReplacingFile file(path.full);
    write(file.GetStream());
    file.Commit(replacing);
    stream = Util::BinaryFile::OpenRead(path.full);
}

std::uint32_t DatFile::To32Bits(std::uint64_t value) const {
    if (value > UINT32_MAX)
        throw Util::XUsage(path.full + ": the members do not fit in a dat file, which ends at 4 GiB");
    return static_cast<std::uint32_t>(value);
}

std::vector<Util::DirectoryEntry> DatFile::ListFolder(const Util::PathName& folder) {
    std::vector<Util::DirectoryEntry> entries = Util::DirectoryListing(folder).entries;
    std::sort(entries.begin(), entries.end(), [](const Util::DirectoryEntry& a, const Util::DirectoryEntry& b) {
        return a.path.fileName < b.path.fileName;
    });
    return entries;
}

void CopyBytes(Util::BinaryStream& source, Util::BinaryStream& target, std::uint64_t size) {
    std::vector<unsigned char> piece(static_cast<std::size_t>(std::min<std::uint64_t>(size, 1 << 16)));
    for (std::uint64_t left = size; left > 0;) {
        const auto count = static_cast<std::uint32_t>(std::min<std::uint64_t>(left, piece.size()));
        source.Read(count, piece.data());
        target.Write(count, piece.data());
        left -= count;
    }
}

}  // namespace Tessel::Papy
