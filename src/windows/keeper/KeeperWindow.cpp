#include "windows/keeper/KeeperWindow.h"

#include "model/birthdays/KeeperView.h"
#include "windows/keeper/StatusLineLabel.h"
#include "windows/keeper/PersonDialog.h"
#include "widgets/calendar/KeeperCalendar.h"
#include "platform/locale/QtText.h"
#include "widgets/controls/Fonts.h"
#include "widgets/controls/HatchedPanel.h"
#include "widgets/controls/ToolButton.h"
#include "widgets/controls/QtColors.h"
#include "widgets/controls/ResourceBitmaps.h"
#include "widgets/services/Services.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>

#include <optional>

using base::dates::Date;
using base::dates::EncodeDate;
using model::birthdays::BirthdayBook;
using model::birthdays::BirthdayEntry;
using model::birthdays::CalendarMenu;
using model::birthdays::ClearCaption;
using model::birthdays::DayMenu;
using model::birthdays::DayOfEntry;
using model::birthdays::KeeperStatus;
using model::birthdays::MenuSlots;
using model::birthdays::MonthStatus;
using model::calendar::DayState;
using model::look::Blue;
using model::look::White;
using platform::locale::FromDiaryText;
using widgets::calendar::DayNameFormat;
using widgets::calendar::KeeperCalendar;
using widgets::calendar::VerticalLayout;
using widgets::controls::ArialPixels;
using widgets::controls::ButtonLayout;
using widgets::controls::CellState;
using widgets::controls::CellStates;
using widgets::controls::GridCoord;
using widgets::controls::GridOption;
using widgets::controls::HatchedPanel;
using widgets::controls::PanelBorder;
using widgets::controls::SetFontColor;
using widgets::controls::SharpPicture;
using widgets::controls::ToolButton;
using widgets::dialogs::MsgAnswer;
using widgets::dialogs::MsgButtons;
using widgets::dialogs::MsgIcon;
using widgets::services::Services;

namespace windows::keeper {

namespace {

const QColor DesignedColour(0x30, 0x60, 0x8F);
const QColor CellNamesColour(0xFF, 0xFF, 0xE0);
const QString BackupFilter = QStringLiteral("Diary Backup Files (*.bbk)");
const QString BackupName = QStringLiteral("entries.bbk");
constexpr int CellHeaderHeight = 18;

QImage Glyph(const char* name)
{
    return SharpPicture(QStringLiteral(":/keeper/%1.png").arg(QLatin1String(name)));
}

ToolButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const char* glyph,
                       QRect geometry)
{
    auto* button = new ToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->SetLayout(ButtonLayout::GlyphLeft);
    button->SetCaption(caption);
    button->SetGlyph(Glyph(glyph));
    return button;
}

LabelFont MakeLabelFont(const QColor& colour, bool bold)
{
    return {ArialPixels(12, bold), colour};
}

StatusLineLabel* MakeStatusLine(QWidget* parent, const char* name, int top)
{
    auto* label = new StatusLineLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(4, top, 695, 16);
    label->setFont(ArialPixels(12));
    label->SetFontColor(Qt::black);
    label->SetTransparent(true);
    label->SetSmallFont(MakeLabelFont(QColor(0, 0, 255), false));
    label->SetStrongFont(MakeLabelFont(QColor(0x80, 0, 0), true));
    label->SetSymbolFont(MakeLabelFont(QColor(0xFF, 0, 0xFF), false));
    return label;
}

QString MenuCaption(const std::string& name)
{
    return FromDiaryText(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Adds the extension a file chosen without one is meant to have.
QString WithBackupExtension(const QString& file)
{
    return QFileInfo(file).suffix().isEmpty() ? file + QStringLiteral(".bbk") : file;
}

} // namespace

KeeperWindow::KeeperWindow(QWidget* owner, Services& services)
    : QDialog(owner), services_(services), book_(services.SettingsStore(), services.CodePage())
{
    setObjectName("keeperWindow");
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral(" BirthDay Keeper"));
    setFixedSize(786, 499);
    setFont(ArialPixels(12));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, DesignedColour);
    setPalette(colours);
    setAutoFillBackground(true);

