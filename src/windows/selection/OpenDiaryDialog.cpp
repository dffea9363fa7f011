#include "windows/selection/OpenDiaryDialog.h"

#include "windows/selection/OpeningChecks.h"

#include "formats/merge/ConflictCopy.h"
#include "platform/files/ListFiles.h"
#include "platform/locale/QtText.h"
#include "widgets/services/Services.h"
#include "widgets/controls/FlatEdit.h"
#include "widgets/controls/ResourceBitmaps.h"
#include "widgets/controls/SpeedButton.h"

#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QWindow>

#include <filesystem>

using base::result::Status;
using formats::diary::DiaryFormat;
using model::look::Gray;
using model::session::DiarySession;
using formats::merge::ConflictCopyOf;
using platform::files::ListFiles;
using platform::locale::FromDiaryText;
using platform::locale::ToDiaryText;
using platform::locale::TrimmedControls;
using widgets::controls::ButtonStyle;
using widgets::controls::FlatEdit;
using widgets::controls::HorizontalAlignment;
using widgets::controls::SharpPicture;
using widgets::controls::SpeedButton;
using widgets::services::Services;

namespace windows::selection {

namespace {

const QString NewDiaryItem = QStringLiteral("* New Diary *");
const QString NewDiaryText = QStringLiteral(
    "You are about to create a new diary. You will be asked for a diary name and a secret password.");
const QString PasswordText = QStringLiteral("Type in your password:");
const char* const DiaryNameChars = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz 0123456789_";
const QColor EditFocusColour(232, 240, 255);
// Beside the buttons, under the diary picture: the designed controls keep their places.
const QRect SealChoiceGeometry(109, 170, 185, 17);

// The password as the diary keeps it; the edit boxes refuse what the code page cannot hold.
std::string PasswordBytes(const QString& text)
{
    return ToDiaryText(TrimmedControls(text)).value_or(std::string());
}

std::string FileSystemName(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

// A file of that name in its folder, letter case ignored: on this system "Notes.dry" and
// "notes.dry" could both exist, and would be one diary to its user.
bool DiaryExists(const std::filesystem::path& file)
{
    std::error_code error;
    if (std::filesystem::exists(file, error))
        return true;
    const QString wanted = QFile::decodeName(file.filename().c_str()).toLower();
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path(), error))
        if (QFile::decodeName(entry.path().filename().c_str()).toLower() == wanted)
            return true;
    return false;
}

QFont WindowFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    return font;
}

// Edit fields and the list: black text on white, as the platform draws them.
void PaintAsField(QWidget* widget)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::Button, QColor(240, 240, 240));
    colours.setColor(QPalette::ButtonText, Qt::black);
    widget->setPalette(colours);
}

SpeedButton* MakeButton(QWidget* parent, int left)
{
    auto* button = new SpeedButton(parent);
    button->setGeometry(left, 188, 84, 29);
    button->SetStyle(ButtonStyle::Modern);
    button->SetTransparent(true);
    button->SetAlignment(HorizontalAlignment::Center);
    button->SetShadowColor(Gray);
    return button;
}

FlatEdit* MakeEdit(QWidget* parent, int left, int top)
{
    auto* edit = new FlatEdit(parent);
    edit->setGeometry(left, top, 172, 21);
    edit->setMaxLength(20);
    PaintAsField(edit);
    edit->SetColorOnFocus(EditFocusColour);
    edit->SetTextColorOnFocus(Qt::black);
    return edit;
}

} // namespace

bool OpenDiary(QWidget* parent, Services& services, DiarySession& session, const std::string& name,
               const std::string& password)
{
    const auto tell = [&](const std::string& text) {
        services.Dialogs().ShowMessage(parent, QString::fromStdString(text), services.Title());
    };
    const Status opened = session.Open(name, password, tell);
    if (!opened) {
        tell(opened.Message());
        return false;
    }
    if (!TakeWriterLock(parent, services, session))
        return false;
    OfferConflictCopies(parent, services, session);
    return true;
}

void OpenDiaryDialog::Complain(const QString& text, const QString& caption)
{
    services_.Dialogs().ShowError(this, text, caption);
}

