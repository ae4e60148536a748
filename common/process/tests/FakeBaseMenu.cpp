#include "FakeBaseMenu.h"

#include "common/process/BaseMenuExchange.h"

namespace process_test {

FakeBaseMenu::FakeBaseMenu()
    : slots_{{process::kSectionModelSlot, CString()},
             {process::kMeasurementSlot, CString()},
             {process::kAnalysisSlot, CString()}},
      server_(*this) {}

FakeBaseMenu::~FakeBaseMenu() {
    Stop();
}

bool FakeBaseMenu::Start(bool withBuffer) {
    if ((withBuffer && !buffer_.Create()) || !server_.Register(process::kBaseMenuWindowClass)) {
        return false;
    }
    serving_ = true;
    thread_ = std::thread([this] {
        while (serving_) {
            server_.ServeOnce(20);
        }
    });
    return true;
}

void FakeBaseMenu::Stop() {
    serving_ = false;
    if (thread_.joinable()) {
        thread_.join();
    }
    server_.Unregister();
}

void FakeBaseMenu::SetSlot(int controlId, const CString& text) {
    std::lock_guard<std::mutex> guard(lock_);
    slots_[controlId] = text;
}

CString FakeBaseMenu::Slot(int controlId) {
    std::lock_guard<std::mutex> guard(lock_);
    return slots_[controlId];
}

bool FakeBaseMenu::BringToFront() {
    return true;
}

bool FakeBaseMenu::GetControlText(int controlId, CString& text) {
    std::lock_guard<std::mutex> guard(lock_);
    auto slot = slots_.find(controlId);
    if (slot == slots_.end()) {
        return false;
    }
    text = slot->second;
    return true;
}

bool FakeBaseMenu::SetControlText(int controlId, const CString& text) {
    std::lock_guard<std::mutex> guard(lock_);
    auto slot = slots_.find(controlId);
    if (slot == slots_.end()) {
        return false;
    }
    slot->second = text;
    return true;
}

} // namespace process_test
