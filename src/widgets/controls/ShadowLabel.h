// ShadowLabel: a transparent label that draws its text over a copy in a shadow colour offset
// to the right and below, so that it reads on any skin.
#pragma once

#include "model/look/Colors.h"
#include "widgets/controls/ButtonStyles.h"

#include <QWidget>

namespace widgets::controls {

class ShadowLabel : public QWidget {
    Q_OBJECT
public:
    explicit ShadowLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    HorizontalAlignment Alignment() const { return alignment_; }
    void SetAlignment(HorizontalAlignment value);
    model::look::RgbColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(model::look::RgbColor value);
    // Pixels right and down.
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    HorizontalAlignment alignment_ = HorizontalAlignment::Center;
    model::look::RgbColor shadowColor_ = model::look::RGBColor(64, 0, 0);
    int shadowOffset_ = 1;
};

} // namespace widgets::controls
