#pragma once
// Typed items of the table dialogs on the clipboard: the binary items of CBinaryFile
// held in one growing memory block, handed to the clipboard under a private format
// when a writer closes, taken from it when a reader opens. On the clipboard a string's
// length is 4 bytes (2 in files). Exceptions pass on to the caller without a message;
// reading past the data throws CUserException.

#include "common/records/CBinaryFile.h"

#include <string>

class CClipboardFile : public CBinaryFile {
    DECLARE_DYNAMIC(CClipboardFile)

public:
    static constexpr UINT kGrowStep = 512;

    // Opens the clipboard for the owner window (any identity; not used further).
    explicit CClipboardFile(const void* ownerWindow = nullptr);
    ~CClipboardFile() override;

    // mode: CFile::modeWrite to write, else read. 0 when the clipboard could not be
    // opened or, for reading, holds no data of the format.
    int Open(UINT format, UINT mode, UINT size);
    // 1 when the clipboard holds data of the format whose first int equals the marker;
    // the read position then stays after the marker.
    int IsFormatAvailable(UINT format, int marker);

    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    void Flush() override;
    void Close() override;
    void Abort() override { Close(); }
    std::int64_t Seek(std::int64_t offset, UINT from) override;
    std::int64_t GetLength() const override { return static_cast<std::int64_t>(block_.size()); }
    std::int64_t GetPosition() const override { return position_; }

    int ReadString(char* buffer) override;
    int ReadString(char** text) override;
    int ReadString(CString& text) override;
    int WriteString(const char* text) override;
    int WriteString(const CString& text) override;

    UINT GetCapacity() const { return static_cast<UINT>(block_.size()); }

private:
    // A clipboard file is opened by format, never by path.
    using CBinaryFile::Open;
    // The length word of a string, or -1 when it is above the limit.
    long ReadLength();

    UINT format_ = 0;
    UINT mode_ = 0;
    int clipboardOpen_ = 0;
    int emptied_ = 0;
    bool holdsBlock_ = false;
    std::string block_;
    UINT position_ = 0;
};
