// Helpers for the keeper's window tests: the working store written beforehand, and modal
// dialogs answered from inside their own event loop.
#pragma once

#include "model/birthdays/BirthdayBook.h"

#include "support/TestServices.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace keeper_test {

inline void AddPerson(birthdays::BirthdayBook& entries, const std::string& name, int year, int month, int day,
                      const std::string& notes = {})
{
    birthdays::BirthdayEntry& entry = entries.Add();
    entry.SetFullName(name);
    entry.SetBirthDate(calendar::EncodeDate(year, month, day));
    entry.SetNotes(notes);
}

// Runs `act` on the next modal window of type T once it is open (and fails the test if none
// opens).
template <typename T> void WhenModalOpens(std::function<void(T&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr) << "no modal window is open";
        act(*window);
    });
}

class KeeperTest : public testing::Test {
protected:
    KeeperTest() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~KeeperTest() override { QLocale::setDefault(QLocale::system()); }

    platform::RegistryFile Store() const { return {services.SettingsFile(), {}}; }

    // The working store as the keeper finds it at its opening.
    void StoreEntries(const std::function<void(birthdays::BirthdayBook&)>& fill)
    {
        birthdays::BirthdayEntryComponent component(Store(), 1252);
        fill(component.Entries());
        ASSERT_TRUE(component.SaveToRegistry());
    }

    std::string StoredBytes() const { return *birthdays::ReadWorkingStore(Store()); }

    testing_support::TestServices services; // today is 15 March 2024
};

} // namespace keeper_test
