#include "windows/main/MainWindow.h"

#include "windows/main/ExitDialogs.h"
#include "windows/main/OnThisDayPanel.h"
#include "model/onthisday/EarlierEntries.h"

#include "model/settings/MainSettings.h"
#include "windows/keeper/KeeperWindow.h"
#include "windows/browse/BrowseWindow.h"
#include "widgets/calendar/MainCalendar.h"
#include "widgets/editor/BodyPrint.h"
#include "widgets/editor/Formatting.h"
#include "widgets/editor/PictureImages.h"
#include "widgets/editor/RichTextEdit.h"
#include "widgets/editor/TitleEdit.h"
#include "windows/tools/AboutWindow.h"
#include "windows/tools/ToolsWindow.h"
#include "windows/tools/WebSite.h"
#include "platform/locale/Collation.h"
#include "platform/locale/Locale.h"
#include "windows/picker/MoodPickerDialog.h"
#include "windows/picker/MoodPictures.h"
#include "platform/locale/QtText.h"
#include "windows/spell/SpellCheckBody.h"
#include "widgets/controls/AccessibleControls.h"
#include "widgets/controls/Fonts.h"
#include "widgets/controls/ClockWidget.h"
#include "widgets/controls/HatchedPanel.h"
#include "widgets/controls/ShadowLabel.h"
#include "widgets/controls/SpeedButton.h"
#include "widgets/controls/QtColors.h"
#include "widgets/controls/ResourceBitmaps.h"
#include "widgets/services/Services.h"
#include "widgets/controls/SkinPictures.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QSessionManager>
#include <QUrl>

#include <algorithm>

using base::dates::Date;
using base::result::Status;
using formats::diary::DayDate;
using formats::diary::DayLoad;
using formats::resources::LoadProgramRessources;
using model::look::Black;
using model::look::LightenIfDark;
using model::look::Red;
using model::look::RGBColor;
using model::look::RgbColor;
using model::look::Yellow;
using model::onthisday::FindEarlierEntries;
using model::session::DayFlow;
using model::session::DiaryChange;
using model::session::DiarySession;
using model::session::EditorContent;
using model::session::RecoverySchedule;
using model::session::ShownEntry;
using model::settings::DeclareMainSettings;
using platform::locale::CollationKey;
using platform::locale::FromDiaryText;
using platform::locale::LongMonthName;
using platform::locale::ShortMonthName;
using platform::locale::ToDiaryText;
using widgets::calendar::MainCalendar;
using widgets::controls::ArialPixels;
using widgets::controls::PressesButton;
using widgets::controls::ButtonLayout;
using widgets::controls::ClockShowMode;
using widgets::controls::ClockWidget;
using widgets::controls::FromQColor;
using widgets::controls::GridBorder;
using widgets::controls::HatchedPanel;
using widgets::controls::HatchMode;
using widgets::controls::ResourceBitmap;
using widgets::controls::SetFontColor;
using widgets::controls::ShadowLabel;
using widgets::controls::SkinCount;
using widgets::controls::SkinPart;
using widgets::controls::SkinPicture;
using widgets::controls::SpeedButton;
using widgets::controls::ToQColor;
using widgets::controls::WithBottomLeftTransparent;
using widgets::dialogs::MsgAnswer;
using widgets::dialogs::MsgButtons;
using widgets::dialogs::MsgIcon;
using widgets::editor::GrowFont;
using widgets::editor::LoadFontSettings;
using widgets::editor::MenuColour;
using widgets::editor::MenuColours;
using widgets::editor::PictureFileFilter;
using widgets::editor::PrintDocument;
using widgets::editor::ResetTypingAttributes;
using widgets::editor::RichTextEdit;
using widgets::editor::RichTextToString;
using widgets::editor::SetAlignment;
using widgets::editor::SetTextColour;
using widgets::editor::ShrinkFont;
using widgets::editor::StoredFont;
using widgets::editor::StringToRichText;
using widgets::editor::StyleToggle;
using widgets::editor::TitleEdit;
using widgets::editor::ToggleStyle;
using widgets::services::Services;
using windows::browse::BrowseWindow;
using windows::keeper::KeeperWindow;
using windows::picker::MoodPickerDialog;
using windows::picker::MoodName;
using windows::picker::MoodPictures;
using windows::spell::RunSpellCheck;
using windows::tools::AboutWindow;
using windows::tools::ToolsWindow;
using windows::tools::WebSiteAddress;

namespace windows::main {

namespace {

using model::look::AverageColour;
using widgets::controls::ArialPixels;
using widgets::controls::AverageColour;
using widgets::controls::SpeedButton;

// The client area of the window at its designed size (the 750 × 480 window less its frame).
constexpr int DesignWidth = 742;
constexpr int DesignHeight = 453;
constexpr int TopHeight = 60;
// The editor area and its parts.
constexpr QRect EditorArea(229, 70, 501, 371);
constexpr int HatchWidth = 30;
constexpr int RightColumnWidth = 76;

const QColor EditorBack(255, 255, 242);
const QColor TitleFocusColour(0, 0, 128);
const QColor LinkColour(255, 255, 128);
const QColor LinkHotColour(255, 255, 0);

// The background of the client area: the skin's top strip over the top 60 pixels, its
// background picture below, both stretched to the window.
class SkinnedClient : public QWidget {
public:
    SkinnedClient(QWidget* parent, const QImage& top, const QImage& back) : QWidget(parent), top_(top), back_(back)
    {
        setAutoFillBackground(false);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        if (!back_.isNull())
            painter.drawImage(QRect(0, TopHeight, width(), height() - TopHeight), back_);
        if (!top_.isNull())
            painter.drawImage(QRect(0, 0, width(), TopHeight), top_);
        // The raised line between the date and the toolbar buttons.
        painter.setPen(QColor(255, 255, 255, 110));
        painter.drawLine(229, 6, 229, 52);
        painter.setPen(QColor(0, 0, 0, 140));
        painter.drawLine(230, 6, 230, 52);
    }

private:
    const QImage& top_;
    const QImage& back_;
};

// The link label at the bottom left: underlined and yellow while the mouse is over it.
class LinkLabel : public QLabel {
public:
    LinkLabel(QWidget* parent, const QString& address) : QLabel(parent), address_(address)
    {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus); // Tab reaches it, lit as under the mouse; Enter opens it
        Paint(LinkColour, false);
    }

protected:
    void enterEvent(QEnterEvent*) override { Paint(LinkHotColour, true); }
    void leaveEvent(QEvent*) override { Paint(hasFocus() ? LinkHotColour : LinkColour, hasFocus()); }
    void focusInEvent(QFocusEvent*) override { Paint(LinkHotColour, true); }
    void focusOutEvent(QFocusEvent*) override { Paint(LinkColour, false); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            QDesktopServices::openUrl(QUrl(address_));
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (PressesButton(*event))
            QDesktopServices::openUrl(QUrl(address_));
        else
            QLabel::keyPressEvent(event);
    }

private:
    void Paint(const QColor& colour, bool underline)
    {
        SetFontColor(*this, colour);
        QFont shown = font();
        shown.setUnderline(underline);
        setFont(shown);
    }

