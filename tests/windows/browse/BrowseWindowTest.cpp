// The browse window, driven as a user drives it while it runs modally: its list, stepping,
// search, the jump to an entry and the ways to close it.
#include "windows/browse/BrowseWindow.h"

#include "platform/locale/Collation.h"
#include "platform/locale/Locale.h"
#include "model/session/DiarySession.h"
#include "formats/resources/PackedResources.h"
#include "support/ShownPicture.h"
#include "support/TestServices.h"
#include "widgets/controls/HatchedPanel.h"
#include "widgets/controls/FlatEdit.h"
#include "widgets/controls/ToolButton.h"
#include "widgets/controls/SkinPictures.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>

using testing_support::ShowsPicture;

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
        LoadProgramRessources(store);
        SetRecords(MayRecords());
    }

    void SetRecords(LineList lines)
    {
        session.Text().SetSorted(false);
        session.Text().SetLines(std::move(lines));
        session.Text().SetSorted(true);
    }

    // Executes the window, doing `inside` while it is shown; it is closed afterwards if `inside`
    // left it open. The window's result.
    int Run(const std::function<void()>& inside, int skin = 0)
    {
        QTimer::singleShot(0, window.get(), [&] {
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
            inside();
            if (window->isVisible())
                window->reject();
        });
        return window->Execute(skin);
    }

    void Click(widgets::ToolButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    void Search(const QString& needle)
    {
        window->edtNeedle->setText(needle);
        QTest::keyClick(window->edtNeedle, Qt::Key_Return);
    }

    QString Cell(int row, int column) const
    {
        return window->DLV->model()->index(row, column).data().toString();
    }

    // The day of month of the selected row's record (-1 with no selection).
    int SelectedDay() const
    {
        const auto row = window->SelectedRow();
        if (!row)
            return -1;
        const auto& rows = static_cast<const BrowseModel*>(window->DLV->model())->Rows();
        return rows[*row].Date.Day;
    }

    testing_support::TestServices services;
    DiarySession session{services.ProgramFolder().string(), platform::CompareText};
    PackedResources store;
    std::unique_ptr<BrowseWindow> window =
        std::make_unique<BrowseWindow>(nullptr, *services, session, store);
};

} // namespace

TEST_F(BrowseWindowTest, ControlsCaptionsAndHintsInPlace)
{
    EXPECT_EQ(window->windowTitle(), " Browse through all diary entries ...");
    EXPECT_EQ(window->size(), QSize(479, 293));
    EXPECT_EQ(window->htchpnlBack->geometry(), QRect(0, 0, 479, 293));
    EXPECT_EQ(window->btnPrevDay->geometry(), QRect(10, 10, 51, 48));
    EXPECT_EQ(window->btnGoto->geometry(), QRect(64, 10, 51, 48));
    EXPECT_EQ(window->btnNextDay->geometry(), QRect(118, 10, 51, 48));
    EXPECT_EQ(window->bvlSeparator->x(), 170);
    EXPECT_EQ(window->lblSearchFor->pos(), QPoint(187, 5));
    EXPECT_EQ(window->lblSearchFor->text(), "Search diary for for:");
    EXPECT_EQ(window->edtNeedle->geometry(), QRect(186, 22, 154, 23));
    EXPECT_EQ(window->cbFull->pos(), QPoint(185, 47));
    EXPECT_FALSE(window->cbFull->isChecked());
    EXPECT_EQ(window->lblFull->pos(), QPoint(200, 48));
    EXPECT_EQ(window->lblFull->text(), "Full content search (slower)");
    EXPECT_EQ(window->btnSearch->geometry(), QRect(358, 10, 55, 48));
    EXPECT_EQ(window->btnClose->geometry(), QRect(417, 10, 53, 48));
    EXPECT_EQ(window->DLV->geometry(), QRect(10, 68, 460, 214));
    EXPECT_EQ(window->DLV->header()->sectionSize(0), 120);
    EXPECT_EQ(window->DLV->header()->sectionSize(1), 318);
    EXPECT_EQ(window->DLV->model()->headerData(0, Qt::Horizontal).toString(), "Date");
    EXPECT_EQ(window->DLV->model()->headerData(1, Qt::Horizontal).toString(), "Title");
    EXPECT_EQ(window->btnGoto->toolTip(), "Jump to Diary\nusing the selected day");
    EXPECT_EQ(window->DLV->toolTip(), "Lists your diary entries. You can \n   double-click to edit an entry");
    for (const auto* button :
         {window->btnPrevDay, window->btnGoto, window->btnNextDay, window->btnSearch, window->btnClose})
        EXPECT_FALSE(button->Glyph().isNull()) << button->Caption().toStdString();
}

