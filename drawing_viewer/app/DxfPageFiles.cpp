#include "drawing_viewer/app/DxfPageFiles.h"

#include "common/records/TextHelpers.h"

namespace zapho {

namespace {

constexpr int kStemBytes = 6;

} // namespace

std::vector<CString> DxfPageFiles(const CString& name, int first, int last) {
    if (first == last) {
        return {name};
    }
    CString directory;
    CString title;
    SplitPath(name.GetString(), &directory, &title, nullptr);
    const CString stem = directory + CutToWidth(title, kStemBytes);
    std::vector<CString> files;
    for (int page = first; page <= last; ++page) {
        CString file;
        file.Format("%s%02d.dxf", stem.GetString(), page);
        files.push_back(file);
    }
    return files;
}

} // namespace zapho
