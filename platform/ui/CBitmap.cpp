#include "platform/ui/CBitmap.h"

#include "platform/ui/CDC.h"

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height) {
    image_ = QImage(width > 0 ? width : 1, height > 0 ? height : 1, QImage::Format_RGB32);
    image_.fill(Qt::white);
    MarkCreated();
    return TRUE;
}

BOOL CBitmap::DeleteObject() {
    if (selectedInto_) {
        selectedInto_->ReleaseBitmap(this);
    }
    image_ = QImage();
    return CGdiObject::DeleteObject();
}

CBitmap::~CBitmap() {
    if (selectedInto_) {
        selectedInto_->ReleaseBitmap(this);
    }
}
