#pragma once
// Lets a CWnd refuse a window close (OnClose returning FALSE).

#include <QObject>

class CWnd;

class CloseGuard : public QObject {
public:
    CloseGuard(CWnd* owner, QObject* watched);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CWnd* owner_;
};
