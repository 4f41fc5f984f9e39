#pragma once

#include "Util/RecordView.h"

#include <cstdint>
#include <string>

namespace Tessel::Papy {

// The kinds of game file that the program tells apart, as `info` names them.
enum class FileKind {
    Unknown,
    GPLRpy,
    N4Rpy,
    N2003Rpy,
    N3Rpl,
    GPLTrk,
    ICR2Trk,
    N4Ptf,
    N4Tdo,
    GPLLp,
    ICR2Lp,
    N4Lp,
    ICR2Dat,
    N4Dat,
};

// "GPL rpy", "N4 3do", ...; empty for Unknown.
const char* GetKindName(FileKind kind);

// How many first bytes RecognizeHead needs at most.
inline constexpr std::size_t kindHeadSize = 64;

// The kind that a file's first bytes (up to kindHeadSize of them) and its size show; Unknown
// when they show none. A pure look: ids first, then the sizes that a header must add up to.
// A chunked replay of a version no game wrote is a GPL rpy: the one chunked reader reads every
// version and says what is wrong with it.
FileKind RecognizeHead(const Util::RecordView& head, std::uint64_t fileSize);

// The file's kind: from its first bytes; where they cannot tell (a damaged header), from the
// game of the folder it lies in and its extension, so that a damaged file still reaches its
// own reader. Unknown when neither tells. Throws XFileOpen when the file cannot be opened, and
// what recognising the folder's game throws.
FileKind RecognizeFile(const std::string& path);

}  // namespace Tessel::Papy
