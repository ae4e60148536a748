#include "testsupport/TempDir.h"

#include "control/core/InputFileNames.h"
#include "control/core/SloReferences.h"
#include "platform/core/RecordingSink.h"

#include <gtest/gtest.h>

namespace basnev {
namespace {

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

TEST(InputFileNamesTest, SavedNamesReadBackWithBlanksAndJapanese) {
    testsupport::TempDir dir;
    const CString settings(dir.File("BASNEV.INI").c_str());
    InputFileNames names;
    names.plan = "/p/plan.hor";
    names.section = CString(u8"/データ/北 斜面.sec");
    names.measurement = "";
    names.analysis = "/a b/r.slo";
    ASSERT_TRUE(SaveInputFileNames(settings, names));
    EXPECT_EQ(dir.Read("BASNEV.INI").find("[Input File]\r\nFileName1=/p/plan.hor\r\nFileName2="), 0u);
    InputFileNames back = LoadInputFileNames(settings);
    EXPECT_EQ(back.section, names.section);
    EXPECT_TRUE(back.measurement.IsEmpty());
    EXPECT_EQ(back.analysis, names.analysis);
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
