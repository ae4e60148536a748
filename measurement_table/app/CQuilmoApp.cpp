#include "measurement_table/app/CQuilmoApp.h"

#include "measurement_table/app/CGridDlg1.h"
#include "measurement_table/app/CInputMethodDlg.h"
#include "measurement_table/app/TableInputWindowClass.h"
#include "platform/core/DiskNames.h"

#include "common/process/RuntimeDirectory.h"
#include "common/process/WindowClassClient.h"

#include <unistd.h>

namespace quilmo {

namespace {

bool FileExists(const CString& path) {
    return platform::PathExists(path);
}

} // namespace

CQuilmoApp::CQuilmoApp() : CWinApp("quilmo") {}

BOOL CQuilmoApp::InitInstance() {
    const CommandLineNames names = ParseCommandLine(m_args);
    if (names.measurement.IsEmpty()) {
        return FALSE;
    }
    if (!process::ConfirmSuiteRuntimeDirectory()) {
        m_nExitCode = process::kRuntimeDirectoryExitCode;
        return FALSE;
    }
    // A running editor comes forward instead of a second one.
    if (process::BringWindowClassToFront(kTableInputWindowClass) != process::WindowAnswer::NoWindow) {
        return FALSE;
    }
    TableInputWindowClass windowClass;
    windowClass.Register();
    m_strDisFile = names.measurement;
    Run(names.section, names.newFile);
    return FALSE;
}

int CQuilmoApp::ExitInstance() {
    CWinApp::ExitInstance();
    return m_nExitCode;
}

void CQuilmoApp::Run(const CString& sectionFile, bool newFile) {
    Clear();
    if (!sectionFile.IsEmpty() && FileExists(sectionFile)) {
        ReadSecFile(sectionFile);
    }
    m_angle = platform::kUnsetDouble;
    int dimension = 0;
    if (!FileExists(m_strDisFile) && newFile) {
        CInputMethodDlg method;
        if (method.DoModal() != IDOK) {
            return Clear();
        }
        dimension = method.m_nDimension;
    } else {
        if (!ReadDisFile(m_strDisFile)) {
            return Clear();
        }
        dimension = Dimension();
    }
    EditTable(dimension);
    Clear();
}

bool CQuilmoApp::EditTable(int dimension) {
    MatchPoints(dimension);
    CGridDlg1 dialog(nullptr, dimension ? CGridDlg1::kThreeDimensional : CGridDlg1::kTwoDimensional, m_points,
                     m_dates);
    dialog.m_strTitle = m_dataTitle;
    dialog.m_dAngle = m_angle;
    dialog.m_nRows = static_cast<int>(m_dates.size());
    dialog.m_confirm = [this](CGridDlg1& table) { return CheckSave(table); };
    return dialog.DoModal() == IDOK;
}

bool CQuilmoApp::CheckSave(CGridDlg1& dialog) {
    m_dataTitle = dialog.m_strTitle;
    m_angle = dialog.IsThreeDimensional() ? dialog.m_dAngle : platform::kUnsetDouble;
    if (!quilmo::CheckSave(*this, dialog.m_nRows, m_saveEnvironment)) {
        return false;
    }
    // A failed write keeps the table open with everything typed.
    return WriteDisFile(m_strDisFile);
}

} // namespace quilmo
