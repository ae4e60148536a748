#include "analysis/app/SlipLineTreeDlg.h"
#include "platform/ui/QtColor.h"

#include "analysis/app/CAnalysisCondDlg.h"
#include "analysis/app/CBlockView.h"
#include "analysis/app/CTorvanDoc.h"

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CVerrant.h"
#include "common/section/BoundaryRows.h"
#include "platform/core/MapEntries.h"
#include "platform/ui/QtText.h"

#include <QCursor>
#include <QDialog>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

using section::PointKind;

namespace torvan {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kImageCount = 9;
// A title is kept to this many bytes, cut at a character boundary.
constexpr int kTitleBytes = 128;

const char8_t* TypeLabel(PointKind kind) {
    if (kind == PointKind::kInnerBoundary) {
        return u8"地中境界点";
    }
    return kind == PointKind::kLeftBoundary ? u8"左地表境界点" : u8"右地表境界点";
}

CString SlipLineText(const CVerrant& line) {
    CString text;
    if (line.name.IsEmpty()) {
        text.Format("(%d)", line.number);
    } else {
        text.Format("(%d) %s", line.number, line.name.GetString());
    }
    return text;
}

CString BoundaryText(const CNode& point) {
    CString text;
    text.Format(u8"%s (%s)", CString(TypeLabel(point.kind)).GetString(), point.name.GetString());
    if (point.slipMark >= CNode::kSlipFixed) {
        text += " *";
    }
    return text;
}

bool IsCp932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Cuts a CP932 text to at most bytes, never inside a double-byte character.
CString CutToBytes(const CString& text, int bytes) {
    const char* value = text.GetString();
    int end = 0;
    while (value[end] != '\0') {
        const int width =
            IsCp932LeadByte(static_cast<unsigned char>(value[end])) && value[end + 1] != '\0' ? 2 : 1;
        if (end + width > bytes) {
            break;
        }
        end += width;
    }
    return text.Left(end);
}

} // namespace

SlipLineTreeDlg::SlipLineTreeDlg(CBlockView* view) : CDialog(kTemplateId, view), view_(view) {
    MapCommand(ID_TREE_DELETE, [this] { OnDelete(); });
    MapCommand(ID_TREE_SHOW, [this] { OnShow(); });
    MapCommand(ID_TREE_HIDE, [this] { OnHide(); });
    MapCommand(ID_TREE_DELETE_ALL_SLIP_LINES, [this] { OnDeleteAllSlipLines(); });
    MapCommand(ID_TREE_DELETE_ALL_BOUND_POINTS, [this] { OnDeleteAllBoundaryPoints(); });
    MapCommand(ID_TREE_CONDITIONS, [this] { OnConditions(); });
    BuildMenus();
}

SlipLineTreeDlg::~SlipLineTreeDlg() = default;

void SlipLineTreeDlg::BuildMenus() {
    menuBar_.CreateMenu();
    auto* edit = new CMenu;
    edit->CreatePopupMenu();
    edit->AppendMenu(MF_STRING, ID_TREE_DELETE_ALL_SLIP_LINES, CString(u8"全すべり線の削除"));
    edit->AppendMenu(MF_STRING, ID_TREE_DELETE_ALL_BOUND_POINTS, CString(u8"全境界点の削除"));
    menuBar_.AppendMenu(MF_POPUP, edit, CString(u8"編集"));

    const CString remove(u8"削除"), show(u8"表示"), hide(u8"非表示"), conditions(u8"解析条件");
    const std::vector<std::vector<std::pair<UINT, CString>>> items = {
        {{ID_TREE_DELETE, remove}, {ID_TREE_SHOW, show}},
        {{ID_TREE_DELETE, remove}, {ID_TREE_HIDE, hide}},
        {{ID_TREE_SHOW, show}},
        {{ID_TREE_DELETE, remove}},
        {{ID_TREE_HIDE, hide}},
        {{ID_TREE_DELETE, remove}, {ID_TREE_SHOW, show}, {0, CString()}, {ID_TREE_CONDITIONS, conditions}},
        {{ID_TREE_DELETE, remove}, {ID_TREE_HIDE, hide}, {0, CString()}, {ID_TREE_CONDITIONS, conditions}},
    };
    popups_.CreateMenu();
    for (const auto& popupItems : items) {
        auto* popup = new CMenu;
        popup->CreatePopupMenu();
        for (const auto& [id, label] : popupItems) {
            popup->AppendMenu(id == 0 ? MF_SEPARATOR : MF_STRING, id, id == 0 ? nullptr : label.GetString());
        }
        popups_.AppendMenu(MF_POPUP, popup, "tree");
    }
}

