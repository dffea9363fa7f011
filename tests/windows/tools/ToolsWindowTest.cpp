// The tools window, driven as a user drives it while it runs modally, with scripted dialogs:
// backup and restore, password change, export to RTF, the font and the web page.
#include "windows/tools/ToolsWindow.h"
#include "windows/tools/ProgressWindow.h"

#include "formats/rtf/RtfReader.h"
#include "platform/locale/Collation.h"
#include "platform/locale/Locale.h"
#include "model/session/DiarySession.h"
#include "model/settings/Settings.h"
#include "formats/resources/PackedResources.h"
#include "support/ShownPicture.h"
#include "support/TestServices.h"
#include "widgets/controls/ToolButton.h"
#include "widgets/controls/SkinPictures.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using testing::ElementsAre;
using testing::HasSubstr;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

using testing_support::ShowsPicture;

namespace {

std::string Body(const std::string& text)
{
    return "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0 " + text + "\\par}";
}

// In date order, as the main window keeps them.
const LineList Records{DayRecord(2023, 12, 24, 3, "Eve", Body("presents")),
                     DayRecord(2024, 1, 15, 1, "Winter", Body("cold")),
                     DayRecord(2024, 2, 29, 2, "Leap", Body("rare"))};

class OptionsWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadProgramRessources(store);
        reger.Key = "SOFTWARE\\Kestrine\\DBK";
        for (const SettingsValueDescription& setting : {SettingsValueDescription{"FontName", vtString, "Arial"},
                                                    SettingsValueDescription{"FontColor", vtInteger, "0"},
                                                    SettingsValueDescription{"FontCharset", vtInteger, "1"},
                                                    SettingsValueDescription{"FontSize", vtInteger, "10"},
                                                    SettingsValueDescription{"FontStyle", vtInteger, "0"}})
            reger.Declare(setting);
        session.Password = "secret";
        session.Text().SetLines(Records);
        session.Text().SetSorted(true);
        bodyFont.Font = QFont(QStringLiteral("Liberation Serif"), 12);
        bodyFont.Color = QColor(0, 0, 128);
        window = std::make_unique<ToolsWindow>(nullptr, *services, session, reger, store, Host());
        window->OpenUrl = [this](const QUrl& url) { opened.push_back(url); };
    }

    ToolsWindowHost Host()
    {
        return {[this] { ++reloads; }, [this] { ++activeDaysUpdates; },
                [this] {
                    if (whileExporting)
                        whileExporting();
                    return bodyFont;
                },
                [this](const editor::StoredFont& font) { applied = font; }};
    }

    // Executes the window, doing `inside` while it is shown; closed afterwards if still open.
    void Run(const std::function<void()>& inside, int skin = 0)
    {
        QTimer::singleShot(0, window.get(), [&] {
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
            inside();
            if (window->isVisible())
                window->reject();
        });
        window->Execute(skin);
    }

    void Click(widgets::ToolButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QString InFolder(const std::string& name) const
    {
        return QString::fromStdString((services.ProgramFolder() / name).string());
    }

    std::vector<QString> Messages() const { return services.dialogs.Messages(); }

    // Change Password with the answers to the input boxes that will be asked.
    void ChangePassword(const std::vector<std::optional<QString>>& answers)
    {
        for (const auto& answer : answers)
            services.dialogs.AnswerText(answer);
        Click(window->btnChgPassword);
    }

    testing_support::TestServices services;
    DiarySession session{services.ProgramFolder().string(), platform::CompareText};
    Settings reger{services->SettingsStore()};
    PackedResources store;
    editor::StoredFont bodyFont;
    int reloads = 0;
    int activeDaysUpdates = 0;
    std::optional<editor::StoredFont> applied;
    std::vector<QUrl> opened;
    std::function<void()> whileExporting; // run when the export asks for the body font
    std::unique_ptr<ToolsWindow> window;
};

} // namespace

