#include "support/LayoutCheck.h"

#include "widgets/controls/CustomButton.h"
#include "widgets/controls/GlowLabel.h"
#include "widgets/controls/ShadowLabel.h"
#include "widgets/controls/ToolButton.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QWidget>

using namespace widgets::controls;

namespace testing_support {
namespace {

// Controls of the window: named widgets. Qt's own parts of a composite widget (a combo box's
// list, a text edit's viewport) have no name of ours.
bool IsControl(const QWidget& widget)
{
    const QString name = widget.objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// A picture or a bevel behind other controls: a label that shows a pixmap and no text, a plain
// frame, or a widget that says so with the "background" property.
bool IsBackground(const QWidget& widget)
{
    if (widget.property("background").toBool())
        return true;
    if (qstrcmp(widget.metaObject()->className(), "QFrame") == 0)
        return true;
    const auto* label = qobject_cast<const QLabel*>(&widget);
    return label && label->text().isEmpty() && !label->pixmap().isNull();
}

QString WithoutMnemonic(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// The caption a control shows on one line and the room it has for it; an empty caption when
// the control shows none or wraps it.
struct Caption {
    QString Text;
    int Room = 0;
};

Caption CaptionOf(const QWidget& widget)
{
    const int width = widget.width();
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text()))
            return {};
        return {label->text(), width - 2 * label->margin() - 2 * label->indent() * (label->indent() > 0)};
    }
    if (const auto* check = qobject_cast<const QCheckBox*>(&widget)) {
        const int indicator = check->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check) +
                              check->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, check);
        return {WithoutMnemonic(check->text()), width - indicator};
    }
    if (const auto* button = dynamic_cast<const CustomButton*>(&widget))
        return {WithoutMnemonic(button->Caption()), width};
    if (const auto* button = dynamic_cast<const ToolButton*>(&widget))
        return {WithoutMnemonic(button->Caption()), width};
    if (const auto* label = dynamic_cast<const GlowLabel*>(&widget))
        return {label->Caption(), width};
    if (const auto* label = dynamic_cast<const ShadowLabel*>(&widget))
        return {label->Caption(), width};
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return {WithoutMnemonic(button->text()), width};
    return {};
}

void CheckChildren(const QWidget& window, const QWidget& parent, QStringList& problems)
{
    QList<const QWidget*> controls;
    for (const QObject* child : parent.children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (!widget || widget->isWindow() || !widget->isVisibleTo(&window))
            continue;
        if (IsControl(*widget))
            controls.push_back(widget);
        CheckChildren(window, *widget, problems);
    }
    for (const QWidget* control : controls) {
        const QRect placed(control->mapTo(&window, QPoint(0, 0)), control->size());
        if (!window.rect().contains(placed))
            problems << QStringLiteral("%1 lies outside the window").arg(control->objectName());
        const Caption caption = CaptionOf(*control);
        const int needed = control->fontMetrics().horizontalAdvance(caption.Text);
        if (!caption.Text.isEmpty() && needed > caption.Room)
            problems << QStringLiteral("%1: \"%2\" needs %3 pixels, has %4")
                            .arg(control->objectName(), caption.Text)
                            .arg(needed)
                            .arg(caption.Room);
    }
    for (qsizetype i = 0; i < controls.size(); ++i)
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            const QWidget& a = *controls[i];
            const QWidget& b = *controls[j];
            if (a.geometry().intersects(b.geometry()) && !IsBackground(a) && !IsBackground(b))
                problems << QStringLiteral("%1 overlaps %2").arg(a.objectName(), b.objectName());
        }
}

} // namespace

QStringList LayoutProblems(const QWidget& window)
{
    QStringList problems;
    CheckChildren(window, window, problems);
    return problems;
}

} // namespace testing_support
