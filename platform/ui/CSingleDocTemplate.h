#pragma once
// A template whose one document lives in the program's only frame (the main window).

#include "platform/ui/CDocTemplate.h"

class CSingleDocTemplate : public CDocTemplate {
public:
    using CDocTemplate::CDocTemplate;
};
