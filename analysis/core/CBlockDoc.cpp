#include "CBlockDoc.h"

#include "analysis/core/AnalysisFileReader.h"
#include "analysis/core/AnalysisFileWriter.h"
#include "analysis/core/BlockDivision.h"
#include "analysis/core/CLine.h"
#include "analysis/core/CVerrant.h"
#include "analysis/core/ModelLookup.h"
#include "analysis/core/PlotSheetWriter.h"
#include "analysis/core/ReferenceLocation.h"
#include "analysis/core/SlipLineConstruction.h"
#include "common/geometry/Geometry.h"
#include "common/geometry/ModelExtent.h"
#include "common/records/CTextFile.h"
#include "common/records/ContainerHelpers.h"
#include "common/records/TextHelpers.h"
#include "platform/core/CFile.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MapEntries.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <unistd.h>

using section::PointKind;

namespace torvan {

IMPLEMENT_DYNCREATE(CBlockDoc, CObject)

using platform::IsUnsetDouble;
using platform::kUnsetDouble;
using platform::kUnsetInt;

namespace {

const char8_t* const kLimitNames[4] = {u8"節点", u8"地表線", u8"計測点", u8"境界点"};
const UINT kSaveModifiedHelpId = 61699;

} // namespace

CBlockDoc::CBlockDoc()
    : fourColumns_(false), m_nMaxNode(0), m_nLineCount(0), m_nMaxSite(0), m_nNextKey(0), m_nMaxBound(0),
      m_nSlipLineNo(0) {}

CBlockDoc::~CBlockDoc() {
    DeleteContents();
}

void CBlockDoc::ResetModel() {
    m_extents.m_dMinX = m_extents.m_dMaxX = m_extents.m_dMinY = m_extents.m_dMaxY = kUnsetDouble;
    m_extents.m_dMaxDisp = kUnsetDouble;
    m_nLineCount = m_nMaxNode = m_nMaxSite = m_nMaxBound = m_nNextKey = m_nSlipLineNo = 0;
    m_settings.m_nVectorMode = 0;
}

void CBlockDoc::DeleteContents() {
    DeleteAllMapObjects(m_mapNode);
    DeleteAllMapObjects(m_LineList);
    DeleteAllMapObjects(m_mapSite);
    DeleteAllMapObjects(m_mapBound);
    DeleteAllMapObjects(sectionBounds_);
    DeleteAllMapObjects(m_mapDisp);
    DeleteAllObjects(m_listBlocks);
    DeleteAllObjects(m_listSlipLines);
    m_mapAllPoints.RemoveAll();
    m_listVectorPoints.RemoveAll();
    m_listGroundOrder.RemoveAll();
    m_listBlockLines.clear();
    readingDates_.clear();
    ResetModel();
}

void CBlockDoc::SplitPathName(const char* path, CString& directory, CString& fullPath) {
    CString name;
    SplitPath(path, &directory, &name, nullptr);
    m_strTitle = name;
    fullPath = directory + name + ".slo";
}

int CBlockDoc::SaveWithBackup(const char* path) {
    CString directory;
    SplitPath(path, &directory, nullptr, nullptr);
    // The reference names are written as the file will lie; the document keeps its
    // folder and names until the new file is in place.
    const CString section = m_strSectionFile;
    const CString disp = m_strDispFile;
    const CString referenceFolder = ReferenceFolderOf(m_strDir, m_strPath);
    m_strSectionFile = ReferenceNameForSave(referenceFolder, section, directory);
    m_strDispFile = ReferenceNameForSave(referenceFolder, disp, directory);
    platform::SafeFileWriter writer(path);
    writer.KeepBackup(CString(path) + ".BAK");
    if (!(analysisWriter_ ? analysisWriter_(*this, writer) : WriteSloFile(writer)) ||
        !CommitWithBackupQuestion(
            writer, u8"すべり線解析ﾌｧｲﾙ(.slo)のﾊﾞｯｸｱｯﾌﾟを作成できません。\n保存処理を続けますか？")) {
        m_strSectionFile = section;
        m_strDispFile = disp;
        return 0;
    }
    CString fullPath;
    SplitPathName(path, m_strDir, fullPath);
    SetModifiedFlag(false);
    return 1;
}

int CBlockDoc::OnOpenDocument(const char* path) {
    DeleteContents();
    SplitPathName(path, m_strDir, m_strPath);
    // Saving goes back to the file that was opened, whatever the letter case of its
    // extension: Linux names are case-sensitive, so "A.SLO" and "A.slo" are two files.
    m_strPath = path;
    if (platform::IsMissingDocument(path)) {
        CString message;
        message.Format(u8"%s\nﾌｧｲﾙが見つかりません", path);
        AfxMessageBox(message);
        return 0;
    }
    int changed = 0;
    if (!ReadSloFile(path, changed)) {
        return 0;
    }
    SetModifiedFlag(changed != 0);
    return 1;
}

int CBlockDoc::ReadSloFile(const char* path, int& changed) {
    const AnalysisReadResult result = AnalysisFileReader(*this).Read(path);
    changed = result.changed ? 1 : 0;
    return result.Ok() ? 1 : 0;
}

int CBlockDoc::WriteSloFile(const char* path) {
    return AnalysisFileWriter(*this).Write(path);
}

int CBlockDoc::WriteSloFile(platform::SafeFileWriter& writer) {
    return AnalysisFileWriter(*this).Write(writer);
}

void CBlockDoc::ReadErrorMessage(const char* path) {
    MessageBeep(0);
    CString message;
    message.Format(u8"ファイル読み込みエラーです。\n%s", path);
    AfxMessageBox(message);
    AfxThrowUserException();
}

int CBlockDoc::WritePlotFile(CString& outputPath, const PlotStyle& style, bool* declined) {
    double width, height;
    GetModelExtent(width, height);
    return PlotSheetWriter(*this, style).Write(outputPath, declined);
}

int CBlockDoc::DoSave(const char* path, CString& savedPath) {
    savedPath = path ? path : "";
    if (savedPath.IsEmpty() && !(windowSide_ && windowSide_->PromptSavePath(savedPath))) {
        return 0;
    }
    return SaveWithBackup(savedPath);
}

int CBlockDoc::OnFileSave() {
    if (!m_strPath.IsEmpty()) {
        CString question;
        question.Format(u8"%s\n更新してもよろしいですか？", m_strPath.GetString());
        if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES) {
            return 0;
        }
    }
    CString saved;
    if (!DoSave(m_strPath, saved)) {
        return 0;
    }
    UpdatePathAndTitles(saved);
    if (windowSide_) {
        windowSide_->ReportSavedFile(saved);
    }
    return 1;
}

