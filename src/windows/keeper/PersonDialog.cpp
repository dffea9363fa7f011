#include "windows/keeper/PersonDialog.h"

#include "base/dates/CalendarDate.h"
#include "model/birthdays/BirthDate.h"
#include "model/birthdays/Zodiac.h"
#include "windows/keeper/NotesEdit.h"
#include "platform/locale/Locale.h"
#include "platform/locale/QtText.h"
#include "widgets/controls/FlatEdit.h"
#include "widgets/controls/SkinButton.h"
#include "widgets/services/Services.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace birthdays {

namespace {

const QColor DialogColour(0xDF, 0xDF, 0xCC);
const QColor FocusColour(0xF4, 0xF4, 0xFF);
const QString UnknownYearItem = QStringLiteral("?");
const QString DateHint =
    QStringLiteral("Enter the persons birthday date\nIf you don't know the exact year\nleave "
                   "the year box blank or in ?");
const char* const ZodiacPictures[12] = {"aries", "taurus",  "gemini",      "cancer",    "leo",      "virgo",
                                        "libra", "scorpio", "sagittarius", "capricorn", "aquarius", "pisces"};

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

QLabel* MakeLabel(QWidget* parent, const QString& caption, int top)
{
    auto* label = new QLabel(caption, parent);
    label->setGeometry(8, top, 76, 16);
    SetTextColour(label, Qt::black);
    return label;
}

QComboBox* MakeList(QWidget* parent, int left, int width, int visibleItems)
{
    auto* list = new QComboBox(parent);
    list->setGeometry(left, 38, width, 22);
    list->setMaxVisibleItems(visibleItems);
    list->setToolTip(DateHint);
    SetBackground(list, Qt::white);
    SetTextColour(list, Qt::black);
    return list;
}

widgets::SkinButton* MakeButton(QWidget* parent, const QString& caption, int left)
{
    auto* button = new widgets::SkinButton(parent);
    button->setGeometry(left, 158, 75, 25);
    button->SetStyle(widgets::ButtonStyle::Modern);
    button->SetColor(widgets::clSilver);
    button->SetCaption(caption);
    return button;
}

} // namespace

PersonDialog::PersonDialog(QWidget* owner, widgets::Services& services) : QDialog(owner), services_(services)
{
    setObjectName("FrmBDEntry");
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
    lblName = MakeLabel(this, QStringLiteral("Name:"), 12);
    edtFullName = new FlatEdit(this);
    edtFullName->setGeometry(86, 9, 194, 21);
    edtFullName->setMaxLength(30);
    edtFullName->setToolTip(QStringLiteral("Enter the persons' full name"));
    SetBackground(edtFullName, Qt::white);
    SetTextColour(edtFullName, Qt::black);
    edtFullName->SetColorOnFocus(Qt::white);
    edtFullName->SetTextColorOnFocus(Qt::black);
    edtFullName->OnEnter = [this](FlatEdit&) { ShowFocus(edtFullName, lblName, true); };
    edtFullName->OnExit = [this](FlatEdit&) { ShowFocus(edtFullName, lblName, false); };

    lblDateOfBirth = MakeLabel(this, QStringLiteral("Date of Birth:"), 41);
    cbMonth = MakeList(this, 86, 62, 13);
    cbDay = MakeList(this, 152, 48, 10);
    cbYear = MakeList(this, 204, 76, 10);

    lblNotes = MakeLabel(this, QStringLiteral("Notes:"), 70);
    edtNotes = new NotesEdit(this);
    edtNotes->setGeometry(86, 68, 238, 80);
    edtNotes->setToolTip(QStringLiteral("Enter any additional notes"));
    SetBackground(edtNotes, Qt::white);
    SetTextColour(edtNotes, Qt::black);

    for (QWidget* field : std::initializer_list<QWidget*>{cbMonth, cbDay, cbYear, edtNotes})
        field->installEventFilter(this);
    for (QComboBox* list : {cbMonth, cbDay, cbYear})
        connect(list, &QComboBox::currentIndexChanged, this, &PersonDialog::ShowZodiac);

    imgZodiac = new QLabel(this);
    imgZodiac->setGeometry(288, 8, 37, 37);
    imgZodiac->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    imgZodiac->setLineWidth(1);
    zodiacBitmap_ = QImage(QStringLiteral(":/zodiac/start.png")).convertToFormat(QImage::Format_RGB32);
    imgZodiac->setPixmap(QPixmap::fromImage(zodiacBitmap_));
    for (const char* name : ZodiacPictures)
        ilZodiac.push_back(QImage(QStringLiteral(":/zodiac/%1.png").arg(QLatin1String(name))));
    lblZodiac = new QLabel(this);
    lblZodiac->setGeometry(280, 47, 52, 14);
    lblZodiac->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblZodiac->setFont(WindowFont(10));
    SetTextColour(lblZodiac, Qt::black);

    BtnOk = MakeButton(this, QStringLiteral("O&k"), 166);
    BtnCancel = MakeButton(this, QStringLiteral("&Cancel"), 249);
    connect(BtnOk, &widgets::SkinButton::OnClick, this, &PersonDialog::BtnOkClick);
    connect(BtnCancel, &widgets::SkinButton::OnClick, this, &QDialog::reject);
}

