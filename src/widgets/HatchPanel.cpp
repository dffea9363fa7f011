#include "widgets/HatchPanel.h"

#include <QPainter>

namespace widgets {

THatchPanel::THatchPanel(QWidget* parent) : TCustomPanel(parent) {}

void THatchPanel::SetBitmap(const QImage& value)
{
    bitmap_ = value;
    emit OnBitMapChanged(this);
    update();
}

void THatchPanel::SetMode(THatchMode value)
{
    mode_ = value;
    update();
}

QString THatchPanel::About() const
{
    return QStringLiteral("THatchPanel: a panel with a tiled or stretched background bitmap");
}

void THatchPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintStandardPanel(painter);
    const int inset = BevelWidth();
    DrawHatchBitmap(painter, rect().adjusted(inset, inset, -inset, -inset), bitmap_,
                    mode_ == THatchMode::Tiled ? TKvHatchMode::hmTiled : TKvHatchMode::hmStretched);
}

} // namespace widgets
