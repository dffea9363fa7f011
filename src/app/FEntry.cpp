#include "app/FEntry.h"

#include "app/Application.h"
#include "app/FMain.h"
#include "widgets/Dialogs.h"
#include "platform/QtText.h"
#include "storage/DiaryFile.h"
#include "widgets/KvCoolEdit.h"
#include "widgets/LbSpeedButton.h"

#include <QFile>
#include <QFrame>
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

// Without the characters at or below the blank at either end.
QString Trimmed(const QString& text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text[first].unicode() <= ' ')
        ++first;
    while (last > first && text[last - 1].unicode() <= ' ')
        --last;
    return text.mid(first, last - first);
}

// The password as the diary keeps it; the edit boxes refuse what the code page cannot hold.
std::string PasswordBytes(const QString& text)
{
    return platform::ToDiaryText(Trimmed(text)).value_or(std::string());
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

void Tell(QWidget* parent, const char* text)
{
    widgets::ShowMessage(parent, QString::fromLatin1(text), ApplicationTitle());
}

void Complain(QWidget* parent, const QString& text, const QString& caption)
{
    widgets::ShowError(parent, text, caption);
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

widgets::TLbSpeedButton* MakeButton(QWidget* parent, int left)
{
    auto* button = new widgets::TLbSpeedButton(parent);
    button->setGeometry(left, 188, 84, 29);
    button->SetStyle(widgets::TLbButtonStyle::bsModern);
    button->SetTransparent(true);
    button->SetAlignment(widgets::TAlignment::taCenter);
    button->SetShadowColor(widgets::clGray);
    return button;
}

TKvCoolEdit* MakeEdit(QWidget* parent, int left, int top)
{
    auto* edit = new TKvCoolEdit(parent);
    edit->setGeometry(left, top, 172, 21);
    edit->setMaxLength(20);
    PaintAsField(edit);
    edit->SetColorOnFocus(EditFocusColour);
    edit->SetTextColorOnFocus(Qt::black);
    return edit;
}

} // namespace

std::string ReplaceExtension(const std::string& Name, std::string_view Ext)
{
    if (Name.size() <= 2)
        return Name;
    return Name.substr(0, Name.size() - 3) + std::string(Ext.substr(0, 3));
}

std::string WithTrailingBackslash(const std::string& Folder)
{
    return Folder.ends_with('/') ? Folder : Folder + '/';
}

bool OpenDiary(QWidget* parent, const std::string& DiaryFile, const std::string& BackupFile,
               const std::string& Password, TLines& DiaryText)
{
    const TDiaryResult result = LoadDiary(DiaryFile, DiaryText, Password);
    if (result == drDone)
        return false;
    if (result == drWrongPassword) {
        Tell(parent, "Password is incorrect!");
        return true;
    }
    const TDiaryResult backup = LoadDiary(BackupFile, DiaryText, Password);
    if (backup == drDone || backup == drWrongPassword)
        Tell(parent, "Original diary is corrupted and\r\nrestored from backup");
    if (backup == drDone)
        return false;
    if (backup == drWrongPassword) {
        Tell(parent, "Password is incorrect!");
        return true;
    }
    Tell(parent, "This diary file is corrupted");
    DiaryText.clear();
    return true;
}

TfrmEntry::TfrmEntry(TfrmMain& main) : QDialog(&main), main_(main)
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

void TfrmEntry::CreateControls()
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

    CBDiary = new TExtendedComboBoxNN(this);
    CBDiary->setGeometry(109, 88, 172, 22);
    CBDiary->SetImageList(&ilDiary);
    CBDiary->setToolTip(
        QStringLiteral("Select your diary or *NEW* \r\n   to create a new one").replace("\r\n", "\n"));
    PaintAsField(CBDiary);
    connect(CBDiary, &QComboBox::activated, this, &TfrmEntry::CBDiaryChange);

    EdtDiary = MakeEdit(this, 109, 88);
    EdtDiary->SetAcceptChars(DiaryNameChars);
    EdtDiary->Options.EscCancels = true;
    EdtDiary->setToolTip(QStringLiteral("Type in your diary name"));
    EdtDiary->hide();
    EdtPassword = MakeEdit(this, 109, 140);
    EdtPassword->hide();
    EdtPassword->OnKeyPress = [this](TKvCoolEdit&, char32_t& key) {
        if (key == 13) {
            key = 0;
            btnNext->Click();
        }
    };

    Bevel = new QFrame(this);
    Bevel->setFrameShape(QFrame::HLine);
    Bevel->setFrameShadow(QFrame::Sunken);
    Bevel->setGeometry(109, 167, 176, 2);

    btnPrev = MakeButton(this, 109);
    connect(btnPrev, &widgets::TLbSpeedButton::OnClick, this, &TfrmEntry::btnPrevClick);
    btnNext = MakeButton(this, 198);
    connect(btnNext, &widgets::TLbSpeedButton::OnClick, this, &TfrmEntry::btnNextClick);
}

