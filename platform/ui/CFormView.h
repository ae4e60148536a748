#pragma once
// A view that is a form: the controls of a dialog template laid out in dialog units on a
// plain widget that fills the frame. Controls are made once, in CreateControls, and are found
// by their ids like the controls of a dialog.

#include "platform/core/CRect.h"
#include "platform/ui/CView.h"

#include <QColor>
#include <QFont>

class CFormView : public CView {
    DECLARE_DYNAMIC(CFormView)
public:
    explicit CFormView(UINT templateId);
    ~CFormView() override;

    BOOL Create(CWnd* parent) override;
    void OnDraw(CDC* dc) override;
    UINT GetTemplateId() const { return templateId_; }

    // Pixels of a rectangle given in dialog units of the form's font.
    QRect DialogUnitsToPixels(int x, int y, int width, int height) const;
    // The size in pixels that shows every control with the margins of the top left corner
    // repeated at the right and the bottom.
    QSize FittingSize() const;

protected:
    virtual void CreateControls() {}
    // The font the template names (CP932 face name, points); set before the controls are made.
    void SetFormFont(const CString& faceName, int points);
    // Background of the form and of its static texts.
    void SetFormBackground(const QColor& color);
    // The id of a static text that nothing addresses.
    static constexpr int kNoControlId = -1;
    // Adds a control at a rectangle in dialog units.
    QWidget* PlaceControl(int id, QWidget* control, int x, int y, int width, int height);

private:
    UINT templateId_;
    QFont font_;
};
