#pragma once
// Page files read ahead while a plot index is taken line by line. A page file that opens and
// reads without a word to the user is kept; the kept pages are turned into drawing pages
// together (on several threads while the item pool has no room for them: a fresh drawing of
// a million items costs more in new memory than in reading) and added to the drawing in
// index order, each with the message reading the pages one by one shows. Any page that
// would speak while it is opened or read is left to the one-by-one reading, after the kept
// pages are done, so that the messages keep their order.

#include "PlotCommandReader.h"
#include "PlotDrawing.h"
#include "PlotNumbers.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zapho {

class PlotPageBatch {
public:
    // A drawing run's page is a few megabytes at most: a larger file is no page and is never
    // read whole.
    static constexpr std::size_t kLargestPageFile = 32 * 1024 * 1024;
    // The most page bytes kept at a time.
    static constexpr std::size_t kLargestBatch = 64 * 1024 * 1024;

    struct Page {
        PlotIndexLine entry;
        CString path;
        // The file's bytes, read into memory that is not filled first.
        std::unique_ptr<char[]> bytes;
        std::size_t size = 0;
        std::string_view Bytes() const { return {bytes.get(), size}; }
        PlotDrawing drawing; // the page alone, with its own fonts and colours
        PlotPageSummary summary;
        std::exception_ptr failure;
    };
    // Told of each kept page as it is added or left out; asWritten: the page reads as a
    // drawing run writes one.
    using Taken = std::function<void(const Page& page, bool added, bool asWritten)>;

    // Reads the page file and keeps it; false (nothing kept, nothing shown) when it does not
    // open or read quietly, is larger than a page, or would make the batch too large.
    bool Add(const PlotIndexLine& entry, const CString& path);

    // Adds the kept pages to the drawing in order, leaving out (with their message) those
    // that hold no plot commands; the batch is empty afterwards. A failure to make a page's
    // items (memory) passes on at that page.
    void Finish(PlotDrawing& drawing, const Taken& taken);

    // The message for a page file that is no plot command file.
    static void ShowNotPlotCommands(const CString& path);

private:
    void ReadAll(const CString& face);

    std::vector<Page> pages_;
    std::size_t bytes_ = 0;
};

} // namespace zapho
