// Journeys through the day's page: pictures added from a file and by paste and seen again after
// a restart, the "On this day" lines followed and clicked, and a search typed letter by letter.
#include "JourneyTest.h"

#include "widgets/calendar/MainCalendar.h"
#include "widgets/editor/RichTextEdit.h"
#include "widgets/editor/TitleEdit.h"
#include "windows/browse/BrowseWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

using namespace base::dates;
using namespace base::text;
using namespace widgets::calendar;
using namespace widgets::editor;
using namespace windows::browse;

using namespace testing_support;

namespace {

class DayPageJourneyTest : public journeys::JourneyTest {
protected:
    void OpenDiary(const LineList& lines)
    {
        Diary("Journal.dry", lines, "pw");
        StartSelection();
        Child<QLineEdit>(*entry_, "passwordEdit").setText(QStringLiteral("pw"));
        Choose(QStringLiteral("Journal"));
        ClickChild(*entry_, "nextButton");
        ASSERT_FALSE(entry_->isVisible()) << "the diary did not open";
        entry_.reset();
        main_->show();
        main_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main_.get()));
    }

    void Exit()
    {
        ClickChild(*main_, "exitButton");
        main_.reset();
    }

    MainCalendar* Calendar() const { return &Child<MainCalendar>(*main_, "calendar"); }
    RichTextEdit* Body() const { return &Child<RichTextEdit>(*main_, "bodyEdit"); }
    void ClickDay(int day) { QTest::mouseClick(Calendar(), Qt::LeftButton, {}, DayCellCentre(*Calendar(), day)); }

    // The lines "On this day" shows, in order.
    QStringList OnThisDay() const
    {
        QStringList lines;
        if (!Child<QWidget>(*main_, "onThisDayPanel").isVisible())
            return lines;
        for (int i = 1;; ++i) {
            auto* line = main_->findChild<QAbstractButton*>(QStringLiteral("onThisDayLine%1").arg(i));
            if (line == nullptr || !line->isVisible())
                return lines;
            lines.push_back(line->accessibleName());
        }
    }
};

int PicturesShown(const RichTextEdit& body)
{
    return static_cast<int>(body.toPlainText().count(QChar::ObjectReplacementCharacter));
}

// How many pixels of the body's viewport are of the colour.
int PixelsOf(RichTextEdit& body, const QColor& colour)
{
    const QImage shown = body.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            count += QColor(shown.pixel(x, y)) == colour ? 1 : 0;
    return count;
}

} // namespace

TEST_F(DayPageJourneyTest, PicturesInsertedFromAFileAndPastedAreThereAfterARestart)
{
    const QColor blue(0, 0, 255);
    const QColor green(0, 160, 0);
    QImage drawing(60, 30, QImage::Format_RGB32);
    drawing.fill(blue);
    const auto file = services_.settingsFolder / "drawing.png";
    ASSERT_TRUE(drawing.save(QString::fromStdString(file.string())));

    OpenDiary({"202403100Sunday@@{\\rtf1 rest}"});
    ClickDay(20);
    QTest::mouseClick(Body()->viewport(), Qt::LeftButton);
    QTest::keyClicks(Body(), QStringLiteral("Two pictures "));
    services_.dialogs.AnswerText(QString::fromStdString(file.string()));
    main_->findChild<QAction*>(QStringLiteral("insertPictureAction"))->trigger();
    QImage photo(40, 40, QImage::Format_RGB32);
    photo.fill(green);
    QApplication::clipboard()->setImage(photo);
    QTest::keyClick(Body(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(PicturesShown(*Body()), 2);
    Exit();

    const LineList stored = Stored("Journal.dry", "pw");
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_NE(stored[1].find("\\pngblip"), std::string::npos);

    OpenDiary(stored);
    ClickDay(20);
    EXPECT_EQ(PicturesShown(*Body()), 2);
    EXPECT_EQ(Body()->toPlainText().remove(QChar::ObjectReplacementCharacter), "Two pictures ");
    EXPECT_EQ(PixelsOf(*Body(), blue), 60 * 30);
    EXPECT_EQ(PixelsOf(*Body(), green), 40 * 40);
    // A picture file dropped on the day's body, which is read-only until entered.
    ClickDay(21);
    ASSERT_TRUE(Body()->isReadOnly());
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(QString::fromStdString(file.string()))});
    const QPoint at = Body()->viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Body()->viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Body()->viewport(), &drop);
    EXPECT_EQ(PicturesShown(*Body()), 1);
    EXPECT_EQ(PixelsOf(*Body(), blue), 60 * 30);
    Exit();
    EXPECT_EQ(Stored("Journal.dry", "pw").size(), 3u);
}