    CreateMenus();
    CreateToolbar();
    CreateCalendar();
    CreateStatusPanel();
    book_.Entries().OnChange = [this](BirthdayBook&) { RefreshStatus(); };
    calendar_->SetCalendarDate(services_.Today());
    RefreshMonthCaption();
    calendar_->setFocus(); // the toolbar comes after it with Tab
}

void KeeperWindow::Execute(QWidget* owner, const QString& caption, const QColor& color, Services& services)
{
    KeeperWindow keeper(owner, services);
    if (!caption.isEmpty())
        keeper.setWindowTitle(caption);
    if (color.rgb() != DesignedColour.rgb()) {
        QPalette colours = keeper.palette();
        colours.setColor(QPalette::Window, color);
        keeper.setPalette(colours);
    }
    keeper.LoadOnce();
    keeper.exec();
}

void KeeperWindow::CreateToolbar()
{
    todayButton_ = MakeButton(this, "todayButton", QStringLiteral("Today"), "today", {4, 3, 80, 28});
    previousMonthButton_ = MakeButton(this, "previousMonthButton", QString(), "previous", {262, 3, 28, 28});
    monthLabel_ = new QLabel(this);
    monthLabel_->setObjectName("monthLabel");
    monthLabel_->setGeometry(294, 3, 198, 28);
    monthLabel_->setAlignment(Qt::AlignCenter);
    monthLabel_->setFont(ArialPixels(16, true));
    SetFontColor(*monthLabel_, Qt::white);
    monthLabel_->installEventFilter(this);
    nextMonthButton_ = MakeButton(this, "nextMonthButton", QString(), "next", {496, 3, 28, 28});
    previousMonthButton_->setAccessibleName(QStringLiteral("Previous month"));
    nextMonthButton_->setAccessibleName(QStringLiteral("Next month"));
    toolsButton_ = MakeButton(this, "toolsButton", QStringLiteral("Tools"), "tools", {622, 3, 78, 28});
    exitButton_ = MakeButton(this, "exitButton", QStringLiteral("Exit"), "exit", {704, 3, 78, 28});
    exitButton_->setToolTip(QStringLiteral("Save and Exit"));

    connect(todayButton_, &ToolButton::OnClick, this, &KeeperWindow::ShowToday);
    connect(previousMonthButton_, &ToolButton::OnClick, this, &KeeperWindow::PrevMonth);
    connect(nextMonthButton_, &ToolButton::OnClick, this, &KeeperWindow::NextMonth);
    connect(toolsButton_, &ToolButton::OnClick, this,
            [this] { toolsMenu_->popup(toolsButton_->mapToGlobal(QPoint(0, toolsButton_->height()))); });
    connect(exitButton_, &ToolButton::OnClick, this, &QDialog::accept);
}

void KeeperWindow::CreateCalendar()
{
    calendar_ = new KeeperCalendar(this);
    calendar_->setObjectName("calendar");
    calendar_->setGeometry(4, 33, 778, 416);
    calendar_->SetColor(0xC0FFFF);
    calendar_->SetFixedColor(0xFFEAEA);
    calendar_->setFont(ArialPixels(11, true));
    calendar_->SetFlat(true);
    calendar_->SetOptions({GridOption::FixedVerticalLines, GridOption::FixedHorizontalLines,
                           GridOption::VerticalLines, GridOption::HorizontalLines,
                           GridOption::HighlightFocusedCell});
    calendar_->SetLayout(VerticalLayout::Top);
    calendar_->SetColorEmpty(White);
    calendar_->SetCellBorder(2);
    calendar_->SetDayFormat(DayNameFormat::Long);
    calendar_->SetDefaultHeaderHeight(CellHeaderHeight);
    calendar_->SetWordWrap(false);
    calendar_->SetStartOfWeek(0);
    calendar_->SetActiveColor(Blue);
    calendar_->SetActiveBGColor(0x80FFFF);
    calendar_->SetSpecialColor(Blue);
    calendar_->SetSpecialBGColor(0xC0FFFF);
    calendar_->SetPopupMenu(calendarMenu_);
    calendar_->installEventFilter(this);
    calendar_->OnChange = [this](QObject*) { RefreshMonthCaption(); };
    calendar_->OnDoubleClick = [this](std::optional<GridCoord>) { OnCalendarDoubleClicked(); };
    calendar_->OnContextPopup = [this](QObject*, QPoint mousePos, bool& handled) {
        handled = OutsideTheMonth(mousePos);
    };
    calendar_->OnDrawCalendarCell = [this](QObject*, QPainter& canvas, int col, int row, const QRect& rect,
                                           CellStates state, const QString&,
                                           DayState) { DrawCalendarCell(canvas, col, row, rect, state); };
}

