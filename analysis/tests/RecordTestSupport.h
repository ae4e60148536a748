#pragma once
// Temporary files for the record tests: write through CTextFile, compare bytes.

#include "common/records/CTextFile.h"
#include "testsupport/FileBytes.h"
#include "testsupport/TempDir.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

class RecordFileFixture : public ::testing::Test {
protected:
    // Writes through a text file and returns the bytes.
    std::string WriteWith(const std::function<void(CTextFile&)>& write) {
        CTextFile file;
        EXPECT_EQ(file.Open(path_.c_str(), CFile::modeCreate | CFile::modeWrite), 1);
        write(file);
        file.Close();
        return testsupport::ReadBytes(path_);
    }
    // Opens the bytes for reading.
    void OpenWith(CTextFile& file, const std::string& bytes) {
        testsupport::WriteBytes(path_, bytes);
        ASSERT_EQ(file.Open(path_.c_str(), CFile::modeRead), 1);
    }

    testsupport::TempDir dir_{"model records"};
    const std::string path_ = dir_.File("record.txt");
};
