#include "control/app/CMainView1.h"

#include "common/process/ChildLauncher.h"
#include "common/records/TextHelpers.h"
#include "control/app/CBasnevApp.h"
#include "control/app/CFileDetailDlg.h"
#include "control/core/ChosenName.h"
#include "control/core/DataFileKind.h"
#include "control/core/RunningPrograms.h"
#include "control/core/SloReferences.h"
#include "platform/core/CFile.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CWaitCursor.h"
#include "platform/ui/QtText.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QValidator>
#include <algorithm>
#include <climits>
#include <strings.h>

namespace basnev {

IMPLEMENT_DYNCREATE(CMainView1, CFormView)

namespace {

enum ControlId {
    kSectionModelButton = 104,
    kMeasureInputButton = 105,
    kSlipAnalysisButton = 106,
    kDrawingEditButton = 108,
    kAnalysisLogButton = 109,
    kExitButton = 111,
    kSectionSetButton = 119,
    kMeasurementSetButton = 120,
    kAnalysisSetButton = 121,
    kSectionEdit = 231,
    kMeasurementEdit = 232,
    kAnalysisEdit = 233,
    kProgramsLabel = 350,
};

// A slot never holds fewer characters than the longest path the system takes.
constexpr int kSlotLengthLimit = PATH_MAX - 1;
const QColor kFormColor(255, 255, 210);

// What is typed into a slot must stay a name the suite's files can hold (CP932: a character
// it cannot hold would reach the settings file and the children as another name) and the
// system can open (its path limit).
class SlotNameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        CString bytes;
        return platform::FromQString(input, bytes) && CFile::FitsPathLimit(bytes) ? Acceptable : Invalid;
    }
};

QLineEdit* MakeSlotEdit() {
    auto* edit = new QLineEdit;
    edit->setMaxLength(kSlotLengthLimit);
    edit->setValidator(new SlotNameValidator(edit));
    return edit;
}

QLabel* MakeLabel(const char8_t* text) {
    auto* label = new QLabel(platform::ToQString(text));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton* MakeButton(const char8_t* text) {
    return new QPushButton(platform::ToQString(text));
}

CBasnevApp* App() {
    return static_cast<CBasnevApp*>(AfxGetApp());
}

bool Exists(const CString& path) {
    return basnev::FileExists(path);
}

} // namespace

CMainView1::CMainView1() : CFormView(IDD) {
    SetFormFont(CString(u8"ＭＳ ゴシック"), 10);
}

CMainView1::~CMainView1() = default;

void CMainView1::CreateControls() {
    SetFormBackground(kFormColor);
    PlaceControl(kSectionModelButton, MakeButton(u8"断面ﾓﾃﾞﾙ作成"), 18, 32, 75, 15);
    PlaceControl(kMeasureInputButton, MakeButton(u8"計測ﾃﾞｰﾀ入力"), 18, 62, 75, 15);
    PlaceControl(kSlipAnalysisButton, MakeButton(u8"すべり線推定解析"), 18, 92, 76, 15);
    PlaceControl(kDrawingEditButton, MakeButton(u8"図面編集･印刷"), 151, 127, 63, 15);
    PlaceControl(kAnalysisLogButton, MakeButton(u8"解析実行ﾛｸﾞ"), 229, 126, 63, 15);
    PlaceControl(kExitButton, MakeButton(u8"終了"), 20, 129, 57, 15);
    PlaceControl(kSectionEdit, MakeSlotEdit(), 103, 34, 153, 12);
    PlaceControl(kMeasurementEdit, MakeSlotEdit(), 103, 64, 153, 12);
    PlaceControl(kSectionSetButton, MakeButton(u8"設定..."), 262, 33, 36, 15);
    PlaceControl(kMeasurementSetButton, MakeButton(u8"設定..."), 262, 63, 36, 15);
    PlaceControl(kProgramsLabel, MakeLabel(u8"処理プログラム"), 16, 11, 76, 8);
    PlaceControl(kNoControlId, MakeLabel(u8"参照ファイル"), 135, 11, 76, 8);
    PlaceControl(kAnalysisEdit, MakeSlotEdit(), 103, 93, 153, 12);
    PlaceControl(kAnalysisSetButton, MakeButton(u8"設定..."), 263, 92, 36, 15);
    ConnectCommands();
}

