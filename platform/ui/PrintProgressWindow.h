#pragma once
// The window a print job shows while its pages go out: the document, the page being printed
// and a Cancel button. It is modal for the program's window, and the job hands the event
// loop a turn after every page (ShowPage), so that the program keeps painting and Cancel is
// heard without a second thread.

#include "platform/core/CString.h"

#include <QPointer>

class QDialog;
class QLabel;
class QWidget;

namespace platform {

class PrintProgressWindow {
public:
    // Object name of the window (tests find it by it).
    static const char* const kObjectName;

    // documentName: CP932; owner: the window printing (may be null).
    PrintProgressWindow(QWidget* owner, const CString& documentName);
    ~PrintProgressWindow();
    PrintProgressWindow(const PrintProgressWindow&) = delete;
    PrintProgressWindow& operator=(const PrintProgressWindow&) = delete;

    // Shows the page number and lets the event loop run once.
    void ShowPage(unsigned page);
    bool Cancelled() const { return cancelled_; }

private:
    QPointer<QDialog> window_;
    QLabel* page_ = nullptr;
    bool cancelled_ = false;
};

} // namespace platform
