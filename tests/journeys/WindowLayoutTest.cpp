// Every window, as it opens: no two sibling controls overlap (background pictures aside), every
// control lies inside the window, every caption fits its control, and a screen reader finds a
// name and the right role for every control a person can use.
#include "formats/diary/DayRecords.h"
#include "formats/resources/PackedResources.h"
#include "formats/wordlists/SpellDictionaries.h"
#include "model/session/DiarySession.h"
#include "model/settings/Settings.h"
#include "platform/locale/Collation.h"
#include "support/AccessibilityCheck.h"
#include "support/LayoutCheck.h"
#include "support/TestFiles.h"
#include "support/TestServices.h"
#include "widgets/editor/RichTextEdit.h"
#include "windows/browse/BrowseWindow.h"
#include "windows/keeper/KeeperWindow.h"
#include "windows/keeper/PersonDialog.h"
#include "windows/main/MainWindow.h"
#include "windows/picker/MoodPickerDialog.h"
#include "windows/picker/MoodPictures.h"
#include "windows/selection/OpenDiaryDialog.h"
#include "windows/spell/SpellCheckDialog.h"
#include "windows/tools/AboutWindow.h"
#include "windows/tools/ProgressWindow.h"
#include "windows/tools/ToolsWindow.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace formats::diary;
using namespace formats::resources;
using namespace formats::wordlists;
using namespace model::session;
using namespace model::settings;
using namespace platform::locale;
using namespace widgets::editor;
using namespace windows::browse;
using namespace windows::keeper;
using namespace windows::main;
using namespace windows::picker;
using namespace windows::selection;
using namespace windows::spell;
using namespace windows::tools;

using namespace testing_support;

namespace {

void ExpectSoundLayout(QWidget& window)
{
    window.show();
    QApplication::processEvents();
    const QStringList problems = LayoutProblems(window);
    EXPECT_TRUE(problems.isEmpty()) << window.objectName().toStdString() << ":\n"
                                    << problems.join(QLatin1Char('\n')).toStdString();
    const QStringList unreadable = AccessibilityProblems(window);
    EXPECT_TRUE(unreadable.isEmpty()) << window.objectName().toStdString() << ":\n"
                                      << unreadable.join(QLatin1Char('\n')).toStdString();
    window.hide();
}

// The same check for a window that only fills itself while it runs modally.
void ExpectSoundLayoutWhileRunning(QDialog& window, const std::function<void()>& run)
{
    QTimer::singleShot(0, &window, [&window] {
        ExpectSoundLayout(window);
        window.reject();
    });
    run();
}

class WindowLayoutTest : public testing::Test {
protected:
    WindowLayoutTest() { LoadProgramRessources(resources_); }

    TestServices services_;
    DiarySession session_{services_.ProgramFolder().string(), CompareText};
    PackedResources resources_;
};

} // namespace

TEST_F(WindowLayoutTest, TheMainWindowAndTheDiarySelection)
{
    MainWindow main(*services_, session_);
    OpenDiaryDialog selection(&main, *services_, session_, {});
    ExpectSoundLayout(selection);
    session_.Create("Journal", "pw");
    main.OfferRecovery();
    ExpectSoundLayout(main);
}

TEST_F(WindowLayoutTest, TheToolWindowsAndTheKeeper)
{
    AboutWindow about(nullptr, *services_, resources_);
    ExpectSoundLayout(about);
    ProgressWindow progress(nullptr);
    ExpectSoundLayout(progress);
    KeeperWindow keeper(nullptr, *services_);
    ExpectSoundLayout(keeper);
    PersonDialog person(nullptr, *services_);
    ExpectSoundLayout(person);
}

TEST_F(WindowLayoutTest, TheBrowseToolsSpellAndMoodWindows)
{
    session_.Create("Journal", "pw");
    session_.Text().Add(DayRecord(2024, 5, 6, 2, "A title long enough to fill its column", "{\\rtf1 day}"));
    BrowseWindow browse(nullptr, *services_, session_, resources_);
    ExpectSoundLayoutWhileRunning(browse, [&] { browse.Execute(2); });

    Settings settings(services_->SettingsStore());
    ToolsWindow tools(nullptr, *services_, session_, settings, resources_);
    ExpectSoundLayoutWhileRunning(tools, [&] { tools.Execute(4, {}); });

    testing_support::WriteBytes(services_.ProgramFolder() / "English.dic", "cat\r\n");
    SpellDictionaries dictionaries(services_.ProgramFolder(), CollationKey);
    RichTextEdit body;
    body.setPlainText(QStringLiteral("Teh cat"));
    SpellCheckDialog spell(nullptr, *services_, dictionaries);
    ASSERT_TRUE(spell.Start(body));
    ExpectSoundLayout(spell);

    MoodPickerDialog picker(nullptr);
    picker.Prepare({200, 100}, 0, MoodPictures());
    ExpectSoundLayout(picker);
}
