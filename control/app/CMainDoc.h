#pragma once
// The base menu's document: it holds and stores nothing; the single-document frame needs one.

#include "platform/ui/CDocument.h"

namespace basnev {

class CMainDoc : public CDocument {
    DECLARE_DYNCREATE(CMainDoc)
public:
    CMainDoc() = default;
};

} // namespace basnev
