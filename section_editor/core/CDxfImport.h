#pragma once
// The section model editor's DXF import once its dialog has closed with OK: the question
// that starts it, the reading of the file named in the document's DXF settings into the
// model, and what the user is told afterwards.
//
// An import that fails, or finds nothing to take, leaves the model as it was before the
// question (also when the model was to be emptied first, and when the drawing was to be
// added). A limit or a cancel part way keeps what was read. Emptying the model keeps the
// document's file name.

#include "common/dxf/CDxfImportProgress.h"

namespace merdok {

class CBlockDoc;

class CDxfImport {
public:
    enum class Result { kFailed, kNothingFound, kImported };

    explicit CDxfImport(CBlockDoc& doc) : doc_(doc) {}

    // The question (Yes/No) for the document's clear flag and points; true on Yes.
    bool Confirm() const;
    // Reads the file. Every record of the model may be replaced by a copy, so the caller
    // holds no pointer to one (its selection is empty). The progress display may be null.
    Result Run(CDxfImportProgress* progress);

private:
    CBlockDoc& doc_;
};

} // namespace merdok
