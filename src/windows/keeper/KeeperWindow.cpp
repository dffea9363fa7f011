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

namespace birthdays {

namespace {

const QColor DesignedColour(0x30, 0x60, 0x8F);
const QColor CellNamesColour(0xFF, 0xFF, 0xE0);
const QString BackupFilter = QStringLiteral("Diary Backup Files (*.bbk)");
const QString BackupName = QStringLiteral("entries.bbk");
constexpr int CellHeaderHeight = 18;

QImage Glyph(const char* name)
{
    return QImage(QStringLiteral(":/keeper/%1.png").arg(QLatin1String(name)));
}

widgets::ToolButton* MakeButton(QWidget* parent, const QString& caption, const char* glyph, QRect geometry)
{
    auto* button = new widgets::ToolButton(parent);
    button->setGeometry(geometry);
    button->SetLayout(widgets::ButtonLayout::GlyphLeft);
    button->SetCaption(caption);
    button->SetGlyph(Glyph(glyph));
    return button;
}

LabelFont MakeLabelFont(const QColor& colour, bool bold)
{
    return {widgets::ArialPixels(12, bold), colour};
}

StatusLineLabel* MakeStatusLine(QWidget* parent, int top)
{
    auto* label = new StatusLineLabel(parent);
    label->setGeometry(4, top, 695, 16);
    label->setFont(widgets::ArialPixels(12));
    label->SetFontColor(Qt::black);
    label->SetTransparent(true);
    label->SetSmallFont(MakeLabelFont(QColor(0, 0, 255), false));
    label->SetStrongFont(MakeLabelFont(QColor(0x80, 0, 0), true));
    label->SetSymbolFont(MakeLabelFont(QColor(0xFF, 0, 0xFF), false));
    return label;
}

QString MenuCaption(const std::string& name)
{
    return platform::FromDiaryText(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Adds the extension a file chosen without one is meant to have.
QString WithBackupExtension(const QString& file)
{
    return QFileInfo(file).suffix().isEmpty() ? file + QStringLiteral(".bbk") : file;
}

} // namespace

KeeperWindow::KeeperWindow(QWidget* owner, widgets::Services& services)
    : QDialog(owner), BDEngine(services.SettingsStore(), services.CodePage()), services_(services)
{
    setObjectName("frmBDMain");
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral(" BirthDay Keeper"));
    setFixedSize(786, 499);
    setFont(widgets::ArialPixels(12));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, DesignedColour);
    setPalette(colours);
    setAutoFillBackground(true);

    CreateMenus();
    CreateToolbar();
    CreateCalendar();
    CreateStatusPanel();
    BDEngine.Entries().OnChange = [this](BirthdayBook&) { RefreshStatus(); };
    KvCalendar->SetCalendarDate(services_.Today());
    RefreshMonthCaption();
}

void KeeperWindow::Execute(QWidget* owner, const QString& caption, const QColor& color,
                         widgets::Services& services)
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
    btnToday = MakeButton(this, QStringLiteral("Today"), "today", {4, 3, 80, 28});
    btnPrevMonth = MakeButton(this, QString(), "previous", {262, 3, 28, 28});
    lblMonth = new QLabel(this);
    lblMonth->setGeometry(294, 3, 198, 28);
    lblMonth->setAlignment(Qt::AlignCenter);
    lblMonth->setFont(widgets::ArialPixels(16, true));
    widgets::SetFontColor(*lblMonth, Qt::white);
    lblMonth->installEventFilter(this);
    btnNextMonth = MakeButton(this, QString(), "next", {496, 3, 28, 28});
    btnTools = MakeButton(this, QStringLiteral("Tools"), "tools", {622, 3, 78, 28});
    btnExit = MakeButton(this, QStringLiteral("Exit"), "exit", {704, 3, 78, 28});
    btnExit->setToolTip(QStringLiteral("Save and Exit"));

    connect(btnToday, &widgets::ToolButton::OnClick, this, &KeeperWindow::ShowToday);
    connect(btnPrevMonth, &widgets::ToolButton::OnClick, this, &KeeperWindow::PrevMonth);
    connect(btnNextMonth, &widgets::ToolButton::OnClick, this, &KeeperWindow::NextMonth);
    connect(btnTools, &widgets::ToolButton::OnClick, this,
            [this] { pmTools->popup(btnTools->mapToGlobal(QPoint(0, btnTools->height()))); });
    connect(btnExit, &widgets::ToolButton::OnClick, this, &QDialog::accept);
}

