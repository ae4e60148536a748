#pragma once
// The edit of one point name above the table's column group (index 0, 1 or 2). Its pop-up
// menu and the keys Ctrl+I (delete the point) and Ctrl+Y (insert a point before it) act on
// the point; a name takes at most as many CP932 bytes as the section model's name field.

#include <QLineEdit>

namespace quilmo {

class CGridDlg1;

class CEditTitle : public QLineEdit {
public:
    static constexpr int kMaxNameBytes = 15;
    enum : int { ID_POINT_DELETE = 32768, ID_POINT_INSERT = 32769 };

    CEditTitle(int index, QWidget* parent);
    void SetDialog(CGridDlg1* dialog) { dialog_ = dialog; }
    int Index() const { return index_; }
    void SetHighlighted(bool on) { highlighted_ = on; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void KeepNameWidth(const QString& text);

    int index_;
    bool highlighted_ = false;
    QString accepted_;
    CGridDlg1* dialog_ = nullptr;
};

} // namespace quilmo