OpenDiaryDialog::OpenDiaryDialog(QWidget* parent, Services& services, DiarySession& session,
                                 const std::string& lastDiaryName)
    : QDialog(parent), services_(services), session_(session)
{
    setObjectName("openDiaryDialog");
    // No title bar: the window is dragged from its background instead.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(296, 224);
    setFocusPolicy(Qt::ClickFocus);
    setFont(WindowFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    colours.setColor(QPalette::ButtonText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    CreateControls();
    ListDiaries(lastDiaryName);
    step_ = 0;
    nextButton_->SetCaption("&Next > ");
    backButton_->SetCaption("E&xit");
}

void OpenDiaryDialog::CreateControls()
{
    backgroundImage_ = new QLabel(this);
    backgroundImage_->setGeometry(0, 0, 296, 224);
    backgroundImage_->setPixmap(QPixmap::fromImage(SharpPicture(":/selection/background.png")));
    diaryImage_ = new QLabel(this);
    diaryImage_->setGeometry(8, 79, 94, 94);
    diaryImage_->setPixmap(QPixmap::fromImage(SharpPicture(":/selection/diary.png")));
    diaryPictures_ = {QPixmap::fromImage(SharpPicture(":/selection/book.png")),
                      QPixmap::fromImage(SharpPicture(":/selection/book-new.png"))};

    diaryLabel_ = new QLabel(QStringLiteral("Select your Diary:"), this);
    diaryLabel_->setGeometry(109, 68, 185, 16);
    passwordLabel_ = new QLabel(QStringLiteral("Type your diary password:"), this);
    passwordLabel_->setGeometry(109, 121, 185, 54);
    passwordLabel_->setWordWrap(true);
    passwordLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    diaryList_ = new PictureComboBox(this);
    diaryList_->setGeometry(109, 88, 172, 22);
    diaryList_->SetImageList(&diaryPictures_);
    diaryList_->setToolTip(
        QStringLiteral("Select your diary or *NEW* \r\n   to create a new one").replace("\r\n", "\n"));
    PaintAsField(diaryList_);
    connect(diaryList_, &QComboBox::activated, this, &OpenDiaryDialog::OnDiaryChosen);

    diaryNameEdit_ = MakeEdit(this, 109, 88);
    diaryNameEdit_->SetAcceptChars(DiaryNameChars);
    diaryNameEdit_->Options.EscCancels = true;
    diaryNameEdit_->setToolTip(QStringLiteral("Type in your diary name"));
    diaryNameEdit_->setAccessibleName(QStringLiteral("Diary name"));
    diaryNameEdit_->hide();
    passwordEdit_ = MakeEdit(this, 109, 140);
    passwordEdit_->hide();
    passwordEdit_->setAccessibleName(QStringLiteral("Password"));
    passwordEdit_->OnKeyPress = [this](FlatEdit&, char32_t& key) {
        if (key == 13) {
            key = 0;
            nextButton_->Click();
        }
    };

    sealCheck_ = new QCheckBox(QStringLiteral("Seal (encrypt) this diary"), this);
    sealCheck_->setGeometry(SealChoiceGeometry);
    sealCheck_->setChecked(true);
    sealCheck_->setToolTip(QStringLiteral("A sealed diary is enciphered with a key made from its password:\n"
                                           "without the password nothing in the file can be read."));
    sealCheck_->hide();

    bevel_ = new QFrame(this);
    bevel_->setFrameShape(QFrame::HLine);
    bevel_->setFrameShadow(QFrame::Sunken);
    bevel_->setGeometry(109, 167, 176, 2);

    backButton_ = MakeButton(this, 109);
    connect(backButton_, &SpeedButton::OnClick, this, &OpenDiaryDialog::OnBackClicked);
    nextButton_ = MakeButton(this, 198);
    connect(nextButton_, &SpeedButton::OnClick, this, &OpenDiaryDialog::OnNextClicked);

    const std::initializer_list<std::pair<QObject*, const char*>> names{
        {backgroundImage_, "backgroundImage"}, {diaryImage_, "diaryImage"},     {diaryLabel_, "diaryLabel"},
        {passwordLabel_, "passwordLabel"},     {diaryList_, "diaryList"},       {diaryNameEdit_, "diaryNameEdit"},
        {passwordEdit_, "passwordEdit"},       {sealCheck_, "sealCheck"},       {bevel_, "bevel"},
        {backButton_, "backButton"},           {nextButton_, "nextButton"}};
    for (const auto& [control, name] : names)
        control->setObjectName(QString::fromLatin1(name));
}

void OpenDiaryDialog::ListDiaries(const std::string& lastDiaryName)
{
    auto diaries = ListFiles(session_.DiaryFolder(), "*.dry");
    if (diaries) // a sync engine's conflict copy is offered for merging when its diary opens
        std::erase_if(*diaries, [](const std::string& name) { return ConflictCopyOf(name).has_value(); });
    if (!diaries)
        Complain(QStringLiteral("The diary folder cannot be read:\r\n%1").arg(QFile::decodeName(diaries.Message().c_str())),
                 QStringLiteral(" Error"));

    const QString lastDiary = FromDiaryText(lastDiaryName).toLower();
    diaryList_->AddItem(NewDiaryItem, 1);
    if (!diaries)
        return;
    for (size_t i = 0; i < diaries->size(); ++i) {
        const QString name = QFile::decodeName((*diaries)[i].c_str());
        if (name.toLower() == lastDiary)
            preselectIndex_ = static_cast<int>(i) + 1;
        diaryList_->AddItem(name.left(name.indexOf('.')), 0);
    }
}

void OpenDiaryDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        ShowPreselection();
    }
}

