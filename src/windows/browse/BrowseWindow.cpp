#include "windows/browse/BrowseWindow.h"

#include "windows/browse/BrowseGlyphs.h"
#include "formats/rtf/RtfReader.h"
#include "platform/locale/QtText.h"
#include "model/session/DiarySession.h"
#include "widgets/controls/HatchedPanel.h"
#include "widgets/controls/FlatEdit.h"
#include "widgets/controls/ToolButton.h"
#include "widgets/services/Services.h"
#include "widgets/controls/SkinPictures.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTreeView>

namespace {

const QColor EditFocusColour(0xE8, 0xF0, 0xFF);

QFont WindowFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    return font;
}

// A hint written with "\r\n" line breaks, as a tool tip shows it.
QString Hint(const char* text)
{
    return QString::fromLatin1(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

widgets::ToolButton* MakeButton(QWidget* parent, const QRect& bounds, const char* caption,
                                   const char* glyph, const char* hint)
{
    auto* button = new widgets::ToolButton(parent);
    button->setGeometry(bounds);
    button->SetCaption(QString::fromLatin1(caption));
    button->SetGlyph(BrowseGlyph(glyph));
    button->setToolTip(Hint(hint));
    return button;
}

QLabel* MakeLabel(QWidget* parent, const QRect& bounds, const char* caption)
{
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setGeometry(bounds);
    return label;
}

// Black text on white, as edit fields and lists are drawn.
void PaintAsField(QWidget& widget)
{
    QPalette colours = widget.palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::black);
    colours.setColor(QPalette::Window, QColor(240, 240, 240));
    colours.setColor(QPalette::ButtonText, Qt::black);
    widget.setPalette(colours);
}

} // namespace

