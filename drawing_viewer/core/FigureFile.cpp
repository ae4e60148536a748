#include "FigureFile.h"

#include "BufferedBinaryFile.h"
#include "PlotDrawing.h"
#include "common/records/CBinaryFile.h"
#include "common/records/CTextFile.h"
#include "platform/core/MessageSink.h"
#include "platform/core/SafeFileWriter.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace zapho {

namespace {

const char* const kVersions[] = {"Plot Ver.1.0", "Plot Ver.1.1", "Plot Ver.1.2"};
const char8_t kFormatError[] = u8"[図面ﾌｧｲﾙ ｴﾗｰ] 形式ｴﾗｰのため、読み込みできません";
const char8_t kVersionReadError[] = u8"図面ﾌｧｲﾙのｴﾗｰのため、読み込みできません";
const char8_t kDataError[] = u8"[図面ﾌｧｲﾙ ｴﾗｰ] ﾃﾞｰﾀを読み込めません";
const char8_t kMemoryError[] = u8"メモリ・エラー!!!\n直ちに本ﾌﾟﾛｸﾞﾗﾑを終了させて下さい。";

[[noreturn]] void ThrowDataError(BufferedBinaryFile& file) {
    AfxThrowFileException(CFileException::genericException, -1, file.GetFilePath());
}

int ReadCount(BufferedBinaryFile& file) {
    int count = 0;
    file.ReadInt(count);
    if (count < 0) {
        ThrowDataError(file);
    }
    return count;
}

void ReadPageValues(BufferedBinaryFile& file, int values[4]) {
    for (int i = 0; i < 4; ++i) {
        file.ReadInt(values[i]);
    }
}

// Room for the items a list says it holds, up to what one drawing list takes (a damaged
// count must not reserve memory the file cannot fill).
template <class List> void Reserve(List& list, int count) {
    list.reserve(std::min(static_cast<std::size_t>(count), PlotDrawing::kPrimaryListLimit));
}

void ReadDrawingList(BufferedBinaryFile& file, PlotItemList& list) {
    const int count = ReadCount(file);
    Reserve(list, count);
    for (int i = 0; i < count; ++i) {
        int type = 0;
        int color = 0;
        int group = 0;
        file.ReadInts(type, color, group);
        std::unique_ptr<CPlotData> item = CreatePlotItem(type);
        if (!item) {
            ThrowDataError(file); // its fields cannot be skipped
        }
        item->ReadFromFile(file);
        item->m_nColor = color;
        item->m_nGroup = group;
        list.push_back(std::move(item));
    }
}

void ReadTextList(BufferedBinaryFile& file, std::vector<std::unique_ptr<CPlotString>>& list) {
    const int count = ReadCount(file);
    Reserve(list, count);
    for (int i = 0; i < count; ++i) {
        int type = 0;
        auto item = std::make_unique<CPlotString>();
        file.ReadInts(type, item->m_nColor, item->m_nGroup);
        item->ReadFromFile(file);
        list.push_back(std::move(item));
    }
}

void ReadBody(BufferedBinaryFile& file, int version, PlotDrawing& drawing) {
    int shared[4] = {};
    if (version == 0) {
        ReadPageValues(file, shared);
    }
    const int pages = ReadCount(file);
    if (pages > PlotDrawing::kPageLimit) {
        ThrowDataError(file);
    }
    for (int p = 0; p < pages; ++p) {
        PlotPage& page = drawing.AddPage();
        if (version == 0) {
            std::memcpy(page.m_values, shared, sizeof shared);
        } else {
            ReadPageValues(file, page.m_values);
        }
        ReadDrawingList(file, page.m_items);
        ReadDrawingList(file, page.m_overflow);
        ReadTextList(file, page.m_texts);
    }
    const int fonts = ReadCount(file);
    for (int i = 0; i < fonts; ++i) {
        auto font = std::make_unique<CPlotFont>();
        font->ReadFromFile(file);
        drawing.m_fonts.push_back(std::move(font));
    }
    for (const PlotPage& page : drawing.m_pages) {
        for (const auto& text : page.m_texts) {
            if (text->m_nFont < 0 || text->m_nFont >= fonts) {
                ThrowDataError(file);
            }
        }
    }
    const int colors = ReadCount(file);
    for (int i = 0; i < colors; ++i) {
        int number = 0;
        DWORD color = 0;
        file.ReadInt(number);
        file.ReadDWord(color);
        drawing.m_userColors.emplace(static_cast<WORD>(number), color); // the first one stays
    }
}

// The version's index, -1 for an unknown string; a file error passes on.
int ReadVersion(BufferedBinaryFile& file) {
    char text[CBinaryFile::kMaxStringLength + 1];
    file.ReadString(text);
    for (int i = 0; i < 3; ++i) {
        if (std::strcmp(text, kVersions[i]) == 0) {
            return i;
        }
    }
    return -1;
}

void WriteDrawingList(BufferedBinaryFile& file, const PlotItemList& list) {
    file.WriteInt(static_cast<int>(list.size()));
    for (const auto& item : list) {
        file.WriteInts(item->m_nType, item->m_nColor, item->m_nGroup);
        item->WriteToFile(file);
    }
}

void WriteBody(BufferedBinaryFile& file, const PlotDrawing& drawing) {
    file.WriteString(kVersions[2]);
    file.WriteInt(drawing.PageCount());
    for (const PlotPage& page : drawing.m_pages) {
        for (int value : page.m_values) {
            file.WriteInt(value);
        }
        WriteDrawingList(file, page.m_items);
        WriteDrawingList(file, page.m_overflow);
        file.WriteInt(static_cast<int>(page.m_texts.size()));
        for (const auto& text : page.m_texts) {
            file.WriteInts(static_cast<int>(kPlotString), text->m_nColor, text->m_nGroup);
            text->WriteToFile(file);
        }
    }
    file.WriteInt(static_cast<int>(drawing.m_fonts.size()));
    for (const auto& font : drawing.m_fonts) {
        font->WriteToFile(file);
    }
    file.WriteInt(static_cast<int>(drawing.m_userColors.size()));
    for (auto [number, color] : drawing.m_userColors) {
        file.WriteInt(number);
        file.WriteDWord(color);
    }
}

} // namespace

