// THatchPanel: a standard panel (colour, bevels, caption) with a bitmap tiled or stretched over
// its inner area.
#pragma once

#include "widgets/CustomPanel.h"

namespace widgets {

enum class THatchMode { Tiled, Stretched };

class THatchPanel : public TCustomPanel {
    Q_OBJECT
public:
    explicit THatchPanel(QWidget* parent = nullptr);

    const QImage& Bitmap() const { return bitmap_; }
    void SetBitmap(const QImage& value);
    THatchMode Mode() const { return mode_; }
    void SetMode(THatchMode value);
    QString About() const;

signals:
    void OnBitMapChanged(QObject* sender);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage bitmap_;
    THatchMode mode_ = THatchMode::Tiled;
};

} // namespace widgets
