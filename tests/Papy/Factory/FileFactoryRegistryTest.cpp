#include "Papy/Archives/DatFormats.h"
#include "Papy/Factory/CreateDat.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/GetDirectory.h"
#include "Papy/Lp/LpFormats.h"
#include "Papy/Objects/N4ObjectFormats.h"
#include "Papy/Replays/ReplayFormats.h"
#include "Util/Exception.h"
#include "testing/TemporaryFolder.h"
#include "tests/Failures.h"
#include "tests/PathText.h"

#include <gtest/gtest.h>

#include <set>

using namespace Tessel::Papy;
using namespace Tessel::Util;

namespace {

// A game that recognises files by a marker in their first bytes: "<game>" for its directories'
// files, "dat:<game>" for its archives and "dat" for an archive of its format with any content.
class MarkerRecognizer : public FileFactoryRecognizer {
public:
    MarkerRecognizer(std::string game, bool isDefault) : FileFactoryRecognizer(isDefault), game(std::move(game)) {}

    bool IsDat(const std::string& path) override { return Head(path).rfind("dat", 0) == 0; }
    bool IsGameDat(const std::string& path) override { return Head(path) == "dat:" + game; }
    std::vector<FileKind> GetFileKinds() const override { return kinds; }

    std::string game;
    std::vector<FileKind> kinds;
    std::set<std::string> unreadable;  // paths whose reading fails to open
    int datOpens = 0;

protected:
    std::vector<std::string> GetDirectoryExtensions() const override { return {"mk"}; }
    bool IsGameFile(const std::string&, const std::string& path) override { return Head(path) == game; }
    std::shared_ptr<DatFile> OpenDat(const std::string&, bool) override {
        ++datOpens;
        return nullptr;
    }
    std::shared_ptr<CreateDat> MakeCreateDat(const PapyDirectory&) override { return nullptr; }
    void AddMakers(FileFactory&, const PapyDirectory&, const std::shared_ptr<GetDat>&) override {}

private:
    std::string Head(const std::string& path) {
        if (unreadable.count(path) != 0)
            throw XFileOpen(path, "Permission denied");
        std::ifstream file(path);
        std::string text;
        std::getline(file, text);
        return text;
    }
};

class RegistryTest : public ::testing::Test {
protected:
    RegistryTest() {
        first->kinds = {&gplLpFormat, &icr2DatFormat};
        second->kinds = {&n4LpFormat, &n4PtfFormat};
        registry.Register(first);
        registry.Register(second);
    }
    std::string Write(const std::string& name, const std::string& text) { return Shown(folder.Write(name, text)); }
    std::string Path(const std::string& name) const { return Shown(folder / name); }
    static std::string DirectoryOf(const std::shared_ptr<FileFactory>& factory) {
        return factory->GetFacet<GetDirectory>()->Get().GetPath();
    }

    TemporaryFolder folder;
    std::shared_ptr<MarkerRecognizer> first = std::make_shared<MarkerRecognizer>("one", true);
    std::shared_ptr<MarkerRecognizer> second = std::make_shared<MarkerRecognizer>("two", false);
    FileFactoryRegistry registry;
};

}  // namespace

TEST_F(RegistryTest, SameDirectorySameFactoryWhateverTheCaseOrSeparator) {
    Write("Game/a.mk", "two");
    const auto factory = registry.GetFactory(Path("Game"), false);
    EXPECT_EQ(registry.GetFactory(Path("Game/"), false), factory);
    EXPECT_EQ(registry.GetFactory(Path("GAME"), false), factory);
    EXPECT_EQ(DirectoryOf(factory), Path("Game/"));
    EXPECT_EQ(DirectoryOf(registry.GetFactory(ShownRoot(), false)), ShownRoot());  // the root keeps its separator
}

TEST_F(RegistryTest, WritableRequestsReplaceReadOnlyOnes) {
    std::filesystem::create_directories(folder / "game");
    const auto readOnly = registry.GetFactory(Path("game"), false);
    const auto writable = registry.GetFactory(Path("game"), true);
    EXPECT_NE(writable, readOnly);
    EXPECT_EQ(registry.GetFactory(Path("game"), false), writable);
    EXPECT_EQ(registry.GetFactory(Path("game"), true), writable);
}