void SlipLineTreeDlg::CreateControls() {
    QDialog* dialog = Dialog();
    dialog->setWindowTitle(platform::ToQString(u8"登録すべり線"));
    dialog->setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QMenuBar(dialog);
    for (QAction* action : menuBar_.Menu()->actions()) {
        bar->addAction(action);
    }
    QObject::connect(bar, &QMenuBar::triggered, bar, [this](QAction* action) {
        if (UINT id = CMenu::ActionId(action)) {
            RouteCommand(id);
        }
    });
    layout->setMenuBar(bar);
    tree_ = new QTreeWidget(dialog);
    tree_->setHeaderHidden(true);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    tree_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    tree_->setDragEnabled(false);
    AddControl(kTree, tree_);
    layout->addWidget(tree_);
    QObject::connect(tree_, &QTreeWidget::customContextMenuRequested, tree_,
                     [this](const QPoint& at) { OnRightClick(at); });
    QObject::connect(tree_, &QTreeWidget::itemChanged, tree_,
                     [this](QTreeWidgetItem* item, int) { OnItemChanged(item); });
    dialog->resize(240, 320);
}

BOOL SlipLineTreeDlg::CreateBesideView() {
    CDialog::Create(kTemplateId, view_);
    return Dialog() != nullptr;
}

BOOL SlipLineTreeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    RecolorImages();
    FillTree();
    if (QWidget* owner = view_ ? view_->GetWidget() : nullptr) {
        const QRect frame = owner->window()->geometry();
        Dialog()->move(frame.right() - Dialog()->width() - 20, frame.top() + 80);
    }
    return TRUE;
}

void SlipLineTreeDlg::OnOK() {
    Dialog()->showMinimized();
}

void SlipLineTreeDlg::OnCancel() {
    Dialog()->showMinimized();
}

QIcon SlipLineTreeDlg::MakeImage(int index, COLORREF color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    const QColor ink = platform::ToQColor(color);
    switch (index) {
    case 0:
    case 1:
        painter.setPen(Qt::black);
        painter.setBrush(index == 0 ? QColor(255, 255, 128) : QColor(192, 192, 192));
        painter.drawRect(1, 4, 13, 10);
        break;
    case 2:
    case 3:
    case 4:
        painter.setPen(QPen(ink, 2));
        painter.drawArc(-6, -10, 28, 24, 200 * 16, 140 * 16);
        break;
    case 8:
        painter.setPen(QPen(ink, 2));
        painter.drawLine(5, 1, 5, 14);
        painter.drawLine(11, 1, 11, 14);
        break;
    default:
        painter.setPen(ink);
        painter.setBrush(ink);
        painter.drawRect(4, 4, 7, 7);
        break;
    }
    painter.end();
    pixmap.setMask(pixmap.createMaskFromColor(Qt::white));
    return QIcon(pixmap);
}

void SlipLineTreeDlg::RecolorImages() {
    const COLORREF fixed[5] = {RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 128), RGB(0, 128, 0), RGB(255, 0, 0)};
    images_.clear();
    for (int i = 0; i < 5; ++i) {
        images_.push_back(MakeImage(i, fixed[i]));
    }
    const DisplaySettings& display = view_->m_display;
    for (int item : {kPointInner, kPointLeft, kPointRight}) {
        images_.push_back(MakeImage(static_cast<int>(images_.size()), display.points[item].color));
    }
    images_.push_back(MakeImage(8, display.lines[kLineBlock].color));
    images_.resize(kImageCount);
    if (tree_ && shownRoot_) {
        FillTree();
    }
}

CBlockDoc* SlipLineTreeDlg::Model() const {
    return view_ ? view_->Model() : nullptr;
}

