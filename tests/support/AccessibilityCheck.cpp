#include "support/AccessibilityCheck.h"

#include "widgets/controls/CellGrid.h"
#include "widgets/controls/ClockWidget.h"
#include "widgets/controls/CustomButton.h"
#include "widgets/controls/ToolButton.h"

#include <QAccessible>
#include <QWidget>

using widgets::controls::CellGrid;
using widgets::controls::ClockWidget;
using widgets::controls::CustomButton;
using widgets::controls::ToolButton;

namespace testing_support {

namespace {

bool IsInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::Cell:
    case QAccessible::Table:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::SpinBox:
    case QAccessible::Link:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

// The role an owner-drawn control must have; nothing for other widgets.
std::optional<QAccessible::Role> ExpectedRole(const QObject* object)
{
    if (qobject_cast<const CustomButton*>(object) != nullptr || qobject_cast<const ToolButton*>(object) != nullptr)
        return QAccessible::Button;
    if (qobject_cast<const CellGrid*>(object) != nullptr)
        return QAccessible::Table;
    if (qobject_cast<const ClockWidget*>(object) != nullptr)
        return QAccessible::StaticText;
    return std::nullopt;
}

QString Describe(QAccessibleInterface* node, const QString& parentName)
{
    if (node->object() != nullptr && !node->object()->objectName().isEmpty())
        return node->object()->objectName();
    return parentName + QStringLiteral(" > child");
}

void Walk(QAccessibleInterface* node, const QString& parentName, QStringList& problems)
{
    // Hidden controls are checked too: most of them show at some step of their window.
    if (node == nullptr)
        return;
    const QString name = Describe(node, parentName);
    const QAccessible::Role role = node->role();
    if (const auto expected = ExpectedRole(node->object()); expected && role != *expected)
        problems << QStringLiteral("%1: role %2, not %3").arg(name).arg(role).arg(*expected);
    const auto* widget = qobject_cast<const QWidget*>(node->object());
    if (widget != nullptr && widget->focusPolicy() != Qt::NoFocus && role == QAccessible::Client)
        problems << QStringLiteral("%1: takes the focus but tells no role").arg(name);
    if (IsInteractive(role) && role != QAccessible::Table && role != QAccessible::List &&
        node->text(QAccessible::Name).trimmed().isEmpty())
        problems << QStringLiteral("%1: a control (role %2) without a name").arg(name).arg(role);
    if ((role == QAccessible::Button || role == QAccessible::CheckBox) && !node->state().focusable)
        problems << QStringLiteral("%1: a control the keyboard cannot reach").arg(name);
    if (role == QAccessible::Table && node->childCount() == 0)
        problems << QStringLiteral("%1: a table without cells").arg(name);
    for (int i = 0; i < node->childCount(); ++i)
        Walk(node->child(i), name, problems);
}

} // namespace

QStringList AccessibilityProblems(QWidget& window)
{
    QStringList problems;
    Walk(QAccessible::queryAccessibleInterface(&window), window.objectName(), problems);
    return problems;
}

} // namespace testing_support
