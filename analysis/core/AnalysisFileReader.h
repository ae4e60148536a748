#pragma once
// Reads an analysis file (".slo") into its document, with the section model and
// measurement files it names: the settings, block lines, boundary points, weights and
// exclusions, and slip lines. The user sees the same messages as ever; the result also
// tells a caller where the reading stopped.

#include "platform/core/CString.h"

class CTextFile;

namespace torvan {

class CBlockDoc;

// Why a reading stopped.
enum class AnalysisReadError {
    kNone,           // the whole file was read
    kCannotOpen,     // the file did not open (line 0)
    kFormatTag,      // the first line is no title line with one of the two format tags
    kMissingSection, // the line does not start the section that must come next
    kReferenceFile,  // the section model or measurement file this line names was not taken
    kEarlyEnd,       // the file ended before the line a record needs
    kReadFailure,    // the line could not be read
    kOutOfMemory,
};

struct AnalysisReadResult {
    AnalysisReadError error = AnalysisReadError::kNone;
    // The 1-based number of the line the reading stopped at, and its text as read (empty
    // for a line that could not be read, and after running out of memory).
    int line = 0;
    CString text;
    // The user chose a reference file other than the one the file names.
    bool changed = false;
    bool Ok() const { return error == AnalysisReadError::kNone; }
};

class AnalysisFileReader {
public:
    explicit AnalysisFileReader(CBlockDoc& doc) : doc_(doc) {}

    // What was read before a failure stays in the document. A file that ends early is a
    // failure: saved again, a part of it would lose the rest.
    AnalysisReadResult Read(const char* path);

private:
    // The title and the two reference lines, then the referenced files; false when a
    // reference file was not taken.
    bool ReadHead(CTextFile& file);
    bool ReadReferences(const CString& sectionLine, int sectionLineNumber, const CString& dispLine);
    // Reads one referenced file; a read error inside it (its message shown) stops at line.
    bool TakeReference(bool section, const CString& name, int line, const CString& text);
    void ReadSections(CTextFile& file);
    void ReadSettings(CTextFile& file);
    void ReadBlockLines(CTextFile& file, const CString& keywordLine);
    void ReadBoundaryPoints(CTextFile& file);
    void ReadExclusions(CTextFile& file);
    void ReadSlipLines(CTextFile& file);
    // Takes the section model's boundary points where the analysis file has an outdated one
    // of the same name, and enters the boundary points in the entry order.
    void FinishBoundaryPoints();
    // After the last section: the read error message, thrown on, when damage ended the reading.
    void RefuseDamagedLastLine(const CTextFile& file);

    // The next line, which must be there (at the end: the premature-end message, thrown on).
    CString NextLine(CTextFile& file);
    // The section keyword the last line must start with; else the read error message, thrown on.
    void ExpectKeyword(const char* keyword);
    void StopAt(AnalysisReadError error, int line, const CString& text);

    CBlockDoc& doc_;
    CString path_;
    int version_ = 0;
    int lastLine_ = 0;
    CString lastText_;
    AnalysisReadResult result_;
};

} // namespace torvan
