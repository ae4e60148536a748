#pragma once
// The section model editor's document: ground-surface points, the ground line,
// measurement points and boundary points of one section model, with its title, size,
// tolerances, count limits and the settings of the last DXF import. Owns every record.
//
// Keys and numbers: a point is kept in its kind's map under key number - 1 and in the
// all-points index under its sequence number; a line in m_LineList under key
// number - 1. Files hold numbers, maps keys. Questions and messages go through the
// message sink; the window side asks for a file name through m_promptSavePath.

#include "common/geometry/DPoint.h"
#include "common/records/CountLimits.h"
#include "common/section/PendingPointEdit.h"
#include "platform/core/CObList.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "section_editor/core/AllPointsIndex.h"
#include "section_editor/core/CLine.h"
#include "section_editor/core/CNode.h"
#include "section_editor/core/RecordMap.h"

#include <functional>
#include <map>
#include <vector>

namespace merdok {

class CBlockDoc : public CObject {
    DECLARE_DYNCREATE(CBlockDoc)

public:
    // Indexes of m_nLimit, in the order of the kind names 4120-4123.
    enum LimitIndex { kNodeLimit = 0, kLineLimit = 1, kSiteLimit = 2, kBoundLimit = 3 };

    CBlockDoc();
    ~CBlockDoc() override;
    CBlockDoc(const CBlockDoc&) = delete;
    CBlockDoc& operator=(const CBlockDoc&) = delete;

    // --- life cycle, limits, points (CBlockDoc.cpp) ---
    // Deletes every point and line and resets extents, counters and the path; the title
    // and the DXF settings stay.
    void DeleteContents();
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    // Takes the same-point distance (and its square) and the angle tolerance.
    void SetTolerances(double samePointDistance, double angleTolerance);

    // TRUE when count <= limit; otherwise "%sﾃﾞｰﾀの個数が制限を越えています" and FALSE.
    BOOL CheckDataLimit(int count, int limit, int limitIndex);
    // Key + 1 of a point of the kind within the same-point distance, else 0. Boundary kinds
    // search the boundary map (points not in state 0 or 1 only of the same kind).
    int FindNearbyPoint(double x, double y, section::PointKind kind) const;
    // TRUE when an existing point was taken (key = its key); FALSE when a point was made
    // (key = its key) or nothing was (key = -1: a declined question or a limit).
    BOOL AddNode(double x, double y, int& key);
    BOOL AddMeasurePoint(double x, double y, int& key);
    // A boundary point replaces the earlier point of its kind, which is removed only
    // once the new point is made.
    BOOL AddBoundaryPoint(double x, double y, section::PointKind kind, int& key);
    // Makes a point of the kind with the map's next number, state 1, without any check.
    CNode* MakePoint(section::PointKind kind, double x, double y);
    // The point at the record's place (existing or made), or null; boundary points are
    // first checked against the ground line.
    CNode* InsertPoint(const CNode& point, section::PointKind kind);
    // Coordinates of a point by key in the kind's map; not found: the model box's
    // minimum - 10 in both axes and FALSE.
    BOOL GetNodeXY(int key, double& x, double& y, section::PointKind kind) const;
    BOOL GetPointXY(int key, double& x, double& y, const RecordMap<CNode>& map) const;
    DPoint NodeXY(int key) const;
    // Extent of the points in a state of 0 or more into the model box; an empty model
    // gives 200 x 100 and an unset box.
    void GetModelExtent(double& width, double& height);
    void SetNodeStates(int state);
    // Every point in the kind's map (measurement or boundary points) takes the state.
    void SetPointStates(section::PointKind kind, int state);
    void SetLineStates(int state);
    // Appends the number unless present; the new count.
    int AddUniqueNo(std::vector<int>& numbers, int number) const;
    // The map of a point kind (the boundary kinds share one) and its next number.
    RecordMap<CNode>& PointMap(section::PointKind kind);
    const RecordMap<CNode>& PointMap(section::PointKind kind) const;
    int& NextNumber(section::PointKind kind);

    // --- ground lines (GroundLines.cpp) ---
    // New line count (key + 1); -1 for equal ends; -2 over the line limit.
    int AddLine(int firstKey, int secondKey, int lineKey);
    // As AddLine, with the ends' positions at hand (no look-up of the points).
    int AddLine(int firstKey, const DPoint& first, int secondKey, const DPoint& second, int lineKey);
    // Ground-surface points at the positions joined by lines, splitting the lines they
    // cross. TRUE when the lines were compacted afterwards.
    BOOL ImportPointRun(const std::vector<DPoint>& points, int lineKind);
    // Squared distance of the nearest line between whose ends (on its longer axis) the
    // point lies (100000 when none qualifies) and its key
    // (-1 when none); with exactEnd a point equal to a line end gives 0 at once.
    double FindNearestLine(double x, double y, int& lineKey, bool exactEnd) const;
    // TRUE when exactly two lines of the state meet at the point in a straight course;
    // the far ends are filled whenever exactly two meet.
    BOOL GetJointLines(int pointKey, int& farKey1, int& farKey2, int lineState) const;
    // Ranges are inclusive; a range whose minimum is unset is not tested.
    void SelectNodesInRect(CObList& list, double minX, double maxX, double minY, double maxY, int number,
                           section::PointKind kind);
    void SelectLinesInRect(CObList& list, double minX, double maxX, double minY, double maxY, int lineNumber);
    void SelectLinesOfSelectedNodes(CObList& list);
    void SelectUnusedNodes(CObList& list);
    // Replaces the points marked 1 in the edit's map by the edit's copies: a moved point
    // keeps its kind, a merged one goes with its lines following the point it joins, a
    // replaced or new one comes in under its number (a taken or unset one: the next free).
    // The copies leave the edit.
    void ApplyPointChanges(section::PendingPointEdit& edit);
    void DeletePointsInState(section::PointKind kind, int state);
    // Deletes the listed points and lines (the list is emptied): a ground-surface point
    // that joined two selected lines in a straight course is bridged by a new line; lines
    // left with a deleted end go with their point. The document is marked modified.
    void DeleteObjects(CObList& list);
    // Removes the lines in the state and closes the gaps in the keys.
    void AddLines(int state);
    void ReplaceNodeInLines(int oldKey, int newKey);
    // The crossing of the ground line with the vertical through x nearest to y.
    BOOL FindNearestIntersection(double x, double y, DPoint& point) const;
    // Highest key + 1 (0 for an empty map).
    static int HighestKeyPlusOne(const RecordMap<CNode>& map) { return map.MaxKey() + 1; }

