#pragma once

#include "Papy/Factory/FileFormat.h"
#include "Util/RecordView.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Tessel::Papy {

// A kind of game file that the program tells apart: the format that describes it; nullptr for
// a file of no known kind.
using FileKind = const FileFormat*;

// "GPL rpy", "N4 3do", ...; empty for nullptr.
const char* GetKindName(FileKind kind);

// How many first bytes RecognizeHead needs at most.
inline constexpr std::size_t kindHeadSize = 64;

// The places that the formats take in recognition (FileFormat::headOrder): chunked replays and
// TRK files by their ids, GPL and N4 LP files by version and layout, N4 archives by their
// header, ICR2 LP files by exact size, N4 object archives by their root, N3 replays by their
// sizes, ICR2 archives last, by their loose header test.
namespace HeadOrder {
inline constexpr int replayId = 10;
inline constexpr int trackId = 20;
inline constexpr int lpLayout = 30;
inline constexpr int n4ArchiveHeader = 40;
inline constexpr int icr2LpSize = 50;
inline constexpr int n4ObjectRoot = 60;
inline constexpr int n3ReplaySizes = 70;
inline constexpr int icr2ArchiveHeader = 80;
}  // namespace HeadOrder

// Every format that a game reads, in the order in which recognition asks them.
const std::vector<FileKind>& GetFormatsInHeadOrder();

// The kind that a file's first bytes (up to kindHeadSize of them) and its size show; nullptr
// when they show none. A pure look: each format of every game is asked in its headOrder, the
// first that knows the head names the kind.
FileKind RecognizeHead(const Util::RecordView& head, std::uint64_t fileSize);

// The file's kind: from its first bytes; where they cannot tell (a damaged header), from the
// game of the folder it lies in and its extension, so that a damaged file still reaches its
// own reader. nullptr when neither tells. Throws XFileOpen when the file cannot be opened, and
// what recognising the folder's game throws.
FileKind RecognizeFile(const std::string& path);

}  // namespace Tessel::Papy
