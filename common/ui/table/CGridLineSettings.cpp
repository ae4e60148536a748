#include "common/ui/table/CGridLineSettings.h"

#include "platform/core/ProfileFile.h"
#include "platform/core/Unset.h"
#include "platform/ui/CWinApp.h"

namespace {

const char kSection[] = "Grid Dialog Line";
constexpr int kFirstKind = 800;
constexpr int kLastKind = 803;

int KindOf(std::uint32_t word) {
    return static_cast<int>(word & 0xFFFFu);
}
int RowsOf(std::uint32_t word) {
    return static_cast<int>(word >> 16);
}
std::uint32_t WordOf(int kind, int rows) {
    return (static_cast<std::uint32_t>(rows) << 16) | (static_cast<std::uint32_t>(kind) & 0xFFFFu);
}

CString KeyOf(int kind) {
    CString key;
    key.Format("%d", kind);
    return key;
}

} // namespace

CGridLineSettings& CGridLineSettings::Instance() {
    static CGridLineSettings settings;
    return settings;
}

void CGridLineSettings::Load(const CString& profilePath) {
    const platform::ProfileFile profile(profilePath);
    for (int kind = kFirstKind; kind <= kLastKind; ++kind) {
        const int rows = profile.GetInt(kSection, KeyOf(kind), platform::kUnsetInt);
        if (!platform::IsUnsetInt(rows)) {
            words_.push_back(WordOf(kind, rows));
        }
    }
}

void CGridLineSettings::Save(const CString& profilePath) const {
    const platform::ProfileFile profile(profilePath);
    for (std::uint32_t word : words_) {
        if (word != 0) {
            profile.WriteInt(kSection, KeyOf(KindOf(word)), RowsOf(word));
        }
    }
}

int CGridLineSettings::VisibleRows(int kind) const {
    for (std::uint32_t word : words_) {
        if (KindOf(word) == kind) {
            return RowsOf(word);
        }
    }
    return kDefaultRows;
}

void CGridLineSettings::SetVisibleRows(int kind, int rows) {
    for (std::uint32_t& word : words_) {
        if (KindOf(word) == kind) {
            word = WordOf(kind, rows);
            return;
        }
    }
    words_.push_back(WordOf(kind, rows));
}

void LoadGridDialogSettings() {
    if (CWinApp* app = AfxGetApp()) {
        CGridLineSettings::Instance().Load(app->GetProfilePath());
    }
}

void SaveGridDialogSettings() {
    if (CWinApp* app = AfxGetApp()) {
        CGridLineSettings::Instance().Save(app->GetProfilePath());
    }
}