void KeeperWindow::CreateCalendar()
{
    using namespace calendar;
    KvCalendar = new KeeperCalendar(this);
    KvCalendar->setGeometry(4, 33, 778, 416);
    KvCalendar->SetColor(0xC0FFFF);
    KvCalendar->SetFixedColor(0xFFEAEA);
    KvCalendar->setFont(widgets::ArialPixels(11, true));
    KvCalendar->SetFlat(true);
    KvCalendar->SetOptions({widgets::GridOption::FixedVerticalLines,
                            widgets::GridOption::FixedHorizontalLines, widgets::GridOption::VerticalLines,
                            widgets::GridOption::HorizontalLines, widgets::GridOption::HighlightFocusedCell});
    KvCalendar->SetLayout(VerticalLayout::Top);
    KvCalendar->SetColorEmpty(clWhite);
    KvCalendar->SetCellBorder(2);
    KvCalendar->SetDayFormat(DayNameFormat::Long);
    KvCalendar->SetDefaultHeaderHeight(CellHeaderHeight);
    KvCalendar->SetWordWrap(false);
    KvCalendar->SetStartOfWeek(0);
    KvCalendar->SetActiveColor(clBlue);
    KvCalendar->SetActiveBGColor(0x80FFFF);
    KvCalendar->SetSpecialColor(clBlue);
    KvCalendar->SetSpecialBGColor(0xC0FFFF);
    KvCalendar->SetPopupMenu(pmCalendar);
    KvCalendar->installEventFilter(this);
    KvCalendar->OnChange = [this](QObject*) { RefreshMonthCaption(); };
    KvCalendar->OnDoubleClick = [this](std::optional<widgets::GridCoord>) { KvCalendarDblClick(); };
    KvCalendar->OnContextPopup = [this](QObject*, QPoint mousePos, bool& handled) {
        ContextPopup(mousePos, handled);
    };
    KvCalendar->OnDrawCalendarCell = [this](QObject*, QPainter& canvas, int col, int row, const QRect& rect,
                                            widgets::CellStates state, const QString&,
                                            DayState) { DrawCalendarCell(canvas, col, row, rect, state); };
}

void KeeperWindow::CreateStatusPanel()
{
    KvHatchPanel1 = new widgets::HatchedPanel(this);
    KvHatchPanel1->setGeometry(4, 453, 778, 42);
    KvHatchPanel1->SetColor(widgets::clWhite);
    KvHatchPanel1->SetBorder(widgets::PanelBorder::Flat);
    LblMonthDetails = MakeStatusLine(KvHatchPanel1, 4);
    LblMonth2Details = MakeStatusLine(KvHatchPanel1, 22);

    lblStatusTotalEntries = new QLabel(KvHatchPanel1);
    lblStatusTotalEntries->setGeometry(703, 4, 70, 16);
    lblStatusTotalEntries->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblStatusTotalEntries->setFont(widgets::ArialPixels(12, true));
    widgets::SetFontColor(*lblStatusTotalEntries, Qt::black);

    lblRightClickHint = new QLabel(
        QStringLiteral("Right-click on any valid date inside the calendar to add/edit birthday entries"),
        KvHatchPanel1);
    lblRightClickHint->setGeometry(436, 23, 338, 15);
    lblRightClickHint->setAlignment(Qt::AlignCenter);
    lblRightClickHint->setFont(widgets::ArialPixels(10));
    lblRightClickHint->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblRightClickHint->setAutoFillBackground(true);
    QPalette colours = lblRightClickHint->palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, QColor(0x60, 0x60, 0x60));
    lblRightClickHint->setPalette(colours);
}

