#include "RecordingSink.h"

#include "platform/core/CodePage.h"

namespace platform {

RecordingSink::RecordingSink() : previous_(SetMessageSink(this)) {}

RecordingSink::~RecordingSink() {
    SetMessageSink(previous_);
}

int RecordingSink::ShowMessage(const CString& text, const CString& caption, UINT type) {
    events_.push_back({false, text, caption, type});
    if (answers_.empty()) {
        return DefaultButton(type);
    }
    int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void RecordingSink::Beep(UINT type) {
    events_.push_back({true, CString(), CString(), type});
}

std::vector<std::string> RecordingSink::MessagesUtf8() const {
    std::vector<std::string> texts;
    for (const Event& event : events_) {
        if (!event.isBeep) {
            texts.push_back(Cp932ToUtf8(event.text.str()));
        }
    }
    return texts;
}

std::string RecordingSink::LastMessageUtf8() const {
    auto texts = MessagesUtf8();
    return texts.empty() ? std::string() : texts.back();
}

int RecordingSink::MessageCount() const {
    return static_cast<int>(MessagesUtf8().size());
}

int RecordingSink::BeepCount() const {
    int count = 0;
    for (const Event& event : events_) {
        count += event.isBeep ? 1 : 0;
    }
    return count;
}

} // namespace platform
