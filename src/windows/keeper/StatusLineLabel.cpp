#include "windows/keeper/StatusLineLabel.h"

#include <QFontMetrics>
#include <QPainter>

using model::birthdays::LayoutSymbRuns;
using model::birthdays::ParseSymbCaption;
using model::birthdays::RunFont;
using model::birthdays::RunSize;
using model::birthdays::SymbolLayout;
using model::birthdays::SymbolRun;

namespace windows::keeper {

StatusLineLabel::StatusLineLabel(QWidget* parent) : QWidget(parent), color_(palette().color(QPalette::Window))
{
    small_.Font = QFont(QStringLiteral("Small Fonts"));
    small_.Font.setPointSize(6);
    strong_.Font = font();
    strong_.Color = Qt::red;
    symbol_.Font = QFont(QStringLiteral("Symbol"));
}

void StatusLineLabel::SetCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void StatusLineLabel::SetFontColor(const QColor& color)
{
    fontColor_ = color;
    update();
}

void StatusLineLabel::SetSmallFont(const LabelFont& font)
{
    small_ = font;
    update();
}

void StatusLineLabel::SetStrongFont(const LabelFont& font)
{
    strong_ = font;
    update();
}

void StatusLineLabel::SetSymbolFont(const LabelFont& font)
{
    symbol_ = font;
    update();
}

void StatusLineLabel::SetTransparent(bool value)
{
    transparent_ = value;
    update();
}

void StatusLineLabel::SetColor(const QColor& color)
{
    color_ = color;
    update();
}

LabelFont StatusLineLabel::FontOf(RunFont font) const
{
    switch (font) {
    case RunFont::Strong:
        return strong_;
    case RunFont::Small:
        return small_;
    case RunFont::Symbol:
        return symbol_;
    case RunFont::Normal:
        break;
    }
    return {this->font(), fontColor_};
}

void StatusLineLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), color_);
    const std::vector<SymbolRun> runs = ParseSymbCaption(caption_.toStdString());
    std::vector<RunSize> sizes;
    for (const SymbolRun& run : runs) {
        const QSize size =
            QFontMetrics(FontOf(run.Font).Font).size(Qt::TextExpandTabs, QString::fromStdString(run.Text));
        sizes.push_back({size.width(), size.height()});
    }
    const SymbolLayout layout = LayoutSymbRuns(runs, sizes);
    for (size_t i = 0; i < runs.size(); ++i) {
        const LabelFont font = FontOf(runs[i].Font);
        painter.setFont(font.Font);
        painter.setPen(font.Color);
        const QRect area(layout.Places[i].X, layout.Places[i].Y, layout.Width - layout.Places[i].X,
                         layout.Height - layout.Places[i].Y);
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs,
                         QString::fromStdString(runs[i].Text));
    }
}

} // namespace windows::keeper
