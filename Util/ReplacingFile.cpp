#include "Util/ReplacingFile.h"

#include "Util/Exception.h"
#include "Util/InputFiles.h"
#include "Util/PathName.h"


namespace Tessel::Util {

namespace {

// A fresh name beside target that no other writer uses.
std::unique_ptr<BinaryFile> CreateTemporary(const std::string& target, std::string& temporary) {
    for (int attempt = 0;; ++attempt) {
        temporary = target + ".tmp" + std::to_string(GetProcessId()) + "-" + std::to_string(attempt);
        try {
            return BinaryFile::CreateNew(temporary);
        } catch (const XFileOpen& error) {
            if (GetEntryKind(temporary) == EntryKind::Missing || attempt >= 100)
                throw XFileOpen(target, error.GetReason());
        }
    }
}

// Not following a link: a link at path is what would be replaced.
void RefuseFolder(const std::string& path) {
    if (GetEntryKind(path) == EntryKind::Folder)
        throw XFileOpen(path, DescribeError(std::make_error_code(std::errc::is_a_directory)));
}

}  // namespace

ReplacingFile::ReplacingFile(const std::string& path) {
    const auto absolute = MakeAbsolutePath(path);
    if (!absolute)
        throw XFileOpen(path, "");
    target = *absolute;
    RefuseFolder(target);
    file = CreateTemporary(target, temporary);
    file->SetName(target);
}

ReplacingFile::~ReplacingFile() {
    if (file) {
        file.reset();
        RemoveEntry(temporary);
    }
}

void ReplacingFile::Commit(bool overwrite) {
    TESSEL_CHECK(file);  // once only
    file->Sync();
    file.reset();
    if (!overwrite) {
        PutInPlaceOfNothing();
        return;
    }
    try {
        RefuseToReplaceInput(target);
    } catch (const XUsage&) {
        RemoveEntry(temporary);
        throw;
    }
    if (const std::error_code error = ReplaceEntry(temporary, target)) {
        RemoveEntry(temporary);
        throw XFileWrite(target, DescribeError(error));
    }
}

// A file that appeared meanwhile survives, and no input can be lost.
void ReplacingFile::PutInPlaceOfNothing() {
    const std::error_code error = MoveToFreePlace(temporary, target);
    if (IsExistsError(error))
        throw XFileExists(target);
    if (error)
        throw XFileWrite(target, DescribeError(error));
}

bool ReplacingFile::TargetExists(const std::string& path) {
    const EntryKind kind = GetEntryKind(path);
    return kind == EntryKind::File || kind == EntryKind::Link;
}

void ReplacingFile::CheckTarget(const std::string& path, bool overwrite) {
    // The place the constructor would write to: "x/../race.lp" is race.lp even without x.
    const std::string target = MakeAbsolutePath(path).value_or(path);
    RefuseFolder(target);
    if (!overwrite && TargetExists(target))
        throw XFileExists(target);
    RefuseToReplaceInput(target);
    if (const std::error_code refusal = CheckReplaceable(target))
        throw XFileOpen(target, DescribeError(refusal));
}

}  // namespace Tessel::Util
