#include "Papy/Factory/FileKind.h"

#include "Papy/Archives/DatFormats.h"
#include "Papy/Lp/LpFormats.h"
#include "Papy/Objects/N4ObjectFormats.h"
#include "Papy/Replays/ReplayFormats.h"
#include "Papy/Tracks/Trk/TrkFormats.h"
#include "Samples/DatWriter.h"
#include "Util/Exception.h"
#include "testing/TemporaryFolder.h"
#include "tests/Papy/PapyTestSupport.h"
#include "tests/PathText.h"

#include <gtest/gtest.h>


using namespace Tessel::Papy;

namespace {

// An N4 object archive's first record: object 1, type 2, then the type's name with its zero.
std::string ObjectHead(const std::string& typeName) {
    return Words({1, 2, static_cast<std::uint32_t>(typeName.size() + 1)}) + typeName + '\0' + Words({1, 0});
}

constexpr std::uint32_t rply = 0x52504C59, trak = 0x5452414B;

struct HeadCase {
    const char* what;
    std::string head;
    std::uint64_t fileSize;  // 0: the head is the whole file
    FileKind kind;
};

}  // namespace

TEST(FileKind, FirstBytesTellEveryKind) {
    const std::string n4Dat = Linewright::Samples::WriteN4Dat({{"a.txt", "x"}});
    const std::string icr2Dat = Linewright::Samples::WriteICR2Dat({{"a.trk", "x"}});
    const HeadCase cases[] = {
        {"GPL replay", Words({rply, 2, 0}), 0, &gplRpyFormat},
        {"N4 replay", Words({rply, 3, 0}), 0, &n4RpyFormat},
        {"N4 replay of version 4", Words({rply, 4, 0}), 0, &n4RpyFormat},
        {"N2003 replay", Words({rply, 5, 0}), 0, &n2003RpyFormat},
        {"replay of a version no game wrote", Words({rply, 6}), 0, &gplRpyFormat},
        {"GPL track", Words({trak, 3000, 0}), 0, &gplTrkFormat},
        {"ICR2 track", Words({trak, 1, 0}), 0, &icr2TrkFormat},
        {"track of another version", Words({trak, 2, 0}), 0, nullptr},
        {"PTF track", ObjectHead("TrackDescriptor"), 5000, &n4PtfFormat},
        {"N4 object file", ObjectHead("ShapeDescriptor"), 5000, &n4TdoFormat},
        {"N4 object file cut inside its type name", ObjectHead("ShapeDescriptor").substr(0, 20), 0,
         nullptr},
        {"GPL LP", Words({0x10002, 1}), 28, &gplLpFormat},
        {"GPL LP version without a count", Words({0x10002}), 0, nullptr},
        {"N4 LP", Words({0x10003, 0}), 0, &n4LpFormat},
        {"N4 LP cut short", Words({0x10003, 2}), 8 + 24, &n4LpFormat},
        {"N4 LP layout with the GPL version", Words({0x10002, 2}), 8 + 2 * 24, &n4LpFormat},
        {"GPL LP layout with the N4 version", Words({0x10003, 2}), 8 + 2 * 20, &gplLpFormat},
        {"GPL LP layout with another version", Words({0x1FFFF, 1}), 8 + 20, &gplLpFormat},
        {"LP layout with a version of another upper half", Words({0x20002, 1}), 8 + 20, nullptr},
        {"ICR2 LP: count and records fill the file", Words({3, 0, 0}), 4 + 3 * 12, &icr2LpFormat},
        {"ICR2 LP size one byte off", Words({3, 0, 0}), 4 + 3 * 12 + 1, nullptr},
        {"N3 replay", Words({4061, 100, 0, 2}), 4061 + 100 + 16, &n3RplFormat},
        {"N3 sizes without the info block's", Words({4060, 101, 0, 2}), 4061 + 100 + 16, nullptr},
        {"N4 archive", n4Dat.substr(0, 16), n4Dat.size(), &n4DatFormat},
        {"ICR2 archive", icr2Dat.substr(0, 16), icr2Dat.size(), &icr2DatFormat},
        {"empty file", "", 0, nullptr},
        {"text", "hello, world", 0, nullptr},
    };
    for (const HeadCase& row : cases) {
        const std::uint64_t size = row.fileSize != 0 ? row.fileSize : row.head.size();
        EXPECT_EQ(RecognizeHead(Tessel::Util::RecordView("f", row.head), size), row.kind) << row.what;
    }
}

// A damaged header still reaches its reader: the folder's game names the kind by extension.
TEST(FileKind, ADamagedFileIsTakenForItsFolderGamesKindOfItsExtension) {
    TemporaryFolder folder;
    const std::string damagedLp = Words({0x20002, 1}) + std::string(20, '\0');
    EXPECT_EQ(RecognizeFile(Shown(folder.Write("monza/race.lp", damagedLp))), &gplLpFormat);
    EXPECT_EQ(RecognizeFile(Shown(folder.Write("monza/monza.trk", Words({trak, 7})))), &gplTrkFormat);
    EXPECT_EQ(RecognizeFile(Shown(folder.Write("monza/notes.txt", damagedLp))), nullptr);
    EXPECT_EQ(RecognizeFile(Shown(folder.Write("monza/good.bin", Words({trak, 3000})))), &gplTrkFormat);
    EXPECT_THROW(RecognizeFile(Shown(folder / "monza/missing.lp")), Tessel::Util::XFileOpen);
}