TEST_F(OptionsWindowTest, ControlsCaptionsAndHintsInPlace)
{
    EXPECT_EQ(window->size(), QSize(386, 373));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->pnlTop->geometry(), QRect(0, 0, 386, 45));
    EXPECT_FALSE(window->pnlTop->isEnabled());
    EXPECT_FALSE(window->Image_Bck->isEnabled());
    EXPECT_EQ(window->Image_Bar->geometry(), QRect(5, 5, 375, 12));
    EXPECT_EQ(window->lblTitle->text(), "The Daybrook - Tools and Options");
    EXPECT_TRUE(window->lblTitle->font().bold());
    EXPECT_EQ(window->lblTitle->font().pixelSize(), 15);
    EXPECT_EQ(window->lblTitle->palette().color(QPalette::Disabled, QPalette::WindowText),
              QColor(255, 255, 240));

    struct Expected {
        widgets::ToolButton* button;
        QRect bounds;
        const char* caption;
        const char* hint;
    };
    for (const auto& [button, bounds, caption, hint] : {
             Expected{
                 window->btnBackup, {19, 58, 164, 30}, " Backup your Diary", "Backup your diary to file"},
             Expected{
                 window->btnRestore, {19, 98, 164, 30}, " Restore your Diary", "Backup your diary from file"},
             Expected{window->btnExport,
                       {19, 138, 164, 30},
                       " Export to Word/RTF",
                       "Export to Microsoft Word/RTF"},
             Expected{window->btnSetFont,
                       {204, 58, 164, 30},
                       " Set Font Language",
                       "Set the default font \nfor writing your Diary"},
             Expected{window->btnChgPassword,
                       {205, 98, 164, 30},
                       " Change Password",
                       "Change current diary password"},
             Expected{window->btnWebsite, {205, 138, 164, 30}, "  Visit our web site", "Visit our web site"},
             Expected{window->btnClose, {135, 328, 116, 30}, " Ok", "Close this dialog"},
         }) {
        EXPECT_EQ(button->geometry(), bounds) << caption;
        EXPECT_EQ(button->Caption(), caption);
        EXPECT_EQ(button->toolTip(), hint);
        EXPECT_FALSE(button->Glyph().isNull()) << caption;
    }
    EXPECT_EQ(window->btnSetFont->statusTip(), "Set your prefered font");
    EXPECT_EQ(window->btnWebsite->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(OptionsWindowTest, ShowsTheSkinAndClosesWithEscapeOrOk)
{
    Run(
        [&] {
            const QImage shown = window->grab().toImage();
            const QImage back = widgets::SkinPicture(store, 4, widgets::SkinPart::Background);
            EXPECT_TRUE(ShowsPicture(shown, {0, 45, 386, 328}, back, {300, 250}));
            EXPECT_TRUE(ShowsPicture(shown, {0, 45, 386, 328}, back, {20, 300}));
            const QImage top = widgets::SkinPicture(store, 4, widgets::SkinPart::Top);
            EXPECT_TRUE(ShowsPicture(shown, {0, 0, 386, 45}, top, {3, 40}));
            EXPECT_EQ(QApplication::focusWidget(), window.get()) << "no control has the focus";
            QTest::keyClick(window.get(), Qt::Key_Escape);
            EXPECT_FALSE(window->isVisible());
        },
        4);
    Run([&] {
        Click(window->btnClose);
        EXPECT_FALSE(window->isVisible());
    });
}

TEST_F(OptionsWindowTest, DraggingTheBackgroundMovesTheWindow)
{
    Run([&] {
        window->move(100, 100);
        const QPoint at(300, 250); // on the background picture, below the buttons
        QTest::mousePress(window.get(), Qt::LeftButton, {}, at);
        QTest::mouseMove(window.get(), at + QPoint(30, 20));
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, at + QPoint(30, 20));
        EXPECT_EQ(window->pos(), QPoint(130, 120));
        EXPECT_EQ(window->childAt(at), nullptr) << "the pictures let the mouse through to the window";
    });
}

