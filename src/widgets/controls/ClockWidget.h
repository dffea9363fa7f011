// ClockWidget: a panel that shows the time as an analog face or as digital text and keeps itself
// up to date with a 450 ms timer.
#pragma once

#include "model/look/ClockGeometry.h"
#include "widgets/controls/BevelPanel.h"

#include <QTime>
#include <QTimer>

#include <functional>

namespace widgets::controls {

enum class ClockShowMode { Digital, Analog };

class ClockWidget : public BevelPanel {
    Q_OBJECT
public:
    explicit ClockWidget(QWidget* parent = nullptr);

    ClockShowMode ShowMode() const { return showMode_; }
    void SetShowMode(ClockShowMode value);
    bool ShowSeconds() const { return showSeconds_; }
    void SetShowSeconds(bool value);
    bool TwelveHour() const { return twelveHour_; }
    void SetTwelveHour(bool value);
    bool LeadingZero() const { return leadingZero_; }
    void SetLeadingZero(bool value);
    model::look::RgbColor DotsColor() const { return dotsColor_; }
    void SetDotsColor(model::look::RgbColor value);

    // Where the time comes from (the system clock unless replaced, e.g. by tests).
    void SetTimeSource(std::function<QTime()> source);
    // Pixels per millimetre across over pixels per millimetre down (the screen's unless set).
    void SetPixelAspect(double aspect);
    model::look::ClockFace Face() const;
    // The text the digital face shows now.
    QString DigitalText() const;
    // The time the face shows now.
    QTime ShownTime() const { return shown_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Tick();
    template <typename T>
    void Change(T& field, const T& value);
    void PaintAnalog(QPainter& painter, const model::look::ClockFace& face) const;
    void PaintDigital(QPainter& painter, const QRect& area) const;
    QRect InnerRect() const;

    ClockShowMode showMode_ = ClockShowMode::Digital;
    bool showSeconds_ = true;
    bool twelveHour_ = false;
    bool leadingZero_ = true;
    model::look::RgbColor dotsColor_ = model::look::Teal;
    std::function<QTime()> timeSource_;
    double pixelAspect_;
    QTime shown_; // the time last drawn
    QTimer timer_;
};

} // namespace widgets::controls
