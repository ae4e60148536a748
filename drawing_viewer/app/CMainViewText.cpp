// The view's string commands: placing and editing strings through the string input dialog,
// selection, deletion, size change and the face of the plot fonts.

#include "drawing_viewer/app/CMainView.h"
#include "drawing_viewer/app/CStringInputDlg.h"
#include "drawing_viewer/app/CStringSizeDlg.h"
#include "drawing_viewer/app/CViewerDoc.h"
#include "drawing_viewer/app/CZaphoApp.h"
#include "drawing_viewer/app/ViewTexts.h"

#include "common/records/TextHelpers.h"
#include "common/ui/dialogs/CFontMyDialog.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CFont.h"

#include <QTimer>
#include <QWidget>
#include <cmath>
#include <cstring>

namespace zapho {

namespace {

constexpr double kDefaultSize = 2.5; // mm
constexpr int kFullTurn = 3600;      // tenths of a degree

// The font entry's values a string dialog shows and gives back.
struct FontChoice {
    int height = 0; // plot units
    int spacing = 0;
    int escapement = 0;
};

int Tenths(double millimetres) {
    return static_cast<int>(std::lround(millimetres * 10.0));
}

// The fields both the new-text and the change-text dialogs fill alike: the paper in
// millimetres and the title registration of the settings.
void FillPaperAndTitles(CStringInputDlg& dialog, double paperW, double paperH,
                        const ViewerSettings& settings) {
    dialog.m_dPaperW = paperW / 100.0;
    dialog.m_dPaperH = paperH / 100.0;
    dialog.m_strTitleFile = settings.titleFile;
    dialog.m_nAutomatic = settings.automatic;
    dialog.m_nMaxCount = settings.maxCount;
}

FontChoice ChoiceOf(const CStringInputDlg& dialog) {
    FontChoice choice;
    choice.height = Tenths(dialog.m_dSize);
    choice.spacing = Tenths(dialog.m_dSpacing);
    const int tenths = Tenths(dialog.m_dAngle);
    choice.escapement = tenths != 0 ? kFullTurn - tenths : 0;
    if (choice.escapement == kFullTurn || choice.escapement == 0) {
        choice.escapement = 0;
    }
    return choice;
}

} // namespace

void CMainView::OnStringInput() {
    SetMode(kStringInputMode, 0, kPromptStringInput);
    DeselectAllStrings();
}

void CMainView::OnStringSelect() {
    SetMode(kStringSelectMode, 2, kPromptStringSelect);
    DeselectAllStrings();
}

void CMainView::PostAddString(int x, int y) {
    if (QWidget* canvas = GetCanvasWidget()) {
        QTimer::singleShot(0, canvas, [this, x, y] { AddStringData(x, y); });
    }
}

void CMainView::PostReplaceString(int index) {
    if (QWidget* canvas = GetCanvasWidget()) {
        QTimer::singleShot(0, canvas, [this, index] { ReplaceStringData(index); });
    }
}

void CMainView::AddStringData(int x, int y) {
    const ViewerSettings& settings = ZaphoApp().State().settings;
    CStringInputDlg dialog(this);
    dialog.m_dSpacing = 0.0;
    dialog.m_dSize = kDefaultSize;
    dialog.m_dAngle = 0.0;
    dialog.m_bErase = FALSE;
    dialog.m_nColor = 0;
    dialog.m_nAlign = CPlotString::kAlignBottom;
    dialog.m_dX = x / 100.0;
    dialog.m_dY = y / 100.0;
    FillPaperAndTitles(dialog, m_dPaperW, m_dPaperH, settings);
    if (dialog.DoModal() != IDOK) {
        return;
    }
    const FontChoice choice = ChoiceOf(dialog);
    const int font = Data().m_drawing.GetNewFontIndex(choice.height, 0, choice.escapement, choice.spacing);
    if (font < 0) {
        return;
    }
    auto text = std::make_unique<CPlotString>(static_cast<int>(std::lround(dialog.m_dX * 100.0)),
                                              static_cast<int>(std::lround(dialog.m_dY * 100.0)),
                                              dialog.m_strText, font, dialog.m_bErase ? 1 : 0);
    text->m_nAlign = dialog.m_nAlign;
    text->m_nColor = dialog.m_nColor;
    text->m_nEscapement = choice.escapement;
    const CSize extent = MeasureString(text->m_text, font, text->m_nAlign);
    text->m_nTextWidth = extent.cx;
    text->m_nTextHeight = extent.cy;
    PageTexts().push_back(std::move(text));
    StringsChanged(true);
}

void CMainView::ReplaceStringData(int index) {
    auto& texts = PageTexts();
    if (index < 0 || index >= static_cast<int>(texts.size())) {
        return;
    }
    CPlotString& text = *texts[static_cast<std::size_t>(index)];
    const auto& fonts = Data().m_drawing.m_fonts;
    const ViewerSettings& settings = ZaphoApp().State().settings;
    CStringInputDlg dialog(this);
    dialog.m_dSize = kDefaultSize;
    dialog.m_dAngle = 0.0;
    dialog.m_dSpacing = 0.0;
    if (text.m_nFont >= 0 && text.m_nFont < static_cast<int>(fonts.size())) {
        const CPlotFont& entry = *fonts[static_cast<std::size_t>(text.m_nFont)];
        dialog.m_dSize = entry.m_nHeight / 10.0;
        dialog.m_dAngle = entry.m_nEscapement != 0 ? (kFullTurn - entry.m_nEscapement) / 10.0 : 0.0;
        dialog.m_dSpacing = entry.m_nSpacing / 10.0;
        dialog.m_bErase = text.m_nOpaque == 1 ? TRUE : FALSE;
    }
    dialog.m_nAlign = text.m_nAlign;
    dialog.m_nColor = text.m_nColor;
    dialog.m_dX = text.m_x / 100.0;
    dialog.m_dY = text.m_y / 100.0;
    dialog.m_strText = text.m_text;
    FillPaperAndTitles(dialog, m_dPaperW, m_dPaperH, settings);
    if (dialog.DoModal() != IDOK) {
        return;
    }
    const FontChoice choice = ChoiceOf(dialog);
    const int font = Data().m_drawing.GetNewFontIndex(choice.height, 0, choice.escapement, choice.spacing);
    if (font < 0) {
        return;
    }
    text.m_text = dialog.m_strText;
    text.m_nAlign = dialog.m_nAlign;
    text.m_nColor = dialog.m_nColor;
    text.m_nEscapement = choice.escapement;
    const CSize extent = MeasureString(text.m_text, font, text.m_nAlign);
    text.m_nTextWidth = extent.cx;
    text.m_nTextHeight = extent.cy;
    text.m_x = static_cast<int>(std::lround(dialog.m_dX * 100.0));
    text.m_y = static_cast<int>(std::lround(dialog.m_dY * 100.0));
    text.m_nFont = font;
    text.m_nOpaque = dialog.m_bErase ? 1 : 0;
    StringsChanged(true);
}

CSize CMainView::MeasureString(const CString& text, int fontIndex, int align) const {
    const auto& fonts = Data().m_drawing.m_fonts;
    if (fontIndex < 0 || fontIndex >= static_cast<int>(fonts.size())) {
        return CSize(0, 0);
    }
    const CPlotFont& entry = *fonts[static_cast<std::size_t>(fontIndex)];
    LOGFONT logFont;
    logFont.lfHeight = entry.m_nHeight;
    logFont.lfWidth = entry.m_nWidth;
    logFont.lfCharSet = static_cast<BYTE>(entry.m_nCharSet);
    logFont.lfClipPrecision = static_cast<BYTE>(entry.m_nClipPrecision);
    std::strncpy(logFont.lfFaceName, entry.m_faceName.GetString(), sizeof logFont.lfFaceName - 1);
    auto* self = const_cast<CMainView*>(this);
    CClientDC dc(self);
    self->OnPrepareDC(&dc);
    CFont font;
    font.CreateFontIndirect(&logFont);
    CFont* old = dc.SelectObject(&font);
    dc.SetTextAlign(static_cast<UINT>(align));
    dc.SetTextCharacterExtra(entry.m_nSpacing);
    const CSize extent = dc.GetTextExtent(text);
    dc.SelectObject(old);
    return extent;
}

void CMainView::StringsChanged(bool modified) {
    if (modified && GetDocument()) {
        GetDocument()->SetModifiedFlag(TRUE);
    }
    Invalidate();
}

void CMainView::OnStringDelete() {
    auto& texts = PageTexts();
    const auto kept =
        std::remove_if(texts.begin(), texts.end(), [](const auto& text) { return text->m_nSelect == 1; });
    const bool removed = kept != texts.end();
    texts.erase(kept, texts.end());
    // A deletion is a change of the drawing: closing without saving must ask.
    StringsChanged(removed);
}

void CMainView::OnStringSize() {
    auto& texts = PageTexts();
    const auto& fonts = Data().m_drawing.m_fonts;
    const CPlotString* only = nullptr;
    int count = 0;
    for (const auto& text : texts) {
        if (text->m_nSelect == 1) {
            only = text.get();
            ++count;
        }
    }
    if (count == 0) {
        AfxMessageBox(u8"選択文字がありません");
        return;
    }
    CStringSizeDlg dialog(this);
    dialog.m_dSize = kDefaultSize;
    if (count == 1 && only->m_nFont >= 0 && only->m_nFont < static_cast<int>(fonts.size())) {
        dialog.m_dSize = fonts[static_cast<std::size_t>(only->m_nFont)]->m_nHeight / 10.0;
    }
    if (dialog.DoModal() != IDOK) {
        return;
    }
    const int height = Tenths(dialog.m_dSize);
    for (const auto& text : texts) {
        if (text->m_nSelect != 1 || text->m_nFont < 0 || text->m_nFont >= static_cast<int>(fonts.size())) {
            continue;
        }
        // Copied first: a new entry may move the list.
        const CPlotFont entry = *fonts[static_cast<std::size_t>(text->m_nFont)];
        const int font =
            Data().m_drawing.GetNewFontIndex(height, entry.m_nWidth, entry.m_nEscapement, entry.m_nSpacing);
        if (font < 0) {
            continue;
        }
        text->m_nFont = font;
        const CSize extent = MeasureString(text->m_text, font, text->m_nAlign);
        text->m_nTextWidth = extent.cx;
        text->m_nTextHeight = extent.cy;
    }
    StringsChanged(true);
}

void CMainView::OnStringFont() {
    // The faces offered are the system's scalable ones; no printer is needed to choose.
    CFontMyDialog dialog(&m_logfont,
                         CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_ENABLETEMPLATE | CF_SCALABLEONLY |
                             CF_NOSIZESEL,
                         nullptr, this);
    dialog.m_strCaption = CString(u8"作図フォント");
    dialog.m_nMode = 3;
    if (dialog.DoModal() != IDOK) {
        return;
    }
    const CString face = CutToWidth(dialog.GetFaceName(), CPlotFont::kMaxFaceBytes);
    std::memset(m_logfont.lfFaceName, 0, sizeof m_logfont.lfFaceName);
    std::strncpy(m_logfont.lfFaceName, face.GetString(), CPlotFont::kMaxFaceBytes);
    PlotDrawing& drawing = Data().m_drawing;
    drawing.m_plotFace = face;
    for (auto& font : drawing.m_fonts) {
        font->SetFaceName(face);
    }
    m_bRedraw = true;
    // The face is part of the drawing as the figure file keeps it.
    StringsChanged(!drawing.m_fonts.empty());
}

} // namespace zapho
