#include "platform/ui/CStatusBar.h"

#include "platform/ui/CFrameWnd.h"
#include "platform/ui/QtText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

BOOL CStatusBar::Create(CFrameWnd* frame) {
    bar_ = new QStatusBar;
    bar_->setSizeGripEnabled(false);
    if (auto* window = frame->MainWindow()) {
        window->setStatusBar(bar_);
    }
    frame->SetStatusBar(this);
    return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count) {
    for (QLabel* pane : panes_) {
        delete pane;
    }
    panes_.clear();
    ids_.assign(ids, ids + count);
    for (int i = 0; i < count; ++i) {
        auto* label = new QLabel(bar_);
        label->setObjectName(QString::number(ids[i]));
        if (ids[i] == ID_SEPARATOR) {
            bar_->addWidget(label, 1);
        } else {
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            bar_->addPermanentWidget(label);
        }
        panes_.push_back(label);
    }
    return TRUE;
}

BOOL CStatusBar::CreateWithIndicators(CFrameWnd* frame, std::initializer_list<UINT> indicators, int digits) {
    if (!Create(frame)) {
        return FALSE;
    }
    std::vector<UINT> ids{ID_SEPARATOR};
    ids.insert(ids.end(), indicators);
    SetIndicators(ids.data(), static_cast<int>(ids.size()));
    const int width = QFontMetrics(bar_->font()).horizontalAdvance(QString(digits, QLatin1Char('0')));
    for (int index = 1; index < GetCount(); ++index) {
        SetPaneInfo(index, GetItemID(index), 0, width);
    }
    return TRUE;
}

BOOL CStatusBar::SetPaneText(int index, const CString& text, BOOL) {
    if (index < 0 || index >= GetCount()) {
        return FALSE;
    }
    panes_[static_cast<std::size_t>(index)]->setText(platform::ToQString(text));
    return TRUE;
}

CString CStatusBar::GetPaneText(int index) const {
    if (index < 0 || index >= GetCount()) {
        return CString();
    }
    return platform::FromQStringLossy(panes_[static_cast<std::size_t>(index)]->text());
}

UINT CStatusBar::GetItemID(int index) const {
    return index >= 0 && index < GetCount() ? ids_[static_cast<std::size_t>(index)] : 0;
}

void CStatusBar::SetPaneInfo(int index, UINT id, UINT, int width) {
    if (index < 0 || index >= GetCount()) {
        return;
    }
    ids_[static_cast<std::size_t>(index)] = id;
    QLabel* pane = panes_[static_cast<std::size_t>(index)];
    pane->setObjectName(QString::number(id));
    pane->setMinimumWidth(width);
}

void CStatusBar::UpdatePanes(CCmdTarget* target) {
    for (std::size_t i = 0; i < ids_.size(); ++i) {
        if (ids_[i] == ID_SEPARATOR) {
            continue;
        }
        CCmdUI ui(ids_[i]);
        if (target->OnCmdMsg(ids_[i], CN_UPDATE_COMMAND_UI, &ui)) {
            if (ui.m_bTextChanged) {
                panes_[i]->setText(platform::ToQString(ui.m_strText));
            }
            panes_[i]->setEnabled(ui.m_bEnabled);
        }
    }
}
