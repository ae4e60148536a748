#pragma once
// A font described as the programs describe it (face name in CP932, height in logical units,
// weight, angle, character set). Japanese Windows face names are substituted by installed
// CJK fonts when the font is selected (see FontSubstitution.h).

#include "platform/core/CString.h"
#include "platform/ui/CGdiObject.h"
#include "platform/ui/GdiTypes.h"

class CDC;

class CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)
public:
    BOOL CreateFontIndirect(const LOGFONT* logFont);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, const char* faceName);

    const LOGFONT& LogFont() const { return logFont_; }

private:
    LOGFONT logFont_;
};
