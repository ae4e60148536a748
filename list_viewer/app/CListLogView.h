#pragma once
// The view of the three run and error logs: a list view whose type and row width follow
// the last letter of the list path.

#include "list_viewer/app/CMainListView.h"

namespace wenux {

class CListLogView : public CMainListView {
    DECLARE_DYNCREATE(CListLogView)
public:
    CString TypeText() const override;

protected:
    void ChooseTypeAndWidth() override;
};

} // namespace wenux
