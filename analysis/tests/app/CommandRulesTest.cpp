// The enable and check rules of the analysis view's commands through the document's states:
// empty, with the sample, with a selection, with point changes waiting for their confirming
// click, and with the block-line table open.

#include "TorvanViewProgram.h"

#include "analysis/app/TorvanIds.h"

#include "analysis/core/CVerrant.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/DialogScript.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace torvan {
namespace {

constexpr UINT kAllTargetsButton = 150; // "全指定" of the selection-target dialog

struct Rule {
    UINT id;
    bool enabled;
    int check;
};

class CommandRulesTest : public TorvanWindowTest<testsupport::RecordingSinkTest> {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProgramViewTest::SetUp());
        InitialUpdate(); // an empty document: its reference question is declined
    }
    void TearDown() override {
        view_->CloseBlockLineTable();
        ProgramViewTest::TearDown();
    }
    CCmdUI Update(UINT id) {
        CCmdUI ui(id);
        EXPECT_TRUE(view_->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui)) << id << " has no update rule";
        return ui;
    }
    void ExpectRules(std::initializer_list<Rule> rules, const char* when) {
        for (const Rule& rule : rules) {
            const CCmdUI ui = Update(rule.id);
            EXPECT_EQ(ui.m_bEnabled, rule.enabled) << when << ": command " << rule.id;
            EXPECT_EQ(ui.m_nCheck, rule.check) << when << ": command " << rule.id;
        }
    }
};

TEST_F(CommandRulesTest, RulesFollowTheDocumentTheSelectionPendingChangesAndTheTable) {
    ExpectRules({{ID_EDIT_SELECT_ALL, false, 0},
                 {ID_SELECT_UNUSED_POINTS, false, 0},
                 {ID_SNAP_TO_POINT, false, 0},
                 {ID_INPUT_SURFACE_LINE, true, 0},
                 {ID_EDIT_DELETE, false, 0},
                 {ID_EDIT_DESELECT, false, 0},
                 {ID_EDIT_MOVE, false, 0},
                 {ID_DRAW_SURFACE_POINT, true, 0},
                 {ID_FILE_OPEN, true, 0}},
                "empty document");

    ASSERT_EQ(Model().OnOpenDocument(VERRANT_SOURCE_DIR "/data/sample.slo"), 1);
    Command(ID_SNAP_TO_POINT);
    Command(ID_DRAW_SURFACE_POINT);
    ExpectRules({{ID_EDIT_SELECT_ALL, true, 0},
                 {ID_SNAP_TO_POINT, true, 1},
                 {ID_INPUT_SURFACE_LINE, false, 0},
                 {ID_DRAW_SURFACE_POINT, true, 1},
                 {ID_DRAW_MEASURE_POINT, true, 0}},
                "the sample, snapping, drawing ground points");

    // Select all takes what the targets allow (by default boundary points and slip lines).
    // A shown slip line and a hidden one: only what is shown can be selected.
    for (int shown : {1, 0}) {
        auto* slip = new CVerrant(shown + 1);
        slip->x = {30.0, 80.0, 130.0};
        slip->y = {85.0, 50.0, 56.0};
        slip->pointCount = 3;
        slip->visible1 = slip->visible2 = shown;
        slip->state = 0;
        Model().SlipLines().AddTail(slip);
    }
    Command(ID_EDIT_SELECT_ALL);
    EXPECT_GT(view_->m_nSelectAllCounts[0], 0);
    EXPECT_EQ(view_->m_nSelectAllCounts[1], 0);
    EXPECT_EQ(view_->m_nSelectAllCounts[2], 1);
    ExpectRules({{ID_EDIT_DELETE, true, 0}, {ID_EDIT_MOVE, false, 0}},
                "boundary points and slip lines selected");
    // With every target ("全指定" in the target dialog) it takes the lines too; other tools wait
    // until the selection is given up.
    platform::DialogScript::Queue([](CDialog& dialog) { dialog.RouteCommand(kAllTargetsButton); });
    Command(ID_SELECT_TARGETS);
    ASSERT_TRUE(view_->SelectsTarget(CViewBase::kTargetLines));
    Command(ID_EDIT_SELECT_ALL);
    EXPECT_GT(view_->m_nSelectAllCounts[1], 0);
    ExpectRules({{ID_EDIT_SELECT, true, 1},
                 {ID_DRAW_SURFACE_POINT, false, 0},
                 {ID_DRAW_INNER_BOUND_POINT, false, 0},
                 {ID_EDIT_DELETE, true, 0},
                 {ID_EDIT_MOVE, true, 0},
                 {ID_CHANGE_POINT_COORDINATES, true, 0}},
                "everything selected");

    // Point changes waiting for their confirming click keep the selection and the tables shut.
    view_->m_pendingEdit =
        std::make_unique<section::PendingPointEdit>(section::PendingPointEdit::kGroundPoints);
    ExpectRules({{ID_EDIT_DELETE, false, 0},
                 {ID_EDIT_MOVE, false, 0},
                 {ID_INPUT_SURFACE_POINTS, false, 0},
                 {ID_INPUT_BOUND_POINTS, false, 0}},
                "pending point changes");
    view_->m_pendingEdit.reset();

    Command(ID_EDIT_DESELECT);
    EXPECT_EQ(view_->m_nSelectAllCounts[0], 0);
    view_->OpenBlockLineTable();
    ExpectRules({{ID_FILE_OPEN, false, 0},
                 {ID_FILE_SAVE, false, 0},
                 {ID_ANALYSIS_RUN, false, 0},
                 {ID_INPUT_BOUND_POINTS, false, 0},
                 {ID_DRAW_INNER_BOUND_POINT, false, 0},
                 {ID_EDIT_SELECT, false, 0},
                 {ID_DRAW_SURFACE_POINT, true, 0}},
                "block-line table open");
}

} // namespace
} // namespace torvan