int CBlockDoc::OnFileSaveAs() {
    CString saved;
    if (!DoSave(nullptr, saved)) {
        return 0;
    }
    UpdatePathAndTitles(saved);
    if (windowSide_) {
        windowSide_->ReportSavedFile(saved);
    }
    return 1;
}

int CBlockDoc::SaveModified() {
    if (!IsModified()) {
        return 1;
    }
    CString name =
        !m_strPath.IsEmpty() ? m_strPath : (!m_strTitle.IsEmpty() ? m_strTitle : CString(u8"無題"));
    CString question;
    question.Format(u8"%s に行った変更を保存しますか?", name.GetString());
    int answer = AfxMessageBox(question, MB_YESNOCANCEL, kSaveModifiedHelpId);
    if (answer == IDCANCEL) {
        return 0;
    }
    CString saved;
    return answer == IDNO || DoSave(m_strPath, saved) ? 1 : 0;
}

void CBlockDoc::UpdatePathAndTitles(const CString& path) {
    if (path == m_strPath) {
        return;
    }
    m_strPath = path;
    if (windowSide_) {
        windowSide_->SetFrameCaptions(path);
    }
}

void CBlockDoc::GetModelExtent(double& width, double& height) {
    ModelExtent extent;
    for (auto [key, point] : platform::MapEntries<const CNode>(m_mapAllPoints)) {
        if (point->state >= 0) {
            extent.Add(point->x, point->y);
        }
    }
    double box[4] = {kUnsetDouble, kUnsetDouble, kUnsetDouble, kUnsetDouble};
    extent.Get(box, width, height);
    m_extents.m_dMinX = box[0];
    m_extents.m_dMaxX = box[1];
    m_extents.m_dMinY = box[2];
    m_extents.m_dMaxY = box[3];
}

