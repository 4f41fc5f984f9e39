#include "Linewright/CLinewrightDoc.h"
#include "Linewright/CsvText.h"
#include "Linewright/LapList.h"
#include "Linewright/LpTable.h"
#include "Linewright/TrackDirectoryLps.h"
#include "Papy/Factory/CreateLp.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Lp/LpFile.h"
#include "Samples/GPLTrkWriter.h"
#include "Samples/GameFolderWriter.h"
#include "Samples/RpyWriter.h"
#include "Util/Exception.h"
#include "testing/LapFiles.h"
#include "testing/MemoryStream.h"
#include "testing/TemporaryFolder.h"
#include "tests/Failures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numbers>

using namespace Linewright;
using namespace Linewright::Samples;
using namespace Linewright::Testing;
using Tessel::Papy::LpFile;

namespace {

std::string Bytes(const LpFile& lp) {
    MemoryStream memory(std::string(8 + 24 * (lp.GetRecordCount() + 1), '\0'), "lp");
    lp.Write(memory.stream);
    return memory.bytes->substr(0, memory.stream->GetPosition());
}

// The fastest lap of the replay converted into a new LP of type, and an empty LP of the same kind.
struct ConvertedLp {
    std::shared_ptr<LpFile> lp;
    std::shared_ptr<LpFile> empty;
};

ConvertedLp Convert(const std::filesystem::path& replay, const std::string& type) {
    CLinewrightDoc document;
    document.OnOpenDocument(replay.string());
    const auto factory = document.RequireTrackFactory();
    const auto laps = ListCompleteLaps(*document.GetRpy());
    const LapRef lap = laps.at(*FindFastestLap(laps)).lap;
    return {ConvertToNewLp(*factory, *document.GetRpy(), lap, type),
            factory->GetFacet<Tessel::Papy::CreateLp>()->Create(type, 0.0)};
}

// Every stored integer at the ends of its range somewhere, so that none is lost to a double.
void StoreExtremes(LpFile& lp) {
    const auto fields = lp.GetIntegerFields();
    for (std::size_t field = 0; field < fields.size(); ++field) {
        lp.SetRecordInteger(1, field, fields[field].highest);
        lp.SetRecordInteger(2, field, fields[field].lowest);
    }
}

// A GPL folder's track beside a one-hour replay of twenty cars.
std::filesystem::path WriteHourLongFolder(const TemporaryFolder& folder) {
    folder.Write("hour/tracks/monza/monza.trk", WriteGPLTrk(LoopShape(1500.0, 1000.0 / std::numbers::pi)));
    return folder.Write("hour/replays/hour.rpy", WriteRpy(HourLongRpyScript()));
}

// The table with the cell at row (0 the header) and column replaced by text.
std::string WithCell(const std::string& table, std::size_t row, std::size_t column, const std::string& text) {
    auto rows = ParseCsv(table, "t");
    rows.at(row).fields.at(column) = text;
    std::string edited;
    for (const CsvRow& each : rows) {
        for (const std::string& field : each.fields)
            edited += QuoteCsvField(field) + ',';
        edited.back() = '\n';
    }
    return edited;
}

}  // namespace

TEST(LpTable, ExportThenImportGivesTheSameBytes) {
    const TemporaryFolder folder;
    const std::vector<std::pair<std::filesystem::path, std::string>> replays = {
        {WriteGPLFolder(folder / "gpl").replay, "race"},
        {WriteN2Folder(folder / "n2").replay, "race"},
        {WriteN4Folder(folder / "n4").replays.at(0), "raceline"},
        {WriteHourLongFolder(folder), "race"},
    };
    for (const auto& [replay, type] : replays) {
        SCOPED_TRACE(replay.string());
        const ConvertedLp converted = Convert(replay, type);
        StoreExtremes(*converted.lp);
        ReadLpTable(FormatLpTable(*converted.lp), "table.csv", *converted.empty);
        EXPECT_EQ(Bytes(*converted.empty), Bytes(*converted.lp));
    }
}

