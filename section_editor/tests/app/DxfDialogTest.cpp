// The DXF import dialog in front of the import: the entries it refuses, each with one
// message, and an accepted import that the view then shows whole; a cancelled import and a
// DXF written leave the model unchanged.

#include "MerdokViewProgram.h"

#include "section_editor/app/CBlockView.h"
#include "section_editor/app/CDxfFileDlg.h"
#include "section_editor/app/CMerdokDoc.h"
#include "section_editor/app/MerdokIds.h"

#include "common/ui/dialogs/COutputFileDlg.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/DialogScript.h"
#include "section_editor/core/CBlockDoc.h"
#include "testsupport/Fixtures.h"

#include <QApplication>
#include <QListWidget>
#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>

using section::PointKind;

namespace merdok {
namespace {

const char kDrawing[] = "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n8\r\nGL\r\n10\r\n0.0\r\n20\r\n50.0\r\n"
                        "11\r\n100.0\r\n21\r\n40.0\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n";

class DxfDialogTest : public MerdokWindowTest<testsupport::TempDirTest> {
protected:
    DxfDialogTest() : ProgramViewTest(1000, 700) {}
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProgramViewTest::SetUp());
        view_->OnInitialUpdate();
    }
    // Opens the dialog, enters the fields (null: left as shown) and presses its OK.
    void Import(const std::string& file, const char* factorX, const char* factorY, const char* distance) {
        platform::DialogScript::Queue([=](CDialog& dialog) {
            dialog.SetDlgItemText(CDxfFileDlg::kFileEdit, CString(file.c_str()));
            const std::pair<UINT, const char*> fields[] = {{CDxfFileDlg::kFactorXEdit, factorX},
                                                           {CDxfFileDlg::kFactorYEdit, factorY},
                                                           {CDxfFileDlg::kDistanceEdit, distance}};
            for (const auto& [id, text] : fields) {
                dialog.SetDlgItemText(static_cast<int>(id), CString(text));
            }
            dialog.GetDlgItemWidget(IDOK)->setFocus();
            dialog.OnOK();
        });
        view_->OnCmdMsg(ID_FILE_INPUT_DXF, CN_COMMAND, nullptr);
    }
};

TEST_F(DxfDialogTest, RefusedEntriesSayWhyOnceAndAnAcceptedImportIsShownWhole) {
    const std::string drawing = dir_.Write("ground.dxf", kDrawing);
    const struct {
        std::string file;
        const char* factorX;
        const char* factorY;
        const char* distance;
        const char8_t* message;
    } refused[] = {
        {drawing, "0", "1", "0.01", u8"換算係数に0は指定できません"},
        {drawing, "1", "", "0.01", u8"換算係数が未入力です"},
        {drawing, "1", "1", "0", u8"点の判定距離は0より大きい値を入力して下さい"},
        {drawing, "1", "1", "-0.5", u8"点の判定距離は0より大きい値を入力して下さい"},
        {Path("missing.dxf"), "1", "1", "0.01", u8"指定ﾌｧｲﾙが見つかりません"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(platform::Utf8(c.message));
        sink_.Clear();
        Import(c.file, c.factorX, c.factorY, c.distance);
        EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{platform::Utf8(c.message)});
        EXPECT_TRUE(document_->Model().m_mapNode.IsEmpty());
    }
    sink_.Clear();
    document_->Model().m_strDxfFile = CString(drawing.c_str());
    sink_.QueueAnswer(IDYES);
    Import(drawing, "2", "1", "0.01");
    EXPECT_EQ(sink_.MessageCount(), 1) << "only the question";
    ASSERT_EQ(document_->Model().m_mapNode.GetCount(), 2);
    EXPECT_DOUBLE_EQ(document_->Model().m_mapNode.Lookup(1)->GetX(), 200.0) << "the X factor applies";
    EXPECT_DOUBLE_EQ(view_->DrawRange().xmax, 200.0) << "the view shows the imported model whole";
    EXPECT_TRUE(document_->Model().IsModified());
}

// A drawing whose layer table lacks a layer its entities use, as some writers make them.
TEST_F(DxfDialogTest, ALayerOnlyTheEntitiesNameIsListedAndImportsWhenPicked) {
    const std::string drawing = dir_.Write(
        "ground.dxf", "0\r\nSECTION\r\n2\r\nTABLES\r\n0\r\nTABLE\r\n2\r\nLAYER\r\n0\r\nLAYER\r\n2\r\n"
                      "GL\r\n0\r\nENDTAB\r\n0\r\nENDSEC\r\n0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n"
                      "8\r\nGL\r\n10\r\n0.0\r\n20\r\n50.0\r\n11\r\n100.0\r\n21\r\n40.0\r\n0\r\nLINE\r\n8\r\n"
                      "GROUND\r\n10\r\n0.0\r\n20\r\n30.0\r\n11\r\n50.0\r\n21\r\n20.0\r\n0\r\nENDSEC\r\n0\r\n"
                      "EOF\r\n");
    document_->Model().m_strDxfFile = CString(drawing.c_str());
    QStringList listed;
    platform::DialogScript::Queue([&listed](CDialog& dialog) {
        auto* list = qobject_cast<QListWidget*>(dialog.GetDlgItemWidget(CDxfFileDlg::kLayerList));
        for (int row = 0; row < list->count(); ++row) {
            listed << list->item(row)->text();
            list->item(row)->setSelected(list->item(row)->text() == "GROUND");
        }
        dialog.OnCmdMsg(CDxfFileDlg::kTakeLayersButton, CN_COMMAND, nullptr);
        dialog.GetDlgItemWidget(IDOK)->setFocus();
        dialog.OnOK();
    });
    sink_.QueueAnswer(IDYES);
    view_->OnCmdMsg(ID_FILE_INPUT_DXF, CN_COMMAND, nullptr);
    EXPECT_EQ(listed, QStringList({"GL", "GROUND"}));
    ASSERT_EQ(document_->Model().m_mapNode.GetCount(), 2) << sink_.LastMessageUtf8();
    EXPECT_DOUBLE_EQ(document_->Model().m_mapNode.Lookup(0)->GetY(), 30.0) << "the line on GROUND";
}

TEST_F(DxfDialogTest, ACancelledImportAndAWrittenDxfLeaveTheModelUnchanged) {
    document_->Model().MakePoint(PointKind::kGround, 10.0, 50.0)->SetState(CNode::kNormal);
    document_->Model().SetModifiedFlag(false);
    platform::DialogScript::Queue([](CDialog& dialog) { dialog.OnCancel(); });
    view_->OnCmdMsg(ID_FILE_INPUT_DXF, CN_COMMAND, nullptr);
    EXPECT_FALSE(document_->Model().IsModified()) << "import cancelled";

    const std::string output = Path("out.dxf");
    QString title;
    platform::DialogScript::Queue([output, &title](CDialog& dialog) {
        title = dialog.GetWidget()->windowTitle();
        dialog.SetDlgItemText(COutputFileDlg::kPathEdit, CString(output.c_str()));
        dialog.GetDlgItemWidget(IDOK)->setFocus();
        dialog.OnOK();
    });
    view_->OnCmdMsg(ID_FILE_DXF_OUT, CN_COMMAND, nullptr);
    EXPECT_EQ(title, QStringLiteral("MERDOK"))
        << "the output dialog bears the program's name as its message boxes do";
    EXPECT_TRUE(std::filesystem::exists(output)) << sink_.LastMessageUtf8();
    EXPECT_FALSE(document_->Model().IsModified()) << "DXF written";
}

} // namespace
} // namespace merdok
