#include "birthdays/ui/fBDMain.h"

#include "birthdays/KeeperView.h"
#include "birthdays/ui/CLabels.h"
#include "birthdays/ui/fBDEntry.h"
#include "calendar/KvCalendarEx.h"
#include "platform/QtText.h"
#include "widgets/Fonts.h"
#include "widgets/KvHatchPanel.h"
#include "widgets/KvToolButton.h"
#include "widgets/QtColors.h"
#include "widgets/Services.h"

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

widgets::TKvToolButton* MakeButton(QWidget* parent, const QString& caption, const char* glyph, QRect geometry)
{
    auto* button = new widgets::TKvToolButton(parent);
    button->setGeometry(geometry);
    button->SetLayout(widgets::TLbButtonLayout::blGlyphLeft);
    button->SetCaption(caption);
    button->SetGlyph(Glyph(glyph));
    return button;
}

TLabelFont LabelFont(const QColor& colour, bool bold)
{
    return {widgets::ArialPixels(12, bold), colour};
}

TOHSymbLabel* MakeStatusLine(QWidget* parent, int top)
{
    auto* label = new TOHSymbLabel(parent);
    label->setGeometry(4, top, 695, 16);
    label->setFont(widgets::ArialPixels(12));
    label->SetFontColor(Qt::black);
    label->SetTransparent(true);
    label->SetSmallFont(LabelFont(QColor(0, 0, 255), false));
    label->SetStrongFont(LabelFont(QColor(0x80, 0, 0), true));
    label->SetSymbolFont(LabelFont(QColor(0xFF, 0, 0xFF), false));
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

TfrmBDMain::TfrmBDMain(QWidget* owner, widgets::TServices& services)
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
    BDEngine.Entries().OnChange = [this](TEntries&) { RefreshStatus(); };
    KvCalendar->SetCalendarDate(services_.Today());
    RefreshMonthCaption();
}

void TfrmBDMain::Execute(QWidget* owner, const QString& caption, const QColor& color,
                         widgets::TServices& services)
{
    TfrmBDMain keeper(owner, services);
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

void TfrmBDMain::CreateToolbar()
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

    connect(btnToday, &widgets::TKvToolButton::OnClick, this, &TfrmBDMain::ShowToday);
    connect(btnPrevMonth, &widgets::TKvToolButton::OnClick, this, &TfrmBDMain::PrevMonth);
    connect(btnNextMonth, &widgets::TKvToolButton::OnClick, this, &TfrmBDMain::NextMonth);
    connect(btnTools, &widgets::TKvToolButton::OnClick, this,
            [this] { pmTools->popup(btnTools->mapToGlobal(QPoint(0, btnTools->height()))); });
    connect(btnExit, &widgets::TKvToolButton::OnClick, this, &QDialog::accept);
}

void TfrmBDMain::CreateCalendar()
{
    using namespace calendar;
    KvCalendar = new TKvCalendarEx(this);
    KvCalendar->setGeometry(4, 33, 778, 416);
    KvCalendar->SetColor(0xC0FFFF);
    KvCalendar->SetFixedColor(0xFFEAEA);
    KvCalendar->setFont(widgets::ArialPixels(11, true));
    KvCalendar->SetCtl3D(false);
    KvCalendar->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goDrawFocusSelected);
    KvCalendar->SetLayout(tlTop);
    KvCalendar->SetColorEmpty(clWhite);
    KvCalendar->SetCellBorder(2);
    KvCalendar->SetDayFormat(dfLong);
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
    KvCalendar->OnDblClick = [this](QObject*) { KvCalendarDblClick(); };
    KvCalendar->OnContextPopup = [this](QObject*, QPoint mousePos, bool& handled) {
        ContextPopup(mousePos, handled);
    };
    KvCalendar->OnDrawCalendarCell = [this](QObject*, QPainter& canvas, int col, int row, const QRect& rect,
                                            TGridDrawState state, const QString&,
                                            TDayState) { DrawCalendarCell(canvas, col, row, rect, state); };
}

