#include "widgets/controls/MarkupPanel.h"

#include "widgets/controls/QtColors.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

using model::look::FontStyleBit;
using model::look::LayoutMarkup;
using model::look::MarkupElement;
using model::look::MarkupFont;
using model::look::MarkupRun;
using model::look::ParseMarkup;
using model::look::PrepareMarkup;

namespace widgets::controls {

namespace {

QFont RunFont(const MarkupElement& element)
{
    QFont font(QString::fromStdString(element.FontName));
    font.setPointSize(std::max(element.FontSize, 1));
    font.setBold((element.FontStyle & FontStyleBit::Bold) != 0);
    font.setItalic((element.FontStyle & FontStyleBit::Italic) != 0);
    font.setUnderline((element.FontStyle & FontStyleBit::Underline) != 0);
    return font;
}

int PointSize(const QFont& font)
{
    if (font.pointSize() > 0)
        return font.pointSize();
    return std::max(1, (font.pixelSize() * 72 + 48) / 96);
}

} // namespace

MarkupPanel::MarkupPanel(QWidget* parent) : HatchedPanel(parent)
{
    resize(200, 100);
    PrepareText();
}

void MarkupPanel::SetMarkupLines(const QStringList& value)
{
    markupLines_ = value;
    PrepareText();
    update();
}

void MarkupPanel::SetMargin(int value)
{
    margin_ = value;
    update();
}

void MarkupPanel::SetLineBreaks(bool value)
{
    lineBreaks_ = value;
    PrepareText();
    update();
}

void MarkupPanel::PrepareText()
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(markupLines_.size()));
    for (const QString& line : markupLines_)
        lines.push_back(line.toStdString());
    const QFont base = font();
    const MarkupFont baseFont{base.family().toStdString(), PointSize(base),
                               FromQColor(palette().color(QPalette::WindowText))};
    const std::string markup = PrepareMarkup(lines, baseFont.Face, baseFont.Size, baseFont.Color, lineBreaks_);
    elements_ = ParseMarkup(markup, baseFont);
    fonts_.clear();
    for (auto& element : elements_) {
        fonts_.push_back(RunFont(element));
        const QFontMetrics metrics(fonts_.back(), this);
        element.Ascent = metrics.ascent();
        element.Height = metrics.height();
    }
    preparedText_ = markup;
}

QColor MarkupPanel::RunColor(const MarkupElement& element) const
{
    return ToQColor(element.FontColor, palette().color(QPalette::WindowText));
}

void MarkupPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintHatchedPanel(painter);
    if (preparedText_.empty())
        return;
    // The layout hands back elements of elements_, whose fonts sit at the same index in fonts_.
    const auto widthOf = [this](const MarkupElement& element, std::string_view text) {
        const auto index = static_cast<std::size_t>(&element - &elements_[0]);
        return QFontMetrics(fonts_[index], this).horizontalAdvance(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
    };
    for (const MarkupRun& run : LayoutMarkup(elements_, width(), margin_, widthOf)) {
        const MarkupElement& element = elements_[run.Element];
        painter.setFont(fonts_[run.Element]);
        painter.setPen(RunColor(element));
        painter.drawText(run.X, run.Y + element.Ascent, QString::fromStdString(run.Text));
    }
}

void MarkupPanel::changeEvent(QEvent* event)
{
    HatchedPanel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        PrepareText();
        update();
    }
}

} // namespace widgets::controls
