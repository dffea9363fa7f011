#include "windows/selection/OpenDiaryDialog.h"

#include "windows/main/MainWindow.h"
#include "platform/locale/QtText.h"
#include "widgets/services/Services.h"
#include "widgets/controls/FlatEdit.h"
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
    return platform::ToDiaryText(platform::TrimmedControls(text)).value_or(std::string());
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

widgets::SpeedButton* MakeButton(QWidget* parent, int left)
{
    auto* button = new widgets::SpeedButton(parent);
    button->setGeometry(left, 188, 84, 29);
    button->SetStyle(widgets::ButtonStyle::Modern);
    button->SetTransparent(true);
    button->SetAlignment(widgets::HorizontalAlignment::Center);
    button->SetShadowColor(widgets::clGray);
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

bool OpenDiary(QWidget* parent, widgets::Services& services, DiarySession& session, const std::string& name,
               const std::string& password)
{
    const auto tell = [&](const char* text) {
        services.Dialogs().ShowMessage(parent, QString::fromLatin1(text), services.Title());
    };
    switch (session.Open(name, password)) {
    case OpenOutcome::Opened:
        return true;
    case OpenOutcome::RestoredFromBackup:
        tell("Original diary is corrupted and\r\nrestored from backup");
        return true;
    case OpenOutcome::WrongPassword:
        tell("Password is incorrect!");
        return false;
    case OpenOutcome::BackupWrongPassword:
        tell("Original diary is corrupted and\r\nrestored from backup");
        tell("Password is incorrect!");
        return false;
    case OpenOutcome::Corrupted:
        tell("This diary file is corrupted");
        return false;
    }
    return false;
}

void OpenDiaryDialog::Complain(const QString& text, const QString& caption)
{
    main_.Services().Dialogs().ShowError(this, text, caption);
}

OpenDiaryDialog::OpenDiaryDialog(MainWindow& main) : QDialog(&main), main_(main)
{
    setObjectName("frmEntry");
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
    ListDiaries();
    Step = 0;
    btnNext->SetCaption("&Next > ");
    btnPrev->SetCaption("E&xit");
}

void OpenDiaryDialog::CreateControls()
{
    imgBack = new QLabel(this);
    imgBack->setGeometry(0, 0, 296, 224);
    imgBack->setPixmap(QPixmap(":/selection/background.png"));
    imgDiary = new QLabel(this);
    imgDiary->setGeometry(8, 79, 94, 94);
    imgDiary->setPixmap(QPixmap(":/selection/diary.png"));
    ilDiary = {QPixmap(":/selection/book.png"), QPixmap(":/selection/book-new.png")};

    LblDiary = new QLabel(QStringLiteral("Select your Diary:"), this);
    LblDiary->setGeometry(109, 68, 185, 16);
    LblPassword = new QLabel(QStringLiteral("Type your diary password:"), this);
    LblPassword->setGeometry(109, 121, 185, 54);
    LblPassword->setWordWrap(true);
    LblPassword->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    CBDiary = new PictureComboBox(this);
    CBDiary->setGeometry(109, 88, 172, 22);
    CBDiary->SetImageList(&ilDiary);
    CBDiary->setToolTip(
        QStringLiteral("Select your diary or *NEW* \r\n   to create a new one").replace("\r\n", "\n"));
    PaintAsField(CBDiary);
    connect(CBDiary, &QComboBox::activated, this, &OpenDiaryDialog::CBDiaryChange);

    EdtDiary = MakeEdit(this, 109, 88);
    EdtDiary->SetAcceptChars(DiaryNameChars);
    EdtDiary->Options.EscCancels = true;
    EdtDiary->setToolTip(QStringLiteral("Type in your diary name"));
    EdtDiary->hide();
    EdtPassword = MakeEdit(this, 109, 140);
    EdtPassword->hide();
    EdtPassword->OnKeyPress = [this](FlatEdit&, char32_t& key) {
        if (key == 13) {
            key = 0;
            btnNext->Click();
        }
    };

    cbSealDiary = new QCheckBox(QStringLiteral("Seal (encrypt) this diary"), this);
    cbSealDiary->setGeometry(SealChoiceGeometry);
    cbSealDiary->setChecked(true);
    cbSealDiary->setToolTip(QStringLiteral("A sealed diary is enciphered with a key made from its password:\n"
                                           "without the password nothing in the file can be read."));
    cbSealDiary->hide();

    Bevel = new QFrame(this);
    Bevel->setFrameShape(QFrame::HLine);
    Bevel->setFrameShadow(QFrame::Sunken);
    Bevel->setGeometry(109, 167, 176, 2);

    btnPrev = MakeButton(this, 109);
    connect(btnPrev, &widgets::SpeedButton::OnClick, this, &OpenDiaryDialog::btnPrevClick);
    btnNext = MakeButton(this, 198);
    connect(btnNext, &widgets::SpeedButton::OnClick, this, &OpenDiaryDialog::btnNextClick);
}

void OpenDiaryDialog::ListDiaries()
{
    FIT.SetDirectory(main_.Session().DiaryFolder());
    FIT.SetFileMask("*.dry");
    FIT.SetRecurse(false);
    FIT.SetEnabled(true);
    if (!FIT.Errors().empty())
        Complain(QStringLiteral("The diary folder cannot be read:\r\n%1")
                     .arg(QFile::decodeName(FIT.Errors()[0].c_str())),
                 QStringLiteral(" Error"));

    const QString lastDiary =
        platform::FromDiaryText(main_.reger.GetValue("LastDiaryName").ToString()).toLower();
    CBDiary->AddItem(NewDiaryItem, 1);
    for (size_t i = 0; i < FIT.FileList().size(); ++i) {
        const QString name = QFile::decodeName(std::filesystem::path(FIT.FileList()[i]).filename().c_str());
        if (name.toLower() == lastDiary)
            PreselectIndex = static_cast<int>(i) + 1;
        CBDiary->AddItem(name.left(name.indexOf('.')), 0);
    }
}

void OpenDiaryDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
}