    QString address_;
};

QImage Glyph(const char* name)
{
    return ResourceBitmap(QString::fromLatin1(name));
}

SpeedButton* MakeSpeedButton(QWidget* parent, const QRect& place, const QString& caption, const char* glyph,
                            const QString& hint)
{
    auto* button = new SpeedButton(parent);
    button->setGeometry(place);
    button->SetTransparent(true);
    button->SetFlat(true);
    button->SetCaption(caption);
    if (const QImage image = Glyph(glyph); !image.isNull()) {
        button->SetGlyph(image);
        button->SetNumGlyphs(1);
    }
    button->setToolTip(hint);
    return button;
}

// The 30-pixel strip on the left of the editors: thin diagonal lines on white.
QImage HatchTile()
{
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(Qt::white);
    for (int i = 0; i < 8; ++i)
        tile.setPixelColor(i, 7 - i, QColor(200, 206, 220));
    return tile;
}

QString DateCaption(const Date& date, bool shortMonth)
{
    const QString month = shortMonth ? ShortMonthName(date.Month) : LongMonthName(date.Month);
    return QStringLiteral("%1 %2, %3").arg(month).arg(date.Day).arg(date.Year);
}

std::string DiaryBytes(const QString& text)
{
    return ToDiaryText(text).value_or(std::string());
}

} // namespace

MainWindow::MainWindow(Services& services, DiarySession& session)
    : services_(services), session_(session), settings_(services.SettingsStore()),
      flow_(session_, resources_), recovery_(session_), exitSave_(session_, recovery_.Schedule()),
      changedFileDialogs_(this, services), dictionaries_(services.ProgramFolder(), CollationKey, services.DataFolder())
{
    const auto showSettingsError = [this](const std::string& message) {
        services_.Dialogs().ShowError(nullptr, QString::fromStdString(message), services_.Title());
    };
    DeclareMainSettings(settings_, showSettingsError);
    settings_.OnDestroyError = showSettingsError;

    LoadProgramRessources(resources_);
    moodPictures_ = MoodPictures();
    skinCount_ = widgets::controls::SkinCount(resources_);
    currentSkin_ = *settings_.GetValue("CurrentSkin")->ToInteger();
    if (currentSkin_ < 0 || currentSkin_ > skinCount_ - 1)
        currentSkin_ = 0;

    setObjectName("mainWindow");
    setWindowTitle(services_.Title());
    setMinimumSize(DesignWidth, DesignHeight);
    resize(DesignWidth, DesignHeight);
    setFont(ArialPixels(12));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    colours.setColor(QPalette::ButtonText, Qt::white);
    setPalette(colours);

    CreateControls();
    CreateMenus();
    NameControls();
    SetShowScrollbar(*settings_.GetValue("ShowScrollbars")->ToInteger() == 1);
    LayoutControls();
    RestoreBounds();

    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { SessionEnding(); });
    session_.AddListener(*this);
    session_.SetChangedFileQuestions(&changedFileDialogs_);
}

MainWindow::~MainWindow()
{
    session_.SetChangedFileQuestions(nullptr);
    session_.RemoveListener(*this);
    (void)settings_.SetValue("CurrentSkin", static_cast<int32_t>(currentSkin_));
}

void MainWindow::DiaryChanged(DiaryChange change)
{
    // The window's own day changes show themselves; records replaced from elsewhere (the tools
    // window's restore, another copy merged in) are shown here.
    if (!ShowsDiary())
        return;
    if (change == DiaryChange::Replaced)
        ShowCalendarDay(false);
    else if (change == DiaryChange::Merging)
        StoreShownDay();
    else if (change == DiaryChange::Merged)
        ShowMergedDays();
}

void MainWindow::CreateControls()
{
    client_ = new SkinnedClient(this, topPicture_, backPicture_);
    setCentralWidget(client_);
    CreateToolbar(client_);
    CreateNavigation(client_);
    CreateEditorArea(client_);

    linkLabel_ = new LinkLabel(client_, WebSiteAddress);
    linkLabel_->setText(tr("Daybrook on the web"));
    linkLabel_->setToolTip(WebSiteAddress);
    linkLabel_->adjustSize();

    sizeGrip_ = new QLabel(client_);
    sizeGrip_->resize(10, 10);
    sizeGrip_->setPixmap(QPixmap::fromImage(WithBottomLeftTransparent(Glyph("SIZEGRIP"))));

    // Keyboard order: title, body, calendar.
    setTabOrder(titleEdit_, bodyEdit_);
    setTabOrder(bodyEdit_, calendar_);
}