int CBlockDoc::CheckDataLimit(int count, int limit, int limitIndex) {
    if (count <= limit) {
        return 1;
    }
    CString message;
    message.Format(u8"%sﾃﾞｰﾀの個数が制限を越えています", CString(kLimitNames[limitIndex]).GetString());
    AfxMessageBox(message);
    return 0;
}

DPoint CBlockDoc::GetNodeXY(int key) const {
    return ModelLookup(*this).GetNodeXY(key);
}

double CBlockDoc::FindNearestLine(const CMapWordToOb& lines, double x, double y, int* key,
                                  bool endPoints) const {
    return ModelLookup(*this).FindNearestLine(lines, x, y, key, endPoints);
}

CNode* CBlockDoc::FindBoundaryPoint(PointKind kind) const {
    return ModelLookup(*this).FindBoundaryPoint(kind);
}

CNode* CBlockDoc::FindPointByName(const CString& name, const CMapWordToOb& points) const {
    return ModelLookup::FindPointByName(name, points);
}

int CBlockDoc::FindNearestIntersection(double x, double y, DPoint& point) const {
    return ModelLookup(*this).FindNearestIntersection(x, y, point);
}

CLine* CBlockDoc::LineAt(int key) const {
    CObject* object = nullptr;
    if (key < 0 || key > 0xFFFF || !m_LineList.Lookup(static_cast<WORD>(key), object)) {
        return nullptr;
    }
    return static_cast<CLine*>(object);
}

void CBlockDoc::UpdateMaxNumbers(PointKind kind) {
    CMapWordToOb& map = PointMapOfKind(kind);
    int& largest = kind == PointKind::kGround ? m_nMaxNode
                                              : (kind == PointKind::kMeasurement ? m_nMaxSite : m_nMaxBound);
    largest = 0;
    for (auto [key, point] : platform::MapEntries<const CNode>(map)) {
        largest = std::max(largest, point->number);
    }
    m_nNextKey = m_mapAllPoints.MaxKey() + 1;
}

int CBlockDoc::UpdateMaxSlipPointCount() const {
    int largest = 0;
    POSITION pos = m_listSlipLines.GetHeadPosition();
    while (pos) {
        largest = std::max(largest, static_cast<CVerrant*>(m_listSlipLines.GetNext(pos))->pointCount);
    }
    return largest;
}

void CBlockDoc::MakeVerticalBlockLines(const double* xs, const double* betas, int count) {
    BlockDivision(*this).MakeVerticalLines(xs, betas, count);
}

BlockDivisionStatus CBlockDoc::MakeBlockLines() {
    return BlockDivision(*this).MakeBlockLines().status;
}

int CBlockDoc::MakeBlocks() {
    BlockDivision(*this).MakeBlocks();
    return 1;
}

int CBlockDoc::FindBlockIndex(double x, double y) const {
    return BlockDivision::FindBlockIndex(m_listBlocks, x, y);
}

BlockLineCheck CBlockDoc::CheckBlockLineConditions() const {
    return BlockDivision::CheckBlockLineConditions(*this);
}

SlipLineStatus CBlockDoc::MakeSlipLines(const char* resultPath) {
    return SlipLineConstruction(*this).MakeSlipLine(resultPath);
}

void CBlockDoc::AddSlipLine(CVerrant* line) {
    line->method = m_settings.m_nMethod;
    line->methodOption = m_settings.m_nMethodOption;
    line->visible1 = 1;
    if (m_settings.m_nMethod == kPolynomial && !m_listBlockLines.empty()) {
        line->blockX.clear();
        line->blockBeta.clear();
        for (const BlockLineRecord& block : m_listBlockLines) {
            line->blockX.push_back(block.x1);
            line->blockBeta.push_back(block.beta);
        }
        line->blockCount = static_cast<int>(m_listBlockLines.size());
    }
    line->number = ++m_nSlipLineNo;
    line->name = CString(u8"すべり線");
    m_listSlipLines.AddTail(line);
    if (windowSide_ && windowSide_->IsTreeDialogOpen()) {
        windowSide_->UpdateSlipLineItem(line->number * 10, line);
    }
}

} // namespace torvan
