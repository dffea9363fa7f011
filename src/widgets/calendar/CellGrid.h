// A small grid control: fixed rows at the top, column widths and row heights, grid lines, a
// current cell moved by mouse and keyboard (each move asked through SelectCell), focus and
// selection colours, and per-cell drawing by the derived class. Coordinates are client
// coordinates: inside the border.
#pragma once

#include "model/look/Colors.h"

#include <QColor>
#include <QFrame>
#include <QPalette>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QMenu;

namespace calendar {

using widgets::RgbColor;
using widgets::Black;
using widgets::Blue;
using widgets::ButtonFace;
using widgets::Gray;
using widgets::Red;
using widgets::Silver;
using widgets::White;
using widgets::WindowBackground;
using widgets::Yellow;

enum GridDrawFlag { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
using GridDrawState = int;

enum GridOption {
    goFixedVertLine = 1,
    goFixedHorzLine = 2,
    goVertLine = 4,
    goHorzLine = 8,
    goDrawFocusSelected = 16,
};
using GridOptionSet = int;

enum GridBorderStyle { bsNone, bsSingle };

struct GridCoord {
    int Col = 0;
    int Row = 0;
    friend bool operator==(const GridCoord&, const GridCoord&) = default;
};

class CellGrid : public QFrame {
    Q_OBJECT
public:
    using NotifyEvent = std::function<void(QObject* sender)>;
    // MousePos is (-1, -1) when the menu is asked for from the keyboard; setting Handled keeps
    // the pop-up menu closed.
    using ContextPopupEvent = std::function<void(QObject* sender, QPoint mousePos, bool& handled)>;

    CellGrid(int colCount, int rowCount, int fixedRows, QWidget* parent);

    int ColCount() const { return static_cast<int>(ColWidths.size()); }
    int RowCount() const { return static_cast<int>(RowHeights.size()); }
    int FixedRows() const { return FixedRowCount; }

    int DefaultColWidth() const { return DefaultColWidthValue; }
    void SetDefaultColWidth(int width);
    int ColWidth(int col) const { return ColWidths.at(col); }
    // Writing the default row height resets every row to it.
    int DefaultRowHeight() const { return DefaultRowHeightValue; }
    void SetDefaultRowHeight(int height);
    int RowHeight(int row) const { return RowHeights.at(row); }
    void SetRowHeight(int row, int height);

    int GridLineWidth() const { return LineWidth; }
    void SetGridLineWidth(int width);
    GridOptionSet Options() const { return GridOptions; }
    void SetOptions(GridOptionSet options);

    RgbColor Color() const { return CellColor; }
    void SetColor(RgbColor color);
    RgbColor FixedColor() const { return FixedCellColor; }
    void SetFixedColor(RgbColor color);
    RgbColor FontColor() const { return TextColor; }
    void SetFontColor(RgbColor color);

    // bsSingle draws a one-pixel line, or a two-pixel sunken edge with Ctl3D.
    GridBorderStyle BorderStyle() const { return Border; }
    void SetBorderStyle(GridBorderStyle style);
    bool Ctl3D() const { return Is3D; }
    void SetCtl3D(bool value);

    int Col() const { return Current.Col; }
    int Row() const { return Current.Row; }
    QRect CellRect(int col, int row) const;
    std::optional<GridCoord> MouseToCell(QPoint clientPos) const;
    QSize ClientSize() const { return contentsRect().size(); }

    QMenu* PopupMenu() const { return Popup; }
    void SetPopupMenu(QMenu* menu) { Popup = menu; }

    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    ContextPopupEvent OnContextPopup;

protected:
    // Paints one cell; the painter's brush and pen are prepared with the cell's background and
    // text colours and its background is already filled.
    virtual void DrawCell(QPainter& painter, int col, int row, const QRect& rect, GridDrawState state) = 0;
    // Asked before the current cell moves.
    virtual bool SelectCell(int col, int row) { return true; }
    // After every mouse click on a cell and every keyboard move of the current cell.
    virtual void Click();

    // Makes (col, row) current if SelectCell allows it; true when it did.
    bool MoveCurrent(int col, int row);
    // MoveCurrent, then Click, as the keyboard and the mouse do.
    void FocusCell(int col, int row);
    QPoint ToClient(QPoint widgetPos) const { return widgetPos - contentsRect().topLeft(); }

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    GridDrawState DrawStateOf(int col, int row) const;
    void PrepareCell(QPainter& painter, GridDrawState state) const;
    void DrawGridLines(QPainter& painter) const;
    void DrawFixedEdge(QPainter& painter, const QRect& rect) const;
    void DrawFocusRect(QPainter& painter, const QRect& rect) const;
    std::optional<GridCoord> KeyTarget(int key, Qt::KeyboardModifiers modifiers) const;
    void UpdateFrame();

    std::vector<int> ColWidths;
    std::vector<int> RowHeights;
    int FixedRowCount;
    int DefaultColWidthValue = 64;
    int DefaultRowHeightValue = 24;
    int LineWidth = 1;
    GridOptionSet GridOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine;
    RgbColor CellColor = WindowBackground;
    RgbColor FixedCellColor = ButtonFace;
    RgbColor TextColor = Black;
    GridBorderStyle Border = bsSingle;
    bool Is3D = true;
    GridCoord Current;
    QMenu* Popup = nullptr;
};

} // namespace calendar
