#include "windows/tools/ToolsWindow.h"

#include "base/io/SafeFile.h"
#include "formats/export/DiaryExport.h"
#include "windows/tools/ProgressWindow.h"
#include "windows/tools/ToolsGlyphs.h"
#include "windows/tools/WebSite.h"
#include "platform/locale/Locale.h"
#include "platform/locale/QtText.h"
#include "model/session/DiarySession.h"
#include "widgets/controls/ToolButton.h"
#include "widgets/controls/QtColors.h"
#include "widgets/services/Services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>

#include <chrono>
#include <filesystem>
#include <future>

namespace {

const QString BackupFilter = QStringLiteral("Diary Backup (*.bkd)");
const QString ExportFilter = QStringLiteral("Microsoft Word/RTF files (*.rtf)");
const QString PasswordCaption = QStringLiteral("Password Change");

std::string FileSystemPath(const QString& file)
{
    return QFile::encodeName(file).toStdString();
}

// The file name with the extension added when it has none, as the file dialogs do.
QString WithDefaultExtension(const QString& file, const QString& extension)
{
    return QFileInfo(file).suffix().isEmpty() ? file + '.' + extension : file;
}

// Every other window of the program is disabled while it lives.
class OtherWindowsDisabled {
public:
    explicit OtherWindowsDisabled(const QWidget* spared)
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != spared && window->isVisible() && window->isEnabled()) {
                window->setEnabled(false);
                disabled_.push_back(window);
            }
    }
    ~OtherWindowsDisabled()
    {
        for (const auto& window : disabled_)
            if (window)
                window->setEnabled(true);
    }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

private:
    std::vector<QPointer<QWidget>> disabled_;
};

// Lets the program repaint during a long task, a few dozen times a second.
class RepaintPacer {
public:
    RepaintPacer() { clock_.start(); }

    static constexpr int IntervalMs = 40;

    void Tick()
    {
        if (clock_.elapsed() < IntervalMs)
            return;
        QApplication::processEvents();
        clock_.restart();
    }

private:
    QElapsedTimer clock_;
};

rtf::CharFormat ExportFont(const editor::StoredFont& stored)
{
    rtf::CharFormat format;
    format.Font = stored.Font.family().toStdString();
    const int points = stored.Font.pointSize() > 0 ? stored.Font.pointSize() : 10;
    format.HalfPoints = 2 * points;
    format.Italic = stored.Font.italic();
    format.Strike = stored.Font.strikeOut();
    format.Color = static_cast<uint32_t>(stored.Color.rgb()) & 0xFFFFFF;
    return format;
}

widgets::ToolButton* MakeButton(QWidget* parent, const QRect& bounds, const char* caption,
                                   const char* glyph, const char* hint)
{
    auto* button = new widgets::ToolButton(parent);
    button->setGeometry(bounds);
    button->SetLayout(widgets::ButtonLayout::blGlyphLeft);
    button->SetCaption(QString::fromLatin1(caption));
    button->SetGlyph(OptionsGlyph(glyph));
    button->setToolTip(QString::fromLatin1(hint));
    return button;
}

} // namespace

ToolsWindow::ToolsWindow(QWidget* owner, widgets::Services& services, DiarySession& session,
                         Settings& reger, PackedResources& rStore, ToolsWindowHost host)
    : ToolDialog(owner, rStore, QSize(386, 373)),
      OpenUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }), services_(services),
      session_(session), reger_(reger), host_(std::move(host))
{
    setObjectName("frmOptions");
    lblTitle->setText(services_.Title() + QStringLiteral(" - Tools and Options"));
    CreateButtons();
}

