#pragma once
// The texts the solver writes into its run log and result file, in UTF-8 as written in the
// source; RunLog and ResultWriter turn them into CP932 on the way out.

namespace kalipe::msg {

// Input reading.
inline constexpr const char8_t* kInputMissing = u8"***** ERROR : 入力ﾃﾞｰﾀﾌｧｲﾙが存在しませんでした *****";
inline constexpr const char8_t* kInputEmpty = u8"***** ERROR : 入力ﾃﾞｰﾀﾌｧｲﾙが空でした *****";
inline constexpr const char8_t* kTitle = u8"***** 計算ﾀｲﾄﾙ : ";
inline constexpr const char8_t* kOutputFile = u8"***** 出力ﾌｧｲﾙ : ";
inline constexpr const char8_t* kNotExecuted = u8"***** 計算は実行されませんでした *****";
// Written to standard error when no run log can be made.
inline constexpr const char8_t* kNoOutputNames =
    u8"***** ERROR : 入力ﾃﾞｰﾀﾌｧｲﾙ名から出力ﾌｧｲﾙ名を作れません *****";
inline constexpr const char8_t* kLogNotCreated = u8"***** ERROR : ﾛｸﾞﾌｧｲﾙを作成できません *****";

// Numeric errors of the first pass, one per keyword.
inline constexpr const char8_t* kNodeValueError =
    u8"***** ERROR : 地表線座標の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****";
inline constexpr const char8_t* kPointValueError =
    u8"***** ERROR : 計測点座標の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****";
inline constexpr const char8_t* kLeftValueError =
    u8"***** ERROR : 左地表境界点の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****";
inline constexpr const char8_t* kRightValueError =
    u8"***** ERROR : 右地表境界点の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****";
inline constexpr const char8_t* kInnerValueError =
    u8"***** ERROR : 内部境界点の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****";
inline constexpr const char8_t* kBlockValueError =
    u8"***** ERROR : ﾌﾞﾛｯｸ境界線の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****";
inline constexpr const char8_t* kDispValueError =
    u8"***** ERROR : 計測変位の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****";
inline constexpr const char8_t* kCoefValueError =
    u8"***** ERROR : 重み係数の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****";

// Structure, duplicates and matching.
inline constexpr const char8_t* kTooFewNodes = u8"***** ERROR : 地表線座標の数値ﾃﾞｰﾀが不足でした *****";
inline constexpr const char8_t* kNoPoints = u8"***** ERROR : 計測点座標が定義されませんでした *****";
inline constexpr const char8_t* kNoSurfaceBoundary =
    u8"***** ERROR : 地表境界点座標が定義されませんでした *****";
inline constexpr const char8_t* kShortSeries =
    u8"***** ERROR : 時刻歴数不足の計測変位ﾃﾞｰﾀが発見されました *****";
inline constexpr const char8_t* kBlocksExceedPoints =
    u8"***** ERROR : 計測点数を越えるﾌﾞﾛｯｸ境界線が定義されました *****";
inline constexpr const char8_t* kBlocksExceedSeries =
    u8"***** ERROR : 計測変位ﾃﾞｰﾀ数を越えるﾌﾞﾛｯｸ境界線が定義されました *****";
inline constexpr const char8_t* kDuplicateIds = u8"***** ERROR : 重複した計測点番号が発見されました *****";
inline constexpr const char8_t* kNoMatchedSeries =
    u8"***** ERROR : 計測点の有効な変位ﾃﾞｰﾀが定義されませんでした *****";

// Second pass: a count that differs from the first pass.
inline constexpr const char8_t* kNodeCountError = u8"***** ERROR : 地表線座標ﾃﾞｰﾀにｴﾗｰが発見されました *****";
inline constexpr const char8_t* kPointCountError =
    u8"***** ERROR : 計測点座標ﾃﾞｰﾀにｴﾗｰが発見されました *****";
inline constexpr const char8_t* kBlockCountError =
    u8"***** ERROR : ﾌﾞﾛｯｸ境界線ﾃﾞｰﾀにｴﾗｰが発見されました *****";
inline constexpr const char8_t* kDispCountError = u8"***** ERROR : 計測変位ﾃﾞｰﾀにｴﾗｰが発見されました *****";

// Work area.
inline constexpr const char8_t* kAreaShort = u8"***** ﾃﾞｰﾀｴﾘｱが不足しました. 必要語数=";
inline constexpr const char8_t* kAreaEnlarge = u8"***** ﾃﾞｰﾀｴﾘｱを拡大してください *****";

// Preparation.
inline constexpr const char8_t* kTooFewConditions =
    u8"***** ERROR : 境界条件数が不足しているため多項式法は適用不可 *****";
inline constexpr const char8_t* kSameBoundaryX = u8"***** ERROR : 左右地表境界点の水平座標が同一でした *****";
inline constexpr const char8_t* kBoundaryOutsideGround =
    u8"***** ERROR : 地表境界点が地表線を越えて定義されました *****";
inline constexpr const char8_t* kInnerOutsideGround =
    u8"***** ERROR : 内部境界点座標が地表線を越えて定義されました *****";
inline constexpr const char8_t* kInnerOutsideBoundary =
    u8"***** ERROR : 内部境界点座標が地表境界点を越えて定義されました *****";
inline constexpr const char8_t* kNoUsablePoints =
    u8"***** ERROR : 有効な計測点又は計測変位ﾃﾞｰﾀが定義されませんでした *****";
// A system without a unique solution (not detected by the earlier checks).
inline constexpr const char8_t* kSingularSystem =
    u8"***** ERROR : 係数行列が特異なため解が求まりませんでした *****";

// Results.
inline constexpr const char8_t* kBlockCountLabel = u8"*****  ﾌﾞﾛｯｸ数 :";
inline constexpr const char8_t* kSafetyLabel = u8"安全率 FS=";
inline constexpr const char8_t* kGammaLabel = u8"γ=";
inline constexpr const char8_t* kPhiLabel = u8"φ=";
inline constexpr const char8_t* kBlockUnit = u8" ﾌﾞﾛｯｸ";
inline constexpr const char8_t* kSafetyHeader = u8"***** すべり面安全率計算  γ=";
inline constexpr const char8_t* kSafetyResult = u8"***** すべり面安全率 =";

} // namespace kalipe::msg
