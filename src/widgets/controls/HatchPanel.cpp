#include "widgets/controls/HatchPanel.h"

#include <QPainter>

namespace widgets {

HatchPanel::HatchPanel(QWidget* parent) : BevelPanel(parent) {}

void HatchPanel::SetBitmap(const QImage& value)
{
    bitmap_ = value;
    emit OnBitMapChanged(this);
    update();
}

void HatchPanel::SetMode(HatchMode value)
{
    mode_ = value;
    update();
}

QString HatchPanel::About() const
{
    return QStringLiteral("THatchPanel: a panel with a tiled or stretched background bitmap");
}

void HatchPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintStandardPanel(painter);
    const int inset = BevelWidth();
    DrawHatchBitmap(painter, rect().adjusted(inset, inset, -inset, -inset), bitmap_,
                    mode_ == HatchMode::Tiled ? BevelHatchMode::hmTiled : BevelHatchMode::hmStretched);
}

} // namespace widgets