void OpenDiaryDialog::ShowPreselection()
{
    diaryNameEdit_->hide();
    if (preselectIndex_ > 0 && preselectIndex_ < diaryList_->count()) {
        diaryList_->setCurrentIndex(preselectIndex_);
        passwordLabel_->setText(PasswordText);
        passwordEdit_->show();
        passwordEdit_->setFocus();
    } else {
        diaryList_->setCurrentIndex(0);
        passwordLabel_->setText(NewDiaryText);
        passwordEdit_->hide();
        FocusNothing();
    }
}

void OpenDiaryDialog::ApplyListChoice()
{
    const bool existing = diaryList_->currentIndex() != 0;
    passwordLabel_->setText(existing ? PasswordText : NewDiaryText);
    passwordEdit_->setVisible(existing);
}

void OpenDiaryDialog::OnDiaryChosen()
{
    ApplyListChoice();
    FocusNothing();
}

void OpenDiaryDialog::FocusNothing()
{
    setFocus();
}

void OpenDiaryDialog::OnNextClicked()
{
    if (step_ == 1) {
        CreateNewDiary();
        return;
    }
    step_ = 1;
    nextButton_->SetCaption("&Finish >>");
    backButton_->SetCaption("< &Back");
    if (diaryList_->currentIndex() != 0) {
        OpenChosenDiary();
        return;
    }
    diaryNameEdit_->setText(QStringLiteral("My Diary"));
    diaryLabel_->setText(QStringLiteral("Type in your new diary name:"));
    passwordLabel_->setText(QStringLiteral("Select your secret password:"));
    diaryList_->hide();
    diaryNameEdit_->show();
    passwordEdit_->show();
    sealCheck_->show();
    diaryNameEdit_->setFocus();
}

void OpenDiaryDialog::OpenChosenDiary()
{
    if (OpenDiary(this, services_, session_, FileSystemName(diaryList_->currentText()),
                  PasswordBytes(passwordEdit_->text())))
        accept();
    else
        OnBackClicked();
}

void OpenDiaryDialog::CreateNewDiary()
{
    const QString name = TrimmedControls(diaryNameEdit_->text());
    if (name.isEmpty()) {
        Complain(QStringLiteral("Diary name cannot be blank"), QStringLiteral(" Error"));
        return;
    }
    const std::string file = session_.DiaryPath(FileSystemName(name));
    if (DiaryExists(file)) {
        Complain(QStringLiteral("Diary Already Exists"), QStringLiteral(" Error"));
        return;
    }
    const auto retyped = services_.Dialogs().InputBox(
        this, QStringLiteral(" Password Confirmation"), QStringLiteral("Please retype your password:"), {});
    if (!retyped)
        return;
    if (TrimmedControls(*retyped) != TrimmedControls(passwordEdit_->text())) {
        Complain(QStringLiteral("Passwords do not match"), QStringLiteral("Error"));
        return;
    }
    session_.Create(FileSystemName(name), PasswordBytes(passwordEdit_->text()),
                           sealCheck_->isChecked() ? DiaryFormat::Sealed : DiaryFormat::Plain);
    if (TakeWriterLock(this, services_, session_))
        accept();
}

void OpenDiaryDialog::OnBackClicked()
{
    if (step_ == 0) {
        reject(); // Exit: the program ends without showing its main window
        return;
    }
    step_ = 0;
    diaryList_->show();
    diaryNameEdit_->hide();
    sealCheck_->hide();
    ApplyListChoice();
    FocusNothing();
    diaryLabel_->setText(QStringLiteral("Select your diary"));
    backButton_->SetCaption("E&xit");
    nextButton_->SetCaption("&Next > ");
}

void OpenDiaryDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return; // Escape does not close this window; only Exit does
    QDialog::keyPressEvent(event);
}

void OpenDiaryDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (windowHandle() != nullptr && windowHandle()->startSystemMove())
        return;
    dragOffset_ = event->globalPosition().toPoint() - pos();
}

void OpenDiaryDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (dragOffset_)
        move(event->globalPosition().toPoint() - *dragOffset_);
}

void OpenDiaryDialog::mouseReleaseEvent(QMouseEvent*)
{
    dragOffset_.reset();
}

} // namespace windows::selection
