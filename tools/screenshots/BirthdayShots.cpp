// The birthday keeper: its window over a month with birthdays (one day fuller than its cell),
// the entry dialog with a sign shown, and the zodiac pictures at 100 % and 200 %.
#include "Screenshots.h"

#include "base/dates/CalendarDate.h"
#include "widgets/calendar/KeeperCalendar.h"
#include "windows/keeper/KeeperWindow.h"
#include "windows/keeper/PersonDialog.h"

#include <QLocale>
#include <QPainter>

using base::dates::EncodeDate;
using model::birthdays::BirthdayBook;
using model::birthdays::BirthdayEntry;
using model::birthdays::BirthdayEntryComponent;
using widgets::calendar::KeeperCalendar;
using windows::keeper::KeeperWindow;
using windows::keeper::PersonDialog;

namespace {

void AddPerson(BirthdayBook& entries, const char* name, int year, int month, int day)
{
    BirthdayEntry& entry = entries.Add();
    entry.SetFullName(name);
    entry.SetBirthDate(EncodeDate(year, month, day));
}

void FillMonth(BirthdayBook& entries)
{
    AddPerson(entries, "Anna Berg", 1975, 3, 21);
    AddPerson(entries, "Tom Keller", 1004, 3, 3);
    AddPerson(entries, "Grandma Rose", 1931, 3, 12);
    AddPerson(entries, "Wedding day", 2009, 3, 12);
    for (const char* name : {"Mia", "Noah", "Lena", "Paul", "Ida"})
        AddPerson(entries, name, 2012, 3, 27);
    AddPerson(entries, "Jonas Weber", 1988, 4, 2);
    AddPerson(entries, "Clara", 1004, 4, 17);
}

} // namespace

DAYBROOK_SCREENSHOT("keeper", [] {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    screenshots::ShotServices services;
    BirthdayEntryComponent stored((*services).SettingsStore(), 1252);
    FillMonth(stored.Entries());
    if (!stored.SaveToRegistry())
        std::abort();
    KeeperWindow keeper(nullptr, *services);
    keeper.setWindowTitle(QStringLiteral("The Daybrook : Birthday and anniversary keeper"));
    keeper.LoadOnce();
    keeper.findChild<KeeperCalendar*>(QStringLiteral("calendar"))->SetCalendarDate({2024, 3, 12});
    return screenshots::Grab(keeper);
});

DAYBROOK_SCREENSHOT("keeper-entry", [] {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    screenshots::ShotServices services;
    BirthdayEntry entry;
    entry.SetFullName("Grandma Rose");
    entry.SetBirthDate(EncodeDate(1931, 3, 12));
    entry.SetNotes("Loves lilies.\r\nCall in the morning.");
    PersonDialog dialog(nullptr, *services);
    dialog.PrepareEdit(entry);
    return screenshots::Grab(dialog);
});

DAYBROOK_SCREENSHOT("keeper-zodiac", [] {
    screenshots::ShotServices services;
    const PersonDialog dialog(nullptr, *services);
    QImage sheet(508, 193, QImage::Format_RGB32);
    sheet.fill(QColor(0xDF, 0xDF, 0xCC));
    QPainter painter(&sheet);
    const std::vector<QImage>& pictures = dialog.ZodiacPictures();
    for (size_t i = 0; i < pictures.size(); ++i) {
        const int n = static_cast<int>(i);
        painter.drawImage(4 + n * 42, 4, pictures[i]);
        painter.drawImage(QRect(4 + n % 6 * 84, 45 + n / 6 * 74, 76, 70), pictures[i]);
    }
    return sheet;
});
