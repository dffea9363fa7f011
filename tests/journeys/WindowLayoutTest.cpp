// Every window, as it opens: no two sibling controls overlap (background pictures aside), every
// control lies inside the window, and every caption fits its control.
#include "formats/resources/PackedResources.h"
#include "model/session/DiarySession.h"
#include "platform/locale/Collation.h"
#include "support/LayoutCheck.h"
#include "support/TestServices.h"
#include "windows/keeper/KeeperWindow.h"
#include "windows/keeper/PersonDialog.h"
#include "windows/main/MainWindow.h"
#include "windows/selection/OpenDiaryDialog.h"
#include "windows/tools/AboutWindow.h"
#include "windows/tools/ProgressWindow.h"

#include <QApplication>

#include <gtest/gtest.h>

using formats::resources::LoadProgramRessources;
using formats::resources::PackedResources;
using model::session::DiarySession;
using platform::locale::CompareText;
using windows::keeper::KeeperWindow;
using windows::keeper::PersonDialog;
using windows::main::MainWindow;
using windows::selection::OpenDiaryDialog;
using windows::tools::AboutWindow;
using windows::tools::ProgressWindow;

using testing_support::LayoutProblems;
using testing_support::TestServices;

namespace {

void ExpectSoundLayout(QWidget& window)
{
    window.show();
    QApplication::processEvents();
    const QStringList problems = LayoutProblems(window);
    EXPECT_TRUE(problems.isEmpty()) << window.objectName().toStdString() << ":\n"
                                    << problems.join(QLatin1Char('\n')).toStdString();
    window.hide();
}

class WindowLayoutTest : public testing::Test {
protected:
    TestServices services_;
    DiarySession session_{services_.ProgramFolder().string(), CompareText};
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
    PackedResources resources;
    LoadProgramRessources(resources);
    AboutWindow about(nullptr, *services_, resources);
    ExpectSoundLayout(about);
    ProgressWindow progress(nullptr);
    ExpectSoundLayout(progress);
    KeeperWindow keeper(nullptr, *services_);
    ExpectSoundLayout(keeper);
    PersonDialog person(nullptr, *services_);
    ExpectSoundLayout(person);
}
