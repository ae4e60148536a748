#include "measurement_table/core/SaveCheck.h"

#include "common/process/BaseMenuExchange.h"
#include "common/records/TextHelpers.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"

#include <algorithm>
#include <optional>
#include <unistd.h>

namespace quilmo {

namespace {

using platform::IsUnsetInt;

enum DatePart { kYear = 0, kMonth = 1, kDay = 2, kHour = 3, kMinute = 4 };

constexpr int kShownDateErrors = 5;

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date.
long long DaysFromCivil(long long year, long long month, long long day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Minutes of a date whose year, month and day are set and valid; an unset hour or minute
// counts as 0 (the hour 24 is the next day's midnight, as the column allows it).
std::optional<long long> MinutesOf(const ReadingDate& date) {
    const int year = date[kYear], month = date[kMonth], day = date[kDay];
    if (IsUnsetInt(year) || IsUnsetInt(month) || IsUnsetInt(day)) {
        return std::nullopt;
    }
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
        return std::nullopt;
    }
    const int hour = IsUnsetInt(date[kHour]) ? 0 : date[kHour];
    const int minute = IsUnsetInt(date[kMinute]) ? 0 : date[kMinute];
    if (hour < 0 || hour > 24 || minute < 0 || minute > 59) {
        return std::nullopt;
    }
    return DaysFromCivil(year, month, day) * 1440 + hour * 60 + minute;
}

int LastDatedRow(const DateList& dates) {
    for (int row = static_cast<int>(dates.size()); row >= 1; --row) {
        if (!IsUnsetDate(dates[static_cast<std::size_t>(row - 1)])) {
            return row;
        }
    }
    return 0;
}

int LastValueRow(const PointList& points) {
    int last = 0;
    for (const auto& point : points) {
        last = std::max(last, point->GetLastValueRow());
    }
    return last;
}

// The first name that two points share; empty when none. Sets anyUnnamed.
CString DuplicateName(const PointList& points, bool& anyUnnamed) {
    anyUnnamed = false;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i]->Name().IsEmpty()) {
            anyUnnamed = true;
            continue;
        }
        for (std::size_t j = i + 1; j < points.size(); ++j) {
            if (points[j]->Name() == points[i]->Name()) {
                return points[i]->Name();
            }
        }
    }
    return CString();
}

bool AskYes(const CString& question) {
    return AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool AskOverwrite(const CString& path) {
    CString question;
    question.Format(u8"%s\n上書きしてもよろしいですか？", path.GetString());
    return AskYes(question);
}

// Names, dated rows and dates (the part that looks at the table only).
bool CheckTable(CMeasurementDocument& doc) {
    const int lastDated = LastDatedRow(doc.m_dates);
    const int lastValue = LastValueRow(doc.m_points);
    bool anyUnnamed = false;
    const CString duplicate = DuplicateName(doc.m_points, anyUnnamed);
    if (!duplicate.IsEmpty()) {
        CString message;
        message.Format(u8"同じ地点名が重複定義されているため保存できません\n%s", duplicate.GetString());
        AfxMessageBox(message);
        return false;
    }
    int errors = 0;
    if (lastValue > 1 && lastValue > lastDated) {
        AfxMessageBox(u8"日付が未定義の行があります");
        ++errors;
    }
    if (anyUnnamed) {
        AfxMessageBox(u8"地点名が未定義の列があるため保存できません");
        return false;
    }
    // One row of values without any date: nothing to check in the dates.
    if (lastValue == 1 && doc.m_dates.size() == 1 && IsUnsetDate(doc.m_dates.front())) {
        return true;
    }
    const DateErrors dateErrors = CheckDates(doc.m_dates);
    if (dateErrors.impossible > 0) {
        AfxMessageBox(u8"存在しない日付があるため保存できません");
        return false;
    }
    errors += dateErrors.wrong;
    if (errors > 0 && AfxMessageBox(CString(u8"定義ﾃﾞｰﾀにはｴﾗｰがあります。OK処理を続けますか？"),
                                    MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
        return false;
    }
    return true;
}

// A base-menu slot's name the way the base menu completes it for its children.
CString CompletedMeasurementName(const CString& slot) {
    CString extension;
    SplitPath(slot, nullptr, nullptr, &extension);
    return extension.IsEmpty() ? slot + ".dis" : slot;
}

} // namespace

SaveEnvironment DesktopSaveEnvironment() {
    SaveEnvironment environment;
    environment.readBaseMenuName = [](CString& name) {
        CString slot;
        if (process::ReadBaseMenuSlot(process::kMeasurementSlot, slot) !=
            process::BaseMenuExchange::Unchanged) {
            return false;
        }
        slot.Trim();
        if (slot.IsEmpty()) {
            return false;
        }
        name = CompletedMeasurementName(slot);
        return true;
    };
    environment.fileExists = [](const CString& path) { return platform::PathExists(path); };
    return environment;
}

DateErrors CheckDates(const DateList& dates) {
    DateErrors errors;
    std::optional<long long> previous;
    ReadingDate previousDate = UnsetDate();
    for (std::size_t i = 0; i < dates.size(); ++i) {
        ReadingDate date = dates[i];
        std::optional<long long> minutes = MinutesOf(date);
        if (!minutes && previous) {
            for (int part : {kYear, kMonth, kDay, kHour}) {
                if (IsUnsetInt(date[static_cast<std::size_t>(part)])) {
                    date[static_cast<std::size_t>(part)] = previousDate[static_cast<std::size_t>(part)];
                }
            }
            minutes = MinutesOf(date);
        }
        const bool wrong = !minutes || (previous && *minutes <= *previous);
        if (wrong) {
            if (errors.wrong < kShownDateErrors) {
                CString message;
                message.Format(u8"%d行目 日付ｴﾗｰ", static_cast<int>(i + 1));
                AfxMessageBox(message);
            }
            ++errors.wrong;
            errors.impossible += minutes ? 0 : 1;
        }
        previous = minutes;
        if (minutes) {
            previousDate = date;
            if (IsUnsetInt(previousDate[kHour])) {
                previousDate[kHour] = 0;
            }
        }
    }
    return errors;
}

bool CheckSave(CMeasurementDocument& doc, int rowsInUse, const SaveEnvironment& environment) {
    if (!doc.m_dates.empty()) {
        if (!CheckTable(doc)) {
            return false;
        }
    } else {
        doc.m_dates.assign(static_cast<std::size_t>(std::max(rowsInUse, 0)), UnsetDate());
    }
    CString baseMenuName;
    if (environment.readBaseMenuName && environment.readBaseMenuName(baseMenuName)) {
        if (baseMenuName != doc.m_strDisFile &&
            !AskYes(CString(
                u8"基本ﾒﾆｭｰの参照ﾌｧｲﾙ名が変更されたため、別の名前で保存します。\n処理を続行しますか？"))) {
            return false;
        }
        if (environment.fileExists(baseMenuName) && !AskOverwrite(baseMenuName)) {
            return false;
        }
        doc.m_strDisFile = baseMenuName;
        return true;
    }
    if (environment.fileExists(doc.m_strDisFile) && !AskOverwrite(doc.m_strDisFile)) {
        return false;
    }
    return true;
}

} // namespace quilmo
