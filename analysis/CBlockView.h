#pragma once
// The analysis view: the section of one analysis document drawn to scale.

#include "platform/ui/CScrollView.h"

namespace torvan {

class CTorvanDoc;

class CBlockView : public CScrollView {
    DECLARE_DYNCREATE(CBlockView)
public:
    CTorvanDoc* GetDocument() const;

    void OnDraw(CDC* dc) override;
    void OnInitialUpdate() override;
};

} // namespace torvan
