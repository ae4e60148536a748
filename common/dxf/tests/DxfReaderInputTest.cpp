// The reader on damaged, unusual and foreign input: it never crashes or hangs, and it
// reads what it can or refuses with a message.

#include "DxfTestFiles.h"
#include "RecordingDocument.h"

#include "common/dxf/CDxfGroupReader.h"
#include "common/dxf/CDxfReader.h"
#include "platform/core/RecordingSink.h"
#include "platform/core/Unset.h"
#include "testsupport/DamagedTextFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

using dxftest::DxfText;
using dxftest::EntitiesDxf;
using dxftest::OutputPath;

namespace {

const char8_t kPrematureEnd[] = u8"ファイルが途中で終了しているため、読み込みできません";
const char8_t kReadError[] = u8"ファイル読み込みエラーです";

class DxfReaderInput : public ::testing::Test {
protected:
    int Import(const std::string& bytes) {
        std::string path = OutputPath("input-" + std::to_string(++fileNumber_) + ".dxf");
        dxftest::WriteBytes(path, bytes);
        CDxfReader reader(document);
        return reader.ImportDxf(path.c_str());
    }
    platform::RecordingSink sink;
    dxftest::RecordingDocument document;

private:
    int fileNumber_ = 0;
};

TEST_F(DxfReaderInput, EndOfFileInsideEntitiesKeepsWhatWasReadAndGivesZero) {
    std::string text = DxfText({"0", "SECTION", "2", "ENTITIES", "0", "LINE", "8",    "0", "10", "0",  "20",
                                "0", "11",      "5", "21",       "0", "0",    "LINE", "8", "0",  "10", "0"});
    EXPECT_EQ(Import(text), 0);
    EXPECT_EQ(document.points.size(), 2U);
    EXPECT_EQ(sink.MessagesUtf8(), std::vector<std::string>{platform::Utf8(kPrematureEnd)});
    EXPECT_EQ(sink.BeepCount(), 1);
    EXPECT_EQ(document.refreshCount, 1);
}

TEST_F(DxfReaderInput, TruncatedAtEveryByteNeverCrashes) {
    std::string whole = EntitiesDxf({"0",  "LWPOLYLINE", "8",  "0", "90", "3", "10", "0", "20", "0",
                                     "10", "4",          "20", "0", "10", "4", "20", "4", "0",  "LINE",
                                     "10", "0",          "20", "9", "11", "5", "21", "9"});
    for (std::size_t cut = 0; cut + 2 < whole.size(); cut += 3) { // up to the "EOF" value
        document = dxftest::RecordingDocument();
        int result = Import(whole.substr(0, cut));
        EXPECT_EQ(result, 0) << "cut at " << cut;
        EXPECT_LE(document.points.size(), 5U);
    }
}

TEST_F(DxfReaderInput, BinaryDxfIsRefusedWithNothingAdded) {
    const char head[] = "AutoCAD Binary DXF\r\n\x1a";
    const char groups[] = "\0\x08SECTION\0\x02ENTITIES";
    std::string binary(head, sizeof head); // with the terminating NUL, as the signature has
    binary += std::string(groups, sizeof groups);
    EXPECT_EQ(Import(binary), 0);
    EXPECT_TRUE(document.points.empty());
    EXPECT_EQ(sink.MessagesUtf8(), std::vector<std::string>{platform::Utf8(kReadError)});
    EXPECT_EQ(document.refreshCount, 0);
}

TEST_F(DxfReaderInput, MissingFileShowsTheOpenMessage) {
    CDxfReader reader(document);
    EXPECT_EQ(reader.ImportDxf(OutputPath("does-not-exist.dxf").c_str()), 0);
    EXPECT_EQ(sink.MessageCount(), 1);
}

TEST_F(DxfReaderInput, FileWithoutEntitiesAddsNothing) {
    EXPECT_EQ(Import(DxfText({"0", "SECTION", "2", "HEADER", "9", "$ACADVER", "1", "AC1009", "0", "ENDSEC",
                              "0", "EOF"})),
              1);
    EXPECT_TRUE(document.points.empty());
    EXPECT_EQ(sink.MessageCount(), 0);
}

TEST_F(DxfReaderInput, OddGroupCodesAreSkipped) {
    std::string text =
        EntitiesDxf({"0", "LINE", "abc", "LINE", "",  "",   "8", "0",  "-5", "x", "999999999999",
                     "1", "10",   "1",   "20",   "1", "11", "2", "21", "2"});
    EXPECT_EQ(Import(text), 1);
    EXPECT_EQ(document.points.size(), 2U);
}

TEST_F(DxfReaderInput, LongValuesAreReadWholeAndShiftNothing) {
    std::string longLayer(5000, 'L');
    std::string longText(60000, 'T'); // a line of 64 KiB or more ends the drawing
    std::string text = EntitiesDxf({"0", "TEXT", "1", longText, "0", "LINE", "8", longLayer, "10", "0", "20",
                                    "0", "11", "3", "21", "4"});
    document.settings.layerLists[0] = {CString(longLayer)};
    EXPECT_EQ(Import(text), 1);
    ASSERT_EQ(document.points.size(), 2U);
    EXPECT_DOUBLE_EQ(document.points[1].y, 4.0);
}

TEST_F(DxfReaderInput, HugeCountsAndCoordinatesAreHarmless) {
    std::string text = EntitiesDxf({"0",  "LWPOLYLINE", "8",  "0",      "90", "2147483647", "10", "1e308",
                                    "20", "1e308",      "10", "-1e308", "20", "-1e308",     "0",  "SPLINE",
                                    "74", "-7",         "44", "0",      "11", "0",          "21", "0",
                                    "31", "0",          "11", "1",      "21", "1",          "31", "0"});
    document.settings.xFactor = 10.0; // 1e308 * 10 is not finite: those vertices count as missing
    EXPECT_EQ(Import(text), 1);
    EXPECT_EQ(document.points.size(), 2U); // the spline's two fit points
}

TEST_F(DxfReaderInput, NotANumberTextsCountAsMissing) {
    std::string text =
        EntitiesDxf({"0",    "LINE", "10", "NaN", "20",     "0",  "11", "1",   "21",  "1",  "0",
                     "LINE", "10",   "0",  "20",  "-nan",   "11", "1",  "21",  "inf", "0",  "LWPOLYLINE",
                     "90",   "nan",  "10", "0",   "20",     "7",  "10", "nan", "20",  "8",  "10",
                     "1",    "20",   "7",  "0",   "SPLINE", "74", "2",  "44",  "NaN", "11", "5",
                     "21",   "5",    "31", "0",   "11",     "6",  "21", "5",   "31",  "0"});
    EXPECT_EQ(Import(text), 1);
    ASSERT_EQ(document.points.size(), 4U); // the polyline's two good vertices and the spline's two
    EXPECT_DOUBLE_EQ(document.points[1].x, 1.0);
    EXPECT_EQ(document.lines.size(), 2U);
    EXPECT_EQ(sink.MessageCount(), 0);
}

TEST_F(DxfReaderInput, LayerNamesLongerThanAnyBuffer) {
    std::string longName(300, 'a');
    document.settings.layerLists[0] = {CString(longName.substr(0, 256))};
    std::string text = EntitiesDxf({"0",  "LINE", "8",  longName, "10", "0",    "20", "0",
                                    "11", "1",    "21", "1",      "0",  "LINE", "8",  longName.substr(0, 256),
                                    "10", "5",    "20", "5",      "11", "6",    "21", "6"});
    EXPECT_EQ(Import(text), 1);
    ASSERT_EQ(document.points.size(), 2U); // only the name of exactly the listed length matches
    EXPECT_DOUBLE_EQ(document.points[0].x, 5.0);
}

TEST_F(DxfReaderInput, LinuxAndOldMacLineEndsAndNulBytes) {
    std::string lf = "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n1\n0\nENDSEC\n0\nEOF\n";
    EXPECT_EQ(Import(lf), 1);
    EXPECT_EQ(document.points.size(), 2U);
    // A DXF text file holds no NUL: the drawing ends at one, as a file cut short there.
    std::string nul = EntitiesDxf({"0", "LINE", "8", std::string("a\0b", 3), "10", "0", "20", "0"});
    sink.Clear();
    EXPECT_EQ(Import(nul), 0);
    EXPECT_EQ(sink.MessagesUtf8(), std::vector<std::string>{platform::Utf8(kPrematureEnd)});
    // Nor is a last group whose line holds a NUL the drawing's end.
    sink.Clear();
    EXPECT_EQ(Import(lf.substr(0, lf.size() - 1) + std::string("\0", 1)), 0);
    EXPECT_EQ(sink.MessagesUtf8(), std::vector<std::string>{platform::Utf8(kPrematureEnd)});
}

// The DXF files that a Debian package lists, empty when it is not installed.
std::vector<std::string> PackageDxfFiles(const std::string& package) {
    std::vector<std::string> files;
    std::string command = "dpkg -L " + package + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        return files;
    }
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        std::string line(buffer);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
            line.pop_back();
        }
        std::string lower = line;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".dxf") == 0 &&
            std::filesystem::is_regular_file(line)) {
            files.push_back(line);
        }
    }
    ::pclose(pipe);
    return files;
}

