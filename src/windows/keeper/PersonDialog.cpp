#include "windows/keeper/PersonDialog.h"

#include "base/dates/CalendarDate.h"
#include "model/birthdays/BirthDate.h"
#include "model/birthdays/Zodiac.h"
#include "windows/keeper/NotesEdit.h"
#include "platform/locale/Locale.h"
#include "platform/locale/QtText.h"
#include "widgets/controls/FlatEdit.h"
#include "widgets/controls/ResourceBitmaps.h"
#include "widgets/controls/SkinButton.h"
#include "widgets/services/Services.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

using base::dates::ConvertError;
using base::dates::Date;
using base::dates::DecodeDate;
using model::birthdays::BirthDateOf;
using model::birthdays::BirthdayEntry;
using model::birthdays::OfferedYears;
using model::birthdays::SignOf;
using model::birthdays::UnknownYear;
using model::birthdays::Zodiac;
using model::look::Silver;
using platform::locale::FromDiaryText;
using platform::locale::ShortMonthName;
using platform::locale::ToDiaryText;
using platform::locale::TrimmedControls;
using widgets::controls::ButtonStyle;
using widgets::controls::FlatEdit;
using widgets::controls::SharpPicture;
using widgets::controls::SkinButton;
using widgets::services::Services;

namespace windows::keeper {

namespace {

const QColor DialogColour(0xDF, 0xDF, 0xCC);
const QColor FocusColour(0xF4, 0xF4, 0xFF);
const QString UnknownYearItem = QStringLiteral("?");
const QString DateHint =
    QStringLiteral("Enter the persons birthday date\nIf you don't know the exact year\nleave "
                   "the year box blank or in ?");
const char* const ZodiacPictureNames[12] = {"aries",       "taurus",    "gemini",   "cancer",
                                            "leo",         "virgo",     "libra",    "scorpio",
                                            "sagittarius", "capricorn", "aquarius", "pisces"};

QFont WindowFont(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

void SetBackground(QWidget* widget, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Base, colour);
    colours.setColor(QPalette::Button, colour);
    widget->setPalette(colours);
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    colours.setColor(QPalette::Text, colour);
    colours.setColor(QPalette::ButtonText, colour);
    widget->setPalette(colours);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int top)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(8, top, 76, 16);
    SetTextColour(label, Qt::black);
    return label;
}

QComboBox* MakeList(QWidget* parent, const char* name, int left, int width, int visibleItems)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(left, 38, width, 22);
    list->setMaxVisibleItems(visibleItems);
    list->setToolTip(DateHint);
    SetBackground(list, Qt::white);
    SetTextColour(list, Qt::black);
    return list;
}

SkinButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int left)
{
    auto* button = new SkinButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 158, 75, 25);
    button->SetStyle(ButtonStyle::Modern);
    button->SetColor(Silver);
    button->SetCaption(caption);
    return button;
}

} // namespace

PersonDialog::PersonDialog(QWidget* owner, Services& services) : QDialog(owner), services_(services)
{
    setObjectName("personDialog");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(332, 193);
    setFont(WindowFont(12));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, DialogColour);
    setPalette(colours);
    setAutoFillBackground(true);
    CreateControls();
    FillLists();
}

