// The analysis view's commands that edit settings in small dialogs: title registration,
// editing and printing settings, and the displacement-vector display.

#include "analysis/app/CBlockView.h"
#include "analysis/app/CDispDataDlg.h"
#include "analysis/app/CSystemSettingDlg.h"
#include "analysis/app/CTitleRefDlg.h"
#include "analysis/app/CTorvanDoc.h"
#include "analysis/app/CVectorDisplayDlg.h"
#include "analysis/app/SlipLineTreeDlg.h"

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CDispData.h"
#include "common/ui/shell/TitleRegistration.h"
#include "platform/core/MapEntries.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"

namespace torvan {

namespace {

// A reading as the displacement data dialog lists it: its date, then its values in mm.
CString ReadingText(const CDispData& record, int reading, const std::vector<ReadingDate>& dates) {
    CString text;
    const auto index = static_cast<std::size_t>(reading);
    if (index < dates.size()) {
        const ReadingDate& date = dates[index];
        text.Format("%4d %02d %02d %02d %02d", date[0], date[1], date[2], date[3], date[4]);
    }
    const std::vector<double>* columns[4] = {&record.col1, &record.col2, &record.col3, &record.col4};
    const int shown = record.columnMode ? 4 : 2;
    for (int c = 0; c < shown; ++c) {
        const std::vector<double>& column = *columns[c];
        CString value(' ', 9);
        if (index < column.size() && !platform::IsUnsetDouble(column[index])) {
            value.Format(" %8.1lf", column[index] * 1000.0);
        }
        text += value;
    }
    return text;
}

} // namespace

void CBlockView::OnTitleRegister() {
    shell::EditTitleRegistration(ProgramViewSettings(), 193, 150, this, ".idx");
}

void CBlockView::OnSystemSettings() {
    ViewSettings& settings = ProgramViewSettings();
    CSystemSettingDlg dialog(this);
    dialog.m_dNewPoint = settings.newPoint;
    dialog.m_dNewLine = settings.newLine;
    dialog.m_nMonochrome = settings.monochromePrint;
    if (dialog.DoModal() != IDOK) {
        return;
    }
    settings.newPoint = dialog.m_dNewPoint;
    settings.newLine = dialog.m_dNewLine;
    settings.monochromePrint = dialog.m_nMonochrome;
    if (CBlockDoc* model = Model()) {
        model->Snap().m_dSnap = settings.newPoint;
        model->Snap().m_dSnap2 = settings.newPoint * settings.newPoint;
        model->Snap().m_dSecondDistance = settings.newLine;
    }
}

void CBlockView::OnViewDispVector() {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    CVectorDisplayDlg dialog(this);
    const double scale = model->Settings().m_dVectorScale;
    dialog.m_dScale = platform::IsUnsetDouble(scale) ? scale : scale * 100.0;
    dialog.m_nMode = m_display.lines[kLineVector].type;
    if (dialog.DoModal() != IDOK) {
        return;
    }
    model->Settings().m_dVectorScale =
        platform::IsUnsetDouble(dialog.m_dScale) ? dialog.m_dScale : dialog.m_dScale / 100.0;
    m_display.lines[kLineVector].type = dialog.m_nMode;
    ProgramViewSettings().display.lines[kLineVector].type = dialog.m_nMode;
    if (dialog.m_nMode <= 2) {
        model->Settings().m_nVectorMode = dialog.m_nMode;
        model->CalcMaxDisplacement(); // every vector again in the mode
    }
    model->SetModifiedFlag();
    Invalidate();
}

void CBlockView::OnEditDispData() {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    if (model->Displacements().IsEmpty()) {
        AfxMessageBox(u8"変位ﾃﾞｰﾀが定義されていません");
        return;
    }
    CDispDataDlg dialog(this);
    for (auto [key, record] : platform::MapEntries<const CDispData>(model->Displacements())) {
        CDispDataDlg::Point point;
        point.name = record->name;
        point.use = record->inUse ? 1 : 0;
        point.beta = record->beta;
        for (int i = 0; i < record->count; ++i) {
            point.readings.push_back(ReadingText(*record, i, model->ReadingDates()));
            const auto index = static_cast<std::size_t>(i);
            point.readingUsed.push_back(index < record->readingUsed.size() && record->readingUsed[index] ? 1
                                                                                                         : 0);
        }
        dialog.m_points.push_back(point);
    }
    if (dialog.DoModal() != IDOK) {
        return;
    }
    std::size_t next = 0;
    for (auto [key, record] : platform::MapEntries<CDispData>(model->Displacements())) {
        const CDispDataDlg::Point& point = dialog.m_points[next++];
        record->readingUsed.resize(point.readingUsed.size());
        std::copy(point.readingUsed.begin(), point.readingUsed.end(), record->readingUsed.begin());
        record->inUse = point.use && record->UsableCount() > 0 ? 1 : 0; // no reading chosen: out of use
        record->beta = point.beta;
    }
    model->CalcMaxDisplacement();
    model->SetModifiedFlag();
    Invalidate();
}

void CBlockView::OnTitleAndRefFiles() {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    const ViewSettings& settings = ProgramViewSettings();
    CTitleRefDlg dialog(this);
    dialog.m_strTitle = model->AnalysisTitle();
    dialog.m_strSectionFile = model->SectionFile();
    dialog.m_strDispFile = model->DispFile();
    dialog.m_titles = TitleRegistration(settings.titleFile, settings.titleAutomatic, settings.titleMaxCount);
    const int result = dialog.DoModal();
    if (result == IDCANCEL) {
        return;
    }
    model->SetAnalysisTitle(dialog.m_strTitle);
    model->SetSectionFile(dialog.m_strSectionFile);
    model->SetDispFile(dialog.m_strDispFile);
    model->SetModifiedFlag();
    if (result != CTitleRefDlg::kUpdateFiles) {
        return;
    }
    model->DeleteContents();
    Selection().RemoveAll();
    ForgetDrawRange();
    model->ReloadReferenceFiles();
    GiveSettingsToDocument(); // the vector mode again, and the largest displacement
    Zoom(nullptr, nullptr, 20, FALSE);
    if (m_pTreeDlg) {
        m_pTreeDlg->FillTree(); // the slip lines and points it listed are gone
    }
    Invalidate();
}

} // namespace torvan
