#pragma once
// The analysis program's document: one analysis file with the section model it names
// (ground-surface points and lines, measurement points, boundary points), the
// measurement displacement records, the analysis settings, the block division lines,
// the blocks and the slip lines. Owns every record object.
//
// Keys and numbers: a point of a kind is stored in its kind's map under key number - 1
// and in m_mapAllPoints under its entry key (seqNo). A ground-surface line is stored in
// m_LineList under its line key; its number is key + 1. Files hold numbers, maps keys.
//
// The window side (views, dialogs) is reached only through BlockDocWindowSide.

#include "analysis/core/BlockDocWindowSide.h"
#include "analysis/core/CNode.h"
#include "analysis/core/DocumentSettings.h"
#include "analysis/core/PlotSettings.h"
#include "common/geometry/DPoint.h"
#include "common/geometry/Geometry.h"
#include "common/records/MeasurementFile.h"
#include "common/section/PendingPointEdit.h"
#include "platform/core/CMapWordToOb.h"
#include "platform/core/CMapWordToPtr.h"
#include "platform/core/CObList.h"
#include "platform/core/CPtrList.h"
#include "platform/core/CString.h"
#include "platform/core/SafeFileWriter.h"

#include <array>
#include <functional>
#include <map>
#include <set>
#include <vector>

namespace torvan {

class CLine;
class CVerrant;
enum class BlockDivisionStatus; // BlockDivision.h
enum class BlockLineCheck;      // BlockDivision.h
enum class SlipLineStatus;      // SlipLineConstruction.h

// A block division line: upper end, lower end and its weight coefficient beta.
struct BlockLineRecord {
    double x1;
    double y1;
    double x2;
    double y2;
    double beta;
};

class CBlockDoc : public CObject {
    DECLARE_DYNCREATE(CBlockDoc)

public:
    // Indexes of m_limits.m_nLimit, named like the string ids 4120-4123.
    enum LimitIndex { kPointLimit = 0, kLineLimit = 1, kSiteLimit = 2, kBoundLimit = 3 };
    enum Method { kParallel = 0, kRotation = 1, kPolynomial = 2 };

    CBlockDoc();
    ~CBlockDoc() override;
    CBlockDoc(const CBlockDoc&) = delete;
    CBlockDoc& operator=(const CBlockDoc&) = delete;

    void SetWindowSide(BlockDocWindowSide* side) { windowSide_ = side; }
    BlockDocWindowSide* WindowSide() const { return windowSide_; }