TEST_F(OptionsWindowTest, BackupThenRestoreGivesBackTheSameDiaryText)
{
    const LineList before = session.Text().Lines();
    services.dialogs.AnswerText(InFolder("saved"));
    Run([&] { Click(window->btnBackup); });
    const auto& asked = services.dialogs.Asked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].Kind, widgets::ScriptedDialogs::QuestionKind::SaveFile);
    EXPECT_EQ(asked[0].Text, InFolder("Diary Backup"));
    ASSERT_TRUE(std::filesystem::exists(services.ProgramFolder() / "saved.bkd")) << "the extension is added";
    EXPECT_TRUE(Messages().empty());

    session.Text().Add(DayRecord(2024, 3, 1, 0, "Later", Body("gone after the restore")));
    session.Diary.Dirty = false;
    services.dialogs.AnswerText(InFolder("saved.bkd"));
    Run([&] { Click(window->btnRestore); });
    EXPECT_EQ(session.Text().Lines(), before);
    EXPECT_TRUE(session.Dirty());
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(activeDaysUpdates, 1);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(services.dialogs.Asked().back().Kind, widgets::ScriptedDialogs::QuestionKind::OpenFile);
}

TEST_F(OptionsWindowTest, RestoreUnderAnotherPasswordSucceedsAfterChangingToIt)
{
    const LineList older{DayRecord(2022, 6, 1, 0, "Old", Body("from another password"))};
    ASSERT_TRUE(SaveDiary((services.ProgramFolder() / "old.bkd").string(), older, "other").Ok());
    services.dialogs.AnswerText(InFolder("old.bkd"));
    Run([&] { Click(window->btnRestore); });
    EXPECT_THAT(Messages(),
                ElementsAre("This diary has a different password\r\nyou must change your current password"));
    EXPECT_EQ(session.Text().Lines(), Records);
    EXPECT_EQ(reloads, 0);
    EXPECT_EQ(activeDaysUpdates, 1);

    Run([&] {
        ChangePassword({"secret", "other", "other"});
        services.dialogs.AnswerText(InFolder("old.bkd"));
        Click(window->btnRestore);
    });
    EXPECT_EQ(Messages().back(), "Password was successfully changed");
    EXPECT_EQ(session.Text().Lines(), older);
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(activeDaysUpdates, 2);
}

TEST_F(OptionsWindowTest, DamagedOrMissingFilesAndCancelChangeNothing)
{
    WriteBytes(services.ProgramFolder() / "damaged.bkd", "DRY1 not a diary at all");
    services.dialogs.AnswerText(InFolder("damaged.bkd"));
    services.dialogs.AnswerText(InFolder("missing.bkd"));
    services.dialogs.AnswerText(std::nullopt);
    Run([&] {
        for (int i = 0; i < 3; ++i)
            Click(window->btnRestore);
    });
    EXPECT_THAT(Messages(), ElementsAre("This diary file is corrupted"));
    EXPECT_EQ(session.Text().Lines(), Records);
    EXPECT_FALSE(session.Dirty());
    EXPECT_EQ(reloads, 0);
    EXPECT_EQ(activeDaysUpdates, 3) << "the calendar's marks are refreshed in every case";
}

TEST_F(OptionsWindowTest, FailedBackupIsToldAndAnEarlierBackupIsReplacedWhole)
{
    services.dialogs.AnswerText(InFolder("no-such-folder/backup.bkd"));
    services.dialogs.AnswerText(std::nullopt);
    WriteBytes(services.ProgramFolder() / "earlier.bkd", "an earlier backup");
    services.dialogs.AnswerText(InFolder("earlier.bkd"));
    Run([&] {
        for (int i = 0; i < 3; ++i)
            Click(window->btnBackup);
    });
    EXPECT_THAT(Messages(), ElementsAre("Backup failed!"));
    const auto stored = LoadDiary((services.ProgramFolder() / "earlier.bkd").string(), "secret");
    ASSERT_TRUE(stored.Ok());
    EXPECT_EQ(*stored, Records);
    EXPECT_FALSE(session.Dirty()) << "a backup is no change of the diary";
}

