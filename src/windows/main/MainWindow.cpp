#include "windows/main/MainWindow.h"

#include "model/settings/MainSettings.h"
#include "windows/keeper/KeeperWindow.h"
#include "windows/browse/BrowseWindow.h"
#include "widgets/calendar/MainCalendar.h"
#include "widgets/editor/BodyPrint.h"
#include "widgets/editor/Formatting.h"
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

#include <filesystem>

namespace {

using widgets::ArialPixels;
using widgets::SpeedButton;

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
        Paint(LinkColour, false);
    }

protected:
    void enterEvent(QEnterEvent*) override { Paint(LinkHotColour, true); }
    void leaveEvent(QEvent*) override { Paint(LinkColour, false); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            QDesktopServices::openUrl(QUrl(address_));
    }

private:
    void Paint(const QColor& colour, bool underline)
    {
        widgets::SetFontColor(*this, colour);
        QFont shown = font();
        shown.setUnderline(underline);
        setFont(shown);
    }

    QString address_;
};

QImage Glyph(const char* name)
{
    return widgets::ResourceBitmap(QString::fromLatin1(name));
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

QString DateCaption(const calendar::Date& date, bool shortMonth)
{
    const QString month = shortMonth ? platform::ShortMonthName(date.Month) : platform::LongMonthName(date.Month);
    return QStringLiteral("%1 %2, %3").arg(month).arg(date.Day).arg(date.Year);
}

std::string DiaryBytes(const QString& text)
{
    return platform::ToDiaryText(text).value_or(std::string());
}

} // namespace

MainWindow::MainWindow(widgets::Services& services)
    : reger(services.SettingsStore()), services_(services),
      session_(services.ProgramFolder().string(), platform::CompareText), flow_(session_, rStore),
      recovery_(session_), dictionaries_(services.ProgramFolder(), platform::CollationKey)
{
    const auto showSettingsError = [this](const std::string& message) {
        services_.Dialogs().ShowError(nullptr, QString::fromStdString(message), services_.Title());
    };
    DeclareMainSettings(reger, showSettingsError);
    reger.OnDestroyError = showSettingsError;

    LoadProgramRessources(rStore);
    ilMood = picker::MoodPictures();
    SkinCount = widgets::SkinCount(rStore);
    CurrentSkin = reger.GetValue("CurrentSkin").ToInteger();
    if (CurrentSkin < 0 || CurrentSkin > SkinCount - 1)
        CurrentSkin = 0;

    setObjectName("frmMain");
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
    SetShowScrollbar(reger.GetValue("ShowScrollbars").ToInteger() == 1);
    LayoutControls();
    RestoreBounds();

    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { SessionEnding(); });
}

MainWindow::~MainWindow()
{
    recovery_.Stop();
    reger.SetValue("CurrentSkin", static_cast<int32_t>(CurrentSkin));
}

void MainWindow::CreateControls()
{
    client_ = new SkinnedClient(this, topPicture_, backPicture_);
    setCentralWidget(client_);
    CreateToolbar(client_);
    CreateNavigation(client_);
    CreateEditorArea(client_);

    lblLink = new LinkLabel(client_, WebSiteAddress);
    lblLink->setText(tr("Daybrook on the web"));
    lblLink->setToolTip(WebSiteAddress);
    lblLink->adjustSize();

    imgGrip = new QLabel(client_);
    imgGrip->resize(10, 10);
    imgGrip->setPixmap(QPixmap::fromImage(widgets::WithBottomLeftTransparent(Glyph("SIZEGRIP"))));

    // Keyboard order: title, body, calendar.
    setTabOrder(edTitle, MemoBody);
    setTabOrder(MemoBody, DCalendar);
}

