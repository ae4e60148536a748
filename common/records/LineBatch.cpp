#include "common/records/LineBatch.h"

#include <cstring>
#include <string>

LineBatch::LineBatch(CTextFile& file)
    : file_(file), lineEnd_(file.LineEnd()), buffer_(std::make_unique_for_overwrite<char[]>(kBufferSize)) {}

void LineBatch::Add(std::string_view line) {
    const std::size_t size = line.size() + lineEnd_.size();
    if (size > kBufferSize || line.find('\n') != std::string_view::npos) {
        Flush();
        file_.WriteLine(std::string(line).c_str());
        return;
    }
    if (used_ + size > kBufferSize) {
        Flush();
    }
    std::memcpy(buffer_.get() + used_, line.data(), line.size());
    std::memcpy(buffer_.get() + used_ + line.size(), lineEnd_.data(), lineEnd_.size());
    used_ += size;
}

void LineBatch::Flush() {
    const std::size_t held = used_;
    used_ = 0;
    if (held > 0) {
        file_.WriteLines(std::string_view(buffer_.get(), held));
    }
}
