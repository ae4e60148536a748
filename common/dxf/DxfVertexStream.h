#pragma once
// The vertices of a long polyline, handed a chunk at a time from the thread that reads them
// to the thread that adds them to the document: the reading of a hundred thousand vertices
// then runs beside their adding rather than before it. The chunks are made once, by the
// adding side, and go round between the two; the reading side waits while all are full.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

class DxfVertexStream {
public:
    struct Vertex {
        double x;
        double y;
    };
    static constexpr std::size_t kChunkVertices = 2048;

    DxfVertexStream();
    DxfVertexStream(const DxfVertexStream&) = delete;
    DxfVertexStream& operator=(const DxfVertexStream&) = delete;

    // --- the reading side
    // False when the adding side has abandoned the stream: the vertex is dropped.
    bool Push(const Vertex& vertex);
    // The last vertex is pushed, or the reading failed (failure not null): the adding side
    // takes what was pushed, then the end.
    void Close(std::exception_ptr failure = nullptr);

    // --- the adding side
    // The next chunk's vertices, empty at the end. The chunk taken before goes back to the
    // reading side.
    std::span<Vertex> Take();
    // The adding side takes no more: the reading side's pushes fail from now on.
    void Abandon();
    // What the reading side closed the stream with.
    std::exception_ptr Failure() const;

private:
    struct Chunk {
        std::unique_ptr<Vertex[]> vertices;
        std::size_t count = 0;
    };
    // A free chunk for the reading side, null when the stream was abandoned.
    Chunk* TakeFreeChunk();
    void Publish(Chunk* chunk);

    std::vector<Chunk> chunks_;
    Chunk* filling_ = nullptr; // the reading side's chunk
    Chunk* taken_ = nullptr;   // the adding side's chunk

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Chunk*> free_;
    std::deque<Chunk*> full_;
    bool closed_ = false;
    bool abandoned_ = false;
    std::exception_ptr failure_;
};
