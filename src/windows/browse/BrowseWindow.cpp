#include "windows/browse/BrowseWindow.h"

#include "windows/browse/BrowseGlyphs.h"
#include "formats/rtf/RtfReader.h"
#include "platform/locale/CharCase.h"
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

using formats::resources::PackedResources;
using formats::rtf::PlainText;
using model::browse::BrowseSearch;
using model::browse::BuildBrowseRows;
using model::browse::FindNextRow;
using model::browse::SearchCache;
using model::browse::StepSelection;
using model::browse::TypedMatch;
using model::look::Black;
using model::session::DiarySession;
using platform::locale::ToDiaryText;
using platform::locale::UpperCase;
using widgets::controls::BevelCut;
using widgets::controls::FlatEdit;
using widgets::controls::HatchedPanel;
using widgets::controls::HatchMode;
using widgets::controls::SkinPart;
using widgets::controls::SkinPicture;
using widgets::controls::ToolButton;
using widgets::services::Services;

namespace windows::browse {

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

ToolButton* MakeButton(QWidget* parent, const char* name, const QRect& bounds, const char* caption,
                       const char* glyph, const char* hint)
{
    auto* button = new ToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(bounds);
    button->SetCaption(QString::fromLatin1(caption));
    button->SetGlyph(BrowseGlyph(glyph));
    button->setToolTip(Hint(hint));
    return button;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& bounds, const char* caption)
{
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QLatin1String(name));
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

BrowseWindow::BrowseWindow(QWidget* owner, Services& services, DiarySession& session,
                           PackedResources& resources)
    : QDialog(owner), services_(services), session_(session), resources_(resources),
      model_(new BrowseModel(this))
{
    setObjectName("browseWindow");
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
    backgroundPanel_ = new HatchedPanel(this);
    backgroundPanel_->setObjectName("backgroundPanel");
    backgroundPanel_->setGeometry(rect());
    backgroundPanel_->SetColor(Black);
    backgroundPanel_->SetBevelOuter(BevelCut::None);
    backgroundPanel_->SetMode(HatchMode::Tiled);
    backgroundPicture_ = new QLabel(backgroundPanel_);
    backgroundPicture_->setObjectName("backgroundPicture");
    backgroundPicture_->setGeometry(backgroundPanel_->rect());
    backgroundPicture_->setScaledContents(true);

    previousDayButton_ = MakeButton(backgroundPanel_, "previousDayButton", {10, 10, 51, 48}, "Day", "BRPREV",
                                    "Move to the previous day");
    gotoButton_ = MakeButton(backgroundPanel_, "gotoButton", {64, 10, 51, 48}, "Goto", "BRGOTO",
                             "Jump to Diary\r\nusing the selected day");
    nextDayButton_ = MakeButton(backgroundPanel_, "nextDayButton", {118, 10, 51, 48}, "Day", "BRNEXT",
                                "Move to the next day");
    searchButton_ = MakeButton(backgroundPanel_, "searchButton", {358, 10, 55, 48}, "Search", "BRSEARCH",
                               "Search into your diary titles");
    closeButton_ = MakeButton(backgroundPanel_, "closeButton", {417, 10, 53, 48}, "Close", "BRCLOSE",
                              "Close this dialog");
    // The list runs newest first: the previous day is the row above.
    connect(previousDayButton_, &ToolButton::OnClick, this, [this] { Step(true); });
    connect(gotoButton_, &ToolButton::OnClick, this, &BrowseWindow::OnGotoClicked);
    connect(nextDayButton_, &ToolButton::OnClick, this, [this] { Step(false); });
    connect(searchButton_, &ToolButton::OnClick, this, &BrowseWindow::OnSearchClicked);
    connect(closeButton_, &ToolButton::OnClick, this, &QDialog::reject);

    separator_ = new QFrame(backgroundPanel_);
    separator_->setObjectName("separator");
    separator_->setFrameShape(QFrame::VLine);
    separator_->setFrameShadow(QFrame::Sunken);
    separator_->setGeometry(170, 8, 2, 52);

    searchLabel_ = MakeLabel(backgroundPanel_, "searchLabel", {187, 5, 160, 15}, "Search diary for for:");
    searchEdit_ = new FlatEdit(backgroundPanel_);
    searchEdit_->setObjectName("searchEdit");
    searchEdit_->setGeometry(186, 22, 110, 23);
    PaintAsField(*searchEdit_);
    searchEdit_->SetColorOnFocus(EditFocusColour);
    searchEdit_->setAccessibleName(QStringLiteral("Search"));
    searchEdit_->SetTextColorOnFocus(Qt::black);
    searchEdit_->setToolTip(Hint("Enter the keywords to search for"));
    searchEdit_->OnKeyPress = [this](FlatEdit&, char32_t& key) {
        if (key == 13) {
            key = 0;
            OnSearchClicked();
        }
    };
    searchEdit_->installEventFilter(this);
    connect(searchEdit_, &QLineEdit::textEdited, this, &BrowseWindow::OnSearchTextEdited);

    matchCountLabel_ = MakeLabel(backgroundPanel_, "matchCountLabel", {299, 22, 58, 23}, "");
    matchCountLabel_->setAccessibleName(QStringLiteral("Matching entries"));
    QFont countFont = WindowFont();
    countFont.setPixelSize(11);
    matchCountLabel_->setFont(countFont);

    fullContentCheck_ = new QCheckBox(backgroundPanel_);
    fullContentCheck_->setObjectName("fullContentCheck");
    fullContentCheck_->setGeometry(185, 47, 15, 17);
    fullContentLabel_ =
        MakeLabel(backgroundPanel_, "fullContentLabel", {200, 48, 150, 15}, "Full content search (slower)");
    fullContentCheck_->setAccessibleName(fullContentLabel_->text());
    fullContentLabel_->installEventFilter(this);
    connect(fullContentCheck_, &QCheckBox::toggled, this, &BrowseWindow::OnSearchTextEdited);
}

void BrowseWindow::CreateList()
{
    entryList_ = new QTreeView(backgroundPanel_);
    entryList_->setObjectName("entryList");
    entryList_->setGeometry(10, 68, 460, 214);
    entryList_->setModel(model_);
    entryList_->setRootIsDecorated(false);
    entryList_->setItemsExpandable(false);
    entryList_->setUniformRowHeights(true);
    entryList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    entryList_->setSelectionMode(QAbstractItemView::SingleSelection);
    entryList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    entryList_->setIconSize(QSize(22, 22));
    entryList_->setSortingEnabled(false);
    entryList_->header()->setSectionsClickable(false);
    entryList_->header()->setSectionsMovable(false);
    entryList_->header()->setStretchLastSection(false);
    entryList_->header()->setSectionResizeMode(QHeaderView::Fixed);
    entryList_->header()->resizeSection(0, 120);
    entryList_->header()->resizeSection(1, 318);
    entryList_->setToolTip(Hint("Lists your diary entries. You can \r\n   double-click to edit an entry"));
    PaintAsField(*entryList_);
    // The selection stays visible while the list has no focus.
    QPalette colours = entryList_->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    entryList_->setPalette(colours);
    entryList_->installEventFilter(this);
    connect(entryList_, &QAbstractItemView::doubleClicked, this, &BrowseWindow::OnGotoClicked);
    connect(entryList_, &QAbstractItemView::pressed, this, [this] { typingFrom_.reset(); });
}

int BrowseWindow::Execute(int currentSkin)
{
    currentSkin_ = currentSkin;
    PrepareShowing();
    exec();
    return selection_;
}

void BrowseWindow::PrepareShowing()
{
    searchEdit_->setFocus();
    if (currentSkin_ != shownSkin_) {
        shownSkin_ = currentSkin_;
        ApplySkin();
    }
    FillList();
    selection_ = -1;
}

void BrowseWindow::ApplySkin()
{
    const QImage background = SkinPicture(resources_, shownSkin_, SkinPart::Background);
    backgroundPicture_->setPixmap(QPixmap::fromImage(background));
}

void BrowseWindow::FillList()
{
    model_->SetRows(BuildBrowseRows(session_.Text()));
    entryList_->scrollToTop();
    const int codePage = services_.CodePage();
    searchCache_ = SearchCache(session_.Text(), model_->Rows(),
                               [codePage](std::string_view rtf) { return PlainText(rtf, codePage); });
    typingFrom_.reset();
    matchCountLabel_->clear();
}

std::optional<size_t> BrowseWindow::SelectedRow() const
{
    const QModelIndexList selected = entryList_->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return std::nullopt;
    return static_cast<size_t>(selected.front().row());
}

void BrowseWindow::SelectRow(size_t row)
{
    const QModelIndex index = model_->index(static_cast<int>(row), 0);
    entryList_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
    entryList_->scrollTo(index);
}

void BrowseWindow::Step(bool up)
{
    typingFrom_.reset();
    const auto row = StepSelection(model_->Rows().size(), SelectedRow(), up);
    if (!row)
        return;
    SelectRow(*row);
    entryList_->setFocus();
}

void BrowseWindow::OnGotoClicked()
{
    const auto row = SelectedRow();
    if (!row)
        return;
    selection_ = static_cast<int>(model_->Rows()[*row].Record);
    accept();
}

void BrowseWindow::OnSearchClicked()
{
    typingFrom_.reset();
    const QString needle = searchEdit_->text();
    if (needle.isEmpty())
        return;
    const int codePage = services_.CodePage();
    const BrowseSearch search(session_.Text(), needle.toStdString(), ToDiaryText(needle),
                              fullContentCheck_->isChecked(),
                              [codePage](std::string_view rtf) { return PlainText(rtf, codePage); });
    const auto& rows = model_->Rows();
    const auto found = FindNextRow(rows.size(), SelectedRow(), [&](size_t row) { return search(rows[row]); });
    if (found)
        SelectRow(*found);
}

void BrowseWindow::OnSearchTextEdited()
{
    const QString needle = searchEdit_->text();
    if (needle.isEmpty()) {
        typingFrom_.reset();
        matchCountLabel_->clear();
        return;
    }
    if (!typingFrom_)
        typingFrom_ = SelectedRow().value_or(0);
    std::optional<std::string> titleNeedle = ToDiaryText(needle);
    if (titleNeedle)
        titleNeedle = UpperCase(*titleNeedle);
    const TypedMatch match =
        searchCache_.Find(needle.toStdString(), titleNeedle, fullContentCheck_->isChecked(), *typingFrom_);
    matchCountLabel_->setText(tr("%1 found").arg(match.Count));
    if (match.Row)
        SelectRow(*match.Row);
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
    if (watched == fullContentLabel_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        fullContentCheck_->toggle();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace windows::browse