void MainWindow::CreateToolbar(QWidget* client)
{
    lblDate = new widgets::ShadowLabel(client);
    lblDate->setGeometry(7, 20, 207, 25);
    lblDate->setFont(ArialPixels(16, true));
    widgets::SetFontColor(*lblDate, QColor(253, 255, 230));
    lblDate->SetShadowColor(widgets::RGBColor(64, 0, 0));

    const auto toolbar = [&](int left, int width, const QString& caption, const char* glyph, const QString& hint) {
        SpeedButton* button = MakeSpeedButton(client, QRect(left, 6, width, 46), caption, glyph, hint);
        button->SetLayout(widgets::ButtonLayout::GlyphTop);
        return button;
    };
    btnNew = toolbar(233, 54, tr("&Edit"), "TBEDIT", tr("Edit this entry"));
    btnDelete = toolbar(288, 54, tr("&Delete"), "TBDELETE", tr("Delete this entry"));
    btnPrevEntry = MakeSpeedButton(client, QRect(343, 6, 26, 22), {}, "TBPREVENTRY",
                               tr("Goto the previous entry\r\n    you have written").replace("\r\n", "\n"));
    btnNextEntry = MakeSpeedButton(client, QRect(370, 6, 26, 22), {}, "TBNEXTENTRY",
                               tr("Goto the next entry\r\n you have written").replace("\r\n", "\n"));
    btnBrowse = MakeSpeedButton(client, QRect(343, 29, 54, 23), tr("&Browse"), "", tr("List all entries"));
    btnSpell = toolbar(398, 52, tr("S&pell"), "TBSPELL", tr("Spell check the current entry"));
    btnSkin = toolbar(451, 52, tr("S&kin"), "TBSKIN", tr("Change Skin"));
    btnBirthday = toolbar(504, 66, tr("Bi&rthdays"), "TBBIRTHDAY", tr("Birthday and anniversary keeper"));
    btnOptions = toolbar(571, 52, tr("&Tools"), "TBTOOLS", tr("More Tools and Options"));
    btnAbout = toolbar(624, 52, tr("&About"), "TBABOUT", tr("About this program"));
    btnExit = toolbar(677, 52, tr("E&xit"), "TBEXIT", tr("Save and Exit"));

    connect(btnNew, &SpeedButton::OnClick, this, &MainWindow::btnNewClick);
    connect(btnDelete, &SpeedButton::OnClick, this, &MainWindow::btnDeleteClick);
    connect(btnPrevEntry, &SpeedButton::OnClick, this, [this] { GoEntry(false); });
    connect(btnNextEntry, &SpeedButton::OnClick, this, [this] { GoEntry(true); });
    connect(btnSkin, &SpeedButton::OnClick, this, &MainWindow::btnSkinClick);
    connect(btnBrowse, &SpeedButton::OnClick, this, &MainWindow::btnBrowseClick);
    connect(btnOptions, &SpeedButton::OnClick, this, &MainWindow::btnOptionsClick);
    connect(btnAbout, &SpeedButton::OnClick, this, &MainWindow::btnAboutClick);
    connect(btnBirthday, &SpeedButton::OnClick, this, &MainWindow::OpenBirthdayKeeper);
    connect(btnSpell, &SpeedButton::OnClick, this,
            [this] { RunSpellCheck(this, services_, dictionaries_, *MemoBody); });
    connect(btnExit, &SpeedButton::OnClick, this, &MainWindow::btnExitClick);
}

void MainWindow::CreateNavigation(QWidget* client)
{
    DCalendar = new calendar::MainCalendar(client);
    DCalendar->setGeometry(10, 70, 209, 139);
    DCalendar->SetClock([this] { return services_.Today(); });
    DCalendar->SetColor(widgets::FromQColor(EditorBack));
    DCalendar->SetBorder(widgets::GridBorder::None);
    DCalendar->setFont(ArialPixels(11));
    DCalendar->SetFontColor(widgets::clBlack);
    DCalendar->SetStartOfWeek(0);
    DCalendar->SetActiveColor(widgets::clRed);
    DCalendar->SetActiveBGColor(widgets::RGBColor(0xDF, 0xDF, 0xFF));
    DCalendar->SetSpecialColor(widgets::clRed);
    DCalendar->SetSpecialBGColor(widgets::clYellow);
    DCalendar->setToolTip(tr("A calendar where you can select days\r\nto edit. Blue cells contain written entries.\r\n"
                             " You can right click for more options.")
                              .replace("\r\n", "\n"));
    DCalendar->SetUltraShort(false);
    DCalendar->OnChange = [this](QObject* sender) { DayChange(sender); };

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
    btnPrevYear = small(2, 11, "NAVPREV", tr("Previous year"));
    label(13, 24, tr("Year"));
    btnNextYear = small(37, 11, "NAVNEXT", tr("Next year"));
    btnPrevMonth = small(56, 11, "NAVPREV", tr("Previous month"));
    label(67, 30, tr("Month"));
    btnNextMonth = small(97, 11, "NAVNEXT", tr("Next month"));
    btnPrevEntrySmall = small(116, 11, "NAVPREV", tr("Goto the previous entry you have written"));
    label(127, 27, tr("Entry"));
    btnNextEntrySmall = small(154, 11, "NAVNEXT", tr("Goto the next entry you have written"));
    btnToday = small(173, 33, "NAVTODAY", tr("Jump to Today"));

    connect(btnPrevYear, &SpeedButton::OnClick, this, [this] { GoYear(false); });
    connect(btnNextYear, &SpeedButton::OnClick, this, [this] { GoYear(true); });
    connect(btnPrevMonth, &SpeedButton::OnClick, this, [this] { GoMonth(false); });
    connect(btnNextMonth, &SpeedButton::OnClick, this, [this] { GoMonth(true); });
    connect(btnPrevEntrySmall, &SpeedButton::OnClick, this, [this] { GoEntry(false); });
    connect(btnNextEntrySmall, &SpeedButton::OnClick, this, [this] { GoEntry(true); });
    connect(btnToday, &SpeedButton::OnClick, this, &MainWindow::GoToday);
}

