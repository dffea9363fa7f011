#include "windows/tools/ToolsWindow.h"

#include "base/io/SafeFile.h"
#include "formats/diary/DiaryFormat.h"
#include "formats/imports/JournalSources.h"
#include "formats/merge/DayMerge.h"
#include "model/imports/DiaryImport.h"
#include "model/imports/SystemLocalTime.h"
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
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>

#include <chrono>
#include <filesystem>
#include <future>

using base::io::WriteWhole;
using base::result::Reason;
using base::result::Status;
using formats::diary::DiaryFormat;
using formats::diary::LoadDiaryFile;
using formats::resources::PackedResources;
using formats::rtf::CharFormat;
using formats::exports::ExportFormat;
using formats::exports::ExportFormatLabel;
using formats::exports::ExportFormatOfFile;
using formats::exports::ExportRequest;
using formats::exports::WriteExport;
using formats::imports::JournalKind;
using formats::imports::JournalKindOfFile;
using formats::imports::ReadJournal;
using formats::merge::MergedDiary;
using formats::merge::MergeTwoWay;
using formats::merge::OtherCopy;
using model::imports::ApplyImport;
using model::imports::ImportQuestion;
using model::imports::ImportStyle;
using model::imports::PreviewDiaryImport;
using model::imports::PreviewImport;
using model::imports::SystemLocalTime;
using model::session::DiarySession;
using model::settings::Settings;
using platform::locale::FormatShortDate;
using platform::locale::ToDiaryText;
using widgets::controls::ButtonLayout;
using widgets::controls::ToolButton;
using widgets::dialogs::MsgAnswer;
using widgets::dialogs::MsgButtons;
using widgets::dialogs::MsgIcon;
using widgets::editor::SaveFontSettings;
using widgets::editor::StoredFont;
using widgets::services::Services;

namespace windows::tools {

namespace {

const QString BackupFilter = QStringLiteral("Diary Backup (*.bkd)");
const QString ExportFilter = QStringLiteral(
    "Microsoft Word/RTF files (*.rtf);;Web page, HTML (*.html);;Markdown (*.md);;Plain text (*.txt)");
const QString ImportFilter =
    QStringLiteral("Journal exports (*.json *.zip *.md);;jrnl export (*.json);;Day One export (*.zip);;"
                   "Markdown daily notes, any note of the folder (*.md)");
const QString ImportCaption = QStringLiteral("Import");
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

CharFormat ExportFont(const StoredFont& stored)
{
    CharFormat format;
    format.Font = stored.Font.family().toStdString();
    const int points = stored.Font.pointSize() > 0 ? stored.Font.pointSize() : 10;
    format.HalfPoints = 2 * points;
    format.Italic = stored.Font.italic();
    format.Strike = stored.Font.strikeOut();
    format.Color = static_cast<uint32_t>(stored.Color.rgb()) & 0xFFFFFF;
    return format;
}

ToolButton* MakeButton(QWidget* parent, const QRect& bounds, const char* caption, const char* glyph,
                       const char* hint)
{
    auto* button = new ToolButton(parent);
    button->setGeometry(bounds);
    button->SetLayout(ButtonLayout::GlyphLeft);
    button->SetCaption(QString::fromLatin1(caption));
    button->SetGlyph(OptionsGlyph(glyph));
    button->setToolTip(QString::fromLatin1(hint));
    return button;
}

} // namespace

ToolsWindow::ToolsWindow(QWidget* owner, Services& services, DiarySession& session, Settings& settings,
                         PackedResources& resources)
    : ToolDialog(owner, resources, QSize(386, 373)),
      OpenUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }), services_(services),
      session_(session), settings_(settings)
{
    setObjectName("toolsWindow");
    SetTitle(services_.Title() + QStringLiteral(" - Tools and Options"));
    CreateButtons();
}

