#include "common/dxf/DxfVertexStream.h"

namespace {

// Enough for the reading side to run ahead while the adding side works on a chunk, few
// enough that they stay in cache.
constexpr std::size_t kChunks = 4;

} // namespace

DxfVertexStream::DxfVertexStream() : chunks_(kChunks) {
    for (Chunk& chunk : chunks_) {
        chunk.vertices = std::make_unique_for_overwrite<Vertex[]>(kChunkVertices);
        free_.push_back(&chunk);
    }
}

bool DxfVertexStream::Push(const Vertex& vertex) {
    if (!filling_ && !(filling_ = TakeFreeChunk())) {
        return false;
    }
    filling_->vertices[filling_->count++] = vertex;
    if (filling_->count == kChunkVertices) {
        Publish(filling_);
        filling_ = nullptr;
    }
    return true;
}

void DxfVertexStream::Close(std::exception_ptr failure) {
    if (filling_) {
        Publish(filling_);
        filling_ = nullptr;
    }
    std::lock_guard lock(mutex_);
    closed_ = true;
    failure_ = std::move(failure);
    changed_.notify_all();
}

DxfVertexStream::Chunk* DxfVertexStream::TakeFreeChunk() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return abandoned_ || !free_.empty(); });
    if (abandoned_) {
        return nullptr;
    }
    Chunk* chunk = free_.back();
    free_.pop_back();
    chunk->count = 0;
    return chunk;
}

void DxfVertexStream::Publish(Chunk* chunk) {
    std::lock_guard lock(mutex_);
    full_.push_back(chunk);
    changed_.notify_all();
}

std::span<DxfVertexStream::Vertex> DxfVertexStream::Take() {
    std::unique_lock lock(mutex_);
    if (taken_) {
        free_.push_back(taken_);
        taken_ = nullptr;
        changed_.notify_all();
    }
    changed_.wait(lock, [this] { return closed_ || !full_.empty(); });
    if (full_.empty()) {
        return {};
    }
    taken_ = full_.front();
    full_.pop_front();
    return {taken_->vertices.get(), taken_->count};
}

void DxfVertexStream::Abandon() {
    std::lock_guard lock(mutex_);
    abandoned_ = true;
    changed_.notify_all();
}

std::exception_ptr DxfVertexStream::Failure() const {
    std::lock_guard lock(mutex_);
    return failure_;
}
