#include "WidgetTesting.h"

#include "widgets/controls/CellGrid.h"
#include "widgets/controls/QtColors.h"

#include <QTest>

#include <gtest/gtest.h>

#include <set>

using model::look::Red;
using model::look::RGBColor;
using model::look::Silver;
using model::look::White;
using widgets::controls::CellGrid;
using widgets::controls::CellStates;
using widgets::controls::FocusFrame;
using widgets::controls::GridBorder;
using widgets::controls::GridCoord;
using widgets::controls::GridOption;

using widgets_test::PixelAt;

namespace {

// A grid whose cells show only their background; the cells in Refused cannot become current.
class PlainGrid : public CellGrid {
public:
    PlainGrid(int colCount, int rowCount, int fixedRows) : CellGrid(colCount, rowCount, fixedRows, nullptr)
    {
        SetDefaultColWidth(20);
        SetDefaultRowHeight(10);
        SetColor(White);
        SetFixedColor(RGBColor(0xEA, 0xEA, 0xFF));
    }

    std::set<std::pair<int, int>> Refused;
    int Clicks = 0;

protected:
    void DrawCell(QPainter&, int, int, const QRect&, CellStates) override {}
    bool SelectCell(int col, int row) override { return Refused.count({col, row}) == 0; }
    void Click() override { ++Clicks; }
};

QImage Render(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A cell's rectangle in the widget's coordinates.
QRect OnScreen(const CellGrid& grid, int col, int row)
{
    return grid.CellRect(col, row).translated(grid.contentsRect().topLeft());
}

void ShowFocused(CellGrid& grid)
{
    grid.show();
    grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    grid.setFocus();
    ASSERT_TRUE(grid.hasFocus());
}

} // namespace

TEST(CellGrid, BorderIsNoneAFlatLineOrASunkenEdge)
{
    PlainGrid grid(3, 3, 1);
    grid.resize(70, 40);
    grid.SetBorder(GridBorder::None);
    EXPECT_EQ(grid.contentsRect(), grid.rect());

    grid.SetBorder(GridBorder::Single);
    grid.SetFlat(true);
    QImage image = Render(grid);
    EXPECT_EQ(grid.contentsRect(), grid.rect().adjusted(1, 1, -1, -1));
    EXPECT_EQ(image.pixelColor(0, 0), grid.palette().color(QPalette::WindowText));
    EXPECT_EQ(image.pixelColor(69, 39), grid.palette().color(QPalette::WindowText));

    grid.SetFlat(false);
    image = Render(grid);
    EXPECT_EQ(grid.contentsRect(), grid.rect().adjusted(2, 2, -2, -2));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(160, 160, 160));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(105, 105, 105));
    EXPECT_EQ(image.pixelColor(69, 20), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(20, 38), QColor(227, 227, 227));
    EXPECT_EQ(image.pixelColor(OnScreen(grid, 1, 0).topLeft()), grid.palette().color(QPalette::Light))
        << "fixed cells are raised";
}