void MainWindow::CreateEditorArea(QWidget* client)
{
    pnlEditor_ = new QWidget(client);
    pnlEditor_->setAutoFillBackground(true);
    QPalette white = pnlEditor_->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    white.setColor(QPalette::ButtonText, Qt::black);
    pnlEditor_->setPalette(white);

    pnlHatch = new widgets::HatchedPanel(pnlEditor_);
    pnlHatch->SetPicture(HatchTile());
    pnlHatch->SetMode(widgets::HatchMode::Tiled);

    pnlEdits_ = new QWidget(pnlEditor_);
    edTitle = new TitleEdit(pnlEdits_);
    edTitle->setObjectName("edTitle");
    edTitle->setFrame(false);
    edTitle->setFont(ArialPixels(13));
    edTitle->setToolTip(tr("Write a title for this day"));
    MemoBody = new RichTextEdit(pnlEdits_);
    MemoBody->setObjectName("MemoBody");
    MemoBody->setFrameShape(QFrame::NoFrame);
    MemoBody->setFont(ArialPixels(13));
    MemoBody->setToolTip(tr("Write your thoughts for this day"));
    MemoBody->setContextMenuPolicy(Qt::CustomContextMenu);
    for (QWidget* edit : {static_cast<QWidget*>(edTitle), static_cast<QWidget*>(MemoBody)}) {
        QPalette colours = edit->palette();
        colours.setColor(QPalette::Base, EditorBack);
        colours.setColor(QPalette::Text, Qt::black);
        edit->setPalette(colours);
        edit->installEventFilter(this);
    }
    connect(MemoBody, &RichTextEdit::OnURLClick, this,
            [](const QString& url) { QDesktopServices::openUrl(QUrl::fromUserInput(url)); });

    pnlRight_ = new QWidget(pnlEditor_);
    lblDateSmall = new QLabel(pnlRight_);
    lblDateSmall->setGeometry(0, 10, 73, 17);
    lblDateSmall->setAlignment(Qt::AlignCenter);
    lblDateSmall->setFont(ArialPixels(11));
    widgets::SetFontColor(*lblDateSmall, QColor(128, 0, 0));
    imgMood = new QLabel(pnlRight_);
    imgMood->setGeometry(4, 35, 64, 64);
    imgMood->setCursor(Qt::PointingHandCursor);
    imgMood->setToolTip(tr(" Select a picture that describes your \r\nmood for today. Use the buttons below\r\n"
                           "or click directly on this image to select.")
                            .replace("\r\n", "\n"));
    imgMood->setContextMenuPolicy(Qt::CustomContextMenu);
    imgMood->installEventFilter(this);

    const auto small = [&](int left, int top, const char* glyph, const QString& hint) {
        return MakeSpeedButton(pnlRight_, QRect(left, top, 13, 14), {}, glyph, hint);
    };
    btnPrevMood = small(32, 100, "MOODPREV", tr("Previous image"));
    btnNextMood = small(47, 100, "MOODNEXT", tr("Next image"));
    btnDownFont = small(3, 133, "FMTSMALLER", tr("Smaller (Ctrl+M)"));
    btnUpFont = small(17, 133, "FMTLARGER", tr("Larger (Ctrl+N)"));
    btnBold = small(31, 133, "FMTBOLD", tr("Bold (Ctrl+B)"));
    btnItalic = small(44, 133, "FMTITALIC", tr("Italics (Ctrl+H)"));
    btnUnderline = small(58, 133, "FMTUNDERLINE", tr("Underlined (Ctrl+U)"));
    btnLeft = small(3, 149, "FMTLEFT", tr("Align Left (Ctrl+L)"));
    btnCenter = small(17, 149, "FMTCENTER", tr("Align Center (Ctrl+E)"));
    btnRight = small(30, 149, "FMTRIGHT", tr("Align Right (Ctrl+R)"));
    btnColor = small(43, 149, "FMTCOLOR", tr("Change typing color"));
    btnPrint = small(58, 149, "FMTPRINT", tr("Print Current Page"));

    Clock = new widgets::ClockWidget(pnlRight_);
    Clock->SetShowMode(widgets::ClockShowMode::Analog);
    Clock->SetShowSeconds(true);
    Clock->setContextMenuPolicy(Qt::CustomContextMenu);

    const auto onBody = [this](auto command) {
        return [this, command] {
            command(*MemoBody);
            MemoBody->setFocus();
        };
    };
    connect(btnPrevMood, &SpeedButton::OnClick, this, &MainWindow::PrevMood);
    connect(btnNextMood, &SpeedButton::OnClick, this, &MainWindow::NextMood);
    connect(btnDownFont, &SpeedButton::OnClick, this, onBody(editor::ShrinkFont));
    connect(btnUpFont, &SpeedButton::OnClick, this, onBody(editor::GrowFont));
    connect(btnBold, &SpeedButton::OnClick, this,
            onBody([](QTextEdit& edit) { editor::ToggleStyle(edit, editor::StyleToggle::Bold); }));
    connect(btnItalic, &SpeedButton::OnClick, this,
            onBody([](QTextEdit& edit) { editor::ToggleStyle(edit, editor::StyleToggle::Italic); }));
    connect(btnUnderline, &SpeedButton::OnClick, this,
            onBody([](QTextEdit& edit) { editor::ToggleStyle(edit, editor::StyleToggle::Underline); }));
    connect(btnLeft, &SpeedButton::OnClick, this,
            onBody([](QTextEdit& edit) { editor::SetAlignment(edit, Qt::AlignLeft | Qt::AlignAbsolute); }));
    connect(btnCenter, &SpeedButton::OnClick, this,
            onBody([](QTextEdit& edit) { editor::SetAlignment(edit, Qt::AlignHCenter); }));
    connect(btnRight, &SpeedButton::OnClick, this,
            onBody([](QTextEdit& edit) { editor::SetAlignment(edit, Qt::AlignRight | Qt::AlignAbsolute); }));
    connect(btnPrint, &SpeedButton::OnClick, this, &MainWindow::btnPrintClick);
}