void ToolsWindow::CreateButtons()
{
    btnBackup =
        MakeButton(this, {19, 58, 164, 30}, " Backup your Diary", "OPBACKUP", "Backup your diary to file");
    btnRestore = MakeButton(this, {19, 98, 164, 30}, " Restore your Diary", "OPRESTORE",
                            "Backup your diary from file");
    btnExport = MakeButton(this, {19, 138, 164, 30}, " Export to Word/RTF", "OPEXPORT",
                           "Export to Microsoft Word/RTF");
    // A tool tip shows the hint's short form; the long one is the status tip.
    btnSetFont = MakeButton(this, {204, 58, 164, 30}, " Set Font Language", "OPFONT",
                            "Set the default font \nfor writing your Diary");
    btnSetFont->setStatusTip(QStringLiteral("Set your prefered font"));
    btnChgPassword = MakeButton(this, {205, 98, 164, 30}, " Change Password", "OPPASSWORD",
                                "Change current diary password");
    btnWebsite = MakeButton(this, {205, 138, 164, 30}, "  Visit our web site", "OPWEB", "Visit our web site");
    btnWebsite->setCursor(Qt::PointingHandCursor);
    btnSeal = MakeButton(this, {19, 188, 164, 30}, " Seal this diary", "OPPASSWORD",
                         "Encrypt the diary file with its password, or store it unencrypted again");
    btnClose = MakeButton(this, {135, 328, 116, 30}, " Ok", "OPOK", "Close this dialog");
    connect(btnBackup, &widgets::ToolButton::OnClick, this, &ToolsWindow::BtnBackupClick);
    connect(btnRestore, &widgets::ToolButton::OnClick, this, &ToolsWindow::BtnRestoreClick);
    connect(btnExport, &widgets::ToolButton::OnClick, this, &ToolsWindow::btnExportClick);
    connect(btnSetFont, &widgets::ToolButton::OnClick, this, &ToolsWindow::BtnSetFontClick);
    connect(btnChgPassword, &widgets::ToolButton::OnClick, this, &ToolsWindow::btnChgPasswordClick);
    connect(btnWebsite, &widgets::ToolButton::OnClick, this, &ToolsWindow::btnWebsiteClick);
    connect(btnSeal, &widgets::ToolButton::OnClick, this, &ToolsWindow::btnSealClick);
    connect(btnClose, &widgets::ToolButton::OnClick, this, &ToolsWindow::BtnCloseClick);
}

void ToolsWindow::Execute(int currentSkin)
{
    ShowSealChoice();
    ShowSkin(currentSkin);
    setFocus();
    exec();
}

void ToolsWindow::Tell(const QString& text)
{
    services_.Dialogs().ShowMessage(this, text, services_.Title());
}

void ToolsWindow::BtnBackupClick()
{
    const auto file = services_.Dialogs().SaveFileName(
        this, QString(), QString::fromStdString(session_.DiaryFolder()) + QStringLiteral("Diary Backup"),
        BackupFilter);
    if (!file)
        return;
    if (!session_.Backup(FileSystemPath(WithDefaultExtension(*file, QStringLiteral("bkd")))).Ok())
        Tell(QStringLiteral("Backup failed!"));
}

void ToolsWindow::BtnRestoreClick()
{
    const auto file = services_.Dialogs().OpenFileName(
        this, QString(), QString::fromStdString(session_.DiaryFolder()) + QStringLiteral("Diary Backup"),
        BackupFilter);
    if (file && QFileInfo::exists(*file)) {
        switch (session_.Restore(FileSystemPath(*file))) {
        case RestoreOutcome::Restored:
            host_.ReloadShownDay();
            break;
        case RestoreOutcome::OtherPassword:
            Tell(QStringLiteral(
                "This diary has a different password\r\nyou must change your current password"));
            break;
        case RestoreOutcome::Corrupted:
            Tell(QStringLiteral("This diary file is corrupted"));
            break;
        }
    }
    host_.UpdateActiveDays();
}

std::optional<QString> ToolsWindow::AskPassword(const QString& prompt)
{
    return services_.Dialogs().InputBox(this, PasswordCaption, prompt, QString());
}

