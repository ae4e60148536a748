#include "common/ui/table/CGridData.h"

#include "common/records/CBinaryFile.h"
#include "common/records/CClipboardFile.h"
#include "platform/core/CException.h"
#include "platform/core/Unset.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGridData, CObject)

void CGridData::Allocate(int ints, int reals, int exponents, int texts) {
    ints_.assign(static_cast<std::size_t>(std::max(ints, 0)), platform::kUnsetInt);
    reals_ = std::max(reals, 0);
    exponents_ = std::max(exponents, 0);
    doubles_.assign(static_cast<std::size_t>(reals_) + exponents_, platform::kUnsetDouble);
    texts_.assign(static_cast<std::size_t>(std::max(texts, 0)), CString());
}

bool CGridData::IsEmptyRow() const {
    return std::all_of(ints_.begin(), ints_.end(), platform::IsUnsetInt) &&
           std::all_of(doubles_.begin(), doubles_.end(), platform::IsUnsetDouble) &&
           std::all_of(texts_.begin(), texts_.end(), [](const CString& text) { return text.IsEmpty(); });
}

int CGridData::WriteTo(CClipboardFile& file, int ints, int reals, int exponents, int texts) const {
    if (ints != static_cast<int>(ints_.size()) || reals != reals_ || exponents != exponents_ ||
        texts != static_cast<int>(texts_.size())) {
        return 0;
    }
    // A longer text could be written but never read back by any table.
    for (const CString& text : texts_) {
        if (text.GetLength() > CBinaryFile::kMaxStringLength) {
            return 0;
        }
    }
    try {
        for (int value : ints_) {
            file.WriteInt(value);
        }
        for (double value : doubles_) {
            file.WriteDouble(value);
        }
        for (const CString& text : texts_) {
            file.WriteString(text);
        }
    } catch (const CException&) {
        return 0;
    }
    return 1;
}

int CGridData::ReadFrom(CClipboardFile& file, int ints, int reals, int exponents, int texts) {
    Allocate(ints, reals, exponents, texts);
    for (int& value : ints_) {
        file.ReadInt(value);
    }
    for (double& value : doubles_) {
        file.ReadDouble(value);
    }
    for (CString& text : texts_) {
        CString read;
        if (!file.ReadString(read)) {
            AfxThrowUserException();
        }
        text = read;
    }
    return 1;
}