BrowseWindow::BrowseWindow(QWidget* owner, widgets::Services& services, DiarySession& session,
                                 PackedResources& rStore)
    : QDialog(owner), services_(services), session_(session), rStore_(rStore), model_(new BrowseModel(this))
{
    setObjectName("frmDiaryBrowse");
    setWindowTitle(QStringLiteral(" Browse through all diary entries ..."));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(479, 293);
    setFont(WindowFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    CreateControls();
    CreateList();
}

void BrowseWindow::CreateControls()
{
    htchpnlBack = new widgets::HatchedPanel(this);
    htchpnlBack->setGeometry(rect());
    htchpnlBack->SetColor(widgets::clBlack);
    htchpnlBack->SetBevelOuter(widgets::BevelCut::None);
    htchpnlBack->SetMode(widgets::HatchMode::Tiled);
    image_Bck = new QLabel(htchpnlBack);
    image_Bck->setGeometry(htchpnlBack->rect());
    image_Bck->setScaledContents(true);

    btnPrevDay = MakeButton(htchpnlBack, {10, 10, 51, 48}, "Day", "BRPREV", "Move to the previous day");
    btnGoto = MakeButton(htchpnlBack, {64, 10, 51, 48}, "Goto", "BRGOTO",
                         "Jump to Diary\r\nusing the selected day");
    btnNextDay = MakeButton(htchpnlBack, {118, 10, 51, 48}, "Day", "BRNEXT", "Move to the next day");
    btnSearch =
        MakeButton(htchpnlBack, {358, 10, 55, 48}, "Search", "BRSEARCH", "Search into your diary titles");
    btnClose = MakeButton(htchpnlBack, {417, 10, 53, 48}, "Close", "BRCLOSE", "Close this dialog");
    connect(btnPrevDay, &widgets::ToolButton::OnClick, this, &BrowseWindow::btnPrevDayClick);
    connect(btnGoto, &widgets::ToolButton::OnClick, this, &BrowseWindow::btnGotoClick);
    connect(btnNextDay, &widgets::ToolButton::OnClick, this, &BrowseWindow::btnNextDayClick);
    connect(btnSearch, &widgets::ToolButton::OnClick, this, &BrowseWindow::btnSearchClick);
    connect(btnClose, &widgets::ToolButton::OnClick, this, &BrowseWindow::btnCloseClick);

    bvlSeparator = new QFrame(htchpnlBack);
    bvlSeparator->setFrameShape(QFrame::VLine);
    bvlSeparator->setFrameShadow(QFrame::Sunken);
    bvlSeparator->setGeometry(170, 8, 2, 52);

    lblSearchFor = MakeLabel(htchpnlBack, {187, 5, 160, 15}, "Search diary for for:");
    edtNeedle = new FlatEdit(htchpnlBack);
    edtNeedle->setGeometry(186, 22, 154, 23);
    PaintAsField(*edtNeedle);
    edtNeedle->SetColorOnFocus(EditFocusColour);
    edtNeedle->SetTextColorOnFocus(Qt::black);
    edtNeedle->setToolTip(Hint("Enter the keywords to search for"));
    edtNeedle->OnKeyPress = [this](FlatEdit&, char32_t& key) {
        if (key == 13) {
            key = 0;
            btnSearchClick();
        }
    };
    edtNeedle->installEventFilter(this);

    cbFull = new QCheckBox(htchpnlBack);
    cbFull->setGeometry(185, 47, 15, 17);
    lblFull = MakeLabel(htchpnlBack, {200, 48, 150, 15}, "Full content search (slower)");
    lblFull->installEventFilter(this);
}

void BrowseWindow::CreateList()
{
    DLV = new QTreeView(htchpnlBack);
    DLV->setGeometry(10, 68, 460, 214);
    DLV->setModel(model_);
    DLV->setRootIsDecorated(false);
    DLV->setItemsExpandable(false);
    DLV->setUniformRowHeights(true);
    DLV->setSelectionBehavior(QAbstractItemView::SelectRows);
    DLV->setSelectionMode(QAbstractItemView::SingleSelection);
    DLV->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DLV->setIconSize(QSize(22, 22));
    DLV->setSortingEnabled(false);
    DLV->header()->setSectionsClickable(false);
    DLV->header()->setSectionsMovable(false);
    DLV->header()->setStretchLastSection(false);
    DLV->header()->setSectionResizeMode(QHeaderView::Fixed);
    DLV->header()->resizeSection(0, 120);
    DLV->header()->resizeSection(1, 318);
    DLV->setToolTip(Hint("Lists your diary entries. You can \r\n   double-click to edit an entry"));
    PaintAsField(*DLV);
    // The selection stays visible while the list has no focus.
    QPalette colours = DLV->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    DLV->setPalette(colours);
    DLV->installEventFilter(this);
    connect(DLV, &QAbstractItemView::doubleClicked, this, &BrowseWindow::btnGotoClick);
}

int BrowseWindow::Execute(int currentSkin)
{
    currentSkin_ = currentSkin;
    FormActivate();
    exec();
    return BrowseSelection;
}

void BrowseWindow::FormActivate()
{
    edtNeedle->setFocus();
    if (currentSkin_ != shownSkin_) {
        shownSkin_ = currentSkin_;
        ApplySkin();
    }
    FillList();
    BrowseSelection = -1;
}

void BrowseWindow::ApplySkin()
{
    const QImage background = widgets::SkinPicture(rStore_, shownSkin_, widgets::SkinPart::Background);
    image_Bck->setPixmap(QPixmap::fromImage(background));
}

void BrowseWindow::FillList()
{
    model_->SetRows(browse::BuildBrowseRows(session_.Text()));
    DLV->scrollToTop();
}

std::optional<size_t> BrowseWindow::SelectedRow() const
{
    const QModelIndexList selected = DLV->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return std::nullopt;
    return static_cast<size_t>(selected.front().row());
}

void BrowseWindow::SelectRow(size_t row)
{
    const QModelIndex index = model_->index(static_cast<int>(row), 0);
    DLV->selectionModel()->setCurrentIndex(index,
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    DLV->scrollTo(index);
}

void BrowseWindow::Step(bool up)
{
    const auto row = browse::StepSelection(model_->Rows().size(), SelectedRow(), up);
    if (!row)
        return;
    SelectRow(*row);
    DLV->setFocus();
}

void BrowseWindow::btnPrevDayClick()
{
    Step(true);
}

void BrowseWindow::btnNextDayClick()
{
    Step(false);
}

void BrowseWindow::btnGotoClick()
{
    const auto row = SelectedRow();
    if (!row)
        return;
    BrowseSelection = static_cast<int>(model_->Rows()[*row].Record);
    accept();
}

void BrowseWindow::btnSearchClick()
{
    const QString needle = edtNeedle->text();
    if (needle.isEmpty())
        return;
    const int codePage = services_.CodePage();
    const browse::BrowseSearch search(
        session_.Text(), needle.toStdString(), platform::ToDiaryText(needle), cbFull->isChecked(),
        [codePage](std::string_view rtf) { return rtf::PlainText(rtf, codePage); });
    const auto& rows = model_->Rows();
    const auto found =
        browse::FindNextRow(rows.size(), SelectedRow(), [&](size_t row) { return search(rows[row]); });
    if (found)
        SelectRow(*found);
}

void BrowseWindow::lblFullClick()
{
    cbFull->setChecked(!cbFull->isChecked());
}

void BrowseWindow::btnCloseClick()
{
    reject();
}

void BrowseWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

// The window sees Escape before the edit and the list do, and clicks on the label of the
// full-content box.
bool BrowseWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    if (watched == lblFull && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        lblFullClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