void TfrmBDMain::CreateStatusPanel()
{
    KvHatchPanel1 = new widgets::TKvHatchPanel(this);
    KvHatchPanel1->setGeometry(4, 453, 778, 42);
    KvHatchPanel1->SetColor(widgets::clWhite);
    KvHatchPanel1->SetBorders(widgets::TKvBorderMode::bmFlat);
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

void TfrmBDMain::CreateMenus()
{
    pmCalendar = new QMenu(this);
    pmoAddEntry = pmCalendar->addAction(QStringLiteral("Add Entry"), this, &TfrmBDMain::pmoAddEntryClick);
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
    connect(pmCalendar, &QMenu::aboutToShow, this, &TfrmBDMain::pmCalendarPopup);

    pmTools = new QMenu(this);
    pmoBackup =
        pmTools->addAction(QStringLiteral("Backup all Entries to File"), this, &TfrmBDMain::pmoBackupClick);
    pmoRestore = pmTools->addAction(QStringLiteral("Restore all Entries from file"), this,
                                    &TfrmBDMain::pmoRestoreClick);
    pmTools->addSeparator();
    pmoClear = pmTools->addAction(QString(), this, &TfrmBDMain::pmoClearClick);
    connect(pmTools, &QMenu::aboutToShow, this, &TfrmBDMain::pmToolsPopup);
}

void TfrmBDMain::LoadOnce()
{
    if (Loaded)
        return;
    Loaded = true;
    try {
        BDEngine.LoadFromRegistry();
    } catch (const EEntryStoreError& error) {
        services_.Dialogs().ShowError(this, platform::FromDiaryText(error.what()), services_.Title());
    }
}

void TfrmBDMain::Activated()
{
    LoadOnce();
    RefreshMonthCaption();
    RefreshStatus();
}

void TfrmBDMain::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Activated();
}

void TfrmBDMain::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Activated();
}

void TfrmBDMain::RefreshMonthCaption()
{
    lblMonth->setText(QStringLiteral("%1 %2").arg(KvCalendar->MonthName()).arg(KvCalendar->Year()));
}

void TfrmBDMain::RefreshStatus()
{
    const TKeeperStatus status = KeeperStatus(BDEngine.Entries(), KvCalendar->Month());
    lblStatusTotalEntries->setText(platform::FromDiaryText(status.Counter));
    LblMonthDetails->SetCaption(platform::FromDiaryText(status.ThisMonth));
    LblMonth2Details->SetCaption(platform::FromDiaryText(status.NextMonth));
    KvCalendar->SetSpecialDays(status.SpecialDays);
    KvCalendar->update();
}

void TfrmBDMain::PrevMonth()
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

void TfrmBDMain::NextMonth()
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

void TfrmBDMain::LastMonthOfYear()
{
    KvCalendar->SetDay(1);
    KvCalendar->SetMonth(12);
    RefreshMonthCaption();
    RefreshStatus();
}

void TfrmBDMain::ShowToday()
{
    KvCalendar->SetCalendarDate(services_.Today());
    RefreshMonthCaption();
    RefreshStatus();
}

bool TfrmBDMain::HandleKey(int key)
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

void TfrmBDMain::keyPressEvent(QKeyEvent* event)
{
    if (!HandleKey(event->key()))
        QDialog::keyPressEvent(event);
}

bool TfrmBDMain::eventFilter(QObject* watched, QEvent* event)
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

double TfrmBDMain::SelectedDate() const
{
    const calendar::TDate date = KvCalendar->CalendarDate();
    return calendar::EncodeDate(date.Year, date.Month, date.Day);
}