void KeeperWindow::CreateMenus()
{
    pmCalendar = new QMenu(this);
    pmoAddEntry = pmCalendar->addAction(QStringLiteral("Add Entry"), this, &KeeperWindow::pmoAddEntryClick);
    pmoEditEntry = pmCalendar->addMenu(QStringLiteral("Modify Entry of"));
    pmoDeleteEntry = pmCalendar->addMenu(QStringLiteral("Delete entry of"));
    for (int slot = 0; slot < MenuSlots; ++slot) {
        EditSlots[slot] = pmoEditEntry->addAction(QString());
        DeleteSlots[slot] = pmoDeleteEntry->addAction(QString());
        for (QAction* action : {EditSlots[slot], DeleteSlots[slot]}) {
            action->setVisible(false);
            action->setData(0);
        }
        connect(EditSlots[slot], &QAction::triggered, this,
                [this, slot] { pmEditEntriesByTagClick(EditSlots[slot]->data().toInt()); });
        connect(DeleteSlots[slot], &QAction::triggered, this,
                [this, slot] { pmDeleteEntriesByTagClick(DeleteSlots[slot]->data().toInt()); });
    }
    connect(pmCalendar, &QMenu::aboutToShow, this, &KeeperWindow::pmCalendarPopup);

    pmTools = new QMenu(this);
    pmoBackup =
        pmTools->addAction(QStringLiteral("Backup all Entries to File"), this, &KeeperWindow::pmoBackupClick);
    pmoRestore = pmTools->addAction(QStringLiteral("Restore all Entries from file"), this,
                                    &KeeperWindow::pmoRestoreClick);
    pmTools->addSeparator();
    pmoClear = pmTools->addAction(QString(), this, &KeeperWindow::pmoClearClick);
    connect(pmTools, &QMenu::aboutToShow, this, &KeeperWindow::pmToolsPopup);
}

void KeeperWindow::LoadOnce()
{
    if (Loaded)
        return;
    Loaded = true;
    try {
        BDEngine.LoadFromRegistry();
    } catch (const BirthdayBookError& error) {
        services_.Dialogs().ShowError(this, platform::FromDiaryText(error.what()), services_.Title());
    }
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
    lblMonth->setText(QStringLiteral("%1 %2").arg(KvCalendar->MonthName()).arg(KvCalendar->Year()));
}

void KeeperWindow::RefreshStatus()
{
    const KeeperStatus status = MonthStatus(BDEngine.Entries(), KvCalendar->Month());
    lblStatusTotalEntries->setText(platform::FromDiaryText(status.Counter));
    LblMonthDetails->SetCaption(platform::FromDiaryText(status.ThisMonth));
    LblMonth2Details->SetCaption(platform::FromDiaryText(status.NextMonth));
    KvCalendar->SetSpecialDays(status.SpecialDays);
    KvCalendar->update();
}

void KeeperWindow::PrevMonth()
{
    KvCalendar->SetDay(1);
    if (KvCalendar->Month() == 1) {
        KvCalendar->SetMonth(12);
        KvCalendar->SetYear(KvCalendar->Year() - 1);
    } else {
        KvCalendar->SetMonth(KvCalendar->Month() - 1);
    }
    RefreshMonthCaption();
    RefreshStatus();
}

void KeeperWindow::NextMonth()
{
    KvCalendar->SetDay(1);
    if (KvCalendar->Month() == 12) {
        KvCalendar->SetMonth(1);
        KvCalendar->SetYear(KvCalendar->Year() + 1);
    } else {
        KvCalendar->SetMonth(KvCalendar->Month() + 1);
    }
    RefreshMonthCaption();
    RefreshStatus();
}

void KeeperWindow::LastMonthOfYear()
{
    KvCalendar->SetDay(1);
    KvCalendar->SetMonth(12);
    RefreshMonthCaption();
    RefreshStatus();
}

