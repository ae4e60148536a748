#pragma once
// The title registration settings a title field works with: the title file offers its titles
// in the field's drop-down list, and with automatic registration on, the titles the user
// confirms go to the head of the file, which keeps at most the maximum count.

#include "platform/core/CString.h"

#include <initializer_list>

class QComboBox;

class TitleRegistration {
public:
    TitleRegistration() = default;
    TitleRegistration(const CString& file, int automatic, int maxCount)
        : m_strFile(file), m_nAutomatic(automatic), m_nMaxCount(maxCount) {}

    // Adds the file's titles to the combo box, newest first, and leaves its text empty; a
    // file that does not exist yet offers nothing and says nothing.
    void FillComboBox(QComboBox* combo) const;
    // With automatic registration on, puts the titles into the file (empty ones and those
    // already listed stay where they are).
    void Register(std::initializer_list<CString> titles) const;

    CString m_strFile;
    int m_nAutomatic = 1;
    int m_nMaxCount = 30;
};