void PersonDialog::FillLists()
{
    cbMonth->clear();
    for (int month = 1; month <= 12; ++month)
        cbMonth->addItem(platform::ShortMonthName(month));
    cbYear->clear();
    for (const int year : OfferedYears(services_.Today().Year))
        cbYear->addItem(QString::number(year));
    cbYear->insertItem(0, UnknownYearItem);
    cbDay->clear();
    for (int day = 1; day <= 31; ++day)
        cbDay->addItem(QString::asprintf("%.2d", day));
}

bool PersonDialog::NewEntry(QWidget* owner, widgets::Services& services, BirthdayEntry& entry, double date)
{
    PersonDialog dialog(owner, services);
    dialog.setWindowTitle(QStringLiteral("New Entry"));
    dialog.Open(entry, date);
    dialog.cbYear->setCurrentIndex(-1);
    return dialog.exec() == QDialog::Accepted;
}

bool PersonDialog::EditEntry(QWidget* owner, widgets::Services& services, BirthdayEntry& entry)
{
    PersonDialog dialog(owner, services);
    dialog.setWindowTitle(QStringLiteral("Birthday Entry"));
    dialog.edtFullName->setText(platform::FromDiaryText(entry.FullName()));
    dialog.edtNotes->SetNotes(entry.Notes());
    dialog.Open(entry, entry.BirthDate());
    return dialog.exec() == QDialog::Accepted;
}

void PersonDialog::Open(BirthdayEntry& entry, double date)
{
    entry_ = &entry;
    ShowDate(date);
    ShowZodiac();
}

void PersonDialog::ShowDate(double date)
{
    cbDay->setCurrentIndex(-1);
    cbMonth->setCurrentIndex(-1);
    cbYear->setCurrentIndex(-1);
    if (date == 0)
        return;
    calendar::Date day;
    try {
        day = calendar::DecodeDate(date);
    } catch (const calendar::ConvertError&) {
        return;
    }
    cbDay->setCurrentIndex(day.Day - 1);
    cbMonth->setCurrentIndex(day.Month - 1);
    if (day.Year == UnknownYear) {
        cbYear->setCurrentIndex(0);
        return;
    }
    for (int i = 1; i < cbYear->count(); ++i)
        if (cbYear->itemText(i).toInt() == day.Year)
            cbYear->setCurrentIndex(i);
}

std::optional<double> PersonDialog::ChosenDate() const
{
    const int year = cbYear->currentIndex() > 0 ? cbYear->currentText().toInt() : UnknownYear;
    return BirthDateOf(year, cbMonth->currentIndex() + 1, cbDay->currentIndex() + 1);
}

void PersonDialog::ShowZodiac()
{
    const auto date = ChosenDate();
    const Zodiac* sign = date ? SignOf(*date) : nullptr;
    if (sign == nullptr) {
        lblZodiac->clear();
        return;
    }
    lblZodiac->setText(QString::fromStdString(sign->Name));
    QPainter painter(&zodiacBitmap_);
    painter.drawImage(0, 0, ilZodiac.at(static_cast<size_t>(sign->ImageIndex)));
    painter.end();
    imgZodiac->setPixmap(QPixmap::fromImage(zodiacBitmap_));
}

void PersonDialog::BtnOkClick()
{
    const QString name = platform::TrimmedControls(edtFullName->text());
    if (name.isEmpty()) {
        edtFullName->setFocus();
        services_.Dialogs().ShowError(this, QStringLiteral("Please enter a name for this person"),
                                      services_.Title());
        return;
    }
    const auto date = ChosenDate();
    if (!date) {
        cbDay->setFocus();
        services_.Dialogs().ShowError(this, QStringLiteral("Please enter a valid birth date for this person"),
                                      services_.Title());
        return;
    }
    entry_->SetFullName(platform::ToDiaryText(name).value_or(std::string()));
    entry_->SetBirthDate(*date);
    entry_->SetNotes(edtNotes->Notes());
    accept();
}

bool PersonDialog::IsDateList(const QObject* object) const
{
    return object == cbMonth || object == cbDay || object == cbYear;
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
        ShowFocus(field, IsDateList(watched) ? lblDateOfBirth : lblNotes, event->type() == QEvent::FocusIn);
    }
    return QDialog::eventFilter(watched, event);
}

void PersonDialog::ShowFocus(QWidget* field, QLabel* label, bool focused)
{
    SetBackground(field, focused ? FocusColour : QColor(Qt::white));
    SetTextColour(label, focused ? QColor(Qt::blue) : QColor(Qt::black));
}

} // namespace birthdays