    // --- life cycle (CBlockDoc.cpp) ---
    void ResetModel();
    void DeleteContents();
    void SplitPathName(const char* path, CString& directory, CString& fullPath);
    // Opens an analysis file with the files it names: 1 opened (modified when the reader
    // says so), 0 after "%s\nﾌｧｲﾙが見つかりません" for a file that cannot be read and
    // written, or after the reader's messages. The document is emptied first.
    int OnOpenDocument(const char* path);
    // Saves under path, or under a name from the window side's prompt when path is null
    // or empty; savedPath receives the name. 1 saved.
    int DoSave(const char* path, CString& savedPath);
    // The save command: asks "%s\n更新してもよろしいですか？" when the document has a path
    // (No does nothing), saves, takes the new path and reports the file. 1 saved.
    int OnFileSave();
    // The save-as command: always prompts for the name. 1 saved.
    int OnFileSaveAs();
    // Before closing: 1 to go on (unmodified, saved, or the user's No), 0 to keep the
    // document open (Cancel, or a failed save).
    int SaveModified();
    // Stores a path that differs from m_strPath (exact comparison: Linux names keep
    // their case) and sets the frame captions.
    void UpdatePathAndTitles(const CString& path);
    // Writes the analysis file through a platform::SafeFileWriter that keeps the previous
    // file as its full name + ".BAK" ("a.slo.BAK", so a section file beside it keeps its own). A failed write
    // leaves the file and its ".BAK" as they were and no temporary file; a backup that cannot be made asks
    // whether to go on. 1 saved (the document is then unmodified), 0 not (the messages have been shown). The
    // reference names are written so that they reach their files from the new folder (ReferenceNameForSave)
    // and the document takes them, and the folder, once saved.
    int SaveWithBackup(const char* path);
    // The writer SaveWithBackup uses: opens its file on the safe writer, writes and closes
    // it (1 written, 0 failed after its message); WriteSloFile when none is set. Tests and
    // later file formats plug in here.
    using AnalysisWriter = std::function<int(CBlockDoc&, platform::SafeFileWriter&)>;
    void SetAnalysisWriter(AnalysisWriter writer) { analysisWriter_ = std::move(writer); }
    // Model extent over all points in use; width 200 x height 100 and unset extents
    // for an empty model.
    void GetModelExtent(double& width, double& height);
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    // --- the model's contents ---
    // Point maps by kind: ground-surface points, measurement points, boundary points (all
    // three kinds), the boundary points as the section model file gives them, and every
    // point in use by entry key (refers only). Keys are number - 1, see above.
    CMapWordToOb& GroundPoints() { return m_mapNode; }
    const CMapWordToOb& GroundPoints() const { return m_mapNode; }
    CMapWordToOb& MeasurementPoints() { return m_mapSite; }
    const CMapWordToOb& MeasurementPoints() const { return m_mapSite; }
    CMapWordToOb& BoundaryPoints() { return m_mapBound; }
    const CMapWordToOb& BoundaryPoints() const { return m_mapBound; }
    CMapWordToOb& SectionBoundaryPoints() { return sectionBounds_; }
    const CMapWordToOb& SectionBoundaryPoints() const { return sectionBounds_; }
    CMapWordToOb& AllPoints() { return m_mapAllPoints; }
    const CMapWordToOb& AllPoints() const { return m_mapAllPoints; }
    // Ground-surface lines (CLine) by line key, and the ground points (CNode*) left to right.
    CMapWordToOb& GroundLines() { return m_LineList; }
    const CMapWordToOb& GroundLines() const { return m_LineList; }
    CPtrList& GroundOrder() { return m_listGroundOrder; }
    const CPtrList& GroundOrder() const { return m_listGroundOrder; }
    // Measurement displacement records (CDispData) by index, the reading dates, and the
    // records whose vectors are drawn (refers only).
    CMapWordToOb& Displacements() { return m_mapDisp; }
    const CMapWordToOb& Displacements() const { return m_mapDisp; }
    std::vector<ReadingDate>& ReadingDates() { return readingDates_; }
    const std::vector<ReadingDate>& ReadingDates() const { return readingDates_; }
    CObList& VectorPoints() { return m_listVectorPoints; }
    const CObList& VectorPoints() const { return m_listVectorPoints; }
    // Block division lines, blocks (CBlock) and slip lines (CVerrant).
    std::vector<BlockLineRecord>& BlockLines() { return m_listBlockLines; }
    const std::vector<BlockLineRecord>& BlockLines() const { return m_listBlockLines; }
    CObList& Blocks() { return m_listBlocks; }
    const CObList& Blocks() const { return m_listBlocks; }
    CObList& SlipLines() { return m_listSlipLines; }
    const CObList& SlipLines() const { return m_listSlipLines; }
    // The block-line table being edited: the working copy and the lines by number - 1.
    std::vector<std::pair<double, double>>& BlockLineTable() { return blockLineTable_; }
    const std::vector<std::pair<double, double>>& BlockLineTable() const { return blockLineTable_; }
    std::map<int, std::pair<double, double>>& BlockLineMap() { return m_mapBlockLines; }
    const std::map<int, std::pair<double, double>>& BlockLineMap() const { return m_mapBlockLines; }

    // Grouped state: analysis settings, model extents, look-up distances, count limits and
    // the drawing run's sheet.
    AnalysisSettings& Settings() { return m_settings; }
    const AnalysisSettings& Settings() const { return m_settings; }
    ModelExtents& Extents() { return m_extents; }
    const ModelExtents& Extents() const { return m_extents; }
    SnapDistances& Snap() { return m_snap; }
    const SnapDistances& Snap() const { return m_snap; }
    DataLimits& Limits() { return m_limits; }
    const DataLimits& Limits() const { return m_limits; }
    SheetParameters& Sheet() { return sheet_; }
    const SheetParameters& Sheet() const { return sheet_; }

