#include "birthdays/ui/CLabels.h"

#include <QFontMetrics>
#include <QPainter>

namespace birthdays {

TOHSymbLabel::TOHSymbLabel(QWidget* parent) : QWidget(parent), color_(palette().color(QPalette::Window))
{
    small_.Font = QFont(QStringLiteral("Small Fonts"));
    small_.Font.setPointSize(6);
    strong_.Font = font();
    strong_.Color = Qt::red;
    symbol_.Font = QFont(QStringLiteral("Symbol"));
}

void TOHSymbLabel::SetCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void TOHSymbLabel::SetFontColor(const QColor& color)
{
    fontColor_ = color;
    update();
}

void TOHSymbLabel::SetSmallFont(const TLabelFont& font)
{
    small_ = font;
    update();
}

void TOHSymbLabel::SetStrongFont(const TLabelFont& font)
{
    strong_ = font;
    update();
}

void TOHSymbLabel::SetSymbolFont(const TLabelFont& font)
{
    symbol_ = font;
    update();
}

void TOHSymbLabel::SetTransparent(bool value)
{
    transparent_ = value;
    update();
}

void TOHSymbLabel::SetColor(const QColor& color)
{
    color_ = color;
    update();
}

TLabelFont TOHSymbLabel::FontOf(TSymbFont font) const
{
    switch (font) {
    case TSymbFont::Strong:
        return strong_;
    case TSymbFont::Small:
        return small_;
    case TSymbFont::Symbol:
        return symbol_;
    case TSymbFont::Normal:
        break;
    }
    return {this->font(), fontColor_};
}

void TOHSymbLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), color_);
    const std::vector<TSymbRun> runs = ParseSymbCaption(caption_.toStdString());
    std::vector<TRunSize> sizes;
    for (const TSymbRun& run : runs) {
        const QSize size =
            QFontMetrics(FontOf(run.Font).Font).size(Qt::TextExpandTabs, QString::fromStdString(run.Text));
        sizes.push_back({size.width(), size.height()});
    }
    const TSymbLayout layout = LayoutSymbRuns(runs, sizes);
    for (size_t i = 0; i < runs.size(); ++i) {
        const TLabelFont font = FontOf(runs[i].Font);
        painter.setFont(font.Font);
        painter.setPen(font.Color);
        const QRect area(layout.Places[i].X, layout.Places[i].Y, layout.Width - layout.Places[i].X,
                         layout.Height - layout.Places[i].Y);
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs,
                         QString::fromStdString(runs[i].Text));
    }
}

} // namespace birthdays
