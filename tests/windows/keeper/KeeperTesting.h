// Helpers for the keeper's window tests: the working store written beforehand and read back,
// and items of drop-down lists chosen with the keyboard.
#pragma once

#include "model/birthdays/BirthdayBook.h"

#include "support/TestServices.h"
#include "support/WindowFixtures.h"

#include <QComboBox>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace keeper_test {

inline void AddPerson(model::birthdays::BirthdayBook& entries, const std::string& name, int year, int month,
                      int day, const std::string& notes = {})
{
    model::birthdays::BirthdayEntry& entry = entries.Add();
    entry.SetFullName(name);
    entry.SetBirthDate(base::dates::EncodeDate(year, month, day));
    entry.SetNotes(notes);
}

// Chooses an item of a drop-down list with the keyboard: Home, then down to it.
inline void Pick(QComboBox& list, const QString& item)
{
    const int index = list.findText(item);
    ASSERT_GE(index, 0) << item.toStdString();
    QTest::keyClick(&list, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.currentText(), item);
}

class KeeperTest : public testing::Test {
protected:
    KeeperTest() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~KeeperTest() override { QLocale::setDefault(QLocale::system()); }

    platform::registry::RegistryFile Store() const { return {services_.SettingsFile(), {}}; }

    // The working store as the keeper finds it at its opening.
    void StoreEntries(const std::function<void(model::birthdays::BirthdayBook&)>& fill)
    {
        model::birthdays::BirthdayEntryComponent component(Store(), 1252);
        fill(component.Entries());
        ASSERT_TRUE(component.SaveToRegistry());
    }

    std::string StoredBytes() const { return *model::birthdays::ReadWorkingStore(Store()); }

    // The people of the working store as "name month/day/year notes;" each.
    std::string StoredPeople() const
    {
        model::birthdays::BirthdayEntryComponent component(Store(), 1252);
        EXPECT_TRUE(component.LoadFromRegistry());
        std::string people;
        for (int i = 0; i < component.Entries().Count(); ++i) {
            const model::birthdays::BirthdayEntry& entry = component.Entries()[i];
            const base::dates::Date date = base::dates::DecodeDate(entry.BirthDate());
            people += entry.FullName() + " " + std::to_string(date.Month) + "/" + std::to_string(date.Day) +
                      "/" + std::to_string(date.Year) + (entry.Notes().empty() ? "" : " " + entry.Notes()) +
                      ";";
        }
        return people;
    }

    testing_support::TestServices services_; // today is 15 March 2024
};

} // namespace keeper_test