void MainWindow::CreateMenus()
{
    pmCalendar = new QMenu(this);
    QAction* today = pmCalendar->addAction(tr("ToDay"), this, &MainWindow::GoToday);
    today->setToolTip(tr("Jump to Today"));
    pmCalendar->setDefaultAction(today);
    pmCalendar->addAction(tr("Next Month"), this, [this] { GoMonth(true); });
    pmCalendar->addAction(tr("Previous Month"), this, [this] { GoMonth(false); });
    pmCalendar->addAction(tr("Next Year"), this, [this] { GoYear(true); })->setVisible(false);
    pmCalendar->addAction(tr("Previous Year"), this, [this] { GoYear(false); })->setVisible(false);
    pmCalendar->addSeparator();
    pmCalendar->addAction(tr("Next Entry"), this, [this] { GoEntry(true); });
    pmCalendar->addAction(tr("Previous Entry"), this, [this] { GoEntry(false); });
    pmCalendar->addSeparator();
    pmCalendar->addAction(tr("Birthday Keeper"), this, &MainWindow::OpenBirthdayKeeper);
    DCalendar->SetPopupMenu(pmCalendar);

    pmEntry = new QMenu(this);
    pmoPaste = pmEntry->addAction(tr("Paste from clipboard"), MemoBody, &QTextEdit::paste);
    pmoShowScrollbar = pmEntry->addAction(tr("Show scrollbar "));
    pmoShowScrollbar->setCheckable(true);
    connect(pmoShowScrollbar, &QAction::triggered, this, [this](bool checked) {
        SetShowScrollbar(checked);
        reger.SetValue("ShowScrollbars", static_cast<int32_t>(checked ? 1 : 0));
    });
    connect(MemoBody, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        pmoPaste->setEnabled(data != nullptr && data->hasText());
        pmEntry->popup(MemoBody->viewport()->mapToGlobal(at));
    });

    pmColors = new QMenu(this);
    for (const editor::MenuColour& colour : editor::MenuColours) {
        QPixmap swatch(8, 8);
        swatch.fill(colour.Colour);
        pmColors->addAction(QIcon(swatch), tr(colour.Caption), this, [this, value = colour.Colour] {
            editor::SetTextColour(*MemoBody, value);
            MemoBody->setFocus();
        });
    }
    btnColor->SetPopupMenu(pmColors);

    pmMood = new QMenu(this);
    pmMood->addAction(tr("Next image"), this, &MainWindow::NextMood);
    pmMood->addAction(tr("Previous image"), this, &MainWindow::PrevMood);
    connect(imgMood, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { pmMood->popup(imgMood->mapToGlobal(at)); });

    pmClock = new QMenu(this);
    pmiDisplaySeconds = pmClock->addAction(tr(" Display Seconds"));
    pmiDisplaySeconds->setCheckable(true);
    pmiDisplaySeconds->setChecked(true);
    connect(pmiDisplaySeconds, &QAction::toggled, Clock, &widgets::ClockWidget::SetShowSeconds);
    connect(Clock, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { pmClock->popup(Clock->mapToGlobal(at)); });
}

