#pragma once
// What a program gives the section model file reader: it builds its own points and lines from
// the records handed over and applies its own limits.

#include "platform/core/CString.h"

#include <vector>

enum class SectionKeyword { Title = 1, Node = 2, Line = 3, Site = 4, Bound = 5, Extra = 6 };

class SectionModelHandler {
public:
    virtual ~SectionModelHandler() = default;
    virtual void OnTitle(const CString& title) = 0;
    // The four model-size values (unset where blank).
    virtual void OnModelSize(const double size[4]) = 0;
    // One point record of a NODE, SITE or BOUND (or extra keyword) section.
    // False stops the reading (a limit was passed).
    virtual bool OnPoint(SectionKeyword section, const char* line) = 0;
    // One run of the ground line: the point numbers as written. False stops the reading.
    virtual bool OnLineRun(const std::vector<int>& numbers) = 0;
};
