#pragma once
// The DXF import dialog (template 212, "DXFファイル指定"): the DXF file, the factors from
// drawing units to metres, the distance under which two points are one, the region outside
// of which the drawing is dropped, the layers whose entities become the ground line (chosen
// from the layer table of the file) and whether the model is emptied first.
//
// An empty region bound is stored as minus or plus the largest single-precision value and
// shown empty again. OK needs both factors (not 0), a distance above 0 and a readable file.

#include "common/ui/edits/CRealEdit.h"
#include "platform/ui/CDialog.h"

#include <vector>

class QGridLayout;

namespace merdok {

class CDxfFileDlg : public CDialog {
    DECLARE_DYNAMIC(CDxfFileDlg)
public:
    enum : UINT {
        IDD = 212,
        kClearCheck = 112,
        kLayerList = 107,
        kBrowseButton = 149,
        kRefreshLayersButton = 150,
        kDeselectButton = 151,
        kTakeLayersButton = 152,
        kFileEdit = 181,
        kFactorXEdit = 182,
        kFactorYEdit = 183,
        kDistanceEdit = 184,
        kGroundLayersEdit = 185,
        kRegionFirstEdit = 188, // x from, x to, y from, y to: 188-191
    };

    explicit CDxfFileDlg(CWnd* parent = nullptr);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strFile;
    double m_dFactorX = 1.0;
    double m_dFactorY = 1.0;
    double m_dDistance = 0.01;
    double m_dRegion[4]; // x from, x to, y from, y to
    int m_nClearData = 1;
    std::vector<CString> m_fileLayers;
    std::vector<CString> m_layerLists[3]; // ground-line layers first; the dialog fills only it

protected:
    void CreateControls() override;

private:
    void AddNumberRow(QGridLayout* layout, int row, const char8_t* label, UINT id);
    void OnBrowse();
    void OnRefreshLayers();
    void OnDeselect();
    void OnTakeLayers();
    void TakeFields();
    // False (after "指定ﾌｧｲﾙが見つかりません") when a named file cannot be read.
    bool NamedFileReadable() const;
    void FillLayerList();
    void ShowGroundLayers();
    // A factor that is set and not 0; otherwise the message and the focus on the field.
    bool CheckFactor(int index, double& value);
    bool CheckDistance();
    bool CheckRegion(double (&region)[4]);

    CRealEdit factorEdits_[2];
    CRealEdit distanceEdit_;
    CRealEdit regionEdits_[4];
};

} // namespace merdok