TEST_F(BrowseWindowTest, ListsEveryEntryNewestFirstOnASkinBackground)
{
    Run(
        [&] {
            ASSERT_EQ(window->DLV->model()->rowCount(), 6);
            EXPECT_EQ(Cell(0, 0), RowDateCaption({2024, 5, 6}));
            EXPECT_TRUE(Cell(0, 0).startsWith(platform::ShortDayName(2) + ", ")) << "6 May 2024 was a Monday";
            EXPECT_EQ(Cell(0, 1), "Untitled day");
            EXPECT_EQ(Cell(1, 1), "Work");
            EXPECT_EQ(Cell(2, 1), "Walk");
            const QPixmap mood = window->DLV->model()->index(1, 0).data(Qt::DecorationRole).value<QPixmap>();
            EXPECT_EQ(mood.size(), QSize(22, 22));
            EXPECT_FALSE(window->SelectedRow());
            EXPECT_TRUE(window->edtNeedle->hasFocus());
            EXPECT_EQ(window->edtNeedle->palette().color(QPalette::Base), QColor(0xE8, 0xF0, 0xFF));
            const QImage shown = window->image_Bck->pixmap().toImage();
            EXPECT_EQ(shown, widgets::SkinPicture(store, 2, widgets::SkinPart::Background)
                                 .convertToFormat(shown.format()));
        },
        2);
    Run(
        [&] {
            const QImage shown = window->image_Bck->pixmap().toImage();
            EXPECT_EQ(shown, widgets::SkinPicture(store, 5, widgets::SkinPart::Background)
                                 .convertToFormat(shown.format()));
        },
        5);
}

TEST_F(BrowseWindowTest, StepsThroughTheListAndGoesToTheSelectedEntry)
{
    const int chosen = Run([&] {
        Click(window->btnPrevDay);
        EXPECT_EQ(SelectedDay(), 6) << "with no selection a step selects the newest entry";
        Click(window->btnPrevDay);
        EXPECT_EQ(SelectedDay(), 6) << "the newest entry is the top of the list";
        EXPECT_TRUE(window->DLV->hasFocus());
        for (int i = 0; i < 7; ++i)
            Click(window->btnNextDay);
        EXPECT_EQ(SelectedDay(), 1) << "the oldest entry is the bottom";
        Click(window->btnPrevDay);
        Click(window->btnPrevDay);
        EXPECT_EQ(SelectedDay(), 3);
        Click(window->btnGoto);
    });
    ASSERT_GE(chosen, 0);
    EXPECT_EQ(session.Text()[static_cast<size_t>(chosen)].substr(0, 8), "20240503");
    EXPECT_EQ(window->BrowseSelection, chosen);
}