TEST_F(OptionsWindowTest, PasswordChangeAndItsFailures)
{
    Run([&] {
        ChangePassword({std::nullopt});
        EXPECT_TRUE(Messages().empty());
        ChangePassword({"wrong"});
        EXPECT_THAT(Messages(), ElementsAre("Password is incorrect!"));
        ChangePassword({" secret\t", "new one", "new one!"});
        EXPECT_EQ(Messages().back(), "Passwords do not match!");
        ChangePassword({"secret", "new one", std::nullopt});
        ChangePassword({"secret", "caf\u00e9 \u03b1", "caf\u00e9 \u03b1"});
        EXPECT_EQ(Messages().back(), "The new password holds characters that the diary cannot store");
        EXPECT_EQ(Messages().size(), 3u);
        EXPECT_EQ(session.Password, "secret");
        EXPECT_FALSE(session.Dirty());

        ChangePassword({"  secret  ", "  spaced  ", "  spaced  "});
        EXPECT_EQ(Messages().back(), "Password was successfully changed");
        EXPECT_EQ(session.Password, "  spaced  ") << "the new password is kept as typed";
        EXPECT_TRUE(session.Dirty());
        ChangePassword({"spaced", "", ""});
        EXPECT_EQ(session.Password, "");
    });
    for (const auto& question : services.dialogs.Asked()) {
        if (question.Kind == widgets::ScriptedDialogs::QuestionKind::Input) {
            EXPECT_EQ(question.Caption, "Password Change");
        }
    }
    const auto& asked = services.dialogs.Asked();
    EXPECT_EQ(asked[3].Text, "Enter OLD password");
    EXPECT_EQ(asked[4].Text, "Enter NEW password");
    EXPECT_EQ(asked[5].Text, "Re-enter NEW password for confirmation");
}

TEST_F(OptionsWindowTest, ExportWritesTheDocumentLeavesTheClipboardAndOffersToShowIt)
{
    QApplication::clipboard()->setText(QStringLiteral("what the user copied"));
    QWidget mainWindow;
    mainWindow.show();
    bool mainEnabled = true, optionsEnabled = true, progressShown = false;
    QString progressText;
    whileExporting = [&] {
        mainEnabled = mainWindow.isEnabled();
        optionsEnabled = window->isEnabled();
        progressShown = window->Progress != nullptr && window->Progress->isVisible();
        progressText = window->Progress->lblTitle->text();
    };
    services.dialogs.AnswerText(InFolder("diary"));
    services.dialogs.AnswerMessage(widgets::MsgAnswer::Yes);
    Run([&] { Click(window->btnExport); });

    EXPECT_FALSE(mainEnabled);
    EXPECT_FALSE(optionsEnabled);
    EXPECT_TRUE(progressShown);
    EXPECT_EQ(progressText, "Exporting 3 entries");
    EXPECT_TRUE(mainWindow.isEnabled() && window->isEnabled()) << "enabled again afterwards";
    EXPECT_FALSE(window->Progress->isVisible());
    EXPECT_EQ(QApplication::clipboard()->text(), "what the user copied");

    const auto& asked = services.dialogs.Asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].Text, InFolder("Diary Word Export"));
    EXPECT_EQ(asked[1].Text, "View the generated RTF file?");
    EXPECT_EQ(asked[1].Caption, "Info");
    EXPECT_EQ(asked[1].Icon, widgets::MsgIcon::Question);
    EXPECT_EQ(asked[1].Buttons, widgets::MsgButtons::YesNo);
    const std::filesystem::path file = services.ProgramFolder() / "diary.rtf";
    EXPECT_THAT(opened, ElementsAre(QUrl::fromLocalFile(QString::fromStdString(file.string()))));

    const std::string text = rtf::PlainText(ReadBytes(file), 1252);
    const std::string eve = platform::FormatShortDate(2023, 12, 24).toStdString() + " - Eve\npresents\n";
    const std::string winter = platform::FormatShortDate(2024, 1, 15).toStdString() + " - Winter\ncold\n";
    const std::string leap = platform::FormatShortDate(2024, 2, 29).toStdString() + " - Leap\nrare";
    EXPECT_EQ(text, "\n" + eve + "\n" + winter + "\n" + leap);
}