    // Names: the analysis file's folder (with its separator), full path and title, the
    // analysis title, the reference files as the analysis file names them with their
    // titles, and the reference names given on the command line.
    const CString& Directory() const { return m_strDir; }
    void SetDirectory(const CString& directory) { m_strDir = directory; }
    const CString& Path() const { return m_strPath; }
    void SetPath(const CString& path) { m_strPath = path; }
    const CString& Title() const { return m_strTitle; }
    void SetTitle(const CString& title) { m_strTitle = title; }
    const CString& AnalysisTitle() const { return m_strAnalysisTitle; }
    void SetAnalysisTitle(const CString& title) { m_strAnalysisTitle = title; }
    const CString& SectionFile() const { return m_strSectionFile; }
    void SetSectionFile(const CString& name) { m_strSectionFile = name; }
    const CString& DispFile() const { return m_strDispFile; }
    void SetDispFile(const CString& name) { m_strDispFile = name; }
    const CString& DispTitle() const { return dispTitle_; }
    void SetDispTitle(const CString& title) { dispTitle_ = title; }
    const CString& CommandLineSection() const { return commandLineSection_; }
    void SetCommandLineSection(const CString& name) { commandLineSection_ = name; }
    const CString& CommandLineDisp() const { return commandLineDisp_; }
    void SetCommandLineDisp(const CString& name) { commandLineDisp_ = name; }
    // Whether the measurement file has its angle line.
    bool HasFourColumns() const { return fourColumns_; }
    void SetFourColumns(bool fourColumns) { fourColumns_ = fourColumns; }

    // Counters: the highest number in use per point kind, the ground line count (next
    // line key), the next entry key of m_mapAllPoints and the next slip line number.
    int MaxNode() const { return m_nMaxNode; }
    void SetMaxNode(int count) { m_nMaxNode = count; }
    int MaxSite() const { return m_nMaxSite; }
    void SetMaxSite(int count) { m_nMaxSite = count; }
    int MaxBound() const { return m_nMaxBound; }
    void SetMaxSectionBound(int count) { maxSectionBound_ = count; }
    int LineCount() const { return m_nLineCount; }
    void SetLineCount(int count) { m_nLineCount = count; }
    int NextKey() const { return m_nNextKey; }
    void SetNextKey(int key) { m_nNextKey = key; }
    int SlipLineNo() const { return m_nSlipLineNo; }
    void SetSlipLineNo(int number) { m_nSlipLineNo = number; }

    // --- limits and look-ups (CBlockDoc.cpp; the look-ups are ModelLookup's) ---
    // 1 when count <= limit; otherwise "%sﾃﾞｰﾀの個数が制限を越えています" and 0.
    int CheckDataLimit(int count, int limit, int limitIndex);
    // Squared distance of the nearest line (100000 when none qualifies); key when asked.
    double FindNearestLine(const CMapWordToOb& lines, double x, double y, int* key, bool endPoints) const;
    // Coordinates of a ground-surface point by key; a missing point gives
    // (minimum x - 10, minimum y - 10) of the model extent.
    DPoint GetNodeXY(int key) const;
    // The first boundary point of the kind that is in use, or null.
    CNode* FindBoundaryPoint(section::PointKind kind) const;
    // The highest number in use in the kind's map (the boundary kinds share one).
    void UpdateMaxNumbers(section::PointKind kind);
    int UpdateMaxSlipPointCount() const;
    void MakeVerticalBlockLines(const double* xs, const double* betas, int count);
    CNode* FindPointByName(const CString& name, const CMapWordToOb& points) const;

