#pragma once
// How many rows each kind of table dialog shows, remembered between runs in section
// "Grid Dialog Line" of the program's settings file (keys "800" to "803", one per table kind).
// Read once at start-up, changed by the table dialogs, written back at exit.

#include "platform/core/CString.h"

#include <cstdint>
#include <vector>

class CGridLineSettings {
public:
    static constexpr int kDefaultRows = 5;

    // The settings of this process.
    static CGridLineSettings& Instance();

    // Appends the kinds present in the file (missing keys add nothing).
    void Load(const CString& profilePath);
    // Writes every kind that has a row count.
    void Save(const CString& profilePath) const;

    // The rows shown for a table kind; kDefaultRows for a kind never set.
    int VisibleRows(int kind) const;
    void SetVisibleRows(int kind, int rows);

private:
    // Each word: the kind in the low 16 bits, the row count in the high 16 bits.
    std::vector<std::uint32_t> words_;
};

// The settings file of the running program (the application's profile path).
void LoadGridDialogSettings();
void SaveGridDialogSettings();
