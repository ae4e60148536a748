#pragma once
// A document with a recording window side and a recording message sink.

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CLine.h"
#include "platform/core/MapEntries.h"
#include "platform/core/RecordingSink.h"
#include "testsupport/Fixtures.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

class RecordingWindowSide : public torvan::BlockDocWindowSide {
public:
    void UpdateAllViews() override { ++updates; }
    bool EditNewBoundaryPoint(torvan::CNode& point) override {
        edited.push_back(point.number);
        return confirmDialog;
    }
    bool IsTreeDialogOpen() const override { return treeOpen; }
    void DeleteTreeItem(int key, int branch) override {
        treeCalls.push_back("delete " + std::to_string(key) + "/" + std::to_string(branch));
    }
    void UpdateTreeItem(int key, torvan::CNode*) override {
        treeCalls.push_back("update " + std::to_string(key));
    }
    void SetFrameCaptions(const CString& path) override { captions.push_back(path.GetString()); }
    bool PromptSavePath(CString& path) override {
        ++prompts;
        path = promptAnswer.c_str();
        return !promptAnswer.empty();
    }
    void ReportSavedFile(const CString& path) override { reported = path.GetString(); }
    void UpdateSlipLineItem(int key, torvan::CVerrant*) override {
        treeCalls.push_back("slip " + std::to_string(key));
    }
    int ChooseReferenceFile(const CString&, const CString&, const CString&) override {
        ++referenceQuestions;
        return referenceChoice;
    }

    int updates = 0;
    bool confirmDialog = true;
    bool treeOpen = false;
    std::vector<int> edited;
    std::vector<std::string> treeCalls;
    std::vector<std::string> captions;
    int prompts = 0;
    std::string promptAnswer; // empty: the prompt is cancelled
    std::string reported;
    int referenceChoice = 0;
    int referenceQuestions = 0;
};

class DocumentTest : public testsupport::RecordingSinkTest {
protected:
    DocumentTest() { doc_.SetWindowSide(&side_); }

    int Ground(double x, double y) {
        int key = -1;
        doc_.InsertGroundPoint(x, y, key);
        return key;
    }
    // Lines as (first point number, second point number), in key order.
    std::vector<std::pair<int, int>> Lines() {
        std::vector<std::pair<int, int>> out;
        for (auto [key, object] : platform::MapEntries<CObject>(doc_.GroundLines())) {
            auto* line = static_cast<torvan::CLine*>(object);
            out.emplace_back(line->node1 + 1, line->node2 + 1);
        }
        return out;
    }

    RecordingWindowSide side_;
    torvan::CBlockDoc doc_;
};
