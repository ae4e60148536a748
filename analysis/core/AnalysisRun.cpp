#include "AnalysisRun.h"
#include "analysis/core/BlockDivision.h"
#include "analysis/core/SlipLineConstruction.h"

#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"

#include <vector>

namespace torvan {

int AnalysisRun::Run(int method, int option) {
    if (method != CBlockDoc::kPolynomial) {
        return RunPolygonMethod(method, option);
    }
    return OpenPolynomialMethod() ? ConfirmBlockLineTable() : 0;
}

int AnalysisRun::RunPolygonMethod(int method, int option) {
    if (doc_.Settings().m_nVectorMode == 1) {
        AfxMessageBox(u8"変位はﾍﾞｸﾄﾙ連結線で表示されていますが、解析では始点終点で計算されます");
    }
    doc_.Settings().m_nMethod = method;
    doc_.Settings().m_nMethodOption = option;
    if (doc_.MakeBlockLines() != BlockDivisionStatus::kDone) {
        return 0;
    }
    // The new block lines and slip line are saved with the file: closing must ask.
    doc_.SetModifiedFlag();
    return doc_.MakeSlipLines(nullptr) == SlipLineStatus::kMade ? 1 : 0;
}

int AnalysisRun::OpenPolynomialMethod() {
    int inner = platform::kUnsetInt;
    int left = platform::kUnsetInt;
    int right = platform::kUnsetInt;
    doc_.GetBoundaryPointNumbers(inner, left, right);
    if (left == platform::kUnsetInt && right == platform::kUnsetInt) {
        AfxMessageBox(u8"多項式法では地表点が必須です");
        return 0;
    }
    doc_.Settings().m_nMethod = CBlockDoc::kPolynomial;
    if (!doc_.BlockLines().empty()) {
        doc_.KeyBlockLinesFromList();
    }
    return 1;
}

bool AnalysisRun::CheckTableLines() {
    switch (doc_.CheckBlockLineConditions()) {
    case BlockLineCheck::kValid:
        return true;
    case BlockLineCheck::kTooFewConditions:
        AfxMessageBox(u8"計測点変位ﾃﾞｰﾀ数不足によりﾌﾞﾛｯｸ線指定できません");
        return false;
    case BlockLineCheck::kEmptyBlock:
        AfxMessageBox(u8"計測点ﾃﾞｰﾀがないﾌﾞﾛｯｸができるため、ﾌﾞﾛｯｸ線指定できません");
        return false;
    default:
        AfxMessageBox(u8"ﾌﾞﾛｯｸ線指定ｴﾗｰです");
        return false;
    }
}

int AnalysisRun::ConfirmBlockLineTable() {
    if (doc_.BlockLineTable().empty()) {
        AfxMessageBox(u8"ﾌﾞﾛｯｸ線が未定義ため、すべり線生成できません");
        rowsRefused_ = true;
        return 0;
    }
    if (!CheckTableLines()) {
        rowsRefused_ = true;
        return 0;
    }
    std::vector<double> xs;
    std::vector<double> betas;
    for (const auto& [x, beta] : doc_.BlockLineTable()) {
        xs.push_back(x);
        betas.push_back(beta);
    }
    double width, height;
    doc_.GetModelExtent(width, height);
    doc_.MakeVerticalBlockLines(xs.data(), betas.data(), static_cast<int>(xs.size()));
    doc_.SetModifiedFlag();
    if (AfxMessageBox(u8"このまま解析を続行しますか？", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return 0;
    }
    return doc_.RunSolver(solver_);
}

} // namespace torvan
