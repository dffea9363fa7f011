// PersonDialog: the small modal dialog in which one person of the birthday keeper is entered or
// changed: a name, a date of birth as month, day and an optional year, and notes. While the
// date is valid it shows the person's sign of the zodiac.
#pragma once

#include "model/birthdays/BirthdayBook.h"

#include <QDialog>
#include <QImage>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;

namespace widgets::controls {
class FlatEdit;
class SkinButton;
} // namespace widgets::controls

namespace widgets::services {
class Services;
} // namespace widgets::services

namespace windows::keeper {

class NotesEdit;

class PersonDialog : public QDialog {
    Q_OBJECT
public:
    PersonDialog(QWidget* owner, widgets::services::Services& services);

    // A new person on the month and day of date, the year unknown. True when confirmed: the
    // scratch entry then holds the name, date and notes.
    static bool NewEntry(QWidget* owner, widgets::services::Services& services,
                         model::birthdays::BirthdayEntry& entry, double date);
    // Changes a person of the list. True when confirmed: the entry's properties were set.
    static bool EditEntry(QWidget* owner, widgets::services::Services& services,
                          model::birthdays::BirthdayEntry& entry);

    // A new person on the month and day of date, the year not chosen: OK fills entry.
    void PrepareNew(model::birthdays::BirthdayEntry& entry, double date);
    // A person of the list, shown for changing: OK sets its properties.
    void PrepareEdit(model::birthdays::BirthdayEntry& entry);

    // The pictures of the twelve signs, from Aries to Pisces.
    const std::vector<QImage>& ZodiacPictures() const { return zodiacPictures_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void FillLists();
    void Open(model::birthdays::BirthdayEntry& entry, double date);
    void ShowDate(double date);
    void ShowZodiac();
    void ShowFocus(QWidget* field, QLabel* label, bool focused);
    bool IsDateList(const QObject* object) const;
    // The date of the three lists when they form a real one; an unchosen year is unknown.
    std::optional<double> ChosenDate() const;
    void OnOkClicked();

    widgets::services::Services& services_;
    model::birthdays::BirthdayEntry* entry_ = nullptr;
    QImage zodiacBitmap_;
    std::vector<QImage> zodiacPictures_;

    widgets::controls::FlatEdit* nameEdit_;
    QComboBox* monthList_;
    QComboBox* dayList_;
    QComboBox* yearList_;
    NotesEdit* notesEdit_;
    widgets::controls::SkinButton* okButton_;
    widgets::controls::SkinButton* cancelButton_;
    QLabel* nameLabel_;
    QLabel* birthDateLabel_;
    QLabel* notesLabel_;
    QLabel* zodiacLabel_;
    QLabel* zodiacPicture_;
};

} // namespace windows::keeper
