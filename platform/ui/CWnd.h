#pragma once
// A window: a command target over one Qt widget. Drawn windows keep a retained canvas
// (a QImage at device pixel ratio 1) that every device context of the window draws into,
// also outside paint events; the widget's paint event only renders pending updates into the
// canvas (OnPaint) and blits it. Controls inside a window are found by their id, which each
// control widget carries as its objectName (decimal).

#include "platform/core/CPoint.h"
#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CCmdTarget.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>

class CFrameWnd;

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The outer widget (what a frame or layout holds) and the one the canvas is shown in.
    QWidget* GetWidget() const { return widget_; }
    QWidget* GetCanvasWidget() const { return canvasWidget_ ? canvasWidget_ : widget_; }
    // Wraps an existing widget (e.g. a dialog control); the widget is not owned.
    void Attach(QWidget* widget);
    // The CWnd a widget belongs to, or null.
    static CWnd* FromWidget(const QWidget* widget);

    CWnd* GetParent() const { return m_pParentWnd; }
    CFrameWnd* GetParentFrame() const;

    void SetWindowText(const CString& text);
    CString GetWindowTextString() const;
    void GetClientRect(CRect* rect) const;
    BOOL ShowWindow(int showCommand);
    CWnd* SetFocus();
    void SetCapture();
    static void ReleaseCapture();
    // Marks the window for redrawing: OnPaint runs before the next blit.
    void Invalidate(BOOL erase = TRUE);
    // Redraws now if an update is pending.
    void UpdateWindow();

    // Controls by id.
    QWidget* GetDlgItemWidget(int id) const;
    CWnd* GetDlgItem(int id);
    void SetDlgItemText(int id, const CString& text);
    int GetDlgItemText(int id, CString& text) const;
    void SetDlgItemInt(int id, int value, BOOL isSigned = TRUE);
    // Value of an edit; *translated is FALSE when it holds no number.
    int GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    // Gives a widget its control id and makes button clicks reach this window's command route.
    QWidget* AddControl(int id, QWidget* widget);

    // The retained canvas, sized to the canvas widget.
    QImage& Canvas();

    // Event handlers, called by the widget.
    virtual void OnPaint();
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual void OnMouseMove(UINT flags, CPoint point);
    // delta: multiples of WHEEL_DELTA per notch, positive away from the user. FALSE leaves the
    // wheel to the enclosing window.
    virtual BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    virtual void OnMouseHWheel(UINT flags, short delta, CPoint point);
    virtual void OnKeyDown(UINT keyCode, UINT repeatCount, UINT flags);
    virtual void OnChar(UINT charCode, UINT repeatCount, UINT flags);
    virtual void OnSetFocus(CWnd* oldWnd);
    virtual void OnKillFocus(CWnd* newWnd);
    // Returns FALSE to keep the window open.
    virtual BOOL OnClose();

    // Used by the widget: renders a pending update into the canvas.
    void PaintPending();
    void ResizeCanvas(int width, int height);

    CWnd* m_pParentWnd = nullptr;

protected:
    // Makes this window a drawn window with a canvas widget (parent may be null).
    QWidget* CreateCanvasWidget(QWidget* parent);
    void SetWidget(QWidget* widget);
    // Drops the widget without deleting it (Qt is deleting it).
    void ForgetWidget();

private:
    // Qt may delete a widget first (with its parent); the pointers then read null.
    QPointer<QWidget> widget_;
    QPointer<QWidget> canvasWidget_;
    bool ownsWidget_ = false;
    bool updatePending_ = true;
    QImage canvas_;
    std::map<int, std::unique_ptr<CWnd>> items_;
};

enum : int { WHEEL_DELTA = 120 };

// Key-state query at the time of the call (VK_SHIFT, VK_CONTROL): high bit set when down.
short GetKeyState(int virtualKey);
