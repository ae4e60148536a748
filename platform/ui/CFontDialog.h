#pragma once
// The common font dialog, built in code with the controls of the common font template
// (face list 1136, style list 1137, size list 1138, colour box 1139, their labels 1088 to
// 1091, effects 1040/1041, sample 1092), so that the programs' own templates can hide rows
// by control id. The face list offers the installed families; a Japanese Windows face
// name given in the initial LOGFONT is shown as the family it is drawn with (see
// FontSubstitution.h) and is handed back unchanged when the user keeps that family.

#include "platform/core/CString.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/GdiTypes.h"

#include <QFont>
#include <QStringList>

class CDC;
class QBoxLayout;
class QComboBox;
class QLabel;
class QListWidget;

enum : DWORD {
    CF_SCREENFONTS = 0x1,
    CF_PRINTERFONTS = 0x2,
    CF_BOTH = 0x3,
    CF_SHOWHELP = 0x4,
    CF_ENABLETEMPLATE = 0x10,
    CF_INITTOLOGFONTSTRUCT = 0x40,
    CF_EFFECTS = 0x100,
    CF_LIMITSIZE = 0x2000,
    CF_FIXEDPITCHONLY = 0x4000,
    CF_WYSIWYG = 0x8000,
    CF_FORCEFONTEXIST = 0x10000,
    CF_SCALABLEONLY = 0x20000,
    CF_TTONLY = 0x40000,
    CF_NOSIZESEL = 0x200000,
};

struct CHOOSEFONT {
    DWORD Flags = 0;
    int iPointSize = 0;     // tenths of a point, set on OK
    COLORREF rgbColors = 0; // initial colour; the chosen one on OK
    int nSizeMin = 0;       // points, with CF_LIMITSIZE
    int nSizeMax = 0;
};

class CFontDialog : public CDialog {
    DECLARE_DYNAMIC(CFontDialog)
public:
    // Control ids of the common font template.
    enum : int {
        kFaceLabel = 1088,
        kStyleLabel = 1089,
        kSizeLabel = 1090,
        kColorLabel = 1091,
        kSample = 1092,
        kFaceList = 1136,
        kStyleList = 1137,
        kSizeList = 1138,
        kColorBox = 1139,
        kStrikeOut = 1040,
        kUnderline = 1041,
    };

    explicit CFontDialog(const LOGFONT* initial = nullptr, DWORD flags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC* printerDC = nullptr, CWnd* parent = nullptr, UINT templateId = 0);

    int DoModal() override;
    void OnOK() override;

    // The font as chosen now (while open) or on OK.
    void GetCurrentFont(LOGFONT* logFont) const;
    CString GetFaceName() const;
    int GetSize() const; // tenths of a point
    COLORREF GetColor() const;
    int GetWeight() const;
    BOOL IsBold() const;
    BOOL IsItalic() const;
    BOOL IsUnderline() const;
    BOOL IsStrikeOut() const;
    // The chosen font as Qt draws it (the sample's font).
    QFont CurrentQFont() const;

    // Picks a face, a size (points) or a colour as the user would.
    BOOL SelectFace(const QString& family);
    BOOL SelectSize(int points);
    BOOL SelectColor(COLORREF color);
    // The families the face list offers.
    QStringList Faces() const;

    // The 16 colours of the colour box.
    static COLORREF BoxColor(int index);

    CHOOSEFONT m_cf;
    LOGFONT m_lf;

protected:
    void CreateControls() override;
    BOOL OnInitDialog() override;
    // Called after any change of face, style, size, colour or effect.
    virtual void OnFontChange();
    // The area below the standard rows where own templates add their controls.
    QBoxLayout* ExtraArea() const { return extraArea_; }

private:
    void FillFaces();
    void FillSizes();
    void ShowInitialFont();
    bool SizeChosen() const;
    int Dpi() const;

    CDC* printerDC_;
    QString initialFamily_;
    QListWidget* faces_ = nullptr;
    QListWidget* styles_ = nullptr;
    QListWidget* sizes_ = nullptr;
    QComboBox* colors_ = nullptr;
    QLabel* sample_ = nullptr;
    QBoxLayout* extraArea_ = nullptr;
};
