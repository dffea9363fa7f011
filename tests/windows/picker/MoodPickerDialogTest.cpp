#include "windows/picker/MoodPickerDialog.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using picker::GridCell;

namespace {

constexpr int PictureCount = 10;

QColor PictureColour(int number)
{
    return QColor(QColor::fromHsv(number * 36, 200, 200).rgb());
}

QColor Inverted(const QColor& colour)
{
    return QColor(255 - colour.red(), 255 - colour.green(), 255 - colour.blue());
}

// A double click as the platform delivers it: a click, then the second press as a double click.
void DoubleClickAt(QWidget* widget, QPoint point)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, point);
}

// Ten pictures of one colour each, so that every cell shows which picture it draws.
QList<QPixmap> Pictures()
{
    QList<QPixmap> pictures;
    for (int number = 0; number < PictureCount; ++number) {
        QPixmap picture(64, 64);
        picture.fill(PictureColour(number));
        pictures.append(picture);
    }
    return pictures;
}

int ScreenRight()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return screen.x() + screen.width();
}

// The picker prepared as Execute prepares it and shown, without running its own event loop.
class ClipartSelectTest : public ::testing::Test {
protected:
    void Open(int current, const QList<QPixmap>& pictures = Pictures())
    {
        form = std::make_unique<MoodPickerDialog>(nullptr);
        form->Prepare(200, 100, current, pictures);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    QPoint CentreOf(int number) const
    {
        return form->DG->CellRect(picker::CellOfPicture(number, 4)).center();
    }
    void Click(int number) { QTest::mouseClick(form->DG, Qt::LeftButton, Qt::NoModifier, CentreOf(number)); }
    void DoubleClick(int number) { DoubleClickAt(form->DG, CentreOf(number)); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(form->DG, key, modifiers);
    }
    int CurrentNumber() const { return picker::PictureNumber(form->DG->Current(), 4); }

    void ExpectChosen(int number)
    {
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(form->result(), QDialog::Accepted);
        EXPECT_EQ(form->Selected, number);
    }
    void ExpectClosedWithout(int current)
    {
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(form->result(), QDialog::Rejected);
        EXPECT_EQ(form->Selected, current);
    }

    std::unique_ptr<MoodPickerDialog> form;
};

} // namespace

TEST_F(ClipartSelectTest, IsLaidOutAsDesigned)
{
    Open(0);
    EXPECT_EQ(form->windowTitle(), " Clipart Selector");
    EXPECT_EQ(form->size(), QSize(264, 232));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->DG->geometry(), QRect(0, 0, 263, 198));
    EXPECT_EQ(form->DG->toolTip(), "Double click to select your image");
    EXPECT_EQ(form->btnSelect->geometry(), QRect(63, 204, 58, 21));
    EXPECT_EQ(form->btnSelect->text(), "&Select");
    EXPECT_EQ(form->btnCancel->geometry(), QRect(143, 204, 58, 21));
    EXPECT_EQ(form->btnCancel->text(), "&Cancel");
    EXPECT_EQ(form->grab().toImage().pixelColor(10, 215), QColor(0, 0, 113));
}

TEST_F(ClipartSelectTest, DrawsThePicturesLeftToRightThenDownAndLeavesTheLastCellsWhite)
{
    Open(0);
    const QImage grid = form->DG->grab().toImage();
    for (int number = 0; number < 12; ++number) {
        const QColor expected = number < PictureCount ? PictureColour(number) : QColor(Qt::white);
        EXPECT_EQ(grid.pixelColor(CentreOf(number)), expected) << number;
    }
    // The silver line between the first two cells of the first row.
    EXPECT_EQ(grid.pixelColor(2 + 64, 30), QColor(192, 192, 192));
}

TEST_F(ClipartSelectTest, PreselectsTheCurrentPictureWithTheFocusRectangle)
{
    Open(9);
    EXPECT_EQ(form->DG->Current(), (GridCell{1, 2}));
    const QImage grid = form->DG->grab().toImage();
    const QRect current = form->DG->CellRect({1, 2});
    const QColor colour = PictureColour(9);
    EXPECT_EQ(grid.pixelColor(current.topLeft()), Inverted(colour));
    EXPECT_EQ(grid.pixelColor(current.center()), colour);
    EXPECT_EQ(grid.pixelColor(form->DG->CellRect({0, 0}).topLeft()), PictureColour(0));
}