void MainWindow::LayoutControls()
{
    const int width = client_->width();
    const int height = client_->height();
    // The editor area follows all four edges; the right column and the clock follow theirs.
    const QRect editor(EditorArea.left(), EditorArea.top(), EditorArea.width() + width - DesignWidth,
                       EditorArea.height() + height - DesignHeight);
    pnlEditor_->setGeometry(editor);
    pnlHatch->setGeometry(0, 0, HatchWidth, editor.height());
    const int editsWidth = editor.width() - HatchWidth - RightColumnWidth;
    pnlEdits_->setGeometry(HatchWidth, 0, editsWidth, editor.height());
    edTitle->setGeometry(6, 11, editsWidth - 6, 22);
    MemoBody->setGeometry(6, 38, editsWidth - 6, editor.height() - 44);
    pnlRight_->setGeometry(editor.width() - RightColumnWidth, 0, RightColumnWidth, editor.height());
    Clock->setGeometry(4, editor.height() - 80, 63, 70);

    btnExit->move(677 + width - DesignWidth, btnExit->y());
    lblLink->move(99, 411 + height - DesignHeight);
    imgGrip->move(729 + width - DesignWidth, 440 + height - DesignHeight);
    imgGrip->setVisible(!isMaximized());
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    LayoutControls();
}

void MainWindow::RestoreBounds()
{
    const int top = reger.GetValue("LastTop").ToInteger();
    const int left = reger.GetValue("LastLeft").ToInteger();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
    if (top >= 0 && left >= 0 && top < area.height() && left < area.width()) {
        move(left, top);
        resize(reger.GetValue("LastWidth").ToInteger(), reger.GetValue("LastHeight").ToInteger());
        return;
    }
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void MainWindow::StoreBounds()
{
    reger.SetValue("LastTop", static_cast<int32_t>(y()));
    reger.SetValue("LastLeft", static_cast<int32_t>(x()));
    reger.SetValue("LastWidth", static_cast<int32_t>(width()));
    reger.SetValue("LastHeight", static_cast<int32_t>(height()));
}

bool MainWindow::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate && FirstActivation)
        FormActivate();
    return handled;
}

void MainWindow::FormActivate()
{
    FirstActivation = false;
    setFocus();
    flow_.ForgetShownDay();
    ApplySkin();
    ApplyFontSettings();
    if (!recovered_)
        session_.Diary.Dirty = false;
    session_.Text().SetSorted(true);
    const std::string fileName = std::filesystem::path(session_.DiaryFile).filename().string();
    reger.SetValue("LastDiaryName", platform::ToDiaryText(QFile::decodeName(fileName.c_str())).value_or(fileName));
    DayChange(this);
}

void MainWindow::ApplySkin()
{
    backPicture_ = widgets::SkinPicture(rStore, CurrentSkin, widgets::SkinPart::Background);
    topPicture_ = widgets::SkinPicture(rStore, CurrentSkin, widgets::SkinPart::Top);
    if (!backPicture_.isNull())
        backPicture_ = backPicture_.scaled(client_->width(), client_->height() - TopHeight, Qt::IgnoreAspectRatio,
                                           Qt::SmoothTransformation);
    client_->update();
}

void MainWindow::btnSkinClick()
{
    CurrentSkin = CurrentSkin + 1 >= SkinCount ? 0 : CurrentSkin + 1;
    ApplySkin();
}

editor::StoredFont MainWindow::BodyFont() const
{
    editor::StoredFont font;
    font.Font = MemoBody->document()->defaultFont();
    font.Color = MemoBody->palette().color(QPalette::Text);
    font.Charset = reger.GetValue("FontCharset").ToInteger();
    return font;
}

void MainWindow::ApplyFont(const editor::StoredFont& font)
{
    for (QWidget* edit : {static_cast<QWidget*>(edTitle), static_cast<QWidget*>(MemoBody)}) {
        edit->setFont(font.Font);
        QPalette colours = edit->palette();
        colours.setColor(QPalette::Text, font.Color);
        edit->setPalette(colours);
    }
    MemoBody->document()->setDefaultFont(font.Font);
}

void MainWindow::ApplyFontSettings()
{
    editor::StoredFont font;
    font.Font = edTitle->font();
    editor::LoadFontSettings(reger, font);
    ApplyFont(font);
}

