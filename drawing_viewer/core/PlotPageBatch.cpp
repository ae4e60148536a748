#include "PlotPageBatch.h"

#include "PlotItemPool.h"
#include "platform/core/CStdioFile.h"
#include "platform/core/MessageSink.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <thread>

namespace zapho {

namespace {

// The page file's bytes as CTextFile::ReadRest reads them, without any message: false on
// any failure and for a file larger than a page. The buffer is sized by the file's length
// and one byte more, so that a file of its length reads in one call and ends it; a file
// that grows while read, or has no length (a pipe), doubles it.
bool ReadQuietly(const CString& path, PlotPageBatch::Page& page) {
    CStdioFile file;
    if (!file.Open(path.GetString(), CFile::modeRead | CFile::typeText)) {
        return false;
    }
    constexpr std::size_t kChunk = 256 * 1024;
    constexpr std::size_t kMost = PlotPageBatch::kLargestPageFile + 1;
    try {
        const std::int64_t length = file.GetLength();
        std::size_t capacity = length > 0 && static_cast<std::uint64_t>(length) < kMost
                                   ? static_cast<std::size_t>(length) + 1
                                   : kChunk;
        page.bytes = std::make_unique_for_overwrite<char[]>(capacity);
        page.size = 0;
        for (;;) {
            const std::size_t wanted = capacity - page.size;
            const UINT read = file.Read(page.bytes.get() + page.size, static_cast<UINT>(wanted));
            page.size += read;
            if (read < wanted) {
                return page.size <= PlotPageBatch::kLargestPageFile;
            }
            if (capacity >= kMost) {
                return false;
            }
            const std::size_t larger = std::min(capacity * 2, kMost);
            auto grown = std::make_unique_for_overwrite<char[]>(larger);
            std::memcpy(grown.get(), page.bytes.get(), page.size);
            page.bytes = std::move(grown);
            capacity = larger;
        }
    } catch (const CFileException&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void ReadPage(PlotPageBatch::Page& page, const CString& face) {
    try {
        page.drawing.m_plotFace = face;
        PlotPage& values = page.drawing.AddPage();
        values.m_values[PlotPage::kWidth] = page.entry.width;
        values.m_values[PlotPage::kHeight] = page.entry.height;
        PaperOfKind(page.entry.kind, values.m_values[PlotPage::kPaperSize],
                    values.m_values[PlotPage::kOrientation]);
        page.summary = PlotCommandReader(page.drawing, 0).ReadPage(page.Bytes());
    } catch (...) {
        page.failure = std::current_exception();
    }
    page.bytes.reset();
    page.size = 0;
}

// Threads beside the calling one for pages: none for a small drawing, where starting them
// costs more than it saves, and none while the calling thread's item pool has room for the
// pages (its free places are used again, and memory does not grow with each open).
int HelpersFor(std::size_t pages, std::size_t bytes) {
    constexpr std::size_t kLeastBytes = 256 * 1024;
    // A page's items take about five times the bytes of its commands.
    constexpr std::size_t kItemBytesPerByte = 5;
    if (pages < 2 || bytes < kLeastBytes || PlotItemPool::FreeBytes() / kItemBytesPerByte >= bytes) {
        return 0;
    }
    const auto threads = static_cast<std::size_t>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    return static_cast<int>(std::min(pages, threads) - 1);
}

// Moves a page read on its own into the drawing: its fonts become the drawing's (the same
// font once), its texts point at them, its colours are set in order.
void AddPage(PlotPageBatch::Page& page, PlotDrawing& drawing) {
    std::vector<int> fonts;
    for (const auto& font : page.drawing.m_fonts) {
        fonts.push_back(
            drawing.GetNewFontIndex(font->m_nHeight, font->m_nWidth, font->m_nEscapement, font->m_nSpacing));
    }
    PlotPage& read = page.drawing.Page(0);
    for (auto& text : read.m_texts) {
        text->m_nFont = fonts[static_cast<std::size_t>(text->m_nFont)];
    }
    for (const auto& [number, color] : page.drawing.m_userColors) {
        drawing.m_userColors[number] = color;
    }
    drawing.m_pages.push_back(std::move(read));
}

} // namespace

bool PlotPageBatch::Add(const PlotIndexLine& entry, const CString& path) {
    Page page;
    if (!ReadQuietly(path, page) || bytes_ + page.size > kLargestBatch) {
        return false;
    }
    bytes_ += page.size;
    page.entry = entry;
    page.path = path;
    pages_.push_back(std::move(page));
    return true;
}

void PlotPageBatch::ReadAll(const CString& face) {
    std::atomic<std::size_t> next{0};
    auto read = [&] {
        for (std::size_t i = next++; i < pages_.size(); i = next++) {
            ReadPage(pages_[i], face);
        }
    };
    const int helpers = HelpersFor(pages_.size(), bytes_);
    std::vector<PlotItemPool::ThreadBlocksPtr> blocks(static_cast<std::size_t>(helpers));
    std::vector<std::thread> threads;
    for (int i = 0; i < helpers; ++i) {
        try {
            threads.emplace_back([&read, &blocks, i] {
                PlotItemPool::UseLargeBlocks();
                read();
                try {
                    blocks[static_cast<std::size_t>(i)] = PlotItemPool::TakeThreadBlocks();
                } catch (const std::bad_alloc&) {
                    // The blocks stay where they are, their items usable.
                }
            });
        } catch (const std::system_error&) {
            break; // no more threads: the others, this one included, read the rest
        }
    }
    read();
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (auto& taken : blocks) {
        PlotItemPool::AddThreadBlocks(std::move(taken));
    }
}

void PlotPageBatch::Finish(PlotDrawing& drawing, const Taken& taken) {
    if (pages_.empty()) {
        return;
    }
    std::vector<Page> pages;
    {
        ReadAll(drawing.m_plotFace);
        pages.swap(pages_);
        bytes_ = 0;
    }
    for (Page& page : pages) {
        if (page.failure) {
            std::rethrow_exception(page.failure);
        }
        const PlotPageSummary& summary = page.summary;
        if (summary.foreignBytes || (summary.commands == 0 && summary.ignored > 0)) {
            ShowNotPlotCommands(page.path);
            taken(page, false, false);
            continue;
        }
        AddPage(page, drawing);
        taken(page, true, summary.ignored == 0);
    }
}

void PlotPageBatch::ShowNotPlotCommands(const CString& path) {
    CString text;
    text.Format(u8"%s\n作図ｺﾏﾝﾄﾞﾌｧｲﾙではありません", path.GetString());
    AfxMessageBox(text);
}

} // namespace zapho