void MainWindow::NameControls()
{
    const std::initializer_list<std::pair<QObject*, const char*>> controls{
        {editButton_, "editButton"},
        {deleteButton_, "deleteButton"},
        {previousEntryButton_, "previousEntryButton"},
        {nextEntryButton_, "nextEntryButton"},
        {browseButton_, "browseButton"},
        {spellButton_, "spellButton"},
        {skinButton_, "skinButton"},
        {birthdayButton_, "birthdayButton"},
        {toolsButton_, "toolsButton"},
        {aboutButton_, "aboutButton"},
        {exitButton_, "exitButton"},
        {dateLabel_, "dateLabel"},
        {calendar_, "calendar"},
        {previousYearButton_, "previousYearButton"},
        {nextYearButton_, "nextYearButton"},
        {previousMonthButton_, "previousMonthButton"},
        {nextMonthButton_, "nextMonthButton"},
        {previousEntrySmallButton_, "previousEntrySmallButton"},
        {nextEntrySmallButton_, "nextEntrySmallButton"},
        {todayButton_, "todayButton"},
        {linkLabel_, "linkLabel"},
        {onThisDayPanel_, "onThisDayPanel"},
        {editorPanel_, "editorPanel"},
        {hatchPanel_, "hatchPanel"},
        {editsPanel_, "editsPanel"},
        {titleEdit_, "titleEdit"},
        {bodyEdit_, "bodyEdit"},
        {rightPanel_, "rightPanel"},
        {smallDateLabel_, "smallDateLabel"},
        {moodImage_, "moodImage"},
        {previousMoodButton_, "previousMoodButton"},
        {nextMoodButton_, "nextMoodButton"},
        {smallerFontButton_, "smallerFontButton"},
        {largerFontButton_, "largerFontButton"},
        {boldButton_, "boldButton"},
        {italicButton_, "italicButton"},
        {underlineButton_, "underlineButton"},
        {alignLeftButton_, "alignLeftButton"},
        {alignCenterButton_, "alignCenterButton"},
        {alignRightButton_, "alignRightButton"},
        {colourButton_, "colourButton"},
        {printButton_, "printButton"},
        {clock_, "clock"},
        {sizeGrip_, "sizeGrip"},
        {calendarMenu_, "calendarMenu"},
        {bodyMenu_, "bodyMenu"},
        {colourMenu_, "colourMenu"},
        {moodMenu_, "moodMenu"},
        {clockMenu_, "clockMenu"},
        {pasteAction_, "pasteAction"},
        {insertPictureAction_, "insertPictureAction"},
        {showScrollbarAction_, "showScrollbarAction"},
        {displaySecondsAction_, "displaySecondsAction"},
    };
    for (const auto& [control, name] : controls)
        control->setObjectName(QString::fromLatin1(name));
}

void MainWindow::CreateToolbar(QWidget* client)
{
    dateLabel_ = new ShadowLabel(client);
    dateLabel_->setGeometry(7, 20, 207, 25);
    dateLabel_->setFont(ArialPixels(16, true));
    SetFontColor(*dateLabel_, QColor(253, 255, 230));
    dateLabel_->SetShadowColor(RGBColor(64, 0, 0));

    const auto toolbar = [&](int left, int width, const QString& caption, const char* glyph, const QString& hint) {
        SpeedButton* button = MakeSpeedButton(client, QRect(left, 6, width, 46), caption, glyph, hint);
        button->SetLayout(ButtonLayout::GlyphTop);
        return button;
    };
    editButton_ = toolbar(233, 54, tr("&Edit"), "TBEDIT", tr("Edit this entry"));
    deleteButton_ = toolbar(288, 54, tr("&Delete"), "TBDELETE", tr("Delete this entry"));
    previousEntryButton_ = MakeSpeedButton(client, QRect(343, 6, 26, 22), {}, "TBPREVENTRY",
                               tr("Goto the previous entry\r\n    you have written").replace("\r\n", "\n"));
    nextEntryButton_ = MakeSpeedButton(client, QRect(370, 6, 26, 22), {}, "TBNEXTENTRY",
                               tr("Goto the next entry\r\n you have written").replace("\r\n", "\n"));
    browseButton_ = MakeSpeedButton(client, QRect(343, 29, 54, 23), tr("&Browse"), "", tr("List all entries"));
    spellButton_ = toolbar(398, 52, tr("S&pell"), "TBSPELL", tr("Spell check the current entry"));
    skinButton_ = toolbar(451, 52, tr("S&kin"), "TBSKIN", tr("Change Skin"));
    birthdayButton_ = toolbar(504, 66, tr("Bi&rthdays"), "TBBIRTHDAY", tr("Birthday and anniversary keeper"));
    toolsButton_ = toolbar(571, 52, tr("&Tools"), "TBTOOLS", tr("More Tools and Options"));
    aboutButton_ = toolbar(624, 52, tr("&About"), "TBABOUT", tr("About this program"));
    exitButton_ = toolbar(677, 52, tr("E&xit"), "TBEXIT", tr("Save and Exit"));

    connect(editButton_, &SpeedButton::OnClick, this, &MainWindow::OnEditClicked);
    connect(deleteButton_, &SpeedButton::OnClick, this, &MainWindow::OnDeleteClicked);
    connect(previousEntryButton_, &SpeedButton::OnClick, this, [this] { GoEntry(false); });
    connect(nextEntryButton_, &SpeedButton::OnClick, this, [this] { GoEntry(true); });
    connect(skinButton_, &SpeedButton::OnClick, this, &MainWindow::OnSkinClicked);
    connect(browseButton_, &SpeedButton::OnClick, this, &MainWindow::OnBrowseClicked);
    connect(toolsButton_, &SpeedButton::OnClick, this, &MainWindow::OnToolsClicked);
    connect(aboutButton_, &SpeedButton::OnClick, this, &MainWindow::OnAboutClicked);
    connect(birthdayButton_, &SpeedButton::OnClick, this, &MainWindow::OpenBirthdayKeeper);
    connect(spellButton_, &SpeedButton::OnClick, this,
            [this] { RunSpellCheck(this, services_, dictionaries_, *bodyEdit_); });
    connect(exitButton_, &SpeedButton::OnClick, this, &MainWindow::OnExitClicked);
}