void MainWindow::SetShowScrollbar(bool show)
{
    pmoShowScrollbar->setChecked(show);
    MemoBody->setVerticalScrollBarPolicy(show ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void MainWindow::DayChange(QObject* Sender)
{
    const calendar::Date date = DCalendar->CalendarDate();
    lblDate->SetCaption(DateCaption(date, false));
    lblDateSmall->setText(DateCaption(date, true));

    if (Sender != nullptr) {
        const std::string title = DiaryBytes(edTitle->text());
        const std::string plain = MemoBody->toPlainText().toStdString();
        const EditorContent content{edTitle->isModified() || MemoBody->document()->isModified(), plain, title};
        if (DayFlow::ShouldStore(true, content))
            flow_.Store(RichTextToString(*MemoBody), title);
    }

    const ShownEntry entry = flow_.Load(date);
    if (entry.Load == DayLoad::dlNone) {
        edTitle->clear();
        MemoBody->clear();
    } else {
        edTitle->setText(platform::FromDiaryText(entry.Title));
        StringToRichText(entry.Body, *MemoBody);
    }
    ShowMood(flow_.CurrentMood);
    DCalendar->SetActiveDays(flow_.ActiveDays(date.Year, date.Month));
    DCalendar->update();

    edTitle->setReadOnly(true);
    MemoBody->setReadOnly(true);
    edTitle->setModified(false);
    MemoBody->document()->setModified(false);
    if (entry.Load == DayLoad::dlWelcome) // the welcome entry is a record only once edited
        edTitle->setCursorPosition(0);
    DCalendar->setFocus();
    DiaryChanged();
}

void MainWindow::DiaryChanged()
{
    if (session_.Dirty())
        recovery_.Changed();
}

void MainWindow::ShowMood(int N)
{
    imgMood->setPixmap(ilMood.value(N));
    flow_.CurrentMood = N;
    if (!MemoBody->document()->isEmpty())
        MemoBody->document()->setModified(true);
}

void MainWindow::NextMood()
{
    ShowMood(DayFlow::NextMood(flow_.CurrentMood));
}

void MainWindow::PrevMood()
{
    ShowMood(DayFlow::PreviousMood(flow_.CurrentMood));
}

void MainWindow::imgMoodClick()
{
    const QPoint anchor = imgMood->mapToGlobal(imgMood->pos());
    ShowMood(MoodPickerDialog::Choose(this, anchor, flow_.CurrentMood, ilMood));
}

void MainWindow::EnterEditors(bool focusTitle)
{
    editor::ResetTypingAttributes(*MemoBody);
    edTitle->setReadOnly(false);
    MemoBody->setReadOnly(false);
    if (focusTitle) {
        edTitle->setFocus();
        edTitle->setCursorPosition(0);
        edTitle->deselect();
    }
}

void MainWindow::btnNewClick()
{
    if (edTitle->hasFocus() || MemoBody->hasFocus())
        return;
    EnterEditors(true);
}

void MainWindow::btnDeleteClick()
{
    const QString question = tr("Delete day \"%1\" ?").arg(lblDate->Caption());
    if (services_.Dialogs().MessageBox(this, question, QStringLiteral(" Warning"), widgets::MsgIcon::Warning,
                                       widgets::MsgButtons::YesNo, widgets::MsgAnswer::Yes) != widgets::MsgAnswer::Yes)
        return;
    DayChange(btnDelete);
    flow_.Delete(DCalendar->CalendarDate());
    DayChange(btnDelete);
    editor::ResetTypingAttributes(*MemoBody);
    edTitle->setModified(false);
    MemoBody->document()->setModified(false);
}

void MainWindow::GoToday()
{
    DCalendar->SetUseCurrentDate(false);
    DCalendar->SetUseCurrentDate(true);
    DayChange(btnToday);
}

void MainWindow::GoEntry(bool forward)
{
    DCalendar->SetCalendarDate(flow_.EntryDate(DCalendar->CalendarDate(), forward));
}

void MainWindow::GoMonth(bool forward)
{
    forward ? DCalendar->NextMonth() : DCalendar->PrevMonth();
}

void MainWindow::GoYear(bool forward)
{
    forward ? DCalendar->NextYear() : DCalendar->PrevYear();
}

namespace {

// Centres a window over its owner, the halving truncated toward zero.
void CentreOver(QWidget& window, const QWidget& owner)
{
    window.move(owner.x() + (owner.width() - window.width()) / 2, owner.y() + (owner.height() - window.height()) / 2);
}

} // namespace

void MainWindow::btnBrowseClick()
{
    DayChange(btnBrowse);
    if (frmBrowse_ == nullptr)
        frmBrowse_ = new BrowseWindow(this, services_, session_, rStore);
    CentreOver(*frmBrowse_, *this);
    flow_.BrowseSelection = frmBrowse_->Execute(CurrentSkin);
    setFocus();
    if (const auto date = flow_.BrowsedDate()) {
        DCalendar->SetCalendarDate(*date);
        DCalendar->UpdateCalendar();
    }
}

void MainWindow::btnOptionsClick()
{
    DayChange(btnOptions);
    if (frmOptions_ == nullptr) {
        ToolsWindowHost host;
        host.ReloadShownDay = [this] { DayChange(nullptr); };
        host.UpdateActiveDays = [this] {
            const calendar::Date date = DCalendar->CalendarDate();
            DCalendar->SetActiveDays(flow_.ActiveDays(date.Year, date.Month));
            DCalendar->update();
            DiaryChanged();
        };
        host.BodyFont = [this] { return BodyFont(); };
        host.ApplyFont = [this](const editor::StoredFont& font) { ApplyFont(font); };
        frmOptions_ = new ToolsWindow(this, services_, session_, reger, rStore, std::move(host));
    }
    CentreOver(*frmOptions_, *this);
    frmOptions_->Execute(CurrentSkin);
    setFocus();
}

void MainWindow::btnAboutClick()
{
    if (frmAbout_ == nullptr)
        frmAbout_ = new AboutWindow(this, services_, rStore);
    CentreOver(*frmAbout_, *this);
    frmAbout_->Execute(CurrentSkin);
    setFocus();
}

void MainWindow::OpenBirthdayKeeper()
{
    const widgets::RgbColor average = widgets::AverageColour(backPicture_, 40, 40, 60, 60);
    const QColor colour = widgets::ToQColor(widgets::LightenIfDark(average, 0.12, 95));
    birthdays::KeeperWindow::Execute(this, tr("The Daybrook : Birthday and anniversary keeper"), colour, services_);
}

void MainWindow::btnPrintClick()
{
    if (MemoBody->document()->isEmpty())
        return;
    if (services_.Dialogs().MessageBox(this, tr("Print current page?"), tr("Confirm"), widgets::MsgIcon::Question,
                                       widgets::MsgButtons::YesNo, widgets::MsgAnswer::Yes) == widgets::MsgAnswer::Yes)
        PrintBody();
}

void MainWindow::PrintBody()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(edTitle->text());
    if (!services_.Dialogs().SetUpPrinter(this, printer))
        return;
    if (!editor::PrintDocument(*MemoBody->document(), printer))
        services_.Dialogs().ShowError(this, tr("The entry could not be printed."), services_.Title());
}

bool MainWindow::BodyKey(QKeyEvent& key)
{
    if (key.key() == Qt::Key_Escape && key.modifiers() == Qt::NoModifier) {
        if (flow_.EscapeReloads())
            DayChange(nullptr);
        return true;
    }
    if ((key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) && (key.modifiers() & Qt::ControlModifier)) {
        // Tab types a tab in the body; Ctrl+Tab leaves it as Tab leaves other controls.
        key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier) ? focusNextChild() : focusPreviousChild();
        return true;
    }
    if (!(key.modifiers() & Qt::ControlModifier) || MemoBody->isReadOnly())
        return false;
    switch (key.key()) {
    case Qt::Key_B:
        editor::ToggleStyle(*MemoBody, editor::StyleToggle::Bold);
        break;
    case Qt::Key_H:
        editor::ToggleStyle(*MemoBody, editor::StyleToggle::Italic);
        break;
    case Qt::Key_U:
        editor::ToggleStyle(*MemoBody, editor::StyleToggle::Underline);
        break;
    case Qt::Key_L:
        editor::SetAlignment(*MemoBody, Qt::AlignLeft | Qt::AlignAbsolute);
        break;
    case Qt::Key_R:
        editor::SetAlignment(*MemoBody, Qt::AlignRight | Qt::AlignAbsolute);
        break;
    case Qt::Key_E:
        editor::SetAlignment(*MemoBody, Qt::AlignHCenter);
        break;
    case Qt::Key_N:
        editor::ShrinkFont(*MemoBody);
        break;
    case Qt::Key_M:
        editor::GrowFont(*MemoBody);
        break;
    default:
        break;
    }
    return false; // the editor's own handling of the key follows
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edTitle) {
        if (event->type() == QEvent::FocusIn) {
            edTitle->setReadOnly(false);
            widgets::SetFontColor(*edTitle, TitleFocusColour);
            QPalette colours = edTitle->palette();
            colours.setColor(QPalette::Text, TitleFocusColour);
            edTitle->setPalette(colours);
        } else if (event->type() == QEvent::FocusOut) {
            QPalette colours = edTitle->palette();
            colours.setColor(QPalette::Text, BodyFont().Color);
            edTitle->setPalette(colours);
        }
    } else if (watched == MemoBody) {
        if (event->type() == QEvent::FocusIn) {
            editor::ResetTypingAttributes(*MemoBody);
            MemoBody->setReadOnly(false);
        } else if (event->type() == QEvent::KeyPress) {
            return BodyKey(static_cast<QKeyEvent&>(*event));
        }
    } else if (watched == imgMood && event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        imgMoodClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::btnExitClick()
{
    exitRequested_ = true;
    DayChange(btnExit);
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!closeDecided_) {
        if (!exitRequested_) {
            DayChange(this);
            if (flow_.CloseNeedsQuestion()) {
                const auto answer = services_.Dialogs().MessageBox(
                    this, QStringLiteral("If you exit this way, your changes\r\nwill be lost. Exit & loose changes?"),
                    QStringLiteral(" Warning"), widgets::MsgIcon::Warning, widgets::MsgButtons::OkCancel,
                    widgets::MsgAnswer::Cancel);
                if (answer != widgets::MsgAnswer::Ok) {
                    event->ignore();
                    return;
                }
                flow_.DropChanges();
                DiscardRecovery();
            }
        }
        DayChange(this);
        StoreBounds();
        recovery_.Stop();
        if (SaveDiaryAtExit())
            DiscardRecovery();
        closeDecided_ = true;
    }
    event->accept();
}

