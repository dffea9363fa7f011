// The mood picker: which cells can become current, how a picture is chosen or the choice
// dropped, and where the picker stands.
#include "windows/picker/MoodPickerDialog.h"

#include "support/WindowFixtures.h"

#include <QScreen>

#include <memory>

using namespace windows::picker;

namespace {

constexpr int PictureCount = 10;

QColor PictureColour(int number)
{
    return QColor(QColor::fromHsv(number * 36, 200, 200).rgb());
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

// The rectangle of picture `number`'s cell in the grid's own coordinates.
QRect CellOf(const PictureGrid& grid, int number)
{
    return grid.CellRect(number % 4, number / 4).translated(grid.contentsRect().topLeft());
}

// The picker prepared as Choose prepares it and shown, without running its own event loop.
class MoodPickerTest : public ::testing::Test {
protected:
    void Open(int current, const QList<QPixmap>& pictures = Pictures())
    {
        picker_ = std::make_unique<MoodPickerDialog>(nullptr);
        picker_->Prepare({200, 100}, current, pictures);
        picker_->show();
        picker_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(picker_.get()));
    }

    PictureGrid* Grid() const { return &testing_support::Child<PictureGrid>(*picker_, "pictureGrid"); }
    QWidget* Button(const char* name) const { return picker_->findChild<QWidget*>(name); }
    void Click(int number)
    {
        QTest::mouseClick(Grid(), Qt::LeftButton, Qt::NoModifier, CellOf(*Grid(), number).center());
    }
    void DoubleClick(int number) { testing_support::DoubleClickAt(Grid(), CellOf(*Grid(), number).center()); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Grid(), key, modifiers);
    }
    int Current() const { return Grid()->CurrentPicture(); }

    void ExpectChosen(int number)
    {
        EXPECT_FALSE(picker_->isVisible());
        EXPECT_EQ(picker_->result(), QDialog::Accepted);
        EXPECT_EQ(picker_->Chosen(), number);
    }
    void ExpectClosedWithout(int current)
    {
        EXPECT_FALSE(picker_->isVisible());
        EXPECT_EQ(picker_->result(), QDialog::Rejected);
        EXPECT_EQ(picker_->Chosen(), current);
    }

    std::unique_ptr<MoodPickerDialog> picker_;
};

} // namespace

TEST_F(MoodPickerTest, EmptyCellsCanBecomeCurrentNeitherByMouseNorByKeys)
{
    Open(9);
    Click(10);
    Key(Qt::Key_Right);
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Current(), 9);

    // Each key and the picture current after it: the last row holds only pictures 8 and 9.
    const std::vector<std::pair<Qt::Key, int>> walk{{Qt::Key_Up, 5},   {Qt::Key_Right, 6}, {Qt::Key_Down, 6},
                                                    {Qt::Key_Left, 5}, {Qt::Key_Down, 9},  {Qt::Key_Home, 8},
                                                    {Qt::Key_Down, 8}, {Qt::Key_Left, 8}};
    for (const auto& [key, current] : walk) {
        Key(key);
        EXPECT_EQ(Current(), current) << QKeySequence(key).toString().toStdString();
    }
    Key(Qt::Key_Home, Qt::ControlModifier);
    Key(Qt::Key_End);
    EXPECT_EQ(Current(), 3);
    EXPECT_TRUE(picker_->isVisible());
}

TEST_F(MoodPickerTest, AClickMovesTheCurrentCellAndADoubleClickOnAPictureChoosesIt)
{
    Open(2);
    Click(3);
    EXPECT_EQ(Current(), 3);
    EXPECT_EQ(picker_->Chosen(), 2);

    DoubleClick(11);
    EXPECT_TRUE(picker_->isVisible()) << "an empty cell chooses nothing";
    EXPECT_EQ(Current(), 3);

    DoubleClick(4);
    ExpectChosen(4);
}


TEST_F(MoodPickerTest, CancelEscapeAndTheCloseBoxKeepTheIndexPassedInEvenOneThatIsNoPicture)
{
    const std::vector<std::function<void()>> ways{
        [&] { QTest::mouseClick(Button("cancelButton"), Qt::LeftButton); }, [&] { Key(Qt::Key_Escape); },
        [&] { picker_->close(); }};
    for (const auto& close : ways) {
        Open(5);
        Click(1);
        close();
        ExpectClosedWithout(5);
    }

    for (int current : {-1, 10, 12}) {
        Open(current);
        EXPECT_EQ(Current(), 0) << current;
        Key(Qt::Key_Escape);
        ExpectClosedWithout(current);
    }
    Open(3, {});
    QTest::mouseClick(Button("selectButton"), Qt::LeftButton);
    EXPECT_TRUE(picker_->isVisible());
    EXPECT_EQ(picker_->Chosen(), 3);
}

TEST(MoodPickerPlacement, StandsBelowTheAnchorCentredOnItAndPulledBackAtTheRightScreenEdge)
{
    // Anchor and place: touching the right edge is still inside; the left edge is not corrected.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int right = screen.x() + screen.width();
    const std::vector<std::pair<QPoint, QPoint>> places{
        {{right - 10, 70}, {right - 266, 70}}, {{right - 132, 0}, {right - 264, 0}}, {{20, 0}, {-112, 0}}};
    MoodPickerDialog picker(nullptr);
    for (const auto& [anchor, place] : places) {
        picker.Prepare(anchor, 0, Pictures());
        EXPECT_EQ(picker.pos(), place) << anchor.x();
    }
}