void PersonDialog::CreateControls()
{
    nameLabel_ = MakeLabel(this, "nameLabel", QStringLiteral("Name:"), 12);
    nameEdit_ = new FlatEdit(this);
    nameEdit_->setObjectName("nameEdit");
    nameEdit_->setGeometry(86, 9, 194, 21);
    nameEdit_->setMaxLength(30);
    nameEdit_->setToolTip(QStringLiteral("Enter the persons' full name"));
    nameLabel_->setBuddy(nameEdit_);
    SetBackground(nameEdit_, Qt::white);
    SetTextColour(nameEdit_, Qt::black);
    nameEdit_->SetColorOnFocus(Qt::white);
    nameEdit_->SetTextColorOnFocus(Qt::black);
    nameEdit_->OnEnter = [this](FlatEdit&) { ShowFocus(nameEdit_, nameLabel_, true); };
    nameEdit_->OnExit = [this](FlatEdit&) { ShowFocus(nameEdit_, nameLabel_, false); };

    birthDateLabel_ = MakeLabel(this, "birthDateLabel", QStringLiteral("Date of Birth:"), 41);
    monthList_ = MakeList(this, "monthList", 86, 62, 13);
    dayList_ = MakeList(this, "dayList", 152, 48, 10);
    yearList_ = MakeList(this, "yearList", 204, 76, 10);

    notesLabel_ = MakeLabel(this, "notesLabel", QStringLiteral("Notes:"), 70);
    notesEdit_ = new NotesEdit(this);
    notesEdit_->setObjectName("notesEdit");
    notesEdit_->setGeometry(86, 68, 238, 80);
    notesEdit_->setToolTip(QStringLiteral("Enter any additional notes"));
    notesLabel_->setBuddy(notesEdit_);
    SetBackground(notesEdit_, Qt::white);
    SetTextColour(notesEdit_, Qt::black);

    for (QWidget* field : std::initializer_list<QWidget*>{monthList_, dayList_, yearList_, notesEdit_})
        field->installEventFilter(this);
    for (QComboBox* list : {monthList_, dayList_, yearList_})
        connect(list, &QComboBox::currentIndexChanged, this, &PersonDialog::ShowZodiac);

    zodiacPicture_ = new QLabel(this);
    zodiacPicture_->setObjectName("zodiacPicture");
    zodiacPicture_->setGeometry(288, 8, 37, 37);
    zodiacPicture_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    zodiacPicture_->setLineWidth(1);
    zodiacBitmap_ = SharpPicture(QStringLiteral(":/zodiac/start.png")).convertToFormat(QImage::Format_RGB32);
    zodiacPicture_->setPixmap(QPixmap::fromImage(zodiacBitmap_));
    for (const char* name : ZodiacPictureNames)
        zodiacPictures_.push_back(SharpPicture(QStringLiteral(":/zodiac/%1.png").arg(QLatin1String(name))));
    zodiacLabel_ = new QLabel(this);
    zodiacLabel_->setObjectName("zodiacLabel");
    zodiacLabel_->setGeometry(280, 47, 52, 14);
    zodiacLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    zodiacLabel_->setFont(WindowFont(10));
    SetTextColour(zodiacLabel_, Qt::black);

    okButton_ = MakeButton(this, "okButton", QStringLiteral("O&k"), 166);
    cancelButton_ = MakeButton(this, "cancelButton", QStringLiteral("&Cancel"), 249);
    connect(okButton_, &SkinButton::OnClick, this, &PersonDialog::OnOkClicked);
    connect(cancelButton_, &SkinButton::OnClick, this, &QDialog::reject);
}

void PersonDialog::FillLists()
{
    monthList_->clear();
    for (int month = 1; month <= 12; ++month)
        monthList_->addItem(ShortMonthName(month));
    yearList_->clear();
    for (const int year : OfferedYears(services_.Today().Year))
        yearList_->addItem(QString::number(year));
    yearList_->insertItem(0, UnknownYearItem);
    dayList_->clear();
    for (int day = 1; day <= 31; ++day)
        dayList_->addItem(QString::asprintf("%.2d", day));
}

bool PersonDialog::NewEntry(QWidget* owner, Services& services, BirthdayEntry& entry, double date)
{
    PersonDialog dialog(owner, services);
    dialog.PrepareNew(entry, date);
    return dialog.exec() == QDialog::Accepted;
}

bool PersonDialog::EditEntry(QWidget* owner, Services& services, BirthdayEntry& entry)
{
    PersonDialog dialog(owner, services);
    dialog.PrepareEdit(entry);
    return dialog.exec() == QDialog::Accepted;
}

