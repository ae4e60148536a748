#pragma once
// The count limits of a section model, each set in the order ground-surface points, ground
// lines, measurement points, boundary points (the kind names 4120-4123). Both section programs
// read and write the same models and settings files, so the figures live here once.

inline constexpr int kCountLimitKinds = 4;

// What the analysis program reads at most; a section model document holds these until a
// program's settings replace them.
inline constexpr int kAnalysisReadLimits[kCountLimitKinds] = {2000, 2000, 1000, 100};

// The section editor's limits before its settings file says otherwise.
inline constexpr int kSectionEditorDefaultLimits[kCountLimitKinds] = {5000, 5000, 1000, 10};

// The highest point and line limit the section editor's settings accept.
inline constexpr int kSectionEditorHighestLimit = 10000;

// The analysis program's settings before its settings file says otherwise: every point and
// line count the section editor may allow.
inline constexpr int kAnalysisSettingsDefaultLimits[kCountLimitKinds] = {
    kSectionEditorHighestLimit, kSectionEditorHighestLimit, kSectionEditorHighestLimit, 100};
