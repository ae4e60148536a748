#pragma once
// The print loop of a view: OnPreparePrinting, OnBeginPrinting, then per page OnPrepareDC and
// OnPrint between StartPage and EndPage, then OnEndPrinting - on a printer, into print
// preview, or into a PDF file. With no printer installed, printing writes a PDF beside the
// document (or in the home directory) under a name that does not overwrite a file, and tells
// the user its path.

#include "platform/core/CString.h"

class CView;
class CPrintInfo;
class QPrinter;

namespace platform {

class PrintRunner {
public:
    // The print command.
    static bool Print(CView* view);
    // The print preview command.
    static void Preview(CView* view);
    // Prints every page into a PDF file at pdfPath (UTF-8), through the safe writer; false
    // (and the file untouched) when nothing was printed.
    static bool PrintToPdf(CView* view, const std::string& pdfPath);
    // Step of DoPreparePrinting: asks for a real printer; true to go on.
    static bool PreparePrinting(CView* view, CPrintInfo* info);
    // Runs the pages of a prepared job on printer; returns the number of pages printed.
    static int RunPages(CView* view, CPrintInfo* info, QPrinter* printer);
    // A PDF path beside documentPath (UTF-8) that names no existing file.
    static std::string UnusedPdfPath(const std::string& documentPath);
};

} // namespace platform