    // --- inserting points and lines (CBlockDocInsert.cpp) ---
    // Each returns 1 when an existing point of the kind was hit (its key), else 0 with the
    // new point's key, or key -1 when a limit or the user refused; a refusal changes
    // nothing. A ground point on a line splits it, and is refused when the two pieces
    // would pass the line limit.
    int InsertGroundPoint(double x, double y, int& key);
    int InsertSitePoint(double x, double y, int& key);
    int InsertBoundaryPoint(double x, double y, section::PointKind kind, int& key);
    // The existing point that a position hit, or null (a new point, or a refusal).
    CNode* InsertPoint(double x, double y, section::PointKind kind);
    // -1 equal ends, -2 over the line limit, else line key + 1.
    int AddLine(int key1, int key2, int lineKey);
    int AddUniqueNo(std::vector<int>& keys, int key) const;
    // Splits the lines that the drawn segment crosses and removes the lines that lie on
    // it; the count of keys in the list, or -1. covered (when given) receives the end
    // points of the removed lines, for the drawn line to pass through.
    int InsertLineWithCrossings(const DPoint& start, const DPoint& end, std::vector<int>& keys,
                                SegmentKind kind, int startKey, int endKey,
                                std::vector<int>* covered = nullptr);
    // Key of the point where a drawn segment crosses a line (an existing near point, or a
    // new one that splits the line); -1, with nothing changed, at a limit.
    int InsertCrossingPoint(const DPoint& crossing, const DPoint& segmentStart, SegmentKind kind,
                            SegmentKind lineKind, int keyA, int keyB, int startKey, int endKey, int lineKey,
                            int& nextLineKey);
    int AddSegmentPieces(int startKey, int endKey, std::vector<int>& keys, int count, SegmentKind kind);
    // A run of ground-surface points joined by lines; 1 when the lines were renumbered.
    int ImportPointRun(const std::vector<DPoint>& points, int option = 0);

    // --- the analysis file (read by AnalysisFileReader, written by AnalysisFileWriter) ---
    // 1 written, 0 when the file does not open or a file error stops the writing. The
    // path form replaces the file safely (no backup); the writer form leaves the commit
    // to the caller.
    int WriteSloFile(const char* path);
    int WriteSloFile(platform::SafeFileWriter& writer);
    // 1 read, 0 failed (after the messages; a file that ends early is a failure). changed is
    // set when the user chose a reference file other than the one the analysis file names.
    // AnalysisFileReader tells where a failed reading stopped.
    int ReadSloFile(const char* path, int& changed);
    // Beeps, shows "ファイル読み込みエラーです。\n%s" with the path and throws CUserException.
    [[noreturn]] void ReadErrorMessage(const char* path);

    // --- the section model and measurement files (read by SectionFileReader and
    // DisplacementFileReader) ---
    // Each replaces its part of the document only when the whole file was taken;
    // a failure leaves the document as it was.
    int ReadSecFile(const char* path);
    int ReadDisFile(const char* path);
    // Reads both referenced files again and takes the section model's boundary points. 0 when
    // either is not taken (after its messages; a read error is not thrown on).
    int ReloadReferenceFiles();
    void CalcMaxDisplacement();
    class CDispData* FindDispDataByName(const CString& name) const;
    // Puts every displacement record back on the measurement point of its name, by the rule
    // the measurement file's reading follows: the record takes the point's coordinates and is
    // keyed under its number - 1; a record whose point is gone is deleted. The blocks take the
    // records at their points again. Called wherever the measurement points change, so that a
    // record is never analysed or drawn where no point of its name is.
    void PlaceDisplacementRecords();
    // A reference path from the analysis file: a bare or relative name lies beside it.
    CString ResolveReferencePath(const CString& name) const;

    // --- the solver input and result files (written by SolverInputWriter, read by SolverResultReader) ---
    // The input file "<dir><title>.qel" and the result path ".slf"; 1 when the input was written whole.
    int WriteSolverInput(CString& inputPath, CString& resultPath);
    // Blocks read: coefficients (A, B, C) and ranges (x top, x end) appended; 0 on any failure.
    int ReadSolverResult(const char* path, std::vector<std::array<double, 3>>& coefficients,
                         std::vector<std::array<double, 2>>& ranges);
    static int CanOpenFile(const char* path, UINT openFlags);
    // Numbers of the in-use inner, left and right boundary points; an absent kind leaves
    // its output as the caller preset it.
    void GetBoundaryPointNumbers(int& inner, int& left, int& right) const;