TEST_F(OptionsWindowTest, ExportOfAnEmptyDiaryStillAsksAndAFailedExportIsTold)
{
    session.Text().Clear();
    QString progressText;
    whileExporting = [&] { progressText = window->Progress->lblTitle->text(); };
    services.dialogs.AnswerText(InFolder("empty.rtf"));
    services.dialogs.AnswerMessage(widgets::MsgAnswer::No);
    services.dialogs.AnswerText(InFolder("no-such-folder/x.rtf"));
    services.dialogs.AnswerText(std::nullopt);
    Run([&] {
        Click(window->btnExport);
        EXPECT_EQ(progressText, "Exporting 0 entries");
        EXPECT_THAT(Messages(), ElementsAre("View the generated RTF file?"));
        Click(window->btnExport);
        EXPECT_EQ(Messages().back(), "Diary Export to RTF failed!");
        EXPECT_TRUE(window->isEnabled());
        Click(window->btnExport); // cancelled
    });
    EXPECT_EQ(Messages().size(), 2u);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(rtf::PlainText(ReadBytes(services.ProgramFolder() / "empty.rtf"), 1252), "");
}

TEST_F(OptionsWindowTest, ChosenFontGoesToTheEditorsAndTheSettings)
{
    QFont chosen(QStringLiteral("Liberation Mono"), 14);
    chosen.setItalic(true);
    services.dialogs.AnswerFont(std::nullopt);
    services.dialogs.AnswerFont(chosen);
    Run([&] {
        Click(window->btnSetFont);
        EXPECT_FALSE(applied);
        Click(window->btnSetFont);
    });
    ASSERT_TRUE(applied);
    EXPECT_EQ(applied->Font.family(), "Liberation Mono");
    EXPECT_EQ(applied->Font.pointSize(), 14);
    EXPECT_EQ(applied->Color, QColor(0, 0, 128)) << "the colour stays the body's";
    EXPECT_EQ(reger.GetValue("FontName").ToString(), "Liberation Mono");
    EXPECT_EQ(reger.GetValue("FontSize").ToInteger(), 14);
    EXPECT_EQ(reger.GetValue("FontStyle").ToInteger(), 2);
    EXPECT_EQ(reger.GetValue("FontColor").ToInteger(), 0x800000);
}

TEST_F(OptionsWindowTest, WebSiteButtonOpensTheProductsPage)
{
    Run([&] { Click(window->btnWebsite); });
    EXPECT_THAT(opened, ElementsAre(QUrl(QStringLiteral("https://daybrook.example.org/"))));
}

TEST_F(OptionsWindowTest, SealingAndUnsealingAskForThePasswordAndTakeEffectAtExit)
{
    session.SealingKdf = CheapestKdf;
    Run([&] {
        EXPECT_EQ(window->btnSeal->Caption(), " Seal this diary");
        services.dialogs.AnswerText(QStringLiteral("wrong"));
        Click(window->btnSeal);
        EXPECT_EQ(Messages().back(), "Password is incorrect!");
        EXPECT_EQ(session.Format(), DiaryFormat::Plain);
        EXPECT_FALSE(session.Dirty());

        services.dialogs.AnswerText(QStringLiteral(" secret "));
        Click(window->btnSeal);
        EXPECT_EQ(session.Format(), DiaryFormat::Sealed);
        EXPECT_TRUE(session.Dirty()) << "the sealed file is written at exit";
        EXPECT_EQ(window->btnSeal->Caption(), " Unseal this diary");

        services.dialogs.AnswerText(QStringLiteral("secret"));
        Click(window->btnSeal);
        EXPECT_EQ(session.Format(), DiaryFormat::Plain);
    });
}