void KeeperWindow::CreateStatusPanel()
{
    statusPanel_ = new HatchedPanel(this);
    statusPanel_->setObjectName("statusPanel");
    statusPanel_->setGeometry(4, 453, 778, 42);
    statusPanel_->SetColor(White);
    statusPanel_->SetBorder(PanelBorder::Flat);
    thisMonthLine_ = MakeStatusLine(statusPanel_, "thisMonthLine", 4);
    nextMonthLine_ = MakeStatusLine(statusPanel_, "nextMonthLine", 22);
    // The right-click hint lies over the end of this transparent line.
    nextMonthLine_->setProperty("background", true);

    entryCountLabel_ = new QLabel(statusPanel_);
    entryCountLabel_->setObjectName("entryCountLabel");
    entryCountLabel_->setGeometry(703, 4, 70, 16);
    entryCountLabel_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    entryCountLabel_->setFont(ArialPixels(12, true));
    SetFontColor(*entryCountLabel_, Qt::black);

    rightClickHint_ = new QLabel(
        QStringLiteral("Right-click on any valid date inside the calendar to add/edit birthday entries"),
        statusPanel_);
    rightClickHint_->setObjectName("rightClickHint");
    rightClickHint_->setGeometry(436, 23, 338, 15);
    rightClickHint_->setAlignment(Qt::AlignCenter);
    rightClickHint_->setFont(ArialPixels(10));
    rightClickHint_->setFrameStyle(QFrame::Box | QFrame::Plain);
    rightClickHint_->setAutoFillBackground(true);
    QPalette colours = rightClickHint_->palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, QColor(0x60, 0x60, 0x60));
    rightClickHint_->setPalette(colours);
}

void KeeperWindow::CreateMenus()
{
    calendarMenu_ = new QMenu(this);
    calendarMenu_->setObjectName("calendarMenu");
    addEntryAction_ =
        calendarMenu_->addAction(QStringLiteral("Add Entry"), this, &KeeperWindow::OnAddEntryChosen);
    addEntryAction_->setObjectName("addEntryAction");
    editEntryMenu_ = calendarMenu_->addMenu(QStringLiteral("Modify Entry of"));
    editEntryMenu_->setObjectName("editEntryMenu");
    deleteEntryMenu_ = calendarMenu_->addMenu(QStringLiteral("Delete entry of"));
    deleteEntryMenu_->setObjectName("deleteEntryMenu");
    for (int slot = 0; slot < MenuSlots; ++slot) {
        editEntryActions_[slot] =
            editEntryMenu_->addAction(QString(), this, [this, slot] { OnEditEntryChosen(slot); });
        deleteEntryActions_[slot] =
            deleteEntryMenu_->addAction(QString(), this, [this, slot] { OnDeleteEntryChosen(slot); });
        editEntryActions_[slot]->setVisible(false);
        deleteEntryActions_[slot]->setVisible(false);
    }
    connect(calendarMenu_, &QMenu::aboutToShow, this, &KeeperWindow::FillCalendarMenu);

    toolsMenu_ = new QMenu(this);
    toolsMenu_->setObjectName("toolsMenu");
    backupAction_ = toolsMenu_->addAction(QStringLiteral("Backup all Entries to File"), this,
                                          &KeeperWindow::OnBackupChosen);
    backupAction_->setObjectName("backupAction");
    restoreAction_ = toolsMenu_->addAction(QStringLiteral("Restore all Entries from file"), this,
                                           &KeeperWindow::OnRestoreChosen);
    restoreAction_->setObjectName("restoreAction");
    toolsMenu_->addSeparator();
    clearAction_ = toolsMenu_->addAction(QString(), this, &KeeperWindow::OnClearChosen);
    clearAction_->setObjectName("clearAction");
    connect(toolsMenu_, &QMenu::aboutToShow, this, &KeeperWindow::FillToolsMenu);
}