TEST_F(RegistryTest, DirectoriesGoToTheFirstGameThatClaimsThem) {
    Write("two/x.mk", "two");
    Write("two/y.txt", "one");
    Write("mixed/x.mk", "one");
    Write("mixed/y.mk", "one");
    Write("nobody/x.txt", "two");
    EXPECT_EQ(DirectoryOf(registry.GetFactory(Path("two"), false)), Path("two/"));
    EXPECT_EQ(second->datOpens, 0);

    // The own archive is asked first and is opened by the game that claims it.
    Write("owned/owned.dat", "dat:two");
    Write("owned/x.mk", "three");
    registry.GetFactory(Path("owned"), false);
    EXPECT_EQ(second->datOpens, 1);
    EXPECT_EQ(first->datOpens, 0);

    // Nobody claims it: the default game takes it, and opens its archive when there is one.
    Write("nobody/NOBODY.DAT", "dat");
    registry.GetFactory(Path("nobody"), false);
    EXPECT_EQ(first->datOpens, 1);
}

TEST_F(RegistryTest, AFileThatCannotBeOpenedCountsAsNo) {
    const std::string file = Write("locked/x.mk", "two");
    second->unreadable.insert(file);
    const auto factory = registry.GetFactory(Path("locked"), false);
    EXPECT_EQ(DirectoryOf(factory), Path("locked/"));  // the default game's factory
}

TEST_F(RegistryTest, ArchivesByGameThenDefaultFormatThenAnyFormat) {
    const std::string unknown = Write("a/unknown.dat", "zip");
    EXPECT_EQ(registry.GetFactory(unknown, false), nullptr);
    EXPECT_EQ(first->datOpens + second->datOpens, 0);

    registry.GetFactory(Write("b/game.dat", "dat:two"), false);
    EXPECT_EQ(second->datOpens, 1);
    registry.GetFactory(Write("c/any.dat", "dat"), false);
    EXPECT_EQ(first->datOpens, 1);

    first->SetDefault(false);
    registry.GetFactory(Write("d/any.dat", "dat"), false);
    EXPECT_EQ(first->datOpens, 2);  // no default reads it: the first game of its format does
}

TEST_F(RegistryTest, AnArchiveNamedAfterItsDirectorySharesItsFactory) {
    const std::string archive = Write("monza/Monza.dat", "dat");
    const auto fromArchive = registry.GetFactory(archive, false);
    EXPECT_EQ(DirectoryOf(fromArchive), Path("monza/"));
    EXPECT_EQ(registry.GetFactory(Path("monza"), false), fromArchive);

    const std::string other = Write("monza/extra.dat", "dat");
    EXPECT_NE(registry.GetFactory(other, false), fromArchive);
}

TEST_F(RegistryTest, NoDefaultGameIsAnAssertion) {
    first->SetDefault(false);
    std::filesystem::create_directories(folder / "empty");
    EXPECT_EQ(Linewright::Testing::BrokenCheck([&] { registry.GetFactory(Path("empty"), false); }), "false");

    FileFactoryRegistry single;
    single.Register(second);  // the only game is the fallback, default or not
    EXPECT_NE(single.GetFactory(Path("empty"), false), nullptr);
}

TEST_F(RegistryTest, AKindComesFromTheFolderGameThenFromTheFirstGameWithTheExtension) {
    Write("two/x.mk", "two");
    std::filesystem::create_directories(folder / "nobody");
    const PapyDirectory two(Path("two")), nobody(Path("nobody"));
    EXPECT_EQ(registry.GetKindOfExtension(two, "LP"), &n4LpFormat);
    EXPECT_EQ(registry.GetKindOfExtension(two, "dat"), &icr2DatFormat);
    EXPECT_EQ(registry.GetKindOfExtension(nobody, "lp"), &gplLpFormat);
    EXPECT_EQ(registry.GetKindOfExtension(nobody, "ptf"), &n4PtfFormat);
    EXPECT_EQ(registry.GetKindOfExtension(nobody, "txt"), nullptr);
}

TEST_F(RegistryTest, AKindIsReadByTheFolderFactoryWhenItsGameReadsIt) {
    Write("two/x.mk", "two");
    std::filesystem::create_directories(folder / "nobody");
    EXPECT_EQ(registry.GetFactoryForKind(Path("two/a.lp"), &n4LpFormat), registry.GetFactory(Path("two"), false));
    // The default game claims the folder but reads no PTF file: the game that does reads it there.
    const auto reader = registry.GetFactoryForKind(Path("nobody/a.ptf"), &n4PtfFormat);
    EXPECT_NE(reader, registry.GetFactory(Path("nobody"), false));
    EXPECT_EQ(DirectoryOf(reader), Path("nobody/"));
    EXPECT_EQ(registry.GetFactoryForKind(Path("nobody/a.rpl"), &n3RplFormat), nullptr);
}
