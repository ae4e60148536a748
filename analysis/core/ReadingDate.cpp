#include "ReadingDate.h"

#include "platform/core/Unset.h"

namespace torvan {

CString ReadingDateKey(const ReadingDate& date) {
    auto part = [](int value) { return value == platform::kUnsetInt ? -1 : value; };
    CString key;
    key.Format("%4d%02d%02d%02d%02d", part(date[0]), part(date[1]), part(date[2]), part(date[3]),
               part(date[4]));
    return key;
}

} // namespace torvan
