// The tools window, driven as a user drives it while it runs modally, with scripted dialogs:
// backup and restore, password change, export to RTF, the font and sealing.
#include "windows/tools/ToolsWindow.h"
#include "windows/tools/ProgressWindow.h"

#include "formats/diary/DiaryFile.h"
#include "formats/resources/PackedResources.h"
#include "formats/rtf/RtfReader.h"
#include "model/session/DiarySession.h"
#include "model/settings/MainSettings.h"
#include "platform/locale/Collation.h"
#include "widgets/controls/ToolButton.h"

#include "support/DiaryFixtures.h"
#include "support/TestServices.h"
#include "support/WindowFixtures.h"

#include <QClipboard>
#include <QLabel>

#include <gmock/gmock.h>

#include <filesystem>

using namespace base::text;
using namespace formats::diary;
using namespace formats::resources;
using namespace formats::rtf;
using namespace model::session;
using namespace model::settings;
using namespace platform::locale;
using namespace widgets::controls;
using namespace widgets::dialogs;
using namespace widgets::editor;
using namespace windows::tools;

using namespace testing_support;

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

std::string Body(const std::string& text)
{
    return "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0 " + text + "\\par}";
}

// In date order, as the main window keeps them.
const LineList Records{DayRecord(2023, 12, 24, 3, "Eve", Body("presents")),
                     DayRecord(2024, 1, 15, 1, "Winter", Body("cold")),
                     DayRecord(2024, 2, 29, 2, "Leap", Body("rare"))};

// Counts the records replaced as a whole, as the main window hears of them.
class Replacements : public DiaryListener {
public:
    void DiaryChanged(DiaryChange change) override { Count += change == DiaryChange::Replaced ? 1 : 0; }
    int Count = 0;
};

// Calls back when a window of the type is shown.
template <class Window> class ShownWatcher : public QObject {
public:
    explicit ShownWatcher(std::function<void(Window&)> shown) : shown_(std::move(shown))
    {
        QApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* window = qobject_cast<Window*>(watched))
                shown_(*window);
        return false;
    }

private:
    std::function<void(Window&)> shown_;
};

class OptionsWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadProgramRessources(store_);
        DeclareMainSettings(settings_, [](const std::string& failure) { ADD_FAILURE() << failure; });
        session_.Create("Tools", "secret");
        session_.Text().SetLines(Records);
        session_.Text().SetSorted(true);
        session_.AddListener(replacements_);
        bodyFont_.Font = QFont(QStringLiteral("Liberation Serif"), 12);
        bodyFont_.Color = QColor(0, 0, 128);
        window_ = std::make_unique<ToolsWindow>(nullptr, *services_, session_, settings_, store_);
        window_->OpenUrl = [this](const QUrl& url) { opened_.push_back(url); };
        QObject::connect(window_.get(), &ToolsWindow::BodyFontChosen,
                         [this](const StoredFont& font) { applied_ = font; });
    }

    void TearDown() override { session_.RemoveListener(replacements_); }

    // Executes the window, doing `inside` while it is shown; closed afterwards if still open.
    void Run(const std::function<void()>& inside)
    {
        testing_support::WhileRunning(*window_, inside);
        window_->Execute(0, bodyFont_);
    }

    void Click(const char* button) { testing_support::ClickChild(*window_, button); }
    QString SealCaption() const { return testing_support::Child<ToolButton>(*window_, "sealButton").Caption(); }

    QString InFolder(const std::string& name) const
    {
        return QString::fromStdString((services_.ProgramFolder() / name).string());
    }

    std::vector<QString> Messages() const { return services_.dialogs.Messages(); }

    // Change Password with the answers to the input boxes that will be asked.
    void ChangePassword(const std::vector<std::optional<QString>>& answers)
    {
        for (const auto& answer : answers)
            services_.dialogs.AnswerText(answer);
        Click("changePasswordButton");
    }

    testing_support::TestServices services_;
    DiarySession session_{services_.ProgramFolder().string(), CompareText};
    Settings settings_{services_->SettingsStore()};
    PackedResources store_;
    StoredFont bodyFont_;
    Replacements replacements_;
    std::optional<StoredFont> applied_;
    std::vector<QUrl> opened_;
    std::unique_ptr<ToolsWindow> window_;
};

} // namespace

TEST_F(OptionsWindowTest, BackupThenRestoreGivesBackTheSameDiaryText)
{
    const LineList before = session_.Text().Lines();
    services_.dialogs.AnswerText(InFolder("saved"));
    Run([&] { Click("backupButton"); });
    EXPECT_EQ(services_.dialogs.Asked().at(0).Text, InFolder("Diary Backup"));
    ASSERT_TRUE(std::filesystem::exists(services_.ProgramFolder() / "saved.bkd")) << "the extension is added";

    session_.Text().Add(DayRecord(2024, 3, 1, 0, "Later", Body("gone after the restore")));
    session_.Diary.Dirty = false;
    services_.dialogs.AnswerText(InFolder("saved.bkd"));
    Run([&] { Click("restoreButton"); });
    EXPECT_EQ(session_.Text().Lines(), before);
    EXPECT_TRUE(session_.Dirty());
    EXPECT_EQ(replacements_.Count, 1);
}

