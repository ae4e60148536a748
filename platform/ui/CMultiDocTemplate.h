#pragma once
// A template whose documents open in child frames of the MDI main frame.

#include "platform/ui/CDocTemplate.h"

class CMultiDocTemplate : public CDocTemplate {
public:
    using CDocTemplate::CDocTemplate;
};