void ToolsWindow::CreateButtons()
{
    backupButton_ =
        MakeButton(this, {19, 58, 164, 30}, " Backup your Diary", "OPBACKUP", "Backup your diary to file");
    restoreButton_ = MakeButton(this, {19, 98, 164, 30}, " Restore your Diary", "OPRESTORE",
                            "Backup your diary from file");
    exportButton_ = MakeButton(this, {19, 138, 164, 30}, " Export to Word/RTF", "OPEXPORT",
                           "Export to Microsoft Word/RTF");
    // A tool tip shows the hint's short form; the long one is the status tip.
    setFontButton_ = MakeButton(this, {204, 58, 164, 30}, " Set Font Language", "OPFONT",
                            "Set the default font \nfor writing your Diary");
    setFontButton_->setStatusTip(QStringLiteral("Set your prefered font"));
    changePasswordButton_ = MakeButton(this, {205, 98, 164, 30}, " Change Password", "OPPASSWORD",
                                "Change current diary password");
    webSiteButton_ = MakeButton(this, {205, 138, 164, 30}, "  Visit our web site", "OPWEB", "Visit our web site");
    webSiteButton_->setCursor(Qt::PointingHandCursor);
    sealButton_ = MakeButton(this, {19, 188, 164, 30}, " Seal this diary", "OPPASSWORD",
                         "Encrypt the diary file with its password, or store it unencrypted again");
    importButton_ = MakeButton(this, {205, 188, 164, 30}, " Import...", "OPRESTORE",
                               "Bring in the entries of another journal (jrnl, Day One, Markdown notes)");
    closeButton_ = MakeButton(this, {135, 328, 116, 30}, " Ok", "OPOK", "Close this dialog");
    connect(backupButton_, &ToolButton::OnClick, this, &ToolsWindow::OnBackupClicked);
    connect(restoreButton_, &ToolButton::OnClick, this, &ToolsWindow::OnRestoreClicked);
    connect(exportButton_, &ToolButton::OnClick, this, &ToolsWindow::OnExportClicked);
    connect(setFontButton_, &ToolButton::OnClick, this, &ToolsWindow::OnSetFontClicked);
    connect(changePasswordButton_, &ToolButton::OnClick, this, &ToolsWindow::OnChangePasswordClicked);
    connect(webSiteButton_, &ToolButton::OnClick, this, [this] { OpenUrl(QUrl(WebSiteAddress)); });
    connect(sealButton_, &ToolButton::OnClick, this, &ToolsWindow::OnSealClicked);
    connect(importButton_, &ToolButton::OnClick, this, &ToolsWindow::OnImportClicked);
    connect(closeButton_, &ToolButton::OnClick, this, &QDialog::reject);
    const std::initializer_list<std::pair<QObject*, const char*>> names{
        {backupButton_, "backupButton"},     {restoreButton_, "restoreButton"},
        {exportButton_, "exportButton"},     {setFontButton_, "setFontButton"},
        {changePasswordButton_, "changePasswordButton"}, {webSiteButton_, "webSiteButton"},
        {sealButton_, "sealButton"},         {importButton_, "importButton"},
        {closeButton_, "closeButton"}};
    for (const auto& [button, name] : names)
        button->setObjectName(QString::fromLatin1(name));
}

void ToolsWindow::Execute(int currentSkin, const StoredFont& bodyFont)
{
    bodyFont_ = bodyFont;
    ShowSealChoice();
    ShowSkin(currentSkin);
    setFocus();
    exec();
}

void ToolsWindow::Tell(const QString& text)
{
    services_.Dialogs().ShowMessage(this, text, services_.Title());
}

void ToolsWindow::OnBackupClicked()
{
    const auto file = services_.Dialogs().SaveFileName(
        this, QString(), QString::fromStdString(session_.DiaryFolder()) + QStringLiteral("Diary Backup"),
        BackupFilter);
    if (!file)
        return;
    if (!session_.SaveCopy(FileSystemPath(WithDefaultExtension(*file, QStringLiteral("bkd")))))
        Tell(QStringLiteral("Backup failed!"));
}

void ToolsWindow::OnRestoreClicked()
{
    const auto file = services_.Dialogs().OpenFileName(
        this, QString(), QString::fromStdString(session_.DiaryFolder()) + QStringLiteral("Diary Backup"),
        BackupFilter);
    if (!file || !QFileInfo::exists(*file))
        return;
    if (const Status restored = session_.Restore(FileSystemPath(*file)); !restored)
        Tell(QString::fromStdString(restored.Message()));
}