TEST(CellGrid, LinesAreBlackBetweenFixedCellsAndSilverOrGrayBetweenTheOthers)
{
    PlainGrid grid(3, 3, 1);
    grid.SetBorder(GridBorder::None);
    grid.SetFlat(true);
    grid.resize(62, 32);
    QImage image = Render(grid);
    EXPECT_EQ(image.pixelColor(20, 5), QColor(Qt::black)) << "between two fixed cells";
    EXPECT_EQ(image.pixelColor(5, 10), QColor(Qt::black)) << "below the fixed row";
    EXPECT_EQ(image.pixelColor(20, 15), QColor(192, 192, 192));
    EXPECT_EQ(image.pixelColor(5, 21), QColor(192, 192, 192));
    EXPECT_EQ(image.pixelColor(25, 15), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(0xEA, 0xEA, 0xFF)) << "a flat fixed cell";

    grid.SetColor(Silver);
    image = Render(grid);
    EXPECT_EQ(image.pixelColor(20, 15), QColor(128, 128, 128)) << "silver cells get gray lines";

    grid.SetColor(White);
    grid.SetOptions(GridOption::FixedVerticalLines);
    image = Render(grid);
    EXPECT_EQ(image.pixelColor(20, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(20, 15), QColor(Qt::white)) << "no line: the grid's colour";
    EXPECT_EQ(image.pixelColor(25, 10), QColor(Qt::white));
}

TEST(CellGrid, CurrentCellIsHighlightedWithoutTheFocusAndFramedWithIt)
{
    PlainGrid grid(3, 3, 1);
    grid.SetBorder(GridBorder::None);
    grid.SetFontColor(Red);
    grid.resize(62, 32);
    const QRect current = OnScreen(grid, 0, 1);
    const QColor highlight = grid.palette().color(QPalette::Highlight);
    EXPECT_EQ(Render(grid).pixelColor(current.center()), highlight);

    ShowFocused(grid);
    QImage image = Render(grid);
    EXPECT_EQ(image.pixelColor(current.center()), QColor(Qt::white)) << "no highlight while focused";
    EXPECT_EQ(image.pixelColor(current.topLeft()), QColor(Qt::black)) << "inverted dots";
    EXPECT_EQ(image.pixelColor(current.topLeft() + QPoint(1, 0)), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(current.topLeft() + QPoint(2, 0)), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(current.bottomRight() - QPoint(0, 1)), QColor(Qt::black));

    grid.SetFocusFrameStyle(FocusFrame::DottedLine);
    grid.SetOptions(grid.Options() | GridOption::HighlightFocusedCell);
    image = Render(grid);
    EXPECT_EQ(image.pixelColor(current.center()), highlight);
    EXPECT_EQ(image.pixelColor(current.topLeft() + QPoint(1, 0)), QColor(Qt::red))
        << "dots in the font colour";
    EXPECT_EQ(image.pixelColor(current.topLeft() + QPoint(3, 0)), highlight) << "two pixels apart";
    EXPECT_EQ(image.pixelColor(current.topLeft() + QPoint(4, 0)), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(OnScreen(grid, 1, 1).topLeft()), QColor(Qt::white)) << "only the current cell";
}

TEST(CellGrid, KeysMoveWithinTheUnfixedRowsWhereTheCellsAllowIt)
{
    PlainGrid grid(4, 5, 1);
    grid.resize(90, 60);
    grid.show();
    const auto key = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&grid, key, modifiers);
        return std::pair{grid.Col(), grid.Row()};
    };
    EXPECT_EQ(key(Qt::Key_Up), std::pair(0, 1)) << "the fixed row is never current";
    EXPECT_EQ(key(Qt::Key_PageDown), std::pair(0, 4));
    EXPECT_EQ(key(Qt::Key_End), std::pair(3, 4));
    EXPECT_EQ(key(Qt::Key_PageUp), std::pair(3, 1));
    EXPECT_EQ(key(Qt::Key_End, Qt::ControlModifier), std::pair(3, 4));
    EXPECT_EQ(key(Qt::Key_Home, Qt::ControlModifier), std::pair(0, 1));
    EXPECT_EQ(key(Qt::Key_PageDown, Qt::ControlModifier), std::pair(0, 4));
    EXPECT_EQ(key(Qt::Key_PageUp, Qt::ControlModifier), std::pair(0, 1));

    grid.Refused = {{1, 1}};
    const int clicks = grid.Clicks;
    EXPECT_EQ(key(Qt::Key_Right), std::pair(0, 1));
    EXPECT_EQ(grid.Clicks, clicks + 1) << "a refused move still clicks";
    key(Qt::Key_Left);
    EXPECT_EQ(grid.Clicks, clicks + 1) << "no move, no click";
}

TEST(CellGrid, ADoubleClickActsAsAPressThenReportsTheCellUnderTheMouse)
{
    PlainGrid grid(3, 3, 1);
    grid.SetBorder(GridBorder::None);
    grid.resize(100, 60); // room right of and below the cells
    grid.show();
    std::vector<std::optional<GridCoord>> reported;
    grid.OnDoubleClick = [&](std::optional<GridCoord> cell) { reported.push_back(cell); };

    QTest::mouseDClick(&grid, Qt::LeftButton, {}, OnScreen(grid, 2, 2).center());
    EXPECT_EQ(grid.Current(), (GridCoord{2, 2}));
    QTest::mouseDClick(&grid, Qt::LeftButton, {}, OnScreen(grid, 1, 0).center());
    EXPECT_EQ(grid.Current(), (GridCoord{2, 2})) << "a fixed cell is never current";
    grid.Refused = {{0, 1}};
    QTest::mouseDClick(&grid, Qt::LeftButton, {}, OnScreen(grid, 0, 1).center());
    QTest::mouseDClick(&grid, Qt::LeftButton, {}, QPoint(95, 55));
    QTest::mouseDClick(&grid, Qt::RightButton, {}, OnScreen(grid, 1, 1).center());

    const std::vector<std::optional<GridCoord>> expected{GridCoord{2, 2}, GridCoord{1, 0}, GridCoord{0, 1},
                                                         std::nullopt};
    EXPECT_EQ(reported, expected);
    EXPECT_EQ(grid.Current(), (GridCoord{2, 2}));
}