void MainWindow::CreateNavigation(QWidget* client)
{
    calendar_ = new MainCalendar(client);
    calendar_->setGeometry(10, 70, 209, 139);
    calendar_->SetClock([this] { return services_.Today(); });
    calendar_->SetColor(FromQColor(EditorBack));
    calendar_->SetBorder(GridBorder::None);
    calendar_->setFont(ArialPixels(11));
    calendar_->SetFontColor(Black);
    calendar_->SetStartOfWeek(0);
    calendar_->SetActiveColor(Red);
    calendar_->SetActiveBGColor(RGBColor(0xDF, 0xDF, 0xFF));
    calendar_->SetSpecialColor(Red);
    calendar_->SetSpecialBGColor(Yellow);
    calendar_->setToolTip(tr("A calendar where you can select days\r\nto edit. Blue cells contain written entries.\r\n"
                             " You can right click for more options.")
                              .replace("\r\n", "\n"));
    calendar_->SetUltraShort(false);
    calendar_->OnChange = [this](QObject*) { ShowCalendarDay(true); };

    const QRect row(10, 210, 209, 17);
    const auto small = [&](int left, int width, const char* glyph, const QString& hint) {
        return MakeSpeedButton(client, QRect(row.left() + left, row.top(), width, row.height()), {}, glyph, hint);
    };
    const auto label = [&](int left, int width, const QString& text) {
        auto* caption = new QLabel(text, client);
        caption->setGeometry(row.left() + left, row.top(), width, row.height());
        caption->setAlignment(Qt::AlignCenter);
        caption->setFont(ArialPixels(10));
        return caption;
    };
    previousYearButton_ = small(2, 11, "NAVPREV", tr("Previous year"));
    label(13, 24, tr("Year"));
    nextYearButton_ = small(37, 11, "NAVNEXT", tr("Next year"));
    previousMonthButton_ = small(56, 11, "NAVPREV", tr("Previous month"));
    label(67, 30, tr("Month"));
    nextMonthButton_ = small(97, 11, "NAVNEXT", tr("Next month"));
    previousEntrySmallButton_ = small(116, 11, "NAVPREV", tr("Goto the previous entry you have written"));
    label(127, 27, tr("Entry"));
    nextEntrySmallButton_ = small(154, 11, "NAVNEXT", tr("Goto the next entry you have written"));
    todayButton_ = small(173, 33, "NAVTODAY", tr("Jump to Today"));

    onThisDayPanel_ = new OnThisDayPanel(client);
    onThisDayPanel_->setGeometry(10, 235, 209, 165);
    onThisDayPanel_->OnDayChosen = [this](const Date& date) { calendar_->SetCalendarDate(date); };

    connect(previousYearButton_, &SpeedButton::OnClick, this, [this] { GoYear(false); });
    connect(nextYearButton_, &SpeedButton::OnClick, this, [this] { GoYear(true); });
    connect(previousMonthButton_, &SpeedButton::OnClick, this, [this] { GoMonth(false); });
    connect(nextMonthButton_, &SpeedButton::OnClick, this, [this] { GoMonth(true); });
    connect(previousEntrySmallButton_, &SpeedButton::OnClick, this, [this] { GoEntry(false); });
    connect(nextEntrySmallButton_, &SpeedButton::OnClick, this, [this] { GoEntry(true); });
    connect(todayButton_, &SpeedButton::OnClick, this, &MainWindow::GoToday);
}

void MainWindow::CreateEditorArea(QWidget* client)
{
    editorPanel_ = new QWidget(client);
    editorPanel_->setAutoFillBackground(true);
    QPalette white = editorPanel_->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    white.setColor(QPalette::ButtonText, Qt::black);
    editorPanel_->setPalette(white);

    hatchPanel_ = new HatchedPanel(editorPanel_);
    hatchPanel_->SetPicture(HatchTile());
    hatchPanel_->SetMode(HatchMode::Tiled);

    editsPanel_ = new QWidget(editorPanel_);
    titleEdit_ = new TitleEdit(editsPanel_);
    titleEdit_->setFrame(false);
    titleEdit_->setFont(ArialPixels(13));
    titleEdit_->setToolTip(tr("Write a title for this day"));
    titleEdit_->setAccessibleName(tr("Title"));
    bodyEdit_ = new RichTextEdit(editsPanel_);
    bodyEdit_->setFrameShape(QFrame::NoFrame);
    bodyEdit_->setFont(ArialPixels(13));
    bodyEdit_->setToolTip(tr("Write your thoughts for this day"));
    bodyEdit_->setAccessibleName(tr("Entry"));
    bodyEdit_->setContextMenuPolicy(Qt::CustomContextMenu);
    for (QWidget* edit : {static_cast<QWidget*>(titleEdit_), static_cast<QWidget*>(bodyEdit_)}) {
        QPalette colours = edit->palette();
        colours.setColor(QPalette::Base, EditorBack);
        colours.setColor(QPalette::Text, Qt::black);
        edit->setPalette(colours);
        edit->installEventFilter(this);
    }
    connect(bodyEdit_, &RichTextEdit::OnURLClick, this,
            [](const QString& url) { QDesktopServices::openUrl(QUrl::fromUserInput(url)); });

    rightPanel_ = new QWidget(editorPanel_);
    smallDateLabel_ = new QLabel(rightPanel_);
    smallDateLabel_->setGeometry(0, 10, 73, 17);
    smallDateLabel_->setAlignment(Qt::AlignCenter);
    smallDateLabel_->setFont(ArialPixels(11));
    SetFontColor(*smallDateLabel_, QColor(128, 0, 0));
    moodImage_ = new QLabel(rightPanel_);
    moodImage_->setGeometry(4, 35, 64, 64);
    moodImage_->setCursor(Qt::PointingHandCursor);
    moodImage_->setToolTip(tr(" Select a picture that describes your \r\nmood for today. Use the buttons below\r\n"
                           "or click directly on this image to select.")
                            .replace("\r\n", "\n"));
    moodImage_->setContextMenuPolicy(Qt::CustomContextMenu);
    moodImage_->installEventFilter(this);
    moodImage_->setFocusPolicy(Qt::TabFocus); // Space or Enter opens the picker, as a click does

    const auto small = [&](int left, int top, const char* glyph, const QString& hint) {
        return MakeSpeedButton(rightPanel_, QRect(left, top, 13, 14), {}, glyph, hint);
    };
    previousMoodButton_ = small(32, 100, "MOODPREV", tr("Previous image"));
    nextMoodButton_ = small(47, 100, "MOODNEXT", tr("Next image"));
    smallerFontButton_ = small(3, 133, "FMTSMALLER", tr("Smaller (Ctrl+M)"));
    largerFontButton_ = small(17, 133, "FMTLARGER", tr("Larger (Ctrl+N)"));
    boldButton_ = small(31, 133, "FMTBOLD", tr("Bold (Ctrl+B)"));
    italicButton_ = small(44, 133, "FMTITALIC", tr("Italics (Ctrl+H)"));
    underlineButton_ = small(58, 133, "FMTUNDERLINE", tr("Underlined (Ctrl+U)"));
    alignLeftButton_ = small(3, 149, "FMTLEFT", tr("Align Left (Ctrl+L)"));
    alignCenterButton_ = small(17, 149, "FMTCENTER", tr("Align Center (Ctrl+E)"));
    alignRightButton_ = small(30, 149, "FMTRIGHT", tr("Align Right (Ctrl+R)"));
    colourButton_ = small(43, 149, "FMTCOLOR", tr("Change typing color"));
    printButton_ = small(58, 149, "FMTPRINT", tr("Print Current Page"));

    clock_ = new ClockWidget(rightPanel_);
    clock_->SetShowMode(ClockShowMode::Analog);
    clock_->SetShowSeconds(true);
    clock_->setContextMenuPolicy(Qt::CustomContextMenu);

    const auto onBody = [this](auto command) {
        return [this, command] {
            command(*bodyEdit_);
            bodyEdit_->setFocus();
        };
    };
    connect(previousMoodButton_, &SpeedButton::OnClick, this, &MainWindow::PreviousMood);
    connect(nextMoodButton_, &SpeedButton::OnClick, this, &MainWindow::NextMood);
    connect(smallerFontButton_, &SpeedButton::OnClick, this, onBody(ShrinkFont));
    connect(largerFontButton_, &SpeedButton::OnClick, this, onBody(GrowFont));
    connect(boldButton_, &SpeedButton::OnClick, this,
            onBody([](QTextEdit& edit) { ToggleStyle(edit, StyleToggle::Bold); }));
    connect(italicButton_, &SpeedButton::OnClick, this,
            onBody([](QTextEdit& edit) { ToggleStyle(edit, StyleToggle::Italic); }));
    connect(underlineButton_, &SpeedButton::OnClick, this,
            onBody([](QTextEdit& edit) { ToggleStyle(edit, StyleToggle::Underline); }));
    connect(alignLeftButton_, &SpeedButton::OnClick, this,
            onBody([](QTextEdit& edit) { SetAlignment(edit, Qt::AlignLeft | Qt::AlignAbsolute); }));
    connect(alignCenterButton_, &SpeedButton::OnClick, this,
            onBody([](QTextEdit& edit) { SetAlignment(edit, Qt::AlignHCenter); }));
    connect(alignRightButton_, &SpeedButton::OnClick, this,
            onBody([](QTextEdit& edit) { SetAlignment(edit, Qt::AlignRight | Qt::AlignAbsolute); }));
    connect(printButton_, &SpeedButton::OnClick, this, &MainWindow::OnPrintClicked);
}

