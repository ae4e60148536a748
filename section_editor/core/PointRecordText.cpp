#include "section_editor/core/PointRecordText.h"

#include "common/records/CTextFile.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <thread>

namespace merdok {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kRecordSize = CNode::kColumnsSize - 1 + kLineEnd.size();

// Four threads format a hundred thousand records in about a quarter of one's time; more
// gain little against their start.
std::size_t PartCount(std::size_t places) {
    const std::size_t threads = std::clamp(std::thread::hardware_concurrency(), 1U, 4U);
    return std::clamp<std::size_t>(places / PointRecordText::kPlacesPerPart, 1, threads);
}

} // namespace

PointRecordText::PointRecordText(const RecordMap<CNode>& map, int nextNumber, Formatting formatting)
    : map_(map), nextNumber_(nextNumber) {
    const std::size_t places = map.PlaceCount();
    const std::size_t parts = PartCount(places);
    parts_.resize(parts);
    for (std::size_t i = 0; i < parts; ++i) {
        Part& part = parts_[i];
        part.from = places * i / parts;
        part.to = places * (i + 1) / parts;
    }
    // Formatted here, the first part is this thread's; beside, every part of a map in parts
    // has a helper, and a small map is formatted by Finish, on the calling thread.
    if (formatting == Formatting::kBeside && parts == 1) {
        return;
    }
    const std::size_t first = formatting == Formatting::kHere ? 1 : 0;
    helpers_.reserve(parts - first);
    try {
        for (std::size_t i = first; i < parts; ++i) {
            helpers_.emplace_back([this, i] { FormatCaught(parts_[i]); });
            parts_[i].helped = true;
        }
    } catch (...) {
        // No more threads, or no memory for one: Finish formats the parts left on this one.
    }
    if (formatting == Formatting::kHere) {
        Finish();
    }
}

void PointRecordText::Finish() {
    if (finished_) {
        return;
    }
    finished_ = true;
    helpers_.clear(); // joined
    for (Part& part : parts_) {
        if (!part.helped) {
            Format(part);
        }
    }
    for (const Part& part : parts_) {
        if (part.failure) {
            std::rethrow_exception(part.failure);
        }
        allFit_ = allFit_ && part.allFit;
    }
}

void PointRecordText::FormatCaught(Part& part) const {
    try {
        Format(part);
    } catch (...) {
        part.failure = std::current_exception();
    }
}

// The text is taken by the thread that formats it: a helper's fresh pages are made beside
// the saving thread's own work, not before it.
void PointRecordText::Format(Part& part) const {
    part.text = std::make_unique_for_overwrite<char[]>((part.to - part.from) * kRecordSize);
    char* out = part.text.get();
    char record[CNode::kColumnsSize];
    map_.VisitPlaces(part.from, part.to, [&](int key, const CNode& point) {
        part.allFit = part.allFit && point.FitsRecord();
        if (key < 0 || key >= nextNumber_) {
            return;
        }
        if (point.HasNameColumns()) {
            part.apart.emplace_back(static_cast<std::size_t>(out - part.text.get()), &point);
            return;
        }
        point.FormatColumns(record);
        std::memcpy(out, record, CNode::kColumnsSize - 1);
        std::memcpy(out + CNode::kColumnsSize - 1, kLineEnd.data(), kLineEnd.size());
        out += kRecordSize;
    });
    part.size = static_cast<std::size_t>(out - part.text.get());
}

void PointRecordText::WriteTo(CTextFile& file) {
    Finish();
    for (const Part& part : parts_) {
        std::size_t written = 0;
        for (const auto& [at, point] : part.apart) {
            if (at > written) {
                file.WriteLines(std::string_view(part.text.get() + written, at - written));
            }
            file.WriteLine(point->Format().GetString());
            written = at;
        }
        if (part.size > written) {
            file.WriteLines(std::string_view(part.text.get() + written, part.size - written));
        }
    }
}

} // namespace merdok
