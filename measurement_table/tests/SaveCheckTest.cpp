// The save check on OK: point names, dated rows, calendar dates in order, and where the
// file goes when the base menu names another one.

#include "measurement_table/core/SaveCheck.h"

#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"
#include "testsupport/Fixtures.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using platform::Utf8;
using quilmo::CDispData;
using Messages = std::vector<std::string>;

constexpr int U = platform::kUnsetInt;

class SaveCheckTest : public testsupport::RecordingSinkTest {
protected:
    SaveCheckTest() {
        doc_.m_strDisFile = "data/a.dis";
        environment_.readBaseMenuName = [this](CString& name) {
            name = baseMenuName_.c_str();
            return !baseMenuName_.empty();
        };
        environment_.fileExists = [this](const CString& path) {
            return existing_.count(path.GetString()) > 0;
        };
    }
    // One point named `name` with a value in each of the first `valueRows` rows.
    void AddPoint(const char* name, int valueRows) {
        auto point = std::make_unique<CDispData>(0, CString(name), static_cast<int>(doc_.m_dates.size()));
        for (int row = 0; row < valueRows; ++row) {
            point->SetValue(0, row, 1.0);
        }
        doc_.m_points.push_back(std::move(point));
    }
    bool Check() { return quilmo::CheckSave(doc_, static_cast<int>(doc_.m_dates.size()), environment_); }

    quilmo::CMeasurementDocument doc_;
    quilmo::SaveEnvironment environment_;
    std::string baseMenuName_;
    std::set<std::string> existing_;
};

TEST_F(SaveCheckTest, DatesAreRealCalendarDatesInIncreasingOrder) {
    struct Case {
        quilmo::DateList dates;
        int errors;
    };
    const Case cases[] = {
        {{{2006, 4, 1, 10, 0}, {2006, 4, 1, 10, 0}}, 1},  // not later
        {{{2006, 4, 1, 10, 0}, {U, U, U, 11, U}}, 0},     // day taken from the row before
        {{{2006, 2, 31, U, U}}, 1},                       // past the month's end
        {{{2004, 2, 29, U, U}, {1900, 1, 1, U, U}}, 1},   // leap day fine, then earlier
        {{{1850, 1, 1, U, U}, {2100, 12, 31, 24, U}}, 0}, // no 1970-2037 window
        {{{U, 4, 1, U, U}}, 1},                           // no year and no row before
        {{{2006, 1, 1, U, U}, {2006, 13, 1, U, U}, {2006, 2, 1, U, U}}, 1},
    };
    for (const Case& c : cases) {
        sink_.Clear();
        EXPECT_EQ(quilmo::CheckDates(c.dates).wrong, c.errors) << c.dates.size();
    }
    sink_.Clear();
    EXPECT_EQ(quilmo::CheckDates(quilmo::DateList(6, {2006, 2, 30, 0, 0})).wrong, 6);
    ASSERT_EQ(sink_.MessageCount(), 5); // the first five are shown
    EXPECT_EQ(sink_.MessagesUtf8()[4], Utf8(u8"5行目 日付ｴﾗｰ"));
}

TEST_F(SaveCheckTest, NoCalendarDateIsSavedWhateverTheAnswerAndTheQuestionDefaultsToNo) {
    const quilmo::DateList impossible[] = {
        {{2006, 2, 31, 10, 0}},
        {{2006, 4, 1, 10, 0}, {U, 2, 30, U, U}}, // year taken from the row before
        {{2006, 13, 1, U, U}},
        {{U, 4, 1, U, U}}, // no year and no row before
        {{2006, 4, 1, 10, 0}, {2006, 4, 1, 25, 0}},
    };
    for (const quilmo::DateList& dates : impossible) {
        doc_.m_dates = dates;
        doc_.m_points.clear();
        AddPoint("P1", 1);
        sink_.Clear();
        sink_.QueueAnswer(IDYES); // the row's date error
        sink_.QueueAnswer(IDYES); // what the question would have had
        EXPECT_FALSE(Check()) << dates.size();
        EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"存在しない日付があるため保存できません")) << dates.size();
    }
    // Dates out of order are real dates: the question decides, and Enter answers No.
    doc_.m_dates = {{2006, 4, 1, 10, 0}, {2006, 4, 1, 10, 0}};
    sink_.Clear();
    EXPECT_FALSE(Check());
    ASSERT_EQ(sink_.LastMessageUtf8(), Utf8(u8"定義ﾃﾞｰﾀにはｴﾗｰがあります。OK処理を続けますか？"));
    EXPECT_EQ(platform::DefaultButton(sink_.Events().back().type), IDNO);
    sink_.QueueAnswer(IDOK);
    sink_.QueueAnswer(IDYES);
    EXPECT_TRUE(Check());
}

