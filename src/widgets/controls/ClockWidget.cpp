#include "widgets/controls/ClockWidget.h"

#include "widgets/controls/AccessibleControls.h"

#include "platform/locale/Locale.h"
#include "widgets/controls/QtColors.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <cmath>

using model::look::ButtonHighlight;
using model::look::ButtonShadow;
using model::look::ClockFace;
using model::look::ClockHands;
using model::look::ClockPoint;
using model::look::ClockSampleText;
using model::look::ClockText;
using model::look::HandPositions;
using model::look::LighterDotColor;
using model::look::RgbColor;
using model::look::Teal;
using model::look::White;
using model::look::WindowFrame;
using platform::locale::AmText;
using platform::locale::PmText;

namespace widgets::controls {

namespace {

double ScreenPixelAspect()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || screen->physicalDotsPerInchY() <= 0)
        return 1.0;
    return screen->physicalDotsPerInchX() / screen->physicalDotsPerInchY();
}

QPointF ToPoint(const ClockPoint& p)
{
    return {p.X, p.Y};
}

QPolygonF ToPolygon(const std::array<ClockPoint, 4>& kite)
{
    QPolygonF polygon;
    for (const auto& p : kite)
        polygon << ToPoint(p);
    return polygon;
}

} // namespace

ClockWidget::ClockWidget(QWidget* parent)
    : BevelPanel(parent), timeSource_([] { return QTime::currentTime(); }), pixelAspect_(ScreenPixelAspect())
{
    SetBevelInner(BevelCut::Lowered);
    SetBevelOuter(BevelCut::Raised);
    RegisterAccessibleControls();
    shown_ = timeSource_();
    connect(&timer_, &QTimer::timeout, this, &ClockWidget::Tick);
    timer_.start(450);
}

template <typename T>
void ClockWidget::Change(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    update();
}

void ClockWidget::SetShowMode(ClockShowMode value)
{
    Change(showMode_, value);
}

void ClockWidget::SetShowSeconds(bool value)
{
    Change(showSeconds_, value);
}

void ClockWidget::SetTwelveHour(bool value)
{
    Change(twelveHour_, value);
}

void ClockWidget::SetLeadingZero(bool value)
{
    Change(leadingZero_, value);
}

void ClockWidget::SetDotsColor(RgbColor value)
{
    Change(dotsColor_, value);
}

void ClockWidget::SetTimeSource(std::function<QTime()> source)
{
    timeSource_ = std::move(source);
    shown_ = timeSource_();
    update();
}

void ClockWidget::SetPixelAspect(double aspect)
{
    pixelAspect_ = aspect;
    update();
}

QRect ClockWidget::InnerRect() const
{
    int inset = BorderWidth();
    for (const BevelCut bevel : {BevelOuter(), BevelInner()})
        if (bevel != BevelCut::None)
            inset += BevelWidth();
    return rect().adjusted(inset, inset, -inset, -inset);
}

ClockFace ClockWidget::Face() const
{
    const QRect inner = InnerRect();
    return ClockFace({inner.left(), inner.top(), inner.width(), inner.height()}, pixelAspect_);
}

QString ClockWidget::DigitalText() const
{
    return QString::fromStdString(ClockText(shown_.hour(), shown_.minute(), shown_.second(), showSeconds_,
                                            twelveHour_, leadingZero_, AmText().toStdString(),
                                            PmText().toStdString()));
}

// Redraws only when what is shown changes.
void ClockWidget::Tick()
{
    const QTime now = timeSource_();
    const bool changed = now.hour() != shown_.hour() || now.minute() != shown_.minute() ||
                         (showSeconds_ && now.second() != shown_.second());
    shown_ = now;
    if (changed)
        update();
}

void ClockWidget::PaintAnalog(QPainter& painter, const ClockFace& face) const
{
    const double radius = face.Radius();
    const bool large = radius >= 25;
    const int square = large ? std::max(3, static_cast<int>(std::lround(radius / 9))) : 2;
    const QColor fontColor = palette().color(QPalette::WindowText);
    const QColor dots = ToQColor(dotsColor_);
    const QColor light = ToQColor(LighterDotColor(ResolvedColor(dotsColor_, Teal), ResolvedColor(ButtonHighlight, White)));
    const QColor frame = ToQColor(WindowFrame);
    const QColor shadow = ToQColor(ButtonShadow);
    const QColor highlight = ToQColor(ButtonHighlight);
    // The marks sit just inside the face's edge.
    const double markPercent = 100.0 * (radius - square / 2.0 - 1) / radius;

    for (int k = 0; k < 60; ++k) {
        const QPointF at = ToPoint(face.At(k, markPercent));
        if (k % 5 == 0) {
            QRect mark(static_cast<int>(std::lround(at.x() - square / 2.0)),
                       static_cast<int>(std::lround(at.y() - square / 2.0)), square, square);
            if (large) {
                painter.fillRect(mark, dots);
                Frame3D(painter, mark, light, frame, 1);
            } else {
                painter.fillRect(mark, fontColor);
            }
        } else if (large) {
            const QPoint dot(static_cast<int>(std::lround(at.x() - 1)), static_cast<int>(std::lround(at.y() - 1)));
            painter.fillRect(dot.x(), dot.y(), 2, 2, highlight);
            painter.fillRect(dot.x(), dot.y(), 1, 1, shadow);
        } else {
            painter.fillRect(QRectF(at.x() - 0.5, at.y() - 0.5, 1, 1), fontColor);
        }
    }

    const ClockHands hands = HandPositions(shown_.hour(), shown_.minute(), shown_.second());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(fontColor, 1));
    painter.setBrush(fontColor);
    painter.drawPolygon(ToPolygon(face.HourHand(hands.Hour)));
    painter.drawPolygon(ToPolygon(face.MinuteHand(hands.Minute)));
    painter.restore();

    if (showSeconds_) {
        // Inverting the pixels: drawn twice at one place, the hand would be gone again.
        const auto line = face.SecondHand(hands.Second);
        painter.save();
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(ToPoint(line[0]), ToPoint(line[1]));
        painter.restore();
    }
}

void ClockWidget::PaintDigital(QPainter& painter, const QRect& area) const
{
    const QString text = DigitalText();
    const QString sample = QString::fromStdString(
        ClockSampleText(showSeconds_, twelveHour_, AmText().toStdString(), PmText().toStdString()));
    QFont font = this->font();
    constexpr int ReferenceSize = 100;
    font.setPixelSize(ReferenceSize);
    const int sampleWidth = std::max(1, QFontMetrics(font).horizontalAdvance(sample));
    const int fitting = ReferenceSize * (width() - 30) / sampleWidth;
    font.setPixelSize(std::max(1, std::min((height() - 4) * 4 / 5, fitting)));
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, Qt::AlignCenter, text);
}

void ClockWidget::paintEvent(QPaintEvent*)
{
    // Drawn off-screen first: the second hand inverts what is beneath it.
    QImage image(size(), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        PaintStandardPanel(painter);
        if (showMode_ == ClockShowMode::Analog)
            PaintAnalog(painter, Face());
        else
            PaintDigital(painter, rect());
    }
    QPainter(this).drawImage(0, 0, image);
}

void ClockWidget::changeEvent(QEvent* event)
{
    BevelPanel::changeEvent(event);
    if (event->type() == QEvent::LocaleChange || event->type() == QEvent::FontChange)
        update();
}

} // namespace widgets::controls