CVerrant* SlipLineTreeDlg::FindSlipLine(int number) const {
    CBlockDoc* model = Model();
    for (POSITION pos = model ? model->SlipLines().GetHeadPosition() : nullptr; pos;) {
        auto* line = static_cast<CVerrant*>(model->SlipLines().GetNext(pos));
        if (line->number == number) {
            return line;
        }
    }
    return nullptr;
}

CNode* SlipLineTreeDlg::FindBoundaryPoint(int number) const {
    CBlockDoc* model = Model();
    CObject* object = nullptr;
    if (!model || number < 1 || number > 0x10000 ||
        !model->BoundaryPoints().Lookup(static_cast<WORD>(number - 1), object)) {
        return nullptr;
    }
    return static_cast<CNode*>(object);
}

QTreeWidgetItem* SlipLineTreeDlg::AddItem(QTreeWidgetItem* parent, int key, const CString& text, int image,
                                          bool first) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, platform::ToQString(text));
    item->setData(0, kKeyRole, key);
    if (image >= 0 && image < static_cast<int>(images_.size())) {
        item->setIcon(0, images_[image]);
    }
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                   (key % 10 == kSlipLineItem && key != kRootData ? Qt::ItemIsEditable : Qt::NoItemFlags));
    if (first) {
        parent->insertChild(0, item);
    } else {
        parent->addChild(item);
    }
    return item;
}

void SlipLineTreeDlg::AddBoundaryPoint(CNode& point, QTreeWidgetItem* parent, bool first) {
    const PointKind shown = std::clamp(point.kind, PointKind::kInnerBoundary, PointKind::kRightBoundary);
    const int image = 5 + section::BoundaryFlagOf(shown);
    AddItem(parent, point.number * 10 + kBoundaryItem, BoundaryText(point), image, first);
}

void SlipLineTreeDlg::AddSlipLine(CVerrant& line) {
    QTreeWidgetItem* item =
        AddItem(line.visible1 ? shownRoot_ : hiddenRoot_, line.number * 10 + kSlipLineItem,
                SlipLineText(line), 2 + std::clamp(line.method, 0, 2), false);
    if (line.method == CBlockDoc::kPolynomial && line.blockCount >= 1) {
        AddItem(item, line.number * 10 + kBlockLinesItem, CString(u8"ﾌﾞﾛｯｸ線"), 8, false);
    }
    for (CNode* point : line.boundary) {
        if (point) {
            AddBoundaryPoint(*point, item, false);
        }
    }
}

void SlipLineTreeDlg::FillTree() {
    if (!tree_) {
        return;
    }
    filling_ = true;
    tree_->clear();
    shownRoot_ = new QTreeWidgetItem(tree_);
    hiddenRoot_ = new QTreeWidgetItem(tree_);
    shownRoot_->setText(0, platform::ToQString(u8"表示"));
    hiddenRoot_->setText(0, platform::ToQString(u8"非表示"));
    shownRoot_->setIcon(0, images_[0]);
    hiddenRoot_->setIcon(0, images_[1]);
    for (QTreeWidgetItem* root : {shownRoot_, hiddenRoot_}) {
        root->setData(0, kKeyRole, static_cast<int>(kRootData));
        root->setFlags(Qt::ItemIsEnabled);
    }
    if (CBlockDoc* model = Model()) {
        for (POSITION pos = model->SlipLines().GetHeadPosition(); pos;) {
            AddSlipLine(*static_cast<CVerrant*>(model->SlipLines().GetNext(pos)));
        }
        for (auto [key, point] : platform::MapEntries<CNode>(model->BoundaryPoints())) {
            AddBoundaryPoint(*point, point->inUse ? shownRoot_ : hiddenRoot_, true);
        }
    }
    shownRoot_->setExpanded(true);
    hiddenRoot_->setExpanded(true);
    if (!FindItem(currentKey_)) {
        currentKey_ = -1;
    }
    filling_ = false;
}

QTreeWidgetItem* SlipLineTreeDlg::FindItem(int key) const {
    if (!tree_ || key < 0 || key == kRootData) {
        return nullptr;
    }
    for (QTreeWidgetItem* root : {shownRoot_, hiddenRoot_}) {
        for (int i = 0; root && i < root->childCount(); ++i) {
            QTreeWidgetItem* item = root->child(i);
            if (item->data(0, kKeyRole).toInt() == key) {
                return item;
            }
            for (int j = 0; j < item->childCount(); ++j) {
                if (item->child(j)->data(0, kKeyRole).toInt() == key && key % 10 == kBlockLinesItem) {
                    return item->child(j);
                }
            }
        }
    }
    return nullptr;
}

