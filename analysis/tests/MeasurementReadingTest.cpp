#include "testsupport/TempDir.h"
// How the analysis document takes the values of a measurement displacement file: read as
// "%lf" reads them, exactly 0.0 as not measured, two or four values a line as each DISP
// block's header says, whatever the "ANGLE" line.

#include "DocumentTestSupport.h"

#include "analysis/core/CDispData.h"
#include "platform/core/CodePage.h"
#include "platform/core/Unset.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using platform::IsUnsetDouble;
using torvan::CDispData;

class MeasurementReadingTest : public DocumentTest {
protected:
    void SetUp() override {
        ASSERT_EQ(doc_.ReadSecFile((fs::path(VERRANT_SOURCE_DIR) / "data" / "sample.sec").c_str()), 1);
    }
    // Reads a measurement file given as UTF-8 lines.
    int Read(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) {
            text += platform::Utf8ToCp932(line) + "\r\n";
        }
        std::ofstream(dir_ / "m.dis", std::ios::binary) << text;
        return doc_.ReadDisFile((dir_ / "m.dis").c_str());
    }
    CDispData* Record(WORD key) {
        CObject* object = nullptr;
        return doc_.Displacements().Lookup(key, object) ? static_cast<CDispData*>(object) : nullptr;
    }
    static std::string Title() {
        std::string title = "TITLE     t";
        return title + std::string(60 - title.size(), ' ') + "GOLMIR001";
    }

    testsupport::TempDir temp_{"measurement reading"};
    const fs::path dir_ = temp_.Path();
};

TEST_F(MeasurementReadingTest, ValuesAreReadAsScannedAndExactZeroIsNotMeasured) {
    ASSERT_EQ(Read({Title(), "ANGLE", "DATE", "2026,4,1,0,0", "2026,5,1,0,0", "2026,6,1,0,0", "2026,7,1,0,0",
                    "DISP          0計測点1", "  1.5e+01 -2.0E+01", "     0.000     12.00",
                    "     -0.00      3.00", "   1e1         0.25", "END"}),
              1);
    CDispData* disp = Record(0);
    ASSERT_NE(disp, nullptr);
    EXPECT_EQ(disp->columnMode, 0);
    ASSERT_EQ(disp->count, 4);
    EXPECT_DOUBLE_EQ(disp->col1[0], 0.015);
    EXPECT_DOUBLE_EQ(disp->col2[0], -0.020);
    EXPECT_TRUE(IsUnsetDouble(disp->col1[1]));
    EXPECT_TRUE(IsUnsetDouble(disp->col1[2])); // -0.00 is zero too
    EXPECT_DOUBLE_EQ(disp->col1[3], 0.010);
    EXPECT_DOUBLE_EQ(disp->col2[3], 0.00025);
    EXPECT_EQ(disp->readingUsed, (std::vector<int>{1, 0, 0, 1}));
    EXPECT_EQ(disp->inUse, 1);
}

TEST_F(MeasurementReadingTest, EachBlocksHeaderDecidesTwoOrFourValues) {
    // The table editor always writes an "ANGLE" line; its blocks of flag 0 hold two values.
    ASSERT_EQ(Read({Title(), "ANGLE               ", "DATE", "2026,4,1,0,0", "DISP          0計測点1",
                    "      1.00      2.00      3.00      4.00", "DISP          1計測点2",
                    "      1.00      2.00      3.00      4.00", "END"}),
              1);
    EXPECT_TRUE(doc_.HasFourColumns());
    ASSERT_NE(Record(0), nullptr);
    EXPECT_EQ(Record(0)->columnMode, 0);
    EXPECT_TRUE(Record(0)->col3.empty());
    ASSERT_NE(Record(1), nullptr);
    EXPECT_EQ(Record(1)->columnMode, 1);
    EXPECT_DOUBLE_EQ(Record(1)->col4[0], 0.004);

    // Without an "ANGLE" line a block of flag 1 still holds four values.
    ASSERT_EQ(Read({Title(), "DATE", "2026,4,1,0,0", "DISP          1計測点3",
                    "      5.00      6.00      7.00      8.00", "END"}),
              1);
    EXPECT_FALSE(doc_.HasFourColumns());
    ASSERT_NE(Record(2), nullptr);
    EXPECT_EQ(Record(2)->columnMode, 1);
    EXPECT_DOUBLE_EQ(Record(2)->col3[0], 0.007);
    EXPECT_DOUBLE_EQ(Record(2)->col2[0], 0.006);
}

TEST_F(MeasurementReadingTest, AReadingWithoutAnyMeasuredValueSwitchesThePointOff) {
    ASSERT_EQ(Read({Title(), "ANGLE", "DATE", "2026,4,1,0,0", "2026,5,1,0,0", "DISP          0計測点1",
                    "      0.00      0.00", "      0.0       1.00", "DISP          0計測点2",
                    "      1.00      1.00", "      2.00      2.00", "END"}),
              1);
    EXPECT_EQ(Record(0)->inUse, 0);
    EXPECT_EQ(Record(1)->inUse, 1);
}
