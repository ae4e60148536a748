#pragma once
// The base menu's file list chooser: the data files of one kind in a directory, with their
// titles and modification times (newest first), sortable by any column. The name chosen gets
// the slot's extension; a name that does not exist yet may be confirmed as a new file.

#include "control/core/DataFileList.h"
#include "control/core/DataFileSortState.h"
#include "platform/ui/CDialog.h"

#include <vector>

class QListWidget;
class QListWidgetItem;
class QTreeWidget;

namespace basnev {

class CFileDetailDlg : public CDialog {
public:
    enum { IDD = 262 };
    enum ControlId { kListId = 221, kCurrentDirectoryId = 1088, kDirectoryListId = 1121, kFileNameId = 1152 };

    // kind: the slot kind; name: the initial file name; directory: where the list opens.
    CFileDetailDlg(int kind, const CString& name, const CString& directory, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // Runs the chooser; on OK name becomes the chosen path and directory the chooser's current
    // directory, and the result is true.
    static bool Choose(CWnd* parent, int kind, CString& name, CString& directory);

    const CString& GetChosenPath() const { return chosenPath_; }
    const CString& GetCurrentDirectory() const { return currentDirectory_; }

    // The steps behind the controls, for the window and for tests.
    void ChangeDirectory(const CString& directory);
    void FillFileList();
    void OnColumnClick(int column);
    void SetNameFromSelection();
    const std::vector<basnev::DataFileRow>& Rows() const { return rows_; }

protected:
    void CreateControls() override;

private:
    void ShowRows();
    void ShowSortArrow();
    void FillDirectoryList();
    void OnDirectoryActivated(QListWidgetItem* item);
    QTreeWidget* List() const;
    QListWidget* DirectoryList() const;

    int kind_;
    CString initialName_;
    CString currentDirectory_;
    CString chosenPath_;
    bool initialised_ = false;
    basnev::DataFileSortState sort_;
    std::vector<basnev::DataFileRow> rows_;
};

} // namespace basnev
