#pragma once
// Message sink for tests: records every message box and beep, answers questions from
// a queue of scripted answers (the box's default button when the queue is empty).
// Installs itself for its lifetime.

#include "platform/core/MessageSink.h"

#include <deque>
#include <string>
#include <vector>

namespace platform {

class RecordingSink : public MessageSink {
public:
    struct Event {
        bool isBeep;
        CString text; // CP932, empty for a beep
        CString caption;
        UINT type;
    };

    RecordingSink();
    ~RecordingSink() override;
    RecordingSink(const RecordingSink&) = delete;
    RecordingSink& operator=(const RecordingSink&) = delete;

    int ShowMessage(const CString& text, const CString& caption, UINT type) override;
    void Beep(UINT type) override;

    void QueueAnswer(int buttonId) { answers_.push_back(buttonId); }

    const std::vector<Event>& Events() const { return events_; }
    // Texts of the message boxes, converted to UTF-8 for comparison with u8 literals.
    std::vector<std::string> MessagesUtf8() const;
    // The last message box's text in UTF-8, empty when none.
    std::string LastMessageUtf8() const;
    int MessageCount() const;
    int BeepCount() const;
    void Clear() { events_.clear(); }

private:
    MessageSink* previous_;
    std::vector<Event> events_;
    std::deque<int> answers_;
};

// Compares a UTF-8 expectation given as a u8 literal.
inline std::string Utf8(const char8_t* text) {
    return std::string(reinterpret_cast<const char*>(text));
}

} // namespace platform
