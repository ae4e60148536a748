#include "testsupport/DamagedTextFile.h"
#include "testsupport/FileBytes.h"
#include "testsupport/TempDir.h"

#include "control/core/InputFileNames.h"
#include "control/core/SloReferences.h"
#include "platform/core/CodePage.h"
#include "platform/core/RecordingSink.h"

#include <gtest/gtest.h>

namespace basnev {
namespace {

using platform::Utf8;

TEST(InputFileNamesTest, MissingFileGivesEmptySlotsAndNoDefaultDirectory) {
    testsupport::TempDir dir;
    InputFileNames names = LoadInputFileNames(CString(dir.File("BASNEV.INI").c_str()));
    EXPECT_TRUE(names.section.IsEmpty());
    EXPECT_TRUE(names.analysis.IsEmpty());
    EXPECT_TRUE(names.defaultDirectory.IsEmpty());
}

TEST(InputFileNamesTest, AnalysisDirectoryWinsOverMeasurementDirectory) {
    testsupport::TempDir dir;
    dir.Write("BASNEV.INI",
              "[Input File]\r\nFileName1=/p/plan.hor\r\nFileName3=/m/x.dis\r\nFileName4=/s/y.slo\r\n");
    InputFileNames names = LoadInputFileNames(CString(dir.File("BASNEV.INI").c_str()));
    EXPECT_STREQ(names.defaultDirectory, "/s/");
    EXPECT_STREQ(names.plan, "/p/plan.hor");
    dir.Write("BASNEV.INI", "[Input File]\r\nFileName3=/m/x.dis\r\n");
    EXPECT_STREQ(LoadInputFileNames(CString(dir.File("BASNEV.INI").c_str())).defaultDirectory, "/m/");
}

TEST(InputFileNamesTest, ChangedNamesAreWrittenInKeyOrderAndReadBackWithBlanksAndJapanese) {
    testsupport::TempDir dir;
    const CString settings(dir.File("BASNEV.INI").c_str());
    InputFileNames asRead;
    asRead.measurement = "/m/old.dis";
    InputFileNames names;
    names.plan = "/p/plan.hor";
    names.section = CString(u8"/データ/北 斜面.sec");
    names.measurement = "";
    names.analysis = "/a b/r.slo";
    ASSERT_TRUE(SaveInputFileNames(settings, asRead, names));
    EXPECT_EQ(dir.Read("BASNEV.INI"),
              platform::Utf8ToCp932(Utf8(u8"[Input File]\r\nFileName1=/p/plan.hor\r\n"
                                         u8"FileName2=/データ/北 斜面.sec\r\n"
                                         u8"FileName3=\r\nFileName4=/a b/r.slo\r\n")));
    InputFileNames back = LoadInputFileNames(settings);
    EXPECT_EQ(back.section, names.section);
    EXPECT_TRUE(back.measurement.IsEmpty());
    EXPECT_EQ(back.analysis, names.analysis);
}

// Two base menus (one per display) share the settings file: the one ending last used to write
// back the analysis file it had read at its start over the one the other had just set.
TEST(InputFileNamesTest, OnlyTheSlotsChangedSinceTheyWereReadAreWritten) {
    testsupport::TempDir dir;
    const CString settings(dir.File("BASNEV.INI").c_str());
    const std::string before =
        "[Input File]\r\nFileName1=/p.hor\r\nFileName2=/s.sec\r\nFileName4=/old.slo\r\n";
    dir.Write("BASNEV.INI", before);
    const InputFileNames asRead = LoadInputFileNames(settings);
    // Meanwhile the other base menu sets the analysis slot and ends.
    InputFileNames other = asRead;
    other.analysis = "/other.slo";
    ASSERT_TRUE(SaveInputFileNames(settings, asRead, other));
    const std::string afterOther = dir.Read("BASNEV.INI");
    EXPECT_EQ(afterOther, "[Input File]\r\nFileName1=/p.hor\r\nFileName2=/s.sec\r\nFileName4=/other.slo\r\n");

    InputFileNames names = asRead;
    ASSERT_TRUE(SaveInputFileNames(settings, asRead, names));
    EXPECT_EQ(dir.Read("BASNEV.INI"), afterOther);
    names.section = "/new.sec";
    names.measurement = "/new.dis";
    ASSERT_TRUE(SaveInputFileNames(settings, asRead, names));
    EXPECT_EQ(dir.Read("BASNEV.INI"), "[Input File]\r\nFileName1=/p.hor\r\nFileName2=/new.sec\r\n"
                                      "FileName4=/other.slo\r\nFileName3=/new.dis\r\n");
}

TEST(InputFileNamesTest, DataDirectoryLiesBesideABinDirectory) {
    EXPECT_STREQ(DataDirectoryBesideProgram("/opt/app/bin/"), "/opt/app/data/");
    EXPECT_STREQ(DataDirectoryBesideProgram("/opt/app/BIN"), "/opt/app/data/");
    EXPECT_TRUE(DataDirectoryBesideProgram("/opt/xbin/").IsEmpty());
    EXPECT_TRUE(DataDirectoryBesideProgram("bin/").IsEmpty());
}

TEST(SloReferencesTest, ReadsTheReferencesOfTheFirstFourLines) {
    testsupport::TempDir dir;
    dir.Write("r.slo",
              "TITLE     run\r\nSEFIL     /d/old.sec\r\nDSFIL     /d/m e.dis\r\nSEFIL     /d/new.sec\r\n"
              "DSFIL     /late.dis\r\n");
    CString section;
    CString measurement;
    ASSERT_TRUE(ReadSloReferences(CString(dir.File("r.slo").c_str()), section, measurement));
    EXPECT_STREQ(section, "/d/new.sec");
    EXPECT_STREQ(measurement, "/d/m e.dis");
}

// A file that turns to NULs or to a line of megabytes within the lines read is damaged, not
// a file without its measurement line: the read error is told, no name is given, and the rest
// is never read.
TEST(SloReferencesTest, ADamagedFileIsToldAndGivesNoNamesWithoutBeingReadThrough) {
    testsupport::TempDir dir;
    for (const auto& damaged :
         testsupport::DamagedTextFiles("SEFIL     /d/a.sec\r\n", "DSFIL     /d/b.dis\r\n")) {
        SCOPED_TRACE(damaged.name);
        testsupport::WriteDamagedTextFile(dir.File("r.slo"), damaged);
        platform::RecordingSink sink;
        CString section = "stale";
        CString measurement = "stale";
        const long long before = testsupport::BytesReadByProcess();
        EXPECT_FALSE(ReadSloReferences(CString(dir.File("r.slo").c_str()), section, measurement));
        EXPECT_LT(testsupport::BytesReadByProcess() - before, 1LL << 20) << "bytes read";
        EXPECT_EQ(sink.MessagesUtf8(), std::vector<std::string>{Utf8(u8"ﾌｧｲﾙ読み込みｴﾗｰです")});
        EXPECT_TRUE(section.IsEmpty());
        EXPECT_TRUE(measurement.IsEmpty());
    }
}

TEST(SloReferencesTest, ShortFileGivesWhatItHasAndAMissingFileFails) {
    testsupport::TempDir dir;
    dir.Write("r.slo", "SEFIL     \nDSFIL     sub/x.dis  ");
    CString section = "stale";
    CString measurement;
    ASSERT_TRUE(ReadSloReferences(CString(dir.File("r.slo").c_str()), section, measurement));
    EXPECT_TRUE(section.IsEmpty());
    EXPECT_EQ(measurement, CString(dir.File("sub/x.dis").c_str())); // as the analysis program opens it
    platform::RecordingSink sink;
    EXPECT_FALSE(ReadSloReferences(CString(dir.File("none.slo").c_str()), section, measurement));
    EXPECT_EQ(sink.MessageCount(), 1);
    EXPECT_TRUE(measurement.IsEmpty());
}

} // namespace
} // namespace basnev
