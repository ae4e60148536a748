#pragma once
// The point records of a map as the save writes them to its text file, formatted before the
// file is opened and, for a large model, on several threads: a hundred thousand records take
// milliseconds on one. The text is the one writer's, record for record: a record with name
// columns goes out apart, through the file's own line writer. Whether every record's fields
// fit their columns is found on the way.

#include "section_editor/core/CNode.h"
#include "section_editor/core/RecordMap.h"

#include <cstddef>
#include <exception>
#include <memory>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

class CTextFile;

namespace merdok {

class PointRecordText {
public:
    // A map of fewer places than twice this is formatted on the calling thread alone.
    static constexpr std::size_t kPlacesPerPart = 16 * 1024;
    // Formatted before the constructor returns, or beside the caller's next work, on helper
    // threads that the first call of Finish, AllFit or WriteTo waits for (a small map: in
    // that first call).
    enum class Formatting { kHere, kBeside };

    // Formats the records of the map's points with keys from 0 below nextNumber. The map
    // must not change until the formatting is finished.
    PointRecordText(const RecordMap<CNode>& map, int nextNumber, Formatting formatting = Formatting::kHere);

    // Waits for the helpers; what one threw is thrown here.
    void Finish();
    // True when every record of the map, written or not, fits its columns.
    bool AllFit() {
        Finish();
        return allFit_;
    }
    // Writes the records in key order to a file opened as text (its line end CR LF); a
    // failure is shown and thrown as the file's writers do.
    void WriteTo(CTextFile& file);

private:
    // The records of a run of the map's places.
    struct Part {
        std::size_t from = 0;
        std::size_t to = 0;
        std::unique_ptr<char[]> text;
        std::size_t size = 0;
        // Records with name columns, each with the size of the text before it.
        std::vector<std::pair<std::size_t, const CNode*>> apart;
        bool allFit = true;
        bool helped = false;        // formatted by a helper thread
        std::exception_ptr failure; // what formatting it on a helper thread threw
    };
    void Format(Part& part) const;
    // Format on a helper thread: what it throws is kept for Finish.
    void FormatCaught(Part& part) const;

    const RecordMap<CNode>& map_;
    int nextNumber_;
    std::vector<Part> parts_;
    bool allFit_ = true;
    bool finished_ = false;
    std::vector<std::jthread> helpers_; // after the parts: joined before they go
};

} // namespace merdok
