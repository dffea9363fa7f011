// CellGrid: the grid of the calendars and the mood picker. Fixed rows at the top, column widths
// and row heights, grid lines, a border, and a current cell moved by mouse and keyboard where the
// derived class lets it (SelectCell); the derived class draws the cells. Cell coordinates are
// client coordinates: inside the border.
#pragma once

#include "model/look/Colors.h"

#include <QFlags>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QMenu;

namespace widgets::controls {

// What a cell is drawn as.
enum class CellState { Selected = 1, Focused = 2, Fixed = 4 };
Q_DECLARE_FLAGS(CellStates, CellState)

enum class GridOption {
    FixedVerticalLines = 1,
    FixedHorizontalLines = 2,
    VerticalLines = 4,
    HorizontalLines = 8,
    HighlightFocusedCell = 16, // the current cell keeps its highlight while the grid has the focus
};
Q_DECLARE_FLAGS(GridOptions, GridOption)

enum class GridBorder { None, Single };

// How the current cell is marked while the grid has the focus: a dotted line in the font colour,
// or every other pixel of its edge inverted, which shows on any picture.
enum class FocusFrame { DottedLine, InvertedDots };

struct GridCoord {
    int Col = 0;
    int Row = 0;
    friend bool operator==(const GridCoord&, const GridCoord&) = default;
};

class CellGrid : public QWidget {
    Q_OBJECT
public:
    // A double click, with the cell under the mouse (none outside the cells).
    using DoubleClickEvent = std::function<void(std::optional<GridCoord> cell)>;
    // mousePos is (-1, -1) when the menu is asked for from the keyboard; setting `handled` keeps
    // the pop-up menu closed.
    using ContextPopupEvent = std::function<void(QObject* sender, QPoint mousePos, bool& handled)>;

    CellGrid(int colCount, int rowCount, int fixedRows, QWidget* parent);

    int ColCount() const { return static_cast<int>(colWidths_.size()); }
    int RowCount() const { return static_cast<int>(rowHeights_.size()); }
    int FixedRows() const { return fixedRows_; }

    int DefaultColWidth() const { return defaultColWidth_; }
    // Sets every column to the width.
    void SetDefaultColWidth(int width);
    int ColWidth(int col) const { return colWidths_.at(col); }
    int DefaultRowHeight() const { return defaultRowHeight_; }
    // Sets every row to the height.
    void SetDefaultRowHeight(int height);
    int RowHeight(int row) const { return rowHeights_.at(row); }
    void SetRowHeight(int row, int height);

    int GridLineWidth() const { return lineWidth_; }
    void SetGridLineWidth(int width);
    GridOptions Options() const { return options_; }
    void SetOptions(GridOptions options);

    model::look::RgbColor Color() const { return color_; }
    void SetColor(model::look::RgbColor color);
    model::look::RgbColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(model::look::RgbColor color);
    model::look::RgbColor FontColor() const { return fontColor_; }
    void SetFontColor(model::look::RgbColor color);

    GridBorder Border() const { return border_; }
    void SetBorder(GridBorder border);
    // Flat: a single border is a one-pixel line and fixed cells are plain; otherwise the border
    // is a two-pixel sunken edge and fixed cells are raised.
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    FocusFrame FocusFrameStyle() const { return focusFrame_; }
    void SetFocusFrameStyle(FocusFrame style);

    int Col() const { return current_.Col; }
    int Row() const { return current_.Row; }
    GridCoord Current() const { return current_; }
    QRect CellRect(int col, int row) const;
    std::optional<GridCoord> MouseToCell(QPoint clientPos) const;
    QSize ClientSize() const { return contentsRect().size(); }

    QMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }

    // What a cell shows, in words, for assistive technology; empty for a cell that shows
    // nothing worth telling.
    virtual QString AccessibleCellText(int col, int row) const { return {}; }

    DoubleClickEvent OnDoubleClick;
    ContextPopupEvent OnContextPopup;

protected:
    // Paints one cell; the painter's brush and pen are prepared with the cell's background and
    // text colours and its background is already filled.
    virtual void DrawCell(QPainter& painter, int col, int row, const QRect& rect, CellStates state) = 0;
    // Asked before the current cell moves.
    virtual bool SelectCell(int col, int row) { return true; }
    // After every mouse click on a cell and every keyboard move of the current cell.
    virtual void Click() {}

    // Makes (col, row) current if it lies in the grid and SelectCell allows it; true when it did.
    bool MoveCurrent(int col, int row);
    QPoint ToClient(QPoint widgetPos) const { return widgetPos - contentsRect().topLeft(); }

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    CellStates StateOf(int col, int row) const;
    void PrepareCell(QPainter& painter, CellStates state) const;
    void DrawBorder(QPainter& painter) const;
    void DrawGridLines(QPainter& painter) const;
    void DrawFixedEdge(QPainter& painter, const QRect& rect) const;
    void DrawFocusFrame(QPainter& painter, const QRect& rect) const;
    std::optional<GridCoord> KeyTarget(int key, Qt::KeyboardModifiers modifiers) const;
    void UpdateBorder();

    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    int fixedRows_;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int lineWidth_ = 1;
    GridOptions options_ = {GridOption::FixedVerticalLines, GridOption::FixedHorizontalLines,
                            GridOption::VerticalLines, GridOption::HorizontalLines};
    model::look::RgbColor color_ = model::look::WindowBackground;
    model::look::RgbColor fixedColor_ = model::look::ButtonFace;
    model::look::RgbColor fontColor_ = model::look::Black;
    GridBorder border_ = GridBorder::Single;
    bool flat_ = false;
    FocusFrame focusFrame_ = FocusFrame::InvertedDots;
    GridCoord current_;
    QMenu* popupMenu_ = nullptr;
};

} // namespace widgets::controls

Q_DECLARE_OPERATORS_FOR_FLAGS(widgets::controls::CellStates)
Q_DECLARE_OPERATORS_FOR_FLAGS(widgets::controls::GridOptions)
