#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/FileHead.h"
#include "Papy/Factory/LooseFileMaker.h"
#include "Util/Exception.h"
#include "testing/TemporaryFolder.h"
#include "tests/Failures.h"
#include "tests/PathText.h"

#include <gtest/gtest.h>

using namespace Tessel::Papy;
using namespace Tessel::Util;
using Linewright::Testing::UsageText;

namespace {

// A file kind of the tests' own: a note whose bytes are its text.
struct Note {
    std::string text;
};

class MakeNote : public FileFactory::Facet {
public:
    using FacetRole = MakeNote;
    virtual std::shared_ptr<Note> Make(const std::string& baseName, const std::string& extension) = 0;
    virtual void Purge() = 0;
};

class NoteMaker : public LooseFileMaker<MakeNote, Note> {
public:
    using LooseFileMaker::LooseFileMaker;
    int reads = 0;

private:
    std::shared_ptr<Note> Read(std::shared_ptr<BinaryStream> stream) override {
        ++reads;
        return std::make_shared<Note>(Note{ReadHead(*stream, 100)});
    }
};

class OtherNoteMaker : public NoteMaker {
    using NoteMaker::NoteMaker;
};

}  // namespace

TEST(FileFactory, FacetsAreStoredAndFoundByKind) {
    FileFactory factory;
    EXPECT_FALSE(factory.HasFacet<MakeNote>());
    EXPECT_EQ(Linewright::Testing::BrokenCheck([&] { factory.GetFacet<MakeNote>(); }), "HasFacet<FacetT>()");

    const PapyDirectory directory(ShownRoot());
    auto first = std::make_shared<NoteMaker>(directory, "txt");
    factory.AddFacet(first);
    EXPECT_TRUE(factory.HasFacet<MakeNote>());
    EXPECT_TRUE(factory.HasFacet<NoteMaker>());  // asked by an implementation, found by its kind
    EXPECT_EQ(factory.GetFacet<MakeNote>(), first);

    // A replaced facet lives on in whoever holds it.
    auto second = std::make_shared<OtherNoteMaker>(directory, "txt");
    factory.AddFacet(second);
    EXPECT_EQ(factory.GetFacet<MakeNote>(), second);
    EXPECT_EQ(first.use_count(), 1);
}

TEST(FileFactory, MakersNameFilesAndKeepThem) {
    TemporaryFolder folder;
    folder.Write("notes/notes.txt", "own");
    folder.Write("notes/Other.TXT", "other");
    folder.Write("notes/lap.md", "markdown");
    NoteMaker maker(PapyDirectory(Shown(folder / "notes")), "txt");

    const auto own = maker.Make("", "");
    EXPECT_EQ(own->text, "own");
    EXPECT_EQ(maker.Make("NOTES", "TxT"), own);  // the same lower-cased name: kept
    EXPECT_EQ(maker.Make("other", "")->text, "other");
    EXPECT_EQ(maker.Make("lap", "md")->text, "markdown");
    EXPECT_EQ(maker.reads, 3);

    maker.Purge();
    EXPECT_NE(maker.Make("", ""), own);
    EXPECT_EQ(maker.reads, 4);
}

TEST(FileFactory, MissingLooseFileIsAUsageError) {
    TemporaryFolder folder;
    std::filesystem::create_directories(folder / "notes/sub.txt");
    NoteMaker maker(PapyDirectory(Shown(folder / "notes")), "txt");
    const std::string directory = Shown(folder / "notes/");
    EXPECT_EQ(UsageText([&] { maker.Make("lap", ""); }), directory + "lap.txt: file not found");
    EXPECT_EQ(UsageText([&] { maker.Make("sub", ""); }), directory + "sub.txt: file not found");
}