TEST_F(OptionsWindowTest, RestoresRefusedOrCancelledChangeNothing)
{
    const LineList older{DayRecord(2022, 6, 1, 0, "Old", Body("from another password"))};
    ASSERT_TRUE(SaveDiary((services_.ProgramFolder() / "old.bkd").string(), older, "other").Ok());
    WriteBytes(services_.ProgramFolder() / "damaged.bkd", "DRY1 not a diary at all");
    for (const auto* answer : {"old.bkd", "damaged.bkd"})
        services_.dialogs.AnswerText(InFolder(answer));
    services_.dialogs.AnswerText(std::nullopt);
    Run([&] {
        for (int i = 0; i < 3; ++i)
            Click("restoreButton");
    });
    EXPECT_THAT(Messages(), ElementsAre("This diary has a different password\r\nyou must change your current password",
                                        "This diary file is corrupted"));
    EXPECT_EQ(session_.Text().Lines(), Records);
    EXPECT_EQ(replacements_.Count, 0);
}


TEST_F(OptionsWindowTest, FailedBackupIsToldAndAnEarlierBackupIsReplacedWhole)
{
    session_.Diary.Dirty = true;
    services_.dialogs.AnswerText(InFolder("no-such-folder/backup.bkd"));
    services_.dialogs.AnswerText(std::nullopt);
    WriteBytes(services_.ProgramFolder() / "earlier.bkd", "an earlier backup");
    services_.dialogs.AnswerText(InFolder("earlier.bkd"));
    Run([&] {
        for (int i = 0; i < 3; ++i)
            Click("backupButton");
    });
    EXPECT_THAT(Messages(), ElementsAre("Backup failed!"));
    LineList stored;
    EXPECT_TRUE(LoadDiaryInto((services_.ProgramFolder() / "earlier.bkd").string(), stored, "secret"));
    EXPECT_EQ(stored, Records);
    EXPECT_TRUE(session_.Dirty()) << "a backup does not count as saving the diary";
}

TEST_F(OptionsWindowTest, PasswordChangeAndItsFailures)
{
    Run([&] {
        ChangePassword({std::nullopt});
        ChangePassword({"wrong"});
        ChangePassword({"secret", "new one", std::nullopt});
        ChangePassword({"secret", "caf\u00e9 \u03b1", "caf\u00e9 \u03b1"});
        EXPECT_THAT(Messages(), ElementsAre("Password is incorrect!",
                                            "The new password holds characters that the diary cannot store"));
        EXPECT_EQ(session_.Password(), "secret");
        EXPECT_FALSE(session_.Dirty());

        ChangePassword({"  secret  ", "  spaced  ", "  spaced  "});
        EXPECT_EQ(Messages().back(), "Password was successfully changed");
        EXPECT_EQ(session_.Password(), "  spaced  ") << "the new password is kept as typed";
        EXPECT_TRUE(session_.Dirty());
    });
}

TEST_F(OptionsWindowTest, ExportWritesTheDocumentLeavesTheClipboardAndOffersToShowIt)
{
    QApplication::clipboard()->setText(QStringLiteral("what the user copied"));
    QWidget mainWindow;
    mainWindow.show();
    bool mainEnabled = true, optionsEnabled = true, progressShown = false;
    QString progressText;
    const ShownWatcher<ProgressWindow> watcher([&](ProgressWindow& progress) {
        mainEnabled = mainWindow.isEnabled();
        optionsEnabled = window_->isEnabled();
        progressShown = progress.isVisible();
        progressText = progress.findChild<QLabel*>("titleLabel")->text();
    });
    services_.dialogs.AnswerText(InFolder("diary"));
    services_.dialogs.AnswerMessage(MsgAnswer::Yes);
    Run([&] { Click("exportButton"); });

    EXPECT_FALSE(mainEnabled || optionsEnabled || !progressShown);
    EXPECT_EQ(progressText, "Exporting 3 entries");
    EXPECT_TRUE(mainWindow.isEnabled() && window_->isEnabled()) << "enabled again afterwards";
    EXPECT_FALSE(window_->findChild<ProgressWindow*>()->isVisible());
    EXPECT_EQ(QApplication::clipboard()->text(), "what the user copied");
    EXPECT_EQ(services_.dialogs.Asked().at(0).Text, InFolder("Diary Word Export"));
    EXPECT_THAT(Messages(), ElementsAre("View the generated RTF file?"));
    const std::filesystem::path file = services_.ProgramFolder() / "diary.rtf";
    EXPECT_THAT(opened_, ElementsAre(QUrl::fromLocalFile(QString::fromStdString(file.string()))));

    EXPECT_THAT(PlainText(ReadBytes(file), 1252), testing::EndsWith(" - Leap\nrare"));
    EXPECT_NE(ReadBytes(file).find("Liberation Serif"), std::string::npos) << "written in the body's font";
}

