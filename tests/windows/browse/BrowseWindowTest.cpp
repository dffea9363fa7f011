// The browse window, driven as a user drives it while it runs modally: its list, stepping,
// search, the jump to an entry and the ways to close it.
#include "windows/browse/BrowseWindow.h"

#include "formats/resources/PackedResources.h"
#include "model/session/DiarySession.h"
#include "platform/locale/Collation.h"
#include "platform/locale/Locale.h"
#include "support/TestServices.h"
#include "support/WindowFixtures.h"
#include "widgets/controls/SkinPictures.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

using namespace base::text;
using namespace formats::diary;
using namespace formats::resources;
using namespace model::session;
using namespace platform::locale;
using namespace widgets::controls;
using namespace windows::browse;

namespace {

std::string Body(const std::string& text)
{
    return "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0 " + text + "\\par}";
}

// Six days of May 2024: walks on even days, work on odd days, the 6th without a title.
LineList MayRecords()
{
    LineList lines;
    for (int day = 1; day <= 6; ++day)
        lines.push_back(DayRecord(2024, 5, day, day % 10,
                                  day == 6       ? ""
                                  : day % 2 == 0 ? "Walk"
                                                 : "Work",
                                  Body(day == 3 ? "Day of rest" : "ordinary day")));
    return lines;
}

class BrowseWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadProgramRessources(store_);
        SetRecords(MayRecords());
    }

    void SetRecords(LineList lines)
    {
        session_.Text().SetSorted(false);
        session_.Text().SetLines(std::move(lines));
        session_.Text().SetSorted(true);
    }

    // Executes the window, doing `inside` while it is shown; it is closed afterwards if `inside`
    // left it open. The window's result.
    int Run(const std::function<void()>& inside, int skin = 0)
    {
        testing_support::WhileRunning(*window_, inside);
        return window_->Execute(skin);
    }

    template <typename T> T& Control(const char* name) const { return testing_support::Child<T>(*window_, name); }
    QTreeView& List() const { return Control<QTreeView>("entryList"); }
    QLineEdit& SearchEdit() const { return Control<QLineEdit>("searchEdit"); }
    QCheckBox& FullContent() const { return Control<QCheckBox>("fullContentCheck"); }

    void Click(const char* button) { testing_support::ClickChild(*window_, button); }

    // Types the needle over the search text, then Enter.
    void Search(const QString& needle)
    {
        SearchEdit().clear();
        QTest::keyClicks(&SearchEdit(), needle);
        QTest::keyClick(&SearchEdit(), Qt::Key_Return);
    }

    int Rows() const { return List().model()->rowCount(); }
    QString Cell(int row, int column) const { return List().model()->index(row, column).data().toString(); }

    // The day of month of the selected row's record (-1 with no selection).
    int SelectedDay() const
    {
        const QModelIndexList selected = List().selectionModel()->selectedRows();
        if (selected.isEmpty())
            return -1;
        const auto& rows = static_cast<const BrowseModel*>(List().model())->Rows();
        return rows[static_cast<size_t>(selected.front().row())].Date.Day;
    }

    testing_support::TestServices services_;
    DiarySession session_{services_.ProgramFolder().string(), CompareText};
    PackedResources store_;
    std::unique_ptr<BrowseWindow> window_ =
        std::make_unique<BrowseWindow>(nullptr, *services_, session_, store_);
};

} // namespace


TEST_F(BrowseWindowTest, ListsEveryEntryNewestFirstOnASkinBackgroundStepsAndGoesToTheSelectedOne)
{
    const int chosen = Run([&] {
        ASSERT_EQ(Rows(), 6);
        EXPECT_EQ(Cell(0, 0), RowDateCaption({2024, 5, 6}));
        EXPECT_TRUE(Cell(0, 0).startsWith(ShortDayName(2) + ", ")) << "6 May 2024 was a Monday";
        EXPECT_EQ(Cell(0, 1) + Cell(1, 1), "Untitled dayWork");
        EXPECT_EQ(SelectedDay(), -1);
        EXPECT_TRUE(SearchEdit().hasFocus());
        const QImage shown = Control<QLabel>("backgroundPicture").pixmap().toImage();
        EXPECT_EQ(shown, SkinPicture(store_, 2, SkinPart::Background).convertToFormat(shown.format()));
        Click("previousDayButton");
        EXPECT_EQ(SelectedDay(), 6) << "with no selection a step selects the newest entry";
        EXPECT_TRUE(List().hasFocus());
        for (int i = 0; i < 3; ++i)
            Click("nextDayButton");
        EXPECT_EQ(SelectedDay(), 3);
        Click("gotoButton");
    }, 2);
    ASSERT_GE(chosen, 0);
    EXPECT_EQ(session_.Text()[static_cast<size_t>(chosen)].substr(0, 8), "20240503");
}


TEST_F(BrowseWindowTest, EnterAndTheSearchButtonWalkTheMatchesAndTheBoxAddsTheBodies)
{
    Run([&] {
        // Typing selects the first match (the 4th), Enter steps on to the next one.
        Search("WALK");
        EXPECT_EQ(SelectedDay(), 2) << "titles match in any letter case";
        EXPECT_TRUE(SearchEdit().hasFocus()) << "Enter searches again";
        Click("searchButton");
        EXPECT_EQ(SelectedDay(), 4);
        Search("rest");
        EXPECT_EQ(Control<QLabel>("matchCountLabel").text(), "0 found") << "bodies are searched only on request";
        EXPECT_TRUE(services_.dialogs.Asked().empty()) << "the search reports nothing";
        QTest::mouseClick(&Control<QLabel>("fullContentLabel"), Qt::LeftButton);
        EXPECT_TRUE(FullContent().isChecked()) << "the label toggles the box";
        Search("rest");
        EXPECT_EQ(SelectedDay(), 3);
    });
}

TEST_F(BrowseWindowTest, ClosingWithoutAJumpLeavesTheSelectionEmpty)
{
    const std::vector<std::function<void()>> closings{[&] { QTest::keyClick(&List(), Qt::Key_Escape); },
                                                      [&] { QTest::keyClick(&SearchEdit(), Qt::Key_Escape); },
                                                      [&] { Click("closeButton"); }, [&] { window_->close(); }};
    for (const auto& close : closings)
        EXPECT_EQ(Run([&] {
                      Click("nextDayButton");
                      close();
                  }),
                  -1);
    EXPECT_EQ(Run([&] {
                  testing_support::DoubleClickAt(List().viewport(),
                                                 List().visualRect(List().model()->index(4, 1)).center());
              }),
              1) << "a double-click goes to the entry";
    EXPECT_EQ(Run([] {}), -1) << "every showing starts without a selection";
}

TEST_F(BrowseWindowTest, ReopeningShowsTheEntriesOfThenAndAnEmptyListHasNoCommands)
{
    Run([&] { EXPECT_EQ(Rows(), 6); });
    session_.Text().Add(DayRecord(2024, 5, 7, 1, "New day", Body("fresh")));
    Run([&] {
        EXPECT_EQ(Rows(), 7);
        EXPECT_EQ(Cell(0, 1), "New day");
    });
    SetRecords({});
    EXPECT_EQ(Run([&] {
                  EXPECT_EQ(Rows(), 0);
                  Click("nextDayButton");
                  Search("day");
                  Click("gotoButton");
                  EXPECT_TRUE(window_->isVisible());
              }),
              -1);
}