TEST_F(BrowseWindowTest, DoubleClickGoesToTheEntry)
{
    const int chosen = Run([&] {
        const QRect row = window->DLV->visualRect(window->DLV->model()->index(4, 1));
        // A double-click as the system delivers it: press and release, then the double-click.
        QTest::mouseClick(window->DLV->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(window->DLV->viewport(), Qt::LeftButton, {}, row.center());
    });
    ASSERT_GE(chosen, 0);
    EXPECT_EQ(session.Text()[static_cast<size_t>(chosen)].substr(0, 8), "20240502");
}

TEST_F(BrowseWindowTest, RepeatedSearchWalksTheMatchesAndWrapsAround)
{
    Run([&] {
        std::vector<int> days;
        for (int i = 0; i < 4; ++i) {
            Search("WALK");
            days.push_back(SelectedDay());
        }
        EXPECT_EQ(days, (std::vector<int>{4, 2, 4, 2}));
        EXPECT_TRUE(window->edtNeedle->hasFocus()) << "Enter searches again";

        Click(window->btnPrevDay); // from the 2nd to the 3rd
        Click(window->btnSearch);
        EXPECT_EQ(SelectedDay(), 2) << "the search goes on after the selected row";

        Search("nothing like it");
        EXPECT_EQ(SelectedDay(), 2) << "no match changes nothing";
        Search("");
        EXPECT_EQ(SelectedDay(), 2);
        EXPECT_TRUE(services.dialogs.Asked().empty()) << "the search reports nothing";
    });
}

TEST_F(BrowseWindowTest, FullContentSearchCountsLetterCase)
{
    Run([&] {
        Search("Day");
        EXPECT_EQ(SelectedDay(), 6) << "\"Untitled day\" is the title shown, so it matches";
        window->edtNeedle->clear();
        Click(window->btnNextDay);
        Click(window->btnNextDay);
        EXPECT_EQ(SelectedDay(), 4);
        Search("rest");
        EXPECT_EQ(SelectedDay(), 4) << "bodies are searched only on request";

        QTest::mouseClick(window->lblFull, Qt::LeftButton);
        EXPECT_TRUE(window->cbFull->isChecked()) << "the label toggles the box";
        Search("rest");
        EXPECT_EQ(SelectedDay(), 3);
        Search("Ordinary");
        EXPECT_EQ(SelectedDay(), 3) << "letter case counts in bodies";
        Search("Day of");
        EXPECT_EQ(SelectedDay(), 3);
        QTest::mouseClick(window->lblFull, Qt::LeftButton);
        EXPECT_FALSE(window->cbFull->isChecked());
    });
}

TEST_F(BrowseWindowTest, ClosingWithoutAJumpLeavesTheSelectionEmpty)
{
    EXPECT_EQ(Run([&] {
                  Click(window->btnNextDay);
                  QTest::keyClick(window->DLV, Qt::Key_Escape);
              }),
              -1);
    EXPECT_EQ(Run([&] {
                  Click(window->btnNextDay);
                  QTest::keyClick(window->edtNeedle, Qt::Key_Escape);
              }),
              -1);
    EXPECT_EQ(Run([&] { Click(window->btnClose); }), -1);
    EXPECT_EQ(Run([&] { window->close(); }), -1);
    EXPECT_EQ(Run([&] {
                  Click(window->btnNextDay);
                  Click(window->btnGoto);
              }),
              5);
    EXPECT_EQ(Run([] {}), -1) << "every showing starts without a selection";
}

TEST_F(BrowseWindowTest, ReopeningShowsEntriesAddedMeanwhile)
{
    Run([&] { EXPECT_EQ(window->DLV->model()->rowCount(), 6); });
    session.Text().Add(DayRecord(2024, 5, 7, 1, "New day", Body("fresh")));
    Run([&] {
        EXPECT_EQ(window->DLV->model()->rowCount(), 7);
        EXPECT_EQ(Cell(0, 1), "New day");
    });
}

TEST_F(BrowseWindowTest, AnEmptyDiaryListsNothingAndEveryCommandDoesNothing)
{
    SetRecords({});
    EXPECT_EQ(Run([&] {
                  EXPECT_EQ(window->DLV->model()->rowCount(), 0);
                  Click(window->btnPrevDay);
                  Click(window->btnNextDay);
                  Search("day");
                  Click(window->btnGoto);
                  EXPECT_TRUE(window->isVisible());
                  EXPECT_FALSE(window->SelectedRow());
              }),
              -1);
}