void TfrmEntry::ListDiaries()
{
    FIT.SetDirectory(main_.DiaryFolder);
    FIT.SetFileMask("*.dry");
    FIT.SetRecurse(false);
    FIT.SetEnabled(true);
    if (!FIT.Errors().empty())
        Complain(this,
                 QStringLiteral("The diary folder cannot be read:\r\n%1")
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

void TfrmEntry::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
}

void TfrmEntry::FormActivate()
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

void TfrmEntry::ApplyListChoice()
{
    const bool existing = CBDiary->currentIndex() != 0;
    LblPassword->setText(existing ? PasswordText : NewDiaryText);
    EdtPassword->setVisible(existing);
}

void TfrmEntry::CBDiaryChange()
{
    ApplyListChoice();
    FocusNothing();
}

void TfrmEntry::FocusNothing()
{
    setFocus();
}

void TfrmEntry::btnNextClick()
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
    EdtDiary->setFocus();
}

void TfrmEntry::OpenChosenDiary()
{
    main_.DiaryFile = main_.DiaryFolder + FileSystemName(CBDiary->currentText()) + ".dry";
    main_.BackupFile = ReplaceExtension(main_.DiaryFile, "bkd");
    main_.Password = PasswordBytes(EdtPassword->text());
    main_.NewDiary = false;
    if (OpenDiary(this, main_.DiaryFile, main_.BackupFile, main_.Password, main_.DiaryText))
        btnPrevClick();
    else
        accept();
}

void TfrmEntry::CreateNewDiary()
{
    const QString name = Trimmed(EdtDiary->text());
    if (name.isEmpty()) {
        Complain(this, QStringLiteral("Diary name cannot be blank"), QStringLiteral(" Error"));
        return;
    }
    const std::string file = main_.DiaryFolder + FileSystemName(name) + ".dry";
    if (DiaryExists(file)) {
        Complain(this, QStringLiteral("Diary Already Exists"), QStringLiteral(" Error"));
        return;
    }
    const auto retyped = widgets::CurrentDialogs().InputBox(
        this, QStringLiteral(" Password Confirmation"), QStringLiteral("Please retype your password:"), {});
    if (!retyped)
        return;
    if (Trimmed(*retyped) != Trimmed(EdtPassword->text())) {
        Complain(this, QStringLiteral("Passwords do not match"), QStringLiteral("Error"));
        return;
    }
    main_.DiaryFile = file;
    main_.BackupFile = ReplaceExtension(file, "pkd");
    main_.Password = PasswordBytes(EdtPassword->text());
    main_.NewDiary = true;
    main_.DiaryText.clear();
    accept();
}

void TfrmEntry::btnPrevClick()
{
    if (Step == 0) {
        reject(); // Exit: the program ends without showing its main window
        return;
    }
    Step = 0;
    CBDiary->show();
    EdtDiary->hide();
    ApplyListChoice();
    FocusNothing();
    LblDiary->setText(QStringLiteral("Select your diary"));
    btnPrev->SetCaption("E&xit");
    btnNext->SetCaption("&Next > ");
}

void TfrmEntry::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return; // Escape does not close this window; only Exit does
    QDialog::keyPressEvent(event);
}

void TfrmEntry::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (windowHandle() != nullptr && windowHandle()->startSystemMove())
        return;
    dragOffset_ = event->globalPosition().toPoint() - pos();
}

void TfrmEntry::mouseMoveEvent(QMouseEvent* event)
{
    if (dragOffset_)
        move(event->globalPosition().toPoint() - *dragOffset_);
}

void TfrmEntry::mouseReleaseEvent(QMouseEvent*)
{
    dragOffset_.reset();
}