bool ToolsWindow::TellIfReadOnly()
{
    if (session_.ReadOnly())
        Tell(QStringLiteral("This diary is open read-only."));
    return session_.ReadOnly();
}

std::optional<QString> ToolsWindow::AskPassword(const QString& prompt)
{
    return services_.Dialogs().InputBox(this, PasswordCaption, prompt, QString());
}

void ToolsWindow::OnChangePasswordClicked()
{
    if (TellIfReadOnly())
        return;
    const auto typedOld = AskPassword(QStringLiteral("Enter OLD password"));
    if (!typedOld)
        return;
    const auto oldPassword = ToDiaryText(*typedOld);
    if (const Status checked = session_.CheckPassword(oldPassword); !checked) {
        Tell(QString::fromStdString(checked.Message()));
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
    const auto newPassword = ToDiaryText(*typedNew);
    if (!newPassword) {
        Tell(QStringLiteral("The new password holds characters that the diary cannot store"));
        return;
    }
    if (session_.ChangePassword(*oldPassword, *newPassword, *newPassword))
        Tell(QStringLiteral("Password was successfully changed"));
}

void ToolsWindow::ShowSealChoice()
{
    sealButton_->SetCaption(session_.Format() == DiaryFormat::Sealed ? QStringLiteral(" Unseal this diary")
                                                      : QStringLiteral(" Seal this diary"));
}

void ToolsWindow::OnSealClicked()
{
    if (TellIfReadOnly())
        return;
    const bool sealing = session_.Format() != DiaryFormat::Sealed;
    const auto typed = AskPassword(QStringLiteral("Enter your password"));
    if (!typed)
        return;
    if (const Status checked = session_.CheckPassword(ToDiaryText(*typed)); !checked) {
        Tell(QString::fromStdString(checked.Message()));
        return;
    }
    session_.SetFormat(sealing ? DiaryFormat::Sealed : DiaryFormat::Plain);
    ShowSealChoice();
    Tell(sealing ? QStringLiteral("The diary will be saved encrypted when you exit.")
                 : QStringLiteral("The diary will be saved unencrypted when you exit."));
}

void ToolsWindow::OnExportClicked()
{
    const auto chosen = services_.Dialogs().SaveFileName(
        this, QString(), QString::fromStdString(session_.DiaryFolder()) + QStringLiteral("Diary Word Export"),
        ExportFilter);
    if (!chosen)
        return;
    QString file = WithDefaultExtension(*chosen, QStringLiteral("rtf"));
    ExportFormat format = ExportFormatOfFile(FileSystemPath(file));
    if (format == ExportFormat::Markdown &&
        services_.Dialogs().Choose(this, QStringLiteral("Write the Markdown export as one file, or as a folder "
                                                        "with a file for each day?"),
                                   QStringLiteral("Export"), MsgIcon::Question,
                                   {QStringLiteral("One &file"), QStringLiteral("A f&older of days")}, 0) == 1) {
        format = ExportFormat::MarkdownFolder;
        file = QFileInfo(file).path() + '/' + QFileInfo(file).completeBaseName();
    }
    if (progress_ == nullptr)
        progress_ = new ProgressWindow(this);
    bool written = false;
    {
        const OtherWindowsDisabled disabled(progress_);
        progress_->Start(session_.Text().Count());
        written = ExportTo(file, format);
        progress_->close();
    }
    const QString label = QString::fromUtf8(ExportFormatLabel(format));
    if (!written) {
        Tell(QStringLiteral("Diary Export to %1 failed!").arg(label));
        return;
    }
    const QString question = format == ExportFormat::MarkdownFolder
                                 ? QStringLiteral("Open the folder of the generated Markdown files?")
                                 : QStringLiteral("View the generated %1 file?").arg(label);
    if (services_.Dialogs().MessageBox(this, question, QStringLiteral("Info"), MsgIcon::Question, MsgButtons::YesNo,
                                       MsgAnswer::Yes) == MsgAnswer::Yes)
        OpenUrl(QUrl::fromLocalFile(file));
}

bool ToolsWindow::ExportTo(const QString& file, ExportFormat format)
{
    const QString diaryName = QFileInfo(QFile::decodeName(session_.DiaryFile().c_str())).completeBaseName();
    ExportRequest request{format, diaryName.toStdString(), {}};
    request.Options.CodePage = services_.CodePage();
    request.Options.BodyFont = ExportFont(bodyFont_);
    request.Options.ShortDate = [](int year, int month, int day) {
        return FormatShortDate(year, month, day).toStdString();
    };
    RepaintPacer pacer;
    try {
        return WriteExport(session_.Text().Lines(), request, std::filesystem::path(FileSystemPath(file)),
                           [&pacer](size_t, size_t) { pacer.Tick(); })
            .Ok();
    } catch (const std::exception&) {
        return false;
    }
}

void ToolsWindow::OnImportClicked()
{
    if (TellIfReadOnly())
        return;
    const auto chosen = services_.Dialogs().OpenFileName(this, ImportCaption,
                                                         QString::fromStdString(session_.DiaryFolder()), ImportFilter);
    if (!chosen)
        return;
    const std::filesystem::path source(FileSystemPath(*chosen));
    if (JournalKindOfFile(source) == JournalKind::Daybrook) {
        ImportDiary(*chosen);
        return;
    }
    const auto entries = ReadJournal(JournalKindOfFile(source), source, SystemLocalTime);
    if (!entries) {
        Tell(QString::fromStdString(entries.Message()) + QStringLiteral("; nothing was imported."));
        return;
    }
    const auto preview = PreviewImport(session_.Text(), *entries, services_.CodePage());
    if (services_.Dialogs().MessageBox(this, QString::fromStdString(ImportQuestion(preview)), ImportCaption,
                                       MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes) != MsgAnswer::Yes)
        return;
    const ImportStyle style{services_.CodePage(), ExportFont(bodyFont_), source.filename().string()};
    if (progress_ == nullptr)
        progress_ = new ProgressWindow(this);
    const OtherWindowsDisabled disabled(progress_);
    progress_->StartImport(entries->size());
    RepaintPacer pacer;
    session_.ChangeRecords([&](formats::diary::DiaryRecords& diary) {
        (void)ApplyImport(diary, *entries, style, [&pacer](size_t, size_t) { pacer.Tick(); });
    });
    progress_->close();
}

void ToolsWindow::ImportDiary(const QString& file)
{
    const std::string source = FileSystemPath(file);
    const QString name = QFileInfo(file).fileName();
    auto opened = LoadDiaryFile(source, session_.Password());
    while (!opened && opened.Code() == Reason::WrongPassword) {
        const auto typed = services_.Dialogs().InputBox(
            this, ImportCaption, QStringLiteral("%1 has another password. Enter it to import its entries").arg(name),
            QString());
        if (!typed)
            return;
        opened = LoadDiaryFile(source, ToDiaryText(*typed).value_or(std::string()));
    }
    if (!opened) {
        Tell(name + QStringLiteral(": ") + QString::fromStdString(opened.Message()) +
             QStringLiteral("; nothing was imported."));
        return;
    }
    const OtherCopy other{services_.CodePage(), name.toStdString(),
                          QFileInfo(file).lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString()};
    const MergedDiary merged = MergeTwoWay(session_.Text().Lines(), opened->Lines, other);
    const std::string question = ImportQuestion(PreviewDiaryImport(opened->Lines, merged));
    if (services_.Dialogs().MessageBox(this, QString::fromStdString(question), ImportCaption, MsgIcon::Question,
                                       MsgButtons::YesNo, MsgAnswer::Yes) != MsgAnswer::Yes)
        return;
    session_.ChangeRecords([&](formats::diary::DiaryRecords& diary) { diary.Text.SetLines(merged.Lines); });
}

void ToolsWindow::OnSetFontClicked()
{
    const auto chosen = services_.Dialogs().ChooseFont(this, bodyFont_.Font);
    if (!chosen)
        return;
    bodyFont_.Font = *chosen;
    emit BodyFontChosen(bodyFont_);
    SaveFontSettings(settings_, bodyFont_);
}

} // namespace windows::tools