// Every real drawing of a CAD package's data files: read or refused with a message.
TEST(DxfReaderCorpus, DataFilesOfACadPackageAreReadOrRefused) {
    const std::vector<std::string> files = PackageDxfFiles("librecad-data");
    ASSERT_FALSE(files.empty())
        << "package librecad-data (scripts/install-deps.sh installs it) has no DXF files";
    int refused = 0;
    int points = 0;
    for (const std::string& path : files) {
        platform::RecordingSink sink;
        dxftest::RecordingDocument document;
        document.settings.samePointDistance = 0.001;
        CDxfReader reader(document);
        int result = reader.ImportDxf(path.c_str());
        if (result == 0) {
            ++refused;
            EXPECT_GE(sink.MessageCount(), 1) << path;
        } else {
            EXPECT_EQ(sink.MessageCount(), 0) << path;
        }
        EXPECT_EQ(document.refreshCount, 1) << path;
        points += document.GetPointCount();
    }
    EXPECT_GT(points, 0);
    RecordProperty("files", static_cast<int>(files.size()));
    RecordProperty("refused", refused);
    RecordProperty("points", points);
}

// A code line reads as "%d" reads its text up to a NUL: digits before a NUL are the code,
// a NUL before them leaves no code.
TEST(DxfGroupCode, ACodeLineReadsAsItsTextUpToANul) {
    using namespace std::string_view_literals;
    EXPECT_EQ(CDxfGroupReader::CodeOf(" 10"sv), 10);
    EXPECT_EQ(CDxfGroupReader::CodeOf("  8\r"sv), 8);
    EXPECT_EQ(CDxfGroupReader::CodeOf("20\0junk"sv), 20);
    EXPECT_EQ(CDxfGroupReader::CodeOf(" 3\0 4"sv), 3);
    EXPECT_EQ(CDxfGroupReader::CodeOf("\0 10"sv), platform::kUnsetInt);
    EXPECT_EQ(CDxfGroupReader::CodeOf("+5"sv), 5);
    EXPECT_EQ(CDxfGroupReader::CodeOf("x"sv), platform::kUnsetInt);
}

