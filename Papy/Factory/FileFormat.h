#pragma once

#include "Util/RecordView.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Tessel::Papy {

class DatFile;
struct NewArchive;

// What the front ends do with a file of a format: the role picks the facet that reads it and
// what `info` says of it.
enum class FileRole {
    Replay,       // MakeRpy
    Track,        // MakeTrack
    ObjectTrack,  // MakeTrack, and MakePtf for the object archive the track is too
    Objects,      // MakePtf
    Lp,           // MakeLp
    Archive,      // the format's ArchiveFormat
};

// What `dat` needs of an archive format.
struct ArchiveFormat {
    const char* id;  // the name `dat --format` and `dat create` take: "icr2", "n4"
    std::shared_ptr<DatFile> (*open)(const std::string& path, bool writable);
    std::shared_ptr<DatFile> (*create)(NewArchive replacing, const std::string& path);
};

// One file format, described beside its reader and listed by the games that read it
// (FileFactoryRecognizer::GetFileKinds).
struct FileFormat {
    const char* name;       // as `info` prints it: "GPL rpy", "N4 3do", ...
    const char* extension;  // lower-case, without the dot
    // Recognition asks the formats in this order, lowest first: ids before the tests by sizes
    // alone, the exact ones before the loose ones (see FileKind.h for the places taken).
    int headOrder;
    // A pure look at the file's first bytes (up to kindHeadSize of them) and its size.
    bool (*isHead)(const Util::RecordView& head, std::uint64_t fileSize);
    FileRole role;
    const ArchiveFormat* archive = nullptr;  // archives only
};

}  // namespace Tessel::Papy