void KeeperWindow::ShowToday()
{
    KvCalendar->SetCalendarDate(services_.Today());
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
    if (watched == KvCalendar && event->type() == QEvent::KeyPress &&
        HandleKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    if (watched == lblMonth && event->type() == QEvent::MouseButtonDblClick) {
        NextMonth();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

double KeeperWindow::SelectedDate() const
{
    const calendar::Date date = KvCalendar->CalendarDate();
    return calendar::EncodeDate(date.Year, date.Month, date.Day);
}

void KeeperWindow::DrawCalendarCell(QPainter& canvas, int col, int row, const QRect& rect, int state)
{
    const double date = KvCalendar->CellDate(col, row);
    if (row < KvCalendar->FixedRows() || date == 0)
        return;
    canvas.drawLine(rect.left(), rect.top() + CellHeaderHeight, rect.right(), rect.top() + CellHeaderHeight);
    canvas.fillRect(QRect(QPoint(rect.left(), rect.top() + CellHeaderHeight + 1), rect.bottomRight()),
                    CellNamesColour);
    const std::vector<BirthdayEntry*> entries = BDEngine.Entries().EntriesOfDay(date);
    if (entries.empty())
        return;

    const int border = KvCalendar->CellBorder();
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
    const QColor colour = (state & (widgets::CellState::Selected | widgets::CellState::Focused))
                              ? QColor(255, 0, 0)
                              : QColor(0, 0, 255);
    canvas.setPen(colour);
    const int height = canvas.fontMetrics().height();
    for (size_t i = 0; i < entries.size(); ++i) {
        canvas.setClipRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
        canvas.drawText(QRect(x, y, right - x, height), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                        platform::FromDiaryText(entries[i]->FullName()));
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

void KeeperWindow::ContextPopup(QPoint mousePos, bool& handled)
{
    std::optional<widgets::GridCoord> cell;
    if (mousePos.x() < 0 || mousePos.y() < 1)
        cell = widgets::GridCoord{KvCalendar->Col(), KvCalendar->Row()};
    else
        cell = KvCalendar->MouseToCell(mousePos);
    handled = !cell || cell->Row < KvCalendar->FixedRows() || KvCalendar->CellDay(cell->Col, cell->Row) == 0;
}

void KeeperWindow::pmCalendarPopup()
{
    const CalendarMenu menu = DayMenu(BDEngine.Entries().EntriesOfDay(SelectedDate()));
    pmoAddEntry->setEnabled(menu.AddEnabled);
    pmoAddEntry->setText(QString::fromStdString(menu.AddCaption));
    pmoEditEntry->setEnabled(menu.EntriesEnabled);
    pmoDeleteEntry->setEnabled(menu.EntriesEnabled);
    for (int slot = 0; slot < MenuSlots; ++slot) {
        const bool shown = static_cast<size_t>(slot) < menu.SlotCaptions.size();
        for (QAction* action : {EditSlots[slot], DeleteSlots[slot]}) {
            action->setVisible(shown);
            action->setData(slot);
            action->setText(shown ? MenuCaption(menu.SlotCaptions[static_cast<size_t>(slot)]) : QString());
        }
    }
}

void KeeperWindow::MoveToEntryDay(const BirthdayEntry& entry)
{
    const calendar::Date shown = KvCalendar->CalendarDate();
    if (shown.Month == entry.Month() && shown.Day == entry.Day())
        return;
    const calendar::Date target = DayOfEntry(shown, entry.Month(), entry.Day());
    if (target.Month != shown.Month) {
        KvCalendar->SetDay(1);
        KvCalendar->SetMonth(target.Month);
    }
    KvCalendar->SetDay(target.Day);
    KvCalendar->update();
}

void KeeperWindow::pmoAddEntryClick()
{
    BirthdayEntry scratch;
    if (!PersonDialog::NewEntry(this, services_, scratch, SelectedDate()))
        return;
    BirthdayEntry& entry = BDEngine.Entries().Add();
    entry.SetFullName(scratch.FullName());
    entry.SetBirthDate(scratch.BirthDate());
    entry.SetNotes(scratch.Notes());
    MoveToEntryDay(entry);
    RefreshStatus();
}

void KeeperWindow::pmEditEntriesByTagClick(int tag)
{
    BirthdayEntry* entry = BDEngine.Entries().EntryOfDay(tag, SelectedDate());
    if (entry == nullptr || !PersonDialog::EditEntry(this, services_, *entry))
        return;
    entry->MarkModified();
    MoveToEntryDay(*entry);
    RefreshStatus();
}

void KeeperWindow::pmDeleteEntriesByTagClick(int tag)
{
    BirthdayEntry* entry = BDEngine.Entries().EntryOfDay(tag, SelectedDate());
    if (entry == nullptr)
        return;
    const QString question =
        QStringLiteral("Delete entry \"%1\"?").arg(platform::FromDiaryText(entry->FullName()));
    if (services_.Dialogs().MessageBox(this, question, services_.Title(), widgets::MsgIcon::Warning,
                                       widgets::MsgButtons::OkCancel,
                                       widgets::MsgAnswer::Ok) != widgets::MsgAnswer::Ok)
        return;
    BDEngine.Entries().Delete(BDEngine.Entries().IndexOf(entry));
    KvCalendar->update();
}

void KeeperWindow::KvCalendarDblClick()
{
    const double date = SelectedDate();
    if (date <= 0)
        return;
    const std::vector<BirthdayEntry*> entries = BDEngine.Entries().EntriesOfDay(date);
    if (entries.size() != 1) {
        pmCalendar->popup(QCursor::pos());
        return;
    }
    if (!PersonDialog::EditEntry(this, services_, *entries.front()))
        return;
    MoveToEntryDay(*entries.front());
    RefreshStatus();
}

void KeeperWindow::pmToolsPopup()
{
    const int count = BDEngine.Entries().Count();
    pmoClear->setText(QString::fromStdString(ClearCaption(count)));
    pmoClear->setEnabled(count > 0);
    pmoBackup->setEnabled(count > 0);
    pmoRestore->setEnabled(true);
}

void KeeperWindow::pmoBackupClick()
{
    const auto chosen = services_.Dialogs().SaveFileName(this, QStringLiteral("Backup to a birthday file..."),
                                                         BackupName, BackupFilter);
    if (!chosen)
        return;
    const QString file = WithBackupExtension(*chosen);
    const bool modified = BDEngine.Entries().Modified();
    try {
        BDEngine.SaveToFile(file.toStdString());
    } catch (const BirthdayBookError& error) {
        services_.Dialogs().ShowError(this, QString::fromLocal8Bit(error.what()), services_.Title());
        return;
    }
    // Saving the backup cleared the flag; changes not yet in the working store still are not.
    BDEngine.Entries().SetModified(modified);
    services_.Dialogs().ShowMessage(
        this,
        QStringLiteral("Backup was successful, %1 entries were \r\nbacked up to file \"%2\"")
            .arg(BDEngine.Entries().Count())
            .arg(QFileInfo(file).fileName()),
        services_.Title());
}

void KeeperWindow::pmoRestoreClick()
{
    const auto file = services_.Dialogs().OpenFileName(this, QStringLiteral("Open a birthday backup file..."),
                                                       BackupName, BackupFilter);
    if (!file)
        return;
    if (BDEngine.Entries().Count() > 0 &&
        services_.Dialogs().MessageBox(
            this, QStringLiteral("This will overwrite all your current entries. Are you sure?"),
            services_.Title(), widgets::MsgIcon::Warning, widgets::MsgButtons::OkCancel,
            widgets::MsgAnswer::Ok) != widgets::MsgAnswer::Ok)
        return;
    if (BDEngine.LoadFromFile(file->toStdString()) != 0) {
        services_.Dialogs().ShowError(
            this,
            QStringLiteral("The restore operation has failed (%1).\r\nYour existing entries are unchanged.")
                .arg(QString::fromLocal8Bit(BDEngine.LoadError())),
            services_.Title());
        return;
    }
    if (BDEngine.LoadedCount() == 0 && BDEngine.Entries().Count() > 0) {
        services_.Dialogs().ShowMessage(
            this, QStringLiteral("The backup file holds no entries; your existing entries are unchanged."),
            services_.Title());
        return;
    }
    BDEngine.Entries().SetModified(true);
    KvCalendar->update();
    RefreshStatus();
    if (BDEngine.Entries().Count() > 0)
        services_.Dialogs().ShowMessage(this,
                                        QStringLiteral("Restore was successful, %1 entries were restored")
                                            .arg(BDEngine.Entries().Count()),
                                        services_.Title());
}

void KeeperWindow::pmoClearClick()
{
    if (BDEngine.Entries().Count() == 0)
        return;
    for (const char* question : {"This will clear all your current entries. Are you sure?",
                                 "This operation is irreversible. Are you sure?"})
        if (services_.Dialogs().MessageBox(this, QString::fromLatin1(question), services_.Title(),
                                           widgets::MsgIcon::Warning, widgets::MsgButtons::OkCancel,
                                           widgets::MsgAnswer::Ok) != widgets::MsgAnswer::Ok)
            return;
    BDEngine.Entries().Clear();
    BDEngine.Entries().SetModified(true);
    KvCalendar->update();
    RefreshStatus();
}

bool KeeperWindow::SaveOnClose()
{
    if (!BDEngine.Entries().Modified())
        return true;
    try {
        BDEngine.SaveToRegistry();
    } catch (const BirthdayBookError& error) {
        services_.Dialogs().ShowError(this, platform::FromDiaryText(error.what()), services_.Title());
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

} // namespace birthdays
