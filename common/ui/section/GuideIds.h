#pragma once
// The ids of the guide texts (GuideStrings.h) of both section programs. A tool shows its
// prompt and title when chosen and its prompt id + 1 once its figure has started, so a
// prompt's "Next" text follows it. The texts both programs show live in the kit
// (SharedGuideStrings); each program registers only its own beside them. The two programs
// gave 4045 different texts, so it has one name for each program's text.

#include "platform/core/Types.h"

namespace section::guide {

// No text (a view without a tool has no title).
inline constexpr UINT kNone = static_cast<UINT>(-1);

// --- shown by both programs ---
inline constexpr UINT kMenuPrompt = 4000;
inline constexpr UINT kLineTitle = 4004;
inline constexpr UINT kLinePrompt = 4005;
inline constexpr UINT kLineNextPrompt = 4006;
inline constexpr UINT kPolylineTitle = 4007;
inline constexpr UINT kPolylinePrompt = 4008;
inline constexpr UINT kPolylineNextPrompt = 4009;
inline constexpr UINT kGroundPointTitle = 4035;
inline constexpr UINT kGroundPointPrompt = 4036;
inline constexpr UINT kMeasurePointTitle = 4038;
inline constexpr UINT kMeasurePointPrompt = 4039;
inline constexpr UINT kInnerBoundPointTitle = 4041;
inline constexpr UINT kInnerBoundPointPrompt = 4042;
inline constexpr UINT kLeftBoundPointTitle = 4044;
// The section editor's prompt of both ground-surface boundary point tools; the analysis
// program's once their figure started.
inline constexpr UINT kSurfaceBoundPointPrompt = 4046;
inline constexpr UINT kSelectTitle = 4048;
inline constexpr UINT kSelectPrompt = 4049;
inline constexpr UINT kSelectNextPrompt = 4050;
// A change waits for the confirming click (a modal figure).
inline constexpr UINT kConfirmPrompt = 4051;
inline constexpr UINT kReturnPrompt = 4060;

// --- the analysis program's own ---
inline constexpr UINT kAnalysisGroundPointNextPrompt = 4037;
inline constexpr UINT kAnalysisMeasurePointNextPrompt = 4040;
inline constexpr UINT kAnalysisInnerBoundPointNextPrompt = 4043;
inline constexpr UINT kAnalysisSurfaceBoundPointPrompt = 4045;
inline constexpr UINT kAnalysisRightBoundPointTitle = 4047;
inline constexpr UINT kAnalysisHorizontalLineTitle = 4054;
inline constexpr UINT kAnalysisHorizontalLinePrompt = 4055;
inline constexpr UINT kAnalysisHorizontalLineNextPrompt = 4056;
inline constexpr UINT kAnalysisVerticalLineTitle = 4057;
inline constexpr UINT kAnalysisVerticalLinePrompt = 4058;
inline constexpr UINT kAnalysisVerticalLineNextPrompt = 4059;
inline constexpr UINT kAnalysisBlockLineTitle = 4061;
inline constexpr UINT kAnalysisBlockLinePrompt = 4062;

// --- the section editor's own ---
inline constexpr UINT kEditorPointTitle = 4001;
inline constexpr UINT kEditorRightBoundPointTitle = 4045;
inline constexpr UINT kEditorNodePrompt = 4052;
inline constexpr UINT kEditorNodeNextPrompt = 4053;

} // namespace section::guide