void KeeperWindow::LoadOnce()
{
    if (loaded_)
        return;
    loaded_ = true;
    if (const auto loaded = book_.LoadFromRegistry(); !loaded)
        services_.Dialogs().ShowError(this, FromDiaryText(loaded.Message()), services_.Title());
}

void KeeperWindow::Activated()
{
    LoadOnce();
    RefreshMonthCaption();
    RefreshStatus();
}

void KeeperWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Activated();
}

void KeeperWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Activated();
}

void KeeperWindow::RefreshMonthCaption()
{
    monthLabel_->setText(QStringLiteral("%1 %2").arg(calendar_->MonthName()).arg(calendar_->Year()));
}

void KeeperWindow::RefreshStatus()
{
    const KeeperStatus status = MonthStatus(book_.Entries(), calendar_->Month());
    entryCountLabel_->setText(FromDiaryText(status.Counter));
    thisMonthLine_->SetCaption(FromDiaryText(status.ThisMonth));
    nextMonthLine_->SetCaption(FromDiaryText(status.NextMonth));
    calendar_->SetSpecialDays(status.SpecialDays);
    calendar_->update();
}

void KeeperWindow::PrevMonth()
{
    calendar_->SetDay(1);
    calendar_->PrevMonth();
    RefreshMonthCaption();
    RefreshStatus();
}

void KeeperWindow::NextMonth()
{
    calendar_->SetDay(1);
    calendar_->NextMonth();
    RefreshMonthCaption();
    RefreshStatus();
}

void KeeperWindow::LastMonthOfYear()
{
    calendar_->SetDay(1);
    calendar_->SetMonth(12);
    RefreshMonthCaption();
    RefreshStatus();
}

void KeeperWindow::ShowToday()
{
    calendar_->SetCalendarDate(services_.Today());
    RefreshMonthCaption();
    RefreshStatus();
}

bool KeeperWindow::HandleKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
        PrevMonth();
        return true;
    case Qt::Key_PageDown:
        NextMonth();
        return true;
    case Qt::Key_End:
        LastMonthOfYear();
        return true;
    case Qt::Key_Home:
        ShowToday();
        return true;
    default:
        return false;
    }
}

void KeeperWindow::keyPressEvent(QKeyEvent* event)
{
    if (!HandleKey(event->key()))
        QDialog::keyPressEvent(event);
}

