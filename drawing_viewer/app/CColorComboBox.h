#pragma once
// The colour list of the string input dialog: the 16 standard colours of the drawings, each
// item drawn by the dialog as a swatch and the colour's name, 20 pixels high.

class QComboBox;

namespace zapho {

class CColorComboBox {
public:
    static constexpr int kItemHeight = 20;
    static constexpr int kColorCount = 16;

    // Takes over the combo box: fills it with the colours and draws its items.
    void Attach(QComboBox* combo);
    void SetCurSel(int color);
    // The colour number chosen, -1 when none.
    int GetCurSel() const;

private:
    QComboBox* combo_ = nullptr;
};

} // namespace zapho