BOOL ReadFigureFile(const char* path, PlotDrawing& drawing) {
    BufferedBinaryFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) {
        return FALSE;
    }
    int version = -1;
    try {
        version = ReadVersion(file);
    } catch (const CFileException&) {
        AfxMessageBox(kVersionReadError);
        return FALSE;
    }
    if (version < 0) {
        AfxMessageBox(kFormatError);
        return FALSE;
    }
    file.SetShortIntMode(version < 2);
    try {
        PlotDrawing read;
        read.m_plotFace = drawing.m_plotFace;
        ReadBody(file, version, read);
        drawing = std::move(read);
    } catch (const CFileException&) {
        AfxMessageBox(kDataError);
        return FALSE;
    } catch (const std::bad_alloc&) {
        AfxMessageBox(kMemoryError);
        return FALSE;
    }
    return TRUE;
}

BOOL WriteFigureFile(const char* path, const PlotDrawing& drawing) {
    platform::SafeFileWriter writer(path);
    BufferedBinaryFile file;
    if (!file.Open(writer, CFile::modeCreate | CFile::modeWrite)) {
        return FALSE;
    }
    try {
        WriteBody(file, drawing);
        file.FinishWriting();
    } catch (const CFileException&) {
        return FALSE; // the file has shown its message; the old figure file stays
    }
    if (!CloseFileWithMessage(file)) {
        return FALSE;
    }
    return CommitWithMessage(writer) ? TRUE : FALSE;
}

} // namespace zapho