bool MainWindow::SaveDiaryAtExit()
{
    while (session_.Dirty()) {
        const SessionResult saved = session_.SaveAtExit();
        if (saved.Ok())
            return true;
        const int choice = services_.Dialogs().Choose(
            this,
            tr("The diary could not be saved:\r\n%1\r\n\r\nNothing of this run's writing is lost yet. Try again "
               "(for example after freeing disk space or bringing the folder back), or save the diary to "
               "another file.")
                .arg(QString::fromLocal8Bit(saved.Reason.c_str())),
            QStringLiteral(" Error"), widgets::MsgIcon::Error,
            {tr("&Try again"), tr("&Save elsewhere..."), tr("Exit without saving")}, 0);
        if (choice == 1) {
            const auto file = services_.Dialogs().SaveFileName(this, tr("Save the diary elsewhere"),
                                                              QFile::decodeName(session_.DiaryFile.c_str()),
                                                              tr("Diary (*.dry);;Diary Backup (*.bkd)"));
            if (!file)
                continue;
            const SessionResult copy = session_.SaveCopy(QFile::encodeName(*file).toStdString());
            if (copy.Ok())
                return false; // the run's writing is in the copy; the recovery file stays too
            services_.Dialogs().ShowError(this, QString::fromLocal8Bit(copy.Reason.c_str()), QStringLiteral(" Error"));
        } else if (choice == 2) {
            return false;
        }
    }
    return true;
}