void MainWindow::CreateMenus()
{
    calendarMenu_ = new QMenu(this);
    QAction* today = calendarMenu_->addAction(tr("ToDay"), this, &MainWindow::GoToday);
    today->setToolTip(tr("Jump to Today"));
    calendarMenu_->setDefaultAction(today);
    calendarMenu_->addAction(tr("Next Month"), this, [this] { GoMonth(true); });
    calendarMenu_->addAction(tr("Previous Month"), this, [this] { GoMonth(false); });
    calendarMenu_->addAction(tr("Next Year"), this, [this] { GoYear(true); })->setVisible(false);
    calendarMenu_->addAction(tr("Previous Year"), this, [this] { GoYear(false); })->setVisible(false);
    calendarMenu_->addSeparator();
    calendarMenu_->addAction(tr("Next Entry"), this, [this] { GoEntry(true); });
    calendarMenu_->addAction(tr("Previous Entry"), this, [this] { GoEntry(false); });
    calendarMenu_->addSeparator();
    calendarMenu_->addAction(tr("Birthday Keeper"), this, &MainWindow::OpenBirthdayKeeper);
    calendar_->SetPopupMenu(calendarMenu_);

    bodyMenu_ = new QMenu(this);
    pasteAction_ = bodyMenu_->addAction(tr("Paste from clipboard"), bodyEdit_, &QTextEdit::paste);
    insertPictureAction_ = bodyMenu_->addAction(tr("Insert picture..."), this, &MainWindow::OnInsertPictureClicked);
    connect(bodyEdit_, &RichTextEdit::PictureRefused, this,
            [this](const QString& message) { services_.Dialogs().ShowWarning(this, message, QStringLiteral(" Warning")); });
    showScrollbarAction_ = bodyMenu_->addAction(tr("Show scrollbar "));
    showScrollbarAction_->setCheckable(true);
    connect(showScrollbarAction_, &QAction::triggered, this, [this](bool checked) {
        SetShowScrollbar(checked);
        (void)settings_.SetValue("ShowScrollbars", static_cast<int32_t>(checked ? 1 : 0));
    });
    connect(bodyEdit_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        pasteAction_->setEnabled(data != nullptr && (data->hasText() || data->hasImage()));
        bodyMenu_->popup(bodyEdit_->viewport()->mapToGlobal(at));
    });

    colourMenu_ = new QMenu(this);
    for (const MenuColour& colour : MenuColours) {
        QPixmap swatch(8, 8);
        swatch.fill(colour.Colour);
        colourMenu_->addAction(QIcon(swatch), tr(colour.Caption), this, [this, value = colour.Colour] {
            SetTextColour(*bodyEdit_, value);
            bodyEdit_->setFocus();
        });
    }
    colourButton_->SetPopupMenu(colourMenu_);

    moodMenu_ = new QMenu(this);
    moodMenu_->addAction(tr("Next image"), this, &MainWindow::NextMood);
    moodMenu_->addAction(tr("Previous image"), this, &MainWindow::PreviousMood);
    connect(moodImage_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { moodMenu_->popup(moodImage_->mapToGlobal(at)); });

    clockMenu_ = new QMenu(this);
    displaySecondsAction_ = clockMenu_->addAction(tr(" Display Seconds"));
    displaySecondsAction_->setCheckable(true);
    displaySecondsAction_->setChecked(true);
    connect(displaySecondsAction_, &QAction::toggled, clock_, &ClockWidget::SetShowSeconds);
    connect(clock_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { clockMenu_->popup(clock_->mapToGlobal(at)); });
}