bool SlipLineTreeDlg::SelectItem(int key) {
    QTreeWidgetItem* item = FindItem(key);
    currentKey_ = item ? key : -1;
    if (item) {
        tree_->setCurrentItem(item);
    }
    return item != nullptr;
}

CString SlipLineTreeDlg::ItemText(int key) const {
    QTreeWidgetItem* item = FindItem(key);
    return item ? platform::FromQStringLossy(item->text(0)) : CString();
}

int SlipLineTreeDlg::ItemBranch(int key) const {
    QTreeWidgetItem* item = FindItem(key);
    return item ? (IsUnderShown(item) ? 1 : 0) : -1;
}

bool SlipLineTreeDlg::IsUnderShown(const QTreeWidgetItem* item) const {
    while (item && item->parent()) {
        item = item->parent();
    }
    return item == shownRoot_;
}

int SlipLineTreeDlg::PopupForCurrent() const {
    QTreeWidgetItem* item = FindItem(currentKey_);
    if (!item) {
        return -1;
    }
    const bool shown = IsUnderShown(item);
    const int number = currentKey_ / 10;
    switch (currentKey_ % 10) {
    case kSlipLineItem: {
        const CVerrant* line = FindSlipLine(number);
        if (line && line->method == CBlockDoc::kPolynomial) {
            return shown ? 6 : 5;
        }
        return shown ? 1 : 0;
    }
    case kBoundaryItem: {
        const CNode* point = FindBoundaryPoint(number);
        if (point && point->slipMark != CNode::kSlipFree) {
            return shown ? 4 : 2;
        }
        return shown ? 1 : 0;
    }
    default:
        return shown ? 3 : 2;
    }
}

void SlipLineTreeDlg::OnRightClick(const QPoint& at) {
    QTreeWidgetItem* item = tree_->itemAt(at);
    if (!item) {
        item = tree_->currentItem();
    }
    if (!item || item == shownRoot_ || item == hiddenRoot_) {
        return;
    }
    currentKey_ = item->data(0, kKeyRole).toInt();
    const int popup = PopupForCurrent();
    if (popup < 0) {
        return;
    }
    const QPoint global = QCursor::pos();
    menuAt_ = global;
    popups_.GetSubMenu(popup)->TrackPopupMenu(0, global.x(), global.y(), this);
}

void SlipLineTreeDlg::AfterChange(bool redraw) {
    currentKey_ = -1;
    FillTree();
    if (CBlockDoc* model = Model()) {
        model->SetModifiedFlag();
    }
    if (redraw && view_) {
        view_->Invalidate();
    }
}

void SlipLineTreeDlg::DeleteSlipLine(CVerrant& line) {
    CBlockDoc* model = Model();
    if (POSITION pos = model->SlipLines().Find(&line)) {
        model->SlipLines().RemoveAt(pos);
    }
    delete &line;
}

void SlipLineTreeDlg::DeleteBoundaryPoint(CNode& point) {
    if (point.slipMark != CNode::kSlipFree) {
        point.inUse = 0;
        return;
    }
    point.state = CNode::kSelected;
    Model()->DeleteSelection();
}

void SlipLineTreeDlg::OnDelete() {
    CBlockDoc* model = Model();
    QTreeWidgetItem* item = FindItem(currentKey_);
    if (!model || !item) {
        return;
    }
    const bool shown = IsUnderShown(item);
    const int number = currentKey_ / 10;
    // The view's selection may hold what goes now.
    view_->ClearSelection();
    switch (currentKey_ % 10) {
    case kSlipLineItem:
        if (CVerrant* line = FindSlipLine(number)) {
            DeleteSlipLine(*line);
            model->ResetMarks();
            model->UpdateMaxSlipPointCount();
        }
        break;
    case kBoundaryItem:
        if (CNode* point = FindBoundaryPoint(number)) {
            DeleteBoundaryPoint(*point);
        }
        break;
    default:
        model->BlockLines().clear();
        model->BlockLineMap().clear();
        model->BlockLineTable().clear();
        break;
    }
    AfterChange(shown);
}

