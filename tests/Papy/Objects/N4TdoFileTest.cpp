#include "tests/Papy/Objects/N4ArchiveTestSupport.h"

#include "Papy/Objects/ThreeDObjectRoot.h"
#include "Papy/Objects/ThreeDObjectTrack.h"
#include "testing/N4NodeWriters.h"

#include <gtest/gtest.h>

namespace Tessel::Papy {
namespace {

using namespace Linewright::Testing;

TEST(N4TdoFile, ArchivesFromTheWriterLoadAndSaveBackByteForByte) {
    for (const std::string& bytes : {WriteArchive(SampleTdoTree()), WritePtf(SamplePtfShape()), WritePtf(PtfLoop(40))}) {
        const auto file = LoadArchive(bytes);
        EXPECT_EQ(Saved(*file), bytes);
    }
}

}  // namespace
}  // namespace Tessel::Papy