void MainWindow::LayoutControls()
{
    const int width = client_->width();
    const int height = client_->height();
    // The editor area follows all four edges; the right column and the clock follow theirs.
    const QRect editor(EditorArea.left(), EditorArea.top(), EditorArea.width() + width - DesignWidth,
                       EditorArea.height() + height - DesignHeight);
    editorPanel_->setGeometry(editor);
    hatchPanel_->setGeometry(0, 0, HatchWidth, editor.height());
    const int editsWidth = editor.width() - HatchWidth - RightColumnWidth;
    editsPanel_->setGeometry(HatchWidth, 0, editsWidth, editor.height());
    titleEdit_->setGeometry(6, 11, editsWidth - 6, 22);
    bodyEdit_->setGeometry(6, 38, editsWidth - 6, editor.height() - 44);
    rightPanel_->setGeometry(editor.width() - RightColumnWidth, 0, RightColumnWidth, editor.height());
    clock_->setGeometry(4, editor.height() - 80, 63, 70);

    exitButton_->move(677 + width - DesignWidth, exitButton_->y());
    linkLabel_->move(99, 411 + height - DesignHeight);
    sizeGrip_->move(729 + width - DesignWidth, 440 + height - DesignHeight);
    sizeGrip_->setVisible(!isMaximized());
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    LayoutControls();
}

void MainWindow::RestoreBounds()
{
    const int top = *settings_.GetValue("LastTop")->ToInteger();
    const int left = *settings_.GetValue("LastLeft")->ToInteger();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
    if (top >= 0 && left >= 0 && top < area.height() && left < area.width()) {
        move(left, top);
        resize(*settings_.GetValue("LastWidth")->ToInteger(), *settings_.GetValue("LastHeight")->ToInteger());
        return;
    }
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void MainWindow::StoreBounds()
{
    (void)settings_.SetValue("LastTop", static_cast<int32_t>(y()));
    (void)settings_.SetValue("LastLeft", static_cast<int32_t>(x()));
    (void)settings_.SetValue("LastWidth", static_cast<int32_t>(width()));
    (void)settings_.SetValue("LastHeight", static_cast<int32_t>(height()));
}

bool MainWindow::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate) {
        if (firstActivation_.Pending())
            ShowOpenedDiary();
        else if (!exitSave_.Finished())
            session_.TakeInChangedFile(); // another window or machine may have written the diary
    }
    return handled;
}

void MainWindow::ShowOpenedDiary()
{
    const std::string fileName = firstActivation_.Complete(session_, recovery_.Schedule().Recovered());
    setFocus();
    flow_.ForgetShownDay();
    ApplySkin();
    ApplyFontSettings();
    (void)settings_.SetValue("LastDiaryName",
                             ToDiaryText(QFile::decodeName(fileName.c_str())).value_or(fileName));
    if (session_.ReadOnly()) {
        setWindowTitle(tr("%1 (read-only)").arg(services_.Title()));
        editButton_->setEnabled(false);
        deleteButton_->setEnabled(false);
    }
    ShowCalendarDay(true);
}

void MainWindow::ShowSkin(int skin)
{
    currentSkin_ = skin;
    ApplySkin();
}

void MainWindow::ApplySkin()
{
    backPicture_ = SkinPicture(resources_, currentSkin_, SkinPart::Background);
    topPicture_ = SkinPicture(resources_, currentSkin_, SkinPart::Top);
    if (!backPicture_.isNull())
        backPicture_ = backPicture_.scaled(client_->width(), client_->height() - TopHeight, Qt::IgnoreAspectRatio,
                                           Qt::SmoothTransformation);
    client_->update();
}

void MainWindow::OnSkinClicked()
{
    currentSkin_ = currentSkin_ + 1 >= skinCount_ ? 0 : currentSkin_ + 1;
    ApplySkin();
}

StoredFont MainWindow::BodyFont() const
{
    StoredFont font;
    font.Font = bodyEdit_->document()->defaultFont();
    font.Color = bodyEdit_->palette().color(QPalette::Text);
    font.Charset = *settings_.GetValue("FontCharset")->ToInteger();
    return font;
}

void MainWindow::ApplyFont(const StoredFont& font)
{
    for (QWidget* edit : {static_cast<QWidget*>(titleEdit_), static_cast<QWidget*>(bodyEdit_)}) {
        edit->setFont(font.Font);
        QPalette colours = edit->palette();
        colours.setColor(QPalette::Text, font.Color);
        edit->setPalette(colours);
    }
    bodyEdit_->document()->setDefaultFont(font.Font);
}

void MainWindow::ApplyFontSettings()
{
    StoredFont font;
    font.Font = titleEdit_->font();
    LoadFontSettings(settings_, font);
    ApplyFont(font);
}