void PersonDialog::PrepareNew(BirthdayEntry& entry, double date)
{
    setWindowTitle(QStringLiteral("New Entry"));
    Open(entry, date);
    yearList_->setCurrentIndex(-1);
}

void PersonDialog::PrepareEdit(BirthdayEntry& entry)
{
    setWindowTitle(QStringLiteral("Birthday Entry"));
    nameEdit_->setText(FromDiaryText(entry.FullName()));
    notesEdit_->SetNotes(entry.Notes());
    Open(entry, entry.BirthDate());
}

void PersonDialog::Open(BirthdayEntry& entry, double date)
{
    entry_ = &entry;
    ShowDate(date);
    ShowZodiac();
}

void PersonDialog::ShowDate(double date)
{
    dayList_->setCurrentIndex(-1);
    monthList_->setCurrentIndex(-1);
    yearList_->setCurrentIndex(-1);
    if (date == 0)
        return;
    Date day;
    try {
        day = DecodeDate(date);
    } catch (const ConvertError&) {
        return;
    }
    dayList_->setCurrentIndex(day.Day - 1);
    monthList_->setCurrentIndex(day.Month - 1);
    if (day.Year == UnknownYear) {
        yearList_->setCurrentIndex(0);
        return;
    }
    for (int i = 1; i < yearList_->count(); ++i)
        if (yearList_->itemText(i).toInt() == day.Year)
            yearList_->setCurrentIndex(i);
}

std::optional<double> PersonDialog::ChosenDate() const
{
    const int year = yearList_->currentIndex() > 0 ? yearList_->currentText().toInt() : UnknownYear;
    return BirthDateOf(year, monthList_->currentIndex() + 1, dayList_->currentIndex() + 1);
}

void PersonDialog::ShowZodiac()
{
    const auto date = ChosenDate();
    const Zodiac* sign = date ? SignOf(*date) : nullptr;
    if (sign == nullptr) {
        zodiacLabel_->clear();
        return;
    }
    zodiacLabel_->setText(QString::fromStdString(sign->Name));
    QPainter painter(&zodiacBitmap_);
    painter.drawImage(0, 0, zodiacPictures_.at(static_cast<size_t>(sign->ImageIndex)));
    painter.end();
    zodiacPicture_->setPixmap(QPixmap::fromImage(zodiacBitmap_));
}

void PersonDialog::OnOkClicked()
{
    const QString name = TrimmedControls(nameEdit_->text());
    if (name.isEmpty()) {
        nameEdit_->setFocus();
        services_.Dialogs().ShowError(this, QStringLiteral("Please enter a name for this person"),
                                      services_.Title());
        return;
    }
    const auto date = ChosenDate();
    if (!date) {
        dayList_->setFocus();
        services_.Dialogs().ShowError(this, QStringLiteral("Please enter a valid birth date for this person"),
                                      services_.Title());
        return;
    }
    entry_->SetFullName(ToDiaryText(name).value_or(std::string()));
    entry_->SetBirthDate(*date);
    entry_->SetNotes(notesEdit_->Notes());
    accept();
}

bool PersonDialog::IsDateList(const QObject* object) const
{
    return object == monthList_ || object == dayList_ || object == yearList_;
}

void PersonDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && IsDateList(focusWidget()))
        return; // Escape in a date list belongs to the list
    QDialog::keyPressEvent(event);
}

bool PersonDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        auto* field = static_cast<QWidget*>(watched);
        ShowFocus(field, IsDateList(watched) ? birthDateLabel_ : notesLabel_,
                  event->type() == QEvent::FocusIn);
    }
    return QDialog::eventFilter(watched, event);
}

void PersonDialog::ShowFocus(QWidget* field, QLabel* label, bool focused)
{
    SetBackground(field, focused ? FocusColour : QColor(Qt::white));
    SetTextColour(label, focused ? QColor(Qt::blue) : QColor(Qt::black));
}

} // namespace windows::keeper
