// HatchPanel: a standard panel (colour, bevels, caption) with a bitmap tiled or stretched over
// its inner area.
#pragma once

#include "widgets/controls/BevelPanel.h"

namespace widgets {

enum class HatchMode { Tiled, Stretched };

class HatchPanel : public BevelPanel {
    Q_OBJECT
public:
    explicit HatchPanel(QWidget* parent = nullptr);

    const QImage& Bitmap() const { return bitmap_; }
    void SetBitmap(const QImage& value);
    HatchMode Mode() const { return mode_; }
    void SetMode(HatchMode value);
    QString About() const;

signals:
    void OnBitMapChanged(QObject* sender);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage bitmap_;
    HatchMode mode_ = HatchMode::Tiled;
};

} // namespace widgets