void SlipLineTreeDlg::SetShown(bool shown) {
    CBlockDoc* model = Model();
    if (!model || !FindItem(currentKey_)) {
        return;
    }
    const int number = currentKey_ / 10;
    switch (currentKey_ % 10) {
    case kSlipLineItem:
        if (CVerrant* line = FindSlipLine(number)) {
            line->visible1 = shown ? 1 : 0;
        }
        break;
    case kBoundaryItem:
        if (CNode* point = FindBoundaryPoint(number)) {
            CNode* inUse = shown ? model->FindBoundaryPoint(point->kind) : nullptr;
            if (inUse && inUse != point) {
                inUse->inUse = 0;
            }
            point->inUse = shown ? 1 : 0;
        }
        break;
    default:
        if (CVerrant* line = FindSlipLine(number); line && shown) {
            const int count = std::min({line->blockCount, static_cast<int>(line->blockX.size()),
                                        static_cast<int>(line->blockBeta.size())});
            model->MakeVerticalBlockLines(line->blockX.data(), line->blockBeta.data(), count);
        }
        break;
    }
    AfterChange(true);
}

void SlipLineTreeDlg::OnShow() {
    SetShown(true);
}

void SlipLineTreeDlg::OnHide() {
    SetShown(false);
}

void SlipLineTreeDlg::OnDeleteAllSlipLines() {
    CBlockDoc* model = Model();
    if (!model || AfxMessageBox(u8"表示・非表示の全すべり線を削除してもいいですか？",
                                MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    view_->ClearSelection();
    model->DeleteAllSlipLines(view_->Selection());
    AfterChange(true);
}

void SlipLineTreeDlg::OnDeleteAllBoundaryPoints() {
    CBlockDoc* model = Model();
    if (!model ||
        AfxMessageBox(u8"未使用の全境界点を削除してもいいですか？", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    view_->ClearSelection();
    model->DeleteAllBoundaryPoints(view_->Selection(), false);
    AfterChange(true);
}

void SlipLineTreeDlg::OnConditions() {
    const CVerrant* line = currentKey_ % 10 == kSlipLineItem ? FindSlipLine(currentKey_ / 10) : nullptr;
    if (!line || !FindItem(currentKey_)) {
        return;
    }
    CAnalysisCondDlg dialog(this);
    dialog.m_pSlipLine = line;
    // Where the pop-up menu was opened, else beside the tree.
    QPoint at = menuAt_;
    if (at.isNull()) {
        at = Dialog()->geometry().topLeft() + QPoint(20, 20);
    }
    dialog.m_nX = at.x();
    dialog.m_nY = at.y();
    dialog.DoModal();
}

void SlipLineTreeDlg::OnItemChanged(QTreeWidgetItem* item) {
    if (filling_ || !item) {
        return;
    }
    const int key = item->data(0, kKeyRole).toInt();
    if (key % 10 == kSlipLineItem && key != kRootData) {
        RenameSlipLine(key, platform::FromQStringLossy(item->text(0)));
    }
}

void SlipLineTreeDlg::RenameSlipLine(int key, const CString& typed) {
    CVerrant* line = key % 10 == kSlipLineItem ? FindSlipLine(key / 10) : nullptr;
    if (!line) {
        AfxMessageBox(u8"ﾀｲﾄﾙ変更できません!!");
        return;
    }
    CString title = CutToBytes(typed, kTitleBytes);
    title.TrimRight();
    CString prefix;
    prefix.Format("(%d)", line->number);
    if (const int at = title.Find(prefix); at >= 0) {
        title = title.Left(at) + title.Mid(at + prefix.GetLength());
    }
    title.TrimLeft();
    line->name = title;
    if (CBlockDoc* model = Model()) {
        model->SetModifiedFlag();
    }
    if (QTreeWidgetItem* item = FindItem(key)) {
        filling_ = true;
        item->setText(0, platform::ToQString(SlipLineText(*line)));
        filling_ = false;
    }
    view_->Invalidate();
}

} // namespace torvan