void TfrmBDMain::DrawCalendarCell(QPainter& canvas, int col, int row, const QRect& rect, int state)
{
    const double date = KvCalendar->CellDate(col, row);
    if (row < KvCalendar->FixedRows() || date == 0)
        return;
    canvas.drawLine(rect.left(), rect.top() + CellHeaderHeight, rect.right(), rect.top() + CellHeaderHeight);
    canvas.fillRect(QRect(QPoint(rect.left(), rect.top() + CellHeaderHeight + 1), rect.bottomRight()),
                    CellNamesColour);
    const std::vector<TEntry*> entries = BDEngine.Entries().EntriesOfDay(date);
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
    const QColor colour =
        (state & (calendar::gdSelected | calendar::gdFocused)) ? QColor(255, 0, 0) : QColor(0, 0, 255);
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

void TfrmBDMain::ContextPopup(QPoint mousePos, bool& handled)
{
    std::optional<calendar::TGridCoord> cell;
    if (mousePos.x() < 0 || mousePos.y() < 1)
        cell = calendar::TGridCoord{KvCalendar->Col(), KvCalendar->Row()};
    else
        cell = KvCalendar->MouseToCell(mousePos);
    handled = !cell || cell->Row < KvCalendar->FixedRows() || KvCalendar->CellDay(cell->Col, cell->Row) == 0;
}

void TfrmBDMain::pmCalendarPopup()
{
    const TCalendarMenu menu = CalendarMenu(BDEngine.Entries().EntriesOfDay(SelectedDate()));
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

void TfrmBDMain::MoveToEntryDay(const TEntry& entry)
{
    const calendar::TDate shown = KvCalendar->CalendarDate();
    if (shown.Month == entry.Month() && shown.Day == entry.Day())
        return;
    const calendar::TDate target = DayOfEntry(shown, entry.Month(), entry.Day());
    if (target.Month != shown.Month) {
        KvCalendar->SetDay(1);
        KvCalendar->SetMonth(target.Month);
    }
    KvCalendar->SetDay(target.Day);
    KvCalendar->update();
}

void TfrmBDMain::pmoAddEntryClick()
{
    TEntry scratch;
    if (!TFrmBDEntry::NewEntry(this, services_, scratch, SelectedDate()))
        return;
    TEntry& entry = BDEngine.Entries().Add();
    entry.SetFullName(scratch.FullName());
    entry.SetBirthDate(scratch.BirthDate());
    entry.SetNotes(scratch.Notes());
    MoveToEntryDay(entry);
    RefreshStatus();
}

void TfrmBDMain::pmEditEntriesByTagClick(int tag)
{
    TEntry* entry = BDEngine.Entries().EntryOfDay(tag, SelectedDate());
    if (entry == nullptr || !TFrmBDEntry::EditEntry(this, services_, *entry))
        return;
    entry->MarkModified();
    MoveToEntryDay(*entry);
    RefreshStatus();
}

void TfrmBDMain::pmDeleteEntriesByTagClick(int tag)
{
    TEntry* entry = BDEngine.Entries().EntryOfDay(tag, SelectedDate());
    if (entry == nullptr)
        return;
    const QString question =
        QStringLiteral("Delete entry \"%1\"?").arg(platform::FromDiaryText(entry->FullName()));
    if (services_.Dialogs().MessageBox(this, question, services_.Title(), widgets::TMsgIcon::Warning,
                                       widgets::TMsgButtons::OkCancel,
                                       widgets::TMsgAnswer::Ok) != widgets::TMsgAnswer::Ok)
        return;
    BDEngine.Entries().Delete(BDEngine.Entries().IndexOf(entry));
    KvCalendar->update();
}

void TfrmBDMain::KvCalendarDblClick()
{
    const double date = SelectedDate();
    if (date <= 0)
        return;
    const std::vector<TEntry*> entries = BDEngine.Entries().EntriesOfDay(date);
    if (entries.size() != 1) {
        pmCalendar->popup(QCursor::pos());
        return;
    }
    if (!TFrmBDEntry::EditEntry(this, services_, *entries.front()))
        return;
    MoveToEntryDay(*entries.front());
    RefreshStatus();
}

void TfrmBDMain::pmToolsPopup()
{
    const int count = BDEngine.Entries().Count();
    pmoClear->setText(QString::fromStdString(ClearCaption(count)));
    pmoClear->setEnabled(count > 0);
    pmoBackup->setEnabled(count > 0);
    pmoRestore->setEnabled(true);
}

void TfrmBDMain::pmoBackupClick()
{
    const auto chosen = services_.Dialogs().SaveFileName(this, QStringLiteral("Backup to a birthday file..."),
                                                         BackupName, BackupFilter);
    if (!chosen)
        return;
    const QString file = WithBackupExtension(*chosen);
    const bool modified = BDEngine.Entries().Modified();
    try {
        BDEngine.SaveToFile(file.toStdString());
    } catch (const EEntryStoreError& error) {
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

void TfrmBDMain::pmoRestoreClick()
{
    const auto file = services_.Dialogs().OpenFileName(this, QStringLiteral("Open a birthday backup file..."),
                                                       BackupName, BackupFilter);
    if (!file)
        return;
    if (BDEngine.Entries().Count() > 0 &&
        services_.Dialogs().MessageBox(
            this, QStringLiteral("This will overwrite all your current entries. Are you sure?"),
            services_.Title(), widgets::TMsgIcon::Warning, widgets::TMsgButtons::OkCancel,
            widgets::TMsgAnswer::Ok) != widgets::TMsgAnswer::Ok)
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

void TfrmBDMain::pmoClearClick()
{
    if (BDEngine.Entries().Count() == 0)
        return;
    for (const char* question : {"This will clear all your current entries. Are you sure?",
                                 "This operation is irreversible. Are you sure?"})
        if (services_.Dialogs().MessageBox(this, QString::fromLatin1(question), services_.Title(),
                                           widgets::TMsgIcon::Warning, widgets::TMsgButtons::OkCancel,
                                           widgets::TMsgAnswer::Ok) != widgets::TMsgAnswer::Ok)
            return;
    BDEngine.Entries().Clear();
    BDEngine.Entries().SetModified(true);
    KvCalendar->update();
    RefreshStatus();
}

bool TfrmBDMain::SaveOnClose()
{
    if (!BDEngine.Entries().Modified())
        return true;
    try {
        BDEngine.SaveToRegistry();
    } catch (const EEntryStoreError& error) {
        services_.Dialogs().ShowError(this, platform::FromDiaryText(error.what()), services_.Title());
        return false;
    }
    return true;
}

void TfrmBDMain::done(int result)
{
    if (SaveOnClose())
        QDialog::done(result);
}

void TfrmBDMain::closeEvent(QCloseEvent* event)
{
    if (!SaveOnClose()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace birthdays