TEST_F(ClipartSelectTest, EmptyCellsCanBecomeCurrentNeitherByMouseNorByKeys)
{
    Open(9);
    Click(10);
    Click(11);
    Key(Qt::Key_Right);
    Key(Qt::Key_End);
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(CurrentNumber(), 9);

    Key(Qt::Key_Up);
    Key(Qt::Key_Right);
    EXPECT_EQ(CurrentNumber(), 6);
    Key(Qt::Key_Down);
    EXPECT_EQ(CurrentNumber(), 6);
    Key(Qt::Key_Left);
    Key(Qt::Key_Down);
    EXPECT_EQ(CurrentNumber(), 9);
    Key(Qt::Key_Home);
    EXPECT_EQ(CurrentNumber(), 8);
    Key(Qt::Key_Down);
    Key(Qt::Key_Left);
    EXPECT_EQ(CurrentNumber(), 8);
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(CurrentNumber(), 0);
    Key(Qt::Key_End);
    EXPECT_EQ(CurrentNumber(), 3);
    Key(Qt::Key_Up);
    EXPECT_EQ(CurrentNumber(), 3);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ClipartSelectTest, ASingleClickOnlyMovesTheCurrentCell)
{
    Open(9);
    Click(3);
    EXPECT_EQ(CurrentNumber(), 3);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Selected, 9);
}

TEST_F(ClipartSelectTest, ADoubleClickOnAPictureChoosesItAtOnce)
{
    Open(9);
    DoubleClick(4);
    ExpectChosen(4);
}

TEST_F(ClipartSelectTest, ADoubleClickOnAnEmptyCellChoosesNothing)
{
    Open(2);
    DoubleClick(11);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Selected, 2);
    EXPECT_EQ(CurrentNumber(), 2);
}

TEST_F(ClipartSelectTest, SelectChoosesThePictureOfTheCurrentCell)
{
    Open(0);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    QTest::mouseClick(form->btnSelect, Qt::LeftButton);
    ExpectChosen(2);
}

TEST_F(ClipartSelectTest, CancelEscapeAndTheCloseBoxKeepTheIndexPassedIn)
{
    Open(5);
    Click(1);
    QTest::mouseClick(form->btnCancel, Qt::LeftButton);
    ExpectClosedWithout(5);

    Open(5);
    Click(1);
    Key(Qt::Key_Escape);
    ExpectClosedWithout(5);

    Open(5);
    Click(1);
    form->close();
    ExpectClosedWithout(5);
}

TEST_F(ClipartSelectTest, AnIndexThatIsNoPictureLeavesTheFirstCellCurrentAndComesBackOnCancel)
{
    for (int current : {-1, 10, 11, 12, 40}) {
        Open(current);
        EXPECT_EQ(CurrentNumber(), 0) << current;
        Key(Qt::Key_Escape);
        ExpectClosedWithout(current);
    }
    Open(3, {});
    QTest::mouseClick(form->btnSelect, Qt::LeftButton);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Selected, 3);
}

TEST_F(ClipartSelectTest, StandsBelowTheAnchorCentredOnItAndPulledBackAtTheRightScreenEdge)
{
    MoodPickerDialog picker(nullptr);
    picker.Prepare(400, 50, 0, Pictures());
    EXPECT_EQ(picker.pos(), QPoint(400 - 132, 50));
    picker.Prepare(ScreenRight() - 10, 70, 0, Pictures());
    EXPECT_EQ(picker.pos(), QPoint(ScreenRight() - 264 - 2, 70));
    // Exactly touching the edge is still inside.
    picker.Prepare(ScreenRight() - 132, 0, 0, Pictures());
    EXPECT_EQ(picker.pos(), QPoint(ScreenRight() - 264, 0));
    // Nothing is corrected at the left edge.
    picker.Prepare(20, 0, 0, Pictures());
    EXPECT_EQ(picker.pos(), QPoint(20 - 132, 0));
}

TEST(ClipartSelectExecute, RunsModallyAndReturnsTheChoiceOrTheIndexPassedIn)
{
    const auto whileShown = [](std::function<void(MoodPickerDialog&)> act) {
        QTimer::singleShot(0, [act] {
            auto* form = qobject_cast<MoodPickerDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            act(*form);
            if (form->isVisible()) {
                ADD_FAILURE() << "the picker stayed open";
                form->reject();
            }
        });
    };
    QWidget owner;
    owner.show();
    whileShown([&owner](MoodPickerDialog& form) {
        EXPECT_TRUE(form.isModal());
        EXPECT_EQ(form.parentWidget(), &owner);
        DoubleClickAt(form.DG, form.DG->CellRect({3, 1}).center());
    });
    EXPECT_EQ(MoodPickerDialog::Execute(&owner, 300, 200, 0, Pictures()), 7);

    whileShown([](MoodPickerDialog& form) {
        QTest::keyClick(form.DG, Qt::Key_Left);
        QTest::mouseClick(form.btnCancel, Qt::LeftButton);
    });
    EXPECT_EQ(MoodPickerDialog::Execute(&owner, 300, 200, 6, Pictures()), 6);
}