// A drawing whose whole groups are followed by NUL bytes to 2 GB or by a line over 64 KiB ends
// there: what came before is kept, the file is told as cut short, and the rest is never read.
TEST_F(DxfReaderInput, ADrawingThatTurnsToNulsOrAnOverlongLineEndsThere) {
    const std::string whole =
        EntitiesDxf({"0", "LINE", "8", "0", "10", "0", "20", "0", "11", "5", "21", "0",
                     "0", "LINE", "8", "0", "10", "1", "20", "1", "11", "6", "21", "1"});
    const std::size_t secondLine = whole.find("\r\nLINE\r\n", whole.find("\r\nLINE\r\n") + 1);
    const std::size_t turn = secondLine + 8; // inside the second line, as a file cut there
    const std::string path = OutputPath("damaged.dxf");
    for (const auto& damaged : testsupport::DamagedTextFiles(whole.substr(0, turn), whole.substr(turn))) {
        SCOPED_TRACE(damaged.name);
        testsupport::WriteDamagedTextFile(path, damaged);
        sink.Clear();
        document = dxftest::RecordingDocument();
        const long long before = testsupport::BytesReadByProcess();
        EXPECT_EQ(CDxfReader(document).ImportDxf(path.c_str()), 0);
        EXPECT_LT(testsupport::BytesReadByProcess() - before, 1LL << 20) << "bytes read";
        EXPECT_EQ(sink.MessagesUtf8(), std::vector<std::string>{platform::Utf8(kPrematureEnd)});
        EXPECT_EQ(document.points.size(), 2U);
    }
}

} // namespace
