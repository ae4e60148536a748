// Table rows taken from the clipboard: the input is the block under the private format, read
// as the table dialogs read it (marker, then counts, numbers and strings) until it ends.

#include "FuzzSupport.h"

#include "common/records/CClipboardFile.h"
#include "platform/core/CException.h"
#include "platform/core/Clipboard.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::QuietMessages();
    static const UINT format = RegisterClipboardFormat("VerrantFuzzRows");
    platform::ClipboardBackend& clipboard = platform::CurrentClipboard();
    if (!clipboard.Open()) {
        return 0;
    }
    clipboard.Empty();
    clipboard.SetData("VerrantFuzzRows", std::string(reinterpret_cast<const char*>(data), size));
    clipboard.Close();

    CClipboardFile reader;
    try {
        if (!reader.Open(format, CFile::modeRead, CClipboardFile::kGrowStep)) {
            return 0;
        }
        int marker = 0;
        reader.ReadInt(marker);
        for (int item = 0; item < 4096; ++item) {
            int count = 0;
            double value = 0;
            short small = 0;
            CString text;
            char* owned = nullptr;
            switch (item % 5) {
            case 0:
                reader.ReadInt(count);
                break;
            case 1:
                reader.ReadDouble(value);
                break;
            case 2:
                reader.ReadString(text);
                break;
            case 3:
                reader.ReadString(&owned);
                std::unique_ptr<char[]>(owned).reset();
                break;
            default:
                reader.ReadShort(small);
                break;
            }
        }
    } catch (const CException&) {
        // reading past the data ends with the framework's exception
    }
    reader.Close();
    return 0;
}