void OpenDiaryDialog::FormActivate()
{
    EdtDiary->hide();
    if (PreselectIndex > 0 && PreselectIndex < CBDiary->count()) {
        CBDiary->setCurrentIndex(PreselectIndex);
        LblPassword->setText(PasswordText);
        EdtPassword->show();
        EdtPassword->setFocus();
    } else {
        CBDiary->setCurrentIndex(0);
        LblPassword->setText(NewDiaryText);
        EdtPassword->hide();
        FocusNothing();
    }
}

void OpenDiaryDialog::ApplyListChoice()
{
    const bool existing = CBDiary->currentIndex() != 0;
    LblPassword->setText(existing ? PasswordText : NewDiaryText);
    EdtPassword->setVisible(existing);
}

void OpenDiaryDialog::CBDiaryChange()
{
    ApplyListChoice();
    FocusNothing();
}

void OpenDiaryDialog::FocusNothing()
{
    setFocus();
}

void OpenDiaryDialog::btnNextClick()
{
    if (Step == 1) {
        CreateNewDiary();
        return;
    }
    Step = 1;
    btnNext->SetCaption("&Finish >>");
    btnPrev->SetCaption("< &Back");
    if (CBDiary->currentIndex() != 0) {
        OpenChosenDiary();
        return;
    }
    EdtDiary->setText(QStringLiteral("My Diary"));
    LblDiary->setText(QStringLiteral("Type in your new diary name:"));
    LblPassword->setText(QStringLiteral("Select your secret password:"));
    CBDiary->hide();
    EdtDiary->show();
    EdtPassword->show();
    cbSealDiary->show();
    EdtDiary->setFocus();
}

void OpenDiaryDialog::OpenChosenDiary()
{
    if (OpenDiary(this, main_.Services(), main_.Session(), FileSystemName(CBDiary->currentText()),
                  PasswordBytes(EdtPassword->text())))
        accept();
    else
        btnPrevClick();
}

void OpenDiaryDialog::CreateNewDiary()
{
    const QString name = platform::TrimmedControls(EdtDiary->text());
    if (name.isEmpty()) {
        Complain(QStringLiteral("Diary name cannot be blank"), QStringLiteral(" Error"));
        return;
    }
    const std::string file = main_.Session().DiaryPath(FileSystemName(name));
    if (DiaryExists(file)) {
        Complain(QStringLiteral("Diary Already Exists"), QStringLiteral(" Error"));
        return;
    }
    const auto retyped = main_.Services().Dialogs().InputBox(
        this, QStringLiteral(" Password Confirmation"), QStringLiteral("Please retype your password:"), {});
    if (!retyped)
        return;
    if (platform::TrimmedControls(*retyped) != platform::TrimmedControls(EdtPassword->text())) {
        Complain(QStringLiteral("Passwords do not match"), QStringLiteral("Error"));
        return;
    }
    main_.Session().Create(FileSystemName(name), PasswordBytes(EdtPassword->text()),
                           cbSealDiary->isChecked() ? dfSealed : dfPlain);
    accept();
}

void OpenDiaryDialog::btnPrevClick()
{
    if (Step == 0) {
        reject(); // Exit: the program ends without showing its main window
        return;
    }
    Step = 0;
    CBDiary->show();
    EdtDiary->hide();
    cbSealDiary->hide();
    ApplyListChoice();
    FocusNothing();
    LblDiary->setText(QStringLiteral("Select your diary"));
    btnPrev->SetCaption("E&xit");
    btnNext->SetCaption("&Next > ");
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
