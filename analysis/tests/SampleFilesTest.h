#pragma once
// A document test over a copy of the sample's analysis file, section model and measurements,
// in a directory of its own whose name starts with stem (a stem with a space takes the space
// into every path the document hands on).

#include "DocumentTestSupport.h"
#include "testsupport/TempDir.h"

#include <filesystem>
#include <string>

class SampleFilesTest : public DocumentTest {
protected:
    explicit SampleFilesTest(const std::string& stem) : temp_(stem) {}

    void SetUp() override {
        for (const char* name : {"sample.sec", "sample.dis", "sample.slo"}) {
            std::filesystem::copy_file(std::filesystem::path(VERRANT_SOURCE_DIR) / "data" / name,
                                       dir_ / name);
        }
    }
    // The analysis file of the directory read into doc, which takes its folder as the opening
    // does; the reader's answer.
    int ReadAnalysisFile(torvan::CBlockDoc& doc, const std::string& name) const {
        CString full;
        CString directory;
        doc.SplitPathName((dir_ / name).c_str(), directory, full);
        doc.SetDirectory(directory);
        int changed = 0;
        return doc.ReadSloFile((dir_ / name).c_str(), changed);
    }

    testsupport::TempDir temp_;
    const std::filesystem::path dir_ = temp_.Path();
};