    // --- block division and slip lines (done by BlockDivision and SlipLineConstruction) ---
    // Divides the section into blocks between the measurement points (the polygon methods).
    BlockDivisionStatus MakeBlockLines();
    // Makes the blocks between the block lines again; 1.
    int MakeBlocks();
    // Index of the first block holding (x, y), unset when none does.
    int FindBlockIndex(double x, double y) const;
    // Builds one new slip line from the boundary points in use (the polygon methods) or
    // from the solver result file at resultPath (the polynomial method; null makes none).
    SlipLineStatus MakeSlipLines(const char* resultPath);
    // The solver library's entry point: the input file's path and its length in bytes.
    using SolverEntry = void (*)(const char* path, int length);
    // The polynomial method's solver road: writes the solver input beside the analysis
    // file, empties the result and log files, calls the solver, builds the slip line from
    // its result and deletes the input file. 1 when a slip line was made. A null solver
    // (the library is missing) reports the missing slip line and writes nothing.
    int RunSolver(SolverEntry solver);
    // Takes a new slip line (the list owns it) with the method and the next number, and
    // shows it in the slip-line tree when that is open.
    void AddSlipLine(CVerrant* line);
    // The crossing of the vertical through x with the ground-surface line nearest to (x, y);
    // 1 when there is one.
    int FindNearestIntersection(double x, double y, DPoint& point) const;
    // The block-line table's lines against the boundary points and the measurement records.
    BlockLineCheck CheckBlockLineConditions() const;
    // One row of the block-line table as typed; unset values are platform's unset markers.
    struct BlockLineRow {
        int number;
        double x;
        double beta;
    };
    // Keys the rows that have a number (1 or more) and an x by number - 1, a later row
    // replacing an earlier one of the same number; the working copy follows.
    void SetBlockLineRows(const std::vector<BlockLineRow>& rows);
    // Keys the document's block lines by their order (key = index, x of the upper end).
    void KeyBlockLinesFromList();
    // The keyed lines as table rows (number = key + 1), ascending.
    std::vector<BlockLineRow> BlockLineRows() const;

    // --- selection, deletion, renumbering (CBlockDocSelect.cpp) ---
    // Selects what lies inside the rectangle (edges included); each item selected is also
    // appended to selected when one is given.
    void SelectPointsInRect(CMapWordToOb& points, double minX, double minY, double maxX, double maxY,
                            CObList* selected = nullptr);
    void SelectLinesInRect(double minX, double minY, double maxX, double maxY, CObList* selected = nullptr);
    void SelectSlipLinesInRect(double minX, double minY, double maxX, double maxY);
    void SelectUnusedGroundPoints();
    // Appends to the selection list each line (not yet in it) whose two end points are
    // selected, and gives those points the temporary mark 3 (a point already marked 3
    // counts as selected). The number of lines appended.
    int SelectLinesOfSelectedPoints(CObList& selection);
    void SetAllPointStates(CMapWordToOb& points, int state);
    void SetAllLineStatus(int status);
    // Removes the selected points of the map (or all kinds with null), the selected
    // lines and the selected slip lines; lines through removed ground points merge.
    void DeleteSelection();
    void ReplaceNodeInLines(int oldKey, int newKey);
    // Removes the lines with the status and closes the key gaps.
    void AddLines(int status);
    void ResetMarks();

    // --- deleting all slip lines or boundary points (CBlockDocDeleteAll.cpp) ---
    // Each empties the selection list first (ClearSelectionList), so that it never holds
    // what is deleted.
    // Resets the selection marks of the listed points, lines and slip lines and empties it.
    static void ClearSelectionList(CObList& selection);
    // Deletes every slip line and resets the boundary points' use marks; the number deleted.
    int DeleteAllSlipLines(CObList& selection);
    // Deletes every boundary point no slip line or section model holds (slip mark 0); with
    // retireHeld the others go out of use. The number of points deleted or put out of use.
    int DeleteAllBoundaryPoints(CObList& selection, bool retireHeld);