void ToolsWindow::btnChgPasswordClick()
{
    const auto typedOld = AskPassword(QStringLiteral("Enter OLD password"));
    if (!typedOld)
        return;
    const auto oldPassword = platform::ToDiaryText(*typedOld);
    if (!oldPassword || TrimControls(*oldPassword) != TrimControls(session_.Password)) {
        Tell(QStringLiteral("Password is incorrect!"));
        return;
    }
    const auto typedNew = AskPassword(QStringLiteral("Enter NEW password"));
    if (!typedNew)
        return;
    const auto confirmation = AskPassword(QStringLiteral("Re-enter NEW password for confirmation"));
    if (!confirmation)
        return;
    if (*typedNew != *confirmation) {
        Tell(QStringLiteral("Passwords do not match!"));
        return;
    }
    const auto newPassword = platform::ToDiaryText(*typedNew);
    if (!newPassword) {
        Tell(QStringLiteral("The new password holds characters that the diary cannot store"));
        return;
    }
    if (session_.ChangePassword(*oldPassword, *newPassword, *newPassword) == PasswordChange::Changed)
        Tell(QStringLiteral("Password was successfully changed"));
}

void ToolsWindow::ShowSealChoice()
{
    btnSeal->SetCaption(session_.Format() == DiaryFormat::Sealed ? QStringLiteral(" Unseal this diary")
                                                      : QStringLiteral(" Seal this diary"));
}

void ToolsWindow::btnSealClick()
{
    const bool sealing = session_.Format() != DiaryFormat::Sealed;
    const auto typed = AskPassword(QStringLiteral("Enter your password"));
    if (!typed)
        return;
    const auto password = platform::ToDiaryText(*typed);
    if (!password || TrimControls(*password) != TrimControls(session_.Password)) {
        Tell(QStringLiteral("Password is incorrect!"));
        return;
    }
    session_.SetFormat(sealing ? DiaryFormat::Sealed : DiaryFormat::Plain);
    host_.UpdateActiveDays();
    ShowSealChoice();
    Tell(sealing ? QStringLiteral("The diary will be saved encrypted when you exit.")
                 : QStringLiteral("The diary will be saved unencrypted when you exit."));
}

void ToolsWindow::btnExportClick()
{
    const auto chosen = services_.Dialogs().SaveFileName(
        this, QString(), QString::fromStdString(session_.DiaryFolder()) + QStringLiteral("Diary Word Export"),
        ExportFilter);
    if (!chosen)
        return;
    const QString file = WithDefaultExtension(*chosen, QStringLiteral("rtf"));
    if (Progress == nullptr)
        Progress = new ProgressWindow(this);
    bool written = false;
    {
        const OtherWindowsDisabled disabled(Progress);
        Progress->Start(session_.Text().Count());
        written = ExportTo(file);
        Progress->close();
    }
    if (!written) {
        Tell(QStringLiteral("Diary Export to RTF failed!"));
        return;
    }
    if (services_.Dialogs().MessageBox(this, QStringLiteral("View the generated RTF file?"),
                                       QStringLiteral("Info"), widgets::MsgIcon::Question,
                                       widgets::MsgButtons::YesNo,
                                       widgets::MsgAnswer::Yes) == widgets::MsgAnswer::Yes)
        OpenUrl(QUrl::fromLocalFile(file));
}

bool ToolsWindow::ExportTo(const QString& file)
{
    rtfexport::ExportOptions options;
    options.CodePage = services_.CodePage();
    options.BodyFont = ExportFont(host_.BodyFont());
    options.ShortDate = [](int year, int month, int day) {
        return platform::FormatShortDate(year, month, day).toStdString();
    };
    RepaintPacer pacer;
    try {
        const std::string document = rtfexport::ExportDiary(session_.Text().Lines(), options,
                                                            [&pacer](size_t, size_t) { pacer.Tick(); });
        return safefile::WriteWhole(std::filesystem::path(FileSystemPath(file)), document).Ok();
    } catch (const std::exception&) {
        return false;
    }
}

void ToolsWindow::BtnSetFontClick()
{
    editor::StoredFont font = host_.BodyFont();
    const auto chosen = services_.Dialogs().ChooseFont(this, font.Font);
    if (!chosen)
        return;
    font.Font = *chosen;
    host_.ApplyFont(font);
    editor::SaveFontSettings(reger_, font);
}

void ToolsWindow::btnWebsiteClick()
{
    OpenUrl(QUrl(WebSiteAddress));
}

void ToolsWindow::BtnCloseClick()
{
    reject();
}