void MainWindow::SetShowScrollbar(bool show)
{
    showScrollbarAction_->setChecked(show);
    bodyEdit_->setVerticalScrollBarPolicy(show ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void MainWindow::ShowCalendarDay(bool storeFirst)
{
    const Date date = calendar_->CalendarDate();
    dateLabel_->SetCaption(DateCaption(date, false));
    smallDateLabel_->setText(DateCaption(date, true));

    if (storeFirst)
        StoreShownDay();

    const ShownEntry entry = flow_.Load(date);
    if (entry.Load == DayLoad::None) {
        titleEdit_->clear();
        bodyEdit_->clear();
    } else {
        titleEdit_->setText(FromDiaryText(entry.Title));
        StringToRichText(entry.Body, *bodyEdit_);
    }
    ShowMood(flow_.CurrentMood);
    calendar_->SetActiveDays(flow_.ActiveDays(date.Year, date.Month));
    onThisDayPanel_->ShowEntries(FindEarlierEntries(session_.Text(), date));
    calendar_->update();

    titleEdit_->setReadOnly(true);
    bodyEdit_->setReadOnly(true);
    titleEdit_->setModified(false);
    bodyEdit_->document()->setModified(false);
    if (entry.Load == DayLoad::Welcome) // the welcome entry is a record only once edited
        titleEdit_->setCursorPosition(0);
    calendar_->setFocus();
}

void MainWindow::StoreShownDay()
{
    const std::string title = DiaryBytes(titleEdit_->text());
    const std::string plain = bodyEdit_->toPlainText().toStdString();
    const EditorContent content{titleEdit_->isModified() || bodyEdit_->document()->isModified(), plain, title};
    if (DayFlow::ShouldStore(true, content))
        flow_.Store(RichTextToString(*bodyEdit_), title);
    titleEdit_->setModified(false);
    bodyEdit_->document()->setModified(false);
}

void MainWindow::ShowMergedDays()
{
    const Date date = calendar_->CalendarDate();
    const auto& changed = session_.LastMerge().CameIn;
    if (std::find(changed.begin(), changed.end(), DayDate{date.Year, date.Month, date.Day}) != changed.end()) {
        ShowCalendarDay(false);
        return;
    }
    calendar_->SetActiveDays(flow_.ActiveDays(date.Year, date.Month));
    calendar_->update();
}

void MainWindow::ShowMood(int mood)
{
    moodImage_->setPixmap(moodPictures_.value(mood));
    moodImage_->setAccessibleName(QStringLiteral("Mood: %1").arg(MoodName(mood)));
    flow_.CurrentMood = mood;
    if (!bodyEdit_->document()->isEmpty())
        bodyEdit_->document()->setModified(true);
}

void MainWindow::NextMood()
{
    ShowMood(DayFlow::NextMood(flow_.CurrentMood));
}

void MainWindow::PreviousMood()
{
    ShowMood(DayFlow::PreviousMood(flow_.CurrentMood));
}

void MainWindow::OnMoodImageClicked()
{
    const QPoint anchor = moodImage_->mapToGlobal(moodImage_->pos());
    ShowMood(MoodPickerDialog::Choose(this, anchor, flow_.CurrentMood, moodPictures_));
}

void MainWindow::EnterEditors(bool focusTitle)
{
    ResetTypingAttributes(*bodyEdit_);
    titleEdit_->setReadOnly(session_.ReadOnly());
    bodyEdit_->setReadOnly(session_.ReadOnly());
    if (focusTitle) {
        titleEdit_->setFocus();
        titleEdit_->setCursorPosition(0);
        titleEdit_->deselect();
    }
}

void MainWindow::OnInsertPictureClicked()
{
    const auto file = services_.Dialogs().OpenFileName(this, tr("Insert picture"), QString(), PictureFileFilter());
    if (!file)
        return;
    EnterEditors(false);
    bodyEdit_->setFocus();
    if (const Status added = bodyEdit_->InsertPictureFile(*file); !added)
        services_.Dialogs().ShowWarning(this, QString::fromStdString(added.Message()), QStringLiteral(" Warning"));
}

void MainWindow::OnEditClicked()
{
    if (titleEdit_->hasFocus() || bodyEdit_->hasFocus())
        return;
    EnterEditors(true);
}

void MainWindow::OnDeleteClicked()
{
    if (session_.ReadOnly())
        return;
    const QString question = tr("Delete day \"%1\" ?").arg(dateLabel_->Caption());
    if (services_.Dialogs().MessageBox(this, question, QStringLiteral(" Warning"), MsgIcon::Warning,
                                       MsgButtons::YesNo, MsgAnswer::Yes) != MsgAnswer::Yes)
        return;
    ShowCalendarDay(true);
    flow_.Delete(calendar_->CalendarDate());
    ShowCalendarDay(true);
    ResetTypingAttributes(*bodyEdit_);
    titleEdit_->setModified(false);
    bodyEdit_->document()->setModified(false);
}

void MainWindow::GoToday()
{
    calendar_->SetUseCurrentDate(false);
    calendar_->SetUseCurrentDate(true);
    ShowCalendarDay(true);
}

void MainWindow::GoEntry(bool forward)
{
    calendar_->SetCalendarDate(flow_.EntryDate(calendar_->CalendarDate(), forward));
}

void MainWindow::GoMonth(bool forward)
{
    forward ? calendar_->NextMonth() : calendar_->PrevMonth();
}

void MainWindow::GoYear(bool forward)
{
    forward ? calendar_->NextYear() : calendar_->PrevYear();
}

namespace {

// Centres a window over its owner, the halving truncated toward zero.
void CentreOver(QWidget& window, const QWidget& owner)
{
    window.move(owner.x() + (owner.width() - window.width()) / 2, owner.y() + (owner.height() - window.height()) / 2);
}

} // namespace

void MainWindow::OnBrowseClicked()
{
    ShowCalendarDay(true);
    if (browseWindow_ == nullptr)
        browseWindow_ = new BrowseWindow(this, services_, session_, resources_);
    CentreOver(*browseWindow_, *this);
    flow_.BrowseSelection = browseWindow_->Execute(currentSkin_);
    setFocus();
    if (const auto date = flow_.BrowsedDate()) {
        calendar_->SetCalendarDate(*date);
        calendar_->UpdateCalendar();
    }
}

void MainWindow::OnToolsClicked()
{
    ShowCalendarDay(true);
    if (toolsWindow_ == nullptr) {
        toolsWindow_ = new ToolsWindow(this, services_, session_, settings_, resources_);
        connect(toolsWindow_, &ToolsWindow::BodyFontChosen, this, &MainWindow::ApplyFont);
    }
    CentreOver(*toolsWindow_, *this);
    toolsWindow_->Execute(currentSkin_, BodyFont());
    setFocus();
}

void MainWindow::OnAboutClicked()
{
    if (aboutWindow_ == nullptr)
        aboutWindow_ = new AboutWindow(this, services_, resources_);
    CentreOver(*aboutWindow_, *this);
    aboutWindow_->Execute(currentSkin_);
    setFocus();
}

void MainWindow::OpenBirthdayKeeper()
{
    const RgbColor average = AverageColour(backPicture_, 40, 40, 60, 60);
    const QColor colour = ToQColor(LightenIfDark(average, 0.12, 95));
    KeeperWindow::Execute(this, tr("The Daybrook : Birthday and anniversary keeper"), colour, services_);
}

void MainWindow::OnPrintClicked()
{
    if (bodyEdit_->document()->isEmpty())
        return;
    if (services_.Dialogs().MessageBox(this, tr("Print current page?"), tr("Confirm"), MsgIcon::Question,
                                       MsgButtons::YesNo, MsgAnswer::Yes) == MsgAnswer::Yes)
        PrintBody();
}

void MainWindow::PrintBody()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(titleEdit_->text());
    if (!services_.Dialogs().SetUpPrinter(this, printer))
        return;
    if (!PrintDocument(*bodyEdit_->document(), printer))
        services_.Dialogs().ShowError(this, tr("The entry could not be printed."), services_.Title());
}

bool MainWindow::BodyKey(QKeyEvent& key)
{
    if (key.key() == Qt::Key_Escape && key.modifiers() == Qt::NoModifier) {
        if (flow_.EscapeReloads())
            ShowCalendarDay(false);
        return true;
    }
    if ((key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) && (key.modifiers() & Qt::ControlModifier)) {
        // Tab types a tab in the body; Ctrl+Tab leaves it as Tab leaves other controls.
        key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier) ? focusNextChild() : focusPreviousChild();
        return true;
    }
    if (!(key.modifiers() & Qt::ControlModifier) || bodyEdit_->isReadOnly())
        return false;
    switch (key.key()) {
    case Qt::Key_B:
        ToggleStyle(*bodyEdit_, StyleToggle::Bold);
        break;
    case Qt::Key_H:
        ToggleStyle(*bodyEdit_, StyleToggle::Italic);
        break;
    case Qt::Key_U:
        ToggleStyle(*bodyEdit_, StyleToggle::Underline);
        break;
    case Qt::Key_L:
        SetAlignment(*bodyEdit_, Qt::AlignLeft | Qt::AlignAbsolute);
        break;
    case Qt::Key_R:
        SetAlignment(*bodyEdit_, Qt::AlignRight | Qt::AlignAbsolute);
        break;
    case Qt::Key_E:
        SetAlignment(*bodyEdit_, Qt::AlignHCenter);
        break;
    case Qt::Key_N:
        ShrinkFont(*bodyEdit_);
        break;
    case Qt::Key_M:
        GrowFont(*bodyEdit_);
        break;
    default:
        break;
    }
    return false; // the editor's own handling of the key follows
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == titleEdit_) {
        if (event->type() == QEvent::FocusIn) {
            titleEdit_->setReadOnly(session_.ReadOnly());
            SetFontColor(*titleEdit_, TitleFocusColour);
            QPalette colours = titleEdit_->palette();
            colours.setColor(QPalette::Text, TitleFocusColour);
            titleEdit_->setPalette(colours);
        } else if (event->type() == QEvent::FocusOut) {
            QPalette colours = titleEdit_->palette();
            colours.setColor(QPalette::Text, BodyFont().Color);
            titleEdit_->setPalette(colours);
        }
    } else if (watched == bodyEdit_) {
        if (event->type() == QEvent::FocusIn) {
            ResetTypingAttributes(*bodyEdit_);
            bodyEdit_->setReadOnly(session_.ReadOnly());
        } else if (event->type() == QEvent::KeyPress) {
            return BodyKey(static_cast<QKeyEvent&>(*event));
        }
    } else if (watched == moodImage_) {
        return MoodImageEvent(*event);
    }
    return QMainWindow::eventFilter(watched, event);
}