    // --- the section model file (SectionFile.cpp) ---
    // Orders the ground-surface points along the ground line. Point and line states
    // are left as they were. Messages only when asked.
    BOOL CheckGroundLine(std::vector<const CNode*>& order, bool showMessages) const;
    // Reads a file into the emptied document; a failed read leaves it empty.
    BOOL ReadSecFile(const char* path);
    // Writes the document with the ordered ground line; the old file is kept under
    // backupPath when given. A record that does not fit its columns refuses the save.
    BOOL WriteSecFile(const char* path, const std::vector<const CNode*>& order,
                      const char* backupPath = nullptr);
    BOOL OnOpenDocument(const char* path);
    // Checks the ground line, keeps the old file as "<name>.sec.BAK" and writes.
    BOOL OnSaveDocument(const char* path);
    // Saves under path, or under a name from m_promptSavePath when path is null or
    // empty; the document takes the name when replace is set.
    BOOL DoSave(const char* path, bool replace = true);
    BOOL OnFileSave();
    BOOL OnFileSaveAs();
    // Before closing: TRUE to go on, FALSE to keep the document open.
    BOOL SaveModified();
    void SetPathName(const char* path);
    std::function<bool(CString& path)> m_promptSavePath; // false: the user cancelled
    // The name the window shows while the model has no file ("新規1"); the closing question
    // names it.
    void SetUntitledName(const CString& name) { untitledName_ = name; }

    // --- members ---
    CString m_strDir;     // with its trailing separator
    CString m_strPath;    // the document's file
    CString m_strDocName; // file name without extension
    CString m_strTitle;   // the "TITLE" record
    CString m_strDxfFile;
    std::vector<CString> m_listDxfLayers[3];
    double m_dDxfFactorX = 1.0;
    double m_dDxfFactorY = 1.0;
    double m_dDxfSnap = 0.01;
    double m_dDxfRegion[4];
    int m_nDxfNewRead = 1;
    double m_dModelBox[4];  // minimum x, maximum x, minimum y, maximum y
    double m_dModelSize[4]; // the "MSIZE" record, same order
    double m_dSnap = 0.01;
    double m_dSnap2 = 0.0001;
    double m_dAngleTol = 0.01;

    RecordMap<CNode> m_mapNode;
    int m_nNodeCount = 0; // highest ground-surface point number in use
    RecordMap<CLine> m_LineList;
    int m_nLineCount = 0; // next line key
    RecordMap<CNode> m_mapSite;
    int m_nSiteCount = 0;
    RecordMap<CNode> m_mapBound;
    int m_nBoundCount = 0;

    AllPointsIndex m_mapAllPoints; // by sequence number; refers only
    int m_nNextSeqNo = 0;
    int m_nLimit[kCountLimitKinds];

private:
    void RemoveFromIndex(const CNode* point);
    void EnterIntoIndex(CNode* point);
    static std::unique_ptr<CNode> MakePoint(const section::PointRecord& record);
    // Key of the first point of the map in state 0 or 1 within the same-point distance, else -1.
    int NearPointKey(const RecordMap<CNode>& map, double x, double y) const;
    // Asks the question when a point of another map is near; false when the user declined.
    bool ConfirmNear(bool near, const char8_t* question) const;
    // The boundary point of the kind that a new one replaces (null when none).
    CNode* BoundaryPointOfKind(section::PointKind kind) const;
    void RemovePoint(RecordMap<CNode>& map, int key);
    CLine* LineAt(int key) const { return m_LineList.Lookup(key); }
    bool LineExists(int firstKey, int secondKey) const;
    // Replaces the line by two through the point (room for both checked by the caller).
    void SplitLineAt(int lineKey, int pointKey);
    // Splits the lines crossed by the segment and removes the lines it covers; the
    // ends of covered lines are appended to covered. False at a limit.
    bool SplitLinesAtSegment(int startKey, int endKey, SegmentKind segKind, std::vector<int>& covered);
    int CrossingPoint(const DPoint& crossing, const DPoint& start, SegmentKind segKind, int startKey,
                      int endKey, int lineKey);
    // Links the previous point to the current one through the covered ends.
    bool LinkPoints(int startKey, int endKey, std::vector<int>& covered);

    bool m_bModified = false;
    CString untitledName_;
};

} // namespace merdok