void CMainView1::ConnectCommands() {
    MapCommand(kSectionModelButton, [this] { OnSectionModel(); });
    MapCommand(kMeasureInputButton, [this] { OnMeasureInput(); });
    MapCommand(kSlipAnalysisButton, [this] { OnSlipAnalysis(); });
    MapCommand(kDrawingEditButton, [this] { OnDrawingEdit(); });
    MapCommand(kAnalysisLogButton, [this] { OnAnalysisLog(); });
    MapCommand(kExitButton, [this] { OnExit(); });
    MapCommand(kSectionSetButton, [this] { OnSetFileButton(basnev::kSectionFile, kSectionEdit); });
    MapCommand(kMeasurementSetButton,
               [this] { OnSetFileButton(basnev::kMeasurementFile, kMeasurementEdit); });
    MapCommand(kAnalysisSetButton, [this] { OnSetFileButton(basnev::kAnalysisFile, kAnalysisEdit); });
}

void CMainView1::OnInitialUpdate() {
    throttle_ = process::LaunchThrottle();
    const basnev::InputFileNames& names = App()->SlotNames();
    SetSlotText(kSectionEdit, names.section);
    SetSlotText(kMeasurementEdit, names.measurement);
    SetSlotText(kAnalysisEdit, names.analysis);
    if (App()->DefaultDirectory().IsEmpty()) {
        App()->SetDefaultDirectory(basnev::DataDirectoryBesideProgram(App()->ProgramDirectory()));
    }
    FitFrameToForm();
    if (!nameBuffer_.IsOpen() && !nameBuffer_.Create()) {
        AfxMessageBox(u8"共有メモリ作成失敗");
    }
    nameBuffer_.Zero();
}

void CMainView1::FitFrameToForm() {
    CFrameWnd* frame = GetParentFrame();
    QMainWindow* window = frame ? frame->MainWindow() : nullptr;
    const QSize size = FittingSize();
    if (!window || size.isEmpty()) {
        return;
    }
    window->setFixedSize(size);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    }
}

CString CMainView1::SlotText(int editId) const {
    CString text;
    GetDlgItemText(editId, text);
    return text;
}

bool CMainView1::SetSlotText(int editId, const CString& text) {
    auto* edit = qobject_cast<QLineEdit*>(GetDlgItemWidget(editId));
    if (!edit || (editId != kSectionEdit && editId != kMeasurementEdit && editId != kAnalysisEdit)) {
        return false;
    }
    const QString shown = platform::ToQString(text);
    edit->setMaxLength(std::max(kSlotLengthLimit, static_cast<int>(shown.size())));
    edit->setText(shown);
    edit->end(false); // a long path shows its end: the file's name
    return true;
}

basnev::SlotTexts CMainView1::CurrentSlotTexts() const {
    return {SlotText(kSectionEdit), SlotText(kMeasurementEdit), SlotText(kAnalysisEdit)};
}

void CMainView1::TakeOverSlotTexts() {
    const basnev::SlotTexts texts = CurrentSlotTexts();
    App()->SetFormNames(texts.section, texts.measurement, texts.analysis);
}

void CMainView1::StartChildProgram(const basnev::LaunchRequest& request) {
    if (!request.refusal.IsEmpty()) {
        AfxMessageBox(request.refusal);
        return;
    }
    if (!throttle_.Allow()) {
        return;
    }
    const CString programFile = basnev::ChildProgramFile(request.programId);
    if (programFile.IsEmpty()) {
        return;
    }
    if (starter_) {
        starter_(programFile, request.arguments);
        return;
    }
    CWaitCursor wait;
    LaunchChildProgram(programFile, request.arguments);
}

void CMainView1::OnSectionModel() {
    StartChildProgram(basnev::SectionModelRequest(CurrentSlotTexts(), Exists));
}
void CMainView1::OnMeasureInput() {
    StartChildProgram(basnev::MeasureInputRequest(CurrentSlotTexts(), Exists));
}
void CMainView1::OnSlipAnalysis() {
    StartChildProgram(basnev::SlipAnalysisRequest(CurrentSlotTexts(), Exists));
}
void CMainView1::OnDrawingEdit() {
    StartChildProgram(basnev::DrawingEditRequest());
}
void CMainView1::OnAnalysisLog() {
    StartChildProgram(basnev::AnalysisLogRequest(CurrentSlotTexts()));
}