bool KeeperWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == calendar_ && event->type() == QEvent::KeyPress &&
        HandleKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    if (watched == monthLabel_ && event->type() == QEvent::MouseButtonDblClick) {
        NextMonth();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

double KeeperWindow::SelectedDate() const
{
    const Date date = calendar_->CalendarDate();
    return EncodeDate(date.Year, date.Month, date.Day);
}

void KeeperWindow::DrawCalendarCell(QPainter& canvas, int col, int row, const QRect& rect, int state)
{
    const double date = calendar_->CellDate(col, row);
    if (row < calendar_->FixedRows() || date == 0)
        return;
    canvas.drawLine(rect.left(), rect.top() + CellHeaderHeight, rect.right(), rect.top() + CellHeaderHeight);
    canvas.fillRect(QRect(QPoint(rect.left(), rect.top() + CellHeaderHeight + 1), rect.bottomRight()),
                    CellNamesColour);
    const std::vector<BirthdayEntry*> entries = book_.Entries().EntriesOfDay(date);
    if (entries.empty())
        return;

    const int border = calendar_->CellBorder();
    // Edges as the platform gives them: right and bottom just outside the area.
    int top = rect.top() + border + 17;
    const int left = rect.left() + border - 1;
    const int right = rect.right() + 1 - border - 2;
    const int bottom = rect.bottom() + 1 - border;
    const int x = left + border + 1;
    int y = top;

    canvas.save();
    QFont font = canvas.font();
    font.setBold(true);
    canvas.setFont(font);
    const QColor colour =
        (state & (CellState::Selected | CellState::Focused)) ? QColor(255, 0, 0) : QColor(0, 0, 255);
    canvas.setPen(colour);
    const int height = canvas.fontMetrics().height();
    for (size_t i = 0; i < entries.size(); ++i) {
        canvas.setClipRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
        canvas.drawText(QRect(x, y, right - x, height), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                        FromDiaryText(entries[i]->FullName()));
        y += height;
        top += height;
        if (i + 1 < entries.size() && top + height - 2 > bottom) {
            canvas.setClipping(false);
            for (const int dx : {1, 4, 7})
                canvas.fillRect(QRect(x + dx, y, 1, 2), colour);
            break;
        }
    }
    canvas.restore();
}

bool KeeperWindow::OutsideTheMonth(QPoint mousePos) const
{
    std::optional<GridCoord> cell;
    if (mousePos.x() < 0 || mousePos.y() < 1)
        cell = GridCoord{calendar_->Col(), calendar_->Row()};
    else
        cell = calendar_->MouseToCell(mousePos);
    return !cell || cell->Row < calendar_->FixedRows() || calendar_->CellDay(cell->Col, cell->Row) == 0;
}

void KeeperWindow::FillCalendarMenu()
{
    const CalendarMenu menu = DayMenu(book_.Entries().EntriesOfDay(SelectedDate()));
    addEntryAction_->setEnabled(menu.AddEnabled);
    addEntryAction_->setText(QString::fromStdString(menu.AddCaption));
    editEntryMenu_->setEnabled(menu.EntriesEnabled);
    deleteEntryMenu_->setEnabled(menu.EntriesEnabled);
    for (int slot = 0; slot < MenuSlots; ++slot) {
        const bool shown = static_cast<size_t>(slot) < menu.SlotCaptions.size();
        for (QAction* action : {editEntryActions_[slot], deleteEntryActions_[slot]}) {
            action->setVisible(shown);
            action->setText(shown ? MenuCaption(menu.SlotCaptions[static_cast<size_t>(slot)]) : QString());
        }
    }
}

void KeeperWindow::MoveToEntryDay(const BirthdayEntry& entry)
{
    const Date shown = calendar_->CalendarDate();
    if (shown.Month == entry.Month() && shown.Day == entry.Day())
        return;
    const Date target = DayOfEntry(shown, entry.Month(), entry.Day());
    if (target.Month != shown.Month) {
        calendar_->SetDay(1);
        calendar_->SetMonth(target.Month);
    }
    calendar_->SetDay(target.Day);
    calendar_->update();
}

void KeeperWindow::OnAddEntryChosen()
{
    BirthdayEntry scratch;
    if (!PersonDialog::NewEntry(this, services_, scratch, SelectedDate()))
        return;
    BirthdayEntry& entry = book_.Entries().Add();
    entry.SetFullName(scratch.FullName());
    entry.SetBirthDate(scratch.BirthDate());
    entry.SetNotes(scratch.Notes());
    MoveToEntryDay(entry);
    RefreshStatus();
}

void KeeperWindow::OnEditEntryChosen(int slot)
{
    BirthdayEntry* entry = book_.Entries().EntryOfDay(slot, SelectedDate());
    if (entry == nullptr || !PersonDialog::EditEntry(this, services_, *entry))
        return;
    entry->MarkModified();
    MoveToEntryDay(*entry);
    RefreshStatus();
}

void KeeperWindow::OnDeleteEntryChosen(int slot)
{
    BirthdayEntry* entry = book_.Entries().EntryOfDay(slot, SelectedDate());
    if (entry == nullptr)
        return;
    const QString question = QStringLiteral("Delete entry \"%1\"?").arg(FromDiaryText(entry->FullName()));
    if (services_.Dialogs().MessageBox(this, question, services_.Title(), MsgIcon::Warning,
                                       MsgButtons::OkCancel, MsgAnswer::Ok) != MsgAnswer::Ok)
        return;
    book_.Entries().Delete(book_.Entries().IndexOf(entry));
    calendar_->update();
}

void KeeperWindow::OnCalendarDoubleClicked()
{
    const double date = SelectedDate();
    if (date <= 0)
        return;
    const std::vector<BirthdayEntry*> entries = book_.Entries().EntriesOfDay(date);
    if (entries.size() != 1) {
        calendarMenu_->popup(QCursor::pos());
        return;
    }
    if (!PersonDialog::EditEntry(this, services_, *entries.front()))
        return;
    MoveToEntryDay(*entries.front());
    RefreshStatus();
}

void KeeperWindow::FillToolsMenu()
{
    const int count = book_.Entries().Count();
    clearAction_->setText(QString::fromStdString(ClearCaption(count)));
    clearAction_->setEnabled(count > 0);
    backupAction_->setEnabled(count > 0);
    restoreAction_->setEnabled(true);
}

void KeeperWindow::OnBackupChosen()
{
    const auto chosen = services_.Dialogs().SaveFileName(this, QStringLiteral("Backup to a birthday file..."),
                                                         BackupName, BackupFilter);
    if (!chosen)
        return;
    const QString file = WithBackupExtension(*chosen);
    const bool modified = book_.Entries().Modified();
    if (const auto saved = book_.SaveToFile(file.toStdString()); !saved) {
        services_.Dialogs().ShowError(this, QString::fromLocal8Bit(saved.Message()), services_.Title());
        return;
    }
    // Saving the backup cleared the flag; changes not yet in the working store still are not.
    book_.Entries().SetModified(modified);
    services_.Dialogs().ShowMessage(
        this,
        QStringLiteral("Backup was successful, %1 entries were \r\nbacked up to file \"%2\"")
            .arg(book_.Entries().Count())
            .arg(QFileInfo(file).fileName()),
        services_.Title());
}

void KeeperWindow::OnRestoreChosen()
{
    const auto file = services_.Dialogs().OpenFileName(this, QStringLiteral("Open a birthday backup file..."),
                                                       BackupName, BackupFilter);
    if (!file)
        return;
    if (book_.Entries().Count() > 0 &&
        services_.Dialogs().MessageBox(
            this, QStringLiteral("This will overwrite all your current entries. Are you sure?"),
            services_.Title(), MsgIcon::Warning, MsgButtons::OkCancel, MsgAnswer::Ok) != MsgAnswer::Ok)
        return;
    if (const auto loaded = book_.LoadFromFile(file->toStdString()); !loaded) {
        services_.Dialogs().ShowError(
            this,
            QStringLiteral("The restore operation has failed (%1).\r\nYour existing entries are unchanged.")
                .arg(QString::fromLocal8Bit(loaded.Message())),
            services_.Title());
        return;
    }
    if (book_.LoadedCount() == 0 && book_.Entries().Count() > 0) {
        services_.Dialogs().ShowMessage(
            this, QStringLiteral("The backup file holds no entries; your existing entries are unchanged."),
            services_.Title());
        return;
    }
    book_.Entries().SetModified(true);
    calendar_->update();
    RefreshStatus();
    if (book_.Entries().Count() > 0)
        services_.Dialogs().ShowMessage(
            this,
            QStringLiteral("Restore was successful, %1 entries were restored").arg(book_.Entries().Count()),
            services_.Title());
}

void KeeperWindow::OnClearChosen()
{
    if (book_.Entries().Count() == 0)
        return;
    for (const char* question : {"This will clear all your current entries. Are you sure?",
                                 "This operation is irreversible. Are you sure?"})
        if (services_.Dialogs().MessageBox(this, QString::fromLatin1(question), services_.Title(),
                                           MsgIcon::Warning, MsgButtons::OkCancel,
                                           MsgAnswer::Ok) != MsgAnswer::Ok)
            return;
    book_.Entries().Clear();
    book_.Entries().SetModified(true);
    calendar_->update();
    RefreshStatus();
}

bool KeeperWindow::SaveOnClose()
{
    if (!book_.Entries().Modified())
        return true;
    if (const auto saved = book_.SaveToRegistry(); !saved) {
        services_.Dialogs().ShowError(this, FromDiaryText(saved.Message()), services_.Title());
        return false;
    }
    return true;
}

void KeeperWindow::done(int result)
{
    if (SaveOnClose())
        QDialog::done(result);
}

void KeeperWindow::closeEvent(QCloseEvent* event)
{
    if (!SaveOnClose()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace windows::keeper