// The type of the file chosen chooses the export; a Markdown one asks for one file or a folder.
TEST_F(OptionsWindowTest, TheChosenFileTypeChoosesTheExport)
{
    services_.dialogs.AnswerText(InFolder("diary.html"));
    services_.dialogs.AnswerMessage(MsgAnswer::No);
    services_.dialogs.AnswerText(InFolder("days.md"));
    services_.dialogs.AnswerChoice(1);
    services_.dialogs.AnswerMessage(MsgAnswer::No);
    Run([&] {
        Click("exportButton");
        Click("exportButton");
    });
    EXPECT_THAT(Messages(), ElementsAre("View the generated HTML file?",
                                        "Open the folder of the generated Markdown files?"));
    EXPECT_THAT(ReadBytes(services_.ProgramFolder() / "diary.html"), HasSubstr("<!DOCTYPE html>"));
    EXPECT_TRUE(std::filesystem::is_directory(services_.ProgramFolder() / "days"));
    EXPECT_FALSE(std::filesystem::exists(services_.ProgramFolder() / "days.md"));
}

TEST_F(OptionsWindowTest, AnotherDiaryIsImportedOnceItsPasswordIsTypedAndABadSourceChangesNothing)
{
    const auto other = services_.ProgramFolder() / "Other.dry";
    ASSERT_TRUE(formats::diary::SaveDiaryFile(other, {"203001010Later@@{\\rtf1 far}"},
                                              formats::diary::PlainLock("another"))
                    .Ok());
    WriteBytes(services_.ProgramFolder() / "bad.json", "{\"entries\": [{\"date\": \"2030-02-30\"}]}");
    services_.dialogs.AnswerText(QString::fromStdString(other.string()));
    services_.dialogs.AnswerText(QStringLiteral("wrong"));
    services_.dialogs.AnswerText(QStringLiteral("another"));
    services_.dialogs.AnswerMessage(MsgAnswer::Yes);
    services_.dialogs.AnswerText(InFolder("bad.json"));
    Run([&] {
        Click("importButton");
        Click("importButton");
    });
    EXPECT_THAT(Messages(), ElementsAre("1 entry on 2030-01-01. Import?",
                                        "bad.json, entry 1: the date \"2030-02-30\" is not a day of the calendar; "
                                        "nothing was imported."));
    EXPECT_EQ(session_.Text().Count(), Records.size() + 1);
    EXPECT_EQ(replacements_.Count, 1);
}

TEST_F(OptionsWindowTest, AFailedExportIsToldAndACancelledOneDoesNothing)
{
    services_.dialogs.AnswerText(InFolder("no-such-folder/x.rtf"));
    services_.dialogs.AnswerText(std::nullopt);
    Run([&] {
        Click("exportButton");
        EXPECT_TRUE(window_->isEnabled());
        Click("exportButton");
    });
    EXPECT_THAT(Messages(), ElementsAre("Diary Export to RTF failed!"));
    EXPECT_TRUE(opened_.empty());
}


TEST_F(OptionsWindowTest, TheChosenFontIsAppliedAndStoredAndSealingAsksForThePassword)
{
    session_.SealingKdf = CheapestKdf;
    QFont chosen(QStringLiteral("Liberation Mono"), 14);
    chosen.setItalic(true);
    services_.dialogs.AnswerFont(chosen);
    Run([&] {
        Click("setFontButton");
        EXPECT_EQ(SealCaption(), " Seal this diary");
        services_.dialogs.AnswerText(QStringLiteral(" secret "));
        Click("sealButton");
        EXPECT_EQ(session_.Format(), DiaryFormat::Sealed);
        EXPECT_TRUE(session_.Dirty()) << "the sealed file is written at exit";
        EXPECT_EQ(SealCaption(), " Unseal this diary");

        services_.dialogs.AnswerText(QStringLiteral("secret"));
        Click("sealButton");
        EXPECT_EQ(session_.Format(), DiaryFormat::Plain);
    });
    ASSERT_TRUE(applied_);
    EXPECT_EQ(applied_->Font.family() + QString::number(applied_->Font.pointSize()), "Liberation Mono14");
    EXPECT_EQ(applied_->Color, QColor(0, 0, 128)) << "the colour stays the body's";
    EXPECT_EQ(settings_.GetValue("FontName")->ToString(), "Liberation Mono");
    EXPECT_EQ(*settings_.GetValue("FontStyle")->ToInteger(), 2);
}
