#pragma once
// Reads and writes the display settings of a section view (SectionStyles.h) in a settings file.

#include "common/ui/section/SectionStyles.h"
#include "platform/core/CString.h"
#include "platform/core/ProfileFile.h"
#include "platform/ui/GdiTypes.h"

#include <cstddef>
#include <vector>

namespace section {

class SectionProfile {
public:
    explicit SectionProfile(const CString& path) : file_(path) {}
    // With deferred writes, the writers collect their values and Flush puts them all into the
    // file at once (a settings block of a hundred keys is one replacement of the file).
    SectionProfile(const CString& path, bool deferWrites) : file_(path), defer_(deferWrites) {}
    bool Flush() const;

    // Reads a font when its "Height" is present and not 0 (else font stays as it was and the
    // result is false): "Weight", "Italic", "PitchAndFamily" (missing: 0), underline cleared,
    // "FaceName" (missing: "System", cut to 31 bytes on a character boundary), Shift-JIS.
    bool GetProfileFont(const CString& section, LOGFONT& font) const;
    // Nothing for a height of 0; else "Height", the three others when not 0, "FaceName".
    void WriteProfileFont(const CString& section, const LOGFONT& font) const;

    // Each reader leaves value alone when the key is missing or unreadable.
    void ReadInt(const CString& section, const CString& key, int& value) const;
    // Only when three numbers are read; each is cut to its low 8 bits.
    void ReadColor(const CString& section, const CString& key, COLORREF& value) const;
    void ReadString(const CString& section, const CString& key, CString& value) const;
    void WriteInt(const CString& section, const CString& key, int value) const;
    void WriteColor(const CString& section, const CString& key, COLORREF value) const;
    void WriteString(const CString& section, const CString& key, const CString& value) const;

    void ReadNumberStyle(const CString& section, NumberStyle& style) const;
    void WriteNumberStyle(const CString& section, const NumberStyle& style) const;
    void ReadLineStyle(const CString& section, LineStyle& style) const;
    void WriteLineStyle(const CString& section, const LineStyle& style) const;
    void ReadPointStyle(const CString& section, PointStyle& style) const;
    void WritePointStyle(const CString& section, const PointStyle& style) const;

    // A program's list of items of one kind, each in the section at its place in sections.
    template <typename Style, std::size_t N>
    void ReadStyles(const char* const (&sections)[N], Style (&styles)[N]) const {
        for (std::size_t i = 0; i < N; ++i) {
            ReadStyle(sections[i], styles[i]);
        }
    }
    template <typename Style, std::size_t N>
    void WriteStyles(const char* const (&sections)[N], const Style (&styles)[N]) const {
        for (std::size_t i = 0; i < N; ++i) {
            WriteStyle(sections[i], styles[i]);
        }
    }

    const platform::ProfileFile& File() const { return file_; }

private:
    void ReadStyle(const CString& section, NumberStyle& style) const { ReadNumberStyle(section, style); }
    void ReadStyle(const CString& section, LineStyle& style) const { ReadLineStyle(section, style); }
    void ReadStyle(const CString& section, PointStyle& style) const { ReadPointStyle(section, style); }
    void WriteStyle(const CString& section, const NumberStyle& style) const {
        WriteNumberStyle(section, style);
    }
    void WriteStyle(const CString& section, const LineStyle& style) const { WriteLineStyle(section, style); }
    void WriteStyle(const CString& section, const PointStyle& style) const {
        WritePointStyle(section, style);
    }
    void Put(const CString& section, const CString& key, const CString& value) const;

    platform::ProfileFile file_;
    bool defer_ = false;
    mutable std::vector<platform::ProfileFile::Entry> pending_;
};

} // namespace section
