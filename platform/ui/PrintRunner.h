#pragma once
// The print loop of a view: OnPreparePrinting, OnBeginPrinting, then per page OnPrepareDC and
// OnPrint between StartPage and EndPage, then OnEndPrinting - on a printer, into print
// preview, or into a PDF file. The print command asks in the print dialog (printer, page
// range, copies); with no printer installed, a PDF file beside the document that overwrites
// nothing is its one target, and the user is told its path afterwards. A job shows a
// progress window that can cancel it between pages; a job that cannot start says so.

#include "platform/core/CString.h"

class CView;
class CPrintInfo;
class QPrinter;

namespace platform {

class PrintProgressWindow;

class PrintRunner {
public:
    struct Outcome {
        int pages = 0;
        bool started = false;
        bool cancelled = false;
    };

    // The print command.
    static bool Print(CView* view);
    // The print preview command.
    static void Preview(CView* view);
    // Prints every page into a PDF file at pdfPath (UTF-8), through the safe writer; false
    // (and the file untouched) when nothing was printed.
    static bool PrintToPdf(CView* view, const std::string& pdfPath);
    // Step of DoPreparePrinting: the print dialog on info's printer; true to go on.
    static bool PreparePrinting(CView* view, CPrintInfo* info);
    // Runs a prepared job on info's printer with the progress window, and tells the user when
    // it could not start (and where a PDF went when there is no printer).
    static Outcome RunJob(CView* view, CPrintInfo* info);
    // Runs the pages of a prepared job on printer; returns the number of pages printed, -1
    // when the printer cannot start. progress: null for none (print preview).
    static int RunPages(CView* view, CPrintInfo* info, QPrinter* printer,
                        PrintProgressWindow* progress = nullptr);
    // A PDF path beside documentPath (UTF-8) that names no existing file.
    static std::string UnusedPdfPath(const std::string& documentPath);
};

} // namespace platform