TEST_F(SaveCheckTest, NamesMustBeGivenOnceAndValuesNeedADate) {
    doc_.m_dates = {{2006, 4, 1, 10, 0}, {2006, 4, 2, 10, 0}};
    AddPoint("P1", 1);
    AddPoint("P1", 1);
    EXPECT_FALSE(Check());
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"同じ地点名が重複定義されているため保存できません\nP1"));

    doc_.m_points.pop_back();
    AddPoint("", 0);
    EXPECT_FALSE(Check());
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"地点名が未定義の列があるため保存できません"));

    doc_.m_points.pop_back();
    doc_.m_dates[1] = quilmo::UnsetDate();
    doc_.m_points[0]->SetValue(0, 1, 2.0);
    sink_.Clear();
    sink_.QueueAnswer(IDOK);
    sink_.QueueAnswer(IDOK);
    sink_.QueueAnswer(IDNO);
    EXPECT_FALSE(Check());
    EXPECT_EQ(sink_.MessagesUtf8(), (Messages{Utf8(u8"日付が未定義の行があります"), Utf8(u8"2行目 日付ｴﾗｰ"),
                                              Utf8(u8"定義ﾃﾞｰﾀにはｴﾗｰがあります。OK処理を続けますか？")}));
}

TEST_F(SaveCheckTest, TheOneUndatedRowStillAsksBeforeOverwriting) {
    doc_.m_dates = {quilmo::UnsetDate()};
    AddPoint("P1", 1);
    existing_.insert("data/a.dis");
    sink_.QueueAnswer(IDNO);
    EXPECT_FALSE(Check());
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"data/a.dis\n上書きしてもよろしいですか？"));
}

TEST_F(SaveCheckTest, TheBaseMenusNameIsTakenWhenTheUserAgrees) {
    doc_.m_dates = {{2006, 4, 1, 10, 0}};
    AddPoint("P1", 1);
    baseMenuName_ = "data/b.dis";
    existing_.insert("data/b.dis");
    sink_.QueueAnswer(IDNO);
    EXPECT_FALSE(Check());
    EXPECT_EQ(doc_.m_strDisFile, "data/a.dis");

    sink_.Clear();
    sink_.QueueAnswer(IDYES);
    sink_.QueueAnswer(IDYES);
    EXPECT_TRUE(Check());
    EXPECT_EQ(
        sink_.MessagesUtf8(),
        (Messages{
            Utf8(u8"基本ﾒﾆｭｰの参照ﾌｧｲﾙ名が変更されたため、別の名前で保存します。\n処理を続行しますか？"),
            Utf8(u8"data/b.dis\n上書きしてもよろしいですか？")}));
    EXPECT_EQ(doc_.m_strDisFile, "data/b.dis");

    // The same name (compared exactly): no question but the overwrite.
    sink_.Clear();
    baseMenuName_ = "data/B.dis";
    doc_.m_strDisFile = "data/B.dis";
    EXPECT_TRUE(Check());
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(SaveCheckTest, AnEmptyTableGetsOneUndatedRowPerRowInUse) {
    AddPoint("P1", 0);
    EXPECT_TRUE(quilmo::CheckSave(doc_, 3, environment_));
    EXPECT_EQ(doc_.m_dates.size(), 3U);
}

} // namespace
