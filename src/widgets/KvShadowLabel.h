// TKvShadowLabel: a transparent label that draws its text over a copy in a shadow colour offset
// to the right and below, so that it reads on any skin.
#pragma once

#include "widgets/Colors.h"
#include "widgets/LbStyles.h"

#include <QWidget>

namespace widgets {

class TKvShadowLabel : public QWidget {
    Q_OBJECT
public:
    explicit TKvShadowLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value);
    // Pixels right and down.
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    TAlignment alignment_ = TAlignment::taCenter;
    TColor shadowColor_ = RGBColor(64, 0, 0);
    int shadowOffset_ = 1;
};

} // namespace widgets