// A click, or Space or Enter while it has the focus, opens the picker; a frame shows the focus.
bool MainWindow::MoodImageEvent(QEvent& event)
{
    const bool pressed =
        (event.type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent&>(event).button() == Qt::LeftButton) ||
        (event.type() == QEvent::KeyPress && PressesButton(static_cast<QKeyEvent&>(event)));
    if (pressed) {
        OnMoodImageClicked();
        return true;
    }
    if (event.type() == QEvent::FocusIn || event.type() == QEvent::FocusOut)
        moodImage_->setFrameStyle(event.type() == QEvent::FocusIn ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    return false;
}

void MainWindow::OnExitClicked()
{
    exitRequested_ = true;
    ShowCalendarDay(true);
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!exitSave_.Finished()) {
        ExitDialogs questions(this, services_);
        if (!exitRequested_) {
            ShowCalendarDay(true);
            if (!exitSave_.MayClose(questions)) {
                event->ignore();
                return;
            }
        }
        ShowCalendarDay(true);
        StoreBounds();
        exitSave_.Finish(questions);
    }
    event->accept();
}

void MainWindow::SessionEnding()
{
    if (!exitSave_.SavesAtSessionEnd(ShowsDiary()))
        return;
    ShowCalendarDay(true);
    exitSave_.SaveAtSessionEnd();
}

void MainWindow::OfferRecovery()
{
    if (session_.ReadOnly())
        return; // the writer's run owns the recovery file
    RecoverySchedule& recovery = recovery_.Schedule();
    auto found = recovery.Find();
    if (!found) {
        services_.Dialogs().ShowWarning(nullptr,
                                        tr("The recovery file %1 was not used: %2.")
                                            .arg(QFile::decodeName(session_.RecoveryFile().c_str()),
                                                 QString::fromStdString(found.Message())),
                                        services_.Title());
        return;
    }
    if (!*found)
        return;
    const auto answer = services_.Dialogs().MessageBox(
        nullptr, QStringLiteral("This diary was not closed properly. Recover the entries written then?"),
        services_.Title(), MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes);
    if (answer == MsgAnswer::Yes) {
        recovery.Accept(std::move(**found));
        return;
    }
    const std::string stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    if (const Status aside = recovery.SetAside(stamp); !aside)
        services_.Dialogs().ShowError(nullptr, QString::fromLocal8Bit(aside.Message().c_str()), services_.Title());
}

} // namespace windows::main