TEST(LpTable, EveryBadRowIsNamedWithItsLineAndColumn) {
    const TemporaryFolder folder;
    const ConvertedLp converted = Convert(WriteN2Folder(folder / "n2").replay, "race");
    const std::string table = FormatLpTable(*converted.lp);
    const std::size_t rows = ParseCsv(table, "t").size();
    // N2 columns: index, longitude, speed, lateral speed, lateral offset, their three stored integers.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {WithCell(table, 3, 2, "fast"), "t.csv:4: column 3 (speed (m/s)): \"fast\" is not a number"},
        {WithCell(table, 3, 2, "inf"), "t.csv:4: column 3 (speed (m/s)): \"inf\" is not a number"},
        {WithCell(table, 5, 4, "1e12"), "t.csv:6: column 5 (lateral offset (m)): 1e+12 is out of the field's range"},
        {WithCell(table, 5, 2, "-3"), "t.csv:6: column 3 (speed (m/s)): -3 is out of the field's range"},
        {WithCell(table, 6, 5, "-1"), "t.csv:7: column 6 (speed (stored)): -1 is out of the field's range, 0 to 4294967295"},
        {WithCell(table, 6, 7, "1.5"), "t.csv:7: column 8 (lateral offset (stored)): \"1.5\" is not an integer"},
        {WithCell(table, 7, 2, "99"), "t.csv:8: column 3 (speed (m/s)): 99 is at odds with the row's stored integers"},
        {WithCell(table, 8, 0, "9"), "t.csv:9: column 1 (index): record 7 belongs in this row"},
        {WithCell(table, 9, 3, ""), "t.csv:10: column 4 (lateral speed (m/s)): empty"},
        {WithCell(table, 0, 3, "lateral"), "t.csv:1: no column \"lateral speed (m/s)\""},
        {table.substr(0, table.rfind("\r\n", table.size() - 3) + 2),
         "t.csv:" + std::to_string(rows - 1) + ": " + std::to_string(rows - 2) + " rows end the table"},
        {table + table.substr(table.rfind("\r\n", table.size() - 3) + 2),
         "t.csv:" + std::to_string(rows + 1) + ": one row more than the " + std::to_string(rows - 1) + " records"},
        {table + "\"open", "t.csv:" + std::to_string(rows + 1) + ": a quote opened here is never closed"},
    };
    // A failed import leaves the LP to be dropped, so one serves every case.
    // Not a structured binding: clang 14 cannot capture one in a lambda.
    for (const auto& badTable : cases)
        EXPECT_THAT(UsageText([&] { ReadLpTable(badTable.first, "t.csv", *converted.empty); }),
                    testing::HasSubstr(badTable.second));
}

TEST(LpTable, ValuesWithoutStoredIntegersGoThroughTheSetters) {
    const TemporaryFolder folder;
    const ConvertedLp converted = Convert(WriteN2Folder(folder / "n2").replay, "race");
    std::string table = WithCell(FormatLpTable(*converted.lp), 1, 2, "10.0");
    table = WithCell(table, 1, 5, "");
    ReadLpTable(table, "t.csv", *converted.empty);
    // 10 / 0.000762 = 13123.4, rounded; record 0 closes the table too.
    EXPECT_EQ(converted.empty->GetRecordInteger(0, 0), 13123);
    EXPECT_EQ(Bytes(*converted.empty).substr(Bytes(*converted.empty).size() - 12, 4),
              Bytes(*converted.empty).substr(4, 4));
}

TEST(CsvText, QuotesWhatSpreadsheetsQuote) {
    const std::vector<std::pair<std::string, std::string>> fields = {
        {"plain", "plain"}, {"a,b", "\"a,b\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""}, {"two\nlines", "\"two\nlines\""}};
    std::string line;
    for (const auto& [field, quoted] : fields) {
        EXPECT_EQ(QuoteCsvField(field), quoted);
        line += quoted + ',';
    }
    line.back() = '\r';
    const auto rows = ParseCsv(std::string(csvByteOrderMark) + line + "\n\r\nnext\n", "t");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].fields, (std::vector<std::string>{"plain", "a,b", "say \"hi\"", "two\nlines"}));
    EXPECT_EQ(rows[1].line, 4u);
}
