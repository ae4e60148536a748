#pragma once
// Temporary files for the record tests: write through CTextFile, compare bytes.

#include "common/records/TextFile.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>

class RecordFileFixture : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = (std::filesystem::temp_directory_path() /
                 ("model_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt"))
                    .string();
    }
    void TearDown() override { std::filesystem::remove(path_); }

    // Writes through a text file and returns the bytes.
    std::string WriteWith(const std::function<void(CTextFile&)>& write) {
        CTextFile file;
        EXPECT_EQ(file.Open(path_.c_str(), CFile::modeCreate | CFile::modeWrite), 1);
        write(file);
        file.Close();
        std::ifstream in(path_, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    // Opens the bytes for reading.
    void OpenWith(CTextFile& file, const std::string& bytes) {
        std::ofstream(path_, std::ios::binary) << bytes;
        ASSERT_EQ(file.Open(path_.c_str(), CFile::modeRead), 1);
    }

    std::string path_;
};
