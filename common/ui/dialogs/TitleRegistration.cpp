#include "common/ui/dialogs/TitleRegistration.h"

#include "common/records/CTitleFile.h"
#include "platform/core/CFile.h"
#include "platform/ui/QtText.h"

#include <QComboBox>
#include <unistd.h>

namespace {

bool Readable(const CString& path) {
    return !path.IsEmpty() && ::access(CFile::OsPath(path.GetString()).c_str(), R_OK) == 0;
}

// The combo box as the title file fills it.
struct ComboFiller {
    QComboBox* combo;
    void AddString(const CString& text) const { combo->addItem(platform::ToQString(text)); }
    void SetCurSel(int index) const { combo->setCurrentIndex(index); }
};

} // namespace

void TitleRegistration::FillComboBox(QComboBox* combo) const {
    if (!combo || !Readable(m_strFile)) {
        return;
    }
    CTitleFile file(m_strFile);
    file.ReadTitles();
    ComboFiller filler{combo};
    file.FillComboBox(&filler);
    combo->setEditText(QString());
}

void TitleRegistration::Register(std::initializer_list<CString> titles) const {
    if (!m_nAutomatic || m_strFile.IsEmpty()) {
        return;
    }
    CTitleFile file(m_strFile);
    if (Readable(m_strFile)) {
        file.ReadTitles();
    }
    for (const CString& title : titles) {
        file.AddTitle(title);
    }
    file.WriteTitles(m_nMaxCount);
}
