#include "widgets/controls/AccessibleControls.h"

#include "widgets/controls/CellGrid.h"
#include "widgets/controls/ClockWidget.h"
#include "widgets/controls/GlowLabel.h"
#include "widgets/controls/ShadowLabel.h"
#include "widgets/controls/SkinButton.h"
#include "widgets/controls/SpeedButton.h"
#include "widgets/controls/ToolButton.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>

#include <map>
#include <utility>
#include <vector>

namespace widgets::controls {

namespace {

class AccessibleButton : public QAccessibleWidget {
public:
    explicit AccessibleButton(QWidget* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return AccessibleButtonName(Caption(), widget()->toolTip());
        if (kind == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return widget()->toolTip().simplified();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (const auto* speed = qobject_cast<const SpeedButton*>(widget())) {
            state.checkable = speed->GroupIndex() != 0;
            state.checked = state.checkable && speed->Down();
            state.pressed = !state.checkable && speed->Down();
        }
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName != pressAction() || !widget()->isEnabled()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        if (auto* speed = qobject_cast<SpeedButton*>(widget()))
            speed->Press();
        else if (auto* skin = qobject_cast<SkinButton*>(widget()))
            skin->Click();
        else if (auto* tool = qobject_cast<ToolButton*>(widget()))
            emit tool->OnClick();
    }

private:
    QString Caption() const
    {
        if (const auto* custom = qobject_cast<const CustomButton*>(widget()))
            return custom->Caption();
        if (const auto* tool = qobject_cast<const ToolButton*>(widget()))
            return tool->Caption();
        return {};
    }
};

class AccessibleGrid;

// One cell of a grid, made and kept by the grid's interface.
class AccessibleCell : public QAccessibleInterface {
public:
    AccessibleCell(CellGrid* grid, GridCoord cell) : grid_(grid), cell_(cell) {}

    bool isValid() const override { return grid_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QAccessible::Role role() const override
    {
        return cell_.Row < grid_->FixedRows() ? QAccessible::ColumnHeader : QAccessible::Cell;
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? grid_->AccessibleCellText(cell_.Col, cell_.Row) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        const QRect cell = grid_->CellRect(cell_.Col, cell_.Row);
        return QRect(grid_->mapToGlobal(cell.topLeft() + grid_->contentsRect().topLeft()), cell.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (cell_.Row < grid_->FixedRows())
            return state;
        state.selectable = true;
        state.focusable = true;
        state.selected = grid_->Current() == cell_;
        state.focused = state.selected && grid_->hasFocus();
        return state;
    }

private:
    CellGrid* grid_;
    GridCoord cell_;
};

// A grid as a table of the cells that show something.
class AccessibleGrid : public QAccessibleWidget {
public:
    explicit AccessibleGrid(CellGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

    ~AccessibleGrid() override
    {
        for (const auto& [cell, id] : cells_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(ShownCells().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const auto cells = ShownCells();
        if (index < 0 || index >= static_cast<int>(cells.size()))
            return nullptr;
        return CellInterface(cells[static_cast<size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto cells = ShownCells();
        for (size_t i = 0; i < cells.size(); ++i)
            if (CellInterface(cells[i]) == child)
                return static_cast<int>(i);
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint client = Grid()->mapFromGlobal(QPoint(x, y)) - Grid()->contentsRect().topLeft();
        const auto cell = Grid()->MouseToCell(client);
        if (!cell || Grid()->AccessibleCellText(cell->Col, cell->Row).isEmpty())
            return nullptr;
        return CellInterface(*cell);
    }

    QAccessibleInterface* focusChild() const override
    {
        return Grid()->hasFocus() ? CellInterface(Grid()->Current()) : nullptr;
    }

private:
    CellGrid* Grid() const { return static_cast<CellGrid*>(widget()); }

    std::vector<GridCoord> ShownCells() const
    {
        std::vector<GridCoord> cells;
        for (int row = 0; row < Grid()->RowCount(); ++row)
            for (int col = 0; col < Grid()->ColCount(); ++col)
                if (!Grid()->AccessibleCellText(col, row).isEmpty())
                    cells.push_back({col, row});
        return cells;
    }

    QAccessibleInterface* CellInterface(GridCoord cell) const
    {
        const std::pair key(cell.Col, cell.Row);
        auto found = cells_.find(key);
        if (found == cells_.end())
            found = cells_.emplace(key, QAccessible::registerAccessibleInterface(new AccessibleCell(Grid(), cell))).first;
        return QAccessible::accessibleInterface(found->second);
    }

    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

// The clock reads as a label whose text is the time, as the digital face would show it.
class AccessibleClock : public QAccessibleWidget {
public:
    explicit AccessibleClock(ClockWidget* clock) : QAccessibleWidget(clock, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        return static_cast<const ClockWidget*>(widget())->DigitalText();
    }
};

// A drawn label reads as its caption.
class AccessibleLabel : public QAccessibleWidget {
public:
    explicit AccessibleLabel(QWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        if (const auto* shadow = qobject_cast<const ShadowLabel*>(widget()))
            return shadow->Caption();
        return static_cast<const GlowLabel*>(widget())->Caption();
    }
};

QAccessibleInterface* DescribeControl(const QString& className, QObject* object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(CustomButton::staticMetaObject.className()) ||
        className == QLatin1String(ToolButton::staticMetaObject.className()))
        return new AccessibleButton(widget);
    if (className == QLatin1String(CellGrid::staticMetaObject.className()))
        return new AccessibleGrid(static_cast<CellGrid*>(widget));
    if (className == QLatin1String(ShadowLabel::staticMetaObject.className()) ||
        className == QLatin1String(GlowLabel::staticMetaObject.className()))
        return new AccessibleLabel(widget);
    if (className == QLatin1String(ClockWidget::staticMetaObject.className()))
        return new AccessibleClock(static_cast<ClockWidget*>(widget));
    return nullptr;
}

} // namespace

void RegisterAccessibleControls()
{
    static const bool registered = (QAccessible::installFactory(DescribeControl), true);
    (void)registered;
}

QString AccessibleButtonName(const QString& caption, const QString& hint)
{
    QString name = caption;
    name.remove(QRegularExpression(QStringLiteral("&(?!&)"))); // "&&" stands for one "&"
    name = name.simplified();
    if (!name.isEmpty())
        return name;
    return hint.section(QLatin1Char('|'), 0, 0).simplified();
}

void PaintFocusFrame(QPainter& painter, const QRect& area)
{
    painter.save();
    const QRect frame = area.adjusted(1, 1, -2, -2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 200), 1));
    painter.drawRect(frame);
    painter.setPen(QPen(QColor(255, 255, 255, 230), 1, Qt::DotLine));
    painter.drawRect(frame);
    painter.restore();
}

bool PressesButton(const QKeyEvent& key)
{
    return key.modifiers() == Qt::NoModifier &&
           (key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter);
}

} // namespace widgets::controls