void MainWindow::DiscardRecovery()
{
    recovery_.Stop();
    if (recovery_.Wrote() || recovered_)
        session_.RemoveRecovery(); // one this run did not write or take in stays untouched
}

void MainWindow::SessionEnding()
{
    if (closeDecided_ || FirstActivation)
        return;
    DayChange(btnExit);
    recovery_.Stop();
    if (session_.SaveAtExit().Ok())
        DiscardRecovery();
    else
        WriteDiaryCopy(session_.RecoveryFile(), session_.Text().Lines(), session_.Lock());
}

void MainWindow::OfferRecovery()
{
    std::string problem;
    const auto lines = session_.ReadRecovery(problem);
    if (!lines) {
        if (!problem.empty())
            services_.Dialogs().ShowWarning(
                nullptr,
                tr("The recovery file %1 was not used: %2.")
                    .arg(QFile::decodeName(session_.RecoveryFile().c_str()), QString::fromStdString(problem)),
                services_.Title());
        return;
    }
    const auto answer = services_.Dialogs().MessageBox(
        nullptr, QStringLiteral("This diary was not closed properly. Recover the entries written then?"),
        services_.Title(), widgets::MsgIcon::Question, widgets::MsgButtons::YesNo, widgets::MsgAnswer::Yes);
    if (answer == widgets::MsgAnswer::Yes) {
        session_.AcceptRecovery(*lines);
        recovered_ = true;
        return;
    }
    const std::string stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    if (const SessionResult aside = session_.SetRecoveryAside(stamp); !aside.Ok())
        services_.Dialogs().ShowError(nullptr, QString::fromLocal8Bit(aside.Reason.c_str()), services_.Title());
}
