#include "Linewright/Cli/Commands.h"
#include "Linewright/Cli/DatArchive.h"
#include "Linewright/Cli/MemberNames.h"

#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/PathName.h"
#include "Util/ReplacingFile.h"
#include "Util/StagingFolder.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

namespace Linewright::Cli {

namespace {

namespace fs = std::filesystem;
using Tessel::Papy::DatFile;

struct DatOptions {
    std::string archive;
    std::string format;
    std::string member;
    std::string output;
    std::string folder;
    bool all = false;
    bool overwrite = false;
};

void List(const DatOptions& options) {
    const auto archive = OpenDatArchive(options.archive, options.format);
    for (std::uint32_t i = 0; i < archive->GetMemberCount(); ++i) {
        std::cout << EscapeMemberName(archive->GetMemberName(i)) << '\t' << archive->GetMemberSize(i) << '\t'
                  << archive->GetMemberStoredSize(i) << '\t' << (archive->IsMemberImploded(i) ? "imploded" : "stored")
                  << '\n';
    }
}

void WriteMember(Tessel::Util::BinaryStream& member, const std::string& target, bool overwrite) {
    Tessel::Util::ReplacingFile file(target);
    Tessel::Papy::CopyBytes(member, file.GetStream(), member.GetSize());
    file.Commit(overwrite);
}

// The member called name without regard to case; its folders may be given with slashes.
std::shared_ptr<Tessel::Util::BinaryStream> FindNamedMember(DatFile& archive, const std::string& name) {
    if (auto member = archive.FindMember(name))
        return member;
    std::string withBackslashes = name;
    std::replace(withBackslashes.begin(), withBackslashes.end(), '/', '\\');
    return archive.FindMember(withBackslashes);
}

// In pieces: a member's recorded size is only a claim until its bytes are read.
void WriteToStandardOutput(Tessel::Util::BinaryStream& member) {
    std::vector<char> piece(1 << 16);
    while (!member.IsAtEnd()) {
        const auto count = static_cast<std::uint32_t>(std::min<std::uint64_t>(piece.size(), member.GetRemaining()));
        member.Read(count, piece.data());
        std::cout.write(piece.data(), count);
    }
}

void ExtractOne(const DatOptions& options) {
    const auto archive = OpenDatArchive(options.archive, options.format);
    const auto member = FindNamedMember(*archive, options.member);
    if (!member)
        throw Exit{Failed, options.archive + ": no member called " + options.member};
    if (options.output.empty()) {
        WriteToStandardOutput(*member);
        return;
    }
    Tessel::Util::ReplacingFile::CheckTarget(options.output, options.overwrite);
    WriteMember(*member, options.output, options.overwrite);
}

// Every member goes to a staging folder first, so that either all appear or none.
void ExtractAll(const DatOptions& options) {
    const auto archive = OpenDatArchive(options.archive, options.format);
    const std::vector<fs::path> paths = MemberPathsOf(*archive, options.archive);
    Tessel::Util::StagingFolder staging(options.folder);
    for (std::uint32_t i = 0; i < archive->GetMemberCount(); ++i) {
        const auto member = archive->OpenMember(i);
        Tessel::Papy::CopyBytes(*member, *staging.CreateFile(paths[i]), member->GetSize());
    }
    staging.Commit(options.overwrite);
}

void Create(const DatOptions& options) {
    if (!Tessel::Util::IsFolder(options.folder))
        throw Exit{Failed, options.folder + ": not a folder"};
    const Tessel::Util::PathName folder(options.folder);
    if (folder.isRoot)
        throw Exit{WrongUsage, "the root folder has no name to give its archive"};
    const std::string path = folder.asDirectory + folder.fileName + ".dat";
    Tessel::Util::ReplacingFile::CheckTarget(path, options.overwrite);
    const auto archive = GetArchiveFormat(options.format).create(Tessel::Papy::NewArchive{options.overwrite}, path);
    archive->GatherFiles(&std::cout);
    archive->Build();
}

void AddArchiveOptions(CLI::App& command, DatOptions& options) {
    command.add_option("ARCHIVE", options.archive, "the DAT archive")->required();
    command.add_option("--format", options.format, "read as this format instead of the one the content shows")
        ->check(CLI::IsMember(ListArchiveFormatIds()));
}

}  // namespace

void AddDatCommand(CLI::App& app) {
    auto options = std::make_shared<DatOptions>();
    CLI::App* dat = app.add_subcommand("dat", "List, extract or create DAT archives");
    dat->require_subcommand(1);

    CLI::App* list = dat->add_subcommand("list", "One line per member: name, size, stored size, method");
    AddArchiveOptions(*list, *options);
    list->callback([options] { List(*options); });

    CLI::App* extract = dat->add_subcommand("extract", "Write one member (to standard output without -o) or all");
    AddArchiveOptions(*extract, *options);
    CLI::Option* member = extract->add_option("MEMBER", options->member, "the member's name, with its folders");
    CLI::Option* output = extract->add_option("-o", options->output, "write the member to FILE")->needs(member);
    CLI::Option* all = extract->add_flag("--all", options->all, "extract every member")->excludes(member);
    extract->add_option("-C", options->folder, "with --all: the folder to write below")->needs(all);
    all->excludes(output);
    extract->add_flag("--overwrite", options->overwrite, "replace files that exist");
    extract->callback([options] {
        if (options->all && options->folder.empty())
            throw CLI::RequiredError("--all needs -C DIR");
        if (!options->all && options->member.empty())
            throw CLI::RequiredError("MEMBER or --all");
        options->all ? ExtractAll(*options) : ExtractOne(*options);
    });

    CLI::App* create = dat->add_subcommand("create", "Gather DIR into DIR/<name of DIR>.dat");
    create->add_option("FORMAT", options->format, "the archive format")
        ->required()
        ->check(CLI::IsMember(ListArchiveFormatIds()));
    create->add_option("DIR", options->folder, "the folder to gather")->required();
    create->add_flag("--overwrite", options->overwrite, "replace the archive when it exists");
    create->callback([options] { Create(*options); });
}

}  // namespace Linewright::Cli
