#pragma once
// Reads a DXF text file group by group: a code line ("%d") and a value line. Value
// lines are read whole, however long, so that a long value never shifts later groups.
// Lines are seen where the file's buffer holds them, never copied one by one.

#include "platform/core/CStdioFile.h"

#include <string_view>

class CDxfGroupReader {
public:
    // A DXF text file holds no NUL and no line of kLongestLine bytes: the reading of a file
    // opened as text ends at such a line (the rule of CStdioFile's record files), which is no part of a
    // group: the group meets the end there, as in a file cut short before it.
    explicit CDxfGroupReader(CStdioFile& file) : file_(file) {}

    // Reads the next group (or returns the one pushed back). At the end of the file,
    // also inside a group, throws CFileException with cause endOfFile; read errors
    // pass on as CFileException.
    void Next() {
        if (pushedBack_) {
            pushedBack_ = false;
            return;
        }
        ReadCode();
        value_ = ReadLineOrThrow();
    }
    // The next call of Next returns the current group again.
    void PushBack() { pushedBack_ = true; }
    // Passes the groups up to the next code 0 (the current one first when it was pushed
    // back), whose group becomes the current one, pushed back: the next Next returns it. The
    // values passed over are never read into a string, only their code lines are read.
    void SkipToNextEntity();

    // The value line (CP932, without its line end), valid until the next group is read.
    std::string_view Value() const { return value_; }
    // True when the value begins with the keyword.
    bool ValueStartsWith(const char* keyword) const;
    // The value as a real; false (value untouched) when it does not read as a finite number.
    bool ValueAsReal(double& value) const;
    // The value as an int; false (value untouched) when it does not read as one.
    bool ValueAsInt(int& value) const;

    // Group code; the unset int when the code line does not read as a number.
    int code = 0;
    // The code of a code line (without its line end) as "%d" reads it; the unset int when
    // it does not read as a number.
    static int CodeOf(std::string_view line);

private:
    // Here rather than behind a call: a drawing of a million groups reads them one by one.
    std::string_view ReadLineOrThrow() {
        std::string_view line;
        if (!file_.ReadStringView(line) || file_.EndedAtNonTextLine()) {
            ThrowEndOfFile();
        }
        return line;
    }
    [[noreturn]] void ThrowEndOfFile() const;
    // Reads a code line into code.
    void ReadCode() { code = CodeOf(ReadLineOrThrow()); }

    CStdioFile& file_;
    std::string_view value_;
    bool pushedBack_ = false;
};