    // --- pending point changes (CBlockDocPending.cpp) ---
    // The kind's map (the boundary kinds share one).
    CMapWordToOb& PointMapOfKind(section::PointKind kind);
    // Takes a pending edit of the tables or the move: a replaced point takes its copy's
    // position, type, weights and name, a moved one its position, a merged ground point goes
    // and its lines follow the point it joins, a new one comes in under its number (the next
    // free one when that is taken). Dropped points go with their lines; a boundary point a
    // slip line or the section model holds only goes out of use. A new ground line's copies
    // become one run of points and lines. Every mark of the kind is reset. The number of
    // points changed, added or removed.
    int CommitPendingPoints(const section::PendingPointEdit& edit);
    // Shows a pending edit in the marks the view draws until the click: the points it replaces
    // 1, those it drops -1 with the ground-surface lines that end at them.
    void MarkPendingPoints(const section::PendingPointEdit& edit);
    // Forgets the marks of a pending edit of the target (PendingPointEdit::Target): points and
    // lines back to 0.
    void DropPendingPoints(int target);

    // --- the drawing run's files (written by PlotSheetWriter) ---
    // Writes the plot index "<dir><title>.p00" and the page file ".p01" beside the analysis
    // file with the view's display settings; 1 and the index path when both were written,
    // 0 (and the old files as they were, after the message) otherwise. A section that the
    // layout puts partly off the sheet asks first whether to go on; declined (when given) tells
    // whether the user answered No there.
    int WritePlotFile(CString& outputPath, const PlotStyle& style, bool* declined = nullptr);

private:
    CNode* NewPoint(CMapWordToOb& map, int& maxNumber, section::PointKind kind, double x, double y);
    void StorePoint(CMapWordToOb& map, CNode* point);
    // True when two more lines fit from nextLineKey on; else the line-limit message.
    bool HasRoomForSplit(int nextLineKey);
    void SplitLineAt(int lineKey, int pointKey);
    void SwitchOffBoundaryPoint(CNode* old);
    CLine* LineAt(int key) const;
    void RemovePoint(CMapWordToOb& map, WORD key, CNode* point);
    int RemoveDroppedPoints(section::PointKind kind, const std::set<int>& dropped);
    int InsertPointOfKind(double x, double y, section::PointKind kind, int& key);

    // --- members (the analysis file's contents and the model) ---
    CString m_strDir;
    CString m_strPath;
    CString m_strTitle;
    CString m_strAnalysisTitle;
    CString m_strDispFile;
    CString m_strSectionFile;
    CString dispTitle_;
    AnalysisSettings m_settings;
    ModelExtents m_extents;
    SnapDistances m_snap;
    bool fourColumns_;
    std::vector<ReadingDate> readingDates_;

    CMapWordToOb m_mapNode;
    int m_nMaxNode;
    CMapWordToOb m_LineList;
    int m_nLineCount;
    CMapWordToOb m_mapSite;
    int m_nMaxSite;
    CMapWordToOb m_mapAllPoints; // refers only
    int m_nNextKey;
    CMapWordToOb m_mapBound;
    int m_nMaxBound;
    CMapWordToOb sectionBounds_; // boundary points as the section model file gives them
    int maxSectionBound_ = 0;
    CString commandLineSection_; // reference names given on the command line
    CString commandLineDisp_;
    CPtrList m_listGroundOrder; // CNode* of m_mapNode, left to right
    CMapWordToOb m_mapDisp;     // CDispData by index
    CObList m_listVectorPoints; // refers only
    std::vector<BlockLineRecord> m_listBlockLines;
    CObList m_listBlocks;    // CBlock
    CObList m_listSlipLines; // CVerrant
    int m_nSlipLineNo;
    DataLimits m_limits;
    // Working copy of the block-line table: x and weight of each line, in ascending key
    // order of m_mapBlockLines.
    std::vector<std::pair<double, double>> blockLineTable_;
    // The same lines keyed by line number - 1.
    std::map<int, std::pair<double, double>> m_mapBlockLines;
    SheetParameters sheet_;

    BlockDocWindowSide* windowSide_ = nullptr;
    AnalysisWriter analysisWriter_;
    bool modified_ = false;
};

} // namespace torvan
