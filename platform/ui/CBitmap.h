#pragma once
// An off-screen bitmap that a memory device context draws into.

#include "platform/ui/CGdiObject.h"

#include <QImage>

class CDC;

class CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)
public:
    // White bitmap of the given size in device pixels.
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    BOOL DeleteObject() override;
    ~CBitmap() override;

    // The memory DC the bitmap is selected into; it stops drawing when the bitmap goes first.
    void SetSelectedInto(CDC* dc) { selectedInto_ = dc; }
    CDC* SelectedInto() const { return selectedInto_; }

    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

private:
    QImage image_;
    CDC* selectedInto_ = nullptr;
};
