#include "testsupport/ui/TestApplication.h"

#include "platform/ui/CDialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

constexpr int kNameEdit = 1001;
constexpr int kOption = 1002;
constexpr int kApply = 1003;

class NameDialog : public CDialog {
public:
    NameDialog() : CDialog(130) {
        MapCommand(kApply, [this] { ++applied; });
    }
    int applied = 0;

protected:
    void CreateControls() override {
        auto* layout = new QVBoxLayout(GetWidget());
        layout->addWidget(AddControl(kNameEdit, new QLineEdit));
        layout->addWidget(AddControl(kOption, new QCheckBox("option")));
        layout->addWidget(AddControl(kApply, new QPushButton("apply")));
        layout->addWidget(AddControl(IDOK, new QPushButton("OK")));
    }
};

TEST(DialogTest, ControlsAreFoundByIdAndTextsCrossInCp932) {
    testsupport::TestApplication();
    NameDialog dialog;
    dialog.EnsureCreated();
    EXPECT_EQ(dialog.GetWidget()->objectName(), "130");
    ASSERT_NE(dialog.GetDlgItemWidget(kNameEdit), nullptr);
    dialog.SetDlgItemText(kNameEdit, CString(u8"計算結果"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(dialog.GetDlgItemWidget(kNameEdit))->text(),
              QString::fromUtf8(u8"計算結果"));
    CString text;
    dialog.GetDlgItemText(kNameEdit, text);
    EXPECT_EQ(text, CString(u8"計算結果"));
    dialog.SetDlgItemInt(kNameEdit, -42);
    BOOL ok = FALSE;
    EXPECT_EQ(dialog.GetDlgItemInt(kNameEdit, &ok), -42);
    EXPECT_TRUE(ok);
    dialog.SetDlgItemText(kNameEdit, "x1");
    dialog.GetDlgItemInt(kNameEdit, &ok);
    EXPECT_FALSE(ok);
    dialog.CheckDlgButton(kOption, 1);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kOption), 1u);
    EXPECT_EQ(dialog.GetDlgItem(9999), nullptr);
}

TEST(DialogTest, ButtonsRouteTheirIdsAndOkEndsTheModalLoop) {
    testsupport::TestApplication();
    NameDialog dialog;
    dialog.EnsureCreated();
    QTimer::singleShot(0, [&dialog] {
        qobject_cast<QPushButton*>(dialog.GetDlgItemWidget(kApply))->click();
        qobject_cast<QPushButton*>(dialog.GetDlgItemWidget(IDOK))->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.applied, 1);
}

TEST(DialogTest, EscapeCancels) {
    testsupport::TestApplication();
    NameDialog dialog;
    dialog.EnsureCreated();
    QTimer::singleShot(0, [&dialog] { dialog.Dialog()->reject(); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

} // namespace