void CMainView1::OnSetFileButton(int kind, int editId) {
    CString name = SlotText(editId);
    name.Trim();
    if (!name.IsEmpty() && !basnev::FileExists(name) && !basnev::CanCreateFile(name)) {
        AfxMessageBox(u8"指定ﾌｧｲﾙ名ｴﾗｰ !!! ｸﾘｱして再度設定ﾎﾞﾀﾝをｸﾘｯｸして下さい");
        return;
    }
    if (!ChooseFile(kind, name)) {
        return;
    }
    if (kind == basnev::kAnalysisFile && basnev::FileExists(name)) {
        if (basnev::IsAnyChildRunning()) {
            AfxMessageBox(u8"本ｼｽﾃﾑのﾌﾟﾛｸﾞﾗﾑが実行されているため、既存の解析ﾌｧｲﾙ名の指定はできません");
            return;
        }
        ReplaceReferencedNames(name);
    }
    SetSlotText(editId, name);
}

void CMainView1::ReplaceReferencedNames(const CString& analysisPath) {
    CString section;
    CString measurement;
    if (!basnev::ReadSloReferences(analysisPath, section, measurement)) {
        return;
    }
    // Names as the file system spells them: a difference in letter case is a different file.
    if (section != SlotText(kSectionEdit) || measurement != SlotText(kMeasurementEdit)) {
        CString question;
        question.Format(
            CString(u8"解析ﾌｧｲﾙで使用しているﾌｧｲﾙは以下の通りです。\n\n  断面ﾌｧｲﾙ %s\n  計測ﾌｧｲﾙ %s\n\n"
                    u8" 基本ﾒﾆｭｰの参照ﾌｧｲﾙ名を置き換えますか？"),
            section.GetString(), measurement.GetString());
        if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES) {
            return;
        }
    }
    PutReferencedName(kSectionEdit, section, u8"ﾌｧｲﾙが見つからないため、置き換えできません\n\n  断面ﾌｧｲﾙ %s");
    PutReferencedName(kMeasurementEdit, measurement,
                      u8"ﾌｧｲﾙが見つからないため、置き換えできません\n\n  計測変位ﾌｧｲﾙ %s");
}

void CMainView1::PutReferencedName(int editId, const CString& name, const char8_t* notFoundMessage) {
    if (!basnev::FileExists(name)) {
        CString message;
        message.Format(CString(notFoundMessage), name.GetString());
        AfxMessageBox(message);
        return;
    }
    SetSlotText(editId, name);
}

bool CMainView1::ChooseFile(int kind, CString& name) {
    if (kind == basnev::kSectionFile && (basnev::IsProgramRunning(basnev::kSectionEditorFirst) ||
                                         basnev::IsProgramRunning(basnev::kSectionEditorSecond))) {
        AfxMessageBox(u8"断面ﾓﾃﾞﾙ作成ﾌﾟﾛｸﾞﾗﾑが実行されているため、断面ﾌｧｲﾙ名の変更はできません");
        return false;
    }
    if (kind == basnev::kAnalysisFile && (basnev::IsProgramRunning(basnev::kAnalysisFirst) ||
                                          basnev::IsProgramRunning(basnev::kAnalysisSecond))) {
        AfxMessageBox(u8"すべり線推定解析ﾌﾟﾛｸﾞﾗﾑが実行されているため、解析ﾌｧｲﾙ名の変更はできません");
        return false;
    }
    CString directory;
    SplitPath(name, &directory, nullptr, nullptr);
    if (directory.IsEmpty()) {
        directory = App()->DefaultDirectory();
    }
    const bool chosen =
        chooser_ ? chooser_(kind, name, directory) : CFileDetailDlg::Choose(this, kind, name, directory);
    if (!chosen) {
        return false;
    }
    if (!directory.IsEmpty()) {
        App()->SetDefaultDirectory(directory);
    }
    return true;
}

void CMainView1::OnExit() {
    if (basnev::IsAnyChildRunning()) {
        AfxMessageBox(u8"本ｼｽﾃﾑのﾌﾟﾛｸﾞﾗﾑが実行されているため、終了できません");
        return;
    }
    TakeOverSlotTexts();
    if (CFrameWnd* frame = GetParentFrame()) {
        if (QWidget* window = frame->GetWidget()) {
            window->close();
        }
    }
}

} // namespace basnev
