#pragma once
// A dialog with one edit of each kind, shown offscreen and active, for driving the edits with
// QTest key and mouse events. Its OK checks every edit the way the programs' dialogs do.

#include "common/ui/edits/CFormatRealEdit.h"
#include "common/ui/edits/CIntegerEdit.h"
#include "common/ui/edits/CRealEdit.h"
#include "platform/ui/CDialog.h"
#include "testsupport/ui/TestApplication.h"

#include <QLineEdit>
#include <QPushButton>

class EditTestDialog : public CDialog {
public:
    static constexpr int kRealId = 1001;
    static constexpr int kIntegerId = 1002;
    static constexpr int kFormatRealId = 1003;
    static constexpr int kPlainId = 1004;

    EditTestDialog();
    // Creates, attaches the edits, shows the dialog and waits until it is the active window with
    // the focus in the plain field.
    bool Open();
    void OnOK() override;

    QLineEdit* Field(int id) const;
    QPushButton* Button(int id) const;
    // Gives the field the focus as Tab would.
    void TabInto(int id);
    // The field's text in UTF-8.
    std::string Text(int id) const;

    CRealEdit real;
    CIntegerEdit integer;
    CFormatRealEdit formatReal{10};
    double realValue = 0.0;
    int integerValue = 0;
    double formatRealValue = 0.0;

protected:
    void CreateControls() override;
    BOOL OnInitDialog() override;
};