TEST_F(DayPageJourneyTest, OnThisDayListsEarlierYearsAndJumpsToTheOneClicked)
{
    // Today is 15 March 2024.
    OpenDiary({"202003153Leap year walk@@{\\rtf1 a}", "202203157@@{\\rtf1 b}", "202303152River walk@@{\\rtf1 c}",
               "202403151Today@@{\\rtf1 d}", "202303161Another day@@{\\rtf1 e}"});
    EXPECT_EQ(OnThisDay(), (QStringList{"2023 \u00B7 River walk", "2022 \u00B7 Untitled day",
                                        "2020 \u00B7 Leap year walk"}));

    QTest::mouseClick(main_->findChild<QAbstractButton*>(QStringLiteral("onThisDayLine2")), Qt::LeftButton);
    EXPECT_EQ(Calendar()->CalendarDate(), (Date{2022, 3, 15}));
    EXPECT_EQ(OnThisDay(), QStringList{"2020 \u00B7 Leap year walk"}) << "the lines follow the calendar";
    ClickDay(16);
    EXPECT_TRUE(OnThisDay().isEmpty()) << "nothing earlier on 16 March 2022";
    Exit();
}

TEST_F(DayPageJourneyTest, ASearchTypedLetterByLetterMovesTheSelectionAndCountsTheMatches)
{
    OpenDiary({"202403100Sunday@@{\\rtf1 rest}", "202403123Tuesday@@{\\rtf1 work}", "202404011April@@{\\rtf1 fool}"});
    WhenModalOpens<BrowseWindow>([](BrowseWindow& browse) {
        // Newest first: April, Tuesday, Sunday.
        auto& list = Child<QTreeView>(browse, "entryList");
        auto& edit = Child<QLineEdit>(browse, "searchEdit");
        auto& count = Child<QLabel>(browse, "matchCountLabel");
        const auto selected = [&] { return list.selectionModel()->selectedRows().value(0).row(); };
        QTest::keyClick(&edit, Qt::Key_S);
        EXPECT_EQ(selected(), 1);
        EXPECT_EQ(count.text(), "2 found");
        QTest::keyClick(&edit, Qt::Key_U);
        EXPECT_EQ(selected(), 2);
        EXPECT_EQ(count.text(), "1 found");
        QTest::keyClick(&edit, Qt::Key_Backspace);
        EXPECT_EQ(selected(), 1) << "the first match from where the typing began";
        QTest::keyClick(&edit, Qt::Key_Return);
        EXPECT_EQ(selected(), 2) << "Enter steps to the next match";

        edit.clear();
        Child<QCheckBox>(browse, "fullContentCheck").setChecked(true);
        QTest::keyClicks(&edit, QStringLiteral("foo"));
        EXPECT_EQ(selected(), 0) << "the body of April holds it";
        EXPECT_EQ(count.text(), "1 found");
        ClickChild(browse, "gotoButton");
    });
    ClickChild(*main_, "browseButton");
    EXPECT_EQ(Calendar()->CalendarDate(), (Date{2024, 4, 1}));
    Exit();
}
