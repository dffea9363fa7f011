#include "WidgetTesting.h"

#include "widgets/controls/CellGrid.h"
#include "widgets/controls/QtColors.h"

#include <QTest>

#include <gtest/gtest.h>

#include <set>

using namespace widgets::controls;

namespace {

// A grid whose cells show only their background; the cells in Refused cannot become current.
class PlainGrid : public CellGrid {
public:
    PlainGrid(int colCount, int rowCount, int fixedRows) : CellGrid(colCount, rowCount, fixedRows, nullptr)
    {
        SetDefaultColWidth(20);
        SetDefaultRowHeight(10);
    }

    std::set<std::pair<int, int>> Refused;
    int Clicks = 0;

protected:
    void DrawCell(QPainter&, int, int, const QRect&, CellStates) override {}
    bool SelectCell(int col, int row) override { return Refused.count({col, row}) == 0; }
    void Click() override { ++Clicks; }
};


} // namespace

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

    grid.Refused = {{1, 1}};
    const int clicks = grid.Clicks;
    EXPECT_EQ(key(Qt::Key_Right), std::pair(0, 1));
    EXPECT_EQ(grid.Clicks, clicks + 1) << "a refused move still clicks";
    key(Qt::Key_Left);
    EXPECT_EQ(grid.Clicks, clicks + 1) << "no move, no click";
}

