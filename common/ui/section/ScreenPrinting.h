#pragma once
// The print and preview commands of a section view: what the window shows goes onto one page
// of the default printer after a Yes/No that names the printer, with no print dialog; with no
// printer installed the page goes into a new PDF file beside the document, named in the
// question and again when it is written. The preview shows that page with only a Close
// button. The printer set-up command chooses the paper and its orientation for the pages
// printed afterwards by any section view of the program.

#include "platform/core/CString.h"

class CViewBase;
class CPrintInfo;
class QWidget;

namespace section {

class ScreenPrinting {
public:
    // Longest job name in bytes (a print queue shows no more).
    static constexpr std::size_t kJobNameBytes = 31;

    // The print command; true when the page was printed.
    static bool Print(CViewBase& view);
    // The preview command.
    static void Preview(CViewBase& view);
    // The printer set-up command, over owner.
    static void PrintSetup(QWidget* owner);
    // The job name of a document title: its first 31 bytes, never half a double-byte character.
    static CString JobName(const CString& title);
    // The one-page range every job of a section view has.
    static void SetOnePage(CPrintInfo& info);
};

} // namespace section
